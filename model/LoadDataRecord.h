// The load data of one position as the load data library hands it out: supports, their
// loads and the reactions under each load. Filled by LoadSerializeData (read mode) into a
// block the caller owns and zeroes, released with LoadFreeData.
//
// The i686 layout is the suite's: 26 32-bit words, reaction blocks of 11 words. The x86_64
// layout keeps the same fields in the same order with 8-byte pointers and 4-byte packing;
// words 6 to 23 and 25 stay 32-bit values on both, so every named word has a fixed place.
#pragma once

#include "model/BindRecord.h"
#include "model/RecordLayout.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 4)

// The reactions of one support under one load.
struct ReactionBlock {
    int32_t componentCount;     // M
    char** componentNames;      // M zero-terminated texts
    int32_t* componentKinds;    // M force kinds (GetForceUnitString)
    double* pointValues;        // M point values
    int32_t distributed;        // nonzero: given as trapezoid pieces, one flag per block
    int32_t piecesPerComponent; // P
    TrapezoidPiece* trapezoids; // M x P pieces; component c's start at piece c x P
    int32_t nodeCount;          // N
    NodeCoord* nodes;           // shared by every component of the block
    int32_t refNodeCount;       // R
    NodeCoord* refNodes;        // shared the same way
};

struct LoadDataRecord {
    int32_t dataWord;          // word 0
    int32_t supportCount;      // word 1: S
    char** supportNames;       // word 2: S zero-terminated texts
    int32_t loadCount;         // word 3: L, the same loads at every support
    char** loadNames;          // word 4: L zero-terminated texts
    ReactionBlock** reactions; // word 5: S pointers, each to L blocks one after the other
    int32_t reserved[18];      // words 6 to 23: zero
    int32_t coordinateSystem;  // word 24: coordinate-system code of the position
    int32_t reserved25;        // word 25: zero
};

#pragma pack(pop)

static_assert(sizeof(ReactionBlock) == kvLayoutOffset(44, 6), "reaction block size");
static_assert(offsetof(ReactionBlock, componentCount) == kvLayoutOffset(0, 0), "block word 0");
static_assert(offsetof(ReactionBlock, componentNames) == kvLayoutOffset(4, 0), "block word 1");
static_assert(offsetof(ReactionBlock, componentKinds) == kvLayoutOffset(8, 1), "block word 2");
static_assert(offsetof(ReactionBlock, pointValues) == kvLayoutOffset(12, 2), "block word 3");
static_assert(offsetof(ReactionBlock, distributed) == kvLayoutOffset(16, 3), "block word 4");
static_assert(offsetof(ReactionBlock, piecesPerComponent) == kvLayoutOffset(20, 3), "word 5");
static_assert(offsetof(ReactionBlock, trapezoids) == kvLayoutOffset(24, 3), "block word 6");
static_assert(offsetof(ReactionBlock, nodeCount) == kvLayoutOffset(28, 4), "block word 7");
static_assert(offsetof(ReactionBlock, nodes) == kvLayoutOffset(32, 4), "block word 8");
static_assert(offsetof(ReactionBlock, refNodeCount) == kvLayoutOffset(36, 5), "block word 9");
static_assert(offsetof(ReactionBlock, refNodes) == kvLayoutOffset(40, 5), "block word 10");

static_assert(sizeof(LoadDataRecord) == kvLayoutOffset(104, 3), "load data record size");
static_assert(offsetof(LoadDataRecord, dataWord) == kvLayoutOffset(0, 0), "word 0");
static_assert(offsetof(LoadDataRecord, supportCount) == kvLayoutOffset(4, 0), "word 1");
static_assert(offsetof(LoadDataRecord, supportNames) == kvLayoutOffset(8, 0), "word 2");
static_assert(offsetof(LoadDataRecord, loadCount) == kvLayoutOffset(12, 1), "word 3");
static_assert(offsetof(LoadDataRecord, loadNames) == kvLayoutOffset(16, 1), "word 4");
static_assert(offsetof(LoadDataRecord, reactions) == kvLayoutOffset(20, 2), "word 5");
static_assert(offsetof(LoadDataRecord, reserved) == kvLayoutOffset(24, 3), "word 6");
static_assert(offsetof(LoadDataRecord, coordinateSystem) == kvLayoutOffset(96, 3), "word 24");
static_assert(offsetof(LoadDataRecord, reserved25) == kvLayoutOffset(100, 3), "word 25");
