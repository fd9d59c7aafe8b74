#pragma once
// List view control (report view): columns, rows with texts, images, states and item data.

#include "framework/CImageList.h"
#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/POSITION.h"

#include <commctrl.h>

class CListCtrl : public CWnd
{
  public:
    // Index of the new column or row, -1 on failure.
    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    int InsertItem(int item, LPCSTR text, int image = 0);
    int InsertItem(UINT mask, int item, LPCSTR text, UINT state, UINT stateMask, int image,
                   LPARAM data);
    BOOL DeleteItem(int item) { return SendMessage(LVM_DELETEITEM, item) != 0; }
    BOOL DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

    BOOL SetItemText(int item, int subItem, LPCSTR text);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);

    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    // The next row after item (-1: from the start) with the LVNI_... flags, -1 when none.
    int GetNextItem(int item, int flags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, item, MAKELPARAM(flags, 0)));
    }
    // Walk over the selected rows: a position is the row index + 1, null after the last.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;

    // Returns the image list it replaces (LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE).
    HIMAGELIST SetImageList(CImageList* images, int type)
    {
        const HIMAGELIST handle = images ? images->GetSafeHandle() : nullptr;
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, type, reinterpret_cast<LPARAM>(handle)));
    }
    DWORD SetExtendedStyle(DWORD exStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
    }
};
