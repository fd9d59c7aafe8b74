// Keys of the transfer list: Enter edits, Insert adds, Delete removes and Ctrl+C
// duplicates the selected transfer.
#include "editor/CKVEditor.h"

#include "resources/ResourceIds.h"

BOOL CKVEditor::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && m_lcTransfers.GetSafeHwnd() &&
        pMsg->hwnd == m_lcTransfers.GetSafeHwnd()) {
        UINT command = 0;
        switch (pMsg->wParam) {
        case VK_RETURN:
            command = ID_TRANSFER_EDIT;
            break;
        case VK_INSERT:
            command = ID_TRANSFER_NEW;
            break;
        case VK_DELETE:
            command = ID_TRANSFER_DELETE;
            break;
        case 'C':
            if (::GetKeyState(VK_CONTROL) < 0)
                command = ID_TRANSFER_DUPLICATE;
            break;
        default:
            break;
        }
        if (command != 0) {
            SendMessage(WM_COMMAND, command);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}
