// The editor's window through real messages: the splitter bar with its limits, resizing, the
// stored placement, a button's tooltip and the about box; the screenshots.
#include "tests/editor/EditorDialogSupport.h"

#include "settings/SettingsValues.h"

#include <commctrl.h>

#include <string>
#include <tuple>

using namespace editortest;

namespace
{
void Mouse(const Window& editor, UINT message, int x, int y)
{
    harness::OnUi([&] { SendMessageA(editor.Handle(), message, MK_LBUTTON, MAKELPARAM(x, y)); });
}

// Presses the left button at (x, y), moves to toX and releases there.
void Drag(const Window& editor, int x, int y, int toX)
{
    Mouse(editor, WM_LBUTTONDOWN, x, y);
    Mouse(editor, WM_MOUSEMOVE, toX, y);
    Mouse(editor, WM_LBUTTONUP, toX, y);
}

int Width(const RECT& r)
{
    return r.right - r.left;
}

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

// The stored "Window" value, empty when there is none.
std::string StoredPlacement()
{
    KVSettingsKey key;
    char value[1028] = "";
    DWORD size = sizeof value - 1;
    if (key.OpenSettings() == 0)
        key.QueryString(value, settings::kWindow, &size);
    return value;
}
} // namespace

// The bar starts a drag on its edge pixels, moves the panes on release and stops where
// either pane would get narrower than the gap between them; the window's width goes to
// the right pane, its height to the panes, until the right pane is as narrow as the gap.
TEST_F(EditorDialog, SplitterAndResizing)
{
    Run([](const Window& editor) {
        const RECT start = editor.Rect();
        const RECT bar = ClientRect(editor, IDC_SPLITTER);
        const RECT transfers = ClientRect(editor, IDC_TRANSFER_LIST);
        const RECT rows = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        const RECT ok = ClientRect(editor, IDOK);
        RECT window = start;
        MapWindowPoints(nullptr, editor.Handle(), reinterpret_cast<POINT*>(&window), 2);
        const int gap = rows.left - transfers.right;
        const int y = (bar.top + bar.bottom) / 2;
        const auto barLeft = [&] { return ClientRect(editor, IDC_SPLITTER).left; };
        for (int x : {bar.left - 1, bar.left}) {
            Mouse(editor, WM_LBUTTONDOWN, x, y);
            int state = -1;
            harness::OnUi([&] { state = Running().m_nDragState; });
            EXPECT_EQ(x == bar.left ? 1 : 0, state) << "pressed at " << x - bar.left;
            Mouse(editor, WM_LBUTTONUP, x, y);
        }
        EXPECT_EQ(transfers.right, ClientRect(editor, IDC_TRANSFER_LIST).right);

        Drag(editor, bar.left, y, -5000);
        const int moved = window.left + transfers.left + gap + Width(bar) - bar.left;
        EXPECT_EQ(bar.left + moved, barLeft());
        EXPECT_EQ(transfers.right + moved, ClientRect(editor, IDC_TRANSFER_LIST).right);
        EXPECT_EQ(rows.left + moved, ClientRect(editor, IDC_ASSIGNMENT_LIST).left);
        Drag(editor, barLeft(), y, 5000);
        EXPECT_EQ(window.right - (Width(window) - rows.right) - gap, barLeft());
        EXPECT_EQ(rows.right, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);

        const auto resize = [&](int dx, int dy) {
            harness::OnUi([&] {
                SetWindowPos(editor.Handle(), nullptr, 0, 0, Width(start) + dx, Height(start) + dy,
                             SWP_NOMOVE | SWP_NOZORDER);
            });
        };
        Drag(editor, barLeft(), y, bar.left);
        resize(200, 100);
        EXPECT_EQ(rows.right + 200, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);
        EXPECT_EQ(transfers.right, ClientRect(editor, IDC_TRANSFER_LIST).right);
        EXPECT_EQ(transfers.bottom + 100, ClientRect(editor, IDC_TRANSFER_LIST).bottom);
        EXPECT_EQ(ok.left + 200, ClientRect(editor, IDOK).left);
        EXPECT_EQ(ok.top + 100, ClientRect(editor, IDOK).top);
        Drag(editor, bar.left, y, 5000); // the right pane as narrow as the gap
        ASSERT_GT(gap, 5);
        resize(195, 100);
        const RECT shrunk = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        EXPECT_EQ(gap, Width(shrunk));
        EXPECT_EQ(rows.right + 195, shrunk.right);
        EXPECT_EQ(shrunk.left - gap, ClientRect(editor, IDC_TRANSFER_LIST).right);
        MINMAXINFO info{};
        harness::OnUi([&] { SendMessageA(editor.Handle(), WM_GETMINMAXINFO, 0, LPARAM(&info)); });
        EXPECT_EQ(Width(start), info.ptMinTrackSize.x);
        EXPECT_EQ(Height(start), info.ptMinTrackSize.y);
        editor.Control(IDCANCEL).Click();
    });
}

