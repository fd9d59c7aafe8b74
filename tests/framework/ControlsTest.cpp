// The control wrappers' own work in one dialog: checks of the check list box, texts of any
// length, item data, the selection walk, owner drawing, the colour request and the
// notifications reaching the dialog's map; the controls' behaviour is the system's. The
// dialog runs modeless for direct calls and modally for the user's clicks and keys.
#include "ControlsTestResources.h"

#include "framework/AfxMessageBox.h"
#include "framework/CBrush.h"
#include "framework/CCheckListBox.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CImageList.h"
#include "framework/CListCtrl.h"
#include "framework/CTreeCtrl.h"
#include "framework/CWaitCursor.h"
#include "framework/CWinApp.h"
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using harness::Window;

namespace
{

class ControlsDialog : public CDialog
{
  public:
    ControlsDialog() : CDialog(IDD_TEST_CONTROLS)
    {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                      ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* name : {"Auflager A", "Auflager B", "Auflager C"})
            m_checkList.AddString(name);
        m_checkList.SetItemData(1, 11);
        m_listCtrl.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
        m_listCtrl.InsertColumn(1, "Datei", LVCFMT_LEFT, 120);
        for (int row = 0; row < 3; ++row)
            m_listCtrl.InsertItem(LVIF_TEXT | LVIF_PARAM, row,
                                  ("V" + std::to_string(row + 1)).c_str(), 0, 0, 0, 100 + row);
        HTREEITEM root = m_tree.InsertItem("Projekt");
        m_tree.SetItemData(root, 0);
        m_tree.SetItemData(m_tree.InsertItem("A", root), 1);
        m_tree.Expand(root, TVE_EXPAND);
        for (CComboBox* combo : {&m_combo, &m_comboEdit}) {
            combo->AddString("Projekt");
            combo->AddString("FEM");
        }
        m_brushReadOnly.CreateSysColorBrush(COLOR_BTNFACE);
        return TRUE;
    }

    CCheckListBox m_checkList;
    CListCtrl m_listCtrl;
    CTreeCtrl m_tree;
    CComboBox m_combo;
    CComboBox m_comboEdit;
    CListBox m_listBox;
    CEdit m_edit;
    CBrush m_brushReadOnly;
    int m_nCheckChanges = 0;
    int m_nSelChanges = 0;
    int m_nComboSelChanges = 0;
    std::vector<int> m_listChanges; // the row of each change
    LPARAM m_selectedListData = -1; // item data of the single selected row after a change
    LPARAM m_selectedTreeData = -1;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_CHECKLIST, m_checkList);
        DDX_Control(pDX, IDC_TEST_LISTCTRL, m_listCtrl);
        DDX_Control(pDX, IDC_TEST_TREE, m_tree);
        DDX_Control(pDX, IDC_TEST_COMBO_LIST, m_combo);
        DDX_Control(pDX, IDC_TEST_COMBO_EDIT, m_comboEdit);
        DDX_Control(pDX, IDC_TEST_LISTBOX, m_listBox);
        DDX_Control(pDX, IDC_TEST_EDIT, m_edit);
    }
    afx_msg void OnCheckChange() { ++m_nCheckChanges; }
    afx_msg void OnSelChange() { ++m_nSelChanges; }
    afx_msg void OnComboSelChange() { ++m_nComboSelChanges; }
    afx_msg void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_listChanges.push_back(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem);
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
    // Read-only edit fields in the button face colour.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor != CTLCOLOR_EDIT || (pWnd->GetStyle() & ES_READONLY) == 0)
            return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        pDC->SetBkColor(GetSysColor(COLOR_BTNFACE));
        pDC->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        return m_brushReadOnly;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CDialog)
ON_CONTROL(CLBN_CHKCHANGE, IDC_TEST_CHECKLIST, OnCheckChange)
ON_LBN_SELCHANGE(IDC_TEST_CHECKLIST, OnSelChange)
ON_CBN_SELCHANGE(IDC_TEST_COMBO_LIST, OnComboSelChange)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TEST_LISTCTRL, OnListItemChanged)
ON_NOTIFY(TVN_SELCHANGED, IDC_TEST_TREE, OnTreeSelChanged)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class Controls : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_TEST_CONTROLS)); }
    ControlsDialog dialog;
};

