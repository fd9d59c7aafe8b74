#include "dialogs/CInitMessage.h"

#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CInitMessage, CDialog)
END_MESSAGE_MAP()

CInitMessage::CInitMessage(CWnd*)
{
    Create(IDD_INIT_MESSAGE, nullptr);
}

CInitMessage::~CInitMessage()
{
    if (m_hWnd)
        DestroyWindow();
}

void CInitMessage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}
