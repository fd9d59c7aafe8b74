// A position's calculation status as the suite's position names tell it
// (Get_Position_Name's last two fields).
#pragma once

#include <windows.h>

// String 1025 (changed since its calculation: the change count at character 70 of
// field76 is not 0), 1026 (not calculated: character 2 of field21 is "0") or 1027
// (calculated).
UINT PositionStatusString(const char* field21, const char* field76);
