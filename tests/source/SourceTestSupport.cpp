#include "tests/source/SourceTestSupport.h"

namespace
{
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
} // namespace

sourcetest::SheetTest::SheetTest(const std::string& language)
    : m_project(std::make_unique<GeneratedProject>(SmallBuilding())), m_language(language),
      m_sheet(std::make_unique<CKVProperty>())
{
    const kvdata::Position& own =
        Find([](const kvdata::Position& p) { return !p.fem && p.name.rfind("0.", 0) == 0; });
    m_sheet->m_strOwnPosition = own.name.c_str();
    m_sheet->m_strOwnPath = m_project->loadFile(own).c_str();
    m_sheet->m_nOwnCoordinateSystem = 1;
}
