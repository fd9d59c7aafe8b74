#pragma once
// Tree view control: items with texts and item data, expand state, selection, walking.

#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CTreeCtrl : public CWnd
{
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Null on failure.
    HTREEITEM InsertItem(LPCSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
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
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    UINT GetItemState(HTREEITEM item, UINT mask) const
    {
        return static_cast<UINT>(
            SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
    }
    BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != nullptr; }
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
    // Selects and shows the item (null: no selection); the control sends TVN_SELCHANGED.
    BOOL SelectItem(HTREEITEM item) { return SendItem(TVM_SELECTITEM, TVGN_CARET, item) != 0; }

  private:
    LRESULT SendItem(UINT message, WPARAM wParam, HTREEITEM item) const
    {
        return SendMessage(message, wParam, reinterpret_cast<LPARAM>(item));
    }
    BOOL GetItem(TVITEMA* item) const
    {
        return SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
    }
    BOOL SetItem(const TVITEMA* item)
    {
        return SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
    }
};
