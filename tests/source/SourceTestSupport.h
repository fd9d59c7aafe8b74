// Running the source selection sheet on generated projects with a real language library.
#pragma once

#include "source/CKVProperty.h"
#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/RegistrySandbox.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sourcetest
{

// The language library of the code ("deu", "eng") is the resource handle while it lives.
class Language
{
  public:
    explicit Language(const std::string& code);
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
    std::string String(UINT id) const;

  private:
    HMODULE m_library;
    HINSTANCE m_previous;
};

// A small sample building whose FEM slabs have four-digit, five-digit and negative numbers.
kvdata::Building SmallBuilding();

// The names of one project group's positions in plan file order, without the one named.
std::vector<std::string> NamesOf(const kvdata::Building& building, bool fem,
                                 const std::string& without = "");

// Each test: an empty settings key, a generated project registered as the suite's current
// one, and a sheet in the language it is given, made for the project's first foundation
// (the own position).
class SheetTest
{
  public:
    explicit SheetTest(const std::string& language, kvdata::Building building = SmallBuilding());

    // Runs the sheet while script drives its window; the sheet's result.
    INT_PTR Run(const std::function<void(harness::Window sheet)>& script);
    // The first position that satisfies the condition.
    const kvdata::Position& Find(const std::function<bool(const kvdata::Position&)>& is) const
    {
        return m_project->position(is);
    }
    const kvdata::Position& Named(const std::string& name) const;

    RegistrySandbox m_settings{kSettingsKeyPath};
    std::unique_ptr<GeneratedProject> m_project;
    Language m_language;
    std::unique_ptr<CKVProperty> m_sheet;
};

// The rows of a list box or combo box.
std::vector<std::string> Rows(const harness::Window& list);
// The row checks of a check list box.
std::vector<int> Checks(const harness::Window& list);
// The number of plan file copies ("pla*.tmp") in the temporary folder.
int PlanCopies();

} // namespace sourcetest
