// The project check of the load path on generated projects: stale transfers, damaged files;
// the library's calls and the data tool's commands. The order of recalculation and cycles on
// a project: the load path window's tests (tests/host).
#include "GeneratedProject.h"

#include "loaddata/PositionFile.h"
#include "loaddata/ProjectStaleness.h"
#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace
{

using loaddata::TransferState;

// Adds to one reaction component of a position's load file, as a recalculation would.
void changeReaction(const std::string& loadFile, std::size_t support, double by)
{
    loaddata::PositionLoadData data;
    ASSERT_EQ(loaddata::readPositionFile(loadFile, data), loaddata::FormatError::None);
    data.reaction(support, 0).components[0].value += by;
    ASSERT_EQ(loaddata::writePositionFile(loadFile, data), loaddata::FormatError::None);
}

loaddata::ProjectStaleness checked(const GeneratedProject& project)
{
    loaddata::ProjectStaleness result;
    loaddata::FormatError planError;
    EXPECT_TRUE(loaddata::checkProjectStaleness(project.folders().project, result, planError));
    return result;
}

int run(const std::string& arguments)
{
    return std::system(("kvdata.exe " + arguments + " >NUL 2>NUL").c_str());
}

TEST(Staleness, ChangedSourceMakesItsTransfersStaleAndDamagedFilesAreNamed)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const std::string folder =
        project.folders().project.substr(0, project.folders().project.size() - 1);
    EXPECT_TRUE(checked(project).clean()) << "a generated project is current";
    EXPECT_EQ(run("check \"" + folder + "\""), 0);
    EXPECT_EQ(run("generate \"" + project.folders().root + "g\" --positions 30 --fem 2"), 0);
    const kvdata::Building& b = project.building();
    const int purlin = static_cast<int>(&project.position([](const kvdata::Position& p) {
        return p.programCode == "01066";
    }) - b.positions.data());
    const std::string source = project.loadFile(b.positions[purlin]);
    changeReaction(source, 0, 1.5);

    const loaddata::ProjectStaleness result = checked(project);
    std::size_t stale = 0;
    for (const loaddata::TransferStatus& t : result.transfers)
        if (loaddata::isStale(t.state)) {
            ++stale;
            EXPECT_EQ(t.source, source);
            EXPECT_NEAR(t.largestChange, 1.5, 1e-9);
            EXPECT_NE(std::find(result.order.begin(), result.order.end(), t.receiver),
                      result.order.end())
                << t.receiver << " is recalculated";
        }
    std::size_t direct = 0;
    for (const kvdata::Position& p : b.positions)
        for (const kvdata::Transfer& t : p.incoming)
            direct += t.source == purlin && t.support == 0;
    EXPECT_EQ(stale, direct) << "exactly the transfers of the changed support";
    // The library's calls count what the check found (the load path window shows it) and
    // keep nothing after the release; the data tool says so too.
    int transfers = 0, steps = 0, cycles = 0;
    ASSERT_EQ(CheckProjectStaleness(folder.c_str(), &transfers, &steps, &cycles), 0);
    EXPECT_EQ(transfers, static_cast<int>(result.transfers.size()));
    EXPECT_EQ(steps, static_cast<int>(result.order.size()));
    char file[260];
    FreeProjectStaleness();
    EXPECT_EQ(GetRecalculationStep(0, file), 1) << "nothing kept after the release";
    EXPECT_EQ(run("check --stale \"" + folder + "\" --json"), 1);

    changeReaction(source, 0, -1.5);
    EXPECT_TRUE(checked(project).clean()) << "the same value again is current";

    // A damaged transfer file is named and every other transfer still checked.
    const std::size_t before = result.transfers.size();
    const kvdata::Position& receiver =
        project.position([](const kvdata::Position& p) { return p.incoming.size() > 1; });
    flipByte(project.transferFile(receiver), 20);

    const loaddata::ProjectStaleness damaged = checked(project);
    std::map<TransferState, int> states;
    for (const loaddata::TransferStatus& t : damaged.transfers)
        ++states[t.state];
    ASSERT_EQ(states[TransferState::TransfersDamaged], 1);
    EXPECT_EQ(states[TransferState::Current], static_cast<int>(before - receiver.incoming.size()))
        << "every other transfer is still checked";
    for (const loaddata::TransferStatus& t : damaged.transfers)
        if (t.state == TransferState::TransfersDamaged) {
            EXPECT_EQ(t.receiver, project.transferFile(receiver));
        }
}

} // namespace
