// The module's transferred-load page from the host: on its own over the main window, where
// a position handed back for recalculation is recalculated and the status line says so,
// and hosted in the host's sheet beside the host's own page.
#include "HostFixture.h"

#include "host/CHostWindow.h"
#include "host/CommandLine.h"
#include "host/HostCommands.h"
#include "host/HostResources.h"
#include "resources/ResourceIds.h"
#include "tests/harness/Harness.h"

#include <sstream>

namespace
{

using harness::Window;

TEST_F(HostWindowTest, APositionHandedBackForRecalculationIsRecalculated)
{
    const std::size_t open = 6; // not calculated
    const std::string name = m_project.positions()[open].name;
    ASSERT_EQ(host::PositionState::NotCalculated, m_project.positions()[open].state);
    Run([&](Window main) {
        main.Control(IDC_TRANSFERRED_LOADS).Click();
        Window page = harness::WaitForDialog(IDC_LOAD_TREE);
        page.Control(IDC_LOAD_TREE).SelectTreeItem(name);
        page.Control(ID_KVD_CALCUL).Click();
        harness::WaitUntilGone(page);
        EXPECT_EQ(name + " neu berechnet.", main.Control(IDC_STATUS).Text());
        EXPECT_EQ(static_cast<int>(open), main.Control(IDC_POSITIONS).Selection());
        EXPECT_EQ("berechnet", main.Control(IDC_POSITIONS).RowText(static_cast<int>(open), 2));
    });
    EXPECT_EQ(host::PositionState::Calculated, m_project.positions()[open].state);
}

TEST_F(HostWindowTest, ClosingThePageAsksForNoRecalculation)
{
    Run([&](Window main) {
        main.Control(IDC_TRANSFERRED_LOADS).Click();
        Window page = harness::WaitForDialog(IDC_LOAD_TREE);
        const auto items = page.Control(IDC_LOAD_TREE).TreeItems();
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(m_project.name(), items[0].text);
        page.Control(IDCANCEL).Click();
        harness::WaitUntilGone(page);
        EXPECT_EQ("Keine Neuberechnung angefordert.", main.Control(IDC_STATUS).Text());
    });
}

TEST_F(HostWindowTest, TheHostsSheetHoldsTheModulesPageWithEveryPositionBesideItsOwn)
{
    Run([&](Window main) {
        main.Control(IDC_LOAD_SHEET).Click();
        Window sheet = harness::WaitForDialog(IDC_LOAD_TREE);
        std::vector<std::string> firstLevel;
        for (const harness::TreeItem& item : sheet.Control(IDC_LOAD_TREE).TreeItems())
            if (item.level == 1)
                firstLevel.push_back(item.text);
        ASSERT_EQ(m_project.positions().size(), firstLevel.size());
        for (std::size_t i = 0; i < firstLevel.size(); ++i)
            EXPECT_EQ(m_project.positions()[i].name, firstLevel[i]);
        HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet.Handle(), PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(2, TabCtrl_GetItemCount(tabs));
        sheet.Control(IDCANCEL).Click();
        harness::WaitUntilGone(sheet);
    });
}

TEST_F(HostWindowTest, TheLoadsCommandSaysWhetherARecalculationWasRequested)
{
    host::HostOptions options;
    std::string error;
    ASSERT_TRUE(host::parseCommandLine({"--loads"}, options, error));
    std::ostringstream out;
    harness::RunScripted([&] { return host::runCommands(options, out); },
                         [&] { harness::WaitForDialog(IDC_LOAD_TREE).Control(IDCANCEL).Click(); });
    EXPECT_NE(std::string::npos, out.str().find("transferred loads: no recalculation requested\n"))
        << out.str();
}

} // namespace
