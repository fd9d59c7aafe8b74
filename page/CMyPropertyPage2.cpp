#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "framework/CDataExchange.h"
#include "framework/ModuleState.h"
#include "page/HostedPageLanguage.h"
#include "page/HostedPageTexts.h"
#include "page/LoadPageString.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CMyPropertyPage2, CPropertyPage)

BEGIN_MESSAGE_MAP(CMyPropertyPage2, CPropertyPage)
ON_WM_SIZE()
ON_NOTIFY(TVN_SELCHANGEDA, IDC_LOAD_TREE, OnSelchangedTree2)
ON_COMMAND(ID_KVD_CALCUL, OnKVDCalcul)
ON_COMMAND(ID_KVD_PRINT, OnKVDPrint)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_GETMINMAXINFO()
ON_MESSAGE(WM_LOADING_NOT_CORRECT, OnMessageLoadingNotCorrect)
END_MESSAGE_MAP()

CMyPropertyPage2::CMyPropertyPage2() : CMyPropertyPage2(0, nullptr) {}

CMyPropertyPage2::CMyPropertyPage2(short bStandalone, CWnd* pParentWnd)
    : CPropertyPage(bStandalone ? IDD_LOAD_PAGE : IDD_LOAD_PAGE_HOSTED), m_bStandalone(0),
      m_nItemCount(0), m_nCurItem(0), m_minTrackSize(500, 400), m_nTreeLeft(0), m_nTreeWidth(0),
      m_nColumnGap(0), m_nTextWidth(0), m_nRightMargin(0), m_nTextBottom(0), m_nButtonGap(0),
      m_nBottomMargin(0), m_bSplitterDrag(0), m_nCalcResult(0)
{
    if (bStandalone) {
        m_bStandalone = 1;
        m_pParentWnd = pParentWnd;
        m_nIDHelp = IDD_LOAD_PAGE;
    } else {
        HoldHostedPageLanguage();
    }
}

CMyPropertyPage2::~CMyPropertyPage2()
{
    if (!m_bStandalone)
        ReleaseHostedPageLanguage();
    PageInternals::ForgetShownTree(*this);
}

void CMyPropertyPage2::SetPrjName(const CString& strPrjName)
{
    m_strPrjName = strPrjName;
}

void CMyPropertyPage2::AddPosition(const CString& strName, const CString& strFile)
{
    CString name = strName;
    name.TrimRight(' ');
    m_positionNames.Add(name);
    m_positionFiles.Add(strFile);
}

void CMyPropertyPage2::FreePrjNameAndPositions()
{
    m_strPrjName.Empty();
    m_positionNames.RemoveAll();
    m_positionFiles.RemoveAll();
}

void CMyPropertyPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOAD_TREE, m_tree);
    DDX_Control(pDX, IDC_SPLITTER, m_splitBar);
}

BOOL CMyPropertyPage2::PreTranslateMessage(MSG* pMsg)
{
    if (m_bStandalone)
        return CDialog::PreTranslateMessage(pMsg);
    return CPropertyPage::PreTranslateMessage(pMsg);
}

HPROPSHEETPAGE CMyPropertyPage2::CreatePageHandle()
{
    // A host's sheet asks for the page in the host's resource chain, which need not hold
    // the page's template: the hosted page comes from this module's own resources.
    const HINSTANCE hPrevious = AfxGetResourceHandle();
    if (!m_bStandalone)
        AfxSetResourceHandle(AfxGetInstanceHandle());
    const HPROPSHEETPAGE hPage = CPropertyPage::CreatePageHandle();
    AfxSetResourceHandle(hPrevious);
    return m_bStandalone ? hPage : WithHostedPageTitle(hPage, m_psp);
}

BOOL CMyPropertyPage2::OnInitDialog()
{
    const BOOL result = CPropertyPage::OnInitDialog();
    // The hosted page captures its layout too, so that it follows the size the sheet
    // gives it; only the standalone dialog has a minimum size and a stored placement.
    m_bSplitterDrag = 0;
    ActivateSplitter();
    if (m_bStandalone) {
        CRect window;
        GetWindowRect(&window);
        m_minTrackSize = window.Size();
        PageInternals::RestoreWindowPos(*this);
        ActivateSplitter();
        OnSetActive();
    } else {
        ApplyHostedPageCaptions(*this);
    }
    return result;
}

void CMyPropertyPage2::OnOK()
{
    if (m_bStandalone) {
        SaveWindowPos();
        CDialog::OnOK();
    } else {
        CPropertyPage::OnOK();
    }
}

void CMyPropertyPage2::OnCancel()
{
    if (m_bStandalone) {
        SaveWindowPos();
        CDialog::OnCancel();
    } else {
        CPropertyPage::OnCancel();
    }
}

LRESULT CMyPropertyPage2::OnMessageLoadingNotCorrect(WPARAM, LPARAM)
{
    // Each text is copied before the next load overwrites the shared buffer.
    CString text = LoadPageString(IDS_PAGE_NOT_ALL_LOADED);
    text += "\n";
    text += LoadPageString(IDS_PAGE_NOT_ALL_LOADED_HINT);
    const CString caption = LoadPageString(IDS_PAGE_CAPTION);
    MessageBox(text, caption, MB_OK);
    return 0;
}
