#include "dialogs/CKVAnteilNach.h"

#include "framework/AfxFormatString.h"
#include "framework/CDataExchange.h"
#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CKVAnteilNach, CDialog)
ON_LBN_SELCHANGE(IDC_OWN_LOADS, OnSelchangeOwnLoads)
ON_LBN_DBLCLK(IDC_OWN_LOADS, OnDblclkOwnLoads)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CKVAnteilNach::CKVAnteilNach(const KVEditRequest* pRequest, const CString& strOwnPosition,
                             const CString& strTransferName, CWnd* pParent)
    : CDialog(IDD_SHARE, pParent), m_pRequest(pRequest)
{
    AfxFormatString2(m_strText, IDS_SHARE_TEXT, strOwnPosition, strTransferName);
}

void CKVAnteilNach::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OWN_LOADS, m_lbOwnLoads);
    DDX_Text(pDX, IDC_INFO_TEXT, m_strText);
}

BOOL CKVAnteilNach::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int count = m_pRequest->loads ? m_pRequest->loadCount.value : 0;
    for (int i = 0; i < count; ++i) {
        const char* name = m_pRequest->loads[i].name;
        m_lbOwnLoads.AddString(name ? name : "");
    }
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

void CKVAnteilNach::OnSelchangeOwnLoads()
{
    m_nSelected = m_lbOwnLoads.GetCurSel();
    if (m_nSelected < 0) {
        m_nSelected = -1;
        m_strSelected.Empty();
    } else {
        m_lbOwnLoads.GetText(m_nSelected, m_strSelected);
    }
    GetDlgItem(IDOK)->EnableWindow(m_nSelected >= 0);
}

void CKVAnteilNach::OnDblclkOwnLoads()
{
    if (m_nSelected != -1)
        OnOK();
}

HBRUSH CKVAnteilNach::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH brush = m_brushReadOnly.Colour(pDC, pWnd, nCtlColor);
    return brush ? brush : CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
