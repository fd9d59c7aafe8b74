// The splitter bar between the editor's panes, dragged with the mouse, and the face colour
// of its read-only and disabled fields.
#include "editor/CKVEditor.h"

#include "framework/ModuleState.h"
#include "resources/ResourceIds.h"

#include <algorithm>

// Edges included.
bool CKVEditor::IsOnSplitter(CPoint point) const
{
    return point.x >= m_rcSplitter.left && point.x <= m_rcSplitter.right &&
           point.y >= m_rcSplitter.top && point.y <= m_rcSplitter.bottom;
}

// Each pane keeps at least the width of the gap between the panes; where both cannot, the
// upper limit wins.
int CKVEditor::ClampSplitter(int x) const
{
    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    const int lowest = window.left + m_nH1 + m_nH3 + m_rcSplitter.Width();
    const int highest = window.right - m_nH5 - m_nH3;
    return std::min(std::max(x, lowest), highest);
}

BOOL CKVEditor::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (IsOnSplitter(point)) {
        const LPCSTR name = MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR);
        ::SetCursor(::LoadCursorA(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CKVEditor::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsOnSplitter(point)) {
        SetCapture();
        m_nDragState = 1;
        m_rcSplitterOld = m_rcSplitter;
    }
    CDialog::OnLButtonDown(nFlags, point);
}

// Only the bar follows the mouse; the panes follow when it is released.
void CKVEditor::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nDragState != 0) {
        const int d = ClampSplitter(point.x) - m_rcSplitter.left;
        MoveEdges(IDC_SPLITTER, d, 0, d, 0);
        m_rcSplitter = ChildRect(&m_splitterBar);
    }
    CDialog::OnMouseMove(nFlags, point);
}

void CKVEditor::OnLButtonUp(UINT nFlags, CPoint point)
{
    EndSplitterDrag();
    CDialog::OnLButtonUp(nFlags, point);
}

// A drag the system ends (another window takes the mouse) leaves the panes where the bar is.
LRESULT CKVEditor::OnCaptureChanged(WPARAM, LPARAM)
{
    EndSplitterDrag();
    return 0;
}

void CKVEditor::EndSplitterDrag()
{
    if (m_nDragState != 1)
        return;
    // Reset before the release, whose capture change comes back here; another window's
    // capture is left alone.
    m_nDragState = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    const int d = m_rcSplitter.left - m_rcSplitterOld.left;
    m_nH2 += d;
    m_nH4 -= d;
    RelayoutPanes(d);
    RepaintPanes();
}

HBRUSH CKVEditor::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH brush = m_colouring.Colour(pDC, pWnd, nCtlColor))
        return brush;
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
