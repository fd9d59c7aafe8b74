#include "SampleLoadData.h"

#include <cstring>

using namespace loaddata;

TrapezoidPiece samplePiece(int seed)
{
    TrapezoidPiece piece{};
    piece.kind = 2 + seed % 3;
    piece.q1 = -12.5 - seed;
    piece.q2 = 3.25 * seed;
    piece.x1 = 0.5 * seed;
    piece.x2 = 0.5 * seed + 1.75;
    for (std::size_t i = 0; i < sizeof piece.carried; ++i)
        piece.carried[i] = static_cast<unsigned char>(seed * 31 + i * 7 + 0x80);
    return piece;
}

PositionLoadData samplePosition()
{
    PositionLoadData data;
    data.dataWord = 0x5A17;
    data.coordinateSystem = -1;
    data.supports = {"A", "Auflager B \xC4"};
    data.loads = {"g", "p", "s"};
    for (std::size_t l = 0; l < data.loads.size(); ++l) {
        Reaction point;
        point.components = {{"Fz", 1, 12.5 + double(l)}, {"My", 4, -3.0 * double(l)}};
        data.reactions.push_back(point);
    }
    for (std::size_t l = 0; l < data.loads.size(); ++l) {
        Reaction line;
        line.distributed = 1;
        line.piecesPerComponent = 2;
        line.components = {{"qz", 2, 0.0}, {"qx", 2, 1e300}, {"mz", 5, 0.0}};
        for (int p = 0; p < 6; ++p)
            line.pieces.push_back(samplePiece(int(l) * 10 + p));
        line.nodes = {{0.0, 0.0, 0.0}, {4.5, 0.0, 0.0}};
        line.refNodes = {{1.0, 2.0, 3.0 + double(l)}};
        data.reactions.push_back(line);
    }
    return data;
}

namespace
{

TransferRecord sampleRecord(int number, int component, const std::string& name)
{
    TransferRecord record;
    BindRecord& f = record.fields;
    f.ownLoad = component - 1;
    f.transferNumber = number;
    f.supportIndex = 1;
    f.loadIndex = 2;
    f.componentIndex = component;
    f.factor = 1.35;
    f.value = component == 0 ? 12.5 : 0.0;
    f.supportCount = 2;
    f.componentCount = 3;
    f.loadCount = 3;
    f.distributed = component == 0 ? 0 : 1;
    f.projectRef = number < 0 ? 1 : 0;
    const double placement[3][3] = {{1, 2, 3}, {2, 2, 3}, {1, 3, 3}};
    std::memcpy(f.placement, placement, sizeof placement);
    f.idealisation = component;
    record.positionName = name;
    record.pathName = name;
    if (component > 0) {
        record.trapezoids = {samplePiece(component), samplePiece(component + 1)};
        record.nodes = {{0, 0, 0}, {4.5, 0, 0}};
        record.refNodes = {{-1, -2, -3}};
    }
    f.trapezoidCount = int32_t(record.trapezoids.size());
    f.nodeCount = int32_t(record.nodes.size());
    f.refNodeCount = int32_t(record.refNodes.size());
    return record;
}

} // namespace

TransferData sampleTransfer()
{
    TransferData data;
    data.headers = {{"C:\\Projekt\\d010001.017", 1, {{0, 2}, {1, 0}, {2, -1}}},
                    {"C:\\FEM\\kv000012.017", -12, {{0, 1}}},
                    {"C:\\Projekt\\d010007.017", 3, {}}};
    data.records = {sampleRecord(1, 0, "d010001"), sampleRecord(1, 1, "d010001"),
                    sampleRecord(-12, 2, "kv000012"), sampleRecord(-12, 0, "kv000012")};
    return data;
}

// Pieces and nodes are packed: equal when their bytes are.
bool operator==(const TrapezoidPiece& a, const TrapezoidPiece& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool operator==(const NodeCoord& a, const NodeCoord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool operator==(const BindRecord& a, const BindRecord& b)
{
    BindRecord x = a, y = b;
    for (BindRecord* r : {&x, &y}) {
        r->positionName = nullptr;
        r->trapezoids = nullptr;
        r->nodes = r->refNodes = nullptr;
    }
    return std::memcmp(&x, &y, sizeof x) == 0;
}

namespace loaddata
{

bool operator==(const ReactionComponent& a, const ReactionComponent& b)
{
    return a.name == b.name && a.kind == b.kind && a.value == b.value;
}

bool operator==(const Reaction& a, const Reaction& b)
{
    return a.components == b.components && a.distributed == b.distributed &&
           a.piecesPerComponent == b.piecesPerComponent && a.pieces == b.pieces &&
           a.nodes == b.nodes && a.refNodes == b.refNodes;
}

bool operator==(const PositionLoadData& a, const PositionLoadData& b)
{
    return a.dataVersion == b.dataVersion && a.dataWord == b.dataWord &&
           a.coordinateSystem == b.coordinateSystem && a.supports == b.supports &&
           a.loads == b.loads && a.reactions == b.reactions;
}

bool operator==(const AssignmentRow& a, const AssignmentRow& b)
{
    return a.sourceLoad == b.sourceLoad && a.ownLoad == b.ownLoad;
}

bool operator==(const TransferHeader& a, const TransferHeader& b)
{
    return a.sourcePath == b.sourcePath && a.transferNumber == b.transferNumber && a.rows == b.rows;
}

bool operator==(const TransferRecord& a, const TransferRecord& b)
{
    return a.fields == b.fields && a.positionName == b.positionName && a.pathName == b.pathName &&
           a.trapezoids == b.trapezoids && a.nodes == b.nodes && a.refNodes == b.refNodes;
}

bool operator==(const TransferData& a, const TransferData& b)
{
    return a.dataVersion == b.dataVersion && a.headers == b.headers && a.records == b.records;
}

} // namespace loaddata
