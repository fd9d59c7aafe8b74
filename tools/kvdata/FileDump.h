// Shows one of the suite's files with every field named: the INI file, the project list,
// a plan file, the program name file, a position load file (.017) or a transfer file
// (.016). The kind is told by the file's name.
#pragma once

#include <ostream>
#include <string>

namespace kvdata
{

// False, with the reason on the output, when the file cannot be read as its kind.
bool dumpFile(const std::string& path, bool json, std::ostream& out);

} // namespace kvdata