TEST_F(Controls, CheckListBoxKeepsChecksWithTheirRowsAndTogglesOnlyOnTheBox)
{
    CCheckListBox& list = dialog.m_checkList;
    list.SetCheck(1, 1);
    list.InsertString(0, "Z");
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_EQ(11u, list.GetItemData(2));
    list.DeleteString(0);
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(0, list.GetCheck(0));
    // Rows added behind the object's back and indexes outside read as unchecked.
    SendMessageA(list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("D"));
    EXPECT_EQ(0, list.GetCheck(3));
    EXPECT_EQ(0, list.GetCheck(-1));
    CString text;
    list.GetText(3, text);
    EXPECT_STREQ("D", text);
    list.ResetContent();
    list.AddString("E");
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(0, dialog.m_nCheckChanges); // changes by the program send nothing

    // A click toggles only on the box, a square of the row's height at its left end.
    CRect row;
    list.GetItemRect(0, row);
    for (int x : {row.left + row.Height() + 2, row.left + row.Height() / 2}) {
        const LPARAM at = MAKELPARAM(x, row.top + row.Height() / 2);
        SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(1, dialog.m_nCheckChanges);
}

TEST_F(Controls, CheckListBoxDrawsTheRowsItsParentPassesOn)
{
    CRect row;
    dialog.m_checkList.GetItemRect(0, row);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, row.right + 10, row.bottom + 10);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw = {ODT_LISTBOX,
                           IDC_TEST_CHECKLIST,
                           0,
                           ODA_DRAWENTIRE,
                           ODS_SELECTED,
                           dialog.m_checkList.m_hWnd,
                           dc,
                           row,
                           0};
    for (UINT state : {UINT(ODS_SELECTED), 0u}) {
        draw.itemState = state;
        SendMessageA(dialog.m_hWnd, WM_DRAWITEM, IDC_TEST_CHECKLIST,
                     reinterpret_cast<LPARAM>(&draw));
        EXPECT_EQ(GetNearestColor(dc, GetSysColor(state ? COLOR_HIGHLIGHT : COLOR_WINDOW)),
                  GetPixel(dc, row.right - 2, row.top + 1));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(Controls, ListTreeAndComboTextsOfAnyLengthDataAndSelection)
{
    CListCtrl& list = dialog.m_listCtrl;
    const std::string longText(700, 'x');
    EXPECT_TRUE(list.SetItemText(2, 1, longText.c_str()));
    EXPECT_STREQ(longText.c_str(), list.GetItemText(2, 1));
    EXPECT_STREQ("V2", list.GetItemText(1, 0));
    EXPECT_STREQ("", list.GetItemText(7, 0));
    EXPECT_EQ(101u, list.GetItemData(1));
    EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition());
    for (int row : {1, 2})
        EXPECT_TRUE(list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(2, dialog.m_listChanges.back());
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 2}), selected);

    CTreeCtrl& tree = dialog.m_tree;
    HTREEITEM root = tree.GetRootItem();
    HTREEITEM a = tree.GetChildItem(root);
    HTREEITEM b = tree.InsertItem("B", root);
    HTREEITEM t = tree.InsertItem(longText.c_str(), b);
    EXPECT_EQ(b, tree.GetNextSiblingItem(a));
    EXPECT_EQ(b, tree.GetNextItem(t, TVGN_PARENT));
    EXPECT_STREQ(longText.c_str(), tree.GetItemText(t));
    EXPECT_TRUE(tree.SetItemData(b, 2));
    EXPECT_EQ(2u, tree.GetItemData(b));
    EXPECT_TRUE(tree.SelectItem(a));
    EXPECT_EQ(1, dialog.m_selectedTreeData);

    CString text;
    for (CComboBox* combo : {&dialog.m_combo, &dialog.m_comboEdit}) {
        combo->SetItemData(1, 7);
        EXPECT_EQ(7u, combo->GetItemData(1));
        combo->GetLBText(1, text);
        EXPECT_STREQ("FEM", text);
        combo->GetLBText(7, text);
        EXPECT_STREQ("", text);
    }
    dialog.m_listBox.AddString(longText.c_str());
    dialog.m_listBox.GetText(0, text);
    EXPECT_STREQ(longText.c_str(), text);
    dialog.m_listBox.GetText(-1, text);
    EXPECT_STREQ("", text);
}

TEST_F(Controls, EditSelectionAndTheColourRequestOfAReadOnlyField)
{
    dialog.m_edit.SetWindowText("12.5");
    dialog.m_edit.SetSel(0, -1);
    int start = -1, end = -1;
    dialog.m_edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(4, end);
    HDC dc = CreateCompatibleDC(nullptr);
    for (HWND field : {GetDlgItem(dialog.m_hWnd, IDC_TEST_READONLY), dialog.m_edit.m_hWnd}) {
        SetBkColor(dc, RGB(1, 2, 3));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            dialog.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), LPARAM(field)));
        const bool readOnly = field != dialog.m_edit.m_hWnd;
        EXPECT_EQ(readOnly, brush == dialog.m_brushReadOnly.GetSafeHandle());
        EXPECT_EQ(readOnly, GetBkColor(dc) == GetSysColor(COLOR_BTNFACE));
    }
    EXPECT_EQ(CDC::FromHandle(dc)->GetSafeHdc(), dc);
    DeleteDC(dc);
}

