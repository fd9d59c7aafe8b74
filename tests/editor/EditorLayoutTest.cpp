// The editor's window through real messages: the splitter bar with its limits and cursor,
// the stored placement, the colours of read-only and disabled fields, the toolbar's
// tooltips and about box; and the screenshots.
#include "tests/editor/EditorDialogSupport.h"

#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

#include <commctrl.h>

#include <string>
#include <vector>

using editortest::ClientRect;
using editortest::EditorDialog;
using editortest::Running;
using editortest::Text;
using harness::Window;

namespace
{
// Every control of the editor, in client coordinates, by control number.
std::vector<RECT> Controls(const Window& editor)
{
    std::vector<RECT> rects;
    for (int id : {IDC_TRANSFER_LIST, IDC_ASSIGNMENT_LIST, IDC_SPLITTER, IDC_OWN_POSITION,
                   IDC_SELECTION_LABEL, IDC_TRANSFER_COUNT, IDC_ORIGIN_X, IDC_ORIGIN_Y,
                   IDC_ORIGIN_Z, IDC_ASSIGN, IDC_ORIGIN_LABEL, IDOK, IDCANCEL, ID_HELP})
        rects.push_back(ClientRect(editor, id));
    return rects;
}

bool Same(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (!EqualRect(&a[i], &b[i]))
            return false;
    return a.size() == b.size();
}

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

int WidthSum()
{
    int sum = 0;
    harness::OnUi([&] {
        const CKVEditor& e = Running();
        sum = e.m_nH1 + e.m_nH2 + e.m_nH3 + e.m_nH4 + e.m_nH5;
    });
    return sum;
}

int Width(const RECT& r)
{
    return r.right - r.left;
}

// The brush an edit-type colour request for a field gets, and the colours it leaves in the
// device context; base: what the dialog's default handling answers.
struct Colours {
    HBRUSH brush;
    HBRUSH base;
    COLORREF text;
    COLORREF back;
};

Colours ColoursOf(const Window& editor, int id, UINT message = WM_CTLCOLOREDIT)
{
    Colours c{};
    harness::OnUi([&] {
        HDC dc = CreateCompatibleDC(nullptr);
        const HWND field = editor.Control(id).Handle();
        c.base = reinterpret_cast<HBRUSH>(
            DefDlgProcA(editor.Handle(), message, WPARAM(dc), LPARAM(field)));
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        c.brush = reinterpret_cast<HBRUSH>(
            SendMessageA(editor.Handle(), message, WPARAM(dc), LPARAM(field)));
        c.text = GetTextColor(dc);
        c.back = GetBkColor(dc);
        DeleteDC(dc);
    });
    return c;
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH info{};
    GetObjectA(brush, sizeof info, &info);
    return info.lbColor;
}
} // namespace

TEST_F(EditorDialog, SplitterDragStartsOnTheBarAndStopsAtItsLimits)
{
    Run([](const Window& editor) {
        const RECT bar = ClientRect(editor, IDC_SPLITTER);
        const RECT transfers = ClientRect(editor, IDC_TRANSFER_LIST);
        const RECT rows = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        const RECT window = editortest::WindowInClient(editor);
        const int gap = rows.left - transfers.right;
        const int y = (bar.top + bar.bottom) / 2;
        const int sum = WidthSum();
        EXPECT_EQ(Width(window), sum);
        const std::vector<RECT> start = Controls(editor);

        // One pixel outside: no drag, the normal cursor; on the edge pixel a drag.
        Mouse(editor, WM_LBUTTONDOWN, bar.left - 1, y);
        EXPECT_EQ(0, DragState());
        Mouse(editor, WM_LBUTTONUP, bar.left - 1, y);
        Mouse(editor, WM_LBUTTONDOWN, bar.left, y);
        EXPECT_EQ(1, DragState());
        Mouse(editor, WM_LBUTTONUP, bar.left, y);
        EXPECT_EQ(0, DragState());
        EXPECT_TRUE(Same(start, Controls(editor))) << "a press without moving moves nothing";

        Drag(editor, bar.left, y, -5000);
        const int lowest = window.left + transfers.left + gap + Width(bar);
        EXPECT_EQ(lowest, ClientRect(editor, IDC_SPLITTER).left);
        const int moved = lowest - bar.left;
        EXPECT_EQ(transfers.right + moved, ClientRect(editor, IDC_TRANSFER_LIST).right);
        EXPECT_EQ(rows.left + moved, ClientRect(editor, IDC_ASSIGNMENT_LIST).left);
        EXPECT_EQ(start[6].left + moved, ClientRect(editor, IDC_ORIGIN_X).left);
        EXPECT_EQ(Width(start[6]), Width(ClientRect(editor, IDC_ORIGIN_X)));
        EXPECT_EQ(sum, WidthSum());

        const RECT left = ClientRect(editor, IDC_SPLITTER);
        Drag(editor, left.left, y, 5000);
        const int rightMargin = Width(window) - rows.right;
        EXPECT_EQ(window.right - rightMargin - gap, ClientRect(editor, IDC_SPLITTER).left);
        EXPECT_EQ(rows.right, ClientRect(editor, IDC_ASSIGNMENT_LIST).right);
        EXPECT_EQ(rows.left - bar.left, ClientRect(editor, IDC_ASSIGNMENT_LIST).left -
                                            ClientRect(editor, IDC_SPLITTER).left);
        EXPECT_EQ(sum, WidthSum());

        // The split cursor over the bar only.
        HCURSOR onBar = nullptr;
        HCURSOR beside = nullptr;
        harness::OnUi([&] {
            const RECT now = editor.Control(IDC_SPLITTER).Rect();
            for (auto [x, cursor] :
                 {std::pair(now.left, &onBar), std::pair(now.left - 1, &beside)}) {
                SetCursor(LoadCursor(nullptr, IDC_ARROW));
                SetCursorPos(x, (now.top + now.bottom) / 2);
                SendMessageA(editor.Handle(), WM_SETCURSOR, WPARAM(editor.Handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                *cursor = GetCursor();
            }
        });
        EXPECT_NE(onBar, beside);
        EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), beside);
        editor.Control(IDCANCEL).Click();
    });
}

