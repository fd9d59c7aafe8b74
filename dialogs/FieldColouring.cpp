#include "dialogs/FieldColouring.h"

KVFieldColouring::KVFieldColouring()
{
    m_brush.CreateSysColorBrush(COLOR_BTNFACE);
}

HBRUSH KVFieldColouring::Colour(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_EDIT || !pWnd)
        return nullptr;
    const HWND field = pWnd->GetSafeHwnd();
    const bool readOnly = (::GetWindowLongW(field, GWL_STYLE) & ES_READONLY) != 0;
    if (!readOnly && ::IsWindowEnabled(field))
        return nullptr;
    // Made again each time: the face colour may have changed since the last request.
    m_brush.DeleteObject();
    m_brush.CreateSysColorBrush(COLOR_BTNFACE);
    pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    return m_brush;
}
