#pragma once
// Owned brush handle: solid colours and system colours; deleted with the object.

#include <windows.h>

class CBrush
{
  public:
    CBrush() = default;
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    // Each replaces a brush the object holds; false when the system refuses.
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    // A brush in the current colour of a system colour index (COLOR_BTNFACE, ...).
    BOOL CreateSysColorBrush(int index) { return CreateSolidBrush(::GetSysColor(index)); }
    BOOL DeleteObject();

    operator HBRUSH() const { return m_hObject; }

  private:
    BOOL Attach(HBRUSH brush);

    HBRUSH m_hObject = nullptr;
};