TEST_F(EditorDialog, StoredPlacementIsRestoredAndCancelStoresItButWritesNothing)
{
    RECT templatePlace{};
    RECT templateBar{};
    Run([&](const Window& editor) {
        templatePlace = editor.Rect();
        templateBar = ClientRect(editor, IDC_SPLITTER);
        editor.Control(IDCANCEL).Click();
    });
    const int bar = templateBar.left - 20;
    struct Case {
        std::string value;
        RECT window; // expected, in screen coordinates
        int bar;     // expected left edge of the splitter bar
    };
    const RECT stored = {30, 40, 30 + (templatePlace.right - templatePlace.left) + 60,
                         40 + (templatePlace.bottom - templatePlace.top) + 30};
    const std::string place = "30,40," + std::to_string(stored.right - stored.left) + "," +
                              std::to_string(stored.bottom - stored.top);
    const Case cases[] = {
        {place, stored, templateBar.left},
        {place + "," + std::to_string(bar), stored, bar},
        {place + ",0", stored, templateBar.left},
        {"30,40,700", templatePlace, templateBar.left}, // fewer than four numbers: none
    };
    for (const Case& c : cases) {
        m_sandbox.SetString(settings::kWindow, c.value.c_str());
        const std::string before = editortest::FileBytes(TransferFile());
        std::string expectedStore;
        Run([&](const Window& editor) {
            const RECT window = editor.Rect();
            EXPECT_TRUE(EqualRect(&c.window, &window)) << c.value;
            EXPECT_EQ(c.bar, ClientRect(editor, IDC_SPLITTER).left) << c.value;
            editor.Control(IDC_TRANSFER_LIST).SelectRow(0);
            editor.Control(IDC_TRANSFER_LIST).Key(VK_DELETE); // a change Cancel drops
            const RECT now = ClientRect(editor, IDC_SPLITTER);
            Drag(editor, now.left, now.top + 5, now.left + 7);
            expectedStore = std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                            std::to_string(window.right - window.left) + "," +
                            std::to_string(window.bottom - window.top) + "," +
                            std::to_string(now.left + 7);
            editor.Control(IDCANCEL).Click();
        });
        EXPECT_EQ(expectedStore, editortest::StoredPlacement());
        EXPECT_EQ(before, editortest::FileBytes(TransferFile())) << "Cancel writes nothing";
    }
}

TEST_F(EditorDialog, ReadOnlyAndDisabledFieldsInTheFaceColour)
{
    Run([](const Window& editor) {
        for (int id : {IDC_OWN_POSITION, IDC_ORIGIN_X}) { // read-only; disabled
            const Colours c = ColoursOf(editor, id);
            EXPECT_EQ(GetSysColor(COLOR_BTNFACE), BrushColour(c.brush)) << id;
            EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), c.text) << id;
            EXPECT_EQ(GetSysColor(COLOR_BTNFACE), c.back) << id;
        }
        editor.Control(IDC_TRANSFER_LIST).SelectRow(0);
        const Colours editable = ColoursOf(editor, IDC_ORIGIN_X);
        EXPECT_EQ(editable.base, editable.brush);
        const Colours label = ColoursOf(editor, IDC_OWN_POSITION, WM_CTLCOLORSTATIC);
        EXPECT_EQ(label.base, label.brush);
        editor.Control(IDCANCEL).Click();
    });
}

