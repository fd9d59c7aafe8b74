// The source page's lists from the position down: the chosen position's supports, the
// selected support's loads, the selected load's components and the selected component's
// value. A check box changes the tree when its row becomes the selected one.
#include "source/CKVPosition.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "source/CKVProperty.h"
#include "source/ComponentValueText.h"
#include "source/ProgramName.h"

namespace
{
CString LoadedString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

template <class Node> void AddRow(CCheckListBox& list, Node& node)
{
    const int row = list.AddString(node.m_strName);
    list.SetItemData(row, reinterpret_cast<DWORD_PTR>(&node));
    list.SetCheck(row, node.m_nSelected ? 1 : 0);
}

// The node of the selected row, or null; a support or load whose check box was changed
// while its row was selected takes the box's state, with everything below it.
template <class Node> Node* SelectedNode(const CCheckListBox& list)
{
    const int row = list.GetCurSel();
    if (row < 0)
        return nullptr;
    Node* node = reinterpret_cast<Node*>(list.GetItemData(row));
    const int check = list.GetCheck(row);
    if ((check != 0) != (node->m_nSelected != 0))
        node->SetSelected(check);
    return node;
}
} // namespace

void CKVPosition::LoadPosition()
{
    const int remembered = m_lbSupports.GetCurSel();
    m_lbSupports.ResetContent();
    m_lbLoads.ResetContent();
    m_lbComponents.ResetContent();
    m_edValue.SetWindowText("");
    CString program;
    const int position = m_cbPositions.GetCurSel();
    if (position >= 0) {
        const PositionEntry& entry = EntryOf(m_cbPositions, position);
        CString group;
        m_cbGroups.GetLBText(m_cbGroups.GetCurSel(), group);
        program = ProgramText(entry, group);
        LoadEntry(entry);
    }
    m_edProgram.SetWindowText(program);
    const KVItem& item = Item();
    for (INT_PTR s = 0; s < item.GetSupportCount(); ++s)
        AddRow(m_lbSupports, *item.GetSupport(s));
    const int row = ChooseRow(remembered, settings::kCurSupport, m_lbSupports.GetCount());
    if (row < 0)
        return;
    m_lbSupports.SetCurSel(row);
    SupportSelected();
}

void CKVPosition::LoadEntry(const PositionEntry& entry)
{
    LoadFreeData(&m_loadData);
    const bool loaded = LoadDataSucceeded(LoadSerializeData(1, entry.m_strPath, &m_loadData));
    int formatVersion = 0;
    int dataVersion = 0;
    GetLoadDataVersions(&formatVersion, &dataVersion);
    KVItem& item = Item();
    if (!loaded || formatVersion < 1 || dataVersion < 1) {
        item.DeleteSupports();
        MessageBox(LoadedString(loaded ? IDS_LOADDATA_VERSION : IDS_LOADDATA_UNREADABLE),
                   LoadedString(IDS_TRANSFER), MB_OK);
        EnableSheetOK(FALSE);
        return;
    }
    EnableSheetOK(TRUE);
    if (m_bEditing && item.m_strPosition == entry.m_strName)
        item.RebuildKeepingChoices(m_loadData);
    else
        item.BuildFromLoadData(Sheet().m_nOwnCoordinateSystem, m_loadData);
    item.m_strPosition = entry.m_strName;
}

void CKVPosition::SupportSelected()
{
    const int remembered = m_lbLoads.GetCurSel();
    m_lbLoads.ResetContent();
    m_lbComponents.ResetContent();
    m_edValue.SetWindowText("");
    if (const KVSupport* support = SelectedNode<KVSupport>(m_lbSupports)) {
        for (INT_PTR l = 0; l < support->GetLoadCount(); ++l)
            AddRow(m_lbLoads, *support->GetLoad(l));
    }
    const int row = ChooseRow(remembered, settings::kCurLoad, m_lbLoads.GetCount());
    if (row < 0)
        return;
    m_lbLoads.SetCurSel(row);
    LoadSelected();
}

void CKVPosition::LoadSelected()
{
    const int remembered = m_lbComponents.GetCurSel();
    m_lbComponents.ResetContent();
    m_edValue.SetWindowText("");
    if (const KVLoad* load = SelectedNode<KVLoad>(m_lbLoads)) {
        for (INT_PTR c = 0; c < load->GetComponentCount(); ++c)
            AddRow(m_lbComponents, *load->GetComponent(c));
    }
    const int row = ChooseRow(remembered, settings::kCurComponent, m_lbComponents.GetCount());
    if (row < 0)
        return;
    m_lbComponents.SetCurSel(row);
    ComponentSelected();
}

void CKVPosition::ComponentSelected()
{
    m_edValue.SetWindowText("");
    CString text;
    const int row = m_lbComponents.GetCurSel();
    if (row >= 0) {
        // A component has nothing below it: its flag simply follows its box.
        auto* component = reinterpret_cast<KVComponent*>(m_lbComponents.GetItemData(row));
        component->m_nSelected = m_lbComponents.GetCheck(row);
        text = ComponentValueText(*component, LoadedString(IDS_NO_VALUE));
    }
    m_edValue.SetWindowText(text);
}

int CKVPosition::ChooseRow(int remembered, const char* setting, int count) const
{
    int row = remembered;
    DWORD stored = 0;
    if (row < 0 && m_settings.QueryNumber(setting, stored) == ERROR_SUCCESS)
        row = static_cast<int>(stored);
    return ClampRow(row, count);
}

int CKVPosition::ClampRow(int row, int count)
{
    if (row >= count)
        row = count - 1;
    if (row < 0 && count > 0)
        row = 0;
    return row;
}
