#pragma once
// Toolbar control: buttons from a bitmap strip of the current resources; with the
// TBSTYLE_TOOLTIPS style its tooltips ask the parent for texts (TTN_GETDISPINFO).

#include "framework/CWnd.h"

#include <commctrl.h>

class CToolBarCtrl : public CWnd
{
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Adds count images from a bitmap resource; index of the first, -1 on failure.
    int AddBitmap(int count, UINT bitmapId);
    BOOL AddButtons(int count, const TBBUTTON* buttons)
    {
        return SendMessage(TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons)) != 0;
    }
    BOOL GetItemRect(int index, LPRECT rect) const
    {
        return SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)) != 0;
    }
};
