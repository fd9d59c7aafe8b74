#include "ControlsTestDialog.h"

#include "framework/CString.h"

#include "ControlsTestResources.h"

BEGIN_MESSAGE_MAP(ControlsTestDialog, CWnd)
ON_CONTROL(CLBN_CHKCHANGE, IDC_TEST_CHECKLIST, OnCheckChange)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TEST_LISTCTRL, OnListItemChanged)
ON_NOTIFY(TVN_SELCHANGED, IDC_TEST_TREE, OnTreeSelChanged)
ON_NOTIFY_EX_RANGE(TTN_GETDISPINFO, 0, 0xFFFF, OnToolTipText)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace
{

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

ControlsTestDialog::ControlsTestDialog()
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                   ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HWND hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_CONTROLS),
                                   nullptr, PlainDialogProc, 0);
    SubclassWindow(hWnd);
    m_checkList.SubclassDlgItem(IDC_TEST_CHECKLIST, this);
    m_listCtrl.SubclassDlgItem(IDC_TEST_LISTCTRL, this);
    m_tree.SubclassDlgItem(IDC_TEST_TREE, this);
    m_comboList.SubclassDlgItem(IDC_TEST_COMBO_LIST, this);
    m_comboEdit.SubclassDlgItem(IDC_TEST_COMBO_EDIT, this);
    m_listBox.SubclassDlgItem(IDC_TEST_LISTBOX, this);
    m_edit.SubclassDlgItem(IDC_TEST_EDIT, this);
    m_brushReadOnly.CreateSysColorBrush(COLOR_BTNFACE);
    ::ShowWindow(hWnd, SW_SHOW);
}

ControlsTestDialog::~ControlsTestDialog()
{
    DestroyWindow();
}

void ControlsTestDialog::OnCheckChange()
{
    ++m_nCheckChanges;
}

void ControlsTestDialog::OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_listChanges.push_back(*reinterpret_cast<NMLISTVIEW*>(pNMHDR));
    *pResult = 0;
}

void ControlsTestDialog::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_treeSelections.push_back(reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.lParam);
    *pResult = 0;
}

// The editor's rule: the text after the first line break of the command's string.
BOOL ControlsTestDialog::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    m_toolTipIds.push_back(pNMHDR->idFrom);
    CString text;
    text.LoadString(static_cast<UINT>(pNMHDR->idFrom));
    const int lineBreak = text.Find('\n');
    lstrcpynA(info->szText, text.Mid(lineBreak + 1), sizeof(info->szText));
    *pResult = 0;
    return TRUE;
}

// Read-only and disabled edit fields in the button face colour.
HBRUSH ControlsTestDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_EDIT ||
        ((pWnd->GetStyle() & ES_READONLY) == 0 && pWnd->IsWindowEnabled()))
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    m_brushReadOnly.DeleteObject();
    m_brushReadOnly.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    pDC->SetBkColor(GetSysColor(COLOR_BTNFACE));
    pDC->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    return m_brushReadOnly;
}
