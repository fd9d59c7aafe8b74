// The page over a generated project. Standalone over every position: the tree, the
// positions that fail their check with the one report, the text of every position (point
// and distributed transfers, sources elsewhere, values beyond the limit, a source without
// results), printing through the system's text editor, and the recalculation. Hosted in a
// sheet: its texts in the settings' language, its tree and commands there, each activation
// reading the transfer files afresh (an unchanged tree keeps the branch the user opened);
// and transfers in a cycle.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "model/LoadDataInterface.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"
#include "tools/kvdata/LoadDataImage.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

using harness::Window;

namespace
{
std::string ReadText(const char* path) // text mode: "\r\n" on disk reads as "\n"
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The stand-in text editor's command line once it has run; empty when it did not in 5 s.
std::string AwaitCommand()
{
    for (int i = 0; i < 100 && GetFileAttributesA("notepad_command.txt") == INVALID_FILE_ATTRIBUTES;
         ++i)
        Sleep(50);
    const std::string command = ReadText("notepad_command.txt");
    DeleteFileA("notepad_command.txt");
    return command;
}

// A point value and a distributed reaction's second piece beyond the limit, a FEM slab that
// receives from the current project (with a negative number) and a source in its
// receiver's group.
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
            if (support.distributed == distributed) {
                kvdata::Component& component = support.byLoad[0][0];
                (distributed ? component.pieces.at(1).q2 : component.value) = 1e300;
                break;
            }
        }
    kvdata::Transfer fromAbove = building.positions[fedFromAbove.front()].incoming.front();
    fromAbove.number = -4;
    building.positions[0].incoming.push_back(fromAbove);
    building.positions[fromAbove.source].group = building.positions[fedFromAbove.front()].group;
    return building;
}
} // namespace

TEST_F(PageTest, TreeTextsPrintAndRecalculationOverTheWholeProject)
{
    const kvdata::Building building = UnusualBuilding();
    GeneratedProject project(building);
    const auto name = [&](int p) { return building.positions[p].name; };
    const int foundation = pagetest::Foundation(building),
              damaged = pagetest::Foundation(building, 1),
              missing = pagetest::Foundation(building, 2);
    // A source whose design program stored no results (data word 0); a damaged transfer
    // file and a missing load file fail their check.
    const int quiet = building.positions[foundation].incoming.back().source;
    kvdata::LoadDataImage image(building.positions[quiet]);
    image.record()->dataWord = 0;
    ASSERT_EQ(0, LoadSerializeData(0, project.loadFile(building.positions[quiet]).c_str(),
                                   image.record()) &
                     0xFFFF);
    std::ofstream(pagetest::FileOf(project, damaged), std::ios::binary) << "damaged";
    ASSERT_EQ(0, std::remove(project.loadFile(building.positions[missing]).c_str()));

    // Named by their load files: the first foundation, all others but the failed ones, a FEM
    // slab, the failed ones.
    std::vector<int> hosts = {foundation};
    for (int p :
         pagetest::PositionsWhere(building, [](const kvdata::Position& p) { return !p.fem; }))
        if (p != damaged && p != missing && p != foundation)
            hosts.push_back(p);
    hosts.push_back(0);
    const std::vector<int> shown = hosts;
    std::vector<pagetest::Item> expected = pagetest::ExpectedTree(building, shown);
    const std::string damagedItem = name(damaged) + " (nicht geladen)",
                      missingItem = name(missing) + " (nicht geladen)";
    for (const std::string& failed : {damagedItem, missingItem})
        expected.emplace_back(failed, 1);
    hosts.insert(hosts.end(), {damaged, missing});

    const kvdata::Transfer& deep = building.positions[foundation].incoming[0];
    // The project's root is the current directory, with the stand-in editor in it.
    const std::string root = project.folders().root;
    CopyFileA((ProgramFolder() + "\\notepad_standin.exe").c_str(), (root + "notepad.exe").c_str(),
              FALSE);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(root.c_str());
    const pagetest::PageResult result = pagetest::RunStandalone(
        project, hosts,
        [&] {
            const harness::MessageBoxInfo box = harness::WaitForMessageBox();
            EXPECT_EQ("\334bernommene Lasten: Nicht alle Positionen konnten geladen werden.\nSie "
                      "sind im Baum gekennzeichnet.",
                      box.caption + ": " + box.text);
            box.Answer(IDOK);
            const Window page = pagetest::WaitForPage();
            const Window tree = page.Control(IDC_LOAD_TREE), text = page.Control(IDC_LOAD_TEXT);
            const Window calculate = page.Control(ID_KVD_CALCUL);
            EXPECT_EQ(expected, pagetest::TreeOf(page));
            // Nothing selected, the root, a failed position: no recalculation.
            calculate.Click();
            tree.SelectTreeItem(building.projectName);
            EXPECT_EQ("", text.Text()) << "the root's";
            calculate.Click();
            for (int position : shown) {
                tree.SelectTreeItem(name(position));
                EXPECT_EQ(pagetest::ExpectedLoadText(building, position, "\r\n", {quiet}),
                          text.Text())
                    << name(position);
            }
            tree.SelectTreeItem(missingItem);
            EXPECT_EQ("Die Lastdaten der Position fehlen.", text.Text());
            tree.SelectTreeItem(damagedItem);
            EXPECT_EQ("Last\374bernahmedatei besch\344digt: Position " + name(damaged) + ".",
                      text.Text());
            calculate.Click();
            EXPECT_TRUE(page.Exists());

            // Print: the tree and the selected position's text.
            tree.SelectTreeItem(name(foundation));
            const std::string before = text.Text();
            page.Control(ID_KVD_PRINT).Click();
            EXPECT_EQ("notepad.exe /p kvd_info.txt", AwaitCommand());
            std::string printed = building.projectName + "\n"; // each position marked "+ " with
            for (std::size_t i = 1; i < expected.size(); ++i)  // sources, "| " without
                if (expected[i].second == 1)
                    printed += (i + 1 < expected.size() && expected[i + 1].second == 2 ? "    + "
                                                                                       : "    | ") +
                               expected[i].first + "\n";
            EXPECT_EQ(printed + "\n\n\n\n" +
                          pagetest::ExpectedLoadText(building, foundation, "\n", {quiet}),
                      ReadText("kvd_info.txt"));
            EXPECT_EQ(before, text.Text()) << "the field keeps its text";
            // A collapsed root prints only its line; the root's text is empty.
            const HWND hTree = tree.Handle();
            harness::OnUi([&] { TreeView_Expand(hTree, TreeView_GetRoot(hTree), TVE_COLLAPSE); });
            tree.SelectTreeItem(building.projectName);
            page.Control(ID_KVD_PRINT).Click();
            EXPECT_EQ("notepad.exe /p kvd_info.txt", AwaitCommand());
            EXPECT_EQ(building.projectName + "\n\n\n\n\n", ReadText("kvd_info.txt"));
            // A folder of the file's name keeps the file from being created: no editor runs.
            DeleteFileA("kvd_info.txt");
            CreateDirectoryA("kvd_info.txt", nullptr);
            page.Control(ID_KVD_PRINT).Click();
            const harness::MessageBoxInfo failed = harness::WaitForMessageBox();
            EXPECT_EQ("\334bernommene Lasten: Die Druckdatei kann nicht angelegt werden:\n" + root +
                          "kvd_info.txt",
                      failed.caption + ": " + failed.text);
            failed.Answer(IDOK);

            tree.SelectTreeItem(name(deep.source) + pagetest::NumberSuffix(deep.number));
            calculate.Click();
            harness::WaitUntilGone(page);
        },
        true);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("notepad_command.txt"));
    RemoveDirectoryA("kvd_info.txt");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(1, result.recalculate);
    EXPECT_EQ(pagetest::FileOf(project, deep.source), result.file);
}

