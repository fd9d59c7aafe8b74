// Cycles and the order of recalculation on small feed graphs, and which states of a
// transfer make its receiver need a recalculation.
#include "loaddata/RecalculationOrder.h"
#include "loaddata/ProjectStaleness.h"

#include <gtest/gtest.h>

using namespace loaddata;

TEST(RecalculationOrder, SourcesFirstCyclesBlocked)
{
    using List = std::vector<std::size_t>;
    const struct {
        const char* name;
        std::vector<List> feeds;
        List changed, order, blocked;
        std::vector<List> cycles;
    } cases[] = {
        {"chain", {{1}, {2}, {}}, {0}, {0, 1, 2}, {}, {}},
        {"a source that did not change", {{2}, {2}, {}}, {0}, {0, 2}, {}, {}},
        {"two paths into one", {{1, 2}, {2}, {}}, {0}, {0, 1, 2}, {}, {}},
        {"feeds itself", {{0, 1}, {}}, {0}, {}, {0, 1}, {{0}}},
        {"cycle and below", {{1}, {0, 2}, {}}, {2}, {2}, {}, {{0, 1}}},
        {"from a cycle", {{1}, {0, 2}, {}}, {0}, {}, {0, 1, 2}, {{0, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FeedGraph graph{c.feeds};
        List order, blocked;
        recalculationOrder(graph, c.changed, order, blocked);
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(blocked, c.blocked);
        EXPECT_EQ(cyclesOf(graph), c.cycles);
    }
    for (TransferState state : {TransferState::Stale, TransferState::NoLongerFits})
        EXPECT_TRUE(isStale(state)) << describeTransferState(state);
    for (TransferState state : {TransferState::Current, TransferState::SourceMissing,
                                TransferState::SourceDamaged, TransferState::TransfersDamaged})
        EXPECT_FALSE(isStale(state)) << describeTransferState(state);
}
