// The project the host opens: positions, design programs and states from the plan file,
// load files found as the suite finds them, the states a calculation and a change of
// transfers leave in the plan file, and where the project is found.
#include "HostFixture.h"

#include "host/ProjectLocation.h"
#include "loaddata/SuiteEnvironment.h"

#include <sstream>

namespace
{

host::PositionState expectedState(const kvdata::Position& p)
{
    if (p.changes > 0)
        return host::PositionState::Changed;
    return p.calculated ? host::PositionState::Calculated : host::PositionState::NotCalculated;
}

std::string programName(const kvdata::Building& building, const std::string& code)
{
    for (const kvdata::Program& program : building.programs)
        if (program.number == std::atoi(code.c_str() + 2))
            return program.name;
    return "";
}

TEST_F(HostFixture, ListsEveryPositionOfThePlanFileWithProgramStateAndLoadFile)
{
    // A position without load file is listed without load data.
    ASSERT_TRUE(DeleteFileA(m_project.positions()[1].loadFile.c_str()));
    std::string error;
    ASSERT_TRUE(m_project.open(m_project.directory(), m_generated.folders().programRoot, error));
    const auto listed = listedPositions();
    const auto& positions = m_project.positions();
    ASSERT_EQ(listed.size(), positions.size());
    EXPECT_EQ(m_generated.building().projectName, m_project.name());
    bool seen[3] = {};
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const kvdata::Position& p = *listed[i];
        EXPECT_EQ(p.name, positions[i].name);
        EXPECT_EQ(programName(m_generated.building(), p.programCode), positions[i].program);
        EXPECT_EQ(m_generated.folders().project + p.loadFileName(), positions[i].loadFile);
        EXPECT_EQ(p.loadFileName().substr(0, 7), positions[i].baseName());
        if (i == 1)
            continue;
        EXPECT_EQ(expectedState(p), positions[i].state) << p.name;
        seen[static_cast<int>(positions[i].state)] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]) << "the sample has every state";
    EXPECT_EQ(host::PositionState::NoLoadData, positions[1].state);
}

TEST_F(HostFixture, FindsAPositionByNameWithoutRegardToCaseOrByEitherOfItsFiles)
{
    const host::HostPosition& third = m_project.positions()[2];
    std::string lowerName = third.name;
    for (char& c : lowerName)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(2, m_project.find(lowerName));
    EXPECT_EQ(2, m_project.find(third.loadFile));
    EXPECT_EQ(2, m_project.find(third.loadFile.substr(0, third.loadFile.size() - 3) + "016"));
    EXPECT_EQ(-1, m_project.find("Pos 999"));
    EXPECT_EQ(-1, m_project.find(""));
}

TEST_F(HostFixture, CalculationAndChangedTransfersAreRecordedInThePlanFile)
{
    std::size_t open = 0;
    while (m_project.positions()[open].state != host::PositionState::NotCalculated)
        ++open;
    std::string error;
    ASSERT_TRUE(m_project.markChanged(open, error)) << error;
    EXPECT_EQ(host::PositionState::Changed, m_project.positions()[open].state);
    ASSERT_TRUE(m_project.markCalculated(open, error)) << error;
    host::HostProject reopened;
    ASSERT_TRUE(reopened.open(m_project.directory(), m_generated.folders().programRoot, error));
    EXPECT_EQ(host::PositionState::Calculated, reopened.positions()[open].state);
    EXPECT_FALSE(m_project.markCalculated(m_project.positions().size(), error));
}

TEST_F(HostFixture, TheSuitesCurrentProjectANamedFolderAndTheSampleAreFound)
{
    std::ostringstream report;
    std::string folder, error;
    ASSERT_TRUE(host::locateProject({}, folder, report, error)) << error;
    EXPECT_EQ(m_generated.folders().project, folder);
    ASSERT_TRUE(host::locateProject(
        {host::ProjectChoice::Kind::Folder, m_generated.folders().project}, folder, report, error));
    EXPECT_EQ(m_generated.folders().project, folder);
    // A folder without plan file is no project.
    EXPECT_FALSE(host::locateProject(
        {host::ProjectChoice::Kind::Folder, m_generated.folders().root}, folder, report, error));
    host::HostProject none;
    EXPECT_FALSE(none.open(m_generated.folders().root, m_generated.folders().programRoot, error));
    EXPECT_NE(std::string::npos, error.find("plann")) << error;

    // The sample is generated once, then found, and is the suite's current project.
    const std::string root = m_generated.folders().root + "sample";
    for (const char* expected : {"sample project generated in ", "sample project "}) {
        report.str("");
        ASSERT_TRUE(
            host::locateProject({host::ProjectChoice::Kind::Sample, root}, folder, report, error))
            << error;
        EXPECT_EQ(expected + root + "\n", report.str());
        EXPECT_EQ(root + "\\projekt\\", folder);
        EXPECT_EQ(folder, loaddata::currentProjectDirectory());
    }
}

} // namespace
