// The control wrappers' own work in one dialog: checks of the check list box, texts of any
// length, the selection walk, owner drawing, the colour request and the notifications
// reaching the dialog's map; the controls' behaviour is the system's. The dialog runs
// modeless for direct calls and modally for the user's clicks and keys.
#include "ControlsTestResources.h"

#include "framework/CBrush.h"
#include "framework/CCheckListBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "framework/CTreeCtrl.h"
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
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&init);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* name : {"Auflager A", "Auflager B", "Auflager C"})
            m_checkList.AddString(name);
        m_listCtrl.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
        m_listCtrl.InsertColumn(1, "Datei", LVCFMT_LEFT, 120);
        for (int row = 0; row < 3; ++row)
            m_listCtrl.InsertItem(LVIF_TEXT | LVIF_PARAM, row,
                                  ("V" + std::to_string(row + 1)).c_str(), 0, 0, 0, 100 + row);
        m_brushReadOnly.CreateSysColorBrush(COLOR_BTNFACE);
        return TRUE;
    }

    CCheckListBox m_checkList;
    CListCtrl m_listCtrl;
    CTreeCtrl m_tree;
    CListBox m_listBox;
    CBrush m_brushReadOnly;
    int m_nCheckChanges = 0;
    LPARAM m_selectedListData = -1; // item data of the single selected row after a change

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_CHECKLIST, m_checkList);
        DDX_Control(pDX, IDC_TEST_LISTCTRL, m_listCtrl);
        DDX_Control(pDX, IDC_TEST_TREE, m_tree);
        DDX_Control(pDX, IDC_TEST_LISTBOX, m_listBox);
    }
    afx_msg void OnCheckChange() { ++m_nCheckChanges; }
    afx_msg void OnListItemChanged(NMHDR*, LRESULT* pResult)
    {
        if (m_listCtrl.GetSelectedCount() == 1)
            m_selectedListData = static_cast<LPARAM>(
                m_listCtrl.GetItemData(m_listCtrl.GetNextItem(-1, LVNI_SELECTED)));
        *pResult = 0;
    }
    // Read-only edit fields in the button face colour.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor != CTLCOLOR_EDIT || (pWnd->GetStyle() & ES_READONLY) == 0)
            return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        pDC->SetBkColor(GetSysColor(COLOR_BTNFACE));
        return m_brushReadOnly;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CDialog)
ON_CONTROL(CLBN_CHKCHANGE, IDC_TEST_CHECKLIST, OnCheckChange)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TEST_LISTCTRL, OnListItemChanged)
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
    list.SendMessage(LB_DELETESTRING, 0);
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(0, dialog.m_nCheckChanges); // changes by the program send nothing

    // A click toggles only on the box, a square of the row's height at its left end.
    CRect row;
    list.GetItemRect(1, row);
    for (int x : {row.left + row.Height() + 2, row.left + row.Height() / 2}) {
        const LPARAM at = MAKELPARAM(x, row.top + row.Height() / 2);
        SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(1, list.GetCheck(1));
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
    SendMessageA(dialog.m_hWnd, WM_DRAWITEM, IDC_TEST_CHECKLIST, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(GetNearestColor(dc, GetSysColor(COLOR_HIGHLIGHT)),
              GetPixel(dc, row.right - 2, row.top + 1));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(Controls, ListTreeAndListBoxTextsOfAnyLengthAndTheSelectionWalk)
{
    CListCtrl& list = dialog.m_listCtrl;
    const std::string longText(700, 'x');
    EXPECT_TRUE(list.SetItemText(2, 1, longText.c_str()));
    char shown[800] = "";
    ListView_GetItemText(list.m_hWnd, 2, 1, shown, sizeof shown);
    EXPECT_STREQ(longText.c_str(), shown);
    for (int row : {1, 2})
        EXPECT_TRUE(list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED));
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 2}), selected);

    CTreeCtrl& tree = dialog.m_tree;
    HTREEITEM b = tree.InsertItem(TVIF_TEXT, "B", 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
    HTREEITEM t = tree.InsertItem(TVIF_TEXT, longText.c_str(), 0, 0, 0, 0, 0, b, TVI_LAST);
    EXPECT_EQ(b, tree.GetNextItem(t, TVGN_PARENT));
    EXPECT_STREQ(longText.c_str(), tree.GetItemText(t));

    CString text;
    dialog.m_listBox.AddString(longText.c_str());
    dialog.m_listBox.GetText(0, text);
    EXPECT_STREQ(longText.c_str(), text);
}

TEST_F(Controls, OnlyTheReadOnlyFieldGetsTheButtonFaceColour)
{
    HDC dc = CreateCompatibleDC(nullptr);
    for (int field : {IDC_TEST_READONLY, IDC_TEST_EDIT}) {
        SetBkColor(dc, RGB(1, 2, 3));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(dialog.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog.m_hWnd, field))));
        const bool readOnly = field == IDC_TEST_READONLY;
        EXPECT_EQ(readOnly, brush == static_cast<HBRUSH>(dialog.m_brushReadOnly));
        EXPECT_EQ(readOnly, GetBkColor(dc) == GetSysColor(COLOR_BTNFACE));
    }
    DeleteDC(dc);
}

// The user's clicks and keys through the modal loop, each reaching the dialog's map.
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
                                                    checks.Focus();
                                                    harness::Key(VK_SPACE);
                                                    EXPECT_EQ(1, checks.RowChecked(0));
                                                    EXPECT_EQ(1, checks.RowChecked(2));
                                                    dlg.Control(IDC_TEST_LISTCTRL).SelectRow(2);
                                                    dlg.Control(IDOK).Click();
                                                });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2, dialog.m_nCheckChanges);
    EXPECT_EQ(102, dialog.m_selectedListData);
}

} // namespace
