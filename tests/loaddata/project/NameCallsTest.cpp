// The position and name calls of loaddata.dll on a generated, registered project.
#include "GeneratedProject.h"

#include "loaddata/FileIo.h"
#include "loaddata/PlanFile.h"
#include "loaddata/ProgramNameFile.h"
#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <windows.h>

namespace
{

bool isFem(const kvdata::Position& p)
{
    return p.fem;
}
bool isWall(const kvdata::Position& p)
{
    return !p.fem && p.programCode == "01067";
}

// Every call on one project: positions by name in either project, names with their status
// fields, the program, volume, group and project names; wrong arguments give 0.
TEST(NameCalls, AnswerFromTheRegisteredProject)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& wall = project.position(isWall);
    const kvdata::Position& slab = project.position(isFem);
    char path[260], name[260], code[6], field21[21], field76[76];
    EXPECT_GT(Get_Position_File_New_Ex(0, (wall.name + "   ").c_str(), path), 0)
        << "trailing blanks do not count";
    EXPECT_STRCASEEQ(project.loadFile(wall).c_str(), path);
    // Version-0 transfer files: the project of the given position file.
    EXPECT_GT(Get_Position_File_Ex(project.transferFile(slab).c_str(), slab.name.c_str(), path), 0);
    EXPECT_STRCASEEQ(project.loadFile(slab).c_str(), path);

    const kvdata::Position& changed =
        project.position([](const kvdata::Position& p) { return p.calculated && p.changes > 0; });
    ASSERT_GT(
        Get_Position_Name(project.transferFile(changed).c_str(), name, code, field21, field76), 0);
    EXPECT_EQ(changed.name, name);
    EXPECT_EQ(changed.programCode, code);
    EXPECT_NE(field21[2], '0') << "calculated";
    EXPECT_EQ(std::atoi(field76 + 70), changed.changes) << "changed since its calculation";

    EXPECT_GT(Get_Program_Name("01067", name, field21, field76), 0);
    EXPECT_STREQ("Mauerwerksw\xe4nde", name);
    EXPECT_STREQ("MW", field21);
    const std::string file = project.transferFile(wall);
    EXPECT_GT(Get_Volume_Name(file.c_str(), name), 0);
    EXPECT_EQ(wall.volume, name);
    EXPECT_GT(Get_Gruppe_Name(file.c_str(), name), 0);
    EXPECT_EQ(wall.group, name);
    EXPECT_GT(Get_Project_Name(project.loadFile(slab).c_str(), name), 0);
    EXPECT_EQ(project.building().femProjectName, name);

    const std::string tooLong = project.folders().project + std::string(300, 'x') + ".017";
    const struct {
        const char* what;
        int result;
    } failing[] = {
        {"the FEM project does not list the wall",
         Get_Position_File_New_Ex(1, wall.name.c_str(), path)},
        {"no buffer", Get_Position_File_New_Ex(0, wall.name.c_str(), nullptr)},
        {"not a position file", Get_Position_File_Ex("C:\\nowhere.txt", slab.name.c_str(), path)},
        {"too long", Get_Position_Name(tooLong.c_str(), name, code, field21, field76)},
        {"no program: the group's name", Get_Program_Name("00000", name, field21, field76)},
        {"after the last program", Get_Program_Name("01999", name, field21, field76)},
        {"no project", Get_Gruppe_Name("C:\\nowhere\\d000001.017", name)},
    };
    for (const auto& f : failing)
        EXPECT_EQ(f.result, 0) << f.what;
}

// Writes the file in place, as another program would, dated later than it was.
void rewrite(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    saveLater(path, 1);
}

// The calls answer from the suite's files as they read them before, read them again as soon
// as one of them changes, and fail when one is damaged or missing.
TEST(NameCalls, AnswersFollowTheSuiteFilesAsTheyChange)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& wall = project.position(isWall);
    const std::string file = project.loadFile(wall);
    const kvdata::ProjectFolders& folders = project.folders();
    const char* renamed = "9.99 Umbenannt";
    char name[260], path[260];
    ASSERT_GT(Get_Position_Name(file.c_str(), name, nullptr, nullptr, nullptr), 0);
    EXPECT_GT(Get_Program_Name("01067", name, nullptr, nullptr), 0);

    loaddata::PlanFile plan;
    ASSERT_EQ(loaddata::readPlanFile(folders.project + "plann", plan), loaddata::FormatError::None);
    plan.records[wall.planIndex].name = renamed;
    std::vector<unsigned char> bytes;
    loaddata::encodePlanFile(plan, bytes);
    rewrite(folders.project + "plann", bytes);
    EXPECT_GT(Get_Position_File_New_Ex(0, renamed, path), 0) << "plan file";
    EXPECT_STRCASEEQ(file.c_str(), path);

    loaddata::ProgramNameFile programs;
    ASSERT_EQ(loaddata::readProgramNameFile(folders.programRoot + "pronamew", programs),
              loaddata::FormatError::None);
    programs.programs[67 - 65].name = "W\xe4nde";
    loaddata::encodeProgramNameFile(programs, bytes);
    rewrite(folders.programRoot + "pronamew", bytes);
    ASSERT_GT(Get_Program_Name("01067", name, nullptr, nullptr), 0);
    EXPECT_STREQ("W\xe4nde", name) << "program name file";

    flipByte(folders.project + "plann", 345 + 400 * wall.planIndex + 2);
    EXPECT_EQ(Get_Position_Name(file.c_str(), name, nullptr, nullptr, nullptr), 0);
    flipByte(folders.programRoot + "pronamew", 24 + 58 * 2 + 5);
    EXPECT_EQ(Get_Program_Name("01067", name, nullptr, nullptr), 0);
    const kvdata::Position& slab = project.position(isFem);
    EXPECT_GT(Get_Position_File_New_Ex(1, slab.name.c_str(), path), 0);
    std::remove((project.loadFile(slab)).c_str());
    EXPECT_EQ(Get_Position_File_New_Ex(1, slab.name.c_str(), path), 0) << "no load file";
    std::remove((folders.programRoot + "nampr.txt").c_str());
    EXPECT_EQ(Get_Position_File_New_Ex(0, renamed, path), 0) << "no project list";

    // The INI file names a program root without a program name file.
    WritePrivateProfileStringA("pfade", "prgRoot", folders.project.c_str(), "tavenix.ini");
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string ini = std::string(windows) + "\\tavenix.ini";
    ASSERT_EQ(loaddata::readWholeFile(ini, bytes), loaddata::FormatError::None);
    rewrite(ini, bytes);
    EXPECT_EQ(Get_Program_Name("01067", name, nullptr, nullptr), 0) << "INI file";
}

TEST(NameCalls, ChangeExtension)
{
    const struct {
        const char* file;
        int result;
        const char* transferFile; // "" when the call fails
    } cases[] = {{"C:\\p\\dWA0004.017", 0, "C:\\p\\dWA0004.016"},
                 {"C:\\p.d\\plann", 1, ""},
                 {nullptr, 1, ""}};
    for (const auto& e : cases) {
        char out[260] = "";
        EXPECT_EQ(ChangeExtension(e.file, out), e.result) << (e.file ? e.file : "null");
        EXPECT_STREQ(out, e.transferFile);
    }
}

} // namespace
