#include "dialogs/KVCoordinateEdit.h"

#include "dialogs/ParseNumber.h"

BEGIN_MESSAGE_MAP(KVCoordinateEdit, CEdit)
ON_CONTROL_REFLECT(EN_KILLFOCUS, CommitValue)
END_MESSAGE_MAP()

KVCoordinateEdit::KVCoordinateEdit(double* pValue) : m_pValue(pValue) {}

void KVCoordinateEdit::BindValue(double* p)
{
    CString text;
    double parsed = 0.0;
    // A coordinate typed for the previous transfer reaches that transfer.
    if (m_pValue && m_hWnd) {
        GetWindowText(text);
        if (ParseNumber(text, parsed))
            *m_pValue = parsed;
    }
    m_pValue = p;
    ShowValue();
}

void KVCoordinateEdit::CommitValue()
{
    if (!m_pValue)
        return;
    CString text;
    GetWindowText(text);
    double parsed = 0.0;
    if (ParseNumber(text, parsed)) {
        *m_pValue = parsed;
        return;
    }
    ShowValue();
    MessageBeep(static_cast<UINT>(-1));
}

BOOL KVCoordinateEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        CommitValue();
        SetSel(0, -1);
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        ShowValue();
        SetSel(0, -1);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void KVCoordinateEdit::ShowValue()
{
    if (!m_hWnd)
        return;
    CString text;
    if (m_pValue)
        text.Format("%.*g", 15, *m_pValue);
    SetWindowText(text);
}
