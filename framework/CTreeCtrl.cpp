#include "framework/CTreeCtrl.h"

#include "framework/GrowingText.h"

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCSTR text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = mask;
    insert.item.pszText = const_cast<LPSTR>(text ? text : "");
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    return ReadGrowingText([&](char* buffer, int size) {
        TVITEMA tvi = {};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = buffer;
        tvi.cchTextMax = size;
        return GetItem(&tvi) ? static_cast<int>(strnlen(buffer, static_cast<size_t>(size))) : 0;
    });
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA tvi = {};
    tvi.mask = TVIF_PARAM;
    tvi.hItem = item;
    return GetItem(&tvi) ? static_cast<DWORD_PTR>(tvi.lParam) : 0;
}
