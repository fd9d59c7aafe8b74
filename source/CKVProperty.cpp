#include "source/CKVProperty.h"

#include "resources/ResourceIds.h"

namespace
{
CRect ChildRect(const CWnd& parent, const CWnd& child)
{
    CRect rect;
    child.GetWindowRect(rect);
    parent.ScreenToClient(rect);
    return rect;
}
} // namespace

CKVProperty::CKVProperty() : CPropertySheet("", nullptr)
{
    AddPage(&m_pagePosition);
    m_strCancel.LoadString(IDS_SHEET_CANCEL);
    m_strHelp.LoadString(IDS_SHEET_HELP);
    m_strRepairCancel.LoadString(IDS_SHEET_REMOVE);
}

BOOL CKVProperty::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    CString caption;
    caption.LoadString(IDS_TRANSFER);
    if (m_pItem)
        caption += " " + m_pItem->m_strName;
    SetWindowText(caption);
    // OK and Cancel take the places of Cancel and Apply: the sheet applies only on OK.
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* apply = GetDlgItem(ID_APPLY_NOW);
    if (ok && cancel && apply) {
        ok->MoveWindow(ChildRect(*this, *cancel));
        cancel->MoveWindow(ChildRect(*this, *apply));
        apply->ShowWindow(SW_HIDE);
    }
    if (cancel)
        cancel->SetWindowText(m_bRepair ? m_strRepairCancel : m_strCancel);
    if (CWnd* help = GetDlgItem(IDHELP))
        help->SetWindowText(m_strHelp);
    return TRUE;
}

void CKVProperty::ResetItem()
{
    m_item.m_nValid = 1;
    m_item.m_nTransferNumber = 1;
    m_item.projectRef = 0;
    for (CString* text : {&m_item.m_strName, &m_item.m_strPosition, &m_item.m_strProgram,
                          &m_item.m_strStatus, &m_item.m_strDirectory})
        text->Empty();
    m_item.m_nCoordinateSystem = 1;
    m_item.DefaultPlacement(1, 1);
    m_item.DeleteSupports();
}
