#include "loaddata/RecordCodec.h"

#include "loaddata/FormatLimits.h"

namespace loaddata
{

void writePiece(ByteWriter& writer, const TrapezoidPiece& piece)
{
    writer.i32(piece.kind);
    writer.f64(piece.q1);
    writer.f64(piece.q2);
    writer.f64(piece.x1);
    writer.f64(piece.x2);
    writer.bytes(piece.carried, sizeof piece.carried);
}

bool readPiece(ByteReader& reader, TrapezoidPiece& piece)
{
    return reader.i32(piece.kind) && reader.f64(piece.q1) && reader.f64(piece.q2) &&
           reader.f64(piece.x1) && reader.f64(piece.x2) &&
           reader.bytes(piece.carried, sizeof piece.carried);
}

void writeNodes(ByteWriter& writer, const std::vector<NodeCoord>& nodes)
{
    writer.u32(uint32_t(nodes.size()));
    for (const NodeCoord& node : nodes) {
        writer.f64(node.x);
        writer.f64(node.y);
        writer.f64(node.z);
    }
}

bool readNodes(ByteReader& reader, std::vector<NodeCoord>& nodes)
{
    int32_t count = 0;
    if (!reader.count(count, kNodeBytes) || count > kMaxItems)
        return reader.fail();
    nodes.resize(std::size_t(count));
    for (NodeCoord& node : nodes) {
        if (!reader.f64(node.x) || !reader.f64(node.y) || !reader.f64(node.z))
            return false;
    }
    return true;
}

void writePieces(ByteWriter& writer, const std::vector<TrapezoidPiece>& pieces)
{
    writer.u32(uint32_t(pieces.size()));
    for (const TrapezoidPiece& piece : pieces)
        writePiece(writer, piece);
}

bool readPieces(ByteReader& reader, std::vector<TrapezoidPiece>& pieces)
{
    int32_t count = 0;
    if (!reader.count(count, kPieceBytes) || count > kMaxItems)
        return reader.fail();
    pieces.resize(std::size_t(count));
    for (TrapezoidPiece& piece : pieces) {
        if (!readPiece(reader, piece))
            return false;
    }
    return true;
}

} // namespace loaddata
