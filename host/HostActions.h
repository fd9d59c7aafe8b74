// What the host does for its positions through the module and the load data library:
// open the load transfer editor, and recalculate a position when asked to.
#pragma once

#include "host/HostProject.h"

#include <windows.h>

#include <string>

namespace host
{

// In this order: the command line's words are a table by it.
enum class EditOutcome {
    Saved,     // OK in the editor: the position's transfers changed, it needs a recalculation
    Cancelled, // Cancel, the close box, or the editor could not be opened
    NoLoadData // the position has no load file, so it has no own loads to take transfers
};

// Runs DoModalKVEdit for the position over parent. After OK the position counts as
// changed since its calculation, as a design program records it.
EditOutcome editTransfers(HostProject& project, std::size_t index, HWND parent);

// The host's design calculation: the position's reactions computed from its design input
// and its transferred loads and written into its load data (Calculation.h), and the plan
// file's record marked calculated. False with the reason when it cannot be computed.
bool recalculate(HostProject& project, std::size_t index, std::string& error);

} // namespace host
