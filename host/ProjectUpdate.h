// Bringing a position's transfers up to date as the load transfer editor's OK would: they
// are read back through the editor's own ReadTransfers, which takes every reaction from
// the source position as it is now, written through its WriteTransfers, and the position
// is then recalculated.
#pragma once

#include "host/HostProject.h"

#include <string>

namespace host
{

// False with the reason, and the transfer file untouched, when the transfers do not read
// back whole (a source missing or no longer fitting: the editor has to repair them);
// false when the recalculation fails.
bool updatePosition(HostProject& project, std::size_t index, std::string& error);

} // namespace host
