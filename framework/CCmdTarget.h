// Base of everything that has a message map: windows and the application object.
// A message map is a static table of entries (message, notification code, control range,
// handler signature, handler) with a link to the base class's table; one dispatcher
// (CWnd::OnWndMsg, CCmdTarget::OnCmdMsg) walks the tables from the most derived class up.
#pragma once

#include "framework/CObject.h"

// Marks message handlers in class declarations.
#define afx_msg

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// Handler signatures, named after return type and arguments.
enum AfxSig {
    AfxSig_end = 0,
    AfxSig_vv,        // void ()                      commands, control notifications
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)      ON_NOTIFY
    AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*) ON_NOTIFY_EX(_RANGE)
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)     ON_MESSAGE, ON_REGISTERED_MESSAGE
    AfxSig_vwii,      // void (UINT, int, int)        WM_SIZE
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)   WM_CTLCOLOR
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)     WM_SETCURSOR
    AfxSig_vwp,       // void (UINT, CPoint)          mouse messages
    AfxSig_vMINMAX,   // void (MINMAXINFO*)           WM_GETMINMAXINFO
    AfxSig_iCREATE,   // int (LPCREATESTRUCT)         WM_CREATE
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;            // window message, WM_COMMAND or WM_NOTIFY (+ WM_REFLECT_BASE)
    UINT nCode;               // notification code
    UINT nID;                 // first control or command number
    UINT nLastID;             // last one
    const UINT* pnRegistered; // message number of ON_REGISTERED_MESSAGE, else null
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject
{
  public:
    // Runs the handler of a command or control notification; FALSE when no table has one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

  protected:
    // The entry of the tables that handles a message, a notification code and a control
    // number, searching from the most derived class; null when none does.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
  protected:                                                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        [[maybe_unused]] typedef theClass ThisClass;                                               \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr, AfxSig_end, nullptr                                                   \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// The handler, checked against its signature, as a table pointer.
#define AFX_HANDLER(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))
