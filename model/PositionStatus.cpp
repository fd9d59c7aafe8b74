#include "model/PositionStatus.h"

#include "resources/ResourceIds.h"

#include <cstdlib>

UINT PositionStatusString(const char* field21, const char* field76)
{
    if (std::atoi(field76 + 70) != 0)
        return IDS_STATUS_MODIFIED;
    return field21[2] == '0' ? IDS_STATUS_NOT_CALCULATED : IDS_STATUS_CALCULATED;
}
