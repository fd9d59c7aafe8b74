// A position's reactions laid out as the LoadDataRecord that LoadSerializeData writes: the
// record and the arrays its pointers lead to, pointing into the position, which must
// outlive the image.
#pragma once

#include "model/LoadDataRecord.h"
#include "tools/kvdata/SampleBuilding.h"

#include <vector>

namespace kvdata
{

class LoadDataImage
{
  public:
    explicit LoadDataImage(const Position& position);
    LoadDataImage(const LoadDataImage&) = delete;
    LoadDataImage& operator=(const LoadDataImage&) = delete;

    LoadDataRecord* record() { return &m_record; }

  private:
    struct BlockArrays {
        std::vector<char*> names;
        std::vector<int32_t> kinds;
        std::vector<double> values;
        std::vector<TrapezoidPiece> pieces;
    };

    void fillBlock(const Support& support, const std::vector<Component>& components,
                   BlockArrays& arrays, ReactionBlock& block);

    LoadDataRecord m_record{};
    std::vector<char*> m_supportNames;
    std::vector<char*> m_loadNames;
    std::vector<BlockArrays> m_arrays;      // support s, load l at s x L + l
    std::vector<ReactionBlock> m_blocks;    // the same order
    std::vector<ReactionBlock*> m_supports; // support s: its L blocks
};

} // namespace kvdata
