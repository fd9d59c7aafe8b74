#include "loaddata/LoadDataBlock.h"

#include "loaddata/CallerText.h"
#include "loaddata/FormatLimits.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace loaddata
{

namespace
{

char* copyText(const std::string& text)
{
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

// Every entry starts null, so that a copy cut short by a failed allocation can be released.
char** copyTexts(const std::vector<std::string>& texts)
{
    if (texts.empty())
        return nullptr;
    char** copy = new char*[texts.size()]();
    for (std::size_t i = 0; i < texts.size(); ++i)
        copy[i] = copyText(texts[i]);
    return copy;
}

template <class T> T* copyArray(const std::vector<T>& items)
{
    if (items.empty())
        return nullptr;
    T* copy = new T[items.size()];
    std::copy(items.begin(), items.end(), copy);
    return copy;
}

void releaseTexts(char** texts, int32_t count)
{
    if (!texts)
        return;
    for (int32_t i = 0; i < count; ++i)
        delete[] texts[i];
    delete[] texts;
}

// Counts are set before the arrays they describe, so a block cut short can be released.
void fillBlock(const Reaction& reaction, ReactionBlock& block)
{
    std::vector<std::string> names;
    std::vector<int32_t> kinds;
    std::vector<double> values;
    for (const ReactionComponent& component : reaction.components) {
        names.push_back(component.name);
        kinds.push_back(component.kind);
        values.push_back(component.value);
    }
    block.componentCount = int32_t(names.size());
    block.componentNames = copyTexts(names);
    block.componentKinds = copyArray(kinds);
    block.pointValues = copyArray(values);
    block.distributed = reaction.distributed;
    block.piecesPerComponent = reaction.piecesPerComponent;
    block.trapezoids = copyArray(reaction.pieces);
    block.nodeCount = int32_t(reaction.nodes.size());
    block.nodes = copyArray(reaction.nodes);
    block.refNodeCount = int32_t(reaction.refNodes.size());
    block.refNodes = copyArray(reaction.refNodes);
}

void releaseBlock(ReactionBlock& block)
{
    releaseTexts(block.componentNames, block.componentCount);
    delete[] block.componentKinds;
    delete[] block.pointValues;
    delete[] block.trapezoids;
    delete[] block.nodes;
    delete[] block.refNodes;
}

void fillRecord(const PositionLoadData& data, LoadDataRecord& record)
{
    record.dataWord = data.dataWord;
    record.coordinateSystem = data.coordinateSystem;
    record.supportCount = int32_t(data.supports.size());
    record.loadCount = int32_t(data.loads.size());
    record.supportNames = copyTexts(data.supports);
    record.loadNames = copyTexts(data.loads);
    if (data.supports.empty())
        return;
    record.reactions = new ReactionBlock*[data.supports.size()]();
    if (data.loads.empty())
        return;
    for (std::size_t s = 0; s < data.supports.size(); ++s) {
        record.reactions[s] = new ReactionBlock[data.loads.size()]();
        for (std::size_t l = 0; l < data.loads.size(); ++l)
            fillBlock(data.reaction(s, l), record.reactions[s][l]);
    }
}

bool takeTexts(char* const* texts, int32_t count, std::vector<std::string>& out)
{
    if (count < 0 || count > kMaxEntries || (count > 0 && !texts))
        return false;
    out.resize(std::size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        if (!takeCallerText(texts[i], out[std::size_t(i)]))
            return false;
    }
    return true;
}

template <class T> bool takeArray(const T* items, int32_t count, std::vector<T>& out)
{
    if (count < 0 || count > kMaxItems || (count > 0 && !items))
        return false;
    out.assign(items, items + count);
    return true;
}

bool takeBlock(const ReactionBlock& block, Reaction& reaction)
{
    std::vector<std::string> names;
    const int32_t m = block.componentCount;
    const int64_t pieces = int64_t(m) * block.piecesPerComponent;
    if (!takeTexts(block.componentNames, m, names) || block.piecesPerComponent < 0 ||
        pieces > kMaxItems || !takeArray(block.trapezoids, int32_t(pieces), reaction.pieces) ||
        !takeArray(block.nodes, block.nodeCount, reaction.nodes) ||
        !takeArray(block.refNodes, block.refNodeCount, reaction.refNodes))
        return false;
    reaction.components.resize(names.size());
    for (std::size_t c = 0; c < names.size(); ++c) {
        reaction.components[c].name = names[c];
        reaction.components[c].kind = block.componentKinds ? block.componentKinds[c] : 0;
        reaction.components[c].value = block.pointValues ? block.pointValues[c] : 0.0;
    }
    reaction.distributed = block.distributed;
    reaction.piecesPerComponent = block.piecesPerComponent;
    return true;
}

} // namespace

bool fillLoadDataRecord(const PositionLoadData& data, LoadDataRecord& record)
{
    try {
        fillRecord(data, record);
        return true;
    } catch (const std::bad_alloc&) {
        releaseLoadDataRecord(record);
        return false;
    }
}

void releaseLoadDataRecord(LoadDataRecord& record)
{
    if (record.reactions) {
        for (int32_t s = 0; s < record.supportCount; ++s) {
            ReactionBlock* blocks = record.reactions[s];
            for (int32_t l = 0; blocks && l < record.loadCount; ++l)
                releaseBlock(blocks[l]);
            delete[] blocks;
        }
        delete[] record.reactions;
    }
    releaseTexts(record.supportNames, record.supportCount);
    releaseTexts(record.loadNames, record.loadCount);
    record = LoadDataRecord{};
}

FormatError loadDataFromRecord(const LoadDataRecord& record, PositionLoadData& data)
{
    PositionLoadData taken;
    taken.dataWord = record.dataWord;
    taken.coordinateSystem = record.coordinateSystem;
    if (!takeTexts(record.supportNames, record.supportCount, taken.supports) ||
        !takeTexts(record.loadNames, record.loadCount, taken.loads))
        return FormatError::InvalidData;
    const std::size_t loads = taken.loads.size();
    taken.reactions.resize(taken.supports.size() * loads);
    if (!taken.reactions.empty() && !record.reactions)
        return FormatError::InvalidData;
    for (std::size_t s = 0; s < taken.supports.size() && loads > 0; ++s) {
        const ReactionBlock* blocks = record.reactions[s];
        if (!blocks)
            return FormatError::InvalidData;
        for (std::size_t l = 0; l < loads; ++l) {
            if (!takeBlock(blocks[l], taken.reaction(s, l)))
                return FormatError::InvalidData;
        }
    }
    data = std::move(taken);
    return FormatError::None;
}

} // namespace loaddata
