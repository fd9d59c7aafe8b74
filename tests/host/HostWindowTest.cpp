// The host's main window through real messages: the positions listed, a recalculation, the
// editor opened for the selected one and closed again, the language switch, and the
// module's transferred-load page on its own and in the host's sheet.
#include "HostFixture.h"

#include "host/Installation.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

namespace
{

using harness::Window;

TEST_F(HostWindowTest, ListsThePositionsRecalculatesAndOpensTheEditorForTheSelectedOne)
{
    const auto& positions = m_project.positions();
    // A position that takes loads from others.
    const std::vector<const kvdata::Position*> listed = listedPositions();
    const auto fed = std::find_if(listed.begin(), listed.end(),
                                  [](const kvdata::Position* p) { return !p->incoming.empty(); });
    ASSERT_NE(listed.end(), fed);
    const int row = static_cast<int>(fed - listed.begin());
    Run([&](Window main) {
        Window list = main.Control(IDC_POSITIONS);
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
        EXPECT_EQ("Positionen \226 " + m_project.name(), main.Text());

        list.SelectRow(6);
        main.Control(IDC_RECALCULATE).Click();
        EXPECT_EQ(positions[6].name + " neu berechnet.", main.Control(IDC_STATUS).Text());
        EXPECT_EQ("berechnet", list.RowText(6, 2));

        // The full editor on the selected position, modal; Cancel changes nothing.
        list.SelectRow(row);
        main.Control(IDC_EDIT_TRANSFERS).Click();
        Window editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
        EXPECT_FALSE(main.IsEnabled());
        EXPECT_EQ((*fed)->name, editor.Control(IDC_OWN_POSITION).Text());
        EXPECT_EQ(static_cast<int>((*fed)->incoming.size()),
                  editor.Control(IDC_TRANSFER_LIST).RowCount());
        editor.Control(IDCANCEL).Click();
        harness::WaitUntilGone(editor);
        EXPECT_TRUE(main.IsEnabled());
        EXPECT_EQ("Last\374bernahmen von " + (*fed)->name + " nicht ge\344ndert.",
                  main.Control(IDC_STATUS).Text());
        // Enter on the list opens it too; OK there is a change that needs a recalculation.
        list.SelectRow(0);
        list.Key(VK_RETURN);
        editor = harness::WaitForDialog(IDC_TRANSFER_LIST);
        editor.Control(IDOK).Click();
        harness::WaitUntilGone(editor);
        EXPECT_TRUE(main.IsVisible());
        EXPECT_EQ("Last\374bernahmen von " + positions[0].name +
                      " gespeichert: die Position ist neu zu berechnen.",
                  main.Control(IDC_STATUS).Text());
        EXPECT_EQ("ge\344ndert", list.RowText(0, 2));
    });
    EXPECT_EQ(host::PositionState::Changed, positions[0].state);
    EXPECT_EQ(host::PositionState::Calculated, positions[6].state);
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

TEST_F(HostWindowTest, TheModulesPageRecalculatesWhatItHandsBackAndSitsInTheHostsSheet)
{
    const std::size_t open = 6; // not calculated
    const std::string name = m_project.positions()[open].name;
    Run([&](Window main) {
        main.Control(IDC_TRANSFERRED_LOADS).Click();
        Window page = harness::WaitForDialog(IDC_LOAD_TREE);
        page.Control(IDCANCEL).Click();
        harness::WaitUntilGone(page);
        EXPECT_EQ("Keine Neuberechnung angefordert.", main.Control(IDC_STATUS).Text());

        main.Control(IDC_TRANSFERRED_LOADS).Click();
        page = harness::WaitForDialog(IDC_LOAD_TREE);
        EXPECT_EQ(m_project.name(), page.Control(IDC_LOAD_TREE).TreeItems().at(0).text);
        page.Control(IDC_LOAD_TREE).SelectTreeItem(name);
        page.Control(ID_KVD_CALCUL).Click();
        harness::WaitUntilGone(page);
        EXPECT_EQ(name + " neu berechnet.", main.Control(IDC_STATUS).Text());
        EXPECT_EQ(static_cast<int>(open), main.Control(IDC_POSITIONS).Selection());
        EXPECT_EQ("berechnet", main.Control(IDC_POSITIONS).RowText(static_cast<int>(open), 2));

        // The sheet: the module's page with every position beside the host's own page.
        main.Control(IDC_LOAD_SHEET).Click();
        Window sheet = harness::WaitForDialog(IDC_LOAD_TREE);
        std::vector<std::string> firstLevel;
        for (const harness::TreeItem& item : sheet.Control(IDC_LOAD_TREE).TreeItems())
            if (item.level == 1)
                firstLevel.push_back(item.text);
        std::vector<std::string> names;
        for (const host::HostPosition& position : m_project.positions())
            names.push_back(position.name);
        EXPECT_EQ(names, firstLevel);
        EXPECT_EQ(2, TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet.Handle())));
        sheet.Control(IDCANCEL).Click();
        harness::WaitUntilGone(sheet);
    });
    EXPECT_EQ(host::PositionState::Calculated, m_project.positions()[open].state);
}

} // namespace
