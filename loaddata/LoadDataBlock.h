// A position's load data as the LoadDataRecord the C interface hands out and takes in.
#pragma once

#include "loaddata/FormatError.h"
#include "loaddata/PositionLoadData.h"
#include "model/LoadDataRecord.h"

namespace loaddata
{

// Fills a zeroed record with copies of the data; empty arrays stay null pointers. False
// when memory ran out; the record is then released and zero again.
bool fillLoadDataRecord(const PositionLoadData& data, LoadDataRecord& record);

// Releases what fillLoadDataRecord allocated, walking the record itself, and zeroes it.
// Safe on a zeroed record and on one released before.
void releaseLoadDataRecord(LoadDataRecord& record);

// The data of a record a caller filled, to be written: InvalidData for negative counts,
// missing arrays or names, and texts or counts beyond the format's limits. Missing kinds or
// point values count as zeros.
FormatError loadDataFromRecord(const LoadDataRecord& record, PositionLoadData& data);

} // namespace loaddata
