// The calculation status of a source position as the suite's position names tell it.
#pragma once

#include "framework/CString.h"

// The text of string 1025 (changed since its calculation), 1026 (not calculated) or 1027
// (calculated) for the position's file; empty when the load data library does not know
// the position.
CString PositionStatusText(LPCSTR file);
