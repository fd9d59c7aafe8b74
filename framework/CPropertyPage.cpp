#include "framework/CPropertyPage.h"

#include "framework/CWinApp.h"
#include "framework/ModuleState.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    std::memset(&m_psp, 0, sizeof m_psp);
    if (nIDCaption)
        m_strCaption.LoadString(nIDCaption);
}

HPROPSHEETPAGE CPropertyPage::CreatePageHandle()
{
    m_hTemplateResource = AfxGetResourceHandle();
    m_bFirstSetActive = true;
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_HASHELP | (m_strCaption.IsEmpty() ? 0 : PSP_USETITLE);
    m_psp.hInstance = m_hTemplateResource;
    m_psp.pszTemplate = m_lpszTemplateName;
    m_psp.pszTitle = m_strCaption;
    m_psp.pfnDlgProc = &PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    return ::CreatePropertySheetPageA(&m_psp);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // The sheet hands the page its copy of the PROPSHEETPAGE; lParam is still the object.
    auto* pPage =
        reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    return pPage->HandleInitDialog(hWnd);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK()
{
    if (!IsInSheet())
        CDialog::OnOK();
}

void CPropertyPage::OnCancel()
{
    if (!IsInSheet())
        CDialog::OnCancel();
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // In a sheet the sheet gives input to the dialog manager, for all its pages at once.
    return IsInSheet() ? FALSE : CDialog::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!pNMHDR || pNMHDR->code > PSN_FIRST || pNMHDR->code < PSN_LAST)
        return CDialog::OnNotify(wParam, lParam, pResult);
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}
