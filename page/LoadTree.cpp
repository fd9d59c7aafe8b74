// The load tree below the host's positions: every position that transfers loads into an
// item's position becomes its child, recursively; and the answer to a selection.
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "framework/CWaitCursor.h"
#include "page/LoadPageString.h"
#include "page/ShownTree.h"
#include "page/TreeSources.h"
#include "resources/ResourceIds.h"

#include <utility>
#include <vector>

namespace
{

// Whether the key names a position on the branch: the item's own or one above it.
bool OnBranch(const std::vector<const CString*>& branch, const CString& strKey)
{
    if (strKey.IsEmpty())
        return false;
    for (const CString* pKey : branch)
        if (*pKey == strKey)
            return true;
    return false;
}

// Builds below an item whose own position and those above it have the given keys.
void BuildOnKeys(ShownTree& tree, const CString& strFile, int nItem, const CStringArray& keys)
{
    std::vector<const CString*> branch;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i)
        branch.push_back(&keys[i]);
    PageInternals::MakeLoadTreeOnBranch(tree, ReadTreeSources(strFile), nItem, branch);
}

} // namespace

void CMyPropertyPage2::MakeLoadTree(const CString& strFile, HTREEITEM hParent)
{
    const TreeSourceCache sources; // within an activation, the activation's
    // The positions of the item and of the items above it, found once; the recursion
    // below keeps them as it descends.
    CStringArray keys;
    for (HTREEITEM hItem = hParent; hItem != nullptr;
         hItem = m_tree.GetNextItem(hItem, TVGN_PARENT)) {
        const INT_PTR nItem = static_cast<INT_PTR>(m_tree.GetItemData(hItem));
        if (nItem < m_itemFiles.GetSize())
            keys.Add(PositionKey(m_itemFiles[nItem]));
    }
    ShownTree tree;
    BuildOnKeys(tree, strFile, ShownTree::kTop, keys);
    PageInternals::InsertItems(*this, tree, hParent);
}

void PageInternals::MakeLoadTreeBelow(ShownTree& tree, const CString& strFile, int nItem)
{
    CStringArray keys;
    for (int i = nItem; i != ShownTree::kTop; i = tree.parents[i])
        keys.Add(PositionKey(*tree.files[i]));
    BuildOnKeys(tree, strFile, nItem, keys);
}

void PageInternals::MakeLoadTreeOnBranch(ShownTree& tree, const std::vector<TreeSource>& sources,
                                         int nParent, std::vector<const CString*>& branch)
{
    // All headers were read and the reader released before any child's file is opened.
    std::vector<std::pair<int, const TreeSource*>> children;
    for (const TreeSource& source : sources) {
        // A position already shown above in this branch would repeat the branch forever:
        // it is shown once more, marked, without its own sources.
        if (OnBranch(branch, source.strKey)) {
            tree.Add(tree.Keep(source.strText + LoadPageString(IDS_PAGE_CYCLE)), nParent,
                     source.strFile, ShownTree::kNone);
            continue;
        }
        children.emplace_back(tree.Add(source.strText, nParent, source.strFile, ShownTree::kNone),
                              &source);
    }
    for (const auto& [nChild, pSource] : children) {
        branch.push_back(&pSource->strKey);
        MakeLoadTreeOnBranch(tree, SourcesOf(*pSource), nChild, branch);
        branch.pop_back();
    }
}

void CMyPropertyPage2::OnSelchangedTree2(NMHDR* pNMHDR, LRESULT* pResult)
{
    CWaitCursor wait;
    const NMTREEVIEWA* pView = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    m_nCurItem = static_cast<int>(pView->itemNew.lParam);
    *pResult = 0;
    CWnd* pText = GetDlgItem(IDC_LOAD_TEXT);
    if (pText == nullptr)
        return;
    SetEditBoxString(0);
    pText->SetWindowText(m_strEditText);
}
