// The one dispatcher: every window with a framework object has AfxWndProc as its window
// procedure; it finds the object and runs the handler its message map names for the
// message, or the window's previous procedure.
#include "framework/CWnd.h"

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

namespace
{
// The message being handled, for Default(); saved and restored around nested messages.
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage g_currentMessage = {0, 0, 0};

using PmsgNotify = void (CCmdTarget::*)(NMHDR*, LRESULT*);
using PmsgNotifyEx = BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*);
using PmsgL = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);

// Runs a notification entry; FALSE when an _EX handler passes it on.
BOOL CallNotify(CCmdTarget* target, const AFX_MSGMAP_ENTRY* e, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (e->nSig == AfxSig_bwNMHDRpl)
        return (target->*reinterpret_cast<PmsgNotifyEx>(e->pfn))(static_cast<UINT>(pNMHDR->idFrom),
                                                                 pNMHDR, pResult);
    (target->*reinterpret_cast<PmsgNotify>(e->pfn))(pNMHDR, pResult);
    return TRUE;
}

// The control with an object that an owner-draw message (WM_DRAWITEM and its kin) is
// about, so that the message can be reflected to it; null for every other message.
CWnd* OwnerDrawControl(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWndControl = nullptr;
    switch (message) {
    case WM_DRAWITEM:
        hWndControl = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        hWndControl = ::GetDlgItem(hWndParent, static_cast<int>(wParam));
        break;
    case WM_COMPAREITEM:
        hWndControl = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_DELETEITEM:
        hWndControl = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        return nullptr;
    }
    return CWnd::FromHandlePermanent(hWndControl);
}
} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const CurrentMessage saved = g_currentMessage;
    g_currentMessage = {message, wParam, lParam};
    const LRESULT result = pWnd->WindowProc(message, wParam, lParam);
    g_currentMessage = saved;
    if (message == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->UnsubclassWindow();
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_currentMessage.message, g_currentMessage.wParam,
                         g_currentMessage.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        *pResult = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, pResult);
    if (CWnd* pControl = OwnerDrawControl(m_hWnd, message, wParam, lParam)) {
        *pResult = TRUE;
        if (pControl->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }

    UINT nCtlColor = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        nCtlColor = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, 0, 0);
    if (!e)
        return FALSE;
    switch (e->nSig) {
    case AfxSig_lwl:
        *pResult = (this->*reinterpret_cast<PmsgL>(e->pfn))(wParam, lParam);
        break;
    case AfxSig_vwii:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, int, int)>(e->pfn))(
            static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hDWw: {
        HBRUSH brush = (this->*reinterpret_cast<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(e->pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
            FromHandle(reinterpret_cast<HWND>(lParam)), nCtlColor);
        *pResult = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case AfxSig_bWww:
        *pResult = (this->*reinterpret_cast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(e->pfn))(
            FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, CPoint)>(e->pfn))(static_cast<UINT>(wParam),
                                                                        CPoint(lParam));
        break;
    case AfxSig_vMINMAX:
        (this->*reinterpret_cast<void (CWnd::*)(MINMAXINFO*)>(e->pfn))(
            reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_iCREATE:
        *pResult = (this->*reinterpret_cast<int (CWnd::*)(LPCREATESTRUCT)>(e->pfn))(
            reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    default:
        (this->*e->pfn)();
        *pResult = 0;
        break;
    }
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl) {
        CWnd* pControl = FromHandlePermanent(hWndControl);
        if (pControl && pControl->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    *pResult = 0;
    if (!pNMHDR)
        return FALSE;
    const AFX_MSGMAP_ENTRY* e =
        FindMessageEntry(WM_NOTIFY, pNMHDR->code, static_cast<UINT>(pNMHDR->idFrom));
    return e && CallNotify(this, e, pNMHDR, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*)
{
    return ReflectChildNotify(message, wParam);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam)
{
    if (message == WM_COMMAND) {
        const AFX_MSGMAP_ENTRY* e =
            FindMessageEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
        if (!e)
            return FALSE;
        (this->*e->pfn)();
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

// The defaults of the handlers: the system's handling of the message.
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}
