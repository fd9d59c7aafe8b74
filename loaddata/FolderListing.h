// The files of a folder listed once, and a search pattern matched against them as the
// system's wildcard search matches it: after a save into a project folder every position's
// load file is looked for again, and listing the folder once is far cheaper than one
// system search per position.
#pragma once

#include <string>
#include <vector>

namespace loaddata
{

// A name in a folder, with the short name the system may also match (empty if none).
struct FolderEntry {
    std::string name;
    std::string shortName;
};

// The folder's entries in the order the system's search lists them (none when it cannot
// be read).
std::vector<FolderEntry> listFolder(const std::string& directory);

// Whether the entry matches the pattern ('?' = any one character, '*' = any run,
// case-insensitive) as findFirstFile would find it.
bool matchesPattern(const std::string& pattern, const FolderEntry& entry);

} // namespace loaddata
