// The page's commands on generated projects: recalculation on the root, on a position that
// failed its check, on a source deep in the tree, standalone and hosted; printing the tree
// and the selected position's text, and a print file that cannot be created.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "resources/ResourceIds.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
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

// The current directory for the length of a test: the project's root, with the stand-in
// text editor in it.
class PrintFolder
{
  public:
    explicit PrintFolder(const std::string& folder) : m_folder(folder)
    {
        GetCurrentDirectoryA(MAX_PATH, m_previous);
        CopyFileA((ProgramFolder() + "\\notepad_standin.exe").c_str(),
                  (folder + "notepad.exe").c_str(), FALSE);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~PrintFolder() { SetCurrentDirectoryA(m_previous); }
    PrintFolder(const PrintFolder&) = delete;
    PrintFolder& operator=(const PrintFolder&) = delete;

    // The stand-in's command line once it has run; empty when it did not within 5 s.
    std::string AwaitCommand() const
    {
        const std::string record = m_folder + "notepad_command.txt";
        for (int i = 0; i < 100 && GetFileAttributesA(record.c_str()) == INVALID_FILE_ATTRIBUTES;
             ++i)
            Sleep(50);
        return ReadBytes(record);
    }

  private:
    std::string m_folder;
    char m_previous[MAX_PATH] = "";
};

int FirstWith(const kvdata::Building& building,
              const std::function<bool(const kvdata::Position&)>& is)
{
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        if (is(building.positions[p]))
            return static_cast<int>(p);
    ADD_FAILURE() << "no such position";
    return 0;
}

bool IsFoundation(const kvdata::Position& p)
{
    return p.programCode == "01069";
}

} // namespace

TEST(PagePrint, TreeAsExpandedFourLineBreaksAndTheSelectedText)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int foundation = FirstWith(building, IsFoundation);
    const int leaf =
        FirstWith(building, [](const kvdata::Position& p) { return !p.fem && p.incoming.empty(); });
    PrintFolder folder(project.folders().root);
    pagetest::RunStandalone(project, {foundation, leaf}, [&] {
        const harness::Window page = pagetest::WaitForPage();
        const HWND tree = page.Control(IDC_LOAD_TREE).Handle();
        // The foundation and its first source expanded, as a user would open them.
        harness::OnUi([&] {
            const HTREEITEM position = TreeView_GetChild(tree, TreeView_GetRoot(tree));
            TreeView_Expand(tree, position, TVE_EXPAND);
            TreeView_Expand(tree, TreeView_GetChild(tree, position), TVE_EXPAND);
        });
        page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[foundation].name);
        const std::string shown = page.Control(IDC_LOAD_TEXT).Text();
        page.Control(ID_KVD_PRINT).Click();
        EXPECT_EQ("notepad.exe /p kvd_info.txt", folder.AwaitCommand());
        // The text field keeps the text it showed.
        EXPECT_EQ(shown, page.Control(IDC_LOAD_TEXT).Text());
        page.Control(IDCANCEL).Click();
    });

    std::string tree = building.projectName + "\n";
    const kvdata::Position& f = building.positions[foundation];
    tree += "    - " + f.name + "\n";
    for (std::size_t k = 0; k < f.incoming.size(); ++k) {
        const kvdata::Position& source = building.positions[f.incoming[k].source];
        const char* mark = source.incoming.empty() ? "| " : k == 0 ? "- " : "+ ";
        tree += "    |    " + std::string(mark) + source.name +
                pagetest::NumberSuffix(f.incoming[k].number) + "\n";
        if (k != 0)
            continue;
        for (const kvdata::Transfer& t : source.incoming)
            tree += std::string("    |    |    ") +
                    (building.positions[t.source].incoming.empty() ? "| " : "+ ") +
                    building.positions[t.source].name + pagetest::NumberSuffix(t.number) + "\n";
    }
    tree += "    | " + building.positions[leaf].name + "\n";
    const std::string text = pagetest::ExpectedLoadText(building, foundation, "\n");
    EXPECT_EQ(OnDisk(tree + "\n\n\n\n" + text), ReadBytes(project.folders().root + "kvd_info.txt"));
    // The heading line keeps its carriage return: two of them before its line feed.
    EXPECT_NE(std::string::npos,
              ReadBytes(project.folders().root + "kvd_info.txt").find(":\r\r\n  "));
}

