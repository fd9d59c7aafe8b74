// Load data and transfers for the tests, with every field set to a value of its own, and
// comparisons field by field.
#pragma once

#include "loaddata/PositionLoadData.h"
#include "loaddata/TransferData.h"

// A piece whose every field, the 48 carried bytes included, depends on the seed.
TrapezoidPiece samplePiece(int seed);

// A wall-like position: two supports, three loads; support 0 carries point reactions,
// support 1 distributed ones with pieces, nodes and reference nodes.
loaddata::PositionLoadData samplePosition();

// Three transfers (one without assignment rows) and four records: point and distributed
// ones, with and without pieces and nodes, both signs of transfer numbers.
loaddata::TransferData sampleTransfer();

bool operator==(const TrapezoidPiece& a, const TrapezoidPiece& b);
bool operator==(const NodeCoord& a, const NodeCoord& b);
bool operator==(const BindRecord& a, const BindRecord& b); // every field but the pointers

namespace loaddata
{
bool operator==(const ReactionComponent& a, const ReactionComponent& b);
bool operator==(const Reaction& a, const Reaction& b);
bool operator==(const PositionLoadData& a, const PositionLoadData& b);
bool operator==(const AssignmentRow& a, const AssignmentRow& b);
bool operator==(const TransferHeader& a, const TransferHeader& b);
bool operator==(const TransferRecord& a, const TransferRecord& b);
bool operator==(const TransferData& a, const TransferData& b);
} // namespace loaddata
