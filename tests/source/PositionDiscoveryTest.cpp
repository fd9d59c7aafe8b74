// Position discovery through the source page: what the position list shows for the
// suite's files, damaged and hostile ones included, which row it selects, the program
// text of the selected position, and that no copy of the plan file stays behind.
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include <cstring>
#include <filesystem>
#include <optional>

namespace
{
namespace fs = std::filesystem;

// The names of one project group's positions (in plan file order) without the one named.
Texts NamesOf(const SheetTest& t, bool fem, const std::string& without)
{
    Texts names;
    for (const kvdata::Position& position : t.m_project->building().positions)
        if (position.fem == fem && position.name != without)
            names.push_back(position.name);
    return names;
}

int PlanCopies() // in the temporary folder
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path()))
        count += entry.path().filename().string().rfind("pla", 0) == 0 &&
                 entry.path().extension() == ".tmp";
    return count;
}

std::string Plan(const SheetTest& t)
{
    return t.m_project->folders().project + "plann";
}
std::string Programs(const SheetTest& t)
{
    return t.m_project->folders().programRoot + "pronamew";
}
int Record(const SheetTest& t, const std::string& name) // where the position's plan record starts
{
    return 345 + 400 * t.Find([&](auto& p) { return p.name == name; }).planIndex;
}

void Patch(const SheetTest& t, const std::string& name, int offset, const std::string& bytes)
{
    std::vector<unsigned char> plan = readBytes(Plan(t));
    std::memcpy(&plan[Record(t, name) + offset], bytes.data(), bytes.size());
    writeBytes(Plan(t), plan);
}

void Cut(const std::string& file, size_t length)
{
    std::vector<unsigned char> bytes = readBytes(file);
    bytes.resize(length);
    writeBytes(file, bytes);
}

void WithoutProjectList(const SheetTest& t, const std::string& directory)
{
    DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
    fs::current_path(directory);
}

// What the page shows: the position list's rows, the selected row (-1: none) and, when
// given, the program text of the selected position. It starts as the current project's
// positions without the own one, the first selected; a case changes the files and it.
struct Shown {
    Texts rows;
    int selected = 0;
    std::optional<std::string> program;
};
using T = SheetTest;

const struct {
    const char* what;
    void (*prepare)(SheetTest&, Shown&);
} kCases[] = {
    {"blank records count for the number, the own one is left out; code ...065: program 65",
     [](T& t, Shown& e) {
         Patch(t, e.rows[0], 16, "01065");
         e.program = t.m_project->building().programs[0].name;
     }},
    {"the own file named in lower case; no program name file",
     [](T& t, Shown& e) {
         t.m_sheet->m_strOwnPath.MakeLower();
         DeleteFileA(Programs(t).c_str());
         e.program = "";
     }},
    {"two load files match one number; program code ...000 shows the group",
     [](T& t, Shown& e) {
         const std::string first =
             t.m_project->loadFile(t.Find([&](auto& p) { return p.name == e.rows[0]; }));
         const size_t at = first.find_last_of('\\') + 2;
         CopyFileA(first.c_str(), (first.substr(0, at) + "ZZ" + first.substr(at + 2)).c_str(),
                   TRUE);
         Patch(t, e.rows[0], 16, "00000");
         e.program = t.m_language.String(IDS_GROUP_CURRENT);
     }},
    {"a name of 16 characters, a record of zero bytes is a blank one; a code of letters is 0",
     [](T& t, Shown& e) {
         Patch(t, e.rows[0], 0, "ABCDEFGHIJKLMNOPabcde");
         Patch(t, e.rows[1], 0, std::string(16, '\0'));
         e.rows[0] = "ABCDEFGHIJKLMNOP";
         e.rows.erase(e.rows.begin() + 1);
         e.program = t.m_language.String(IDS_GROUP_CURRENT);
     }},
    {"a stored position that no longer exists selects the first; a code below 65",
     [](T& t, Shown& e) {
         t.m_settings.SetString(settings::kCurPosition, "9.99 Abgerissen");
         Patch(t, e.rows[0], 16, "0106y");
         e.program = "";
     }},
    {"a stored position is found without regard to case",
     [](T& t, Shown& e) {
         t.m_settings.SetString(settings::kCurPosition, CharUpperA(&std::string(e.rows[2])[0]));
         e.selected = 2;
     }},
    {"a plan file shorter than 361 bytes",
     [](T& t, Shown& e) {
         Cut(Plan(t), 360), e = {{}, -1, {}};
     }},
    {"plan file and program name file cut within a record: the records before it",
     [](T& t, Shown& e) {
         Cut(Plan(t), Record(t, e.rows[3]) + 30);
         e.rows.resize(3);
         Patch(t, e.rows[0], 16, "01066");
         Cut(Programs(t), 24 + 58 + 20);
         e.program = "";
     }},
    {"without the project list the current directory's (no folder: none is the own one)",
     [](T& t, Shown& e) {
         WithoutProjectList(t, t.m_project->folders().project);
         e.rows = NamesOf(t, false, "");
     }},
    {"without the project list, a current directory without a plan file",
     [](T& t, Shown& e) {
         WithoutProjectList(t, t.m_project->folders().root), e = {{}, -1, {}};
     }},
    {"the FEM project: 4-digit, 5-digit and negative numbers, the own name left out",
     [](T& t, Shown& e) {
         t.m_sheet->m_nInitialGroup = 1;
         t.m_sheet->m_strOwnPosition = "Platte 2";
         e = {NamesOf(t, true, "Platte 2"), 0, t.m_language.String(IDS_GROUP_FEM)};
     }},
    {"an FEM project folder of 300 characters",
     [](T& t, Shown& e) {
         t.m_sheet->m_nInitialGroup = 1;
         t.m_settings.SetString(settings::kCurOrvexPath, std::string(300, 'x').c_str());
         e = {{}, -1, {}};
     }},
};
} // namespace

TEST(PositionDiscovery, ListsThePositionsThePlanFileAndTheLoadFilesGive)
{
    const fs::path start = fs::current_path();
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const int copies = PlanCopies();
        {
            SheetTest t("deu");
            Shown e{NamesOf(t, false, t.m_sheet->m_strOwnPosition.GetString()), 0, {}};
            c.prepare(t, e);
            const fs::path directory = fs::current_path();
            t.Run([&](harness::Window sheet) {
                const harness::Window list = sheet.Control(IDC_POSITION_LIST);
                EXPECT_EQ(e.rows, Rows(list));
                EXPECT_EQ(e.selected, list.Selection());
                EXPECT_EQ(!e.rows.empty(), sheet.Control(IDOK).IsEnabled());
                if (e.program) {
                    EXPECT_EQ(*e.program, sheet.Control(IDC_PROGRAM).Text());
                }
                sheet.Control(IDCANCEL).Click();
            });
            EXPECT_EQ(directory, fs::current_path());
            fs::current_path(start);
        }
        EXPECT_EQ(copies, PlanCopies());
    }
}
