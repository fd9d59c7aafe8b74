// The items of the page's tree as the page builds them, before they go into the tree
// control: in the order of their item numbers, each with its parent's number, its text,
// and the file and message the page keeps for it (m_itemFiles, m_itemMessages). A tree of
// many thousand items shows a few thousand positions, so texts, files and messages are
// referred to, not copied: they must live as long as the tree (the page's own lists, the
// sources kept while the tree is built, or texts the tree keeps itself).
#pragma once

#include "framework/CString.h"

#include <deque>
#include <vector>

struct ShownTree {
    // The parent of the items at the top of a build: the tree's root level, or the item a
    // subtree is built below.
    static const int kTop = -1;
    static const CString kNone; // the empty text

    std::vector<int> parents;
    std::vector<const CString*> texts;
    std::vector<const CString*> files;
    std::vector<const CString*> messages;

    // The new item's number.
    int Add(const CString& strText, int nParent, const CString& strFile, const CString& strMessage);
    // A text kept as long as the tree, for an item's text, file or message.
    const CString& Keep(const CString& strText);
    int GetSize() const { return static_cast<int>(parents.size()); }

  private:
    std::deque<CString> m_kept;
};
