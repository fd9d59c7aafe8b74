// The module's page hosted in a sheet: its texts in the settings' language, its tree and
// commands there, each activation reading the transfer files afresh (an unchanged tree keeps
// the branch the user opened); and transfers in a cycle.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

using harness::Window;

TEST_F(PageTest, HostedPageTextsTreeCommandsAndReactivation)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    m_sandbox.SetString(settings::kLanguage, "ENG");
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int foundation = pagetest::Foundation(building);
    const std::string& name = building.positions[foundation].name;
    // The foundation's first transfer gets another number (one text changed); then its
    // source, which has sources of its own, loses its transfer file.
    const int source = building.positions[foundation].incoming.at(0).source;
    ASSERT_FALSE(building.positions[source].incoming.empty());
    kvdata::Building renumbered = building;
    renumbered.positions[foundation].incoming[0].number += 100;
    kvdata::Building changed = renumbered;
    changed.positions[source].incoming.clear();
    // The module's exported run-time class record, as a host of another module finds it.
    const auto* runtimeClass = reinterpret_cast<const CRuntimeClass*>(GetProcAddress(
        GetModuleHandleA("kesvar.dll"), "_ZN16CMyPropertyPage221classCMyPropertyPage2E"));
    ASSERT_NE(nullptr, runtimeClass);
    EXPECT_STREQ("CMyPropertyPage2", runtimeClass->m_lpszClassName);
    {
        CMyPropertyPage2 other;
        std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        auto& page = *static_cast<CMyPropertyPage2*>(object.get());
        EXPECT_NE(nullptr, GetModuleHandleA("kesvar_eng.dll")) << "held while the page exists";
        page.SetPrjName(building.projectName.c_str());
        page.AddPosition(name.c_str(), pagetest::FileOf(project, foundation).c_str());
        CPropertySheet sheet("Host");
        sheet.AddPage(&other);
        sheet.AddPage(&page);
        const auto show = [&](int index) { harness::OnUi([&] { sheet.SetActivePage(index); }); };
        pagetest::RunSheet(sheet, [&] {
            pagetest::WaitForPage();
            char tab[256] = ""; // the tab of the page not shown yet has its title already
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = tab;
            item.cchTextMax = sizeof tab;
            harness::OnUi(
                [&] { TabCtrl_GetItem(PropSheet_GetTabControl(sheet.GetSafeHwnd()), 1, &item); });
            EXPECT_STREQ("Transferred Loads", tab);
            show(1);
            const Window shown(page.GetSafeHwnd()), tree = shown.Control(IDC_LOAD_TREE);
            EXPECT_EQ("&Positions and the sources of their loads:",
                      Window(GetWindow(tree.Handle(), GW_HWNDPREV)).Text());
            EXPECT_EQ("&Recalculate", shown.Control(ID_KVD_CALCUL).Text());
            EXPECT_EQ("Pri&nt", shown.Control(ID_KVD_PRINT).Text());
            EXPECT_FALSE(shown.HasControl(IDCANCEL)) << "the module's own template";
            const std::vector<pagetest::Item> first = pagetest::TreeOf(shown);
            EXPECT_EQ(pagetest::ExpectedTree(building, {foundation}), first);
            // The text in the page's language; the position is not handed back.
            tree.SelectTreeItem(name);
            const std::string text = shown.Control(IDC_LOAD_TEXT).Text();
            EXPECT_EQ(0u, text.find("Loads transferred into position " + name)) << text;
            shown.Control(ID_KVD_CALCUL).Click();
            // The user opens the foundation's branch; nothing changes on disk.
            harness::OnUi([&] {
                page.m_tree.Expand(page.m_tree.GetChildItem(page.m_tree.GetRootItem()), TVE_EXPAND);
            });
            show(0);
            show(1);
            EXPECT_EQ(first, pagetest::TreeOf(shown));
            EXPECT_TRUE(tree.TreeItems().at(1).expanded);
            show(0);
            std::string error;
            EXPECT_TRUE(kvdata::writeProject(renumbered, project.folders(), error)) << error;
            show(1);
            EXPECT_EQ(pagetest::ExpectedTree(renumbered, {foundation}), pagetest::TreeOf(shown));
            show(0);
            EXPECT_EQ(0, std::remove(pagetest::FileOf(project, source).c_str()));
            show(1);
            EXPECT_EQ(pagetest::ExpectedTree(changed, {foundation}), pagetest::TreeOf(shown));
        });
        EXPECT_EQ(0, page.m_nCalcResult);
        EXPECT_TRUE(page.m_strCalcFile.IsEmpty());
    }
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_eng.dll")) << "released with the last page";
}

// A hosted page that builds the tree below one of its items, as its activation does.
class CTreePage : public CMyPropertyPage2
{
  public:
    void BuildBelow(const CString& strFile, HTREEITEM hItem) { MakeLoadTree(strFile, hItem); }
};

TEST_F(PageTest, TransfersInACycleShowWhereTheBranchRepeatsAndStopThere)
{
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    // A purlin passes its loads to a wall below; the wall now passes its loads back up.
    const int wall = pagetest::PositionsWhere(building, [](const kvdata::Position& p) {
                         return p.programCode == "01067" && !p.incoming.empty() &&
                                p.incoming.front().source >= 4;
                     }).front();
    const int purlin = building.positions[wall].incoming.front().source;
    building.positions[purlin].incoming.push_back({wall, 7, 0, 1.0, 0, {}, {{0, 0, 0}}, {{0, 0}}});
    GeneratedProject project(building);
    const std::string& wallName = building.positions[wall].name;

    // The check finds the cycle and the page reports the wall; its tree is built here.
    CPropertySheet sheet("Lasten");
    CTreePage page;
    page.SetPrjName(building.projectName.c_str());
    page.AddPosition(wallName.c_str(), pagetest::FileOf(project, wall).c_str());
    sheet.AddPage(&page);
    pagetest::RunSheet(sheet, [&] {
        harness::WaitForMessageBox().Answer(IDOK);
        harness::OnUi([&] {
            page.BuildBelow(page.m_itemFiles[1],
                            page.m_tree.GetChildItem(page.m_tree.GetRootItem()));
        });
        const std::vector<pagetest::Item> tree = pagetest::TreeOf(pagetest::WaitForPage());
        const pagetest::Item closing(wallName + " - V7 (Kreis: steht weiter oben im Zweig)", 3);
        const auto at = std::find(tree.begin(), tree.end(), closing);
        ASSERT_TRUE(at != tree.begin() && at != tree.end());
        EXPECT_EQ(building.positions[purlin].name +
                      pagetest::NumberSuffix(building.positions[wall].incoming.front().number),
                  (at - 1)->first);
        EXPECT_TRUE(at + 1 == tree.end() || (at + 1)->second <= 3) << "nothing below";
    });
}
