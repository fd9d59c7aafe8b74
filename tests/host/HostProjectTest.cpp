// The project the host opens: its positions, states and load files from the plan file, found
// by name or by either file, the states written back, and where the project is found.
#include "HostFixture.h"

#include "host/ProjectLocation.h"

#include <sstream>

namespace
{

using host::PositionState;

std::string programName(const kvdata::Building& building, const std::string& code)
{
    for (const kvdata::Program& program : building.programs)
        if (program.number == std::atoi(code.c_str() + 2))
            return program.name;
    return "";
}

TEST_F(HostFixture, ListsFindsAndRecordsThePositionsOfTheCurrentProject)
{
    // A position without load file is listed without load data.
    ASSERT_TRUE(DeleteFileA(m_project.positions()[1].loadFile.c_str()));
    std::string error;
    ASSERT_TRUE(m_project.open(m_project.directory(), m_generated.folders().programRoot, error));
    const auto listed = listedPositions();
    const auto& positions = m_project.positions();
    ASSERT_EQ(listed.size(), positions.size());
    EXPECT_EQ(m_generated.building().projectName, m_project.name());
    bool seen[4] = {};
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const kvdata::Position& p = *listed[i];
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.name, positions[i].name);
        EXPECT_EQ(programName(m_generated.building(), p.programCode), positions[i].program);
        EXPECT_EQ(m_generated.folders().project + p.loadFileName(), positions[i].loadFile);
        const PositionState state = i == 1          ? PositionState::NoLoadData
                                    : p.changes > 0 ? PositionState::Changed
                                    : p.calculated  ? PositionState::Calculated
                                                    : PositionState::NotCalculated;
        EXPECT_EQ(state, positions[i].state);
        seen[static_cast<int>(state)] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2] && seen[3]) << "the sample has every state";

    // Found by its name without regard to case, or by either of its files.
    const std::string& file = positions[2].loadFile;
    std::string lowerName = positions[2].name;
    std::transform(lowerName.begin(), lowerName.end(), lowerName.begin(), ::tolower);
    for (const std::string& key : {lowerName, file, file.substr(0, file.size() - 3) + "016"})
        EXPECT_EQ(2, m_project.find(key)) << key;
    EXPECT_EQ(-1, m_project.find("Pos 999"));

    ASSERT_TRUE(m_project.markChanged(6, error)) << error;
    EXPECT_EQ(PositionState::Changed, positions[6].state);
    ASSERT_TRUE(m_project.markCalculated(6, error)) << error;
    host::HostProject reopened;
    ASSERT_TRUE(reopened.open(m_project.directory(), m_generated.folders().programRoot, error));
    EXPECT_EQ(PositionState::Calculated, reopened.positions()[6].state);

    // Without a choice the host opens the suite's current project.
    std::ostringstream report;
    std::string folder;
    ASSERT_TRUE(host::locateProject({}, folder, report, error)) << error;
    EXPECT_EQ(m_generated.folders().project, folder);
}

} // namespace
