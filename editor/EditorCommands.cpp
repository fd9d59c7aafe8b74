// The commands that change the list of transfers without the source sheet: duplicate and
// delete; the rule that they need exactly one selected transfer; unique names.
#include "editor/CKVEditor.h"

#include "dialogs/CKVZuordnung.h"
#include "model/KVItem.h"

// The one selected transfer, or null after a beep and the message that asks for one.
KVItem* CKVEditor::SelectedForCommand()
{
    if (m_lcTransfers.GetSelectedCount() == 1)
        return reinterpret_cast<KVItem*>(
            m_lcTransfers.GetItemData(m_lcTransfers.GetNextItem(-1, LVNI_SELECTED)));
    ::MessageBeep(static_cast<UINT>(-1));
    MessageBox(m_strSelectOne, m_strCaption, MB_OK);
    return nullptr;
}

INT_PTR CKVEditor::IndexOfTransfer(const KVItem* item) const
{
    for (INT_PTR i = 0; i < GetTransferCount(); ++i)
        if (GetTransfer(i) == item)
            return i;
    return -1;
}

bool CKVEditor::NameExists(const CString& name) const
{
    for (INT_PTR i = 0; i < GetTransferCount(); ++i)
        if (GetTransfer(i)->m_strName == name)
            return true;
    return false;
}

CString CKVEditor::MakeUniqueName(const CString& prefix) const
{
    for (long n = 1;; ++n) {
        CString candidate;
        candidate.Format("%s%ld", prefix.GetString(), n);
        if (!NameExists(candidate))
            return candidate;
    }
}

const CString& CKVEditor::PrefixFor(const KVItem& item) const
{
    return item.m_nTransferNumber < 1 ? m_strPrefixMinus : m_strPrefixPlus;
}

// Appends the transfer to the list and as the list's last row.
void CKVEditor::AddTransfer(KVItem* item)
{
    m_transfers.Add(item);
    AppendTransferRow(*item);
}

void CKVEditor::OnDuplicateTransfer()
{
    const KVItem* selected = SelectedForCommand();
    if (!selected)
        return;
    KVItem* copy = new KVItem(*selected);
    copy->m_strName = MakeUniqueName(PrefixFor(*copy));
    CopyAssignments(*copy, *selected);
    AddTransfer(copy);
    SetCountLabel();
    RefreshSelection();
}

void CKVEditor::OnDeleteTransfer()
{
    KVItem* selected = SelectedForCommand();
    if (!selected)
        return;
    DeleteTransfer(selected);
    SetCountLabel();
    RefreshSelection();
}

// Removes the transfer from the list and its row, then deletes it. The selection is
// refreshed in between, so that the origin fields are never bound to a deleted transfer.
void CKVEditor::DeleteTransfer(KVItem* item)
{
    const INT_PTR index = IndexOfTransfer(item);
    if (index >= 0)
        m_transfers.RemoveAt(index);
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(item);
    const int row = static_cast<int>(
        m_lcTransfers.SendMessage(LVM_FINDITEMA, static_cast<WPARAM>(-1), LPARAM(&find)));
    if (row >= 0)
        m_lcTransfers.DeleteItem(row);
    RefreshSelection();
    delete item;
}

// The assignment dialog changes the selected transfer's own loads in place.
void CKVEditor::OnAssign()
{
    if (!SelectedForCommand() || !m_pSelected)
        return;
    CKVZuordnung dialog(m_pRequest, m_pSelected, m_strPosition, m_pSelected->m_strPosition, this);
    if (dialog.DoModal() == IDOK)
        RefreshSelection();
}
