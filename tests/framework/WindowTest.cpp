// Windows without dialogs: message maps with base-class chaining, and the module state
// switch with its resource chain. (Attaching the host's window: the editor entry's tests.)
#include "FrameworkTestResources.h"

#include "framework/CWnd.h"
#include "framework/ModuleState.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

class BaseWnd : public CWnd
{
  public:
    int m_creates = 0;
    SIZE m_size = {0, 0};

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return ++m_creates, 0; }
    afx_msg void OnSize(UINT, int cx, int cy) { m_size = {cx, cy}; }
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

class DerivedWnd : public BaseWnd
{
  public:
    int m_destroyed = 0;

  protected:
    afx_msg LRESULT OnPrivate2(WPARAM, LPARAM) { return -5; }
    afx_msg LRESULT OnDestroyMessage(WPARAM, LPARAM) { return ++m_destroyed, Default(); }
    // Default() after a nested message still answers the outer one.
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM) { return SendMessage(WM_USER + 2), Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_USER + 2, OnPrivate2)
ON_MESSAGE(WM_DESTROY, OnDestroyMessage)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

TEST(Window, MessageMapsChainToTheBaseClassAndSeeTheWholeLifeOfTheWindow)
{
    DerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, "STATIC", "abgeleitet", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0));
    EXPECT_EQ(1, wnd.m_creates);                       // WM_CREATE came through the map
    EXPECT_EQ(11, wnd.SendMessage(WM_USER + 1, 5, 6)); // the base class's entry
    EXPECT_EQ(-5, wnd.SendMessage(WM_USER + 2));
    EXPECT_EQ(10, wnd.SendMessage(WM_GETTEXTLENGTH)); // "abgeleitet"
    wnd.MoveWindow(0, 0, 120, 60);
    EXPECT_EQ(120, wnd.m_size.cx);
    EXPECT_EQ(60, wnd.m_size.cy);
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.m_destroyed);
    EXPECT_EQ(nullptr, wnd.m_hWnd); // WM_NCDESTROY detached it
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(ModuleState, SwitchRestoresThePreviousResourceHandleAlsoOnAThrow)
{
    const HINSTANCE own = AfxGetResourceHandle();
    AFX_MODULE_STATE other;
    other.m_hCurrentResourceHandle = ::GetModuleHandleA("kernel32.dll");
    const auto leaveByThrow = [&] {
        AFX_MANAGE_STATE(&other);
        EXPECT_EQ(other.m_hCurrentResourceHandle, AfxGetResourceHandle());
        throw std::runtime_error("thrown while switched");
    };
    EXPECT_THROW(leaveByThrow(), std::runtime_error);
    EXPECT_EQ(own, AfxGetResourceHandle());
}

// As with a language library: its resources first, then the module's own.
TEST(ModuleState, ResourceChainTriesTheResourceHandleThenTheModule)
{
    const HINSTANCE own = AfxGetInstanceHandle();
    AFX_MODULE_STATE other;
    other.m_hCurrentResourceHandle = ::GetModuleHandleA("user32.dll");
    other.m_hCurrentInstanceHandle = ::GetModuleHandleA("kernel32.dll");
    AFX_MANAGE_STATE(&other);
    const auto find = [](int id, LPCSTR type) {
        return AfxFindResourceHandle(MAKEINTRESOURCEA(id), type);
    };
    EXPECT_EQ(other.m_hCurrentResourceHandle, find(1, RT_VERSION)); // both have one
    other.m_hCurrentInstanceHandle = own;
    EXPECT_EQ(own, find(IDD_TEST_KEYS, RT_DIALOG)); // only in the module
    EXPECT_EQ(nullptr, find(1999, RT_DIALOG));
}

} // namespace
