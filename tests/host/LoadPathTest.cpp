// The host as the design program of a load path: its statics, an own load changed in its
// dialog, the recalculation, the project check window with "Update all" and Cancel, a
// cyclic project, and pictures of the new windows.
#include "HostFixture.h"

#include "host/DesignInput.h"
#include "host/HostActions.h"
#include "host/LoadPathCheck.h"
#include "host/ProjectUpdate.h"
#include "host/Statics.h"
#include "loaddata/PositionFile.h"

#include <fstream>
#include <iterator>

namespace
{

using harness::Window;
using host::StaticSystem;

TEST(HostStatics, ReactionsFollowTheSystem)
{
    const struct {
        StaticSystem system;
        std::vector<double> supports;
        double length;
        host::LoadCase loads;
        std::vector<double> vertical;
        double firstMoment;
    } cases[] = {
        // A single span under 2 kN/m over 6 m: half of 12 kN each, moment 0.1 x 6 x 6.
        {StaticSystem::Span, {0, 6}, 6, {2.0, {}}, {6, 6}, 3.6},
        // Two spans of 4 m; 10 kN at 1 m in the first: 7.5 and 2.5, none to the third.
        {StaticSystem::Span, {0, 4, 8}, 8, {0.0, {{1, 10}}}, {7.5, 2.5, 0}, 6.0},
        // An overhang of 2 m beyond a 4 m span lifts the far support.
        {StaticSystem::Span, {0, 4}, 4, {0.0, {{6, 8}}}, {-4, 12}, -1.6},
        // A cantilever of 3 m under 1 kN/m and 5 kN at its tip: moment 4.5 + 15.
        {StaticSystem::Cantilever, {0}, 3, {1.0, {{3, 5}}}, {8}, 19.5},
        // A column takes everything to its foot, wherever it stands.
        {StaticSystem::Column, {0}, 2.5, {4.0, {{7, 3}, {-2, 1}}}, {14}, 3.5},
        // Systems that do not fit their supports give nothing.
        {StaticSystem::Span, {0}, 3, {1.0, {}}, {}, 0},
        {StaticSystem::Column, {0, 3}, 3, {1.0, {}}, {}, 0},
    };
    for (const auto& c : cases) {
        const auto reactions = host::supportReactions(c.system, c.supports, c.length, c.loads);
        ASSERT_EQ(reactions.size(), c.vertical.size());
        for (std::size_t s = 0; s < reactions.size(); ++s)
            EXPECT_NEAR(reactions[s].vertical, c.vertical[s], 1e-12);
        if (!reactions.empty()) {
            EXPECT_NEAR(reactions[0].moment, c.firstMoment, 1e-12);
        }
    }
    const host::SupportReaction r{10.0, 3.0};
    EXPECT_EQ(host::componentValue("Fz", "G Eigengewicht", r), 10.0);
    EXPECT_EQ(host::componentValue("My", "G Eigengewicht", r), 3.0);
    EXPECT_DOUBLE_EQ(host::componentValue("Hx", "G Eigengewicht", r), 0.2);
    EXPECT_DOUBLE_EQ(host::componentValue("Fx", "W Wind", r), 2.5);
    // A trapezoid 0 to 6 kN/m over 3 m, placed from x = 1: 9 kN at 1 + 2.
    const double placement[3][3] = {{1, 0, 0}, {2, 0, 0}, {1, 1, 0}};
    TrapezoidPiece piece{};
    piece.q2 = 6.0;
    piece.x2 = 3.0;
    const host::PointForce f = host::transferredForce(0.0, true, {piece}, 0.5, placement);
    EXPECT_DOUBLE_EQ(f.force, 4.5);
    EXPECT_DOUBLE_EQ(f.x, 3.0);
}

// The vertical reaction (Fz) of a position's first support under the dead load.
double deadLoadFz(const host::HostProject& project, const char* name)
{
    loaddata::PositionLoadData data;
    EXPECT_EQ(loaddata::readPositionFile(project.positions()[project.find(name)].loadFile, data),
              loaddata::FormatError::None);
    return data.reaction(0, 0).components[0].value;
}

std::vector<std::string> rows(const Window& list, int column)
{
    std::vector<std::string> texts;
    for (int r = 0; r < list.RowCount(); ++r)
        texts.push_back(list.RowText(r, column));
    return texts;
}

TEST_F(HostWindowTest, AChangedRoofLoadRunsDownTheLoadPathToTheFoundations)
{
    const char* foundations[] = {"0.01 Fundament", "0.02 Fundament", "0.03 Fundament",
                                 "0.04 Fundament"};
    std::vector<double> before;
    for (const char* name : foundations)
        before.push_back(deadLoadFz(m_project, name));
    Run([&](Window main) {
        ASSERT_EQ("3.01 Pfette", main.Control(IDC_POSITIONS).RowText(0, 0));
        main.Control(IDC_OWN_LOAD).Click();
        Window load = harness::WaitForDialog(IDC_LOAD_VALUE);
        EXPECT_EQ("4", load.Control(IDC_LOAD_VALUE).Text()) << "G, 4 kN/m";
        load.Control(IDC_LOAD_VALUE).Type("5");
        load.Control(IDOK).Click();
        harness::WaitUntilGone(load);
        main.Control(IDC_RECALCULATE).Click();
        main.Control(IDC_CHECK_PROJECT).Click();
        Window check = harness::WaitForDialog(IDC_CHECK_STALE);
        Window stale = check.Control(IDC_CHECK_STALE);
        EXPECT_EQ(rows(stale, 0), (std::vector<std::string>{"2.01 Wand", "2.02 Unterzug"}));
        EXPECT_EQ(rows(stale, 1), (std::vector<std::string>{"3.01 Pfette", "3.01 Pfette"}));
        EXPECT_EQ(rows(stale, 2), (std::vector<std::string>{"V 1", "V 1"}));
        // 1 kN/m more over the purlin's 5.2 m: 2.6 kN more at each of its two supports.
        EXPECT_EQ(rows(stale, 3), (std::vector<std::string>{"2.6", "2.6"}));
        const std::vector<std::string> order = {
            "1. 2.01 Wand",      "2. 2.02 Unterzug",  "3. 1.01 Wand",      "4. 1.02 Unterzug",
            "5. 1.03 St\374tze", "6. 0.01 Fundament", "7. 0.02 Fundament", "8. 0.03 Fundament"};
        EXPECT_EQ(rows(check.Control(IDC_CHECK_ORDER), 0), order);

        // Cancel, pressed while "Update all" runs, stops after the first position. The
        // run is sent, so it is over when the step returns.
        const auto updateAll = [&](bool cancel) {
            harness::OnUi([&] {
                if (cancel)
                    PostMessageA(check.Control(IDCANCEL).Handle(), BM_CLICK, 0, 0);
                SendMessageA(check.Control(IDC_CHECK_UPDATE).Handle(), BM_CLICK, 0, 0);
            });
        };
        updateAll(true);
        EXPECT_EQ("Abgebrochen nach 1 Positionen; alle Dateien sind vollst\344ndig.",
                  check.Control(IDC_CHECK_SUMMARY).Text());
        EXPECT_EQ(rows(stale, 0), (std::vector<std::string>{"2.02 Unterzug", "1.01 Wand"}));
        EXPECT_TRUE(check.Exists());

        updateAll(false);
        EXPECT_EQ("Alle Last\374bernahmen sind aktuell.", check.Control(IDC_CHECK_SUMMARY).Text());
        EXPECT_EQ(0, stale.RowCount());
        EXPECT_EQ(0, check.Control(IDC_CHECK_ORDER).RowCount());
        EXPECT_FALSE(check.Control(IDC_CHECK_UPDATE).IsEnabled());
        check.Control(IDCANCEL).Click();
        harness::WaitUntilGone(check);
    });
    // By hand: support A of the purlin stands on wall 2.01, which stands on wall 1.01 and
    // that on foundation 0.01. Support B stands on beam 2.02 at its support A (x = 0), so
    // all of it goes there, then onto beam 1.02 at its support A, then to foundation 0.02.
    // Nothing reaches 0.03 and 0.04; the two together carry the whole 1 kN/m x 5.2 m.
    const double expected[] = {2.6, 2.6, 0.0, 0.0};
    for (std::size_t f = 0; f < 4; ++f)
        EXPECT_NEAR(deadLoadFz(m_project, foundations[f]) - before[f], expected[f], 1e-9)
            << foundations[f];
}

std::string bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(HostFixture, ACycleIsReportedAndNothingInItIsUpdated)
{
    // Foundation 0.01 now also feeds purlin 3.01, which feeds it through the walls.
    kvdata::Building building = m_generated.building();
    const auto foundation =
        static_cast<int>(std::find_if(building.positions.begin(), building.positions.end(),
                                      [](const auto& p) { return p.name == "0.01 Fundament"; }) -
                         building.positions.begin());
    kvdata::Transfer back;
    back.source = foundation;
    back.number = 9;
    back.components = {{0, 0, 0}};
    back.assignments = {{0, 0}};
    for (kvdata::Position& p : building.positions)
        if (p.name == "3.01 Pfette")
            p.incoming.push_back(back);
    GeneratedProject cyclic(std::move(building));
    ASSERT_TRUE(cyclic.written());
    host::HostProject project;
    std::string error;
    ASSERT_TRUE(project.open(cyclic.folders().project, cyclic.folders().programRoot, error));
    ASSERT_TRUE(host::recalculate(project, project.find("3.01 Pfette"), error)) << error;

    host::LoadPathCheck check;
    ASSERT_EQ(host::checkLoadPath(project.directory(), check), 0);
    ASSERT_EQ(check.cycles.size(), 1u);
    std::vector<std::string> saved;
    for (const std::string& file : check.cycles[0])
        saved.push_back(bytesOf(file) + bytesOf(file.substr(0, file.size() - 3) + "016"));
    std::string failed, failure;
    host::updateInOrder(
        project, check.order, [](std::size_t) { return true; }, failed, failure);
    EXPECT_EQ(failure, "");
    for (std::size_t k = 0; k < saved.size(); ++k) {
        const std::string& file = check.cycles[0][k];
        EXPECT_EQ(saved[k], bytesOf(file) + bytesOf(file.substr(0, file.size() - 3) + "016"))
            << file;
    }
}

TEST_F(HostWindowTest, LoadPathScreenshots)
{
    host::DesignInput input;
    ASSERT_TRUE(host::readDesignInput(m_project.positions()[0].loadFile, input));
    input.ownLoads[0] += 1.0;
    ASSERT_TRUE(host::writeDesignInput(m_project.positions()[0].loadFile, input));
    std::string error;
    ASSERT_TRUE(host::recalculate(m_project, 0, error)) << error;
    for (const char* language : {"deu", "eng"}) {
        m_sandbox.SetString(settings::kLanguage, language);
        Run([&](Window main) {
            main.Control(IDC_OWN_LOAD).Click();
            Window load = harness::WaitForDialog(IDC_LOAD_VALUE);
            harness::Screenshot(load, std::string("host-own-load-") + language);
            load.Control(IDCANCEL).Click();
            harness::WaitUntilGone(load);
            main.Control(IDC_CHECK_PROJECT).Click();
            Window check = harness::WaitForDialog(IDC_CHECK_STALE);
            EXPECT_EQ(2, check.Control(IDC_CHECK_STALE).RowCount());
            harness::Screenshot(check, std::string("host-check-") + language);
            check.Control(IDCANCEL).Click();
            harness::WaitUntilGone(check);
        });
    }
}

} // namespace
