// Position discovery through the source page: what the position list shows for the
// suite's files, damaged and hostile ones included, which row it selects, the program
// text of the selected position, and that no copy of the plan file stays behind.
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include <cstring>
#include <optional>

using harness::Window;
using sourcetest::SheetTest;

namespace
{
// The names of one project group's positions (the building lists them in plan file
// order), without the one named.
Texts NamesOf(const kvdata::Building& building, bool fem, const std::string& without = "")
{
    Texts names;
    for (const kvdata::Position& position : building.positions)
        if (position.fem == fem && position.name != without)
            names.push_back(position.name);
    return names;
}

int PlanCopies() // in the temporary folder
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "pla*.tmp").c_str(), &found);
    int count = 0;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        ++count;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

std::string CurrentDirectory()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

std::string PlanFile(const SheetTest& t)
{
    return t.m_project->folders().project + "plann";
}

std::string ProgramFile(const SheetTest& t)
{
    return t.m_project->folders().programRoot + "pronamew";
}

// Overwrites bytes of the plan record of the named position.
void PatchRecord(const SheetTest& t, const std::string& name, int offset, const std::string& bytes)
{
    std::vector<unsigned char> plan = readBytes(PlanFile(t));
    std::memcpy(&plan[345 + 400 * t.Named(name).planIndex + offset], bytes.data(), bytes.size());
    writeBytes(PlanFile(t), plan);
}

void Truncate(const std::string& file, size_t length)
{
    std::vector<unsigned char> bytes = readBytes(file);
    bytes.resize(length);
    writeBytes(file, bytes);
}

// The current project's positions without the own one.
Texts CurrentNames(const SheetTest& t)
{
    return NamesOf(t.m_project->building(), false, t.m_sheet->m_strOwnPosition.GetString());
}

// What the page shows: the position list's rows, the selected row (-1: none) and, when
// given, the program text of the selected position.
struct Shown {
    Texts rows;
    int selected = 0;
    std::optional<std::string> program;
};

const Shown kNothing = {{}, -1, std::nullopt};

struct DiscoveryCase {
    const char* what;
    int group;
    std::function<Shown(SheetTest&)> prepare; // changes project, settings or sheet
};

const DiscoveryCase kCases[] = {
    {"blank records count for the number, the own one is left out; code ...065: program 65", 0,
     [](SheetTest& t) {
         PatchRecord(t, CurrentNames(t)[0], 16, "01065");
         return Shown{CurrentNames(t), 0, t.m_project->building().programs[0].name};
     }},
    {"the own file named in lower case; no program name file", 0,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPath.MakeLower();
         DeleteFileA(ProgramFile(t).c_str());
         return Shown{CurrentNames(t), 0, ""};
     }},
    {"two load files match one number; program code ...000 shows the group", 0,
     [](SheetTest& t) {
         const std::string first = t.m_project->loadFile(t.Named(CurrentNames(t)[0]));
         const size_t at = first.find_last_of('\\') + 2;
         CopyFileA(first.c_str(), (first.substr(0, at) + "ZZ" + first.substr(at + 2)).c_str(),
                   TRUE);
         PatchRecord(t, CurrentNames(t)[0], 16, "00000");
         return Shown{CurrentNames(t), 0, t.m_language.String(IDS_GROUP_CURRENT)};
     }},
    {"a name of 16 characters, a record of zero bytes is a blank one; a code of letters is 0", 0,
     [](SheetTest& t) {
         Texts names = CurrentNames(t);
         PatchRecord(t, names[0], 0, "ABCDEFGHIJKLMNOPabcde");
         PatchRecord(t, names[1], 0, std::string(16, '\0'));
         names[0] = "ABCDEFGHIJKLMNOP";
         names.erase(names.begin() + 1);
         return Shown{names, 0, t.m_language.String(IDS_GROUP_CURRENT)};
     }},
    {"a stored position that no longer exists selects the first; a code below 65", 0,
     [](SheetTest& t) {
         t.m_settings.SetString(settings::kCurPosition, "9.99 Abgerissen");
         PatchRecord(t, CurrentNames(t)[0], 16, "0106y");
         return Shown{CurrentNames(t), 0, ""};
     }},
    {"a stored position is found without regard to case", 0,
     [](SheetTest& t) {
         std::string stored = CurrentNames(t)[2];
         CharUpperA(&stored[0]);
         t.m_settings.SetString(settings::kCurPosition, stored.c_str());
         return Shown{CurrentNames(t), 2, std::nullopt};
     }},
    {"a plan file shorter than 361 bytes", 0,
     [](SheetTest& t) {
         Truncate(PlanFile(t), 360);
         return kNothing;
     }},
    {"plan file and program name file cut within a record: the records before it", 0,
     [](SheetTest& t) {
         Texts names = CurrentNames(t);
         Truncate(PlanFile(t), 345 + 400 * t.Named(names[3]).planIndex + 30);
         names.resize(3);
         PatchRecord(t, names[0], 16, "01066");
         Truncate(ProgramFile(t), 24 + 58 + 20);
         return Shown{names, 0, ""};
     }},
    {"without the project list the current directory's (no folder: none is the own one)", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().project.c_str());
         return Shown{NamesOf(t.m_project->building(), false), 0, std::nullopt};
     }},
    {"without the project list, a current directory without a plan file", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().root.c_str());
         return kNothing;
     }},
    {"the FEM project: 4-digit, 5-digit and negative numbers, the own name left out", 1,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPosition = "Platte 2";
         return Shown{NamesOf(t.m_project->building(), true, "Platte 2"), 0,
                      t.m_language.String(IDS_GROUP_FEM)};
     }},
    {"an FEM project folder of 300 characters", 1,
     [](SheetTest& t) {
         t.m_settings.SetString(settings::kCurOrvexPath, std::string(300, 'x').c_str());
         return kNothing;
     }},
};
} // namespace

TEST(PositionDiscovery, ListsThePositionsThePlanFileAndTheLoadFilesGive)
{
    const std::string start = CurrentDirectory();
    for (const DiscoveryCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const int copies = PlanCopies();
        {
            SheetTest test("deu");
            test.m_sheet->m_nInitialGroup = c.group;
            const Shown expected = c.prepare(test);
            const std::string directory = CurrentDirectory();
            test.Run([&](Window sheet) {
                const Window list = sheet.Control(IDC_POSITION_LIST);
                EXPECT_EQ(expected.rows, Rows(list));
                EXPECT_EQ(expected.selected, list.Selection());
                EXPECT_EQ(!expected.rows.empty(), sheet.Control(IDOK).IsEnabled());
                if (expected.program) {
                    EXPECT_EQ(*expected.program, sheet.Control(IDC_PROGRAM).Text());
                }
                sheet.Control(IDCANCEL).Click();
            });
            EXPECT_EQ(directory, CurrentDirectory());
            SetCurrentDirectoryA(start.c_str());
        }
        EXPECT_EQ(copies, PlanCopies());
    }
}
