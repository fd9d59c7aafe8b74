// The standalone page over every position of a generated project: the load tree with the
// transfer numbers and item numbers in the order the tree is built, the positions that fail
// their check with the one report after activation, the text of every position (point and
// distributed transfers, sources in other volumes, groups and projects and in the FEM
// project, values beyond the no-value limit, a source without computed results), printing
// through the system's text editor, and the recalculation; and the hosted tree of a project
// whose transfers form a cycle.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "model/LoadDataInterface.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "tests/support/ProgramFolder.h"
#include "tools/kvdata/LoadDataImage.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>

using harness::Window;
using pagetest::NumberedItem;

namespace
{
std::string German(UINT id)
{
    return pagetest::LanguageString("kesvar_deu.dll", id);
}

std::string ReadBytes(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// What a text-mode write puts on disk.
std::string OnDisk(const std::string& text)
{
    std::string bytes;
    for (char c : text)
        bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return bytes;
}

// The stand-in text editor's command line once it has run; empty when it did not in 5 s.
std::string AwaitCommand()
{
    for (int i = 0; i < 100 && GetFileAttributesA("notepad_command.txt") == INVALID_FILE_ATTRIBUTES;
         ++i)
        Sleep(50);
    const std::string command = ReadBytes("notepad_command.txt");
    DeleteFileA("notepad_command.txt");
    return command;
}

// The tree as printed: the items an expanded item shows, indented, marked "| " without
// children, "- " expanded, "+ " collapsed.
std::string PrintedTree(const std::vector<harness::TreeItem>& items)
{
    std::string text = items.at(0).text + "\n";
    int hiddenBelow = items[0].expanded ? INT_MAX : 0;
    for (std::size_t i = 1; i < items.size(); ++i) {
        const harness::TreeItem& item = items[i];
        if (item.level > hiddenBelow)
            continue;
        hiddenBelow = item.expanded ? INT_MAX : item.level;
        const bool hasChildren = i + 1 < items.size() && items[i + 1].level > item.level;
        std::string indent = "    ";
        for (int k = 1; k < item.level; ++k)
            indent += "|    ";
        text += indent + (!hasChildren ? "| " : item.expanded ? "- " : "+ ") + item.text + "\n";
    }
    return text;
}

// The building with a point value beyond the limit, a distributed reaction whose second
// piece is, a FEM slab that receives from the current project (another one for it) and a
// source in its receiver's group.
kvdata::Building UnusualBuilding()
{
    kvdata::Building building = kvdata::makeBuilding(kvdata::BuildingSize());
    const auto fedFromAbove = pagetest::PositionsWhere(building, [](const kvdata::Position& p) {
        return !p.fem && !p.incoming.empty() && p.incoming.front().source >= 4;
    });
    for (bool distributed : {false, true})
        for (int p : fedFromAbove) {
            const kvdata::Transfer& transfer = building.positions[p].incoming.front();
            kvdata::Support& support =
                building.positions[transfer.source].supports[transfer.support];
            if (support.distributed != distributed)
                continue;
            kvdata::Component& component = support.byLoad[0][0];
            (distributed ? component.pieces.at(1).q2 : component.value) = 1e300;
            break;
        }
    kvdata::Transfer fromAbove = building.positions[fedFromAbove.front()].incoming.front();
    fromAbove.number = -4;
    building.positions[0].incoming.push_back(fromAbove);
    // A source in the group of a position it feeds: no group line there.
    building.positions[fromAbove.source].group = building.positions[fedFromAbove.front()].group;
    return building;
}
} // namespace

TEST_F(PageTest, TreeTextsPrintAndRecalculationOverTheWholeProject)
{
    const kvdata::Building building = UnusualBuilding();
    GeneratedProject project(building);
    // A source whose design program stored no results: its data word is 0.
    const int quiet = building.positions[pagetest::Foundation(building)].incoming.back().source;
    kvdata::LoadDataImage image(building.positions[quiet]);
    image.record()->dataWord = 0;
    const std::string quietFile = project.loadFile(building.positions[quiet]);
    ASSERT_EQ(0, LoadSerializeData(0, quietFile.c_str(), image.record()) & 0xFFFF);
    // Two foundations fail their check: a damaged transfer file, a missing load file.
    const int damaged = pagetest::Foundation(building, 1),
              missing = pagetest::Foundation(building, 2);
    std::ofstream(project.transferFile(building.positions[damaged]), std::ios::binary) << "damaged";
    ASSERT_EQ(0, std::remove(project.loadFile(building.positions[missing]).c_str()));

    // The first foundation first, all others but the failed ones, and a FEM slab.
    const int foundation = pagetest::Foundation(building);
    std::vector<int> hosts = {foundation};
    for (int p :
         pagetest::PositionsWhere(building, [](const kvdata::Position& p) { return !p.fem; }))
        if (p != damaged && p != missing && p != foundation)
            hosts.push_back(p);
    hosts.push_back(0);
    std::vector<NumberedItem> expected = pagetest::ExpectedTree(building, hosts);
    ASSERT_TRUE(std::any_of(expected.begin(), expected.end(), [](const NumberedItem& item) {
        return item.text.find(" - \334") != std::string::npos;
    })) << "a negative transfer number";
    const std::string damagedItem = building.positions[damaged].name + German(IDS_PAGE_NOT_LOADED);
    const std::string missingItem = building.positions[missing].name + German(IDS_PAGE_NOT_LOADED);
    for (const std::string& failed : {damagedItem, missingItem})
        expected.push_back({failed, 1, static_cast<long>(expected.size())});
    const std::vector<int> shown = hosts;
    hosts.insert(hosts.end(), {damaged, missing});

    const kvdata::Transfer& deep = building.positions[foundation].incoming[0];
    // The project's root is the current directory, with the stand-in editor in it.
    const std::string root = project.folders().root;
    CopyFileA((ProgramFolder() + "\\notepad_standin.exe").c_str(), (root + "notepad.exe").c_str(),
              FALSE);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(root.c_str());
    const HWND host = CreateWindowA("STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                    200, nullptr, nullptr, nullptr, nullptr);
    const pagetest::PageResult result = pagetest::RunStandalone(
        project, hosts,
        [&] {
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ(German(IDS_PAGE_NOT_ALL_LOADED) + "\n" + German(IDS_PAGE_NOT_ALL_LOADED_HINT),
                      box.text);
            EXPECT_EQ(German(IDS_PAGE_CAPTION), box.caption);
            // Posted: the page is complete and shown, and owns the box.
            const HWND owner = GetWindow(box.window.Handle(), GW_OWNER);
            EXPECT_TRUE(Window(owner).HasControl(IDC_LOAD_TREE) && IsWindowVisible(owner));
            box.Answer(IDOK);
            const Window page = pagetest::WaitForPage();
            EXPECT_EQ(host, GetWindow(page.Handle(), GW_OWNER)) << "modal over the host's window";
            harness::Sync();
            for (const Window& window : harness::TopLevelWindows())
                EXPECT_TRUE(window.ClassName() != "#32770" || window.HasControl(IDC_LOAD_TREE))
                    << "a second report or the progress message";
            const Window tree = page.Control(IDC_LOAD_TREE), text = page.Control(IDC_LOAD_TEXT);
            EXPECT_EQ(expected, pagetest::TreeOf(page));
            EXPECT_TRUE(tree.TreeItems().at(0).expanded);
            // Nothing selected, the root, a failed position: no recalculation.
            page.Control(ID_KVD_CALCUL).Click();
            tree.SelectTreeItem(building.projectName);
            EXPECT_EQ("", text.Text()) << "the root's";
            page.Control(ID_KVD_CALCUL).Click();
            for (int position : shown) {
                tree.SelectTreeItem(building.positions[position].name);
                EXPECT_EQ(pagetest::ExpectedLoadText(building, position, "\r\n", {quiet}),
                          text.Text())
                    << building.positions[position].name;
            }
            tree.SelectTreeItem(missingItem);
            EXPECT_EQ(German(IDS_CHECK_NO_LOADS), text.Text());
            tree.SelectTreeItem(damagedItem);
            EXPECT_EQ(German(IDS_CHECK_TRANSFERS_DAMAGED_IN) + building.positions[damaged].name +
                          ".",
                      text.Text());
            page.Control(ID_KVD_CALCUL).Click();
            EXPECT_TRUE(page.Exists());

            // Print: the tree with the foundation and its first source expanded, and its text.
            const HWND hTree = tree.Handle();
            harness::OnUi([&] {
                const HTREEITEM first = TreeView_GetChild(hTree, TreeView_GetRoot(hTree));
                TreeView_Expand(hTree, first, TVE_EXPAND);
                TreeView_Expand(hTree, TreeView_GetChild(hTree, first), TVE_EXPAND);
            });
            tree.SelectTreeItem(building.positions[foundation].name);
            const std::string before = text.Text();
            page.Control(ID_KVD_PRINT).Click();
            EXPECT_EQ("notepad.exe /p kvd_info.txt", AwaitCommand());
            EXPECT_EQ(OnDisk(PrintedTree(tree.TreeItems()) + "\n\n\n\n" +
                             pagetest::ExpectedLoadText(building, foundation, "\n", {quiet})),
                      ReadBytes("kvd_info.txt"));
            EXPECT_EQ(before, text.Text()) << "the field keeps its text";
            // A collapsed root prints only its line; the root's text is empty.
            harness::OnUi([&] { TreeView_Expand(hTree, TreeView_GetRoot(hTree), TVE_COLLAPSE); });
            tree.SelectTreeItem(building.projectName);
            page.Control(ID_KVD_PRINT).Click();
            EXPECT_EQ("notepad.exe /p kvd_info.txt", AwaitCommand());
            EXPECT_EQ(OnDisk(building.projectName + "\n\n\n\n\n"), ReadBytes("kvd_info.txt"));
            // A folder of the file's name keeps the file from being created: no editor runs.
            DeleteFileA("kvd_info.txt");
            CreateDirectoryA("kvd_info.txt", nullptr);
            page.Control(ID_KVD_PRINT).Click();
            const harness::MessageBoxInfo failed = harness::WaitForMessageBox();
            EXPECT_EQ("Die Druckdatei kann nicht angelegt werden:\n" + root + "kvd_info.txt",
                      failed.text);
            EXPECT_EQ(German(IDS_PAGE_CAPTION), failed.caption);
            failed.Answer(IDOK);

            tree.SelectTreeItem(building.positions[deep.source].name +
                                pagetest::NumberSuffix(deep.number));
            page.Control(ID_KVD_CALCUL).Click();
            harness::WaitUntilGone(page);
        },
        false, host);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("notepad_command.txt"));
    RemoveDirectoryA("kvd_info.txt");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(IsWindowEnabled(host));
    DestroyWindow(host);
    EXPECT_EQ(1, result.recalculate);
    EXPECT_EQ(pagetest::FileOf(project, deep.source), result.file);

    // Positions named by their load files: the same tree. Cancel hands back nothing.
    const pagetest::PageResult cancelled = pagetest::RunStandalone(
        project, hosts,
        [&] {
            harness::WaitForMessageBox().Answer(IDOK);
            const Window page = pagetest::WaitForPage();
            EXPECT_EQ(expected, pagetest::TreeOf(page));
            page.Control(IDCANCEL).Click();
        },
        true);
    EXPECT_EQ(0, cancelled.recalculate);
    EXPECT_EQ("untouched", cancelled.file);
    EXPECT_EQ(nullptr, GetModuleHandleA("kesvar_deu.dll")) << "the language library released";
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
    kvdata::Transfer back = building.positions[wall].incoming.front();
    back.source = wall;
    back.number = 7;
    back.support = 0;
    back.components = {{0, 0, 0}};
    back.assignments = {{0, 0}};
    building.positions[purlin].incoming.push_back(back);
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
            const HTREEITEM item = page.m_tree.GetChildItem(page.m_tree.GetRootItem());
            page.BuildBelow(page.m_itemFiles[1], item);
        });
        const std::vector<NumberedItem> tree = pagetest::TreeOf(pagetest::WaitForPage());
        const std::string cycle = wallName + " - V7 (Kreis: steht weiter oben im Zweig)";
        const auto closing = std::find_if(tree.begin(), tree.end(),
                                          [&](const NumberedItem& i) { return i.text == cycle; });
        ASSERT_NE(tree.end(), closing);
        EXPECT_EQ(3, closing->level);
        EXPECT_EQ(building.positions[purlin].name +
                      pagetest::NumberSuffix(building.positions[wall].incoming.front().number),
                  (closing - 1)->text);
        EXPECT_TRUE(closing + 1 == tree.end() || (closing + 1)->level <= 3) << "nothing below";
    });
}
