// The application object: one per module, registered in the module's own state. It holds
// the module's name and help file, and answers the help command (ID_HELP).
#pragma once

#include "framework/CCmdTarget.h"

class CWnd;

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
// Help context numbers of dialogs: this base plus the dialog's help number.
#define HID_BASE_RESOURCE 0x20000

class CWinApp : public CCmdTarget
{
  public:
    // Without a name the module's file name (without extension) is used.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Runs the thread's message loop until WM_QUIT; then ExitInstance.
    virtual int Run();
    // Shows help topic dwData of the help file (nCmd as for WinHelp).
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Heap strings (malloc): a module may free and replace them.
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszHelpFilePath = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // The help command: the topic of the dialog that has the focus, else the contents.
    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()
};

// For the module's DllMain: starts (InitInstance) and ends (ExitInstance) its application.
BOOL AfxDllMain(DWORD dwReason);
// For a program's WinMain: InitInstance, then Run when it succeeded; the exit code.
int AfxWinMain();
