#pragma once
// Shows the wait cursor for the lifetime of the object and restores the previous cursor.

#include <windows.h>

class CWaitCursor
{
  public:
    CWaitCursor() : m_hPrevious(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_hPrevious); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

  private:
    HCURSOR m_hPrevious;
};
