#include "page/ShownTree.h"

const CString ShownTree::kNone;

int ShownTree::Add(const CString& strText, int nParent, const CString& strFile,
                   const CString& strMessage)
{
    parents.push_back(nParent);
    texts.push_back(&strText);
    files.push_back(&strFile);
    messages.push_back(&strMessage);
    return GetSize() - 1;
}

const CString& ShownTree::Keep(const CString& strText)
{
    m_kept.push_back(strText);
    return m_kept.back();
}
