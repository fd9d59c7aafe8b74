#pragma once
// Tree view control: items with texts and item data, expand state, selection, walking.

#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CTreeCtrl : public CWnd
{
  public:
    // The item with the members that mask names, in one message (text and item data
    // together cost one insertion instead of two messages).
    HTREEITEM InsertItem(UINT mask, LPCSTR text, int image, int selectedImage, UINT state,
                         UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM after);
    HTREEITEM InsertItem(const TVINSERTSTRUCTA* insert)
    {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert)));
    }
    BOOL DeleteAllItems() { return SendItem(TVM_DELETEITEM, 0, TVI_ROOT) != 0; }
    UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }

    CString GetItemText(HTREEITEM item) const;
    DWORD_PTR GetItemData(HTREEITEM item) const;
    UINT GetItemState(HTREEITEM item, UINT mask) const
    {
        return static_cast<UINT>(
            SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
    }
    // code: TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE.
    BOOL Expand(HTREEITEM item, UINT code) { return SendItem(TVM_EXPAND, code, item) != 0; }

    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const
    {
        return reinterpret_cast<HTREEITEM>(SendItem(TVM_GETNEXTITEM, code, item));
    }

  private:
    LRESULT SendItem(UINT message, WPARAM wParam, HTREEITEM item) const
    {
        return SendMessage(message, wParam, reinterpret_cast<LPARAM>(item));
    }
    BOOL GetItem(TVITEMA* item) const
    {
        return SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
    }
};
