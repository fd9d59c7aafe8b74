#pragma once
// Device context handle as handed to colour requests (WM_CTLCOLOR...): colours and mode only.

#include <windows.h>

class CDC
{
  public:
    CDC() = default;

    // A framework object for a handle the system owns; the same handle gives the same
    // object, which lives as long as the module. Null for a null handle.
    static CDC* FromHandle(HDC hdc);

    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }

    HDC m_hDC = nullptr;
};
