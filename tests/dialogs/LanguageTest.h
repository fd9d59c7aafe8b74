// What the dialog test programs share: the language library under test as the resource
// source, running a dialog with a script, a list's rows and an edit field's colour.
#pragma once

#include "framework/CDialog.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// While it lives, the language library "kesvar_<code>.dll" is the resource source.
class LanguageUnderTest
{
  public:
    explicit LanguageUnderTest(const std::string& code);
    ~LanguageUnderTest();
    LanguageUnderTest(const LanguageUnderTest&) = delete;
    LanguageUnderTest& operator=(const LanguageUnderTest&) = delete;
    std::string String(UINT id) const;
    // The string with %1 and %2 replaced.
    std::string Format(UINT id, const std::string& first, const std::string& second) const;

  private:
    HMODULE m_library;
    HINSTANCE m_previous;
};

// A test run with the German ("deu") and the English ("eng") library.
class LanguageTest : public ::testing::TestWithParam<const char*>
{
  protected:
    std::string String(UINT id) const { return m_language.String(id); }
    // "<name><language>" for a screenshot.
    std::string Shot(const std::string& name) const { return name + GetParam(); }

    LanguageUnderTest m_language{GetParam()};
};

#define KV_BOTH_LANGUAGES(suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(Languages, suite, ::testing::Values("deu", "eng"))

// Runs the dialog while the script drives its window (found by one of its controls).
INT_PTR RunDialog(CDialog& dialog, int control,
                  const std::function<void(const harness::Window&)>& script);

using Texts = std::vector<std::string>;
// The texts of a list box, combo box or list control column, row by row.
Texts Rows(const harness::Window& list, int column = 0);
// The colour a dialog gives one of its edit fields when asked (WM_CTLCOLOREDIT): the text
// background it sets, provided the brush it returns has that colour too; else CLR_INVALID.
COLORREF FieldBackground(const harness::Window& dialog, int field);
