// The records of a transfer file as the load data library exchanges them: one BindRecord
// per transferred reaction component, with its trapezoid pieces and nodes. Little-endian,
// 4-byte packing (doubles at 4-byte offsets); sizes and offsets are exact on i686 and follow
// the layout rule of RecordLayout.h on x86_64.
#pragma once

#include "model/RecordLayout.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 4)

struct NodeCoord {
    double x;
    double y;
    double z;
};

// One piece of a distributed reaction. The trailing bytes belong to the load data and are
// carried along unchanged.
struct TrapezoidPiece {
    int32_t kind;
    double q1; // ordinate at the start
    double q2; // ordinate at the end
    double x1; // start, metres
    double x2; // end, metres
    unsigned char carried[48];
};

struct BindRecord {
    int32_t ownLoad;        // index into the receiving position's loads, -1 = none
    int32_t reserved1;      // 0
    int32_t reserved2;      // 0
    int32_t transferNumber; // signed; its sign chooses the transfer's name prefix
    int32_t supportIndex;
    int32_t loadIndex;
    int32_t componentIndex;
    double factor;
    double value;         // point value; magnitudes above 1e299: not available
    char* positionName;   // source position's file name, also the record's path name
    int32_t supportCount; // counts of the source position when saved
    int32_t componentCount;
    int32_t loadCount;
    int32_t distributed; // nonzero: given as trapezoid pieces
    int32_t trapezoidCount;
    TrapezoidPiece* trapezoids; // null when trapezoidCount is 0
    int32_t projectRef;         // 0 = the current project
    int32_t reserved3;          // 0
    int32_t nodeCount;
    NodeCoord* nodes;
    int32_t refNodeCount;
    NodeCoord* refNodes;
    double placement[3][3]; // origin, origin + x axis, origin + y axis
    int32_t idealisation;   // idealisation code (GetIdealizationString)
};

#pragma pack(pop)

static_assert(sizeof(NodeCoord) == 24, "node size");
static_assert(offsetof(NodeCoord, x) == 0 && offsetof(NodeCoord, y) == 8, "node x, y");
static_assert(offsetof(NodeCoord, z) == 16, "node z");

static_assert(sizeof(TrapezoidPiece) == 84, "trapezoid piece size");
static_assert(offsetof(TrapezoidPiece, kind) == 0x00, "piece kind");
static_assert(offsetof(TrapezoidPiece, q1) == 0x04, "piece q1");
static_assert(offsetof(TrapezoidPiece, q2) == 0x0C, "piece q2");
static_assert(offsetof(TrapezoidPiece, x1) == 0x14, "piece x1");
static_assert(offsetof(TrapezoidPiece, x2) == 0x1C, "piece x2");
static_assert(offsetof(TrapezoidPiece, carried) == 0x24, "piece carried bytes");

static_assert(sizeof(BindRecord) == kvLayoutOffset(172, 4), "bind record size");
static_assert(offsetof(BindRecord, ownLoad) == 0x00, "ownLoad");
static_assert(offsetof(BindRecord, reserved1) == 0x04, "reserved1");
static_assert(offsetof(BindRecord, reserved2) == 0x08, "reserved2");
static_assert(offsetof(BindRecord, transferNumber) == 0x0C, "transferNumber");
static_assert(offsetof(BindRecord, supportIndex) == 0x10, "supportIndex");
static_assert(offsetof(BindRecord, loadIndex) == 0x14, "loadIndex");
static_assert(offsetof(BindRecord, componentIndex) == 0x18, "componentIndex");
static_assert(offsetof(BindRecord, factor) == 0x1C, "factor");
static_assert(offsetof(BindRecord, value) == 0x24, "value");
static_assert(offsetof(BindRecord, positionName) == kvLayoutOffset(0x2C, 0), "positionName");
static_assert(offsetof(BindRecord, supportCount) == kvLayoutOffset(0x30, 1), "supportCount");
static_assert(offsetof(BindRecord, componentCount) == kvLayoutOffset(0x34, 1), "componentCount");
static_assert(offsetof(BindRecord, loadCount) == kvLayoutOffset(0x38, 1), "loadCount");
static_assert(offsetof(BindRecord, distributed) == kvLayoutOffset(0x3C, 1), "distributed");
static_assert(offsetof(BindRecord, trapezoidCount) == kvLayoutOffset(0x40, 1), "trapezoidCount");
static_assert(offsetof(BindRecord, trapezoids) == kvLayoutOffset(0x44, 1), "trapezoids");
static_assert(offsetof(BindRecord, projectRef) == kvLayoutOffset(0x48, 2), "projectRef");
static_assert(offsetof(BindRecord, reserved3) == kvLayoutOffset(0x4C, 2), "reserved3");
static_assert(offsetof(BindRecord, nodeCount) == kvLayoutOffset(0x50, 2), "nodeCount");
static_assert(offsetof(BindRecord, nodes) == kvLayoutOffset(0x54, 2), "nodes");
static_assert(offsetof(BindRecord, refNodeCount) == kvLayoutOffset(0x58, 3), "refNodeCount");
static_assert(offsetof(BindRecord, refNodes) == kvLayoutOffset(0x5C, 3), "refNodes");
static_assert(offsetof(BindRecord, placement) == kvLayoutOffset(0x60, 4), "placement");
static_assert(offsetof(BindRecord, idealisation) == kvLayoutOffset(0xA8, 4), "idealisation");
