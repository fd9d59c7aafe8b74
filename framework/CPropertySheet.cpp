#include "framework/CPropertySheet.h"

#include "framework/ModalLoop.h"
#include "framework/ModuleState.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_strCaption(pszCaption)
{
    std::memset(&m_psh, 0, sizeof m_psh);
    m_psh.nStartPage = iSelectPage;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage)));
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_pages.empty() || m_hWnd)
        return -1;
    AfxModalRun run(m_pParentWnd);
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* pPage : m_pages)
        handles.push_back(pPage->CreatePageHandle());
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags |= PSH_MODELESS | PSH_HASHELP;
    m_psh.hwndParent = run.Owner();
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(handles.size());
    m_psh.phpage = handles.data();
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;
    {
        AfxCreateHook hook(this);
        ::PropertySheetA(&m_psh);
    }
    const int result = m_hWnd ? RunModalLoop() : -1;
    run.End(this);
    return result;
}

int CPropertySheet::RunModalLoop()
{
    // The sheet has no current page any more once OK or Cancel closed it.
    while (m_hWnd && SendMessage(PSM_GETCURRENTPAGEHWND)) {
        m_nLastCommand = 0;
        if (!AfxPumpMessage(m_hWnd))
            return IDCANCEL;
    }
    return m_nLastCommand == IDOK ? IDOK : IDCANCEL;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    return AfxIsInputFor(m_hWnd, pMsg) &&
           SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        m_nLastCommand = LOWORD(wParam);
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (message == WM_INITDIALOG)
        OnInitDialog();
    return result;
}
