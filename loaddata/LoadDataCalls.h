// What the load data calls of the C interface do (LoadSerializeData and the calls on a
// filled LoadDataRecord); loaddata.dll exports them under their C names.
#pragma once

#include "model/LoadDataRecord.h"

namespace loaddata
{

// Mode 1 reads the position load file into a zeroed record (a record that still holds
// data is refused); mode 0 writes the record's data to the file. (S)
int serializeLoadData(int mode, const char* path, LoadDataRecord* block);
void freeLoadData(LoadDataRecord* block);
// The file format version and the load data version of the last read; 0 and 0 (result 3)
// when it failed or before the first one. (S)
int loadDataVersions(int* a, int* b);

// 1 with the name copied, 0 when the index or an argument is not valid.
int loadName(int load, char* out, const LoadDataRecord* block);
int supportName(int support, char* out, const LoadDataRecord* block);
int reactionName(int support, int load, int component, int* forceKind, char* out,
                 const LoadDataRecord* block);

} // namespace loaddata
