#include "framework/CDC.h"

#include <map>

CDC* CDC::FromHandle(HDC hdc)
{
    // One object per handle value: the system reuses a small set of DC handles, so the
    // map stays small while callers may keep the pointer for the whole request.
    static std::map<HDC, CDC> temporaries;
    if (!hdc)
        return nullptr;
    CDC& dc = temporaries[hdc];
    dc.m_hDC = hdc;
    return &dc;
}
