// The project check of the load path: for every transfer of every position, whether the
// reactions it stores are still what its source position's load file holds; and the
// positions that have to be recalculated because of it, sources before the positions they
// feed. What counts and why is described in docs/loaddata.md.
#pragma once

#include "loaddata/FormatError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

// In this order: the data tool's words and the call's state codes are tables by it.
enum class TransferState {
    Current,          // every stored reaction equals the source's, bit for bit
    Stale,            // the source holds other values now
    NoLongerFits,     // the source has other supports, loads or components now
    SourceMissing,    // the source's load file is gone
    SourceDamaged,    // the source's load file cannot be read
    TransfersDamaged, // the receiving position's transfer file cannot be read
    LoadDataDamaged,  // the receiving position's own load file cannot be read
};

// A transfer, or a file of a position that could not be read (then transferNumber is 0).
struct TransferStatus {
    std::string receiver; // the receiving position's load file (.017), or the damaged file
    std::string source;   // the source's load file as the transfer header names it
    int32_t transferNumber = 0;
    TransferState state = TransferState::Current;
    double largestChange = 0.0;            // the largest difference of a stored value, kN or kN/m
    FormatError error = FormatError::None; // why a file could not be read
};

struct ProjectStaleness {
    std::vector<TransferStatus> transfers;        // in plan order, each position's in file order
    std::vector<std::string> order;               // load files to recalculate, sources first
    std::vector<std::string> blocked;             // to recalculate, but fed through a cycle
    std::vector<std::vector<std::string>> cycles; // the load files of each cycle

    // True when every transfer is current, every file readable and no cycle found.
    bool clean() const;
};

bool isStale(TransferState state);

// Checks the project in directory (with or without its trailing separator). False with
// the reason when its plan file cannot be read.
bool checkProjectStaleness(const std::string& directory, ProjectStaleness& result,
                           FormatError& planError);

// The state in words, for the data tool.
const char* describeTransferState(TransferState state);

} // namespace loaddata
