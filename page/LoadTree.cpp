// The load tree below the host's positions: every position that transfers loads into an
// item's position becomes its child, recursively; and the answer to a selection.
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "framework/CWaitCursor.h"
#include "page/LoadPageString.h"
#include "page/LoadText.h"
#include "page/TreeSources.h"
#include "resources/ResourceIds.h"

#include <vector>

namespace
{

// A child item, remembered until all its siblings are in the tree.
struct TreeChild {
    HTREEITEM hItem;
    CString strFile;
    bool bCycle; // the position already stands above it in this branch
};

// A position is named by its load file or its transfer file; both lead to the same base
// name, and Windows paths compare without regard to case.
bool SamePosition(const CString& a, const CString& b)
{
    const int dotA = a.ReverseFind('.');
    const int dotB = b.ReverseFind('.');
    return dotA > 0 && dotA == dotB && a.Left(dotA).CompareNoCase(b.Left(dotB)) == 0;
}

// The tree item's text: the source's name and its transfer number, cut to the name
// buffer's 259 characters.
CString ChildText(const char* name, int transferNumber)
{
    return (CString(name) + " - " + TransferLabel(transferNumber)).Left(259);
}

// Whether the position of strFile is the item's own or that of an item above it.
bool OnBranch(const CTreeCtrl& tree, const CStringArray& itemFiles, HTREEITEM hItem,
              const CString& strFile)
{
    for (; hItem != nullptr; hItem = tree.GetNextItem(hItem, TVGN_PARENT)) {
        const INT_PTR nItem = static_cast<INT_PTR>(tree.GetItemData(hItem));
        if (nItem < itemFiles.GetSize() && SamePosition(itemFiles[nItem], strFile))
            return true;
    }
    return false;
}

} // namespace

void CMyPropertyPage2::MakeLoadTree(const CString& strFile, HTREEITEM hParent)
{
    // All headers are read and the reader released before any child's file is opened.
    std::vector<TreeChild> children;
    for (const TreeSource& source : ReadTreeSources(strFile)) {
        // A position already shown above in this branch would repeat the branch forever:
        // it is shown once more, marked, without its own sources.
        const bool bCycle = OnBranch(m_tree, m_itemFiles, hParent, source.strFile);
        CString strText = ChildText(source.strName, source.nTransfer);
        if (bCycle)
            strText += LoadPageString(IDS_PAGE_CYCLE);
        children.push_back({PageInternals::AddTreeItem(*this, strText, hParent, source.strFile, ""),
                            source.strFile, bCycle});
    }
    for (const TreeChild& child : children)
        if (!child.bCycle)
            MakeLoadTree(child.strFile, child.hItem);
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
