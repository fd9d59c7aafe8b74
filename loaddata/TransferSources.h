// What the tree check needs of a position's files, read without touching the state of the
// bind calls or of LoadSerializeData, which a caller may be in the middle of. What was read
// is kept while a file's size and time of last writing stay the same: the page checks every
// position, and each check walks all positions that feed it.
#pragma once

#include "loaddata/FormatError.h"

#include <string>
#include <vector>

namespace loaddata
{

// Whether the load file can be read whole.
bool isReadableLoadFile(const std::string& loadFile);

// The source load files the headers of a transfer file name, in header order; Missing when
// the position has no transfer file.
FormatError readTransferSources(const std::string& transferFile, std::vector<std::string>& sources);

} // namespace loaddata
