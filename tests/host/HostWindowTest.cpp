// The host's main window through real messages: the positions listed, the editor opened
// for the selected one and closed again, a recalculation, and the language switch.
#include "HostFixture.h"

#include "host/CHostWindow.h"
#include "host/HostResources.h"
#include "host/Installation.h"
#include "resources/ResourceIds.h"
#include "tests/harness/Harness.h"

namespace
{

using harness::Window;

TEST_F(HostWindowTest, ListsThePositionsWithProgramAndStateAndSaysHowMany)
{
    Run([&](Window main) {
        Window list = main.Control(IDC_POSITIONS);
        const auto& positions = m_project.positions();
        ASSERT_EQ(static_cast<int>(positions.size()), list.RowCount());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(positions[i].name, list.RowText(static_cast<int>(i), 0));
            EXPECT_EQ(positions[i].program, list.RowText(static_cast<int>(i), 1));
        }
        EXPECT_EQ("berechnet", list.RowText(0, 2));
        EXPECT_EQ("nicht berechnet", list.RowText(6, 2));
        EXPECT_EQ(0, list.Selection());
        EXPECT_EQ(std::to_string(positions.size()) + " Positionen im Projekt " + m_project.name() +
                      ".",
                  main.Control(IDC_STATUS).Text());
        EXPECT_EQ("Positionen \x96 " + m_project.name(), main.Text());
    });
}

TEST_F(HostWindowTest, TheEditorOpensForTheSelectedPositionByButtonOrEnterAndCancelComesBack)
{
    // A position that takes loads from others.
    const std::vector<const kvdata::Position*> listed = listedPositions();
    const auto fed = std::find_if(listed.begin(), listed.end(),
                                  [](const kvdata::Position* p) { return !p->incoming.empty(); });
    ASSERT_NE(listed.end(), fed);
    const int row = static_cast<int>(fed - listed.begin());
    const std::string name = m_project.positions()[static_cast<size_t>(row)].name;
    Run([&](Window main) {
        main.Control(IDC_POSITIONS).SelectRow(row);
        main.Control(IDC_EDIT_TRANSFERS).Click();
        Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
        EXPECT_FALSE(main.IsEnabled()) << "the editor is modal over the main window";
        // The full editor on the selected position, with its stored transfers.
        EXPECT_EQ(name, editor.Control(IDC_OWN_POSITION).Text());
        EXPECT_EQ(static_cast<int>((*fed)->incoming.size()),
                  editor.Control(IDC_TRANSFER_LIST).RowCount());
        editor.Control(IDCANCEL).Click();
        harness::WaitUntilGone(editor);
        EXPECT_TRUE(main.IsEnabled());
        EXPECT_EQ("Last\xfc"
                  "bernahmen von " +
                      name +
                      " nicht ge\xe4"
                      "ndert.",
                  main.Control(IDC_STATUS).Text());

        // Enter on the list opens it too, and does not close the program.
        main.Control(IDC_POSITIONS).Key(VK_RETURN);
        Window again = harness::WaitForDialog(IDC_TRANSFER_LIST);
        again.Control(IDCANCEL).Click();
        harness::WaitUntilGone(again);
        EXPECT_TRUE(main.IsVisible());
    });
}

TEST_F(HostWindowTest, OkInTheEditorCountsAChangeThatNeedsARecalculation)
{
    const std::string name = m_project.positions()[0].name;
    ASSERT_EQ(host::PositionState::Calculated, m_project.positions()[0].state);
    Run([&](Window main) {
        main.Control(IDC_EDIT_TRANSFERS).Click();
        Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
        editor.Control(IDOK).Click();
        harness::WaitUntilGone(editor);
        EXPECT_EQ("Last\xfc"
                  "bernahmen von " +
                      name + " gespeichert: die Position ist neu zu berechnen.",
                  main.Control(IDC_STATUS).Text());
        EXPECT_EQ("ge\xe4"
                  "ndert",
                  main.Control(IDC_POSITIONS).RowText(0, 2));
    });
    EXPECT_EQ(host::PositionState::Changed, m_project.positions()[0].state);
}

TEST_F(HostWindowTest, RecalculateMarksThePositionCalculated)
{
    const std::string name = m_project.positions()[6].name;
    Run([&](Window main) {
        Window list = main.Control(IDC_POSITIONS);
        list.SelectRow(6);
        main.Control(IDC_RECALCULATE).Click();
        EXPECT_EQ(name + " neu berechnet.", main.Control(IDC_STATUS).Text());
        EXPECT_EQ("berechnet", list.RowText(6, 2));
    });
    EXPECT_EQ(host::PositionState::Calculated, m_project.positions()[6].state);
}

TEST_F(HostWindowTest, TheLanguageSwitchChangesTheHostAtOnceAndTheModuleAtItsNextCall)
{
    Run([&](Window main) {
        main.Control(IDC_LANGUAGE).SelectRow(1);
        EXPECT_EQ("eng", host::currentLanguage());
        EXPECT_EQ("&Load transfers...", main.Control(IDC_EDIT_TRANSFERS).Text());
        EXPECT_EQ("calculated", main.Control(IDC_POSITIONS).RowText(0, 2));
        EXPECT_EQ("Language English: takes effect at the next call of the load transfer module.",
                  main.Control(IDC_STATUS).Text());
        // The module's next call: the editor in English, then in German again.
        for (const char* cancel : {"Cancel", "Abbrechen"}) {
            main.Control(IDC_EDIT_TRANSFERS).Click();
            Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
            EXPECT_EQ(cancel, editor.Control(IDCANCEL).Text());
            editor.Control(IDCANCEL).Click();
            harness::WaitUntilGone(editor);
            main.Control(IDC_LANGUAGE).SelectRow(0);
        }
        EXPECT_EQ("deu", host::currentLanguage());
        EXPECT_EQ("berechnet", main.Control(IDC_POSITIONS).RowText(0, 2));
    });
}

} // namespace
