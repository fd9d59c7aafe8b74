// One entry of a transfer's load assignment list: a load of the source position and the
// own load that takes it, each by index and name. Owned by its KVItem.
#pragma once

#include "framework/CString.h"

#include <windows.h>

class KVLoadAssignment
{
  public:
    KVLoadAssignment(DWORD sourceLoadIndex, const CString& sourceLoadName, DWORD ownLoadIndex,
                     const CString& ownLoadName)
        : sourceLoad(sourceLoadIndex), m_strSourceLoad(sourceLoadName), ownLoad(ownLoadIndex),
          m_strOwnLoad(ownLoadName)
    {
    }
    virtual ~KVLoadAssignment() = default;

    DWORD sourceLoad;
    CString m_strSourceLoad;
    DWORD ownLoad;
    CString m_strOwnLoad;
};
