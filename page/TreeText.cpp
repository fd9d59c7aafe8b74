// The load tree as printable text: the root's line, then every item that an expanded item
// shows, each with its indentation and a mark for its state.
#include "page/TreeText.h"

#include "page/CMyPropertyPage2.h"

CString& MakeIndent(UINT nDepth, CString& strIndent)
{
    strIndent.Empty();
    for (UINT k = 0; k < nDepth; ++k)
        strIndent += k == 0 ? "    " : "|    ";
    return strIndent;
}

void CMyPropertyPage2::SetTreeViewString()
{
    m_strTreeText.Empty();
    const HTREEITEM hRoot = m_tree.GetRootItem();
    if (hRoot == nullptr)
        return;
    m_strTreeText += m_tree.GetItemText(hRoot) + "\n";
    if (m_tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED)
        MakeTreeViewString(m_tree.GetChildItem(hRoot), 1);
}

void CMyPropertyPage2::MakeTreeViewString(HTREEITEM hItem, UINT nDepth)
{
    CString strIndent;
    MakeIndent(nDepth, strIndent);
    for (; hItem != nullptr; hItem = m_tree.GetNextSiblingItem(hItem)) {
        const bool bExpanded = (m_tree.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        const HTREEITEM hChild = m_tree.GetChildItem(hItem);
        const char* mark = hChild == nullptr ? "| " : bExpanded ? "- " : "+ ";
        m_strTreeText += strIndent + mark + m_tree.GetItemText(hItem) + "\n";
        if (bExpanded && hChild != nullptr)
            MakeTreeViewString(hChild, nDepth + 1);
    }
}
