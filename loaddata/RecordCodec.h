// The pieces the position load file and the transfer file share: trapezoid pieces and
// node lists, written field by field so that the bytes never depend on the machine.
#pragma once

#include "loaddata/ByteReader.h"
#include "loaddata/ByteWriter.h"
#include "model/BindRecord.h"

#include <vector>

namespace loaddata
{

constexpr std::size_t kPieceBytes = 84;
constexpr std::size_t kNodeBytes = 24;

void writePiece(ByteWriter& writer, const TrapezoidPiece& piece);
bool readPiece(ByteReader& reader, TrapezoidPiece& piece);

// A count followed by that many nodes.
void writeNodes(ByteWriter& writer, const std::vector<NodeCoord>& nodes);
bool readNodes(ByteReader& reader, std::vector<NodeCoord>& nodes);

// A count followed by that many pieces.
void writePieces(ByteWriter& writer, const std::vector<TrapezoidPiece>& pieces);
bool readPieces(ByteReader& reader, std::vector<TrapezoidPiece>& pieces);

} // namespace loaddata
