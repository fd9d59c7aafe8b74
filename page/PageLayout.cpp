// The page's layout: metrics captured from the template, the controls following the
// window's size, and the minimum size.
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "resources/ResourceIds.h"

CRect PageInternals::ChildRect(const CMyPropertyPage2& page, const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    page.ScreenToClient(&rect);
    return rect;
}

CWnd* PageInternals::BottomButton(const CMyPropertyPage2& page)
{
    CWnd* pCancel = page.GetDlgItem(IDCANCEL);
    return pCancel ? pCancel : page.GetDlgItem(ID_KVD_CALCUL);
}

void CMyPropertyPage2::ActivateSplitter()
{
    CWnd* pText = GetDlgItem(IDC_LOAD_TEXT);
    CWnd* pButton = PageInternals::BottomButton(*this);
    if (!m_tree.GetSafeHwnd() || !m_splitBar.GetSafeHwnd() || !pText || !pButton)
        return;
    m_rcSplitter = PageInternals::ChildRect(*this, &m_splitBar);
    CRect window;
    GetWindowRect(&window);
    const CRect tree = PageInternals::ChildRect(*this, &m_tree);
    m_nTreeLeft = tree.left;
    m_nTreeWidth = tree.Width();
    const CRect text = PageInternals::ChildRect(*this, pText);
    m_nColumnGap = text.left - m_nTreeWidth - m_nTreeLeft;
    m_nTextWidth = text.Width();
    m_nRightMargin = window.Width() - m_nTextWidth - m_nColumnGap - m_nTreeWidth - m_nTreeLeft;
    m_nTextBottom = text.bottom;
    m_nButtonGap = PageInternals::ChildRect(*this, pButton).top - m_nTextBottom;
    m_nBottomMargin = window.Height() - m_nTextBottom - m_nButtonGap;
}

void PageInternals::MoveEdges(const CMyPropertyPage2& page, CWnd* pWnd, int nLeft, int nTop,
                              int nRight, int nBottom)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    CRect rect = ChildRect(page, pWnd);
    rect.left += nLeft;
    rect.top += nTop;
    rect.right += nRight;
    rect.bottom += nBottom;
    pWnd->MoveWindow(&rect, TRUE);
}

void CMyPropertyPage2::MoveWnd(CWnd* pWnd, int nDistance)
{
    PageInternals::MoveEdges(*this, pWnd, nDistance, 0, nDistance, 0);
}

void CMyPropertyPage2::ExpandRight(CWnd* pWnd, int nDistance)
{
    PageInternals::MoveEdges(*this, pWnd, 0, 0, nDistance, 0);
}

void CMyPropertyPage2::ExpandLeft(CWnd* pWnd, int nDistance)
{
    PageInternals::MoveEdges(*this, pWnd, nDistance, 0, 0, 0);
}

void CMyPropertyPage2::ExpandDown(CWnd* pWnd, int nDistance)
{
    PageInternals::MoveEdges(*this, pWnd, 0, 0, 0, nDistance);
}

void CMyPropertyPage2::MoveVertWnd(CWnd* pWnd, int nDistance)
{
    PageInternals::MoveEdges(*this, pWnd, 0, nDistance, 0, nDistance);
}

void CMyPropertyPage2::Expand()
{
    const int nDistance = m_rcSplitter.left - m_rcSplitterOld.left;
    ExpandRight(&m_tree, nDistance);
    ExpandLeft(GetDlgItem(IDC_LOAD_TEXT), nDistance);
}

void CMyPropertyPage2::InvalidateWnds()
{
    CWnd* pText = GetDlgItem(IDC_LOAD_TEXT);
    if (pText)
        pText->ShowWindow(SW_HIDE);
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_tree), GetDlgItem(IDCANCEL), GetDlgItem(ID_KVD_CALCUL),
                       GetDlgItem(ID_KVD_PRINT)}) {
        if (pWnd && pWnd->GetSafeHwnd())
            pWnd->Invalidate(TRUE);
    }
    if (pText)
        pText->ShowWindow(SW_SHOW);
}

void CMyPropertyPage2::OnSize(UINT nType, int cx, int cy)
{
    CPropertyPage::OnSize(nType, cx, cy);
    if (!m_tree.GetSafeHwnd())
        return;
    CRect window;
    GetWindowRect(&window);
    CWnd* pText = GetDlgItem(IDC_LOAD_TEXT);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    CWnd* pCalcul = GetDlgItem(ID_KVD_CALCUL);
    CWnd* pPrint = GetDlgItem(ID_KVD_PRINT);

    const int dx = window.Width() -
                   (m_nTreeLeft + m_nTreeWidth + m_nColumnGap + m_nTextWidth + m_nRightMargin);
    m_nTextWidth += dx;
    if (m_nTextWidth < m_nColumnGap) {
        // The text field keeps the width of the column gap; the tree gives up the rest.
        // Its left edge moves first, so that it never has a negative width on the way
        // (the system would make that 0 and lose the difference).
        const int nShift = m_nTextWidth - m_nColumnGap;
        m_nTextWidth = m_nColumnGap;
        m_nTreeWidth = window.Width() - m_nTreeLeft - m_nTextWidth - m_nColumnGap - m_nRightMargin;
        m_rcSplitterOld = m_rcSplitter;
        m_rcSplitter.OffsetRect(nShift, 0);
        Expand();
        MoveWnd(&m_splitBar, nShift);
    }
    ExpandRight(pText, dx);
    MoveWnd(pCancel, dx);
    MoveWnd(pCalcul, dx);
    MoveWnd(pPrint, dx);

    const int dy = window.Height() - (m_nTextBottom + m_nButtonGap + m_nBottomMargin);
    m_nTextBottom += dy;
    ExpandDown(&m_tree, dy);
    ExpandDown(pText, dy);
    ExpandDown(&m_splitBar, dy);
    MoveVertWnd(pCalcul, dy);
    MoveVertWnd(pCancel, dy);
    MoveVertWnd(pPrint, dy);

    InvalidateWnds();
    m_rcSplitter = PageInternals::ChildRect(*this, &m_splitBar);
}

void CMyPropertyPage2::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = m_minTrackSize.cx;
    lpMMI->ptMinTrackSize.y = m_minTrackSize.cy;
    CPropertyPage::OnGetMinMaxInfo(lpMMI);
}
