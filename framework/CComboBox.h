#pragma once
// Combo box (drop-down list or editable drop-down): strings with item data and a selection.

#include "framework/CString.h"
#include "framework/CWnd.h"

class CComboBox : public CWnd
{
  public:
    // Index of the new string, CB_ERR or CB_ERRSPACE on failure.
    int AddString(LPCSTR text) { return Send(CB_ADDSTRING, 0, text); }
    int InsertString(int index, LPCSTR text) { return Send(CB_INSERTSTRING, index, text); }
    // Number of strings left, CB_ERR for an index outside.
    int DeleteString(UINT index) { return Send(CB_DELETESTRING, index); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return Send(CB_GETCOUNT); }
    // CB_ERR when nothing is selected.
    int GetCurSel() const { return Send(CB_GETCURSEL); }
    // -1 clears the selection and the edit field; CB_ERR for an index outside.
    int SetCurSel(int index) { return Send(CB_SETCURSEL, index); }
    // The list's text of a row (empty for an index outside).
    void GetLBText(int index, CString& text) const;
    // The first row after start (-1: from the top, wrapping round) whose whole text equals
    // text without regard to case; CB_ERR when none.
    int FindStringExact(int start, LPCSTR text) const
    {
        return Send(CB_FINDSTRINGEXACT, start, text);
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, index));
    }
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, index, static_cast<LPARAM>(data)));
    }

  private:
    int Send(UINT message, WPARAM wParam = 0, LPCSTR text = nullptr) const
    {
        return static_cast<int>(SendMessage(message, wParam, reinterpret_cast<LPARAM>(text)));
    }
};
