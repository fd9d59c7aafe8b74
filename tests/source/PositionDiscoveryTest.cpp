// Position discovery through the source page: what the position list shows for the
// suite's files, damaged and hostile ones included, which row it selects, the program
// text of the selected position, and that no copy of the plan file stays behind.
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/source/SourceTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using harness::Window;
using sourcetest::SheetTest;

namespace
{

std::string CurrentDirectory()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

std::string PlanFile(const SheetTest& test, bool fem = false)
{
    const kvdata::ProjectFolders& folders = test.m_project->folders();
    return (fem ? folders.fem : folders.project) + "plann";
}

// Overwrites bytes of the plan record of position number k + 1.
void PatchRecord(const SheetTest& test, int k, int offset, const std::string& bytes)
{
    std::vector<unsigned char> plan = sourcetest::ReadFile(PlanFile(test));
    std::memcpy(&plan[345 + 400 * k + offset], bytes.data(), bytes.size());
    sourcetest::WriteFile(PlanFile(test), plan);
}

void Truncate(const std::string& file, size_t length)
{
    std::vector<unsigned char> bytes = sourcetest::ReadFile(file);
    bytes.resize(length);
    sourcetest::WriteFile(file, bytes);
}

std::vector<std::string> CurrentNames(const SheetTest& test)
{
    return sourcetest::NamesOf(test.m_project->building(), false,
                               test.m_sheet->m_strOwnPosition.GetString());
}

int PlanIndexOf(const SheetTest& test, const std::string& name)
{
    return test.Named(name).planIndex;
}

struct DiscoveryCase {
    const char* what;
    int group;
    // Changes project, settings or sheet; the rows the list must show.
    std::function<std::vector<std::string>(SheetTest&)> prepare;
    // The row that must be selected; -1: none, since the list is empty.
    int selected;
};

const DiscoveryCase kDiscoveryCases[] = {
    {"blank records count for the number; the own position is left out", 0, CurrentNames, 0},
    {"the own position's file named in lower case", 0,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPath.MakeLower();
         return CurrentNames(t);
     },
     0},
    {"two load files match one number", 0,
     [](SheetTest& t) {
         const std::string first = t.m_project->loadFile(t.Find([](auto& p) { return !p.fem; }));
         const size_t at = first.find_last_of('\\') + 2;
         CopyFileA(first.c_str(), (first.substr(0, at) + "ZZ" + first.substr(at + 2)).c_str(),
                   TRUE);
         return CurrentNames(t);
     },
     0},
    {"a name of sixteen characters, and a record of zero bytes counted like a blank one", 0,
     [](SheetTest& t) {
         std::vector<std::string> names = CurrentNames(t);
         PatchRecord(t, PlanIndexOf(t, names[0]), 0, "ABCDEFGHIJKLMNOP");
         PatchRecord(t, PlanIndexOf(t, names[1]), 0, std::string(16, '\0'));
         names[0] = "ABCDEFGHIJKLMNOP";
         names.erase(names.begin() + 1);
         return names;
     },
     0},
    {"a stored position that no longer exists selects the first", 0,
     [](SheetTest& t) {
         t.m_settings.SetString(settings::kCurPosition, "9.99 Abgerissen");
         return CurrentNames(t);
     },
     0},
    {"a stored position is found without regard to case", 0,
     [](SheetTest& t) {
         std::string stored = CurrentNames(t)[2];
         CharUpperA(&stored[0]);
         t.m_settings.SetString(settings::kCurPosition, stored.c_str());
         return CurrentNames(t);
     },
     2},
    {"an empty plan file",
     0,
     [](SheetTest& t) {
         Truncate(PlanFile(t), 0);
         return std::vector<std::string>();
     },
     -1},
    {"a plan file shorter than 361 bytes", 0,
     [](SheetTest& t) {
         Truncate(PlanFile(t), 360);
         return std::vector<std::string>();
     },
     -1},
    {"a plan file cut within a record lists the records before it", 0,
     [](SheetTest& t) {
         std::vector<std::string> names = CurrentNames(t);
         const int cut = PlanIndexOf(t, names[3]);
         Truncate(PlanFile(t), 345 + 400 * cut + 30);
         names.resize(3);
         return names;
     },
     0},
    {"without the project list the plan file of the current directory", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().project.c_str());
         // The listed files are then named without a folder: the own position's full path
         // names none of them.
         return sourcetest::NamesOf(t.m_project->building(), false);
     },
     0},
    {"without the project list, a current directory without a plan file", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().root.c_str());
         return std::vector<std::string>();
     },
     -1},
    {"the FEM project: four-digit, five-digit and negative numbers; the own name left out", 1,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPosition = "Platte 2";
         return sourcetest::NamesOf(t.m_project->building(), true, "Platte 2");
     },
     0},
    {"an FEM project folder of 300 characters", 1,
     [](SheetTest& t) {
         t.m_settings.SetString(settings::kCurOrvexPath, std::string(300, 'x').c_str());
         return std::vector<std::string>();
     },
     -1},
};

} // namespace

