// Runs what the command line asks for and prints what was done, one line each.
#pragma once

#include "host/CommandLine.h"
#include "host/HostProject.h"

#include <ostream>

namespace host
{

// 0 when every command did its work, 1 when one failed (the rest are not run), 2 for a
// project that cannot be opened.
int runCommands(const HostOptions& options, std::ostream& out);

// A position's state as a word for scripts.
const char* stateWord(PositionState state);

} // namespace host
