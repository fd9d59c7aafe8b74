// The standalone page's layout through real messages: the splitter drag and its limits,
// the text field that never gets narrower than the column gap, the minimum size, the
// splitter cursor and the placement stored in "WindowManager"; and the screenshots.
#include "tests/page/PageTestSupport.h"

#include "page/PageEntry.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

using harness::Window;

namespace
{
// A rectangle of the screen in the page's client coordinates.
RECT InPage(const Window& page, RECT rect)
{
    MapWindowPoints(nullptr, page.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct Geometry {
    RECT window, tree, bar, text, cancel;
};

Geometry GeometryOf(const Window& page)
{
    const auto control = [&](int id) { return InPage(page, page.Control(id).Rect()); };
    return {InPage(page, page.Rect()), control(IDC_LOAD_TREE), control(IDC_SPLITTER),
            control(IDC_LOAD_TEXT), control(IDCANCEL)};
}

// Presses the left button on the bar, moves the mouse to x and releases it there.
void DragBar(const Window& page, int x)
{
    const RECT bar = GeometryOf(page).bar;
    const LPARAM from = MAKELPARAM(bar.left + 1, bar.top + 1), to = MAKELPARAM(x, bar.top + 1);
    harness::OnUi([&] {
        SendMessageA(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, from);
        SendMessageA(page.Handle(), WM_MOUSEMOVE, MK_LBUTTON, to);
        SendMessageA(page.Handle(), WM_LBUTTONUP, 0, to);
    });
}

SIZE SizeOf(const Window& page)
{
    const RECT rect = page.Rect();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void Resize(const Window& page, SIZE size)
{
    harness::OnUi([&] {
        SetWindowPos(page.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    });
}

// Runs the page over no positions while the script drives it.
void RunEmptyPage(const std::function<void(const Window&)>& script)
{
    harness::RunScripted(
        [&] {
            RunPageEntry(nullptr, "Projekt", 0, nullptr, nullptr, nullptr, nullptr);
            return INT_PTR(0);
        },
        [&] { script(pagetest::WaitForPage()); });
}

} // namespace

TEST_F(PageTest, SplitterSizeAndPlacementKeepTreeTextAndButtonsInPlace)
{
    // Four numbers are no placement: the page opens at its template's size, which depends on
    // the machine's fonts, so every size below is taken from it.
    m_sandbox.SetString(settings::kWindowManager, "100,50,640,480");
    SIZE size{};
    std::string placement;
    RunEmptyPage([&](const Window& page) {
        const Geometry start = GeometryOf(page);
        size = SizeOf(page);
        EXPECT_NE(100, page.Rect().left);
        const int gap = start.text.left - start.tree.right;
        MINMAXINFO info{};
        harness::OnUi([&] {
            SendMessageA(page.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        });
        EXPECT_EQ(size.cx, info.ptMinTrackSize.x) << "never smaller than at the start";
        EXPECT_EQ(size.cy, info.ptMinTrackSize.y);
        // The splitter cursor, from the page's language library, on the bar only.
        const RECT bar = page.Control(IDC_SPLITTER).Rect();
        HCURSOR cursors[2] = {};
        harness::OnUi([&] {
            for (int k = 0; k < 2; ++k) {
                SetCursor(LoadCursor(nullptr, IDC_ARROW));
                SetCursorPos(k == 0 ? bar.left + 1 : bar.left - 40, bar.top + 5);
                SendMessageA(page.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.Handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                cursors[k] = GetCursor();
            }
        });
        const HCURSOR splitter =
            LoadCursorA(GetModuleHandleA("kesvar_deu.dll"), MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR));
        EXPECT_TRUE(splitter != nullptr && cursors[0] == splitter && cursors[1] != splitter);

        Resize(page, {size.cx + 200, size.cy + 100});
        const Geometry larger = GeometryOf(page);
        EXPECT_EQ(start.text.right + 200, larger.text.right);
        EXPECT_EQ(start.text.bottom + 100, larger.text.bottom);
        EXPECT_EQ(start.tree.bottom + 100, larger.tree.bottom);
        EXPECT_EQ(start.tree.right, larger.tree.right);
        EXPECT_EQ(start.cancel.left + 200, larger.cancel.left);
        EXPECT_EQ(start.cancel.top + 100, larger.cancel.top);

        // The bar stops a column gap before the text's right edge (counted from the
        // window's edge, which lies left of the client area); tree and text follow it.
        DragBar(page, 5000);
        const Geometry right = GeometryOf(page);
        const int moved = larger.window.left + larger.text.right - gap - larger.bar.left;
        EXPECT_EQ(larger.bar.left + moved, right.bar.left);
        EXPECT_EQ(larger.tree.right + moved, right.tree.right);
        EXPECT_EQ(larger.text.left + moved, right.text.left);
        EXPECT_EQ(larger.text.right, right.text.right);

        // Shrinking back would leave the text narrower than the gap: the tree gives way.
        Resize(page, size);
        const Geometry shrunk = GeometryOf(page);
        EXPECT_EQ(gap, shrunk.text.right - shrunk.text.left);
        EXPECT_EQ(start.text.right, shrunk.text.right);
        EXPECT_EQ(shrunk.text.left - gap, shrunk.tree.right);
        EXPECT_LT(shrunk.bar.left, shrunk.text.left);
        EXPECT_GT(shrunk.bar.right, shrunk.tree.right);

        // The bar stops a column gap and its width right of the tree's left edge.
        DragBar(page, -5000);
        const Geometry left = GeometryOf(page);
        EXPECT_EQ(start.window.left + start.tree.left + gap + (start.bar.right - start.bar.left),
                  left.bar.left);
        EXPECT_EQ(start.tree.left, left.tree.left);
        EXPECT_EQ(left.bar.left - shrunk.bar.left, left.tree.right - shrunk.tree.right);
        const RECT window = page.Rect();
        placement = std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                    std::to_string(size.cx) + "," + std::to_string(size.cy) + "," +
                    std::to_string(left.bar.left);
        page.Close();
    });
    char value[100] = "";
    DWORD length = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, loaddata::kSettingsKey, settings::kWindowManager, RRF_RT_REG_SZ,
                 nullptr, value, &length);
    EXPECT_EQ(placement, value) << "saved on close";

    // A stored placement is restored; tree and text follow the bar.
    const int width = size.cx + 120, height = size.cy + 80, bar = width / 2;
    m_sandbox.SetString(settings::kWindowManager,
                        ("100,50," + std::to_string(width) + "," + std::to_string(height) + "," +
                         std::to_string(bar))
                            .c_str());
    RunEmptyPage([&](const Window& page) {
        EXPECT_EQ(100, page.Rect().left);
        EXPECT_EQ(50, page.Rect().top);
        EXPECT_EQ(width, SizeOf(page).cx);
        EXPECT_EQ(height, SizeOf(page).cy);
        const Geometry g = GeometryOf(page);
        EXPECT_EQ(bar, g.bar.left);
        EXPECT_LE(g.tree.right, g.bar.left);
        EXPECT_LE(g.bar.right, g.text.left);
        EXPECT_LT(g.text.left - g.tree.right, 20);
        page.Close();
    });

    // A stored size below the start size: the page never gets smaller than at its start.
    m_sandbox.SetString(settings::kWindowManager, "100,50,40,30,300");
    RunEmptyPage([&](const Window& page) {
        EXPECT_EQ(size.cx, SizeOf(page).cx);
        EXPECT_EQ(size.cy, SizeOf(page).cy);
        page.Close();
    });
}

TEST_F(PageTest, ScreenshotStandalonePageInBothLanguages)
{
    GeneratedProject project;
    const kvdata::Building& building = project.building();
    const std::vector<int> hosts = {pagetest::Foundation(building, 0),
                                    pagetest::Foundation(building, 1),
                                    pagetest::Foundation(building, 2)};
    for (const char* language : {"DEU", "ENG"}) {
        m_sandbox.SetString(settings::kLanguage, language);
        pagetest::RunStandalone(project, hosts, [&] {
            const Window page = pagetest::WaitForPage();
            page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[hosts[0]].name);
            harness::Screenshot(page, std::string("load-page-") + language);
            page.Control(IDCANCEL).Click();
        });
    }
}
