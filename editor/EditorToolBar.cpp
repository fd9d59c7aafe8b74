// The editor's toolbar: new, duplicate, edit, delete and about, with their tooltips.
#include "editor/CKVEditor.h"

#include "framework/ModuleState.h"
#include "resources/ResourceIds.h"

#include <cstring>

namespace
{
constexpr int kButtonCount = 6;
} // namespace

bool CKVEditor::CreateToolBar()
{
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE;
    if (!m_toolBar.Create(style, CRect(0, 0, 75, 25), this, IDC_TOOLBAR))
        return false;
    if (m_toolBar.AddBitmap(KV_TOOLBAR_IMAGES, IDB_TOOLBAR) < 0)
        return false;
    struct Button {
        int command;
        int image;
        BYTE style;
    };
    const Button buttons[kButtonCount] = {
        {ID_TRANSFER_NEW, 0, BTNS_BUTTON},
        {ID_TRANSFER_DUPLICATE, 1, BTNS_BUTTON},
        {ID_TRANSFER_EDIT, 2, BTNS_BUTTON},
        {ID_TRANSFER_DELETE, 3, BTNS_BUTTON},
        {0, 0, BTNS_SEP},
        {ID_APP_ABOUT, 7, BTNS_BUTTON},
    };
    m_pButtons.reset(new TBBUTTON[kButtonCount]());
    for (int i = 0; i < kButtonCount; ++i) {
        m_pButtons[i].iBitmap = buttons[i].image;
        m_pButtons[i].idCommand = buttons[i].command;
        m_pButtons[i].fsState = TBSTATE_ENABLED;
        m_pButtons[i].fsStyle = buttons[i].style;
        m_pButtons[i].iString = -1;
    }
    if (!m_toolBar.AddButtons(kButtonCount, m_pButtons.get()))
        return false;
    CRect last;
    m_toolBar.GetItemRect(kButtonCount - 1, &last);
    m_toolBar.MoveWindow(4, 2, last.right + 2, last.Height() + 4);
    return true;
}

// A tool identified by its window shows the string of its control number; a button shows
// the part of its command's string after the first line.
BOOL CKVEditor::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    CString text;
    if (info->uFlags & TTF_IDISHWND) {
        text.LoadString(static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom))));
    } else {
        text.LoadString(static_cast<UINT>(pNMHDR->idFrom));
        const int newline = text.Find('\n');
        text = newline < 0 ? CString() : text.Mid(newline + 1);
    }
    ::lstrcpynA(info->szText, text, static_cast<int>(sizeof info->szText));
    *pResult = 0;
    return TRUE;
}
