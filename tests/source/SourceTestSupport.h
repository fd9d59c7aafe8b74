// Running the source selection sheet on a generated project with a real language library.
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

using Is = std::function<bool(const kvdata::Position&)>;

// An empty settings key, a small generated project (its FEM slabs with four-digit,
// five-digit and negative numbers) registered as the suite's current one, and a sheet in
// the given language made for the project's first foundation (the own position).
struct SheetTest {
    static kvdata::Building SmallBuilding()
    {
        kvdata::BuildingSize size;
        size.positions = 12, size.femPositions = 3, size.storeys = 2;
        kvdata::Building building = kvdata::makeBuilding(size);
        const int16_t femNumbers[] = {1234, 12345, -104};
        int slab = 0;
        for (kvdata::Position& position : building.positions)
            if (position.fem)
                position.femNumber = femNumbers[slab++];
        return building;
    }
    explicit SheetTest(const std::string& language) : m_language(language)
    {
        const kvdata::Position& own =
            Find([](auto& p) { return !p.fem && !p.name.rfind("0.", 0); });
        m_sheet->m_strOwnPosition = own.name.c_str();
        m_sheet->m_strOwnPath = m_project->loadFile(own).c_str();
        m_sheet->m_nOwnCoordinateSystem = 1;
    }
    // Runs the sheet while script drives its window; the sheet's result.
    INT_PTR Run(const std::function<void(harness::Window sheet)>& script)
    {
        return harness::RunScripted([&] { return m_sheet->DoModal(); },
                                    [&] { script(harness::WaitForDialog(IDC_POSITION_LIST)); });
    }
    // The first position that satisfies the condition; Remember stores it as chosen last.
    const kvdata::Position& Find(const Is& is) const { return m_project->position(is); }
    const kvdata::Position& Remember(const Is& is)
    {
        m_settings.SetString(settings::kCurPosition, Find(is).name.c_str());
        return Find(is);
    }

    RegistrySandbox m_settings{kSettingsKeyPath};
    std::unique_ptr<GeneratedProject> m_project =
        std::make_unique<GeneratedProject>(SmallBuilding());
    LanguageUnderTest m_language;
    std::unique_ptr<CKVProperty> m_sheet = std::make_unique<CKVProperty>();
};