TEST(PagePrint, CollapsedRootAndAPrintFileThatCannotBeCreated)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int foundation = FirstWith(building, IsFoundation);
    PrintFolder folder(project.folders().root);
    pagetest::RunStandalone(project, {foundation}, [&] {
        const harness::Window page = pagetest::WaitForPage();
        const HWND tree = page.Control(IDC_LOAD_TREE).Handle();
        harness::OnUi([&] { TreeView_Expand(tree, TreeView_GetRoot(tree), TVE_COLLAPSE); });
        page.Control(IDC_LOAD_TREE).SelectTreeItem(building.projectName);
        page.Control(ID_KVD_PRINT).Click();
        EXPECT_EQ("notepad.exe /p kvd_info.txt", folder.AwaitCommand());
        // Only the project's line, four line breaks and the root's empty text.
        EXPECT_EQ(OnDisk(building.projectName + "\n\n\n\n\n"), ReadBytes("kvd_info.txt"));
        // A folder of the file's name keeps the file from being created.
        DeleteFileA("kvd_info.txt");
        CreateDirectoryA("kvd_info.txt", nullptr);
        DeleteFileA("notepad_command.txt");
        page.Control(ID_KVD_PRINT).Click();
        const harness::MessageBoxInfo box = harness::WaitForMessageBox();
        EXPECT_EQ("Die Druckdatei kann nicht angelegt werden:\n" + project.folders().root +
                      "kvd_info.txt",
                  box.text);
        EXPECT_EQ("\xdc"
                  "bernommene Lasten",
                  box.caption);
        box.Answer(IDOK);
        EXPECT_TRUE(page.Exists());
        page.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(GetFileAttributesA((project.folders().root + "notepad_command.txt").c_str()),
              INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryA((project.folders().root + "kvd_info.txt").c_str());
}

TEST(PageRecalculation, NothingOnTheRootOrAFailedPositionTheFileOfADeepSourceStandalone)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int foundation = FirstWith(building, IsFoundation);
    const kvdata::Position& first = building.positions[foundation];
    const kvdata::Position& source = building.positions[first.incoming.front().source];
    const std::string sourceText =
        source.name + pagetest::NumberSuffix(first.incoming.front().number);
    // A position whose transfer file is damaged fails its check.
    const int damaged = FirstWith(
        building, [&](const kvdata::Position& p) { return IsFoundation(p) && &p != &first; });
    std::ofstream(pagetest::FileOf(project, damaged), std::ios::binary | std::ios::trunc)
        << "damaged";
    const std::string damagedText = building.positions[damaged].name + " (nicht geladen)";
    const pagetest::PageResult result =
        pagetest::RunStandalone(project, {foundation, damaged}, [&] {
            harness::WaitForMessageBox().Answer(IDOK);
            const harness::Window page = pagetest::WaitForPage();
            // Nothing selected yet, then the root, then the failed position (a beep): the
            // command does nothing.
            page.Control(ID_KVD_CALCUL).Click();
            page.Control(IDC_LOAD_TREE).SelectTreeItem(building.projectName);
            page.Control(ID_KVD_CALCUL).Click();
            page.Control(IDC_LOAD_TREE).SelectTreeItem(damagedText);
            page.Control(ID_KVD_CALCUL).Click();
            EXPECT_TRUE(page.Exists());
            page.Control(IDC_LOAD_TREE).SelectTreeItem(sourceText);
            page.Control(ID_KVD_CALCUL).Click();
            harness::WaitUntilGone(page);
        });
    EXPECT_EQ(1, result.recalculate);
    EXPECT_EQ(pagetest::FileOf(project, first.incoming.front().source), result.file);
}

TEST(PageRecalculation, AFailedPositionOnlyBeepsAndHostedNothingEnds)
{
    RegistrySandbox sandbox(loaddata::kSettingsKey);
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const int foundation = FirstWith(building, IsFoundation);
    CPropertySheet sheet("Lasten");
    CMyPropertyPage2 page;
    page.SetPrjName(building.projectName.c_str());
    page.AddPosition(building.positions[foundation].name.c_str(),
                     pagetest::FileOf(project, foundation).c_str());
    // No plan record lists this file: its check fails.
    page.AddPosition("Fehlt", (project.folders().project + "dXX0999.016").c_str());
    sheet.AddPage(&page);
    harness::RunScripted([&] { return sheet.DoModal(); },
                         [&] {
                             harness::WaitForMessageBox().Answer(IDOK);
                             const harness::Window window = pagetest::WaitForPage();
                             const harness::Window tree = window.Control(IDC_LOAD_TREE);
                             tree.SelectTreeItem("Fehlt (nicht geladen)");
                             window.Control(ID_KVD_CALCUL).Click();
                             tree.SelectTreeItem(building.positions[foundation].name);
                             window.Control(ID_KVD_CALCUL).Click();
                             EXPECT_TRUE(window.Exists());
                             window.Control(IDCANCEL).Click();
                         });
    EXPECT_EQ(0, page.m_nCalcResult);
    EXPECT_TRUE(page.m_strCalcFile.IsEmpty());
}
