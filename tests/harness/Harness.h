// The dialog test harness: runs a modal dialog, a property sheet or an export call on the
// test's thread (the user-interface thread) while a script on a second thread drives it
// through real messages: keys and characters are posted so that they pass the modal loop
// (PreTranslateMessage, then the dialog manager), buttons get BM_CLICK, list rows mouse
// clicks, and everything the script reads it reads on the user-interface thread.
//
// Every wait is bounded: a window that does not come fails the script with a message
// naming what was awaited. A failing step ends the script; the harness then closes what
// the run left open and reports the failure to GoogleTest.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace harness
{

// How long a step waits for a window or for the user-interface thread.
constexpr DWORD kWaitMilliseconds = 5000;

// A failed step of a script.
class ScriptError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

struct TreeItem {
    std::string text;
    int level;     // 0 for a root item
    bool expanded; // its children are shown
    bool selected;
    bool hasChildren;
};

// A window of the dialog under test (a dialog, a control, a message box).
class Window
{
  public:
    Window() = default;
    explicit Window(HWND hWnd) : m_hWnd(hWnd) {}
    HWND Handle() const { return m_hWnd; }
    bool Exists() const;

    // The descendant with this control number (also inside property pages); fails when none.
    Window Control(int id) const;
    bool HasControl(int id) const;

    std::string Text() const;
    std::string ClassName() const;
    bool IsEnabled() const;
    bool IsVisible() const;
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE of a button.
    int Checked() const;
    // In screen coordinates.
    RECT Rect() const;
    bool HasFocus() const;

    // BM_CLICK through the message queue; fails when the button is disabled or hidden.
    void Click() const;
    // The close box (WM_SYSCOMMAND SC_CLOSE through the queue).
    void Close() const;
    void Focus() const;
    // Focuses the field (of an editable combo box: its edit field), selects its text and
    // types the characters (WM_CHAR each).
    void Type(const std::string& text) const;
    // A key press (down and up) to this window through the queue, optionally with Ctrl held.
    void Key(UINT vk, bool ctrl = false) const;

    // List box, combo box or list control: rows, selection (-1 none), row texts.
    int RowCount() const;
    int Selection() const;
    std::vector<int> SelectedRows() const;
    std::string RowText(int row, int column = 0) const;
    // List box: a mouse click on the row's text; combo box: the selection with the
    // notification a user's choice sends; list control: the row becomes the only selected
    // and focused one. Fails for a row that does not exist.
    void SelectRow(int row) const;
    // List box or list control: a double click on the row.
    void DoubleClickRow(int row) const;
    // Check list box: a click on the row's check box; its check state.
    void ClickCheck(int row) const;
    int RowChecked(int row) const;
    // Tree control: all items in display order; select the item with this text.
    std::vector<TreeItem> TreeItems() const;
    void SelectTreeItem(const std::string& text) const;

  private:
    HWND m_hWnd = nullptr;
};

struct MessageBoxInfo {
    Window window;
    std::string text;
    std::string caption;
    // Clicks the message box's button (IDOK, IDYES, ...) and waits until the box is gone.
    void Answer(int buttonId) const;
};

// Runs fn on the user-interface thread and waits for it; an exception from fn is rethrown.
// Outside a scripted run it runs fn at once: reading windows works there, posting steps
// (clicks, keys, Sync) do not.
void OnUi(const std::function<void()>& fn);
// Waits until every message posted so far to the user-interface thread was handled.
void Sync();
// A key press to the window that has the focus (see Window::Key).
void Key(UINT vk, bool ctrl = false);
// The newest visible, enabled top-level window of the user-interface thread that matches.
Window WaitForWindow(const std::function<bool(const Window&)>& match, const std::string& what,
                     DWORD milliseconds = kWaitMilliseconds);
// The active dialog that holds this control number.
Window WaitForDialog(int controlId, DWORD milliseconds = kWaitMilliseconds);
MessageBoxInfo WaitForMessageBox(DWORD milliseconds = kWaitMilliseconds);
// Waits until the window is destroyed.
void WaitUntilGone(const Window& window, DWORD milliseconds = kWaitMilliseconds);
// The visible top-level windows of the user-interface thread.
std::vector<Window> TopLevelWindows();
// Throws a ScriptError.
[[noreturn]] void Fail(const std::string& message);

// Runs run() here while script() runs on a script thread; returns run's result. A script
// failure is reported to GoogleTest as a failure of the calling test.
INT_PTR RunScripted(const std::function<INT_PTR()>& run, const std::function<void()>& script);

// Saves the client area's pixels as <name>.png in the folder named by the environment variable
// KV_SCREENSHOTS (set by scripts/screenshots); does nothing when it is not set.
void Screenshot(const Window& window, const std::string& name);

} // namespace harness
