// The file names of a position: its load file is "d" + two characters + the last four
// digits of its plan record number + ".017" in the current project, "kv" + the last six
// characters of its "%06i" FEM number + ".017" in a FEM project; its transfer file has the
// same base name and the extension ".016".
#pragma once

#include "loaddata/PlanFile.h"

#include <cstddef>
#include <string>

namespace loaddata
{

enum class ProjectKind { Current, Fem };

// The wildcard pattern of a position's load file; "??" stands for letters not recorded.
std::string loadFilePattern(ProjectKind kind, const PlanRecord& record, std::size_t index);

// The transfer file or the load file of a position, from either of its files; false when
// the path ends in neither ".016" nor ".017".
bool transferFileOf(const std::string& file, std::string& transferFile);
bool loadFileOf(const std::string& file, std::string& loadFile);

// Whether the plan record at index is the position that a file name (without directory)
// stands for.
bool namesPosition(const std::string& fileName, const PlanRecord& record, std::size_t index);

// The kind of project a position file name belongs to; false when it is no position's.
bool projectKindOf(const std::string& fileName, ProjectKind& kind);

// The characters of a position's file name that carry its number: the last four digits of
// its plan record number, or the last six characters of its "%06i" FEM number.
std::string fileNumberOf(ProjectKind kind, const PlanRecord& record, std::size_t index);
// The same characters of a file name; false when it is no position's.
bool fileNumberOf(const std::string& fileName, ProjectKind& kind, std::string& number);

} // namespace loaddata
