// A transfer file read through the library's bind calls and kept, so that it can be
// written after the reader is released: what the library alone does to read and to write
// a transfer file.
#pragma once

#include "model/LoadDataInterface.h"

#include <string>
#include <vector>

struct TransferCopy {
    struct Header {
        char path[264];
        int number, count;
        std::vector<int> rows;
    };
    std::vector<Header> headers;
    std::vector<BindRecord> records;
    std::vector<std::string> pathNames;
    std::vector<std::vector<NodeCoord>> nodes, refNodes;
    std::vector<std::vector<TrapezoidPiece>> pieces;
};

// Reads the file; keeps what it read when keep is given.
bool readTransfers(const std::string& file, TransferCopy* keep);
bool writeTransfers(const std::string& file, TransferCopy& copy);
