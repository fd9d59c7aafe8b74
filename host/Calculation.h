// The host's design calculation of a position: its reactions computed by statics
// (Statics.h) from its design input and the loads transferred into it, and written into
// its load data.
#pragma once

#include <string>

namespace host
{

// False with the reason when the design input, the load file or the transfer file cannot
// be read, the static system does not fit the supports, or the load file cannot be written.
bool calculatePosition(const std::string& loadFile, std::string& error);

} // namespace host
