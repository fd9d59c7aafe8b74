// A dialog's PreTranslateMessage gives keyboard and mouse input to the dialog manager
// (IsDialogMessage), so window classes see keys before the dialog manager turns Enter,
// Escape and Tab into commands and focus moves.
#include "framework/ModalLoop.h"

#include "framework/CDialog.h"

BOOL AfxPreTranslateMessage(MSG* pMsg, HWND hWndStop)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandleAnyModule(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

bool AfxIsInputFor(HWND hWnd, const MSG* pMsg)
{
    const UINT message = pMsg->message;
    const bool input = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                       (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
    return input && hWnd && (pMsg->hwnd == hWnd || ::IsChild(hWnd, pMsg->hwnd));
}

AfxModalRun::AfxModalRun(CWnd* pParentWnd) : m_hFocus(::GetFocus())
{
    HWND hParent = pParentWnd ? pParentWnd->m_hWnd : ::GetActiveWindow();
    m_hOwner = hParent ? ::GetAncestor(hParent, GA_ROOT) : nullptr;
    m_bOwnerDisabled = m_hOwner && ::IsWindowEnabled(m_hOwner);
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hOwner, FALSE);
}

void AfxModalRun::End(CWnd* pWnd)
{
    // Enable the owner before the window goes, so that activation returns to it.
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hOwner, TRUE);
    if (m_hOwner && pWnd->m_hWnd && ::GetActiveWindow() == pWnd->m_hWnd)
        ::SetActiveWindow(m_hOwner);
    pWnd->DestroyWindow();
    if (m_hFocus && ::IsWindow(m_hFocus))
        ::SetFocus(m_hFocus);
    AfxDeleteTempMap();
}

bool AfxPumpMessage(HWND hWndStop)
{
    MSG msg;
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
        if (got == 0)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (!AfxPreTranslateMessage(&msg, hWndStop)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

int CDialog::RunModalLoop()
{
    if (m_bContinueModal && !(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    while (m_bContinueModal && m_hWnd && AfxPumpMessage(m_hWnd)) {
    }
    return m_nModalResult;
}