// The rest is the system's; the toolbar itself: the editor's tests.
TEST(FrameworkResources, ImageListFromABitmapAndTheWaitCursor)
{
    CImageList strip;
    ASSERT_TRUE(strip.Create(IDB_TEST_TOOLBAR, 16, 0, RGB(255, 0, 255)));
    EXPECT_EQ(8, strip.GetImageCount());
    EXPECT_FALSE(CImageList().Create(2199, 16, 0, RGB(255, 0, 255)));
    const HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    {
        CWaitCursor wait;
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        wait.Restore();
        EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), GetCursor());
    }
    EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), GetCursor());
    SetCursor(before);
}

// The user's selections and checks through the modal loop, each reaching the dialog's map.
TEST(ModalControls, UserSelectionsAndChecksReachTheDialog)
{
    ControlsDialog dialog;
    const INT_PTR result = harness::RunScripted([&] { return dialog.DoModal(); },
                                                [&] {
                                                    Window dlg =
                                                        harness::WaitForDialog(IDC_TEST_CHECKLIST);
                                                    Window checks = dlg.Control(IDC_TEST_CHECKLIST);
                                                    checks.SelectRow(0);
                                                    checks.ClickCheck(2);
                                                    EXPECT_EQ(1, checks.RowChecked(2));
                                                    checks.Focus();
                                                    harness::Key(VK_SPACE);
                                                    EXPECT_EQ(1, checks.RowChecked(0));
                                                    EXPECT_EQ(0, checks.Selection());
                                                    dlg.Control(IDC_TEST_LISTCTRL).SelectRow(2);
                                                    dlg.Control(IDC_TEST_TREE).SelectTreeItem("A");
                                                    dlg.Control(IDC_TEST_COMBO_LIST).SelectRow(1);
                                                    dlg.Control(IDOK).Click();
                                                });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2, dialog.m_nCheckChanges);
    EXPECT_EQ(1, dialog.m_nSelChanges);
    EXPECT_EQ(102, dialog.m_selectedListData);
    EXPECT_EQ(1, dialog.m_selectedTreeData);
    EXPECT_EQ(1, dialog.m_nComboSelChanges);
}

// The controls in a defined state, for a look at their drawing (a PNG under Xvfb).
TEST(ModalControls, Screenshot)
{
    ControlsDialog dialog;
    harness::RunScripted([&] { return dialog.DoModal(); },
                         [&] {
                             Window dlg = harness::WaitForDialog(IDC_TEST_CHECKLIST);
                             dlg.Control(IDC_TEST_CHECKLIST).ClickCheck(0);
                             dlg.Control(IDC_TEST_CHECKLIST).SelectRow(1);
                             dlg.Control(IDC_TEST_LISTCTRL).SelectRow(1);
                             dlg.Control(IDC_TEST_TREE).SelectTreeItem("A");
                             harness::Screenshot(dlg, "framework_controls");
                             dlg.Control(IDOK).Click();
                         });
}

// AfxMessageBox: owned by the active window, captioned with the application's name, the
// text given or loaded, the button pressed as its result.
TEST(AfxMessageBox, OwnedByTheActiveWindowWithTheApplicationsCaption)
{
    CWinApp app("Kesvar Test");
    ControlsDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_CONTROLS));
    dialog.ShowWindow(SW_SHOW);
    ::SetActiveWindow(dialog.m_hWnd);
    for (bool loaded : {false, true}) {
        harness::MessageBoxInfo seen;
        HWND owner = nullptr;
        const INT_PTR result = harness::RunScripted(
            [&] {
                return loaded ? AfxMessageBox(IDS_TEST_NO_TIP, MB_YESNO)
                              : AfxMessageBox("Keine Auswahl");
            },
            [&] {
                seen = harness::WaitForMessageBox();
                owner = ::GetWindow(seen.window.Handle(), GW_OWNER);
                seen.Answer(loaded ? IDNO : IDOK);
            });
        EXPECT_EQ(loaded ? IDNO : IDOK, result);
        EXPECT_EQ(loaded ? "Ohne Tipp" : "Keine Auswahl", seen.text);
        EXPECT_EQ("Kesvar Test", seen.caption);
        EXPECT_EQ(dialog.m_hWnd, owner);
    }
}

} // namespace
