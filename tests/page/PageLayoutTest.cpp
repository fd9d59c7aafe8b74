// The standalone page's layout through real messages: the splitter drag and its limits,
// the text field that never gets narrower than the column gap, the minimum size, the
// splitter cursor and the placement stored in "WindowManager"; and the screenshots.
#include "tests/page/PageTestSupport.h"

#include "framework/CPropertySheet.h"
#include "loaddata/SuiteEnvironment.h"
#include "page/CMyPropertyPage2.h"
#include "page/PageEntry.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

using harness::RunScripted;
using harness::Window;

namespace
{
// Geometry of the page in its client coordinates.
struct Geometry {
    RECT window; // the window rectangle
    RECT tree;
    RECT bar;
    RECT text;
    RECT cancel;
};

RECT ClientRectOf(HWND page, const RECT& screen)
{
    RECT rect = screen;
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Geometry GeometryOf(const Window& page)
{
    Geometry g{};
    harness::OnUi([&] {
        RECT window;
        GetWindowRect(page.Handle(), &window);
        g.window = ClientRectOf(page.Handle(), window);
    });
    g.tree = ClientRectOf(page.Handle(), page.Control(IDC_LOAD_TREE).Rect());
    g.bar = ClientRectOf(page.Handle(), page.Control(IDC_SPLITTER).Rect());
    g.text = ClientRectOf(page.Handle(), page.Control(IDC_LOAD_TEXT).Rect());
    g.cancel = ClientRectOf(page.Handle(), page.Control(IDCANCEL).Rect());
    return g;
}

// Presses the left button on the bar, moves the mouse to x and releases it there.
void DragBar(const Window& page, int x)
{
    const Geometry g = GeometryOf(page);
    const int y = (g.bar.top + g.bar.bottom) / 2;
    harness::OnUi([&] {
        SendMessageA(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(g.bar.left + 1, y));
        SendMessageA(page.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    });
}

void Resize(const Window& page, int width, int height)
{
    harness::OnUi([&] {
        SetWindowPos(page.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    });
}

SIZE SizeOf(const Window& page)
{
    const RECT rect = page.Rect();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Runs the page over no positions while the script drives it.
void RunEmptyPage(const std::function<void(const Window&)>& script)
{
    int recalculate = 0;
    RunScripted(
        [&] {
            RunPageEntry(nullptr, "Projekt", 0, nullptr, nullptr, &recalculate, nullptr);
            return INT_PTR(0);
        },
        [&] { script(pagetest::WaitForPage()); });
}

std::string StoredPlacement()
{
    HKEY key;
    char value[1028] = "";
    if (RegOpenKeyExA(HKEY_CURRENT_USER, loaddata::kSettingsKey, 0, KEY_READ, &key) == 0) {
        DWORD size = sizeof value - 1;
        RegQueryValueExA(key, settings::kWindowManager, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
    }
    return value;
}

class PageLayoutTest : public ::testing::Test
{
  protected:
    RegistrySandbox m_sandbox{loaddata::kSettingsKey};
};
} // namespace

TEST_F(PageLayoutTest, SplitterDragStopsAtBothLimitsAndMovesTreeAndTextOnRelease)
{
    RunEmptyPage([](const Window& page) {
        const Geometry start = GeometryOf(page);
        const int gap = start.text.left - start.tree.right;
        const int barWidth = start.bar.right - start.bar.left;
        const int rightMargin = (start.window.right - start.window.left) - start.text.right;

        DragBar(page, 5000);
        const Geometry right = GeometryOf(page);
        const int highest = start.window.right - rightMargin - gap;
        EXPECT_EQ(highest, right.bar.left);
        const int moved = highest - start.bar.left;
        EXPECT_EQ(start.tree.right + moved, right.tree.right);
        EXPECT_EQ(start.text.left + moved, right.text.left);
        EXPECT_EQ(start.text.right, right.text.right);

        DragBar(page, -5000);
        const Geometry left = GeometryOf(page);
        EXPECT_EQ(start.window.left + start.tree.left + gap + barWidth, left.bar.left);
        EXPECT_EQ(start.tree.left, left.tree.left);
        EXPECT_EQ(left.bar.left - start.bar.left, left.tree.right - start.tree.right);
        page.Control(IDCANCEL).Click();
    });
}

TEST_F(PageLayoutTest, ResizingKeepsMarginsAndTheTextFieldAtLeastAsWideAsTheGap)
{
    RunEmptyPage([](const Window& page) {
        const Geometry start = GeometryOf(page);
        const SIZE size = SizeOf(page);
        const int gap = start.text.left - start.tree.right;

        Resize(page, size.cx + 200, size.cy + 100);
        const Geometry larger = GeometryOf(page);
        EXPECT_EQ(start.text.right + 200, larger.text.right);
        EXPECT_EQ(start.text.bottom + 100, larger.text.bottom);
        EXPECT_EQ(start.tree.bottom + 100, larger.tree.bottom);
        EXPECT_EQ(start.cancel.left + 200, larger.cancel.left);
        EXPECT_EQ(start.cancel.top + 100, larger.cancel.top);
        EXPECT_EQ(start.tree.right, larger.tree.right);

        // With the bar far right, shrinking back would leave the text narrower than the
        // gap: the bar and the tree give way instead.
        DragBar(page, 5000);
        Resize(page, size.cx, size.cy);
        const Geometry shrunk = GeometryOf(page);
        EXPECT_EQ(gap, shrunk.text.right - shrunk.text.left);
        EXPECT_EQ(start.text.right, shrunk.text.right);
        EXPECT_EQ(shrunk.text.left - gap, shrunk.tree.right);
        EXPECT_LT(shrunk.bar.left, shrunk.text.left);
        EXPECT_GT(shrunk.bar.right, shrunk.tree.right);
        page.Control(IDCANCEL).Click();
    });
}

TEST_F(PageLayoutTest, WindowCannotBecomeSmallerThanAtStart)
{
    RunEmptyPage([](const Window& page) {
        const SIZE start = SizeOf(page);
        MINMAXINFO info{};
        harness::OnUi([&] {
            SendMessageA(page.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        });
        EXPECT_EQ(start.cx, info.ptMinTrackSize.x);
        EXPECT_EQ(start.cy, info.ptMinTrackSize.y);
        page.Control(IDCANCEL).Click();
    });
}

TEST_F(PageLayoutTest, SplitterCursorOnTheBarOnly)
{
    RunEmptyPage([](const Window& page) {
        const RECT bar = page.Control(IDC_SPLITTER).Rect();
        HCURSOR onBar = nullptr;
        BOOL handled = FALSE;
        HCURSOR expected = nullptr;
        harness::OnUi([&] {
            SetCursor(LoadCursor(nullptr, IDC_ARROW));
            SetCursorPos((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
            handled = static_cast<BOOL>(SendMessageA(page.Handle(), WM_SETCURSOR,
                                                     reinterpret_cast<WPARAM>(page.Handle()),
                                                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
            onBar = GetCursor();
            expected = LoadCursorA(GetModuleHandleA("kesvar_deu.dll"),
                                   MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR));
        });
        EXPECT_TRUE(handled);
        EXPECT_NE(nullptr, expected);
        EXPECT_EQ(expected, onBar);
        harness::OnUi([&] {
            SetCursorPos(bar.left - 40, (bar.top + bar.bottom) / 2);
            SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Handle()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            onBar = GetCursor();
        });
        EXPECT_NE(expected, onBar);
        page.Control(IDCANCEL).Click();
    });
}

TEST_F(PageLayoutTest, PlacementIsRestoredAndSavedOnClose)
{
    // Four numbers are no placement: the page opens at its template's size, which depends on
    // the machine's fonts, so every size below is taken from it.
    m_sandbox.SetString(settings::kWindowManager, "100,50,640,480");
    SIZE start{};
    RunEmptyPage([&](const Window& page) {
        start = SizeOf(page);
        EXPECT_NE(100, page.Rect().left);
        page.Close();
    });
    const int width = start.cx + 120, height = start.cy + 80, bar = width / 2;
    const std::string stored = "100,50," + std::to_string(width) + "," + std::to_string(height) +
                               "," + std::to_string(bar);
    m_sandbox.SetString(settings::kWindowManager, stored.c_str());
    RunEmptyPage([&](const Window& page) {
        const RECT window = page.Rect();
        EXPECT_EQ(100, window.left);
        EXPECT_EQ(50, window.top);
        EXPECT_EQ(width, window.right - window.left);
        EXPECT_EQ(height, window.bottom - window.top);
        const Geometry g = GeometryOf(page);
        EXPECT_EQ(bar, g.bar.left);
        // Tree and text followed the bar: it still lies in the gap between them.
        EXPECT_LE(g.tree.right, g.bar.left);
        EXPECT_LE(g.bar.right, g.text.left);
        EXPECT_LT(g.text.left - g.tree.right, 20);
        page.Control(IDCANCEL).Click();
    });
    EXPECT_EQ(stored, StoredPlacement());

    // A stored size below the start size: the page never gets smaller than at its start.
    m_sandbox.SetString(settings::kWindowManager, "100,50,40,30,300");
    RunEmptyPage([&](const Window& page) {
        EXPECT_EQ(start.cx, SizeOf(page).cx);
        EXPECT_EQ(start.cy, SizeOf(page).cy);
        page.Close();
    });
}

TEST_F(PageLayoutTest, ScreenshotStandalonePageInBothLanguages)
{
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    std::vector<int> hosts;
    for (std::size_t p = 0; p < building.positions.size() && hosts.size() < 3; ++p)
        if (building.positions[p].programCode == "01069")
            hosts.push_back(static_cast<int>(p));
    ASSERT_FALSE(hosts.empty());
    const std::string selected = building.positions[hosts.front()].name;
    for (const char* language : {"DEU", "ENG"}) {
        m_sandbox.SetString(settings::kLanguage, language);
        pagetest::RunStandalone(project, hosts, [&] {
            const Window page = pagetest::WaitForPage();
            page.Control(IDC_LOAD_TREE).SelectTreeItem(selected);
            harness::Screenshot(page, std::string("load-page-") + language);
            page.Control(IDCANCEL).Click();
        });
    }
}

TEST_F(PageLayoutTest, HostedPageLaysItselfOutForTheSizeItIsGiven)
{
    CMyPropertyPage2 page;
    CPropertySheet sheet("Host");
    sheet.AddPage(&page);
    RunScripted([&] { return sheet.DoModal(); },
                [&] {
                    const Window dialog = pagetest::WaitForPage();
                    const Window pageWindow(page.GetSafeHwnd());
                    RECT client{};
                    harness::OnUi([&] { GetClientRect(pageWindow.Handle(), &client); });
                    const RECT text =
                        ClientRectOf(pageWindow.Handle(), pageWindow.Control(IDC_LOAD_TEXT).Rect());
                    Resize(pageWindow, client.right + 60, client.bottom + 30);
                    const RECT wider =
                        ClientRectOf(pageWindow.Handle(), pageWindow.Control(IDC_LOAD_TEXT).Rect());
                    EXPECT_EQ(text.right + 60, wider.right);
                    EXPECT_EQ(text.bottom + 30, wider.bottom);
                    EXPECT_EQ(text.left, wider.left);
                    dialog.Control(IDCANCEL).Click();
                });
}