// A hosted page that builds a position's tree below one of its items, as its activation
// does.
class CTreePage : public CMyPropertyPage2
{
  public:
    void BuildBelow(const CString& strFile, HTREEITEM hItem) { MakeLoadTree(strFile, hItem); }
};

TEST_F(PageTest, HostedPageTextsTreeCommandsAndReactivation)
{
    m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
    m_sandbox.SetString(settings::kLanguage, "ENG");
    kvdata::Building cyclic = kvdata::makeBuilding(kvdata::BuildingSize());
    // A purlin passes its loads to a wall below; the wall now passes its loads back up.
    const int wall = pagetest::PositionsWhere(cyclic, [](const kvdata::Position& p) {
                         return p.programCode == "01067" && !p.incoming.empty() &&
                                p.incoming.front().source >= 4;
                     }).front();
    const int purlin = cyclic.positions[wall].incoming.front().source,
              back = cyclic.positions[wall].incoming.front().number;
    cyclic.positions[purlin].incoming.push_back({wall, 7, 0, 1.0, 0, {}, {{0, 0, 0}}, {{0, 0}}});
    GeneratedProject project(cyclic);
    const kvdata::Building& building = project.building();
    const int foundation = pagetest::Foundation(building, 3); // one the cycle does not reach
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
    {
        CTreePage other;
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
            // The wall's tree at the top of the other page: the branch repeats once, marked.
            harness::OnUi(
                [&] { other.BuildBelow(pagetest::FileOf(project, wall).c_str(), nullptr); });
            const std::vector<pagetest::Item> cycle = pagetest::TreeOf(Window(other.GetSafeHwnd()));
            const auto at = std::find(cycle.begin(), cycle.end(),
                                      pagetest::Item(building.positions[wall].name + " - V7", 1));
            ASSERT_GE(cycle.end() - at, 2);
            EXPECT_EQ(building.positions[purlin].name + pagetest::NumberSuffix(back) +
                          " (cycle: shown above in this branch)",
                      (at + 1)->first);
            EXPECT_TRUE(at + 2 == cycle.end() || (at + 2)->second <= 2) << "nothing below";
            char tab[256] = ""; // the tab of the page not shown yet has its title already
            TCITEMA item{TCIF_TEXT, 0, 0, tab, sizeof tab, 0, 0};
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
