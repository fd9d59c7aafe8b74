#include "framework/CToolBarCtrl.h"

#include "framework/ModuleState.h"

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CreateEx(0, TOOLBARCLASSNAMEA, nullptr, style, rect, parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int count, UINT bitmapId)
{
    TBADDBITMAP bitmap = {AfxGetResourceHandle(), bitmapId};
    return static_cast<int>(SendMessage(TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&bitmap)));
}
