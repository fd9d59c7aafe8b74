#include "framework/CCheckListBox.h"

#include "framework/CRect.h"

#include <windowsx.h>

int CCheckListBox::GetCheck(int index) const
{
    SyncRows();
    if (index < 0 || index >= static_cast<int>(m_checks.size()))
        return 0;
    return m_checks[static_cast<size_t>(index)];
}

void CCheckListBox::SetCheck(int index, int check)
{
    SyncRows();
    if (index < 0 || index >= static_cast<int>(m_checks.size()))
        return;
    m_checks[static_cast<size_t>(index)] = check ? 1 : 0;
    CRect rect;
    if (GetItemRect(index, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

void CCheckListBox::SyncRows() const
{
    const int count = GetCount();
    m_checks.resize(count > 0 ? static_cast<size_t>(count) : 0, 0);
}

int CCheckListBox::CheckFromPoint(POINT point) const
{
    const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    const int index = LOWORD(hit);
    CRect rect;
    if (HIWORD(hit) || GetItemRect(index, rect) == LB_ERR)
        return -1;
    // The box is a square of the row's height at its left end.
    rect.right = rect.left + rect.Height();
    return rect.PtInRect(point) ? index : -1;
}

void CCheckListBox::Toggle(int index)
{
    SetCheck(index, !GetCheck(index));
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int index = CheckFromPoint(CPoint(lParam));
        if (index < 0)
            break;
        ::SetFocus(m_hWnd);
        Toggle(index);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam != VK_SPACE)
            break;
        if (GetCaretIndex() >= 0 && GetCaretIndex() < GetCount())
            Toggle(GetCaretIndex());
        return 0;
    case WM_CHAR:
        if (wParam == ' ')
            return 0; // no incremental search for the blank that toggled the check
        break;
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        SyncRows();
        const LRESULT index = CListBox::WindowProc(message, wParam, lParam);
        if (index >= 0 && index <= static_cast<LRESULT>(m_checks.size()))
            m_checks.insert(m_checks.begin() + index, 0);
        return index;
    }
    case LB_DELETESTRING: {
        SyncRows();
        const LRESULT left = CListBox::WindowProc(message, wParam, lParam);
        if (left != LB_ERR && wParam < m_checks.size())
            m_checks.erase(m_checks.begin() + static_cast<ptrdiff_t>(wParam));
        return left;
    }
    case LB_RESETCONTENT:
        m_checks.clear();
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT& item) const
{
    CRect row(item.rcItem);
    const int index = static_cast<int>(item.itemID);
    if (index >= 0) {
        CRect box(row.left, row.top, row.left + row.Height(), row.bottom);
        CRect text(box.right, row.top, row.right, row.bottom);
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        ::FillRect(item.hDC, box, ::GetSysColorBrush(COLOR_WINDOW));
        ::FillRect(item.hDC, text, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        box.DeflateRect(2, 2);
        ::DrawFrameControl(item.hDC, box, DFC_BUTTON,
                           DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(index) ? DFCS_CHECKED : 0));
        CString label;
        GetText(index, label);
        ::SetBkMode(item.hDC, TRANSPARENT);
        ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        text.left += 2;
        ::DrawTextA(item.hDC, label, -1, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        row.left = box.right + 2;
    }
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(item.hDC, row);
}
