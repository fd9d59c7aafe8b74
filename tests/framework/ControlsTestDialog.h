#pragma once
// A modeless test dialog whose window is routed through a framework object, with the
// framework's control objects bound to its controls; it records the notifications it sees.

#include "framework/CBrush.h"
#include "framework/CCheckListBox.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CListBox.h"
#include "framework/CListCtrl.h"
#include "framework/CToolBarCtrl.h"
#include "framework/CTreeCtrl.h"

#include <vector>

class ControlsTestDialog : public CWnd
{
  public:
    ControlsTestDialog();
    ~ControlsTestDialog() override;

    // Dispatches waiting messages until done() holds or about five seconds have passed.
    template <class Done> bool PumpUntil(Done done);

    CCheckListBox m_checkList;
    CListCtrl m_listCtrl;
    CTreeCtrl m_tree;
    CComboBox m_comboList;
    CComboBox m_comboEdit;
    CListBox m_listBox;
    CEdit m_edit;
    CToolBarCtrl m_toolBar;
    CBrush m_brushReadOnly;

    int m_nCheckChanges = 0;
    std::vector<NMLISTVIEW> m_listChanges;
    std::vector<LPARAM> m_treeSelections; // item data of the new item of each change
    std::vector<UINT_PTR> m_toolTipIds;

  protected:
    afx_msg void OnCheckChange();
    afx_msg void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};

template <class Done> bool ControlsTestDialog::PumpUntil(Done done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 5000)
            return false;
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            Sleep(10);
        }
    }
    return true;
}
