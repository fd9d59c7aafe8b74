#include "loaddata/LoadDataCalls.h"

#include "loaddata/CallResult.h"
#include "loaddata/CallerText.h"
#include "loaddata/LoadDataBlock.h"
#include "loaddata/PositionFile.h"

namespace loaddata
{

namespace
{

struct Versions {
    int format = 0;
    int data = 0;
};
Versions g_lastRead;

bool holdsData(const LoadDataRecord& block)
{
    return block.supportNames || block.loadNames || block.reactions;
}

// A failed read leaves versions 0, so that no caller takes an empty block for usable data.
int readLoadData(const char* path, LoadDataRecord& block)
{
    g_lastRead = {};
    if (holdsData(block))
        return ResultBadArgument;
    PositionLoadData data;
    uint32_t formatVersion = 0;
    const FormatError error = readPositionFile(path, data, &formatVersion);
    if (error != FormatError::None)
        return resultOf(error);
    if (!fillLoadDataRecord(data, block))
        return ResultNoMemory;
    g_lastRead = {int(formatVersion), data.dataVersion};
    return ResultOk;
}

int writeLoadData(const char* path, const LoadDataRecord& block)
{
    PositionLoadData data;
    const FormatError error = loadDataFromRecord(block, data);
    if (error != FormatError::None)
        return resultOf(error);
    return resultOf(writePositionFile(path, data));
}

bool copyName(char* const* names, int32_t count, int index, char* out)
{
    return names && index >= 0 && index < count && names[index] &&
           giveCallerText(names[index], out);
}

} // namespace

int serializeLoadData(int mode, const char* path, LoadDataRecord* block)
{
    if (!path || !block || (mode != 0 && mode != 1))
        return ResultBadArgument;
    return guarded(
        [&] { return mode == 1 ? readLoadData(path, *block) : writeLoadData(path, *block); });
}

void freeLoadData(LoadDataRecord* block)
{
    if (block)
        releaseLoadDataRecord(*block);
}

int loadDataVersions(int* a, int* b)
{
    if (!a || !b)
        return ResultBadArgument;
    *a = g_lastRead.format;
    *b = g_lastRead.data;
    return g_lastRead.format > 0 ? ResultOk : ResultMissing;
}

int loadName(int load, char* out, const LoadDataRecord* block)
{
    return block && copyName(block->loadNames, block->loadCount, load, out) ? 1 : 0;
}

int supportName(int support, char* out, const LoadDataRecord* block)
{
    return block && copyName(block->supportNames, block->supportCount, support, out) ? 1 : 0;
}

int reactionName(int support, int load, int component, int* forceKind, char* out,
                 const LoadDataRecord* block)
{
    if (!block || !forceKind || !block->reactions || support < 0 ||
        support >= block->supportCount || load < 0 || load >= block->loadCount)
        return 0;
    const ReactionBlock* blocks = block->reactions[support];
    if (!blocks)
        return 0;
    const ReactionBlock& reaction = blocks[load];
    if (!reaction.componentKinds ||
        !copyName(reaction.componentNames, reaction.componentCount, component, out))
        return 0;
    *forceKind = reaction.componentKinds[component];
    return 1;
}

} // namespace loaddata
