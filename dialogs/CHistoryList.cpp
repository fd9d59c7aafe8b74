#include "dialogs/CHistoryList.h"

#include <cmath>

int CHistoryList::AddValue(CComboBox& box, double value)
{
    if (!std::isfinite(value) || std::fabs(value) < kMinMagnitude)
        return 0;
    if (Find(value)) {
        MoveToFront(box, value);
        return 1;
    }
    if (GetCount() >= kMaxEntries) {
        RemoveTail();
        box.DeleteString(static_cast<UINT>(kMaxEntries - 1));
    }
    AddHead(value);
    box.InsertString(0, Text(value));
    return 1;
}

void CHistoryList::MoveToFront(CComboBox& box, double value)
{
    INT_PTR index = 0;
    POSITION pos = GetHeadPosition();
    while (pos && GetAt(pos) != value) {
        GetNext(pos);
        ++index;
    }
    if (!pos)
        return;
    RemoveAt(pos);
    AddHead(value);
    box.DeleteString(static_cast<UINT>(index));
    box.InsertString(0, Text(value));
    box.SetCurSel(0);
}

CString CHistoryList::Text(double value)
{
    CString text;
    text.Format("%.*g", 15, value);
    return text;
}
