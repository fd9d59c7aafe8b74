// The data tool's check and dump on generated projects.
#include "GeneratedProject.h"

#include "tools/kvdata/FileDump.h"
#include "tools/kvdata/ProjectCheck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <windows.h>

namespace
{

bool isWall(const kvdata::Position& p)
{
    return p.programCode == "01067";
}

std::string dumped(const std::string& path, bool json, bool* ok = nullptr)
{
    std::ostringstream out;
    const bool read = kvdata::dumpFile(path, json, out);
    if (ok)
        *ok = read;
    return out.str();
}

TEST(DataTool, GeneratedProjectsCheckWithoutFault)
{
    kvdata::BuildingSize size;
    size.positions = 60;
    size.femPositions = 5;
    size.storeys = 4;
    GeneratedProject project(size);
    ASSERT_TRUE(project.written());
    std::ostringstream out;
    EXPECT_TRUE(kvdata::checkPath(project.folders().project, out)) << out.str();
    EXPECT_TRUE(kvdata::checkPath(project.folders().fem, out)) << out.str();
    const kvdata::Position& wall = project.position(isWall);
    EXPECT_TRUE(kvdata::checkPath(project.transferFile(wall), out)) << out.str();
    EXPECT_TRUE(kvdata::checkPath(project.folders().project + "plann", out)) << out.str();
    EXPECT_TRUE(kvdata::checkPath(project.folders().programRoot, out)) << out.str();
    EXPECT_TRUE(kvdata::checkPath(project.folders().root + "tavenix.ini", out)) << out.str();
    EXPECT_TRUE(kvdata::checkPath(project.folders().programRoot + "nampr.txt", out)) << out.str();
}

TEST(DataTool, CheckSaysWhatIsWrong)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::Position& wall = project.position(isWall);
    std::remove(project.loadFile(project.building().positions[4]).c_str());
    std::FILE* f = std::fopen(project.transferFile(wall).c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 20, SEEK_SET);
    std::fputc(0x55, f);
    std::fclose(f);
    std::ostringstream out;
    EXPECT_FALSE(kvdata::checkPath(project.folders().project, out));
    const std::string report = out.str();
    EXPECT_NE(report.find("its load file is missing"), std::string::npos) << report;
    EXPECT_NE(report.find("check sum does not match"), std::string::npos) << report;
    EXPECT_NE(report.find("no longer exists"), std::string::npos) << report;

    std::remove((project.folders().project + "plann").c_str());
    std::ostringstream root;
    EXPECT_FALSE(kvdata::checkPath(project.folders().root + "tavenix.ini", root));
    EXPECT_NE(root.str().find("plann: the file does not exist"), std::string::npos) << root.str();
}

TEST(DataTool, DumpShowsEveryKindOfFile)
{
    GeneratedProject project;
    ASSERT_TRUE(project.written());
    const kvdata::ProjectFolders& folders = project.folders();
    const kvdata::Position& wall = project.position(isWall);
    const struct {
        std::string path;
        const char* field;
    } files[] = {{folders.root + "tavenix.ini", "prgRoot"},
                 {folders.programRoot + "nampr.txt", "projectDirectory"},
                 {folders.project + "plann", "changesSinceCalculation"},
                 {folders.programRoot + "pronamew", "shortName"},
                 {project.loadFile(wall), "piecesPerComponent"},
                 {project.transferFile(wall), "transferNumber"}};
    for (const auto& file : files) {
        bool ok = false;
        const std::string text = dumped(file.path, false, &ok);
        EXPECT_TRUE(ok) << file.path << "\n" << text;
        EXPECT_NE(text.find(file.field), std::string::npos) << text;
        const std::string json = dumped(file.path, true, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(json.front(), '{');
        EXPECT_EQ(json.substr(json.size() - 2), "}\n");
        EXPECT_NE(json.find(std::string("\"") + file.field + "\": "), std::string::npos) << json;
    }
    EXPECT_NE(dumped(folders.project + "plann", true).find("\"Gr\xc3\xbcndung\""),
              std::string::npos)
        << "JSON texts in UTF-8";
    bool ok = true;
    EXPECT_NE(dumped(folders.root + "readme.txt", false, &ok).find("not a file of the suite"),
              std::string::npos);
    EXPECT_FALSE(ok);
    dumped(folders.project + "dXX9999.017", true, &ok);
    EXPECT_FALSE(ok) << "a missing file";
}

// The program itself, beside the test program: its commands and their exit codes.
TEST(DataTool, CommandLine)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kvdata_command_line";
    const auto run = [](const std::string& arguments) {
        return std::system(("kvdata.exe " + arguments + " >NUL 2>NUL").c_str());
    };
    EXPECT_EQ(run("generate \"" + folder + "\" --positions 30 --fem 2 --storeys 2"), 0);
    EXPECT_EQ(run("check \"" + folder + "\\projekt\""), 0);
    EXPECT_EQ(run("dump \"" + folder + "\\projekt\\plann\" --json"), 0);
    EXPECT_EQ(run("dump \"" + folder + "\\projekt\\nothing.017\""), 1);
    EXPECT_EQ(run("generate \"" + folder + "\" --positions 3"), 2) << "too few positions";
    EXPECT_EQ(run("generate \"" + folder + "\" --storeys"), 2);
    EXPECT_EQ(run("frobnicate x"), 2);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace
