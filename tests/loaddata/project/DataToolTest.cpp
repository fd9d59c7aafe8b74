// The data tool's check and dump on a generated project, and its command line.
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

std::string dumped(const std::string& path, bool json, bool& ok)
{
    std::ostringstream out;
    ok = kvdata::dumpFile(path, json, out);
    return out.str();
}

// Every kind of path checks without fault and every kind of file dumps as text and as JSON;
// then a damaged project's check says what is wrong.
TEST(DataTool, CheckAndDumpEveryKindOfFile)
{
    kvdata::BuildingSize size;
    size.positions = 60;
    size.femPositions = 5;
    size.storeys = 4;
    GeneratedProject project(size);
    ASSERT_TRUE(project.written());
    const kvdata::ProjectFolders& folders = project.folders();
    const kvdata::Position& wall =
        project.position([](const kvdata::Position& p) { return p.programCode == "01067"; });
    const struct {
        std::string path;
        const char* field; // nullptr: a folder, not dumped
    } paths[] = {{folders.project, nullptr},
                 {folders.fem, nullptr},
                 {folders.programRoot, nullptr},
                 {folders.root + "tavenix.ini", "prgRoot"},
                 {folders.programRoot + "nampr.txt", "projectDirectory"},
                 {folders.project + "plann", "changesSinceCalculation"},
                 {folders.programRoot + "pronamew", "shortName"},
                 {project.loadFile(wall), "piecesPerComponent"},
                 {project.transferFile(wall), "transferNumber"}};
    for (const auto& p : paths) {
        SCOPED_TRACE(p.path);
        std::ostringstream out;
        EXPECT_TRUE(kvdata::checkPath(p.path, out)) << out.str();
        if (!p.field)
            continue;
        bool ok = false;
        const std::string text = dumped(p.path, false, ok);
        EXPECT_TRUE(ok);
        EXPECT_NE(text.find(p.field), std::string::npos) << text;
        const std::string json = dumped(p.path, true, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(json.front(), '{');
        EXPECT_EQ(json.substr(json.size() - 2), "}\n");
        EXPECT_NE(json.find(std::string("\"") + p.field + "\": "), std::string::npos) << json;
    }
    bool ok = true;
    EXPECT_NE(dumped(folders.project + "plann", true, ok).find("\"Gr\xc3\xbcndung\""),
              std::string::npos)
        << "JSON texts in UTF-8";
    EXPECT_NE(dumped(folders.root + "readme.txt", false, ok).find("not a file of the suite"),
              std::string::npos);
    EXPECT_FALSE(ok);
    dumped(folders.project + "dXX9999.017", true, ok);
    EXPECT_FALSE(ok) << "a missing file";

    const kvdata::Position& purlin = project.position(
        [](const kvdata::Position& p) { return !p.fem && p.programCode == "01066"; });
    std::remove(project.loadFile(purlin).c_str());
    flipByte(project.transferFile(wall), 20);
    std::ostringstream out;
    EXPECT_FALSE(kvdata::checkPath(folders.project, out));
    for (const char* message :
         {"its load file is missing", "check sum does not match", "no longer exists"})
        EXPECT_NE(out.str().find(message), std::string::npos) << out.str();
    std::remove((folders.project + "plann").c_str());
    std::ostringstream root;
    EXPECT_FALSE(kvdata::checkPath(folders.root + "tavenix.ini", root));
    EXPECT_NE(root.str().find("plann: the file does not exist"), std::string::npos) << root.str();
}

// The program itself, beside the test program: its commands and their exit codes.
TEST(DataTool, CommandLine)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kvdata_command_line";
    const struct {
        std::string arguments;
        int exitCode;
    } runs[] = {
        {"generate \"" + folder + "\" --positions 30 --fem 2 --storeys 2", 0},
        {"check \"" + folder + "\\projekt\"", 0},
        {"dump \"" + folder + "\\projekt\\plann\" --json", 0},
        {"dump \"" + folder + "\\projekt\\nothing.017\"", 1},
        {"generate \"" + folder + "\" --positions 3", 2}, // too few positions
        {"generate \"" + folder + "\" --storeys", 2},
        {"frobnicate x", 2},
    };
    for (const auto& run : runs)
        EXPECT_EQ(std::system(("kvdata.exe " + run.arguments + " >NUL 2>NUL").c_str()),
                  run.exitCode)
            << run.arguments;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace
