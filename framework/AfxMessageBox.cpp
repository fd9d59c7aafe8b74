#include "framework/AfxMessageBox.h"

#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ModuleState.h"

namespace
{

// The top-level window the box belongs to: the active one, else the main window; then its
// last active popup, so that a box raised during a modal dialog stays above that dialog.
HWND SafeOwner()
{
    HWND owner = ::GetActiveWindow();
    CWinApp* app = AfxGetApp();
    if (!owner && app && app->m_pMainWnd)
        owner = app->m_pMainWnd->GetSafeHwnd();
    if (owner)
        owner = ::GetLastActivePopup(::GetAncestor(owner, GA_ROOT));
    return owner;
}

} // namespace

int AfxMessageBox(LPCSTR text, UINT type)
{
    CWinApp* app = AfxGetApp();
    return ::MessageBoxA(SafeOwner(), text ? text : "",
                         app && app->m_pszAppName ? app->m_pszAppName : "", type);
}
