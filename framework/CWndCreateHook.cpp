// Subclassing a window the moment it is created, so that its object sees every message
// from WM_NCCREATE on (WM_CREATE, and for dialogs everything before WM_INITDIALOG).
#include "framework/CWnd.h"

namespace
{
CWnd* g_pWndInit = nullptr;
HHOOK g_hHook = nullptr;

LRESULT CALLBACK CreateHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}
} // namespace

AfxCreateHook::AfxCreateHook(CWnd* pWnd) : m_pPreviousWnd(g_pWndInit), m_hPreviousHook(g_hHook)
{
    g_pWndInit = pWnd;
    g_hHook = ::SetWindowsHookExA(WH_CBT, &CreateHook, nullptr, ::GetCurrentThreadId());
}

AfxCreateHook::~AfxCreateHook()
{
    if (g_hHook)
        ::UnhookWindowsHookEx(g_hHook);
    g_hHook = m_hPreviousHook;
    g_pWndInit = m_pPreviousWnd;
}
