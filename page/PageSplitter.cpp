// The splitter bar between tree and text, and the placement of the standalone dialog in
// the settings ("WindowManager").
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "resources/ResourceIds.h"
#include "settings/SettingsKey.h"
#include "settings/WindowPlacement.h"

#include <algorithm>

bool PageInternals::IsOnSplitter(const CMyPropertyPage2& page, CPoint point)
{
    const CRect& bar = page.m_rcSplitter;
    return point.x >= bar.left && point.x <= bar.right && point.y >= bar.top &&
           point.y <= bar.bottom;
}

int PageInternals::ClampSplitter(const CMyPropertyPage2& page, int x)
{
    CRect window;
    page.GetWindowRect(&window);
    page.ScreenToClient(&window);
    const int nLowest =
        window.left + page.m_nTreeLeft + page.m_nColumnGap + page.m_rcSplitter.Width();
    const int nHighest = window.right - page.m_nRightMargin - page.m_nColumnGap;
    return std::min(std::max(x, nLowest), nHighest);
}

BOOL CMyPropertyPage2::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    // The cursor comes from where the page's template was found: the language library of
    // the standalone dialog, the module itself for a hosted page.
    if (PageInternals::IsOnSplitter(*this, point) &&
        ::SetCursor(::LoadCursorA(m_hTemplateResource, MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR))))
        return TRUE;
    return CPropertyPage::OnSetCursor(pWnd, nHitTest, message);
}

void CMyPropertyPage2::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (PageInternals::IsOnSplitter(*this, point)) {
        SetCapture();
        m_bSplitterDrag = 1;
        m_rcSplitterOld = m_rcSplitter;
    }
    CPropertyPage::OnLButtonDown(nFlags, point);
}

void CMyPropertyPage2::OnMouseMove(UINT nFlags, CPoint point)
{
    // Another window took the mouse during the drag (a message box, a window switch): the
    // drag ended there. The page exports a fixed set of members, so it learns this here
    // rather than from the capture change.
    if (m_bSplitterDrag && ::GetCapture() != m_hWnd)
        PageInternals::EndSplitterDrag(*this);
    if (m_bSplitterDrag) {
        // Only the bar follows the mouse; tree and text change when it is released.
        MoveWnd(&m_splitBar, PageInternals::ClampSplitter(*this, point.x) - m_rcSplitter.left);
        m_rcSplitter = PageInternals::ChildRect(*this, &m_splitBar);
    }
    CPropertyPage::OnMouseMove(nFlags, point);
}

void CMyPropertyPage2::OnLButtonUp(UINT nFlags, CPoint point)
{
    PageInternals::EndSplitterDrag(*this);
    CPropertyPage::OnLButtonUp(nFlags, point);
}

void PageInternals::EndSplitterDrag(CMyPropertyPage2& page)
{
    if (page.m_bSplitterDrag != 1)
        return;
    page.m_bSplitterDrag = 0;
    if (::GetCapture() == page.m_hWnd)
        ::ReleaseCapture();
    page.m_nTreeWidth += page.m_rcSplitter.left - page.m_rcSplitterOld.left;
    page.m_nTextWidth += page.m_rcSplitterOld.left - page.m_rcSplitter.left;
    page.Expand();
    page.InvalidateWnds();
}

void PageInternals::RestoreWindowPos(CMyPropertyPage2& page)
{
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS)
        return;
    long left = 0, top = 0, width = 0, height = 0, splitter = 0;
    if (ReadWindowPlacement(key, left, top, width, height, splitter) != 1)
        return;
    // A place on a screen that is no longer there would leave the dialog out of reach.
    const RECT stored = {left, top, left + width, top + height};
    if (::MonitorFromRect(&stored, MONITOR_DEFAULTTONULL))
        page.MoveWindow(left, top, width, height, TRUE);
    if (splitter != 0) {
        page.ActivateSplitter();
        // A stored bar outside today's limits is kept within them.
        const int nDistance = ClampSplitter(page, splitter) - page.m_rcSplitter.left;
        page.m_rcSplitterOld = page.m_rcSplitter;
        page.m_rcSplitter.OffsetRect(nDistance, 0);
        page.Expand();
        page.MoveWnd(&page.m_splitBar, nDistance);
    }
}

void CMyPropertyPage2::SaveWindowPos()
{
    CRect window;
    GetWindowRect(&window);
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS)
        return;
    WriteWindowPlacement(key, window.left, window.top, window.Width(), window.Height(),
                         m_rcSplitter.left);
}