TEST(PositionDiscovery, ListsThePositionsThePlanFileAndTheLoadFilesGive)
{
    const std::string start = CurrentDirectory();
    for (const DiscoveryCase& c : kDiscoveryCases) {
        SCOPED_TRACE(c.what);
        const int copies = sourcetest::PlanCopies();
        {
            SheetTest test("deu");
            test.m_sheet->m_nInitialGroup = c.group;
            const std::vector<std::string> expected = c.prepare(test);
            const std::string directory = CurrentDirectory();
            test.Run([&](Window sheet) {
                const Window list = sheet.Control(IDC_POSITION_LIST);
                EXPECT_EQ(expected, sourcetest::Rows(list)) << c.what;
                EXPECT_EQ(c.selected, list.Selection()) << c.what;
                EXPECT_EQ(!expected.empty(), sheet.Control(IDOK).IsEnabled()) << c.what;
                sheet.Control(IDCANCEL).Click();
            });
            EXPECT_EQ(directory, CurrentDirectory());
            SetCurrentDirectoryA(start.c_str());
        }
        EXPECT_EQ(copies, sourcetest::PlanCopies());
    }
}

namespace
{
struct ProgramCase {
    const char* what;
    int group;
    const char* code; // the first position's program code, null: as generated
    std::function<void(const SheetTest&)> damage;
    std::function<std::string(const SheetTest&)> expected;
};

std::string ProgramName(const SheetTest& t, int number)
{
    for (const kvdata::Program& program : t.m_project->building().programs)
        if (program.number == number)
            return program.name;
    return "?";
}

const std::string ProgramFile(const SheetTest& t)
{
    return t.m_project->folders().programRoot + "pronamew";
}

const ProgramCase kProgramCases[] = {
    {"a code ending in 065: the first record", 0, "01065", nullptr,
     [](const SheetTest& t) { return ProgramName(t, 65); }},
    {"a code ending in 000: the group's name", 0, "00000", nullptr,
     [](const SheetTest& t) { return t.m_language.String(IDS_GROUP_CURRENT); }},
    {"an FEM position: the group's name", 1, nullptr, nullptr,
     [](const SheetTest& t) { return t.m_language.String(IDS_GROUP_FEM); }},
    {"a code of letters counts as 0", 0, "abcde", nullptr,
     [](const SheetTest& t) { return t.m_language.String(IDS_GROUP_CURRENT); }},
    {"a code that gives a number below the first program", 0, "0106y", nullptr,
     [](const SheetTest&) { return std::string(); }},
    {"no program name file", 0, "01065",
     [](const SheetTest& t) { DeleteFileA(ProgramFile(t).c_str()); },
     [](const SheetTest&) { return std::string(); }},
    {"a program name file that ends inside the record", 0, "01066",
     [](const SheetTest& t) { Truncate(ProgramFile(t), 24 + 58 + 20); },
     [](const SheetTest&) { return std::string(); }},
};
} // namespace

TEST(PositionDiscovery, ProgramTextComesFromTheProgramNameFile)
{
    for (const ProgramCase& c : kProgramCases) {
        SCOPED_TRACE(c.what);
        SheetTest test("deu");
        test.m_sheet->m_nInitialGroup = c.group;
        if (c.code)
            PatchRecord(test, 0, 16, c.code);
        if (c.damage)
            c.damage(test);
        test.Run([&](Window sheet) {
            EXPECT_EQ(0, sheet.Control(IDC_POSITION_LIST).Selection()) << c.what;
            EXPECT_EQ(c.expected(test), sheet.Control(IDC_PROGRAM).Text()) << c.what;
            sheet.Control(IDCANCEL).Click();
        });
    }
}
