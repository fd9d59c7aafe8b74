// What the parts of the harness share while a scripted run lasts.
#pragma once

#include "tests/harness/Harness.h"

namespace harness
{

struct HarnessState {
    DWORD uiThread = 0;
    HWND helper = nullptr;
};

HarnessState& State();
void CreateHelperWindow();
void DestroyHelperWindow();

} // namespace harness
