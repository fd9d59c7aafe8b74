// Validates one of the suite's files, a program root folder or a whole project folder and
// says in words what is wrong: files that cannot be read, an INI file or project list that
// leads nowhere, positions without load files, transfers that no longer fit their source
// positions, and every finding of the load data library's tree check.
#pragma once

#include <ostream>
#include <string>

namespace kvdata
{

// True when no fault was found (warnings do not count).
bool checkPath(const std::string& path, std::ostream& out);

} // namespace kvdata
