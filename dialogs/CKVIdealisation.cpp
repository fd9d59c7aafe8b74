#include "dialogs/CKVIdealisation.h"

#include "framework/CDataExchange.h"
#include "resources/ResourceIds.h"

namespace
{
// Lists the children's names, each with its child as item data, and selects the first.
template <class Child> void FillList(CComboBox& list, const CPtrArray& children)
{
    list.ResetContent();
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        Child* child = static_cast<Child*>(children[i]);
        const int row = list.AddString(child->m_strName);
        list.SetItemData(row, reinterpret_cast<DWORD_PTR>(child));
    }
    if (list.GetCount() > 0)
        list.SetCurSel(0);
}

template <class Node> Node* Selected(const CComboBox& list)
{
    const int row = list.GetCurSel();
    return row < 0 ? nullptr : reinterpret_cast<Node*>(list.GetItemData(row));
}
} // namespace

BEGIN_MESSAGE_MAP(CKVIdealisation, CDialog)
ON_CBN_SELCHANGE(IDC_SUPPORTS, OnSelchangeSupport)
ON_CBN_SELCHANGE(IDC_LOADS, OnSelchangeLoad)
ON_CBN_SELCHANGE(IDC_COMPONENTS, OnSelchangeComponent)
END_MESSAGE_MAP()

CKVIdealisation::CKVIdealisation(KVItem* pItem, CWnd* pParent)
    : CKVIdealisation(pItem, IDD_IDEALISATION, pParent)
{
}

CKVIdealisation::CKVIdealisation(KVItem* pItem, UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pItem(pItem), m_pCopy(std::make_unique<KVItem>(*pItem))
{
}

void CKVIdealisation::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUPPORTS, m_cbSupports);
    DDX_Control(pDX, IDC_LOADS, m_cbLoads);
    DDX_Control(pDX, IDC_COMPONENTS, m_cbComponents);
    DDX_Control(pDX, IDC_VALUE_LIST, m_cbValue);
    DDX_Radio(pDX, IDC_SCOPE, m_nScope);
}

BOOL CKVIdealisation::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList<KVSupport>(m_cbSupports, m_pCopy->m_supports);
    OnSelchangeSupport();
    OnSelchangeLoad();
    ShowCurrentValue();
    return TRUE;
}

// The component list keeps its rows until a load is picked.
void CKVIdealisation::OnSelchangeSupport()
{
    if (const KVSupport* support = Selected<KVSupport>(m_cbSupports))
        FillList<KVLoad>(m_cbLoads, support->m_loads);
}

// The shown value stays until a component is picked.
void CKVIdealisation::OnSelchangeLoad()
{
    if (const KVLoad* load = Selected<KVLoad>(m_cbLoads))
        FillList<KVComponent>(m_cbComponents, load->m_components);
}

void CKVIdealisation::OnSelchangeComponent()
{
    ShowCurrentValue();
}

KVComponent* CKVIdealisation::SelectedComponent() const
{
    return Selected<KVComponent>(m_cbComponents);
}

void CKVIdealisation::ShowCurrentValue()
{
    if (const KVComponent* component = SelectedComponent())
        m_cbValue.SetCurSel(component->idealisation);
}

// The list's index is the idealisation index; the radio group is not read back.
void CKVIdealisation::OnOK()
{
    const int kind = m_cbValue.GetCurSel();
    if (kind < 0)
        return;
    ForEachComponent(*m_pItem, [kind](KVComponent& component) { component.idealisation = kind; });
    EndDialog(IDOK);
}
