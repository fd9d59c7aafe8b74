// Windows without dialogs: the handle maps, Attach and Detach of a foreign window, message
// maps with base-class chaining, and the module state switch.
#include "FrameworkTestResources.h"

#include "framework/AfxFormatString.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ModuleState.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

HWND CreateForeignWindow()
{
    return ::CreateWindowExA(0, "STATIC", "fremd", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                             nullptr, nullptr);
}

TEST(Window, ForeignWindowIsAttachedDetachedAndNeverDestroyed)
{
    HWND foreign = CreateForeignWindow();
    ASSERT_NE(nullptr, foreign);
    CWnd* temporary = CWnd::FromHandle(foreign);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(temporary, CWnd::FromHandle(foreign)); // the same temporary object again
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    {
        CWnd host;
        ASSERT_TRUE(host.Attach(foreign));
        EXPECT_FALSE(CWnd().Attach(foreign)); // one permanent object per window
        EXPECT_EQ(&host, CWnd::FromHandle(foreign));
        EXPECT_EQ(&host, CWnd::FromHandlePermanent(foreign));
        EXPECT_EQ(&host, CWnd::FromHandleAnyModule(foreign));
        EXPECT_EQ(foreign, host.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
        EXPECT_EQ(nullptr, CWnd::FromHandleAnyModule(foreign));
        ASSERT_TRUE(host.Attach(foreign)); // left attached: the object's end must not destroy it
    }
    EXPECT_TRUE(::IsWindow(foreign));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(foreign);
    AfxDeleteTempMap();
}

class BaseWnd : public CWnd
{
  public:
    int m_creates = 0;
    int m_sizes = 0;
    int m_lastWidth = 0;

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return ++m_creates, 0; }
    afx_msg void OnSize(UINT, int cx, int) { ++m_sizes, m_lastWidth = cx; }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam)
    {
        return static_cast<LRESULT>(wParam + lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_MESSAGE(WM_USER + 1, OnPrivate)
END_MESSAGE_MAP()

const UINT g_registered = ::RegisterWindowMessageA("KvFrameworkTestMessage");

class DerivedWnd : public BaseWnd
{
  public:
    int m_destroyed = 0;

  protected:
    afx_msg LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
    afx_msg LRESULT OnPrivate2(WPARAM, LPARAM) { return -5; }
    afx_msg void OnDestroy() { ++m_destroyed, CWnd::OnDestroy(); }
    // Default() after a nested message still answers the outer one.
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM) { return SendMessage(WM_USER + 2), Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_REGISTERED_MESSAGE(g_registered, OnRegistered)
ON_MESSAGE(WM_USER + 2, OnPrivate2)
ON_WM_DESTROY()
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

TEST(Window, MessageMapsChainToTheBaseClassAndSeeTheWholeLifeOfTheWindow)
{
    DerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, "STATIC", "abgeleitet", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0));
    EXPECT_EQ(1, wnd.m_creates); // WM_CREATE came through the map
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(11, wnd.SendMessage(WM_USER + 1, 5, 6)); // the base class's entry
    EXPECT_EQ(-5, wnd.SendMessage(WM_USER + 2));
    EXPECT_EQ(77, wnd.SendMessage(g_registered));
    EXPECT_EQ(10, wnd.SendMessage(WM_GETTEXTLENGTH)); // "abgeleitet"
    wnd.MoveWindow(0, 0, 120, 60);
    EXPECT_LE(1, wnd.m_sizes);
    EXPECT_EQ(120, wnd.m_lastWidth);
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("abgeleitet", text);
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.m_destroyed);
    EXPECT_EQ(nullptr, wnd.m_hWnd); // WM_NCDESTROY detached it
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// A class with an empty map of its own still gets its base classes' handlers; an object
// destroys the window it created when it goes.
class EmptyMapWnd : public BaseWnd
{
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EmptyMapWnd, BaseWnd)
END_MESSAGE_MAP()

TEST(Window, AnEmptyMessageMapChainsToItsBaseAndTheObjectDestroysItsWindow)
{
    HWND hWnd;
    {
        EmptyMapWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        EXPECT_EQ(1, wnd.m_creates);
        EXPECT_EQ(3, wnd.SendMessage(WM_USER + 1, 1, 2));
        EXPECT_EQ(0, wnd.SendMessage(WM_USER + 2)); // only the other derived class has it
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(ModuleState, SwitchRestoresThePreviousResourceHandleOnEveryExit)
{
    const HINSTANCE own = AfxGetResourceHandle();
    EXPECT_EQ(AfxGetInstanceHandle(), own);
    AFX_MODULE_STATE other;
    other.m_hCurrentResourceHandle = ::GetModuleHandleA("kernel32.dll");
    CString loaded;
    {
        AFX_MANAGE_STATE(&other);
        EXPECT_EQ(other.m_hCurrentResourceHandle, AfxGetResourceHandle());
        EXPECT_FALSE(loaded.LoadString(IDS_TEST_APP_STRING)); // not in that module
        {
            AFX_MANAGE_STATE(AfxGetStaticModuleState());
            EXPECT_EQ(own, AfxGetResourceHandle());
            EXPECT_TRUE(loaded.LoadString(IDS_TEST_APP_STRING));
        }
        EXPECT_EQ(other.m_hCurrentResourceHandle, AfxGetResourceHandle());
    }
    EXPECT_EQ(own, AfxGetResourceHandle());
    EXPECT_STREQ("Zeichenkette der Anwendung", loaded);

    auto leaveEarly = [&](bool early) {
        AFX_MANAGE_STATE(&other);
        if (early)
            return 1;
        throw std::runtime_error("thrown while switched");
    };
    EXPECT_EQ(1, leaveEarly(true));
    EXPECT_EQ(own, AfxGetResourceHandle());
    EXPECT_THROW(leaveEarly(false), std::runtime_error);
    EXPECT_EQ(own, AfxGetResourceHandle());

    AfxSetResourceHandle(nullptr); // the switched-to state keeps what is set in it
    EXPECT_EQ(nullptr, AfxGetStaticModuleState()->m_hCurrentResourceHandle);
    AfxSetResourceHandle(own);
}

TEST(ModuleState, ResourceChainTriesTheResourceHandleThenTheModule)
{
    const HINSTANCE own = AfxGetInstanceHandle();
    LPCSTR keys = MAKEINTRESOURCEA(IDD_TEST_KEYS);
    EXPECT_EQ(own, AfxFindResourceHandle(keys, RT_DIALOG));
    AFX_MODULE_STATE other;
    other.m_hCurrentInstanceHandle = own;
    other.m_hCurrentResourceHandle = ::GetModuleHandleA("user32.dll");
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(own, AfxFindResourceHandle(keys, RT_DIALOG)); // not in user32: the module
    EXPECT_EQ(nullptr, AfxFindResourceHandle(MAKEINTRESOURCEA(1999), RT_DIALOG));
    CWinApp app;
    EXPECT_EQ(nullptr, app.LoadCursor(1999));
    EXPECT_EQ(nullptr, app.LoadIcon(1999));
}

TEST(ModuleState, FormatString2ReadsFromTheCurrentResourceHandle)
{
    CString text;
    AfxFormatString2(text, IDS_TEST_TWO_PLACES, "eins", "zwei");
    EXPECT_STREQ("zwei vor eins", text);
    AFX_MODULE_STATE other;
    AFX_MANAGE_STATE(&other);
    other.m_hCurrentResourceHandle = ::GetModuleHandleA("kernel32.dll");
    AfxFormatString2(text, IDS_TEST_TWO_PLACES, "eins", "zwei");
    EXPECT_STREQ("", text);
}

} // namespace
