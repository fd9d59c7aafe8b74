#pragma once
// Edit control: the selection; the text is the window text.

#include "framework/CWnd.h"

class CEdit : public CWnd
{
  public:
    // end -1: to the end of the text.
    void SetSel(int start, int end, BOOL noScroll = FALSE)
    {
        SendMessage(EM_SETSEL, start, end);
        if (!noScroll)
            SendMessage(EM_SCROLLCARET);
    }
};
