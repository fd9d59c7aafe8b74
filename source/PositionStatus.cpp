#include "source/PositionStatus.h"

#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"

#include <cstdlib>

namespace
{
// The library's name buffers; the change count stands at character 70 of the last one.
struct PositionNames {
    char name[260] = {};
    char programCode[260] = {};
    char field21[260] = {};
    char field76[260] = {};
};

UINT StatusString(const PositionNames& names)
{
    if (std::atoi(names.field76 + 70) != 0)
        return IDS_STATUS_MODIFIED;
    return names.field21[2] == '0' ? IDS_STATUS_NOT_CALCULATED : IDS_STATUS_CALCULATED;
}
} // namespace

CString PositionStatusText(LPCSTR file)
{
    PositionNames names;
    CString text;
    if (Get_Position_Name(file, names.name, names.programCode, names.field21, names.field76) > 0)
        text.LoadString(StatusString(names));
    return text;
}
