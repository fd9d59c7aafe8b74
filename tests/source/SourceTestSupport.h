// Running the source selection sheet on generated projects with a real language library.
#pragma once

#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "source/CKVProperty.h"
#include "tests/dialogs/LanguageTest.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/RegistrySandbox.h"

#include <functional>
#include <memory>
#include <string>

namespace sourcetest
{

using Is = std::function<bool(const kvdata::Position&)>;

// An empty settings key, a generated small project (its FEM slabs with four-digit,
// five-digit and negative numbers) registered as the suite's current one, and a sheet in
// the given language, made for the project's first foundation (the own position).
class SheetTest
{
  public:
    explicit SheetTest(const std::string& language);

    // Runs the sheet while script drives its window; the sheet's result.
    INT_PTR Run(const std::function<void(harness::Window sheet)>& script)
    {
        return harness::RunScripted([&] { return m_sheet->DoModal(); },
                                    [&] { script(harness::WaitForDialog(IDC_POSITION_LIST)); });
    }
    // The first position that satisfies the condition.
    const kvdata::Position& Find(const Is& is) const { return m_project->position(is); }
    const kvdata::Position& Named(const std::string& name) const
    {
        return Find([&](const kvdata::Position& p) { return p.name == name; });
    }
    // The first such position, stored as the one chosen last.
    const kvdata::Position& Remember(const Is& is)
    {
        const kvdata::Position& position = Find(is);
        m_settings.SetString(settings::kCurPosition, position.name.c_str());
        return position;
    }

    RegistrySandbox m_settings{kSettingsKeyPath};
    std::unique_ptr<GeneratedProject> m_project;
    LanguageUnderTest m_language;
    std::unique_ptr<CKVProperty> m_sheet;
};

} // namespace sourcetest
