// The controls inside a modal dialog, driven by the harness through the modal loop: the
// check list box's click and space bar, list control, tree and combo box selection by the
// user, each reaching the dialog's message map.
#include "ControlsTestResources.h"

#include "framework/CCheckListBox.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "framework/CTreeCtrl.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

using harness::RunScripted;
using harness::Window;

namespace
{

class ModalControlsDialog : public CDialog
{
  public:
    ModalControlsDialog() : CDialog(IDD_TEST_CONTROLS) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* name : {"Auflager A", "Auflager B", "Auflager C"})
            m_checkList.AddString(name);
        m_checkList.SetItemData(1, 11);
        m_listCtrl.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
        for (int row = 0; row < 3; ++row)
            m_listCtrl.InsertItem(LVIF_TEXT | LVIF_PARAM, row, row ? "V2" : "V1", 0, 0, 0,
                                  100 + row);
        HTREEITEM root = m_tree.InsertItem("Projekt");
        m_tree.SetItemData(root, 0);
        m_tree.SetItemData(m_tree.InsertItem("A", root), 1);
        m_tree.Expand(root, TVE_EXPAND);
        m_combo.AddString("Projekt");
        m_combo.AddString("FEM");
        return TRUE;
    }

    CCheckListBox m_checkList;
    CListCtrl m_listCtrl;
    CTreeCtrl m_tree;
    CComboBox m_combo;
    int m_nCheckChanges = 0;
    int m_nSelChanges = 0;
    int m_nComboSelChanges = 0;
    LPARAM m_selectedListData = -1; // item data of the single selected row after a change
    LPARAM m_selectedTreeData = -1;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_CHECKLIST, m_checkList);
        DDX_Control(pDX, IDC_TEST_LISTCTRL, m_listCtrl);
        DDX_Control(pDX, IDC_TEST_TREE, m_tree);
        DDX_Control(pDX, IDC_TEST_COMBO_LIST, m_combo);
    }
    afx_msg void OnCheckChange() { ++m_nCheckChanges; }
    afx_msg void OnSelChange() { ++m_nSelChanges; }
    afx_msg void OnComboSelChange() { ++m_nComboSelChanges; }
    afx_msg void OnListItemChanged(NMHDR*, LRESULT* pResult)
    {
        if (m_listCtrl.GetSelectedCount() == 1)
            m_selectedListData = static_cast<LPARAM>(
                m_listCtrl.GetItemData(m_listCtrl.GetNextItem(-1, LVNI_SELECTED)));
        *pResult = 0;
    }
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_selectedTreeData = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.lParam;
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ModalControlsDialog, CDialog)
ON_CONTROL(CLBN_CHKCHANGE, IDC_TEST_CHECKLIST, OnCheckChange)
ON_LBN_SELCHANGE(IDC_TEST_CHECKLIST, OnSelChange)
ON_CBN_SELCHANGE(IDC_TEST_COMBO_LIST, OnComboSelChange)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TEST_LISTCTRL, OnListItemChanged)
ON_NOTIFY(TVN_SELCHANGED, IDC_TEST_TREE, OnTreeSelChanged)
END_MESSAGE_MAP()

TEST(ModalControls, UserSelectionsAndChecksReachTheDialog)
{
    ModalControlsDialog dialog;
    const INT_PTR result = RunScripted([&] { return dialog.DoModal(); },
                                       [&] {
                                           Window dlg = harness::WaitForDialog(IDC_TEST_CHECKLIST);
                                           Window checks = dlg.Control(IDC_TEST_CHECKLIST);
                                           checks.SelectRow(0);
                                           checks.ClickCheck(2);
                                           EXPECT_EQ(checks.RowChecked(2), 1);
                                           EXPECT_EQ(checks.Selection(), 0);
                                           checks.Focus();
                                           harness::Key(VK_SPACE);
                                           EXPECT_EQ(checks.RowChecked(0), 1);
                                           EXPECT_EQ(checks.Selection(), 0);
                                           checks.ClickCheck(2);
                                           EXPECT_EQ(checks.RowChecked(2), 0);

                                           dlg.Control(IDC_TEST_LISTCTRL).SelectRow(2);
                                           dlg.Control(IDC_TEST_TREE).SelectTreeItem("A");
                                           dlg.Control(IDC_TEST_COMBO_LIST).SelectRow(1);
                                           dlg.Control(IDOK).Click();
                                       });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nCheckChanges, 3);
    EXPECT_EQ(dialog.m_nSelChanges, 1);
    EXPECT_EQ(dialog.m_selectedListData, 102);
    EXPECT_EQ(dialog.m_selectedTreeData, 1);
    EXPECT_EQ(dialog.m_nComboSelChanges, 1);
}

// The controls in a defined state, for a look at their drawing (a PNG under Xvfb).
TEST(ModalControls, Screenshot)
{
    ModalControlsDialog dialog;
    RunScripted([&] { return dialog.DoModal(); },
                [&] {
                    Window dlg = harness::WaitForDialog(IDC_TEST_CHECKLIST);
                    Window checks = dlg.Control(IDC_TEST_CHECKLIST);
                    checks.ClickCheck(0);
                    checks.ClickCheck(2);
                    checks.SelectRow(1);
                    dlg.Control(IDC_TEST_LISTCTRL).SelectRow(1);
                    dlg.Control(IDC_TEST_TREE).SelectTreeItem("A");
                    harness::Screenshot(dlg, "framework_controls");
                    dlg.Control(IDOK).Click();
                });
}

} // namespace
