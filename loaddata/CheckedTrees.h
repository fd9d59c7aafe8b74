// What earlier tree checks found in order: the transferred-load page checks every position
// of a project in a row, and each position's sources were mostly checked just before it.
// A position found in order, with everything that feeds it and nothing outdated, stays so
// while none of the folders its files lie in has changed: the suite saves a file by
// moving a new one over it, which changes the folder, and so does creating or deleting
// one. Saves of this process count as changes too.
#pragma once

#include <set>
#include <string>

namespace loaddata
{

// Whether an earlier check found the position of the transfer file (named by key, as the
// tree check compares paths) in order and its folders are unchanged; then adds those
// folders to folders.
bool checkedInOrder(const std::string& key, std::set<std::string>& folders);

// Remembers that the position is in order, with the folders of every file its check read;
// their stamps are taken from folderStamp, which within the check's StampScope gives the
// stamps taken before the files were read.
void rememberInOrder(const std::string& key, const std::set<std::string>& folders);

} // namespace loaddata
