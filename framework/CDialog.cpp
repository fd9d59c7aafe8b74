#include "framework/CDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CUserException.h"
#include "framework/CWinApp.h"
#include "framework/ModalLoop.h"
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
    AfxModalRun run(m_pParentWnd);
    m_nModalResult = -1;
    m_bContinueModal = true;
    const int result = CreateIndirect(run.Owner()) ? RunModalLoop() : -1;
    m_bContinueModal = false;
    run.End(this);
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
    return AfxIsInputFor(m_hWnd, pMsg) && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    // Commands nobody in the dialog handles (the help command) go to the application.
    CWinApp* pApp = AfxGetApp();
    return nCode == 0 && pApp && pApp->OnCmdMsg(nID, nCode);
}
