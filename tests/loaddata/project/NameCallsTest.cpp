// The position and name calls of loaddata.dll on a generated, registered project.
#include "GeneratedProject.h"

#include "model/LoadDataInterface.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// The calls on one project: positions by name in either project, the group and project
// names; wrong arguments give 0. The names with their status fields, the program names and
// the transfer file of a load file: the page's and the source page's tests, which read them
// through these calls; the plan file read again after a change: SuiteEnvironment's tests.
TEST(NameCalls, AnswerFromTheRegisteredProject)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& wall =
        project.position([](const kvdata::Position& p) { return p.programCode == "01067"; });
    const kvdata::Position& slab =
        project.position([](const kvdata::Position& p) { return p.fem; });
    char path[260], name[260], code[6], field21[21], field76[76];
    EXPECT_GT(Get_Position_File_New_Ex(0, (wall.name + "   ").c_str(), path), 0)
        << "trailing blanks do not count";
    EXPECT_STRCASEEQ(project.loadFile(wall).c_str(), path);
    // Version-0 transfer files: the project of the given position file.
    EXPECT_GT(Get_Position_File_Ex(project.transferFile(slab).c_str(), slab.name.c_str(), path), 0);
    EXPECT_STRCASEEQ(project.loadFile(slab).c_str(), path);

    const std::string file = project.transferFile(wall);
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
        {"not a position file", Get_Position_File_Ex("C:\\nowhere.txt", slab.name.c_str(), path)},
        {"too long", Get_Position_Name(tooLong.c_str(), name, code, field21, field76)},
        {"no program: the group's name", Get_Program_Name("00000", name, field21, field76)},
        {"no project", Get_Gruppe_Name("C:\\nowhere\\d000001.017", name)},
    };
    for (const auto& f : failing)
        EXPECT_EQ(f.result, 0) << f.what;
}

} // namespace
