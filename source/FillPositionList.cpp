// The position list of the source page: the positions of the selected project group, and
// which of them is chosen.
#include "source/CKVPosition.h"

#include "model/KVItem.h"
#include "settings/SettingsValues.h"
#include "source/CKVProperty.h"
#include "source/PositionDiscovery.h"

void CKVPosition::FillPositionList()
{
    const int remembered = m_cbPositions.GetCurSel();
    // The rows point into the entries: they go before the entries are replaced.
    m_cbPositions.ResetContent();
    m_edProgram.SetWindowText("");
    m_lbSupports.ResetContent();
    m_lbLoads.ResetContent();
    m_lbComponents.ResetContent();
    m_edValue.SetWindowText("");
    const CKVProperty& sheet = Sheet();
    const OwnPosition own{sheet.m_strOwnPosition, sheet.m_strOwnPath};
    const CString folder = ListPositions(m_cbGroups.GetCurSel(), m_settings, own, m_entries);
    for (size_t i = 0; i < m_entries.GetCount(); ++i) {
        const int row = m_cbPositions.AddString(m_entries[i].m_strName);
        m_cbPositions.SetItemData(row, reinterpret_cast<DWORD_PTR>(&m_entries[i]));
    }
    Item().m_strDirectory = folder;
    const int row = ChoosePosition(remembered);
    EnableSheetOK(row >= 0);
    if (row < 0)
        return;
    m_cbPositions.SetCurSel(row);
    LoadPosition();
}

int CKVPosition::ChoosePosition(int remembered) const
{
    int row = remembered;
    if (row < 0 && m_bEditing) {
        row = m_cbPositions.FindStringExact(-1, Item().m_strPosition);
    } else if (row < 0) {
        char name[256] = {};
        DWORD size = sizeof name;
        if (m_settings.QueryString(name, settings::kCurPosition, &size) == ERROR_SUCCESS)
            row = m_cbPositions.FindStringExact(-1, name);
    }
    return ClampRow(row, m_cbPositions.GetCount());
}
