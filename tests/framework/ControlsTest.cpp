#include "ControlsTestDialog.h"
#include "ControlsTestResources.h"

#include "framework/CImageList.h"
#include "framework/CWaitCursor.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

CRect ItemRect(const CListBox& list, int index)
{
    CRect rect;
    list.GetItemRect(index, rect);
    return rect;
}

void PressKey(HWND hWnd, UINT key, char ch = 0)
{
    SendMessageA(hWnd, WM_KEYDOWN, key, 1);
    if (ch)
        SendMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(ch), 1);
    SendMessageA(hWnd, WM_KEYUP, key, 0xC0000001);
}

class Controls : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_NE(dialog.m_hWnd, nullptr); }
    ControlsTestDialog dialog;
};

TEST_F(Controls, CheckListBoxKeepsChecksInStepWithRows)
{
    CCheckListBox& list = dialog.m_checkList;
    list.AddString("A");
    list.AddString("B");
    list.AddString("C");
    list.SetItemData(1, 22);
    list.SetCheck(1, 1);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(list.GetCheck(1), 1);

    list.InsertString(0, "Z");
    EXPECT_EQ(list.GetCheck(2), 1);
    EXPECT_EQ(list.GetItemData(2), 22u);
    list.DeleteString(0);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(0), 0);

    // Rows added behind the object's back and indexes outside read as unchecked.
    SendMessageA(list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("D"));
    EXPECT_EQ(list.GetCheck(3), 0);
    EXPECT_EQ(list.GetCheck(4), 0);
    EXPECT_EQ(list.GetCheck(-1), 0);
    list.SetCheck(9, 1); // ignored
    CString text;
    list.GetText(3, text);
    EXPECT_STREQ(text, "D");

    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    list.AddString("E");
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(dialog.m_nCheckChanges, 0); // changes by the program send nothing
}

