// Bringing a position's transfers up to date as the load transfer editor's OK would: they
// are read back through the editor's own ReadTransfers, which takes every reaction from
// the source position as it is now, written through its WriteTransfers, and the position
// is then recalculated.
#pragma once

#include "host/HostProject.h"

#include <functional>
#include <string>
#include <vector>

namespace host
{

// False with the reason, and the transfer file untouched, when the transfers do not read
// back whole (a source missing or no longer fitting: the editor has to repair them);
// false when the recalculation fails.
bool updatePosition(HostProject& project, std::size_t index, std::string& error);

// Updates the positions of the order (load files, sources first) one after the other.
// Between two positions, `next(done)` is asked whether to go on. The number updated; when
// a position fails, failure names it and why, and the run stops there.
std::size_t updateInOrder(HostProject& project, const std::vector<std::string>& order,
                          const std::function<bool(std::size_t done)>& next, std::string& failed,
                          std::string& failure);

} // namespace host
