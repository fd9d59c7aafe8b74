// Putting the built tree into the page's tree control. An activation builds the whole tree
// afresh from the files as they are then; when that gives exactly the tree the control
// shows since the last activation, the control is left alone. A tree control searches its
// whole item list for every item it is handed (so does Wine's when it deletes one), which
// makes emptying and refilling a tree of many thousand items cost several times what
// reading every file does.
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "page/ShownTree.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace
{

// What a page's tree control shows since the page's last activation: for each item a
// fingerprint of its parent's number and its text (its file and message are the page's
// m_itemFiles and m_itemMessages).
struct KeptTree {
    HWND hTree = nullptr;
    std::vector<uint64_t> items;
};

std::map<const CMyPropertyPage2*, KeptTree>& KeptTrees()
{
    static std::map<const CMyPropertyPage2*, KeptTree> trees;
    return trees;
}

// FNV-1a over the parent's number and the text: two different items that give the same
// 64-bit fingerprint are too unlikely to matter.
uint64_t Fingerprint(int nParent, const CString& strText)
{
    uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](unsigned char byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (int shift = 0; shift < 32; shift += 8)
        mix(static_cast<unsigned char>(static_cast<unsigned>(nParent) >> shift));
    for (LPCSTR p = strText; *p != '\0'; ++p)
        mix(static_cast<unsigned char>(*p));
    return hash;
}

std::vector<uint64_t> Fingerprints(const ShownTree& tree)
{
    std::vector<uint64_t> items(tree.parents.size());
    for (int i = 0; i < tree.GetSize(); ++i)
        items[i] = Fingerprint(tree.parents[i], *tree.texts[i]);
    return items;
}

bool SameTexts(const CStringArray& shown, const std::vector<const CString*>& built)
{
    if (shown.GetSize() != static_cast<INT_PTR>(built.size()))
        return false;
    for (INT_PTR i = 0; i < shown.GetSize(); ++i)
        if (shown[i] != *built[i])
            return false;
    return true;
}

bool ShowsAlready(const CMyPropertyPage2& page, const KeptTree& kept, const ShownTree& tree,
                  const std::vector<uint64_t>& items)
{
    return kept.hTree == page.m_tree.GetSafeHwnd() &&
           page.m_tree.GetCount() == static_cast<UINT>(tree.GetSize()) &&
           page.m_nItemCount == tree.GetSize() && kept.items == items &&
           SameTexts(page.m_itemFiles, tree.files) && SameTexts(page.m_itemMessages, tree.messages);
}

} // namespace

HTREEITEM PageInternals::InsertItems(CMyPropertyPage2& page, const ShownTree& tree,
                                     HTREEITEM hBelow)
{
    std::vector<HTREEITEM> items(tree.parents.size());
    for (int i = 0; i < tree.GetSize(); ++i) {
        const int nParent = tree.parents[i];
        items[i] =
            page.m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, *tree.texts[i], 0, 0, 0, 0,
                                   static_cast<LPARAM>(page.m_nItemCount),
                                   nParent == ShownTree::kTop ? hBelow : items[nParent], TVI_LAST);
        ++page.m_nItemCount;
        page.m_itemFiles.Add(*tree.files[i]);
        page.m_itemMessages.Add(*tree.messages[i]);
    }
    return items.empty() ? nullptr : items.front();
}

void PageInternals::ShowTree(CMyPropertyPage2& page, const ShownTree& tree)
{
    KeptTree& kept = KeptTrees()[&page];
    std::vector<uint64_t> items = Fingerprints(tree);
    if (!ShowsAlready(page, kept, tree, items)) {
        page.m_tree.SendMessage(WM_SETREDRAW, FALSE);
        page.m_tree.DeleteAllItems();
        page.m_itemFiles.RemoveAll();
        page.m_itemMessages.RemoveAll();
        page.m_nItemCount = 0;
        const HTREEITEM hRoot = InsertItems(page, tree, TVI_ROOT);
        if (hRoot != nullptr)
            page.m_tree.Expand(hRoot, TVE_EXPAND);
        page.m_tree.SendMessage(WM_SETREDRAW, TRUE);
        page.m_tree.Invalidate();
    }
    kept.hTree = page.m_tree.GetSafeHwnd();
    kept.items = std::move(items);
}

void PageInternals::ForgetShownTree(const CMyPropertyPage2& page)
{
    KeptTrees().erase(&page);
}
