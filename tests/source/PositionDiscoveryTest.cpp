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
const kvdata::Position& Named(const SheetTest& t, const std::string& name)
{
    return t.Find([&](const kvdata::Position& p) { return p.name == name; });
}
int Record(const SheetTest& t, const std::string& name) // where it starts in the plan file
{
    return 345 + 400 * Named(t, name).planIndex;
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
// given, the program text of the selected position.
struct Shown {
    Texts rows;
    int selected = 0;
    std::optional<std::string> program;
};

// Changes the files, the settings or the sheet for case i and what the page is to show
// (at first the current project's positions without the own one, the first selected);
// says what the case is, nullptr after the last one.
const char* Prepare(int i, SheetTest& t, Shown& e)
{
    const Shown nothing{{}, -1, {}};
    switch (i) {
    case 0:
        Patch(t, e.rows[0], 16, "01065");
        e.program = t.m_project->building().programs[0].name;
        return "blank records count for the number, the own one is left out; code ...065";
    case 1:
        CharLowerA(t.m_sheet->m_strOwnPath.GetBuffer(0));
        DeleteFileA(Programs(t).c_str());
        e.program = "";
        return "the own file named in lower case; no program name file";
    case 2: {
        const std::string first = t.m_project->loadFile(Named(t, e.rows[0]));
        const size_t at = first.find_last_of('\\') + 2;
        CopyFileA(first.c_str(), (first.substr(0, at) + "ZZ" + first.substr(at + 2)).c_str(), 1);
        Patch(t, e.rows[0], 16, "00000");
        e.program = t.m_language.String(IDS_GROUP_CURRENT);
        return "two load files match one number; program code ...000 shows the group";
    }
    case 3:
        Patch(t, e.rows[0], 0, "ABCDEFGHIJKLMNOPabcde");
        Patch(t, e.rows[1], 0, std::string(16, '\0'));
        e.rows[0] = "ABCDEFGHIJKLMNOP";
        e.rows.erase(e.rows.begin() + 1);
        e.program = t.m_language.String(IDS_GROUP_CURRENT);
        return "a name of 16 characters, a record of zero bytes is blank, a code of letters is 0";
    case 4:
        t.m_settings.SetString(settings::kCurPosition, "9.99 Abgerissen");
        Patch(t, e.rows[0], 16, "0106y");
        e.program = "";
        return "a stored position that no longer exists selects the first; a code below 65";
    case 5:
        t.m_settings.SetString(settings::kCurPosition, CharUpperA(&std::string(e.rows[2])[0]));
        e.selected = 2;
        return "a stored position is found without regard to case";
    case 6:
        Cut(Plan(t), 360), e = nothing;
        return "a plan file shorter than 361 bytes";
    case 7:
        Cut(Plan(t), Record(t, e.rows[3]) + 30);
        e.rows.resize(3);
        Patch(t, e.rows[0], 16, "01066");
        Cut(Programs(t), 24 + 58 + 20);
        e.program = "";
        return "plan file and program name file cut within a record: the records before it";
    case 8:
        WithoutProjectList(t, t.m_project->folders().project);
        e.rows = NamesOf(t, false, "");
        return "without the project list the current directory's (no folder: none is the own)";
    case 9:
        WithoutProjectList(t, t.m_project->folders().root), e = nothing;
        return "without the project list, a current directory without a plan file";
    case 10:
        t.m_sheet->m_nInitialGroup = 1, t.m_sheet->m_strOwnPosition = "Platte 2";
        e = {NamesOf(t, true, "Platte 2"), 0, t.m_language.String(IDS_GROUP_FEM)};
        return "the FEM project: 4-digit, 5-digit and negative numbers, the own name left out";
    case 11:
        t.m_sheet->m_nInitialGroup = 1, e = nothing;
        t.m_settings.SetString(settings::kCurOrvexPath, std::string(300, 'x').c_str());
        return "an FEM project folder of 300 characters";
    }
    return nullptr;
}
} // namespace

TEST(PositionDiscovery, ListsThePositionsThePlanFileAndTheLoadFilesGive)
{
    const fs::path start = fs::current_path();
    for (int i = 0;; ++i) {
        const int copies = PlanCopies();
        {
            SheetTest t("deu");
            Shown e{NamesOf(t, false, t.m_sheet->m_strOwnPosition.GetString()), 0, {}};
            const char* what = Prepare(i, t, e);
            if (!what)
                break;
            SCOPED_TRACE(what);
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
        EXPECT_EQ(copies, PlanCopies()) << i;
    }
}
