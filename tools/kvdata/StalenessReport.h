// The data tool's report of a project's load path ("kvdata check --stale"): stale
// transfers, files that cannot be read, cycles and the order of recalculation, as text or
// as JSON.
#pragma once

#include <ostream>
#include <string>

namespace kvdata
{

// Exit codes: nothing stale, unreadable or cyclic; something is; the project cannot be
// checked (its plan file cannot be read).
enum StalenessExit { kStaleNone = 0, kStaleFound = 1, kStaleError = 2 };

int reportStaleness(const std::string& folder, bool json, std::ostream& out);

} // namespace kvdata
