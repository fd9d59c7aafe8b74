// Helpers of the page's tree, layout and splitter that are not part of the exported class.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <vector>

class CMyPropertyPage2;
struct ShownTree;  // page/ShownTree.h
struct TreeSource; // page/TreeSources.h

struct PageInternals {
    // The load tree of a position below its item nItem of the tree being built.
    static void MakeLoadTreeBelow(ShownTree& tree, const CString& strFile, int nItem);
    // The load tree below item nParent (ShownTree::kTop: the item the build started
    // below) with the sources of its position, whose branch (the keys of the positions of
    // the item and of the items above it, PositionKey) is known; the branch is as given on
    // return.
    static void MakeLoadTreeOnBranch(ShownTree& tree, const std::vector<TreeSource>& sources,
                                     int nParent, std::vector<const CString*>& branch);
    // Inserts the built items into the tree control below hBelow, numbered on from
    // m_nItemCount, and appends their files and messages to m_itemFiles and m_itemMessages;
    // returns the first item inserted.
    static HTREEITEM InsertItems(CMyPropertyPage2& page, const ShownTree& tree, HTREEITEM hBelow);
    // Makes the tree control show the activation's tree, unless it shows exactly that tree
    // since the last activation: then it is left as the user left it.
    static void ShowTree(CMyPropertyPage2& page, const ShownTree& tree);
    // Forgets what the page's tree control shows (the page goes).
    static void ForgetShownTree(const CMyPropertyPage2& page);
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
    // Tree and text follow the bar to where the drag left it.
    static void EndSplitterDrag(CMyPropertyPage2& page);
    // The stored placement applied at the start of the standalone dialog.
    static void RestoreWindowPos(CMyPropertyPage2& page);
};
