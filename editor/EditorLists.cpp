// The editor's two lists and its labels: the transfer list with the count label, the
// selection with its label, and the reaction rows of the selected transfer.
#include "editor/CKVEditor.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"

namespace
{
// Reaction values are shown with six significant digits.
constexpr int kValuePrecision = 6;

CString ValueText(double value, int forceKind)
{
    char unit[20] = "";
    CString text;
    text.Format("%.*g", kValuePrecision, value);
    return text + GetForceUnitString(forceKind, unit);
}
} // namespace

// Without drawing while the rows go in: a list that redraws after every row takes about
// a millisecond per row under Wine.
void CKVEditor::FillTransferList()
{
    m_lcTransfers.DeleteAllItems();
    m_lcTransfers.SendMessage(WM_SETREDRAW, FALSE);
    for (INT_PTR t = 0; t < GetTransferCount(); ++t)
        if (!AppendTransferRow(*GetTransfer(t)))
            break;
    m_lcTransfers.SendMessage(WM_SETREDRAW, TRUE);
    m_lcTransfers.Invalidate();
}

bool CKVEditor::AppendTransferRow(KVItem& item)
{
    return InsertTransferRow(m_lcTransfers.GetItemCount(), item, 0);
}

bool CKVEditor::InsertTransferRow(int row, KVItem& item, UINT state)
{
    const int image = item.m_nTransferNumber < 1 ? 1 : 0;
    row =
        m_lcTransfers.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE, row,
                                 item.m_strName, state, 15, image, reinterpret_cast<LPARAM>(&item));
    if (row < 0)
        return false;
    m_lcTransfers.SetItemText(row, 1, item.m_strPosition);
    m_lcTransfers.SetItemText(row, 2, item.m_strProgram);
    m_lcTransfers.SetItemText(row, 3, item.m_strStatus);
    return true;
}

void CKVEditor::SetCountLabel()
{
    if (!m_lcTransfers.GetSafeHwnd())
        return;
    CString text;
    text.Format("%ld", static_cast<long>(m_lcTransfers.GetItemCount()));
    m_stCount.SetWindowText(m_strCountLabel + text);
}

void CKVEditor::RefreshSelection()
{
    m_pSelected = nullptr;
    if (m_lcTransfers.GetSelectedCount() == 1)
        m_pSelected = reinterpret_cast<KVItem*>(
            m_lcTransfers.GetItemData(m_lcTransfers.GetNextItem(-1, LVNI_SELECTED)));
    CString label = m_strSelectionLabel + ": ";
    if (m_pSelected)
        label += m_pSelected->m_strName + "  <" + m_pSelected->m_strPosition + "> <" +
                 m_pSelected->m_strProgram + ">";
    // Binding commits a typed coordinate to the transfer it was typed for first.
    KVCoordinateEdit* const fields[3] = {&m_edX, &m_edY, &m_edZ};
    for (int i = 0; i < 3; ++i) {
        fields[i]->BindValue(m_pSelected ? &m_pSelected->m_dOrigin[i] : nullptr);
        fields[i]->EnableWindow(m_pSelected != nullptr);
    }
    m_stSelection.SetWindowText(label);
    FillAssignmentList();
}

void CKVEditor::OnItemchangedTransfers(NMHDR*, LRESULT* pResult)
{
    RefreshSelection();
    *pResult = 0;
}

// The reaction rows are for reading only: a row never stays selected.
void CKVEditor::OnItemchangedAssignments(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_lcAssignments.SetItemState(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem, 0, 15);
    *pResult = 0;
}

// Support, load, own load, component, value; a support's name shows on its first row
// only, a load's two names on the first row of that load.
void CKVEditor::FillAssignmentList()
{
    m_lcAssignments.DeleteAllItems();
    if (!m_pSelected)
        return;
    CString texts[5];
    for (INT_PTR s = 0; s < m_pSelected->GetSupportCount(); ++s) {
        const KVSupport& support = *m_pSelected->GetSupport(s);
        if (!support.m_nSelected)
            continue;
        texts[0] = support.m_strName;
        for (INT_PTR l = 0; l < support.GetLoadCount(); ++l) {
            const KVLoad& load = *support.GetLoad(l);
            if (!load.m_nSelected)
                continue;
            texts[1] = load.m_strName;
            texts[2] = load.m_strOwnLoad;
            for (INT_PTR c = 0; c < load.GetComponentCount(); ++c)
                if (load.GetComponent(c)->m_nSelected)
                    AddComponentRows(*load.GetComponent(c), texts);
        }
    }
}

// A distributed reaction shows both ends of every piece; the end a piece shares with the
// one before it shows once.
void CKVEditor::AddComponentRows(const KVComponent& component, CString texts[5])
{
    if (component.m_nDataWord == 0) {
        texts[3] = component.m_strName;
        texts[4] = m_strNoValue;
        InsertAssignmentRow(texts);
        return;
    }
    if (!component.distributed) {
        texts[3] = component.m_strName;
        texts[4] = ValueText(component.value, component.m_nKind);
        InsertAssignmentRow(texts);
        return;
    }
    CString previous[2];
    for (int32_t p = 0; p < component.trapezoidCount; ++p) {
        const TrapezoidPiece& piece = component.trapezoids[p];
        const double ends[2][2] = {{piece.x1, piece.q1}, {piece.x2, piece.q2}};
        for (const auto& end : ends) {
            CString at;
            at.Format(" (x=%.3f m)", end[0]);
            const CString name = component.m_strName + at;
            const CString value = ValueText(end[1], component.m_nKind);
            if (name == previous[0] && value == previous[1])
                continue;
            previous[0] = texts[3] = name;
            previous[1] = texts[4] = value;
            InsertAssignmentRow(texts);
        }
    }
}

// Appends the row; the support and load names are then emptied for the rows that follow.
void CKVEditor::InsertAssignmentRow(CString texts[5])
{
    const int row = m_lcAssignments.InsertItem(m_lcAssignments.GetItemCount(), texts[0]);
    for (int column = 1; row >= 0 && column < 5; ++column)
        m_lcAssignments.SetItemText(row, column, texts[column]);
    texts[0].Empty();
    texts[1].Empty();
    texts[2].Empty();
}
