// The editor's window through real messages: the splitter bar with its limits and cursor,
// resizing, the stored placement, the toolbar's tooltips and about box; the screenshots.
#include "tests/editor/EditorDialogSupport.h"

#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

#include <commctrl.h>

#include <string>

using editortest::ClientRect;
using editortest::EditorDialog;
using editortest::Running;
using editortest::Text;
using harness::Window;

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

int DragState()
{
    int state = -1;
    harness::OnUi([&] { state = Running().m_nDragState; });
    return state;
}

int Width(const RECT& r)
{
    return r.right - r.left;
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

Window OpenAboutBox(const Window& editor)
{
    editortest::ClickToolButton(editor, ID_APP_ABOUT);
    return harness::WaitForWindow([&](const Window& w) { return w.Handle() != editor.Handle(); },
                                  "the about box");
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
        const RECT origin = ClientRect(editor, IDC_ORIGIN_X);
        const RECT ok = ClientRect(editor, IDOK);
        RECT window = editor.Rect();
        MapWindowPoints(nullptr, editor.Handle(), reinterpret_cast<POINT*>(&window), 2);
        const int gap = rows.left - transfers.right;
        const int y = (bar.top + bar.bottom) / 2;
        Mouse(editor, WM_LBUTTONDOWN, bar.left - 1, y);
        EXPECT_EQ(0, DragState()) << "one pixel outside";
        Mouse(editor, WM_LBUTTONUP, bar.left - 1, y);
        Mouse(editor, WM_LBUTTONDOWN, bar.left, y);
        EXPECT_EQ(1, DragState());
        Mouse(editor, WM_LBUTTONUP, bar.left, y);
        EXPECT_EQ(0, DragState());
        EXPECT_EQ(transfers.right, ClientRect(editor, IDC_TRANSFER_LIST).right);

        Drag(editor, bar.left, y, -5000);
        const int moved = window.left + transfers.left + gap + Width(bar) - bar.left;
        EXPECT_EQ(bar.left + moved, ClientRect(editor, IDC_SPLITTER).left);
        EXPECT_EQ(transfers.right + moved, ClientRect(editor, IDC_TRANSFER_LIST).right);
        EXPECT_EQ(rows.left + moved, ClientRect(editor, IDC_ASSIGNMENT_LIST).left);
        EXPECT_EQ(origin.left + moved, ClientRect(editor, IDC_ORIGIN_X).left);
        EXPECT_EQ(Width(origin), Width(ClientRect(editor, IDC_ORIGIN_X)));
        Drag(editor, ClientRect(editor, IDC_SPLITTER).left, y, 5000);
        EXPECT_EQ(window.right - (Width(window) - rows.right) - gap,
                  ClientRect(editor, IDC_SPLITTER).left);
        EXPECT_EQ(rows.right, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);
        EXPECT_EQ(rows.left - bar.left, ClientRect(editor, IDC_ASSIGNMENT_LIST).left -
                                            ClientRect(editor, IDC_SPLITTER).left);

        // The split cursor over the bar only.
        HCURSOR cursors[2] = {};
        harness::OnUi([&] {
            const RECT now = editor.Control(IDC_SPLITTER).Rect();
            for (int i = 0; i < 2; ++i) {
                SetCursor(LoadCursor(nullptr, IDC_ARROW));
                SetCursorPos(now.left - i, (now.top + now.bottom) / 2);
                SendMessageA(editor.Handle(), WM_SETCURSOR, WPARAM(editor.Handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                cursors[i] = GetCursor();
            }
        });
        EXPECT_NE(cursors[0], cursors[1]);
        EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), cursors[1]);

        const auto resize = [&](int dx, int dy) {
            harness::OnUi([&] {
                SetWindowPos(editor.Handle(), nullptr, 0, 0, Width(start) + dx,
                             start.bottom - start.top + dy, SWP_NOMOVE | SWP_NOZORDER);
            });
        };
        Drag(editor, ClientRect(editor, IDC_SPLITTER).left, y, bar.left);
        resize(200, 100);
        EXPECT_EQ(rows.right + 200, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);
        EXPECT_EQ(rows.bottom + 100, ClientRect(editor, IDC_ASSIGNMENT_LIST).bottom);
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
        harness::OnUi([&] {
            SendMessageA(editor.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        });
        EXPECT_EQ(Width(start), info.ptMinTrackSize.x);
        EXPECT_EQ(start.bottom - start.top, info.ptMinTrackSize.y);

        editor.Control(IDCANCEL).Click();
    });
}

