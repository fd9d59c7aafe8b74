// The data tool beside the test program: one run of each command, and a damaged project's
// check saying what is wrong.
#include "GeneratedProject.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

int run(const std::string& arguments)
{
    return std::system(("kvdata.exe " + arguments + " >NUL 2>NUL").c_str());
}

TEST(DataTool, CommandLine)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::ProjectFolders& folders = project.folders();
    const std::string folder = folders.root + "generated";
    // Without its last separator, which would escape the closing quote.
    const std::string checked = folders.project.substr(0, folders.project.size() - 1);
    const kvdata::Position& wall =
        project.position([](const kvdata::Position& p) { return p.programCode == "01067"; });
    EXPECT_EQ(run("generate \"" + folder + "\" --positions 30 --fem 2 --storeys 2"), 0);
    EXPECT_EQ(run("check \"" + checked + "\""), 0);
    EXPECT_EQ(run("dump \"" + project.transferFile(wall) + "\" --json"), 0);
    EXPECT_EQ(run("dump \"" + folders.project + "nothing.017\""), 1);
    EXPECT_EQ(run("frobnicate x"), 2);
    flipByte(project.transferFile(wall), 20);
    EXPECT_EQ(run("check \"" + checked + "\""), 1);
}

} // namespace
