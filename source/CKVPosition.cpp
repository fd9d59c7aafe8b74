#include "source/CKVPosition.h"

#include "framework/CDataExchange.h"
#include "model/KVItem.h"
#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "source/CKVProperty.h"
#include "source/PositionStatus.h"

BEGIN_MESSAGE_MAP(CKVPosition, CPropertyPage)
ON_CBN_SELCHANGE(IDC_GROUP_LIST, FillPositionList)
ON_CBN_SELCHANGE(IDC_POSITION_LIST, LoadPosition)
ON_LBN_SELCHANGE(IDC_SUPPORTS, SupportSelected)
ON_LBN_SELCHANGE(IDC_LOAD_LIST, LoadSelected)
ON_LBN_SELCHANGE(IDC_COMPONENTS, ComponentSelected)
ON_BN_CLICKED(IDC_DIRECTION_MINUS, OnDirection)
ON_BN_CLICKED(IDC_DIRECTION_PLUS, OnDirection)
ON_BN_CLICKED(IDC_FACTOR, OnFactor)
ON_BN_CLICKED(IDC_IDEALISATION, OnIdealisation)
ON_BN_CLICKED(IDC_ORIENTATION, OnOrientation)
END_MESSAGE_MAP()

CKVPosition::CKVPosition() : CPropertyPage(IDD_POSITION)
{
    m_settings.OpenSettings();
}

CKVPosition::~CKVPosition()
{
    LoadFreeData(&m_loadData);
}

void CKVPosition::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUPPORTS, m_lbSupports);
    DDX_Control(pDX, IDC_PROGRAM, m_edProgram);
    DDX_Control(pDX, IDC_COMPONENTS, m_lbComponents);
    DDX_Control(pDX, IDC_COMPONENT_VALUE, m_edValue);
    DDX_Control(pDX, IDC_LOAD_LIST, m_lbLoads);
    DDX_Control(pDX, IDC_POSITION_LIST, m_cbPositions);
    DDX_Control(pDX, IDC_GROUP_LIST, m_cbGroups);
    DDX_Radio(pDX, IDC_DIRECTION_MINUS, m_nDirection);
}

BOOL CKVPosition::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bEditing = 0;
    CKVProperty& sheet = Sheet();
    sheet.ResetItem();
    if (sheet.m_pItem)
        m_bEditing = 1;
    else
        sheet.m_pItem = &sheet.m_item;
    return TRUE;
}

BOOL CKVPosition::OnSetActive()
{
    DWORD stored = 0;
    if (m_bEditing)
        m_nDirection = Item().m_nTransferNumber >= 0 ? 1 : 0;
    else if (m_settings.QueryNumber(settings::kCurDirect, stored) == ERROR_SUCCESS)
        m_nDirection = static_cast<int>(stored);
    UpdateData(FALSE);
    m_cbGroups.ResetContent();
    for (UINT id : {IDS_GROUP_CURRENT, IDS_GROUP_FEM}) {
        CString group;
        group.LoadString(id);
        m_cbGroups.AddString(group);
    }
    // The group is the editor's choice for the whole run.
    const int group = Sheet().m_nInitialGroup;
    if (group == 0 || group == 1) {
        m_cbGroups.SetCurSel(group);
        FillPositionList();
    }
    m_cbGroups.EnableWindow(FALSE);
    return CPropertyPage::OnSetActive();
}

void CKVPosition::OnDirection()
{
    UpdateData(TRUE);
}

void CKVPosition::OnOK()
{
    KVItem& item = Item();
    item.m_nTransferNumber = m_nDirection != 0 ? 1 : -1;
    item.projectRef = m_cbGroups.GetCurSel();
    m_edProgram.GetWindowText(item.m_strProgram);
    item.m_strStatus.Empty();
    const int row = m_cbPositions.GetCurSel();
    if (row >= 0) {
        const PositionEntry& entry = EntryOf(m_cbPositions, row);
        item.m_strPosition = entry.m_strName;
        item.m_strStatus = PositionStatusText(entry.m_strPath);
    }
    WriteSettings();
    CPropertyPage::OnOK();
}

// The choices become the defaults of the next new transfer.
void CKVPosition::WriteSettings()
{
    const KVItem& item = Item();
    m_settings.SetNumber(settings::kCurDirect, static_cast<DWORD>(m_nDirection));
    m_settings.SetNumber(settings::kCurSupport, static_cast<DWORD>(m_lbSupports.GetCurSel()));
    m_settings.SetNumber(settings::kCurLoad, static_cast<DWORD>(m_lbLoads.GetCurSel()));
    m_settings.SetNumber(settings::kCurComponent, static_cast<DWORD>(m_lbComponents.GetCurSel()));
    m_settings.SetString(item.m_strDirectory, settings::kCurPath);
    m_settings.SetString(item.m_strPosition, settings::kCurPosition);
    m_settings.SetNumber(settings::kCurGroup, static_cast<DWORD>(m_cbGroups.GetCurSel()));
}

CKVProperty& CKVPosition::Sheet() const
{
    return *static_cast<CKVProperty*>(GetParent());
}

KVItem& CKVPosition::Item() const
{
    return *Sheet().m_pItem;
}

void CKVPosition::EnableSheetOK(BOOL bEnable) const
{
    if (CWnd* ok = Sheet().GetDlgItem(IDOK))
        ok->EnableWindow(bEnable);
}

const PositionEntry& CKVPosition::EntryOf(const CComboBox& list, int row)
{
    return *reinterpret_cast<const PositionEntry*>(list.GetItemData(row));
}
