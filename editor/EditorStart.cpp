// The editor's start: the transfers read back, the controls made, the lists filled, the
// repair run posted when transfers no longer match their source, the stored placement.
#include "editor/CKVEditor.h"

#include "framework/ModuleState.h"
#include "model/KVItem.h"
#include "model/OwnedArray.h"
#include "model/TransferFileName.h"
#include "resources/ResourceIds.h"

BOOL CKVEditor::OnInitDialog()
{
    m_strPosition = m_pRequest->positionName;
    m_strPosition.TrimRight();
    m_sheet.m_strOwnPosition = m_strPosition;
    m_sheet.m_strOwnPath = PositionDataFileName(TransferFileName(*m_pRequest));
    m_sheet.m_nOwnCoordinateSystem = m_pRequest->coordinateSystem.value;
    m_sheet.m_nInitialGroup = m_pRequest->projectGroup.value;
    if (!ReadAtStart())
        return TRUE;
    CDialog::OnInitDialog();
    MeasureLayout();
    CRect window;
    GetWindowRect(&window);
    m_nMinWidth = window.Width();
    m_nMinHeight = window.Height();
    if (!CreateToolBar() || !CreateColumns())
        return FALSE;
    FillTransferList();
    SetCountLabel();
    RefreshSelection();
    if (!m_bAllValid)
        PostMessage(WM_REPAIR_TRANSFERS);
    RestorePlacement();
    MeasureLayout();
    return TRUE;
}

// False when the file is of a format the editor does not edit: the editor then ends at
// once and the file stays as it is. An unreadable file leaves the editor empty.
bool CKVEditor::ReadAtStart()
{
    m_bAllValid = 1;
    switch (ReadTransfers()) {
    case 1: {
        CString text;
        text.LoadString(IDS_OLD_FORMAT);
        MessageBox(text, m_strCaption, MB_OK);
        EndDialog(IDCANCEL);
        return false;
    }
    case 2: {
        CString text;
        text.LoadString(IDS_TRANSFERS_UNREADABLE);
        MessageBox(text, m_strCaption, MB_OK);
        DeleteAll<KVItem>(m_transfers);
        m_bUnreadableAtStart = true;
        return true;
    }
    default:
        return true;
    }
}

bool CKVEditor::CreateColumns()
{
    struct Column {
        CListCtrl& list;
        int column;
        UINT heading;
        int width;
    };
    const Column columns[] = {
        {m_lcTransfers, 0, IDS_COL_NAME, 60},       {m_lcTransfers, 1, IDS_COL_POSITION, 120},
        {m_lcTransfers, 2, IDS_COL_PROGRAM, 80},    {m_lcTransfers, 3, IDS_COL_STATUS, 130},
        {m_lcAssignments, 0, IDS_COL_SUPPORT, 40},  {m_lcAssignments, 1, IDS_COL_LOAD, 80},
        {m_lcAssignments, 2, IDS_COL_OWN_LOAD, 80}, {m_lcAssignments, 3, IDS_COL_COMPONENT, 100},
        {m_lcAssignments, 4, IDS_COL_VALUE, 80},
    };
    if (!m_imageList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0))
        return false;
    for (UINT icon : {IDI_TRANSFER_PLUS, IDI_TRANSFER_MINUS})
        if (m_imageList.Add(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(icon))) < 0)
            return false;
    m_lcTransfers.SetImageList(&m_imageList, LVSIL_SMALL);
    for (const Column& c : columns) {
        CString heading;
        heading.LoadString(c.heading);
        if (c.list.InsertColumn(c.column, heading, LVCFMT_LEFT, c.width, c.column) < 0)
            return false;
    }
    return true;
}
