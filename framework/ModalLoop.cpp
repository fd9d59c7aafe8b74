// The framework's modal loop: every message passes PreTranslateMessage of its target window
// and of the target's parents before it is dispatched. A dialog's PreTranslateMessage gives
// keyboard and mouse input to the dialog manager (IsDialogMessage), so window classes see
// keys before the dialog manager turns Enter, Escape and Tab into commands and focus moves.
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

int CDialog::RunModalLoop()
{
    if (m_bContinueModal && !(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (m_bContinueModal && m_hWnd) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT ends every loop up to the thread's own; pass it on.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!AfxPreTranslateMessage(&msg, m_hWnd)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return m_nModalResult;
}
