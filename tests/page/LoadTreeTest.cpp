// The load tree of the transferred-load page on generated projects: texts with the transfer
// numbers, item numbers in the order the tree is built, the tree as print text, and a
// project whose transfers form a cycle.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <algorithm>

using pagetest::NumberedItem;

namespace
{

std::vector<int> IndexesWhere(const kvdata::Building& building,
                              const std::function<bool(const kvdata::Position&)>& is)
{
    std::vector<int> indexes;
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        if (is(building.positions[p]))
            indexes.push_back(static_cast<int>(p));
    return indexes;
}

bool IsFoundation(const kvdata::Position& p)
{
    return p.programCode == "01069";
}

bool ReceivesFromFem(const kvdata::Position& p)
{
    return !p.incoming.empty() && p.incoming.back().source < 4;
}

} // namespace

TEST(LoadTree, SourcesOfEveryHostPositionRecursivelyNumberedAsBuilt)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    std::vector<int> hosts = IndexesWhere(building, IsFoundation);
    ASSERT_GE(hosts.size(), 2u);
    hosts.resize(2);
    hosts.push_back(IndexesWhere(building, ReceivesFromFem).front());
    hosts.push_back(IndexesWhere(building, [](const kvdata::Position& p) {
                        return !p.fem && p.incoming.empty();
                    }).front());
    const std::vector<NumberedItem> expected = pagetest::ExpectedTree(building, hosts);
    ASSERT_GT(expected.size(), 20u);
    // Both signs of transfer numbers occur, the negative ones with the byte 0xDC.
    EXPECT_TRUE(std::any_of(expected.begin(), expected.end(), [](const NumberedItem& item) {
        return item.text.find(" - \xdc") != std::string::npos;
    }));
    // Hosts name positions by either of their files; the tree is the same.
    for (bool byLoadFile : {false, true})
        pagetest::RunStandalone(
            project, hosts,
            [&] {
                const harness::Window page = pagetest::WaitForPage();
                EXPECT_EQ(expected, pagetest::TreeOf(page));
                page.Control(IDCANCEL).Click();
            },
            byLoadFile);
}

// A hosted page that can be asked to build the tree below one of its items, as its
// activation does for positions whose check succeeds.
class CTreePage : public CMyPropertyPage2
{
  public:
    void BuildBelow(const CString& strFile, HTREEITEM hItem) { MakeLoadTree(strFile, hItem); }
};

// Position 'to' receives loads from 'from' (its first support, all loads).
void AddTransfer(kvdata::Building& building, int from, int to, int32_t number)
{
    kvdata::Transfer transfer =
        building
            .positions[IndexesWhere(building,
                                    [&](const auto& p) { return !p.incoming.empty() && !p.fem; })
                           .front()]
            .incoming.front();
    transfer.source = from;
    transfer.number = number;
    transfer.support = 0;
    transfer.components = {{0, 0, 0}};
    transfer.assignments = {{0, 0}};
    building.positions[to].incoming.push_back(transfer);
}

TEST(LoadTree, TransfersInACycleOpenShowTheCycleAndClose)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    // A purlin passes its loads to a wall below; the wall now passes its loads back up.
    const int wall = IndexesWhere(building, [](const kvdata::Position& p) {
                         return p.programCode == "01067" && !p.incoming.empty() &&
                                p.incoming.front().source >= 4;
                     }).front();
    const int purlin = building.positions[wall].incoming.front().source;
    AddTransfer(building, wall, purlin, 7);
    GeneratedProject project(building);
    const std::string& wallName = building.positions[wall].name;
    const std::string& purlinName = building.positions[purlin].name;

    // Standalone: the tree check finds the cycle; both positions are shown with its message.
    pagetest::RunStandalone(project, {wall, purlin}, [&] {
        // The report of positions that failed comes first; the page waits behind it.
        harness::WaitForMessageBox().Answer(IDOK);
        const harness::Window page = pagetest::WaitForPage();
        const std::vector<NumberedItem> tree = pagetest::TreeOf(page);
        ASSERT_EQ(3u, tree.size());
        EXPECT_EQ(wallName + " (nicht geladen)", tree[1].text);
        page.Control(IDC_LOAD_TREE).SelectTreeItem(tree[1].text);
        EXPECT_NE(std::string::npos,
                  page.Control(IDC_LOAD_TEXT).Text().find("Lasten von sich selbst"));
        page.Control(IDCANCEL).Click();
    });

    // Hosted: the tree below the wall stops where a position repeats on its branch.
    CPropertySheet sheet("Lasten");
    CTreePage page;
    page.SetPrjName(building.projectName.c_str());
    page.AddPosition(wallName.c_str(), pagetest::FileOf(project, wall).c_str());
    sheet.AddPage(&page);
    harness::RunScripted(
        [&] { return sheet.DoModal(); },
        [&] {
            harness::WaitForMessageBox().Answer(IDOK);
            const harness::Window window = pagetest::WaitForPage();
            harness::OnUi([&] {
                const HTREEITEM item = page.m_tree.GetChildItem(page.m_tree.GetRootItem());
                page.BuildBelow(page.m_itemFiles[1], item);
                page.m_tree.Expand(item, TVE_EXPAND);
            });
            const std::vector<NumberedItem> tree = pagetest::TreeOf(window);
            const std::string cycle = wallName + " - V7" + " (Kreis: steht weiter oben im Zweig)";
            const auto closing =
                std::find_if(tree.begin(), tree.end(),
                             [&](const NumberedItem& item) { return item.text == cycle; });
            ASSERT_NE(tree.end(), closing);
            EXPECT_EQ(3, closing->level);
            EXPECT_EQ(purlinName +
                          pagetest::NumberSuffix(building.positions[wall].incoming.front().number),
                      (closing - 1)->text);
            // Nothing below the repeated position.
            EXPECT_TRUE(closing + 1 == tree.end() || (closing + 1)->level <= 3);
            window.Control(IDCANCEL).Click();
        });
}
