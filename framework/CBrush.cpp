#include "framework/CBrush.h"

BOOL CBrush::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

BOOL CBrush::Attach(HBRUSH brush)
{
    DeleteObject();
    m_hObject = brush;
    return brush != nullptr;
}
