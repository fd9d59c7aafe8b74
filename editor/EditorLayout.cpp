// The editor's layout: the metrics measured at start, the panes following the splitter
// bar, and the controls following the window's size.
#include "editor/CKVEditor.h"

#include "resources/ResourceIds.h"

#include <initializer_list>

CRect CKVEditor::ChildRect(const CWnd* pWnd) const
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

CRect CKVEditor::ChildRect(int id) const
{
    return ChildRect(GetDlgItem(id));
}

// Moves the edges of a control by the given distances (a control the template lacks is
// left alone), repainting it.
void CKVEditor::MoveEdges(int id, int left, int top, int right, int bottom)
{
    CWnd* pWnd = GetDlgItem(id);
    if (!pWnd)
        return;
    CRect rect = ChildRect(pWnd);
    rect.left += left;
    rect.top += top;
    rect.right += right;
    rect.bottom += bottom;
    pWnd->MoveWindow(&rect, TRUE);
}

void CKVEditor::MeasureLayout()
{
    m_rcSplitter = ChildRect(&m_splitterBar);
    CRect window;
    GetWindowRect(&window);
    const CRect transfers = ChildRect(&m_lcTransfers);
    const CRect assignments = ChildRect(&m_lcAssignments);
    const CRect ok = ChildRect(IDOK);
    m_nH1 = transfers.left;
    m_nH2 = transfers.Width();
    m_nH3 = assignments.left - m_nH2 - m_nH1;
    m_nH4 = assignments.Width();
    m_nH5 = window.Width() - m_nH4 - m_nH3 - m_nH2 - m_nH1;
    m_nV1 = assignments.top;
    m_nV2 = assignments.Height();
    m_nV3 = ok.top - assignments.bottom;
    m_nV4 = window.Height() - ok.top;
}

void CKVEditor::RelayoutPanes(int d)
{
    for (int id : {IDC_TRANSFER_LIST, IDC_OWN_POSITION})
        MoveEdges(id, 0, 0, d, 0);
    for (int id : {IDC_SELECTION_LABEL, IDC_ASSIGNMENT_LIST})
        MoveEdges(id, d, 0, 0, 0);
    for (int id : {IDC_ORIGIN_LABEL, IDC_ORIGIN_X_LABEL, IDC_ORIGIN_Y_LABEL, IDC_ORIGIN_Z_LABEL,
                   IDC_ORIGIN_UNIT, IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z, IDC_ASSIGN})
        MoveEdges(id, d, 0, d, 0);
}

void CKVEditor::RepaintPanes()
{
    const auto each = [this](std::initializer_list<int> ids, auto action) {
        for (int id : ids)
            if (CWnd* pWnd = GetDlgItem(id))
                action(*pWnd);
    };
    const auto hide = [](CWnd& wnd) { wnd.ShowWindow(SW_HIDE); };
    const auto show = [](CWnd& wnd) { wnd.ShowWindow(SW_SHOW); };
    const auto invalidate = [](CWnd& wnd) { wnd.Invalidate(TRUE); };
    each({IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z}, hide);
    each({IDC_ORIGIN_LABEL, IDC_ORIGIN_X_LABEL, IDC_ORIGIN_Y_LABEL, IDC_ORIGIN_Z_LABEL,
          IDC_ORIGIN_UNIT, IDC_ASSIGN, IDC_OWN_POSITION, IDOK, IDCANCEL, ID_HELP},
         invalidate);
    each({IDC_ORIGIN_X, IDC_ORIGIN_Y, IDC_ORIGIN_Z}, show);
    each({IDC_SELECTION_LABEL, IDC_ASSIGNMENT_LIST, IDC_TRANSFER_LIST, IDC_TRANSFER_COUNT},
         invalidate);
}

// The bar and the panes move by d; the widths follow at the next measuring or release.
void CKVEditor::MoveSplitter(int d)
{
    m_rcSplitterOld = m_rcSplitter;
    m_rcSplitter.OffsetRect(d, 0);
    RelayoutPanes(d);
    MoveEdges(IDC_SPLITTER, d, 0, d, 0);
}

// The right pane takes all change of width, but never gets narrower than the gap between
// the panes: then the left pane gives way. The panes take all change of height.
void CKVEditor::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_stSelection.GetSafeHwnd())
        return;
    CRect window;
    GetWindowRect(&window);
    const int dx = window.Width() - (m_nH1 + m_nH2 + m_nH3 + m_nH4 + m_nH5);
    m_nH4 += dx;
    if (m_nH4 < m_nH3) {
        // The bar moves before the right pane narrows, so that no control has a negative
        // width on the way (the system would make it 0 and lose the difference).
        const int d = m_nH4 - m_nH3;
        m_nH4 = m_nH3;
        m_nH2 = window.Width() - m_nH1 - m_nH4 - m_nH3 - m_nH5;
        MoveSplitter(d);
    }
    for (int id : {IDC_SELECTION_LABEL, IDC_ASSIGNMENT_LIST, IDC_TRANSFER_COUNT})
        MoveEdges(id, 0, 0, dx, 0);
    for (int id : {IDOK, IDCANCEL, ID_HELP})
        MoveEdges(id, dx, 0, dx, 0);
    const int dy = window.Height() - (m_nV1 + m_nV2 + m_nV3 + m_nV4);
    m_nV2 += dy; // the panes take the height
    for (int id : {IDC_TRANSFER_LIST, IDC_ASSIGNMENT_LIST, IDC_SPLITTER})
        MoveEdges(id, 0, 0, 0, dy);
    for (int id : {IDC_TRANSFER_COUNT, IDOK, IDCANCEL, ID_HELP})
        MoveEdges(id, 0, dy, 0, dy);
    m_rcSplitter = ChildRect(&m_splitterBar);
    RepaintPanes();
}
