// The framework's modal loop, shared by dialogs and property sheets: every message passes
// PreTranslateMessage of its target window and of the target's parents before it is
// dispatched.
#pragma once

#include <windows.h>

class CWnd;

// Passes a message to PreTranslateMessage of its target window and of each parent that has
// an object (of any module), up to hWndStop; TRUE when one of them consumed it.
BOOL AfxPreTranslateMessage(MSG* pMsg, HWND hWndStop);
// Gets the thread's next message and gives it to AfxPreTranslateMessage, then to its
// window; false at WM_QUIT (posted again for the loops outside) or an error.
bool AfxPumpMessage(HWND hWndStop);
// True for keyboard and mouse input to hWnd or one of its descendants.
bool AfxIsInputFor(HWND hWnd, const MSG* pMsg);

// What surrounds a modal run: the owner (the top-level window of the parent, else the
// active window) is disabled from construction until End, which enables and activates it
// again, destroys the run's window and puts the focus back where it was.
class AfxModalRun
{
  public:
    explicit AfxModalRun(CWnd* pParentWnd);
    AfxModalRun(const AfxModalRun&) = delete;
    AfxModalRun& operator=(const AfxModalRun&) = delete;

    HWND Owner() const { return m_hOwner; }
    void End(CWnd* pWnd);

  private:
    HWND m_hOwner = nullptr;
    HWND m_hFocus = nullptr;
    bool m_bOwnerDisabled = false;
};