TEST_F(Controls, CheckListBoxDrawsRowsTheParentReflects)
{
    CCheckListBox& list = dialog.m_checkList;
    list.AddString("Auflager A");
    list.SetCheck(0, 1);
    const CRect row = ItemRect(list, 0);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, row.right + 10, row.bottom + 10);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw = {
        ODT_LISTBOX, IDC_TEST_CHECKLIST, 0, ODA_DRAWENTIRE, ODS_SELECTED, list.m_hWnd, dc, row, 0};
    // The dialog passes the request on to the control object, which draws the row.
    EXPECT_TRUE(SendMessageA(dialog.m_hWnd, WM_DRAWITEM, IDC_TEST_CHECKLIST,
                             reinterpret_cast<LPARAM>(&draw)));
    const COLORREF highlight = GetNearestColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPixel(dc, row.right - 2, row.top + 1), highlight);
    draw.itemState = 0;
    SendMessageA(dialog.m_hWnd, WM_DRAWITEM, IDC_TEST_CHECKLIST, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(GetPixel(dc, row.right - 2, row.top + 1),
              GetNearestColor(dc, GetSysColor(COLOR_WINDOW)));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(Controls, ListCtrlRowsDataAndSelection)
{
    CListCtrl& list = dialog.m_listCtrl;
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0));
    EXPECT_FALSE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0));
    EXPECT_EQ(images.Add(LoadIcon(nullptr, IDI_APPLICATION)), 0);
    EXPECT_EQ(images.Add(LoadIcon(nullptr, IDI_WARNING)), 1);
    list.SetImageList(&images, LVSIL_SMALL);
    EXPECT_EQ(ListView_GetImageList(list.m_hWnd, LVSIL_SMALL), images.GetSafeHandle());

    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 60, 0), 0);
    EXPECT_EQ(list.InsertColumn(1, "Datei", LVCFMT_LEFT, 120, 1), 1);
    int data[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "V" + std::to_string(i + 1);
        EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, list.GetItemCount(),
                                  name.c_str(), 0, 0, i % 2, reinterpret_cast<LPARAM>(&data[i])),
                  i);
    }
    EXPECT_EQ(list.InsertItem(1, "mitte", 1), 1);
    EXPECT_TRUE(list.DeleteItem(1));
    const std::string longText(700, 'x');
    EXPECT_TRUE(list.SetItemText(2, 1, longText.c_str()));
    EXPECT_STREQ(list.GetItemText(2, 1), longText.c_str());
    EXPECT_STREQ(list.GetItemText(0, 0), "V1");
    EXPECT_STREQ(list.GetItemText(7, 0), "");
    EXPECT_EQ(list.GetItemData(1), reinterpret_cast<DWORD_PTR>(&data[1]));
    EXPECT_EQ(list.GetItemData(9), 0u);
    EXPECT_TRUE(list.SetItemData(1, 5));
    EXPECT_EQ(list.GetItemData(1), 5u);

    dialog.m_listChanges.clear();
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    ASSERT_FALSE(dialog.m_listChanges.empty());
    EXPECT_EQ(dialog.m_listChanges.back().iItem, 1);
    EXPECT_TRUE(dialog.m_listChanges.back().uNewState & LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));

    // The arrow key moves the selection to the next row, with notifications.
    dialog.m_listChanges.clear();
    ::SetFocus(list.m_hWnd);
    PressKey(list.m_hWnd, VK_DOWN);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    bool sawNewSelection = false;
    for (const NMLISTVIEW& change : dialog.m_listChanges)
        sawNewSelection |= change.iItem == 2 && (change.uNewState & LVIS_SELECTED);
    EXPECT_TRUE(sawNewSelection);

    // Multiple selection, walked in ascending order.
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));
    POSITION none = nullptr;
    EXPECT_EQ(list.GetNextSelectedItem(none), -1);

    // Clearing a row's state (mask 15) from within the change handler's caller.
    list.SetItemState(2, 0, 15);
    EXPECT_EQ(list.GetSelectedCount(), 1u);

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST_F(Controls, TreeCtrlInsertExpandSelect)
{
    CTreeCtrl& tree = dialog.m_tree;
    HTREEITEM root = tree.InsertItem("Projekt");
    HTREEITEM a = tree.InsertItem("A", root);
    HTREEITEM s = tree.InsertItem("S - V1", a);
    HTREEITEM b = tree.InsertItem("B", root);
    HTREEITEM t = tree.InsertItem("T - \xDC"
                                  "3",
                                  b);
    ASSERT_TRUE(root && a && s && b && t);
    for (auto [item, number] : {std::pair{root, 0}, {a, 1}, {s, 2}, {b, 3}, {t, 4}})
        EXPECT_TRUE(tree.SetItemData(item, static_cast<DWORD_PTR>(number)));
    EXPECT_EQ(tree.GetCount(), 5u);

    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), a);
    EXPECT_EQ(tree.GetNextSiblingItem(a), b);
    EXPECT_EQ(tree.GetNextSiblingItem(b), nullptr);
    EXPECT_EQ(tree.GetChildItem(s), nullptr);
    EXPECT_EQ(tree.GetNextItem(t, TVGN_PARENT), b);
    EXPECT_TRUE(tree.ItemHasChildren(b));
    EXPECT_FALSE(tree.ItemHasChildren(t));
    EXPECT_STREQ(tree.GetItemText(t), "T - \xDC"
                                      "3");
    EXPECT_EQ(tree.GetItemData(s), 2u);
    const std::string longText(600, 'q');
    EXPECT_STREQ(tree.GetItemText(tree.InsertItem(longText.c_str(), t)), longText.c_str());

    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_TRUE(tree.Expand(a, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.GetItemState(a, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(tree.GetItemState(b, TVIS_EXPANDED) & TVIS_EXPANDED);
    tree.Expand(a, TVE_COLLAPSE);
    EXPECT_FALSE(tree.GetItemState(a, TVIS_EXPANDED) & TVIS_EXPANDED);

    EXPECT_TRUE(tree.SelectItem(a));
    EXPECT_EQ(tree.GetSelectedItem(), a);
    ASSERT_FALSE(dialog.m_treeSelections.empty());
    EXPECT_EQ(dialog.m_treeSelections.back(), 1);

    // The arrow key moves to the next visible item (a is collapsed: B).
    ::SetFocus(tree.m_hWnd);
    PressKey(tree.m_hWnd, VK_DOWN);
    EXPECT_EQ(tree.GetSelectedItem(), b);
    EXPECT_EQ(dialog.m_treeSelections.back(), 3);

    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
}

TEST_F(Controls, ComboBoxesAndListBox)
{
    CComboBox& combo = dialog.m_comboList;
    int entries[2] = {};
    EXPECT_EQ(combo.AddString("Projekt"), 0);
    EXPECT_EQ(combo.AddString("FEM"), 1);
    EXPECT_EQ(combo.InsertString(0, "erste"), 0);
    combo.SetItemData(1, reinterpret_cast<DWORD_PTR>(&entries[0]));
    combo.SetItemData(2, reinterpret_cast<DWORD_PTR>(&entries[1]));
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetItemData(combo.GetCurSel()), reinterpret_cast<DWORD_PTR>(&entries[0]));
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    CString text;
    combo.GetLBText(2, text);
    EXPECT_STREQ(text, "FEM");
    combo.GetLBText(7, text);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(combo.FindStringExact(-1, "fem"), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "FE"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(2, "Projekt"), 1); // wraps round
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.DeleteString(9), CB_ERR);
    EXPECT_EQ(combo.GetItemData(1), reinterpret_cast<DWORD_PTR>(&entries[1]));

    // A key in the drop-down list changes the selection and notifies the parent.
    combo.SetCurSel(0);
    dialog.m_nComboSelChanges = 0;
    ::SetFocus(combo.m_hWnd);
    PressKey(combo.m_hWnd, VK_DOWN);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(dialog.m_nComboSelChanges, 1);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);

    // The editable drop-down shows the selected row's text in its edit field.
    CComboBox& edit = dialog.m_comboEdit;
    edit.AddString("-1");
    edit.AddString("1");
    edit.SetCurSel(1);
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "1");
    edit.SetCurSel(-1);
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "");

    CListBox& list = dialog.m_listBox;
    EXPECT_EQ(list.AddString("G 1"), 0);
    EXPECT_EQ(list.AddString("Q 2"), 1);
    list.SetItemData(1, 7);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(1), 7u);
    list.GetText(0, text);
    EXPECT_STREQ(text, "G 1");
    list.GetText(-1, text);
    EXPECT_STREQ(text, "");
}

