// Finding positions in the plan file of their project: by name (to locate a load file) and
// by file (to name a position). Plan files are read once and kept while they are unchanged
// on disk, since the transferred-load page asks for thousands of names in a row.
#pragma once

#include "loaddata/FormatError.h"
#include "loaddata/PlanFile.h"
#include "loaddata/PositionFileName.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace loaddata
{

enum class LookupError {
    None,
    BadFileName, // the path is not a position file's
    NoPlan,      // the project's plan file is missing
    PlanDamaged, // the plan file cannot be read as one
    NotListed,   // the plan file lists no such position
    NoLoadFile,  // the position is listed but its load file is missing
};

// A plan file with its positions indexed by name and by the number their file names carry.
struct ProjectPlan {
    explicit ProjectPlan(PlanFile planFile);

    PlanFile file;
    std::unordered_map<std::string, std::size_t> byName; // the first record of each name
    std::unordered_map<std::string, std::vector<std::size_t>> byFileNumber[2]; // per kind
};

// A position as its project's plan file lists it.
struct ListedPosition {
    std::string directory; // with its trailing separator
    ProjectKind kind = ProjectKind::Current;
    std::shared_ptr<const ProjectPlan> plan;
    std::size_t index = 0; // the record; position number index + 1

    const PlanRecord& record() const { return plan->file.records[index]; }
};

// The plan file of a project directory (with its trailing separator).
LookupError planOf(const std::string& directory, std::shared_ptr<const ProjectPlan>& plan);

// The full path of the load file of the position with the given name (trailing blanks do
// not count) in the project directory; the first listed position of that name counts.
LookupError findLoadFile(const std::string& directory, ProjectKind kind, const std::string& name,
                         std::string& loadFile);

// The listed position that a load or transfer file belongs to.
LookupError findListedPosition(const std::string& file, ListedPosition& position);

} // namespace loaddata
