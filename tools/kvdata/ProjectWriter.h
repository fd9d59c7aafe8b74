// Writes a sample building as the suite's programs would: the program root with the
// program name file and the project list, the INI file, both projects' plan files, and
// every position's load file and transfer file through the load data library's calls.
#pragma once

#include "tools/kvdata/SampleBuilding.h"

#include <string>

namespace kvdata
{

// The folders of a generated project below its root, each with its trailing separator.
struct ProjectFolders {
    std::string root;
    std::string programRoot; // "p1w\": pronamew, nampr.txt
    std::string project;     // "projekt\": the current project
    std::string fem;         // "fem\": the FEM project
};

ProjectFolders foldersOf(const std::string& root);

// The full path of a position's load file in the generated project.
std::string loadFilePath(const ProjectFolders& folders, const Position& position);

// False with a message in words when a file could not be written.
bool writeProject(const Building& building, const ProjectFolders& folders, std::string& error);

// Makes the generated project the suite's current one: the INI key "prgRoot" and the
// registry value "CurOrvexPath".
bool registerProject(const ProjectFolders& folders);

} // namespace kvdata
