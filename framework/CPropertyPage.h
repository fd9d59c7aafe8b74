// A page of a common-controls property sheet. Each page builds its own PROPSHEETPAGE with
// its own module's dialog procedure and resource handle (CreatePageHandle is virtual), so a
// page class of one module can sit in a sheet of another module. A page can also run as a
// dialog of its own (DoModal) from a second template.
#pragma once

#include "framework/CDialog.h"

#include <commctrl.h>
#include <prsht.h>

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

  public:
    explicit CPropertyPage(UINT nIDTemplate = 0, UINT nIDCaption = 0);

    // The page's handle for a sheet; the sheet owns it from then on.
    virtual HPROPSHEETPAGE CreatePageHandle();

    // PSN_SETACTIVE: TRUE accepts the activation; the default shows the members again
    // (except on the first activation, which OnInitDialog covered).
    virtual BOOL OnSetActive();
    // PSN_KILLACTIVE: FALSE keeps the page (its data did not pass the exchange).
    virtual BOOL OnKillActive();
    // PSN_APPLY (the sheet's OK or Apply): runs OnOK.
    virtual BOOL OnApply();
    // PSN_RESET (the sheet's Cancel or close box): runs OnCancel.
    virtual void OnReset();
    virtual BOOL OnQueryCancel() { return TRUE; }
    // In a sheet nothing (the sheet closes itself); on its own the dialog's OK and Cancel.
    void OnOK() override;
    void OnCancel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    PROPSHEETPAGEA m_psp;

  protected:
    // True while the page is a child of a sheet rather than a dialog of its own.
    bool IsInSheet() const { return m_hWnd && (GetStyle() & WS_CHILD); }

  private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strCaption;
    bool m_bFirstSetActive = true;
};
