#include "host/LoadPathCheck.h"

#include "model/LoadDataInterface.h"

#include <algorithm>

namespace host
{

int LoadPathCheck::staleCount() const
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const auto& f) {
        return f.state == kPathStale || f.state == kPathNoLongerFits;
    }));
}

int checkLoadPath(const std::string& directory, LoadPathCheck& check)
{
    check = LoadPathCheck();
    int transfers = 0, steps = 0, cycles = 0;
    const int result =
        CheckProjectStaleness(directory.c_str(), &transfers, &steps, &cycles) & 0xFFFF;
    if (result != 0)
        return result;
    char receiver[260], source[260];
    for (int i = 0; i < transfers; ++i) {
        LoadPathFinding f;
        if (GetTransferStaleness(i, receiver, source, &f.transferNumber, &f.state,
                                 &f.largestChange) != 0 ||
            f.state == kPathCurrent)
            continue;
        f.receiver = receiver;
        f.source = source;
        check.findings.push_back(f);
    }
    for (int i = 0; i < steps; ++i)
        if (GetRecalculationStep(i, receiver) == 0)
            check.order.push_back(receiver);
    for (int c = 0; c < cycles; ++c) {
        check.cycles.emplace_back();
        for (int k = 0; GetCyclePosition(c, k, receiver) == 0; ++k)
            check.cycles.back().push_back(receiver);
    }
    FreeProjectStaleness();
    return 0;
}

} // namespace host
