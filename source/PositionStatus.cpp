#include "source/PositionStatus.h"

#include "model/LoadDataInterface.h"
#include "model/PositionStatus.h"

namespace
{
// The library's name buffers; the change count stands at character 70 of the last one.
struct PositionNames {
    char name[260] = {};
    char programCode[260] = {};
    char field21[260] = {};
    char field76[260] = {};
};
} // namespace

CString PositionStatusText(LPCSTR file)
{
    PositionNames names;
    CString text;
    if (Get_Position_Name(file, names.name, names.programCode, names.field21, names.field76) > 0)
        text.LoadString(PositionStatusString(names.field21, names.field76));
    return text;
}