// Cancel stores the place and the bar but writes no transfers; the start puts them back,
// keeping a stored bar within its limits.
TEST_F(EditorDialog, StoredPlacement)
{
    RECT first{};
    int firstBar = 0;
    Run([&](const Window& editor) {
        first = editor.Rect();
        firstBar = ClientRect(editor, IDC_SPLITTER).left;
        editor.Control(IDCANCEL).Click();
    });
    const RECT stored = {30, 40, 90 + Width(first), 70 + Height(first)};
    const std::string place =
        "30,40," + std::to_string(Width(stored)) + "," + std::to_string(Height(stored));
    const std::tuple<std::string, RECT, int> cases[] = {
        // value; window and bar expected
        {place + "," + std::to_string(firstBar - 20), stored, firstBar - 20},
        {place + ",0", stored, firstBar},
        {"30,40,700", first, firstBar}, // fewer than four numbers: none
    };
    for (const auto& [value, expectedWindow, expectedBar] : cases) {
        SCOPED_TRACE(value);
        m_sandbox.SetString(settings::kWindow, value.c_str());
        const std::string before = FileBytes(TransferFile());
        std::string expectedStore;
        Run([&, expectedWindow = expectedWindow, expectedBar = expectedBar](const Window& editor) {
            const RECT window = editor.Rect();
            EXPECT_TRUE(EqualRect(&expectedWindow, &window));
            EXPECT_EQ(expectedBar, ClientRect(editor, IDC_SPLITTER).left);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(0);
            editor.Control(IDC_TRANSFER_LIST).Key(VK_DELETE); // a change Cancel drops
            const RECT now = ClientRect(editor, IDC_SPLITTER);
            Drag(editor, now.left, now.top + 5, now.left + 7);
            expectedStore = std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                            std::to_string(Width(window)) + "," + std::to_string(Height(window)) +
                            "," + std::to_string(now.left + 7);
            editor.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(expectedStore, StoredPlacement());
        EXPECT_EQ(before, FileBytes(TransferFile())) << "Cancel writes nothing";
    }
}

// The editor and its about box in both languages; a button's tooltip is its command string's
// second line.
TEST_F(EditorDialog, ScreenshotsTooltipAndAboutBox)
{
    for (const char* language : kLanguages) {
        SetLanguage(language);
        Run([&](const Window& editor) {
            const HWND toolbar = editor.Control(IDC_TOOLBAR).Handle();
            const std::string newText = Text(ID_TRANSFER_NEW);
            char text[80] = "";
            TTTOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = toolbar;
            tool.uId = ID_TRANSFER_NEW;
            tool.lpszText = text;
            harness::OnUi([&] {
                const HWND tips = HWND(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
                SendMessageA(tips, TTM_GETTEXTA, sizeof text, LPARAM(&tool));
            });
            EXPECT_EQ(newText.substr(newText.find('\n') + 1), text);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(1);
            harness::Screenshot(editor, std::string("editor_") + language);
            ClickToolButton(editor, ID_APP_ABOUT);
            const Window about = harness::WaitForWindow(
                [&](const Window& w) { return w.Handle() != editor.Handle(); }, "the about box");
            harness::Screenshot(about, std::string("about_") + language);
            about.Control(IDOK).Click();
            harness::WaitUntilGone(about);
            editor.Control(IDCANCEL).Click();
        });
    }
}
