#include "tools/kvdata/LoadDataImage.h"

namespace kvdata
{

namespace
{

// LoadSerializeData reads through the record's pointers when it writes, so handing out the
// position's own texts and arrays is safe.
char* text(const std::string& value)
{
    return const_cast<char*>(value.c_str());
}

NodeCoord* nodesOf(const std::vector<NodeCoord>& nodes)
{
    return nodes.empty() ? nullptr : const_cast<NodeCoord*>(nodes.data());
}

} // namespace

LoadDataImage::LoadDataImage(const Position& position)
{
    const std::size_t loads = position.loads.size();
    const std::size_t supports = position.supports.size();
    for (const Support& support : position.supports)
        m_supportNames.push_back(text(support.name));
    for (const std::string& load : position.loads)
        m_loadNames.push_back(text(load));
    m_arrays.resize(supports * loads);
    m_blocks.resize(supports * loads);
    for (std::size_t s = 0; s < supports; ++s) {
        for (std::size_t l = 0; l < loads; ++l)
            fillBlock(position.supports[s], position.supports[s].byLoad[l], m_arrays[s * loads + l],
                      m_blocks[s * loads + l]);
        m_supports.push_back(m_blocks.data() + s * loads);
    }
    m_record.dataWord = 1;
    m_record.supportCount = static_cast<int32_t>(supports);
    m_record.supportNames = m_supportNames.empty() ? nullptr : m_supportNames.data();
    m_record.loadCount = static_cast<int32_t>(loads);
    m_record.loadNames = m_loadNames.empty() ? nullptr : m_loadNames.data();
    m_record.reactions = m_supports.empty() ? nullptr : m_supports.data();
    m_record.coordinateSystem = position.coordinateSystem;
}

void LoadDataImage::fillBlock(const Support& support, const std::vector<Component>& components,
                              BlockArrays& arrays, ReactionBlock& block)
{
    const std::size_t perComponent = components.empty() ? 0 : components[0].pieces.size();
    for (const Component& c : components) {
        arrays.names.push_back(text(c.name));
        arrays.kinds.push_back(c.kind);
        arrays.values.push_back(c.value);
        arrays.pieces.insert(arrays.pieces.end(), c.pieces.begin(), c.pieces.end());
    }
    block.componentCount = static_cast<int32_t>(components.size());
    block.componentNames = arrays.names.empty() ? nullptr : arrays.names.data();
    block.componentKinds = arrays.kinds.empty() ? nullptr : arrays.kinds.data();
    block.pointValues = arrays.values.empty() ? nullptr : arrays.values.data();
    block.distributed = support.distributed ? 1 : 0;
    block.piecesPerComponent = static_cast<int32_t>(perComponent);
    block.trapezoids = arrays.pieces.empty() ? nullptr : arrays.pieces.data();
    block.nodeCount = static_cast<int32_t>(support.nodes.size());
    block.nodes = nodesOf(support.nodes);
    block.refNodeCount = static_cast<int32_t>(support.refNodes.size());
    block.refNodes = nodesOf(support.refNodes);
}

} // namespace kvdata
