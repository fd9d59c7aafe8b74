#pragma once
// Point in x and y.

#include "framework/CSize.h"

#include <windows.h>
#include <windowsx.h>

class CPoint : public POINT
{
  public:
    CPoint() : POINT{0, 0} {}
    // From the packed signed coordinates of a mouse message's LPARAM.
    explicit CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}
};
