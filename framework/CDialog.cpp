#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CUserException.h"
#include "framework/CWinApp.h"
#include "framework/ModuleState.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)),
      m_pParentWnd(pParentWnd)
{
}

BOOL CDialog::CreateIndirect(HWND hWndOwner)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    HRSRC hInfo = ::FindResourceA(hResource, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hInfo ? ::LoadResource(hResource, hInfo) : nullptr;
    auto* pTemplate = static_cast<LPCDLGTEMPLATEA>(hTemplate ? ::LockResource(hTemplate) : nullptr);
    if (!pTemplate || m_hWnd)
        return FALSE;
    m_hTemplateResource = hResource;
    AfxCreateHook hook(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hResource, pTemplate, hWndOwner, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr && hWnd == m_hWnd;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    return reinterpret_cast<CDialog*>(lParam)->HandleInitDialog(hWnd);
}

BOOL CDialog::HandleInitDialog(HWND hWnd)
{
    if (m_hWnd != hWnd && !SubclassWindow(hWnd))
        return FALSE;
    ExecuteDlgInit(m_hTemplateResource);
    return OnInitDialog();
}

INT_PTR CDialog::DoModal()
{
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    HWND hOwner = hParent ? ::GetAncestor(hParent, GA_ROOT) : nullptr;
    HWND hFocus = ::GetFocus();
    const bool disableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (disableOwner)
        ::EnableWindow(hOwner, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = true;
    const int result = CreateIndirect(hOwner) ? RunModalLoop() : -1;
    m_bContinueModal = false;

    // Enable the owner before the dialog goes, so that activation returns to it.
    if (disableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (hOwner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hOwner);
    DestroyWindow();
    if (hFocus && ::IsWindow(hFocus))
        ::SetFocus(hFocus);
    AfxDeleteTempMap();
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
    if (!m_nIDHelp)
        m_nIDHelp = nIDTemplate;
    return CreateIndirect(pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        PostMessage(WM_NULL); // wakes the modal loop to see that it is over
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    const UINT message = pMsg->message;
    const bool input = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                       (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
    if (!input || !m_hWnd || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    // Commands nobody in the dialog handles (the help command) go to the application.
    CWinApp* pApp = AfxGetApp();
    return nCode == 0 && pApp && pApp->OnCmdMsg(nID, nCode);
}
