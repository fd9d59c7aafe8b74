#include "framework/CWinApp.h"

#include "framework/CDialog.h"
#include "framework/ModalLoop.h"
#include "framework/ModuleState.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
std::string ModuleFileName()
{
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(AfxGetInstanceHandle(), path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

// The path without its extension (the part after the last dot of the file name).
std::string WithoutExtension(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    const size_t separator = path.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return path;
    return path.substr(0, dot);
}
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    AfxGetStaticModuleState()->m_pCurrentWinApp = this;
    const std::string base = WithoutExtension(ModuleFileName());
    if (lpszAppName) {
        m_pszAppName = _strdup(lpszAppName);
    } else {
        const size_t separator = base.find_last_of("\\/");
        m_pszAppName =
            _strdup(base.substr(separator == std::string::npos ? 0 : separator + 1).c_str());
    }
    m_pszHelpFilePath = _strdup((base + ".HLP").c_str());
}

CWinApp::~CWinApp()
{
    free(const_cast<char*>(m_pszAppName));
    free(const_cast<char*>(m_pszHelpFilePath));
    if (AfxGetStaticModuleState()->m_pCurrentWinApp == this)
        AfxGetStaticModuleState()->m_pCurrentWinApp = nullptr;
}

int CWinApp::Run()
{
    while (AfxPumpMessage(nullptr)) {
    }
    return ExitInstance();
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    HWND hWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : ::GetActiveWindow();
    ::WinHelpA(hWnd, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::OnHelp()
{
    for (HWND hWnd = ::GetFocus(); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        CDialog* pDialog =
            pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)) ? static_cast<CDialog*>(pWnd) : nullptr;
        if (pDialog && pDialog->m_nIDHelp) {
            WinHelp(HID_BASE_RESOURCE + pDialog->m_nIDHelp, HELP_CONTEXT);
            return;
        }
    }
    WinHelp(0, HELP_FINDER);
}

BOOL AfxDllMain(DWORD dwReason)
{
    CWinApp* pApp = AfxGetStaticModuleState()->m_pCurrentWinApp;
    if (!pApp)
        return TRUE;
    if (dwReason == DLL_PROCESS_ATTACH)
        return pApp->InitInstance();
    if (dwReason == DLL_PROCESS_DETACH)
        pApp->ExitInstance();
    return TRUE;
}

int AfxWinMain()
{
    CWinApp* pApp = AfxGetStaticModuleState()->m_pCurrentWinApp;
    if (!pApp)
        return -1;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
