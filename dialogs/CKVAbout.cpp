#include "dialogs/CKVAbout.h"

#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CKVAbout, CDialog)
END_MESSAGE_MAP()

CKVAbout::CKVAbout(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) {}

void CKVAbout::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}
