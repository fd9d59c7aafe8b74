#include "model/KVComponent.h"

#include "model/LoadDataRecord.h"

#include <algorithm>

namespace
{

// A new array holding count elements copied from source; null for none.
template <class T> T* CopyOf(const T* source, int32_t count)
{
    if (count <= 0 || source == nullptr)
        return nullptr;
    T* copy = new T[static_cast<size_t>(count)];
    std::copy(source, source + count, copy);
    return copy;
}

} // namespace

KVComponent::KVComponent(const ReactionBlock& block, int32_t c, int32_t dataWord, int32_t selected)
    : m_strName(block.componentNames[c]), m_nSelected(selected), m_nKind(block.componentKinds[c]),
      value(block.distributed ? 0.0 : block.pointValues[c]),
      trapezoidCount(block.piecesPerComponent),
      trapezoids(CopyOf(block.trapezoids + static_cast<ptrdiff_t>(c) * block.piecesPerComponent,
                        block.piecesPerComponent)),
      distributed(block.distributed), m_nDataWord(dataWord), nodeCount(block.nodeCount),
      nodes(CopyOf(block.nodes, block.nodeCount)), refNodeCount(block.refNodeCount),
      refNodes(CopyOf(block.refNodes, block.refNodeCount))
{
}

KVComponent::KVComponent(const KVComponent& other)
    : m_strName(other.m_strName), m_nSelected(other.m_nSelected), m_nKind(other.m_nKind),
      factor(other.factor), idealisation(other.idealisation), value(other.value),
      trapezoidCount(other.trapezoidCount),
      trapezoids(CopyOf(other.trapezoids, other.trapezoidCount)), distributed(other.distributed),
      m_nDataWord(other.m_nDataWord), nodeCount(other.nodeCount),
      nodes(CopyOf(other.nodes, other.nodeCount)), refNodeCount(other.refNodeCount),
      refNodes(CopyOf(other.refNodes, other.refNodeCount))
{
}

KVComponent::~KVComponent()
{
    delete[] trapezoids;
    delete[] nodes;
    delete[] refNodes;
}
