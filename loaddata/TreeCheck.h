// The check of a position for the transferred-load page: can the position and everything
// that transfers loads into it, down to the positions that receive nothing, be shown?
// Codes and their meaning are listed in docs/loaddata.md.
#pragma once

#include <string>

namespace loaddata
{

enum TreeCode {
    TreeOk = 0,                // the position and its sources are in order
    TreeNotAPosition = -1,     // the argument names no position file
    TreeNoLoadFile = -2,       // the position's load file (.017) is missing
    TreeLoadDataDamaged = -3,  // the load file of `file` cannot be read
    TreeTransfersDamaged = -4, // the transfer file of `file` cannot be read
    TreeNotListed = -5,        // the plan file of the project is missing, damaged or does
                               // not list the position
    TreeSourceMissing = -10,   // a transfer of `file` names a source position that no
                               // longer exists (`otherFile` is the path it names)
    TreeNoTransfers = -11,     // in order; the position receives no loads
    TreeCycle = -12,           // `file` receives loads from itself through a chain of
                               // transfers (`otherFile` is the position that closes it)
    TreeOutdated = -13,        // shown, but the load data is older than the position's
                               // transfers or than the load data of a source (`otherFile`)
};

struct TreeFinding {
    int code = TreeOk;
    std::string file;      // the transfer file (.016) of the position the code is about
    std::string otherFile; // a second file involved, or empty
};

TreeFinding checkTree(const std::string& file);

// The code in words, for the data tool.
const char* describeTreeCode(int code);

} // namespace loaddata
