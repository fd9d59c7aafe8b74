// The standalone page's layout through real messages: the splitter drag and its limits,
// the text field that never gets narrower than the column gap, the minimum size, the
// placement stored in "WindowManager"; and the screenshots.
#include "tests/page/PageTestSupport.h"

#include "page/PageEntry.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

using harness::Window;

namespace
{
struct Geometry { // in the page's client coordinates
    RECT window, tree, bar, text, cancel;
};

Geometry GeometryOf(const Window& page)
{
    Geometry g{page.Rect(), page.Control(IDC_LOAD_TREE).Rect(), page.Control(IDC_SPLITTER).Rect(),
               page.Control(IDC_LOAD_TEXT).Rect(), page.Control(IDCANCEL).Rect()};
    MapWindowPoints(nullptr, page.Handle(), reinterpret_cast<POINT*>(&g), 10);
    return g;
}

// The placement the page stores: "left,top,width,height,bar" (the bar in the page).
std::string PlacementOf(const Window& page)
{
    const RECT r = page.Rect();
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top) + "," +
           std::to_string(GeometryOf(page).bar.left);
}

// Presses the left button on the bar, moves the mouse to x and releases it there, or lets
// another window take the mouse.
void DragBar(const Window& page, int x, bool captureLost = false)
{
    const RECT bar = GeometryOf(page).bar;
    const LPARAM from = MAKELPARAM(bar.left + 1, bar.top + 1), to = MAKELPARAM(x, bar.top + 1);
    harness::OnUi([&] {
        SendMessageA(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, from);
        SendMessageA(page.Handle(), WM_MOUSEMOVE, MK_LBUTTON, to);
        if (captureLost) {
            ReleaseCapture();
            SendMessageA(page.Handle(), WM_MOUSEMOVE, 0, from); // the drag ended at x
        } else
            SendMessageA(page.Handle(), WM_LBUTTONUP, 0, to);
    });
}

// Runs the page over no positions while the script drives it, then closes it.
void RunEmptyPage(const std::function<void(const Window&)>& script)
{
    harness::RunScripted(
        [&] {
            RunPageEntry(nullptr, "Projekt", 0, nullptr, nullptr, nullptr, nullptr);
            return INT_PTR(0);
        },
        [&] {
            const Window page = pagetest::WaitForPage();
            script(page);
            page.Close();
        });
}
} // namespace

TEST_F(PageTest, SplitterSizeAndPlacementKeepTreeTextAndButtonsInPlace)
{
    // The page opens at its template's size, which depends on the machine's fonts, so every
    // size below is taken from it.
    std::string placement;
    RunEmptyPage([&](const Window& page) {
        const Geometry start = GeometryOf(page);
        const int width = start.window.right - start.window.left,
                  height = start.window.bottom - start.window.top;
        const int gap = start.text.left - start.tree.right;
        const auto resize = [&](int cx, int cy) {
            harness::OnUi([&] { SetWindowPos(page.Handle(), nullptr, 0, 0, cx, cy, SWP_NOMOVE); });
        };
        MINMAXINFO info{};
        harness::OnUi([&] {
            SendMessageA(page.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        });
        EXPECT_EQ(width, info.ptMinTrackSize.x) << "never smaller than at the start";
        EXPECT_EQ(height, info.ptMinTrackSize.y);

        // Larger: the text grows right and down, the tree down, the buttons move.
        resize(width + 200, height + 100);
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
        resize(width, height);
        const Geometry shrunk = GeometryOf(page);
        EXPECT_EQ(start.text.right - gap, shrunk.text.left);
        EXPECT_EQ(start.text.right, shrunk.text.right);
        EXPECT_EQ(shrunk.text.left - gap, shrunk.tree.right);

        // The bar stops a column gap and its width right of the tree's left edge.
        DragBar(page, -5000, true);
        const Geometry left = GeometryOf(page);
        EXPECT_EQ(start.window.left + start.tree.left + gap + (start.bar.right - start.bar.left),
                  left.bar.left);
        EXPECT_EQ(left.bar.left - shrunk.bar.left, left.tree.right - shrunk.tree.right);
        // Moved and larger when closed: the next run restores it so, the bar too, and tree
        // and text follow the bar.
        harness::OnUi([&] { MoveWindow(page.Handle(), 100, 50, width + 120, height + 80, TRUE); });
        placement = PlacementOf(page);
        EXPECT_EQ(0u, placement.find("100,50,"));
    });
    RunEmptyPage([&](const Window& page) {
        const Geometry g = GeometryOf(page);
        EXPECT_EQ(placement, PlacementOf(page));
        EXPECT_TRUE(g.tree.right <= g.bar.left && g.bar.right <= g.text.left);
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
        const pagetest::PageResult cancelled = pagetest::RunStandalone(project, hosts, [&] {
            const Window page = pagetest::WaitForPage();
            page.Control(IDC_LOAD_TREE).SelectTreeItem(building.positions[hosts[0]].name);
            harness::Screenshot(page, std::string("load-page-") + language);
            page.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(0, cancelled.recalculate) << "Cancel hands back nothing";
        EXPECT_EQ("untouched", cancelled.file);
    }
}
