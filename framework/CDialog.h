// A dialog from a template in the current resource handle, modal (DoModal, with the
// framework's own modal loop) or modeless (Create). Its initial list data (the dialog-init
// resource of the same number) is filled in before OnInitDialog.
#pragma once

#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

  public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Controls to members (bSaveAndValidate) or back; FALSE when a field held bad input.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void GotoDlgCtrl(CWnd* pWndCtrl);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode) override;

    UINT m_nIDHelp = 0;
    LPCSTR m_lpszTemplateName = nullptr; // MAKEINTRESOURCE of the template number
    CWnd* m_pParentWnd = nullptr;

  protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Creates the window from the template, subclassed from its first message on.
    BOOL CreateIndirect(HWND hWndOwner);
    // Fills list and combo boxes from the dialog-init resource beside the template.
    void ExecuteDlgInit(HINSTANCE hResource);
    // Attaches a window whose creation the framework did not see, fills the initial list
    // data and runs OnInitDialog.
    BOOL HandleInitDialog(HWND hWnd);
    // Runs the modal loop for this window; the result EndDialog gave.
    int RunModalLoop();

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_hTemplateResource = nullptr; // where the template was found
    int m_nModalResult = -1;
    bool m_bContinueModal = false;

    DECLARE_MESSAGE_MAP()
};
