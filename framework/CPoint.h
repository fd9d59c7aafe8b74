#pragma once
// Point in x and y.

#include "framework/CSize.h"

#include <windows.h>
#include <windowsx.h>

class CPoint : public POINT
{
  public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(const POINT& point) : POINT(point) {}
    // From the packed signed coordinates of a mouse message's LPARAM.
    explicit CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}

    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
    bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
    bool operator!=(const POINT& other) const { return !(*this == other); }
    CPoint operator+(const SIZE& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const SIZE& size) const { return CPoint(x - size.cx, y - size.cy); }
    CSize operator-(const POINT& other) const { return CSize(x - other.x, y - other.y); }
};
