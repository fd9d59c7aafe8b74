// Position discovery through the source page: what the position list shows for the
// suite's files, damaged and hostile ones included, which row it selects, the program
// text of the selected position, and that no copy of the plan file stays behind.
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/loaddata/support/TempFolder.h"
#include "tests/source/SourceTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

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

std::vector<std::string> CurrentNames(const SheetTest& t)
{
    return sourcetest::NamesOf(t.m_project->building(), false,
                               t.m_sheet->m_strOwnPosition.GetString());
}

std::string ProgramName(const SheetTest& t, int number)
{
    for (const kvdata::Program& program : t.m_project->building().programs)
        if (program.number == number)
            return program.name;
    return "?";
}

// What the page shows: the rows of the position list, the selected row (-1: none) and,
// when given, the program text of the selected position.
struct Shown {
    std::vector<std::string> rows;
    int selected = 0;
    std::optional<std::string> program;
};

const Shown kNothing = {{}, -1, std::nullopt};

struct DiscoveryCase {
    const char* what;
    int group;
    // Changes project, settings or sheet; what the page must show then.
    std::function<Shown(SheetTest&)> prepare;
};

const DiscoveryCase kCases[] = {
    {"blank records count for the number, the own position is left out; a program code "
     "ending in 065 names the first program",
     0,
     [](SheetTest& t) {
         PatchRecord(t, CurrentNames(t)[0], 16, "01065");
         return Shown{CurrentNames(t), 0, ProgramName(t, 65)};
     }},
    {"the own position's file named in lower case; no program name file", 0,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPath.MakeLower();
         DeleteFileA(ProgramFile(t).c_str());
         return Shown{CurrentNames(t), 0, ""};
     }},
    {"two load files match one number; a program code ending in 000 shows the group", 0,
     [](SheetTest& t) {
         const std::string first = t.m_project->loadFile(t.Named(CurrentNames(t)[0]));
         const size_t at = first.find_last_of('\\') + 2;
         CopyFileA(first.c_str(), (first.substr(0, at) + "ZZ" + first.substr(at + 2)).c_str(),
                   TRUE);
         PatchRecord(t, CurrentNames(t)[0], 16, "00000");
         return Shown{CurrentNames(t), 0, t.m_language.String(IDS_GROUP_CURRENT)};
     }},
    {"a name of sixteen characters, a record of zero bytes counted like a blank one; a "
     "program code of letters counts as 0",
     0,
     [](SheetTest& t) {
         std::vector<std::string> names = CurrentNames(t);
         PatchRecord(t, names[0], 0, "ABCDEFGHIJKLMNOPabcde");
         PatchRecord(t, names[1], 0, std::string(16, '\0'));
         names[0] = "ABCDEFGHIJKLMNOP";
         names.erase(names.begin() + 1);
         return Shown{names, 0, t.m_language.String(IDS_GROUP_CURRENT)};
     }},
    {"a stored position that no longer exists selects the first; a program number below the "
     "first program",
     0,
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
    {"an empty plan file", 0,
     [](SheetTest& t) {
         Truncate(PlanFile(t), 0);
         return kNothing;
     }},
    {"a plan file shorter than 361 bytes", 0,
     [](SheetTest& t) {
         Truncate(PlanFile(t), 360);
         return kNothing;
     }},
    {"a plan file cut within a record lists the records before it; a program name file "
     "that ends inside the record",
     0,
     [](SheetTest& t) {
         std::vector<std::string> names = CurrentNames(t);
         Truncate(PlanFile(t), 345 + 400 * t.Named(names[3]).planIndex + 30);
         names.resize(3);
         PatchRecord(t, names[0], 16, "01066");
         Truncate(ProgramFile(t), 24 + 58 + 20);
         return Shown{names, 0, ""};
     }},
    {"without the project list the plan file of the current directory", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().project.c_str());
         // The listed files are then named without a folder: the own position's full path
         // names none of them.
         return Shown{sourcetest::NamesOf(t.m_project->building(), false), 0, std::nullopt};
     }},
    {"without the project list, a current directory without a plan file", 0,
     [](SheetTest& t) {
         DeleteFileA((t.m_project->folders().programRoot + "nampr.txt").c_str());
         SetCurrentDirectoryA(t.m_project->folders().root.c_str());
         return kNothing;
     }},
    {"the FEM project: four-digit, five-digit and negative numbers, the own name left out", 1,
     [](SheetTest& t) {
         t.m_sheet->m_strOwnPosition = "Platte 2";
         return Shown{sourcetest::NamesOf(t.m_project->building(), true, "Platte 2"), 0,
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
        const int copies = sourcetest::PlanCopies();
        {
            SheetTest test("deu");
            test.m_sheet->m_nInitialGroup = c.group;
            const Shown expected = c.prepare(test);
            const std::string directory = CurrentDirectory();
            test.Run([&](Window sheet) {
                const Window list = sheet.Control(IDC_POSITION_LIST);
                EXPECT_EQ(expected.rows, sourcetest::Rows(list)) << c.what;
                EXPECT_EQ(expected.selected, list.Selection()) << c.what;
                EXPECT_EQ(!expected.rows.empty(), sheet.Control(IDOK).IsEnabled()) << c.what;
                if (expected.program) {
                    EXPECT_EQ(*expected.program, sheet.Control(IDC_PROGRAM).Text()) << c.what;
                }
                sheet.Control(IDCANCEL).Click();
            });
            EXPECT_EQ(directory, CurrentDirectory()) << c.what;
            SetCurrentDirectoryA(start.c_str());
        }
        EXPECT_EQ(copies, sourcetest::PlanCopies()) << c.what;
    }
}
