// The project check of the load path on generated projects: stale transfers, the order of
// recalculation, cycles, damaged files; the library's calls and the data tool's report.
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

bool isPurlin(const kvdata::Position& p)
{
    return p.programCode == "01066";
}

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

// The first position that receives from the given one, or -1.
int receiverOf(const kvdata::Building& b, int source)
{
    for (std::size_t p = 0; p < b.positions.size(); ++p)
        for (const kvdata::Transfer& t : b.positions[p].incoming)
            if (t.source == source)
                return static_cast<int>(p);
    return -1;
}

// Every source comes before the positions it feeds.
void expectSourcesFirst(const GeneratedProject& project, const std::vector<std::string>& order)
{
    const kvdata::Building& b = project.building();
    for (const kvdata::Position& receiver : b.positions)
        for (const kvdata::Transfer& t : receiver.incoming) {
            const auto from =
                std::find(order.begin(), order.end(), project.loadFile(b.positions[t.source]));
            const auto to = std::find(order.begin(), order.end(), project.loadFile(receiver));
            if (from != order.end() && to != order.end()) {
                EXPECT_LT(from - order.begin(), to - order.begin()) << *from << " feeds " << *to;
            }
        }
}

// The library's calls hand out what the check found, and nothing after the release; the
// data tool says so too.
void expectCallsAndToolAgree(const loaddata::ProjectStaleness& expected, const std::string& folder)
{
    int transfers = 0, steps = 0, cycles = 0, number = 0, state = 0;
    ASSERT_EQ(CheckProjectStaleness(folder.c_str(), &transfers, &steps, &cycles), 0);
    ASSERT_EQ(transfers, static_cast<int>(expected.transfers.size()));
    EXPECT_EQ(steps, static_cast<int>(expected.order.size()));
    char receiver[260], source[260], file[260];
    double change = 0.0;
    for (int i = 0; i < transfers; ++i) {
        ASSERT_EQ(GetTransferStaleness(i, receiver, source, &number, &state, &change), 0);
        EXPECT_EQ(receiver, expected.transfers[i].receiver);
        EXPECT_EQ(state, static_cast<int>(expected.transfers[i].state));
    }
    ASSERT_EQ(GetRecalculationStep(0, file), 0);
    EXPECT_EQ(file, expected.order[0]);
    FreeProjectStaleness();
    EXPECT_EQ(GetRecalculationStep(0, file), 1) << "nothing kept after the release";
    const std::string run = "kvdata.exe check --stale \"" + folder + "\" --json >NUL 2>NUL";
    EXPECT_EQ(std::system(run.c_str()), 1);
}

TEST(Staleness, ChangedSourceMakesItsTransfersStaleAndOrdersEverythingBelow)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const std::string folder =
        project.folders().project.substr(0, project.folders().project.size() - 1);
    EXPECT_TRUE(checked(project).clean()) << "a generated project is current";
    const kvdata::Building& b = project.building();
    const int purlin = static_cast<int>(&project.position(isPurlin) - b.positions.data());
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
    expectSourcesFirst(project, result.order);
    expectCallsAndToolAgree(result, folder);

    changeReaction(source, 0, -1.5);
    EXPECT_TRUE(checked(project).clean()) << "the same value again is current";
}

TEST(Staleness, CycleIsNamedAndNothingInItIsOrdered)
{
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    const auto purlin = static_cast<int>(
        std::find_if(building.positions.begin(), building.positions.end(), isPurlin) -
        building.positions.begin());
    int fed = receiverOf(building, purlin);
    while (receiverOf(building, fed) >= 0)
        fed = receiverOf(building, fed); // down to a foundation
    kvdata::Transfer back;
    back.source = fed;
    back.number = 9;
    back.components = {{0, 0, 0}};
    back.assignments = {{0, 0}};
    building.positions[purlin].incoming.push_back(back);
    GeneratedProject project(std::move(building));
    ASSERT_TRUE(project.written());
    const std::string fedFile = project.loadFile(project.building().positions[fed]);
    changeReaction(fedFile, 0, 2.0);

    const loaddata::ProjectStaleness result = checked(project);
    ASSERT_EQ(result.cycles.size(), 1u);
    const std::vector<std::string>& cycle = result.cycles[0];
    EXPECT_NE(std::find(cycle.begin(), cycle.end(), fedFile), cycle.end());
    for (const std::string& member : cycle)
        EXPECT_EQ(std::find(result.order.begin(), result.order.end(), member), result.order.end());
    EXPECT_FALSE(result.blocked.empty());
}

TEST(Staleness, DamagedFilesAreNamedAndTheRestIsChecked)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const std::size_t before = checked(project).transfers.size();
    const kvdata::Position& receiver =
        project.position([](const kvdata::Position& p) { return p.incoming.size() > 1; });
    flipByte(project.transferFile(receiver), 20);

    const loaddata::ProjectStaleness result = checked(project);
    std::map<TransferState, int> states;
    for (const loaddata::TransferStatus& t : result.transfers)
        ++states[t.state];
    ASSERT_EQ(states[TransferState::TransfersDamaged], 1);
    EXPECT_EQ(states[TransferState::Current], static_cast<int>(before - receiver.incoming.size()))
        << "every other transfer is still checked";
    for (const loaddata::TransferStatus& t : result.transfers)
        if (t.state == TransferState::TransfersDamaged) {
            EXPECT_EQ(t.receiver, project.transferFile(receiver));
        }
}

} // namespace
