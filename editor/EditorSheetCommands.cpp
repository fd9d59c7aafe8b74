// The commands that run the source sheet: a new transfer, editing the selected one, and
// the repair run over the transfers that no longer match their source.
#include "editor/CKVEditor.h"

#include "model/KVItem.h"
#include "resources/ResourceIds.h"

void CKVEditor::OnNewTransfer()
{
    if (m_sheet.DoModal() == IDOK && m_sheet.m_pItem) {
        KVItem* item = new KVItem(*m_sheet.m_pItem);
        item->m_strName = MakeUniqueName(PrefixFor(*item));
        InitAssignments(*item, *m_pRequest, false);
        AddTransfer(item);
    }
    m_sheet.m_pItem = nullptr;
    SetCountLabel();
    RefreshSelection();
}

// The sheet works on a copy; on OK the copy takes the transfer's place and row, with a
// new name only when the sign of its number changed.
void CKVEditor::OnEditTransfer()
{
    KVItem* selected = SelectedForCommand();
    if (!selected)
        return;
    const INT_PTR index = IndexOfTransfer(selected);
    KVItem* copy = new KVItem(*selected);
    m_sheet.m_pItem = copy;
    if (m_sheet.DoModal() == IDOK && index >= 0) {
        if (static_cast<int64_t>(copy->m_nTransferNumber) * selected->m_nTransferNumber < 0)
            copy->m_strName = MakeUniqueName(PrefixFor(*copy));
        CopyAssignments(*copy, *selected);
        ReplaceTransfer(index, copy);
    } else {
        delete copy;
    }
    m_sheet.m_pItem = nullptr;
    SetCountLabel();
    RefreshSelection();
}

void CKVEditor::ReplaceTransfer(INT_PTR index, KVItem* item)
{
    KVItem* replaced = GetTransfer(index);
    m_transfers.SetAt(index, item);
    const int row = m_lcTransfers.GetNextItem(-1, LVNI_SELECTED);
    m_lcTransfers.DeleteItem(row);
    InsertTransferRow(row, *item, LVIS_SELECTED);
    // Rebinds the origin fields to the new transfer before the old one goes.
    RefreshSelection();
    delete replaced;
}

LRESULT CKVEditor::OnRepairTransfers(WPARAM, LPARAM)
{
    CString text;
    text.LoadString(IDS_REPAIR);
    ::MessageBeep(static_cast<UINT>(-1));
    MessageBox(text, m_strCaption, MB_OK);
    m_sheet.m_bRepair = 1;
    for (INT_PTR t = 0; t < GetTransferCount();) {
        KVItem* item = GetTransfer(t);
        if (item->m_nValid) {
            ++t;
            continue;
        }
        m_sheet.m_pItem = item;
        if (m_sheet.DoModal() == IDOK) {
            item->m_nValid = 1;
            ++t;
        } else {
            DeleteTransfer(item); // the next transfer moves into place t
        }
        m_sheet.m_pItem = nullptr;
    }
    m_sheet.m_bRepair = 0;
    FillTransferList();
    SetCountLabel();
    RefreshSelection();
    return 0;
}
