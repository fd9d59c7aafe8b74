#include "framework/CWnd.h"
#include "framework/CWinApp.h"
#include "framework/ModuleState.h"

#include <vector>

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (m_hWnd)
        return FALSE;
    HWND hWnd;
    {
        AfxCreateHook hook(this);
        hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                 pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                 AfxGetInstanceHandle(), nullptr);
    }
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    rString = buffer.data();
}

void CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (HWND hWndItem = ::GetDlgItem(m_hWnd, nID))
        FromHandle(hWndItem)->GetWindowText(rString);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    // Without a caption the application's name, as for every framework message box.
    CWinApp* pApp = AfxGetApp();
    if (!lpszCaption)
        lpszCaption = pApp ? pApp->m_pszAppName : "";
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}
