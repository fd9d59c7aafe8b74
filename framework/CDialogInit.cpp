// The dialog-init resource (type 240, same number as the template): records of
// {WORD control, WORD message, DWORD byte count, bytes of a zero-terminated string},
// ended by a control number 0. Message 0x0401 adds to a list box, 0x0403 to a combo box.
#include "framework/CDialog.h"

#include <cstring>

namespace
{
const WORD kAddToListBox = 0x0401;
const WORD kAddToComboBox = 0x0403;
const size_t kHeaderSize = 2 * sizeof(WORD) + sizeof(DWORD);
} // namespace

void CDialog::ExecuteDlgInit(HINSTANCE hResource)
{
    HRSRC hInfo = ::FindResourceA(hResource, m_lpszTemplateName, MAKEINTRESOURCEA(240));
    HGLOBAL hData = hInfo ? ::LoadResource(hResource, hInfo) : nullptr;
    const auto* p = static_cast<const BYTE*>(hData ? ::LockResource(hData) : nullptr);
    if (!p)
        return;
    const BYTE* end = p + ::SizeofResource(hResource, hInfo);
    while (static_cast<size_t>(end - p) >= kHeaderSize) {
        WORD id, message;
        DWORD length;
        std::memcpy(&id, p, sizeof id);
        std::memcpy(&message, p + 2, sizeof message);
        std::memcpy(&length, p + 4, sizeof length);
        if (id == 0)
            return;
        p += kHeaderSize;
        // A record running past the resource, or a string without its zero, ends the list.
        if (length == 0 || length > static_cast<size_t>(end - p) || p[length - 1] != '\0')
            return;
        if (message == kAddToListBox || message == kAddToComboBox)
            SendDlgItemMessage(id, message == kAddToListBox ? LB_ADDSTRING : CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(p));
        p += length;
    }
}
