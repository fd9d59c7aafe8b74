// Which positions feed which, as their transfer headers say, and what follows from it: the
// chains that lead back to where they started (cycles), and an order in which positions
// can be recalculated so that every source comes before the positions it feeds.
#pragma once

#include <cstddef>
#include <vector>

namespace loaddata
{

struct FeedGraph {
    // feeds[s]: the positions that position s transfers loads into.
    std::vector<std::vector<std::size_t>> feeds;
};

// The positions of every cycle (a group that feeds itself, a position that feeds itself),
// each group in ascending order. Iterative: chains of any depth are fine.
std::vector<std::vector<std::size_t>> cyclesOf(const FeedGraph& graph);

// The changed positions and every position they feed, directly or through others, in an
// order in which each comes after all of its sources among them (those ready at the same
// time in ascending order).
// Those that a cycle among them feeds cannot be ordered and go to blocked.
void recalculationOrder(const FeedGraph& graph, const std::vector<std::size_t>& changed,
                        std::vector<std::size_t>& order, std::vector<std::size_t>& blocked);

} // namespace loaddata
