// The content of a position's transfer file (.016) as the library keeps it: the headers of
// the transfers with their assignment rows, and one record per transferred reaction
// component with its path name, trapezoid pieces and nodes.
#pragma once

#include "model/BindRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

// Versions of the transfer data: 0 names source positions relative to the receiving
// position's project; 1 to 4 name them by project group (the record's projectRef).
constexpr int32_t kCurrentTransferVersion = 4;

struct AssignmentRow {
    int32_t sourceLoad = 0;
    int32_t ownLoad = 0;
};

struct TransferHeader {
    std::string sourcePath; // the source position's file
    int32_t transferNumber = 0;
    std::vector<AssignmentRow> rows;
};

struct TransferRecord {
    // Every field of the record but the pointers, which are null, and the counts of the
    // arrays below, which stand for them.
    BindRecord fields{};
    std::string positionName;
    std::string pathName;
    std::vector<TrapezoidPiece> trapezoids;
    std::vector<NodeCoord> nodes;
    std::vector<NodeCoord> refNodes;
};

struct TransferData {
    int32_t dataVersion = kCurrentTransferVersion;
    std::vector<TransferHeader> headers;
    std::vector<TransferRecord> records;
};

} // namespace loaddata
