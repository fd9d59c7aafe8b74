#include "dialogs/CKVZuordnung.h"

#include "dialogs/CKVAnteilNach.h"
#include "framework/AfxFormatString.h"
#include "framework/CDataExchange.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/OwnedArray.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CKVZuordnung, CDialog)
ON_BN_CLICKED(IDC_ASSIGN, OnAssign)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace
{
constexpr int kColumnWidth = 130;

KVLoadAssignment* WorkCopy(const CPtrArray& copies, INT_PTR index)
{
    return static_cast<KVLoadAssignment*>(copies[index]);
}
} // namespace

CKVZuordnung::CKVZuordnung(const KVEditRequest* pRequest, KVItem* pItem,
                           const CString& strOwnPosition, const CString& strTransferName,
                           CWnd* pParent)
    : CDialog(IDD_ASSIGNMENT, pParent), m_pRequest(pRequest), m_pItem(pItem),
      m_strTransferName(strTransferName), m_strOwnPosition(strOwnPosition)
{
    AfxFormatString2(m_strText, IDS_ASSIGN_TEXT, m_strTransferName, m_strOwnPosition);
    m_strCaption.LoadString(IDS_ASSIGN_CAPTION);
    m_strNoSelection.LoadString(IDS_ASSIGN_NO_SELECTION);
}

CKVZuordnung::~CKVZuordnung()
{
    DeleteAll<KVLoadAssignment>(m_workCopies);
}

void CKVZuordnung::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOAD_ASSIGNMENTS, m_lcLoads);
    DDX_Text(pDX, IDC_INFO_TEXT, m_strText);
}

BOOL CKVZuordnung::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!InsertColumns())
        return FALSE;
    if (m_pItem->GetSupportCount() > 0)
        InsertRows();
    return TRUE;
}

BOOL CKVZuordnung::InsertColumns()
{
    const UINT headings[] = {IDS_COL_LOAD, IDS_COL_OWN_LOAD};
    for (int column = 0; column < 2; ++column) {
        CString heading;
        heading.LoadString(headings[column]);
        if (m_lcLoads.InsertColumn(column, heading, LVCFMT_LEFT, kColumnWidth, column) < 0)
            return FALSE;
    }
    return TRUE;
}

void CKVZuordnung::InsertRows()
{
    const CPtrArray& entries = m_pItem->m_loadAssignments;
    for (INT_PTR i = 0; i < entries.GetSize(); ++i) {
        auto* copy = new KVLoadAssignment(*static_cast<const KVLoadAssignment*>(entries[i]));
        m_workCopies.Add(copy);
        // Names come blank-padded from the position files; shown without the padding.
        CString shown = copy->m_strSourceLoad;
        shown.TrimRight(' ');
        const int row =
            m_lcLoads.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, m_lcLoads.GetItemCount(),
                                 shown, 0, 0, 0, reinterpret_cast<LPARAM>(copy));
        m_lcLoads.SetItemText(row, 1, copy->m_strOwnLoad);
    }
}

void CKVZuordnung::OnAssign()
{
    if (m_lcLoads.GetSelectedCount() == 0) {
        MessageBeep(static_cast<UINT>(-1));
        MessageBox(m_strNoSelection, m_strCaption, MB_OK);
        return;
    }
    std::vector<int> rows;
    POSITION pos = m_lcLoads.GetFirstSelectedItemPosition();
    while (pos)
        rows.push_back(m_lcLoads.GetNextSelectedItem(pos));

    CKVAnteilNach share(m_pRequest, m_strOwnPosition, m_strTransferName, this);
    if (share.DoModal() == IDOK) {
        for (const int row : rows) {
            auto* copy = reinterpret_cast<KVLoadAssignment*>(m_lcLoads.GetItemData(row));
            copy->ownLoad = static_cast<DWORD>(share.m_nSelected);
            copy->m_strOwnLoad = share.m_strSelected;
            m_lcLoads.SetItemText(row, 1, share.m_strSelected);
        }
    }
    m_lcLoads.SetFocus();
}

void CKVZuordnung::OnOK()
{
    for (INT_PTR i = 0; i < m_workCopies.GetSize(); ++i) {
        const KVLoadAssignment* copy = WorkCopy(m_workCopies, i);
        auto* entry = static_cast<KVLoadAssignment*>(m_pItem->m_loadAssignments[i]);
        entry->ownLoad = copy->ownLoad;
        entry->m_strOwnLoad = copy->m_strOwnLoad;
    }
    // Load j of every support takes the own load of row j. A support with more loads than
    // the list has rows keeps the own loads of the loads beyond: the user never saw them.
    for (INT_PTR s = 0; s < m_pItem->GetSupportCount(); ++s) {
        const KVSupport* support = m_pItem->GetSupport(s);
        const INT_PTR shown = std::min(support->GetLoadCount(), m_workCopies.GetSize());
        for (INT_PTR j = 0; j < shown; ++j) {
            KVLoad* load = support->GetLoad(j);
            load->ownLoad = static_cast<int32_t>(WorkCopy(m_workCopies, j)->ownLoad);
            load->m_strOwnLoad = WorkCopy(m_workCopies, j)->m_strOwnLoad;
        }
    }
    CDialog::OnOK();
}

HBRUSH CKVZuordnung::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH brush = m_brushReadOnly.Colour(pDC, pWnd, nCtlColor);
    return brush ? brush : CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
