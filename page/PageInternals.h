// Helpers of the page's layout and splitter that are not part of the exported class.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <vector>

class CMyPropertyPage2;
struct TreeSource; // page/TreeSources.h

struct PageInternals {
    // MakeLoadTree below an item with the sources of its position, whose branch (the keys
    // of the positions of the item and of the items above it, PositionKey) is known; the
    // branch is as given on return.
    static void MakeLoadTreeOnBranch(CMyPropertyPage2& page, const std::vector<TreeSource>& sources,
                                     HTREEITEM hParent, std::vector<const CString*>& branch);
    // Inserts a tree item as the last child of hParent with the next item number as its
    // data, and the item's entries in m_itemFiles and m_itemMessages.
    static HTREEITEM AddTreeItem(CMyPropertyPage2& page, LPCSTR lpszText, HTREEITEM hParent,
                                 const CString& strFile, const CString& strMessage);
    // A control's window rectangle in the page's client coordinates.
    static CRect ChildRect(const CMyPropertyPage2& page, const CWnd* pWnd);
    // Moves a control's edges by the given distances (absent controls are left alone).
    static void MoveEdges(const CMyPropertyPage2& page, CWnd* pWnd, int nLeft, int nTop, int nRight,
                          int nBottom);
    // The button whose top edge the layout keeps below the text field: Cancel, or the
    // recalculation button on the hosted page, which has no Cancel.
    static CWnd* BottomButton(const CMyPropertyPage2& page);
    // A splitter bar position within the drag limits.
    static int ClampSplitter(const CMyPropertyPage2& page, int x);
    static bool IsOnSplitter(const CMyPropertyPage2& page, CPoint point);
    // The stored placement applied at the start of the standalone dialog.
    static void RestoreWindowPos(CMyPropertyPage2& page);
};