// Cancel stores the place and the bar but writes no transfers; the start puts them back,
// keeping a stored bar within its limits.
TEST_F(EditorDialog, StoredPlacement)
{
    RECT templatePlace{};
    int templateBar = 0;
    Run([&](const Window& editor) {
        templatePlace = editor.Rect();
        templateBar = ClientRect(editor, IDC_SPLITTER).left;
        editor.Control(IDCANCEL).Click();
    });
    const RECT stored = {30, 40, 90 + Width(templatePlace),
                         70 + templatePlace.bottom - templatePlace.top};
    const std::string place =
        "30,40," + std::to_string(Width(stored)) + "," + std::to_string(stored.bottom - stored.top);
    struct Case {
        std::string value;
        RECT window; // expected, in screen coordinates
        int bar;     // expected left edge of the splitter bar
    };
    const Case cases[] = {
        {place, stored, templateBar},
        {place + "," + std::to_string(templateBar - 20), stored, templateBar - 20},
        {place + ",0", stored, templateBar},
        {"30,40,700", templatePlace, templateBar}, // fewer than four numbers: none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        m_sandbox.SetString(settings::kWindow, c.value.c_str());
        const std::string before = editortest::FileBytes(TransferFile());
        std::string expectedStore;
        Run([&](const Window& editor) {
            const RECT window = editor.Rect();
            EXPECT_TRUE(EqualRect(&c.window, &window));
            EXPECT_EQ(c.bar, ClientRect(editor, IDC_SPLITTER).left);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(0);
            editor.Control(IDC_TRANSFER_LIST).Key(VK_DELETE); // a change Cancel drops
            const RECT now = ClientRect(editor, IDC_SPLITTER);
            Drag(editor, now.left, now.top + 5, now.left + 7);
            expectedStore = std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                            std::to_string(Width(window)) + "," +
                            std::to_string(window.bottom - window.top) + "," +
                            std::to_string(now.left + 7);
            editor.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(expectedStore, StoredPlacement());
        EXPECT_EQ(before, editortest::FileBytes(TransferFile())) << "Cancel writes nothing";
    }
}

// The editor and its about box in both languages; the tooltips of a button (its command
// string's second line) and of a control (its number's string).
TEST_F(EditorDialog, ScreenshotsTooltipsAndAboutBox)
{
    for (const char* language : editortest::kLanguages) {
        SetLanguage(language);
        Run([&](const Window& editor) {
            const Window toolbar = editor.Control(IDC_TOOLBAR);
            const std::string newText = Text(ID_TRANSFER_NEW);
            const std::string tip = newText.substr(newText.find('\n') + 1);
            NMTTDISPINFOA info{};
            info.hdr = {toolbar.Handle(), UINT_PTR(editor.Control(IDC_TRANSFER_LIST).Handle()),
                        TTN_GETDISPINFOA};
            info.uFlags = TTF_IDISHWND;
            harness::OnUi(
                [&] { SendMessageA(editor.Handle(), WM_NOTIFY, info.hdr.idFrom, LPARAM(&info)); });
            EXPECT_EQ(Text(IDC_TRANSFER_LIST), info.szText);
            char text[80] = "";
            TTTOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = toolbar.Handle();
            tool.uId = ID_TRANSFER_NEW;
            tool.lpszText = text;
            harness::OnUi([&] {
                const HWND tips = HWND(SendMessageA(toolbar.Handle(), TB_GETTOOLTIPS, 0, 0));
                SendMessageA(tips, TTM_GETTEXTA, sizeof text, LPARAM(&tool));
            });
            EXPECT_EQ(tip, text);
            editor.Control(IDC_TRANSFER_LIST).SelectRow(1);
            harness::Screenshot(editor, std::string("editor_") + language);
            const Window about = OpenAboutBox(editor);
            harness::Screenshot(about, std::string("about_") + language);
            about.Control(IDOK).Click();
            harness::WaitUntilGone(about);
            editor.Control(IDCANCEL).Click();
        });
    }
}