namespace
{
Window OpenAboutBox(const Window& editor)
{
    editortest::ClickToolButton(editor, ID_APP_ABOUT);
    return harness::WaitForWindow([&](const Window& w) { return w.Handle() != editor.Handle(); },
                                  "the about box");
}
} // namespace

TEST_F(EditorDialog, ToolbarTooltipsAndAboutBox)
{
    Run([](const Window& editor) {
        const Window toolbar = editor.Control(IDC_TOOLBAR);
        struct Case {
            UINT_PTR from;
            UINT flags;
            std::string text;
        };
        const std::string newText = Text(ID_TRANSFER_NEW);
        const Case cases[] = {
            {ID_TRANSFER_NEW, 0, newText.substr(newText.find('\n') + 1)},
            {UINT_PTR(editor.Control(IDC_TRANSFER_LIST).Handle()), TTF_IDISHWND,
             Text(IDC_TRANSFER_LIST)},
        };
        for (const Case& c : cases) {
            NMTTDISPINFOA info{};
            info.hdr.hwndFrom = toolbar.Handle();
            info.hdr.idFrom = c.from;
            info.hdr.code = TTN_GETDISPINFOA;
            info.uFlags = c.flags;
            harness::OnUi([&] { SendMessageA(editor.Handle(), WM_NOTIFY, c.from, LPARAM(&info)); });
            EXPECT_EQ(c.text, info.szText);
        }
        // The toolbar's own tooltip asks the editor for a button's text.
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
        EXPECT_EQ(cases[0].text, text);
        const Window about = OpenAboutBox(editor);
        about.Control(IDOK).Click();
        harness::WaitUntilGone(about);
        editor.Control(IDCANCEL).Click();
    });
}

TEST_F(EditorDialog, Screenshot)
{
    for (const char* language : editortest::kLanguages) {
        SetLanguage(language);
        Run([&](const Window& editor) {
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

TEST_F(EditorDialog, ResizingGivesTheRightPaneTheWidthAndThePanesTheHeight)
{
    Run([](const Window& editor) {
        const RECT start = editor.Rect();
        const std::vector<RECT> before = Controls(editor);
        const RECT rows = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        const int gap = rows.left - ClientRect(editor, IDC_TRANSFER_LIST).right;
        const auto resize = [&](int dx, int dy) {
            harness::OnUi([&] {
                SetWindowPos(editor.Handle(), nullptr, 0, 0, start.right - start.left + dx,
                             start.bottom - start.top + dy, SWP_NOMOVE | SWP_NOZORDER);
            });
        };
        resize(200, 100);
        const std::vector<RECT> after = Controls(editor);
        EXPECT_EQ(before[1].right + 200, after[1].right) << "the reactions";
        EXPECT_EQ(before[1].bottom + 100, after[1].bottom);
        EXPECT_EQ(before[0].right, after[0].right) << "the transfers keep their width";
        EXPECT_EQ(before[0].bottom + 100, after[0].bottom);
        EXPECT_EQ(before[11].left + 200, after[11].left) << "OK";
        EXPECT_EQ(before[11].top + 100, after[11].top);
        EXPECT_EQ(Width(editortest::WindowInClient(editor)), WidthSum());

        // With the bar far right, shrinking back would leave the reactions narrower than
        // the gap: the bar and the transfers give way.
        const RECT bar = ClientRect(editor, IDC_SPLITTER);
        Drag(editor, bar.left, (bar.top + bar.bottom) / 2, 5000);
        resize(0, 0);
        const RECT shrunk = ClientRect(editor, IDC_ASSIGNMENT_LIST);
        EXPECT_EQ(gap, Width(shrunk));
        EXPECT_EQ(rows.right, shrunk.right);
        EXPECT_EQ(shrunk.left - gap, ClientRect(editor, IDC_TRANSFER_LIST).right);
        EXPECT_EQ(Width(editortest::WindowInClient(editor)), WidthSum());

        MINMAXINFO info{};
        harness::OnUi([&] {
            SendMessageA(editor.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        });
        EXPECT_EQ(start.right - start.left, info.ptMinTrackSize.x);
        EXPECT_EQ(start.bottom - start.top, info.ptMinTrackSize.y);
        editor.Control(IDCANCEL).Click();
    });
}
