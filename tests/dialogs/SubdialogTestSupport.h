// What the sub-dialog tests share: the language library under test as the resource source,
// a sandboxed settings key, and a small source item.
#pragma once

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "settings/SettingsKey.h"
#include "tests/harness/Harness.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Runs each test with the German ("deu") and the English ("eng") language library.
class SubdialogTest : public ::testing::TestWithParam<const char*>
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // String resource id of the library under test.
    std::string String(UINT id) const;
    // "<name>-<language>" for a screenshot.
    std::string ShotName(const char* name) const;

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    KVSettingsKey m_settings;
    HINSTANCE m_hLanguage = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

// Supports "A" and "B", each with loads "G" and "Q"; each block's components are named by
// it ("AGx", "AGz"), so a list shows which block it lists. Factor 1, idealisation 0.
std::unique_ptr<KVItem> MakeItem(int32_t coordinateSystem = 1);
KVComponent& ComponentOf(const KVItem& item, int s, int l, int c);
// Every component of the item, support by support, load by load.
std::vector<KVComponent*> Components(const KVItem& item);
// The rows of a list or combo box.
std::vector<std::string> Rows(const harness::Window& list);

// Each test instantiates its suite with both languages.
#define KV_BOTH_LANGUAGES(suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(Languages, suite, ::testing::Values("deu", "eng"))
