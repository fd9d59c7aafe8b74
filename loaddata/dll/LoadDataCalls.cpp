// The exported load data calls of one position.
#include "model/LoadDataInterface.h"

#include "loaddata/LoadDataCalls.h"

extern "C" {

int LoadSerializeData(int mode, const char* path, LoadDataRecord* block)
{
    return loaddata::serializeLoadData(mode, path, block);
}

void LoadFreeData(LoadDataRecord* block)
{
    loaddata::freeLoadData(block);
}

int GetLoadDataVersions(int* a, int* b)
{
    return loaddata::loadDataVersions(a, b);
}

int LoadGetLoadName(int load, char* out, const LoadDataRecord* block)
{
    return loaddata::loadName(load, out, block);
}

int LoadGetSupportName(int support, char* out, const LoadDataRecord* block)
{
    return loaddata::supportName(support, out, block);
}

int LoadGetReactionName(int support, int load, int component, int* forceKind, char* out,
                        const LoadDataRecord* block)
{
    return loaddata::reactionName(support, load, component, forceKind, out, block);
}

} // extern "C"
