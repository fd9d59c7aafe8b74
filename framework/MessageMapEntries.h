// The entries of message maps, one macro per kind of message, each checking the handler's
// signature. Used between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP.
#pragma once

#include <commctrl.h>

#define AFX_ENTRY(msg, code, first, last, sig, type, fn)                                           \
    {msg, code, first, last, nullptr, sig, AFX_HANDLER(type, fn)},

// Commands and control notifications (WM_COMMAND).
#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, 0, id, id, AfxSig_vv, void (CCmdTarget::*)(), fn)
#define ON_COMMAND_RANGE(first, last, fn)                                                          \
    AFX_ENTRY(WM_COMMAND, 0, first, last, AfxSig_vv, void (CCmdTarget::*)(), fn)
#define ON_CONTROL(code, id, fn)                                                                   \
    AFX_ENTRY(WM_COMMAND, code, id, id, AfxSig_vv, void (CCmdTarget::*)(), fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)

// Notifications of common controls (WM_NOTIFY).
#define ON_NOTIFY(code, id, fn)                                                                    \
    AFX_ENTRY(WM_NOTIFY, static_cast<UINT>(code), id, id, AfxSig_vNMHDRpl,                         \
              void (CCmdTarget::*)(NMHDR*, LRESULT*), fn)
#define ON_NOTIFY_EX(code, id, fn)                                                                 \
    AFX_ENTRY(WM_NOTIFY, static_cast<UINT>(code), id, id, AfxSig_bwNMHDRpl,                        \
              BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), fn)
#define ON_NOTIFY_EX_RANGE(code, first, last, fn)                                                  \
    AFX_ENTRY(WM_NOTIFY, static_cast<UINT>(code), first, last, AfxSig_bwNMHDRpl,                   \
              BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), fn)

// Notifications a control handles itself, reflected back by its parent.
#define ON_CONTROL_REFLECT(code, fn)                                                               \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSig_vv, void(CCmdTarget::*)(), fn)

// Own and registered messages.
#define ON_MESSAGE(msg, fn)                                                                        \
    AFX_ENTRY(msg, 0, 0, 0, AfxSig_lwl, LRESULT (CCmdTarget::*)(WPARAM, LPARAM), fn)
#define ON_REGISTERED_MESSAGE(var, fn)                                                             \
    {0, 0, 0, 0, &var, AfxSig_lwl, AFX_HANDLER(LRESULT(CCmdTarget::*)(WPARAM, LPARAM), fn)},

// Window messages with the framework's handler names.
#define ON_WM_SIZE()                                                                               \
    AFX_ENTRY(WM_SIZE, 0, 0, 0, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_ENTRY(WM_CTLCOLOR, 0, 0, 0, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_SETCURSOR()                                                                          \
    AFX_ENTRY(WM_SETCURSOR, 0, 0, 0, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_LBUTTONDOWN()                                                                        \
    AFX_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()                                                                          \
    AFX_ENTRY(WM_LBUTTONUP, 0, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_MOUSEMOVE()                                                                          \
    AFX_ENTRY(WM_MOUSEMOVE, 0, 0, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, AfxSig_vMINMAX, void (CWnd::*)(MINMAXINFO*),              \
              OnGetMinMaxInfo)
#define ON_WM_CREATE()                                                                             \
    AFX_ENTRY(WM_CREATE, 0, 0, 0, AfxSig_iCREATE, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
