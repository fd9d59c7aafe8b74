#include "framework/ModuleState.h"

#include <initializer_list>

// The linker's symbol at the start of the image this copy of the framework is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace
{
AFX_MODULE_STATE* g_pCurrentState = nullptr;
}

AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle = reinterpret_cast<HINSTANCE>(&__ImageBase);
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}

AFX_MODULE_STATE* AfxGetModuleState()
{
    return g_pCurrentState ? g_pCurrentState : AfxGetStaticModuleState();
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pState)
{
    AFX_MODULE_STATE* previous = g_pCurrentState;
    g_pCurrentState = pState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hResource;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    for (HINSTANCE h : {AfxGetResourceHandle(), AfxGetInstanceHandle()}) {
        if (h && ::FindResourceA(h, lpszName, lpszType))
            return h;
    }
    return nullptr;
}
