#pragma once
// List box: strings with item data and a single selection.

#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

class CListBox : public CWnd
{
  public:
    // Index of the new string, LB_ERR or LB_ERRSPACE on failure.
    int AddString(LPCSTR text) { return Send(LB_ADDSTRING, 0, text); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return Send(LB_GETCOUNT); }
    // LB_ERR when nothing is selected; -1 clears the selection.
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    int SetCurSel(int index) { return Send(LB_SETCURSEL, index); }
    int GetCaretIndex() const { return Send(LB_GETCARETINDEX); }
    // The text of a row (empty for an index outside).
    void GetText(int index, CString& text) const;
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, index));
    }
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(LB_SETITEMDATA, index, static_cast<LPARAM>(data)));
    }
    int GetItemRect(int index, LPRECT rect) const
    {
        return static_cast<int>(SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)));
    }

  private:
    int Send(UINT message, WPARAM wParam = 0, LPCSTR text = nullptr) const
    {
        return static_cast<int>(SendMessage(message, wParam, reinterpret_cast<LPARAM>(text)));
    }
};
