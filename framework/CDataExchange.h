// Data exchange between a dialog's controls and its members (DoDataExchange): to the
// controls when the dialog starts, back to the members (with checks) on OK.
#pragma once

#include "framework/CString.h"

#include <windows.h>

class CWnd;

class CDataExchange
{
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    // The control about to be exchanged (null when the dialog has none of that number);
    // a failure puts the focus on it.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focus to the last prepared control (its whole text selected when it is a field) and
    // ends the exchange; the user has been told why.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

  private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
};

// Subclasses the control for the object the first time (so it gets its own messages).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Text that is not a number shows the framework's message and fails the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// The index of the checked button of the group starting at nIDC, -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
