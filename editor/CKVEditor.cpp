#include "editor/CKVEditor.h"

#include "model/KVItem.h"
#include "model/OwnedArray.h"
#include "model/StoredAssignment.h"
#include "resources/ResourceIds.h"

CKVEditor::CKVEditor(KVEditRequest* request, CWnd* parent)
    : CDialog(IDD_EDITOR, parent), m_pRequest(request)
{
    m_strPrefixPlus.LoadString(IDS_PREFIX_PLUS);
    m_strPrefixMinus.LoadString(IDS_PREFIX_MINUS);
}

CKVEditor::~CKVEditor()
{
    DeleteAll<KVItem>(m_transfers);
    DeleteAll<StoredAssignment>(m_storedAssignments);
}

KVItem* CKVEditor::FindTransfer(int transferNumber) const
{
    for (INT_PTR i = 0; i < GetTransferCount(); ++i)
        if (GetTransfer(i)->m_nTransferNumber == transferNumber)
            return GetTransfer(i);
    return nullptr;
}
