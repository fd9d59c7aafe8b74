// A common-controls property sheet, run modally through the framework's modal loop.
// Its OnInitDialog runs after the system created the sheet and its first page.
#pragma once

#include "framework/CPropertyPage.h"

#include <vector>

#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021
#endif

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

  public:
    explicit CPropertySheet(LPCSTR pszCaption = nullptr, CWnd* pParentWnd = nullptr,
                            UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage) { m_pages.push_back(pPage); }
    BOOL SetActivePage(int nPage);

    // IDOK when the sheet was closed with OK, else IDCANCEL; -1 when it could not be created.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog() { return TRUE; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    PROPSHEETHEADERA m_psh;
    CWnd* m_pParentWnd;

  private:
    int RunModalLoop();

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    UINT m_nLastCommand = 0; // IDOK or IDCANCEL while the message that sent it is handled
};
