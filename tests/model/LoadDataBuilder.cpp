#include "tests/model/LoadDataBuilder.h"

#include <utility>

LoadDataBuilder::LoadDataBuilder(std::vector<std::string> supports, std::vector<std::string> loads,
                                 int32_t dataWord, int32_t coordinateSystem)
    : m_supports(std::move(supports)), m_loads(std::move(loads)),
      m_blocks(m_supports.size() * m_loads.size())
{
    m_record.dataWord = dataWord;
    m_record.coordinateSystem = coordinateSystem;
}

TrapezoidPiece MakePiece(int seed)
{
    TrapezoidPiece piece{};
    piece.kind = seed % 7;
    piece.q1 = 1.5 * seed;
    piece.q2 = 2.5 * seed + 1;
    piece.x1 = 0.25 * seed;
    piece.x2 = 0.25 * seed + 0.75;
    for (size_t i = 0; i < sizeof piece.carried; ++i)
        piece.carried[i] = static_cast<unsigned char>(seed + i);
    return piece;
}

void LoadDataBuilder::PointComponents(const std::vector<std::string>& names)
{
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        BlockSpec& block = m_blocks[b];
        block = BlockSpec{};
        block.names = names;
        for (size_t c = 0; c < names.size(); ++c) {
            block.kinds.push_back(static_cast<int32_t>(c % 3));
            block.values.push_back(100.0 * (b / m_loads.size()) + 10.0 * (b % m_loads.size()) +
                                   static_cast<double>(c));
        }
    }
}

void LoadDataBuilder::DistributedComponents(const std::vector<std::string>& names, int32_t pieces,
                                            int32_t nodes, int32_t refNodes)
{
    PointComponents(names);
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        BlockSpec& block = m_blocks[b];
        block.distributed = 1;
        block.piecesPerComponent = pieces;
        for (int32_t p = 0; p < pieces * static_cast<int32_t>(names.size()); ++p)
            block.pieces.push_back(MakePiece(static_cast<int>(b) * 50 + p));
        for (int32_t n = 0; n < nodes; ++n)
            block.nodes.push_back({1.0 * n, 2.0 * n + static_cast<double>(b), 0.5});
        for (int32_t r = 0; r < refNodes; ++r)
            block.refNodes.push_back({-1.0 * r, 3.0, static_cast<double>(b)});
    }
}

std::vector<char*> LoadDataBuilder::Texts(const std::vector<std::string>& names)
{
    std::vector<char*> texts;
    for (const std::string& name : names) {
        m_text.push_back(name);
        texts.push_back(m_text.back().data());
    }
    return texts;
}

template <class T> static T* DataOrNull(std::vector<T>& items)
{
    return items.empty() ? nullptr : items.data();
}

const LoadDataRecord& LoadDataBuilder::Record()
{
    m_textArrays.clear();
    m_text.clear();
    m_reactionBlocks.assign(m_blocks.size(), ReactionBlock{});
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        BlockSpec& blockSpec = m_blocks[b];
        ReactionBlock& block = m_reactionBlocks[b];
        m_textArrays.push_back(Texts(blockSpec.names));
        block.componentCount = static_cast<int32_t>(blockSpec.names.size());
        block.componentNames = DataOrNull(m_textArrays.back());
        block.componentKinds = DataOrNull(blockSpec.kinds);
        block.pointValues = DataOrNull(blockSpec.values);
        block.distributed = blockSpec.distributed;
        block.piecesPerComponent = blockSpec.piecesPerComponent;
        block.trapezoids = DataOrNull(blockSpec.pieces);
        block.nodeCount = static_cast<int32_t>(blockSpec.nodes.size());
        block.nodes = DataOrNull(blockSpec.nodes);
        block.refNodeCount = static_cast<int32_t>(blockSpec.refNodes.size());
        block.refNodes = DataOrNull(blockSpec.refNodes);
    }
    m_supportBlocks.clear();
    for (size_t s = 0; s < m_supports.size(); ++s)
        m_supportBlocks.push_back(m_reactionBlocks.data() + s * m_loads.size());
    m_textArrays.push_back(Texts(m_supports));
    m_record.supportCount = static_cast<int32_t>(m_supports.size());
    m_record.supportNames = DataOrNull(m_textArrays.back());
    m_textArrays.push_back(Texts(m_loads));
    m_record.loadCount = static_cast<int32_t>(m_loads.size());
    m_record.loadNames = DataOrNull(m_textArrays.back());
    m_record.reactions = DataOrNull(m_supportBlocks);
    return m_record;
}
