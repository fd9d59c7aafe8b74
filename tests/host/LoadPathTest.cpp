// The host as the design program of a load path: its statics; its main window, where a load
// changes and the project is checked and updated; a cyclic project; the host's pictures.
#include "HostFixture.h"

#include "host/HostActions.h"
#include "host/Installation.h"
#include "host/LoadPathCheck.h"
#include "host/ProjectUpdate.h"
#include "host/Statics.h"
#include "loaddata/PositionFile.h"
#include "resources/ResourceIds.h"

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
        // A system that does not fit its supports gives nothing.
        {StaticSystem::Column, {0, 3}, 3, {1.0, {}}, {}, 0},
    };
    for (const auto& c : cases) {
        const auto reactions = host::supportReactions(c.system, c.supports, c.length, c.loads);
        ASSERT_EQ(reactions.size(), c.vertical.size());
        for (std::size_t s = 0; s < reactions.size(); ++s)
            EXPECT_NEAR(reactions[s].vertical, c.vertical[s], 1e-12);
        EXPECT_NEAR(reactions.empty() ? 0.0 : reactions[0].moment, c.firstMoment, 1e-12);
    }
    // Horizontal components: a share of the vertical one, larger under wind.
    const host::SupportReaction r{10.0, 3.0};
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

// Each row of a list as its first columns' texts, joined by " | ".
std::vector<std::string> rows(const Window& list, int columns)
{
    std::vector<std::string> texts(list.RowCount());
    for (int r = 0; r < list.RowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            texts[r] += (c ? " | " : "") + list.RowText(r, c);
    return texts;
}

// One run of the main window, in German and then in English: the editor from the list,
// purlin 3.01's own load raised from 4 to 5 kN/m in its dialog and the
// purlin recalculated, the check window and "Update all". Takes the pictures.
TEST_F(HostFixture, AChangedRoofLoadRunsDownTheLoadPathToTheFoundationsScreenshots)
{
    const char* foundations[] = {"0.01 Fundament", "0.02 Fundament", "0.03 Fundament",
                                 "0.04 Fundament"};
    std::vector<double> before;
    for (const char* name : foundations)
        before.push_back(deadLoadFz(m_project, name));
    Run([&](Window main) {
        Window list = main.Control(IDC_POSITIONS);
        ASSERT_EQ(static_cast<int>(m_project.positions().size()), list.RowCount());
        ASSERT_EQ("3.01 Pfette", list.RowText(0, 0));
        EXPECT_EQ("nicht berechnet", list.RowText(6, 2));
        // Enter opens the editor on the selected position, modal; its OK is a change that
        // needs a recalculation.
        list.Key(VK_RETURN);
        Window window = harness::WaitForDialog(IDC_TRANSFER_LIST);
        EXPECT_FALSE(main.IsEnabled());
        EXPECT_EQ("3.01 Pfette", window.Control(IDC_OWN_POSITION).Text());
        window.Control(IDOK).Click();
        harness::WaitUntilGone(window);
        EXPECT_EQ("ge\344ndert", list.RowText(0, 2));
        for (const std::string language : {"deu", "eng"}) {
            main.Control(IDC_OWN_LOAD).Click();
            window = harness::WaitForDialog(IDC_LOAD_VALUE);
            EXPECT_EQ(language == "deu" ? "4" : "5", window.Control(IDC_LOAD_VALUE).Text());
            window.Control(IDC_LOAD_VALUE).Type("5");
            harness::Screenshot(window, "host-own-load-" + language);
            window.Control(IDOK).Click();
            harness::WaitUntilGone(window);
            main.Control(IDC_RECALCULATE).Click();
            main.Control(IDC_CHECK_PROJECT).Click();
            window = harness::WaitForDialog(IDC_CHECK_STALE);
            harness::Screenshot(window, "host-check-" + language);
            // 1 kN/m more over the purlin's 5.2 m: 2.6 kN more at each of its two supports.
            EXPECT_EQ(rows(window.Control(IDC_CHECK_STALE), 4),
                      (std::vector<std::string>{"2.01 Wand | 3.01 Pfette | V 1 | 2.6",
                                                "2.02 Unterzug | 3.01 Pfette | V 1 | 2.6"}));
            if (language == "eng")
                break; // the check window stays open
            EXPECT_EQ(rows(window.Control(IDC_CHECK_ORDER), 1),
                      (std::vector<std::string>{"1. 2.01 Wand", "2. 2.02 Unterzug", "3. 1.01 Wand",
                                                "4. 1.02 Unterzug", "5. 1.03 St\374tze",
                                                "6. 0.01 Fundament", "7. 0.02 Fundament",
                                                "8. 0.03 Fundament"}));
            window.Control(IDCANCEL).Click();
            harness::WaitUntilGone(window);
            // The host's language changes at once (the module's at its next call).
            main.Control(IDC_LANGUAGE).SelectRow(1);
            EXPECT_EQ("eng", host::currentLanguage());
            EXPECT_EQ("calculated", list.RowText(0, 2));
        }
        // Cancel, pressed while "Update all" runs, stops after the first position. The run
        // is sent, so it is over when the step returns.
        for (const bool cancel : {true, false}) {
            harness::OnUi([&] {
                if (cancel)
                    PostMessageA(window.Control(IDCANCEL).Handle(), BM_CLICK, 0, 0);
                SendMessageA(window.Control(IDC_CHECK_UPDATE).Handle(), BM_CLICK, 0, 0);
            });
            EXPECT_EQ(cancel ? "Cancelled after 1 positions; every file is complete."
                             : "All load transfers are current.",
                      window.Control(IDC_CHECK_SUMMARY).Text());
        }
        EXPECT_EQ(0, window.Control(IDC_CHECK_STALE).RowCount());
        EXPECT_FALSE(window.Control(IDC_CHECK_UPDATE).IsEnabled());
        window.Control(IDCANCEL).Click();
        harness::WaitUntilGone(window);
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

// The load files and their companion .016 files as they are on disk.
std::string bytesOf(const std::vector<std::string>& loadFiles)
{
    std::string bytes;
    for (const std::string& loadFile : loadFiles)
        for (const std::string& file :
             {loadFile, loadFile.substr(0, loadFile.size() - 3) + "016"}) {
            std::ifstream in(file, std::ios::binary);
            bytes.append(std::istreambuf_iterator<char>(in), {});
        }
    return bytes;
}

TEST_F(HostFixture, ACycleIsReportedAndNothingInItIsUpdated)
{
    // Foundation 0.01 now also feeds purlin 3.01, which feeds it through the walls.
    kvdata::Building building = m_generated.building();
    kvdata::Transfer back;
    for (std::size_t i = 0; i < building.positions.size(); ++i)
        if (building.positions[i].name == "0.01 Fundament")
            back.source = static_cast<int>(i);
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
    const std::string saved = bytesOf(check.cycles[0]);
    std::string failed, failure;
    host::updateInOrder(
        project, check.order, [](std::size_t) { return true; }, failed, failure);
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(saved == bytesOf(check.cycles[0])) << "a file of the cycle changed";
}

} // namespace
