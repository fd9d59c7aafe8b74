// The project check of the load path: which transfers are stale, in which order the
// positions are to be recalculated, and the cycles. The result of the last check is kept
// until the next one or FreeProjectStaleness.
#include "model/LoadDataInterface.h"

#include "loaddata/CallResult.h"
#include "loaddata/ProjectStaleness.h"
#include "loaddata/SuiteText.h"

#include <cstring>
#include <memory>

using namespace loaddata;

namespace
{

constexpr std::size_t kPathSize = 260;

std::unique_ptr<ProjectStaleness> g_checked;

template <class List> bool inRange(int i, const List& list)
{
    return i >= 0 && static_cast<std::size_t>(i) < list.size();
}

// Both texts fit their buffers, or neither buffer is touched.
bool handOutPaths(const std::string& a, char* bufferA, const std::string& b, char* bufferB)
{
    return a.size() < kPathSize && b.size() < kPathSize && copyToBuffer(a, bufferA, kPathSize) &&
           copyToBuffer(b, bufferB, kPathSize);
}

} // namespace

extern "C" {

int CheckProjectStaleness(const char* folder, int* transferCount, int* orderCount, int* cycleCount)
{
    return guarded([&]() -> int {
        g_checked.reset();
        if (folder == nullptr || strnlen(folder, kPathSize) >= kPathSize ||
            transferCount == nullptr || orderCount == nullptr || cycleCount == nullptr)
            return ResultBadArgument;
        auto checked = std::make_unique<ProjectStaleness>();
        FormatError planError = FormatError::None;
        if (!checkProjectStaleness(folder, *checked, planError))
            return resultOf(planError);
        *transferCount = static_cast<int>(checked->transfers.size());
        *orderCount = static_cast<int>(checked->order.size());
        *cycleCount = static_cast<int>(checked->cycles.size());
        g_checked = std::move(checked);
        return ResultOk;
    });
}

int GetTransferStaleness(int i, char* receiver, char* source, int* transferNumber, int* state,
                         double* largestChange)
{
    if (!g_checked || !inRange(i, g_checked->transfers) || receiver == nullptr ||
        source == nullptr || transferNumber == nullptr || state == nullptr ||
        largestChange == nullptr)
        return ResultBadArgument;
    const TransferStatus& status = g_checked->transfers[static_cast<std::size_t>(i)];
    if (!handOutPaths(status.receiver, receiver, status.source, source))
        return ResultBadArgument;
    *transferNumber = status.transferNumber;
    *state = static_cast<int>(status.state);
    *largestChange = status.largestChange;
    return ResultOk;
}

int GetRecalculationStep(int i, char* file)
{
    if (!g_checked || !inRange(i, g_checked->order) ||
        !copyToBuffer(g_checked->order[static_cast<std::size_t>(i)], file, kPathSize))
        return ResultBadArgument;
    return ResultOk;
}

int GetCyclePosition(int cycle, int k, char* file)
{
    if (!g_checked || !inRange(cycle, g_checked->cycles))
        return ResultBadArgument;
    const std::vector<std::string>& positions = g_checked->cycles[static_cast<std::size_t>(cycle)];
    if (!inRange(k, positions) ||
        !copyToBuffer(positions[static_cast<std::size_t>(k)], file, kPathSize))
        return ResultBadArgument;
    return ResultOk;
}

void FreeProjectStaleness(void)
{
    g_checked.reset();
}

} // extern "C"
