// The editor's construction, message map and data exchange.
#include "editor/CKVEditor.h"

#include "dialogs/CKVAbout.h"
#include "framework/CDataExchange.h"
#include "model/KVItem.h"
#include "model/OwnedArray.h"
#include "model/StoredAssignment.h"
#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CKVEditor, CDialog)
ON_BN_CLICKED(IDC_ASSIGN, OnAssign)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_TRANSFER_LIST, OnItemchangedTransfers)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_ASSIGNMENT_LIST, OnItemchangedAssignments)
ON_WM_SIZE()
ON_WM_CTLCOLOR()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
ON_COMMAND_RANGE(ID_TRANSFER_SPARE1, ID_TRANSFER_SPARE3, OnNoAction)
ON_COMMAND(ID_TRANSFER_NEW, OnNewTransfer)
ON_COMMAND(ID_TRANSFER_DUPLICATE, OnDuplicateTransfer)
ON_COMMAND(ID_TRANSFER_EDIT, OnEditTransfer)
ON_COMMAND(ID_TRANSFER_DELETE, OnDeleteTransfer)
ON_COMMAND(ID_APP_ABOUT, OnAbout)
ON_WM_GETMINMAXINFO()
ON_WM_CREATE()
ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFFFFFF, OnToolTipText) // ids and window handles
ON_MESSAGE(WM_REPAIR_TRANSFERS, OnRepairTransfers)
END_MESSAGE_MAP()

CKVEditor::CKVEditor(KVEditRequest* request, CWnd* parent)
    : CDialog(IDD_EDITOR, parent), m_pRequest(request)
{
    m_strCountLabel.LoadString(IDS_COUNT_LABEL);
    m_strPrefixPlus.LoadString(IDS_PREFIX_PLUS);
    m_strPrefixMinus.LoadString(IDS_PREFIX_MINUS);
    m_strCaption.LoadString(IDS_EDITOR_CAPTION);
    m_strSelectOne.LoadString(IDS_SELECT_ONE);
    m_strSelectionLabel.LoadString(IDS_TRANSFER);
    m_strNoValue.LoadString(IDS_NO_VALUE);
}

CKVEditor::~CKVEditor()
{
    DeleteAll<KVItem>(m_transfers);
    DeleteAll<StoredAssignment>(m_storedAssignments);
}

void CKVEditor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPLITTER, m_splitterBar);
    DDX_Control(pDX, IDC_TRANSFER_COUNT, m_stCount);
    DDX_Control(pDX, IDC_SELECTION_LABEL, m_stSelection);
    DDX_Control(pDX, IDC_TRANSFER_LIST, m_lcTransfers);
    DDX_Control(pDX, IDC_ASSIGNMENT_LIST, m_lcAssignments);
    DDX_Control(pDX, IDC_ORIGIN_X, m_edX);
    DDX_Control(pDX, IDC_ORIGIN_Y, m_edY);
    DDX_Control(pDX, IDC_ORIGIN_Z, m_edZ);
    DDX_Text(pDX, IDC_OWN_POSITION, m_strPosition);
}

KVItem* CKVEditor::FindTransfer(int transferNumber) const
{
    for (INT_PTR i = 0; i < GetTransferCount(); ++i)
        if (GetTransfer(i)->m_nTransferNumber == transferNumber)
            return GetTransfer(i);
    return nullptr;
}

int CKVEditor::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CDialog::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CKVEditor::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = m_nMinWidth;
    lpMMI->ptMinTrackSize.y = m_nMinHeight;
}

void CKVEditor::OnAbout()
{
    CKVAbout about(this);
    about.DoModal();
}
