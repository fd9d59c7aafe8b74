// A position's load data built in memory, laid out as the load data library hands it out:
// the builder owns every array the record points into.
#pragma once

#include "model/LoadDataRecord.h"

#include <deque>
#include <string>
#include <vector>

struct BlockSpec {
    std::vector<std::string> names;
    std::vector<int32_t> kinds;
    std::vector<double> values;
    int32_t distributed = 0;
    int32_t piecesPerComponent = 0;
    std::vector<TrapezoidPiece> pieces; // names.size() x piecesPerComponent
    std::vector<NodeCoord> nodes;
    std::vector<NodeCoord> refNodes;
};

class LoadDataBuilder
{
  public:
    LoadDataBuilder(std::vector<std::string> supports, std::vector<std::string> loads,
                    int32_t dataWord = 1, int32_t coordinateSystem = 1);

    // The block of support s and load l, to change before Record() is called.
    BlockSpec& Block(size_t s, size_t l) { return m_blocks[s * m_loads.size() + l]; }
    // Gives every block point components of these names with values 100 s + 10 l + c.
    void PointComponents(const std::vector<std::string>& names);
    // Gives every block distributed components: pieces per component, nodes and
    // reference nodes derived from the indexes.
    void DistributedComponents(const std::vector<std::string>& names, int32_t pieces, int32_t nodes,
                               int32_t refNodes);
    // The record, pointing into this builder; valid until the builder changes or dies.
    const LoadDataRecord& Record();

  private:
    std::vector<char*> Texts(const std::vector<std::string>& names);

    std::vector<std::string> m_supports;
    std::vector<std::string> m_loads;
    std::vector<BlockSpec> m_blocks;
    std::deque<std::string> m_text;
    std::deque<std::vector<char*>> m_textArrays;
    std::vector<ReactionBlock> m_reactionBlocks;
    std::vector<ReactionBlock*> m_supportBlocks;
    LoadDataRecord m_record{};
};

// A trapezoid piece with every field, carried bytes included, derived from seed.
TrapezoidPiece MakePiece(int seed);
