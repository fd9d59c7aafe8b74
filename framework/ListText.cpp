// Row texts of list and combo boxes: the control tells the length, then copies the text.

#include "framework/CComboBox.h"
#include "framework/CListBox.h"

namespace
{

void ReadRowText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index,
                 CString& text)
{
    const int length = static_cast<int>(control.SendMessage(lengthMessage, index));
    if (length <= 0) {
        text.Empty();
        return;
    }
    const int copied = static_cast<int>(
        control.SendMessage(textMessage, index, reinterpret_cast<LPARAM>(text.GetBuffer(length))));
    text.ReleaseBuffer(copied < 0 ? 0 : copied);
}

} // namespace

void CComboBox::GetLBText(int index, CString& text) const
{
    ReadRowText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text);
}

void CListBox::GetText(int index, CString& text) const
{
    ReadRowText(*this, LB_GETTEXTLEN, LB_GETTEXT, index, text);
}
