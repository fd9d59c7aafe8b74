// Waiting for the windows a run opens: dialogs, sub-dialogs, message boxes.
#include "tests/harness/Harness.h"

namespace harness
{
namespace
{
// The static control that holds a message box's text.
const int kMessageBoxTextId = 0xFFFF;

BOOL CALLBACK AddWindow(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd))
        reinterpret_cast<std::vector<Window>*>(lParam)->push_back(Window(hWnd));
    return TRUE;
}

bool IsMessageBox(const Window& w)
{
    return w.ClassName() == "#32770" && w.HasControl(kMessageBoxTextId);
}
} // namespace

std::vector<Window> TopLevelWindows()
{
    std::vector<Window> windows;
    OnUi([&] {
        ::EnumThreadWindows(::GetCurrentThreadId(), &AddWindow, reinterpret_cast<LPARAM>(&windows));
    });
    return windows;
}

Window WaitForWindow(const std::function<bool(const Window&)>& match, const std::string& what,
                     DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        // Windows come newest first; the enabled one is the one the user works in.
        for (const Window& w : TopLevelWindows()) {
            if (w.IsEnabled() && match(w))
                return w;
        }
        if (::GetTickCount() - start > milliseconds)
            Fail("waited " + std::to_string(milliseconds) + " ms for " + what + " in vain");
        ::Sleep(20);
    }
}

Window WaitForDialog(int controlId, DWORD milliseconds)
{
    return WaitForWindow(
        [controlId](const Window& w) { return w.HasControl(controlId) && !IsMessageBox(w); },
        "a dialog with control " + std::to_string(controlId), milliseconds);
}

MessageBoxInfo WaitForMessageBox(DWORD milliseconds)
{
    MessageBoxInfo info;
    info.window = WaitForWindow(IsMessageBox, "a message box", milliseconds);
    info.text = info.window.Control(kMessageBoxTextId).Text();
    info.caption = info.window.Text();
    return info;
}

void MessageBoxInfo::Answer(int buttonId) const
{
    window.Control(buttonId).Click();
    WaitUntilGone(window);
}

void WaitUntilGone(const Window& window, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (window.Exists()) {
        if (::GetTickCount() - start > milliseconds)
            Fail("window \"" + window.Text() + "\" still open after " +
                 std::to_string(milliseconds) + " ms");
        ::Sleep(20);
    }
}

void Key(UINT vk, bool ctrl)
{
    HWND focus = nullptr;
    OnUi([&] { focus = ::GetFocus(); });
    if (!focus)
        Fail("no window has the focus for key " + std::to_string(vk));
    Window(focus).Key(vk, ctrl);
}

} // namespace harness
