// The module state: which module the framework works for right now, and the resource
// handle that every dialog template, string, bitmap, icon and cursor is loaded from.
// Each binary links its own copy of the framework, so each has its own static state.
#pragma once

#include <windows.h>

class CWinApp;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    CWinApp* m_pCurrentWinApp = nullptr;
};

// The state in force: the one switched to last, else this module's own.
AFX_MODULE_STATE* AfxGetModuleState();
// This module's own state; resources default to the module itself.
AFX_MODULE_STATE* AfxGetStaticModuleState();
// Makes pState the state in force and returns the one it replaces.
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState);

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
CWinApp* AfxGetApp();
// The resource chain: the current resource handle if it holds the resource, else the
// module itself (null when neither does).
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Switches to a module state for a scope and back on every way out, exceptions included.
class AFX_MAINTAIN_STATE2
{
  public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pState) : m_pPrevious(AfxSetModuleState(pState))
    {
    }
    ~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevious); }
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

  private:
    AFX_MODULE_STATE* m_pPrevious;
};

#define AFX_STATE_CONCAT2(a, b) a##b
#define AFX_STATE_CONCAT(a, b) AFX_STATE_CONCAT2(a, b)
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 AFX_STATE_CONCAT(_afxManageState, __LINE__)(p)
