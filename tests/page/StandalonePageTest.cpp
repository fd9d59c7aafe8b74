// The standalone page over every position of a generated project: the tree, the positions
// that fail their check with the one report, the text of every position (point and
// distributed transfers, sources elsewhere, values beyond the limit, a source without
// results), printing through the system's text editor, and the recalculation.
#include "tests/page/PageTestSupport.h"

#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"
#include "tests/support/ProgramFolder.h"
#include "tools/kvdata/LoadDataImage.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
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

// The tree as printed with only its root expanded: each position indented, marked "+ "
// with sources, "| " without.
std::string PrintedTree(const std::vector<pagetest::Item>& items)
{
    std::string text = items.at(0).first + "\n";
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i].second == 1)
            text += (i + 1 < items.size() && items[i + 1].second == 2 ? "    + " : "    | ") +
                    items[i].first + "\n";
    return text;
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
            EXPECT_EQ(
                "Nicht alle Positionen konnten geladen werden.\nSie sind im Baum gekennzeichnet.",
                box.text);
            EXPECT_EQ("\334bernommene Lasten", box.caption);
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
            EXPECT_EQ(PrintedTree(expected) + "\n\n\n\n" +
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
            EXPECT_EQ("Die Druckdatei kann nicht angelegt werden:\n" + root + "kvd_info.txt",
                      failed.text);
            EXPECT_EQ("\334bernommene Lasten", failed.caption);
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
