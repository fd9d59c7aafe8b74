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

    // A click toggles only on the box, a square of the row's height at its left end.
    const CRect row = ItemRect(list, 0);
    for (int x : {row.left + row.Height() + 2, row.left + row.Height() / 2}) {
        const LPARAM at = MAKELPARAM(x, row.top + row.Height() / 2);
        SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(dialog.m_nCheckChanges, 1);
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

// The wrappers' own work: texts of any length, item data, the selection walk, the
// notifications reaching the parent's map; the controls' behaviour is the system's.
TEST_F(Controls, ListCtrlRowsDataAndSelection)
{
    CListCtrl& list = dialog.m_listCtrl;
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0));
    EXPECT_EQ(images.Add(LoadIcon(nullptr, IDI_WARNING)), 0);
    list.SetImageList(&images, LVSIL_SMALL);
    EXPECT_EQ(ListView_GetImageList(list.m_hWnd, LVSIL_SMALL), images.GetSafeHandle());
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 60, 0), 0);
    EXPECT_EQ(list.InsertColumn(1, "Datei", LVCFMT_LEFT, 120, 1), 1);
    int data[3] = {};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, ("V" + std::to_string(i + 1)).c_str(),
                                  0, 0, 0, reinterpret_cast<LPARAM>(&data[i])),
                  i);
    const std::string longText(700, 'x');
    EXPECT_TRUE(list.SetItemText(2, 1, longText.c_str()));
    EXPECT_STREQ(list.GetItemText(2, 1), longText.c_str());
    EXPECT_STREQ(list.GetItemText(1, 0), "V2");
    EXPECT_STREQ(list.GetItemText(7, 0), "");
    EXPECT_EQ(list.GetItemData(1), reinterpret_cast<DWORD_PTR>(&data[1]));
    EXPECT_EQ(list.GetItemData(9), 0u);

    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    for (int row : {1, 2})
        EXPECT_TRUE(list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED));
    ASSERT_FALSE(dialog.m_listChanges.empty());
    EXPECT_EQ(dialog.m_listChanges.back().iItem, 2);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 2}));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
}

TEST_F(Controls, TreeCtrlItemsTextsAndData)
{
    CTreeCtrl& tree = dialog.m_tree;
    HTREEITEM root = tree.InsertItem("Projekt");
    HTREEITEM a = tree.InsertItem("A", root);
    HTREEITEM b = tree.InsertItem("B", root);
    const std::string longText(600, 'q');
    HTREEITEM t = tree.InsertItem(longText.c_str(), b);
    ASSERT_TRUE(root && a && b && t);
    for (auto [item, number] : {std::pair{root, 0}, {a, 1}, {b, 2}, {t, 3}})
        EXPECT_TRUE(tree.SetItemData(item, static_cast<DWORD_PTR>(number)));
    EXPECT_EQ(tree.GetChildItem(root), a);
    EXPECT_EQ(tree.GetNextSiblingItem(a), b);
    EXPECT_EQ(tree.GetNextItem(t, TVGN_PARENT), b);
    EXPECT_STREQ(tree.GetItemText(t), longText.c_str());
    EXPECT_EQ(tree.GetItemData(b), 2u);
    EXPECT_TRUE(tree.SelectItem(a));
    ASSERT_FALSE(dialog.m_treeSelections.empty());
    EXPECT_EQ(dialog.m_treeSelections.back(), 1);
}

TEST_F(Controls, ComboAndListBoxRowTexts)
{
    CString text;
    for (CComboBox* combo : {&dialog.m_comboList, &dialog.m_comboEdit}) {
        combo->AddString("Projekt");
        combo->AddString("FEM");
        combo->SetItemData(1, 7);
        combo->GetLBText(1, text);
        EXPECT_STREQ(text, "FEM");
        combo->GetLBText(7, text);
        EXPECT_STREQ(text, "");
        EXPECT_EQ(combo->GetItemData(1), 7u);
    }
    CListBox& list = dialog.m_listBox;
    list.AddString("G 1");
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
