// The project's load path as the load data library's project check reports it
// (CheckProjectStaleness): the transfers that are not current, the positions to
// recalculate in order, and the cycles.
#pragma once

#include <string>
#include <vector>

namespace host
{

// The library's transfer states (model/LoadDataInterface.h).
enum LoadPathState {
    kPathCurrent = 0,
    kPathStale = 1,
    kPathNoLongerFits = 2,
    kPathSourceMissing = 3,
    kPathSourceDamaged = 4,
    kPathTransfersDamaged = 5,
    kPathLoadDataDamaged = 6,
};

struct LoadPathFinding {
    std::string receiver; // load file of the receiving position, or the unreadable file
    std::string source;   // load file of the source, empty for an unreadable file
    int transferNumber = 0;
    int state = kPathCurrent;
    double largestChange = 0.0;
};

struct LoadPathCheck {
    std::vector<LoadPathFinding> findings; // every transfer that is not current
    std::vector<std::string> order;        // load files, sources first
    std::vector<std::vector<std::string>> cycles;

    int staleCount() const;
};

// 0, or the library's (S) result when the project cannot be checked.
int checkLoadPath(const std::string& directory, LoadPathCheck& check);

} // namespace host
