#include "tests/source/SourceTestSupport.h"

#include "framework/ModuleState.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sourcetest
{

Language::Language(const std::string& code)
    : m_library(LoadLibraryA(("kesvar_" + code + ".dll").c_str())),
      m_previous(AfxGetResourceHandle())
{
    EXPECT_NE(nullptr, m_library) << code;
    AfxSetResourceHandle(m_library);
}

Language::~Language()
{
    AfxSetResourceHandle(m_previous);
    FreeLibrary(m_library);
}

std::string Language::String(UINT id) const
{
    char text[512] = {};
    LoadStringA(m_library, id, text, sizeof text);
    return text;
}

kvdata::Building SmallBuilding()
{
    kvdata::BuildingSize size;
    size.positions = 12;
    size.femPositions = 3;
    size.storeys = 2;
    kvdata::Building building = kvdata::makeBuilding(size);
    const int16_t femNumbers[] = {1234, 12345, -104};
    int slab = 0;
    for (kvdata::Position& position : building.positions)
        if (position.fem)
            position.femNumber = femNumbers[slab++];
    return building;
}

std::vector<std::string> NamesOf(const kvdata::Building& building, bool fem,
                                 const std::string& without)
{
    std::vector<const kvdata::Position*> group;
    for (const kvdata::Position& position : building.positions)
        if (position.fem == fem && position.name != without)
            group.push_back(&position);
    std::sort(group.begin(), group.end(),
              [](auto* a, auto* b) { return a->planIndex < b->planIndex; });
    std::vector<std::string> names;
    for (const kvdata::Position* position : group)
        names.push_back(position->name);
    return names;
}

SheetTest::SheetTest(const std::string& language, kvdata::Building building)
    : m_project(std::make_unique<GeneratedProject>(std::move(building))), m_language(language),
      m_sheet(std::make_unique<CKVProperty>())
{
    const kvdata::Position& own =
        Find([](const kvdata::Position& p) { return !p.fem && p.name.rfind("0.", 0) == 0; });
    m_sheet->m_strOwnPosition = own.name.c_str();
    m_sheet->m_strOwnPath = m_project->loadFile(own).c_str();
    m_sheet->m_nOwnCoordinateSystem = 1;
}

INT_PTR SheetTest::Run(const std::function<void(harness::Window sheet)>& script)
{
    return harness::RunScripted([&] { return m_sheet->DoModal(); },
                                [&] { script(harness::WaitForDialog(IDC_POSITION_LIST)); });
}

const kvdata::Position& SheetTest::Named(const std::string& name) const
{
    return Find([&](const kvdata::Position& p) { return p.name == name; });
}

std::vector<std::string> Rows(const harness::Window& list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(list.RowText(row));
    return rows;
}

std::vector<int> Checks(const harness::Window& list)
{
    std::vector<int> checks;
    for (int row = 0; row < list.RowCount(); ++row)
        checks.push_back(list.RowChecked(row));
    return checks;
}

int PlanCopies()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "pla*.tmp").c_str(), &found);
    int count = 0;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        ++count;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

} // namespace sourcetest