TEST_F(Controls, EditSelectionAndColourRequest)
{
    dialog.m_edit.SetWindowText("12.5");
    dialog.m_edit.SetSel(0, -1);
    int start = -1, end = -1;
    dialog.m_edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);

    // An edit-type colour request for the read-only field gets the face brush and colours.
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, RGB(1, 2, 3));
    HWND readOnly = GetDlgItem(dialog.m_hWnd, IDC_TEST_READONLY);
    const LRESULT brush = SendMessageA(dialog.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(readOnly));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), dialog.m_brushReadOnly.GetSafeHandle());
    EXPECT_NE(dialog.m_brushReadOnly.GetSafeHandle(), nullptr);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(CDC::FromHandle(dc), CDC::FromHandle(dc));
    EXPECT_EQ(CDC::FromHandle(dc)->GetSafeHdc(), dc);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    // The same request for the editable field gets the system's answer.
    SetBkColor(dc, RGB(1, 2, 3));
    const LRESULT other = SendMessageA(dialog.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(dialog.m_edit.m_hWnd));
    EXPECT_NE(reinterpret_cast<HBRUSH>(other), dialog.m_brushReadOnly.GetSafeHandle());
    DeleteDC(dc);
}

TEST_F(Controls, ToolBarButtonsAndToolTipText)
{
    CToolBarCtrl& bar = dialog.m_toolBar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE,
                           CRect(0, 0, 75, 25), &dialog, IDC_TEST_TOOLBAR));
    EXPECT_EQ(bar.AddBitmap(8, IDB_TEST_TOOLBAR), 0);
    TBBUTTON buttons[4] = {
        {0, ID_TEST_COMMAND_FIRST, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {1, ID_TEST_COMMAND_FIRST + 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {7, ID_TEST_COMMAND_FIRST + 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    ASSERT_TRUE(bar.AddButtons(4, buttons));
    EXPECT_EQ(bar.GetButtonCount(), 4);
    CRect first, last;
    ASSERT_TRUE(bar.GetItemRect(0, first));
    ASSERT_TRUE(bar.GetItemRect(3, last));
    EXPECT_GT(last.right, first.right);
    EXPECT_FALSE(bar.GetItemRect(4, last));
    ASSERT_NE(bar.GetToolTips(), nullptr);

    // Resting the mouse on the second button makes its tooltip ask the parent for the text.
    CRect second;
    bar.GetItemRect(1, second);
    const CPoint centre = second.CenterPoint();
    CPoint onScreen = centre;
    bar.ClientToScreen(&onScreen);
    ::SetActiveWindow(dialog.m_hWnd);
    SendMessageA(bar.GetToolTips(), TTM_SETDELAYTIME, TTDT_INITIAL, 10);
    ::SetCursorPos(onScreen.x, onScreen.y); // the tooltip checks the cursor before it shows
    SendMessageA(bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    ASSERT_TRUE(dialog.PumpUntil([&] { return !dialog.m_toolTipIds.empty(); }));
    EXPECT_EQ(dialog.m_toolTipIds.front(), static_cast<UINT_PTR>(ID_TEST_COMMAND_FIRST + 1));
    char shown[80] = {};
    dialog.PumpUntil([&] { return GetWindowTextA(bar.GetToolTips(), shown, 80) > 0; });
    EXPECT_STREQ(shown, "Duplizieren");
}

TEST(FrameworkResources, ImageListFromBitmapAndWaitCursor)
{
    CImageList strip;
    ASSERT_TRUE(strip.Create(IDB_TEST_TOOLBAR, 16, 0, RGB(255, 0, 255)));
    EXPECT_EQ(strip.GetImageCount(), 8);
    EXPECT_TRUE(strip.DeleteImageList());
    EXPECT_FALSE(strip.DeleteImageList());
    EXPECT_EQ(strip.GetImageCount(), 0);
    EXPECT_EQ(strip.Add(LoadIcon(nullptr, IDI_APPLICATION)), -1);
    CImageList missing;
    EXPECT_FALSE(missing.Create(2199, 16, 0, RGB(255, 0, 255)));

    CString tip;
    ASSERT_TRUE(tip.LoadString(IDS_TEST_TOOLTIP_FIRST));
    EXPECT_STREQ(tip, "Neue \xDC"
                      "bertragung\nNeu"); // the ANSI code page's byte for U+00DC

    const HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    {
        CWaitCursor wait;
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        wait.Restore();
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
    SetCursor(before);

    CBrush brush(RGB(10, 20, 30));
    EXPECT_NE(brush.GetSafeHandle(), nullptr);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_FALSE(brush.DeleteObject());
    EXPECT_EQ(static_cast<HBRUSH>(brush), nullptr);
}

} // namespace
