// A scripted run: the run on this thread, the script on a second one whose way into this
// (the user-interface) thread is a message-only helper window that runs functions sent to it
// and answers posted markers; and the clean-up of whatever a failed script left open, so that
// no test waits forever.
#include "tests/harness/Harness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <thread>

namespace harness
{
namespace
{
const UINT kRunFunction = WM_APP + 1;
const UINT kMarker = WM_APP + 2;
DWORD g_uiThread = 0;
HWND g_helper = nullptr; // while a scripted run lasts

struct Call {
    const std::function<void()>* fn;
    std::exception_ptr error;
};

LRESULT CALLBACK HelperProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunFunction) {
        auto* call = reinterpret_cast<Call*>(lParam);
        try {
            (*call->fn)();
        } catch (...) {
            call->error = std::current_exception();
        }
        return 0;
    }
    if (message == kMarker) {
        ::SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void CreateHelperWindow()
{
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &HelperProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "KvHarnessHelper";
        return ::RegisterClassA(&wc);
    }();
    g_uiThread = ::GetCurrentThreadId();
    g_helper = ::CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
}

void DestroyHelperWindow()
{
    ::DestroyWindow(g_helper);
    g_helper = nullptr;
}

// Cancels the innermost windows of the run (message boxes and dialogs) until it returns.
void CloseLeftovers(const std::atomic<bool>& runDone, std::string& failure)
{
    const DWORD start = ::GetTickCount();
    while (!runDone && ::GetTickCount() - start < 1000)
        ::Sleep(20);
    if (runDone)
        return;
    if (failure.empty())
        failure = "the script ended with the run still open";
    while (!runDone) {
        if (::GetTickCount() - start > 4 * kWaitMilliseconds) {
            std::fprintf(stderr, "harness: the run does not end: %s\n", failure.c_str());
            std::fflush(stderr);
            ::ExitProcess(3);
        }
        try {
            for (const Window& w : TopLevelWindows()) {
                if (w.IsEnabled())
                    ::PostMessageA(w.Handle(), WM_COMMAND, IDCANCEL, 0);
            }
        } catch (const ScriptError&) {
        }
        ::Sleep(100);
    }
}
} // namespace

void OnUi(const std::function<void()>& fn)
{
    // Outside a scripted run the caller's thread is the user-interface thread.
    if (!g_helper || ::GetCurrentThreadId() == g_uiThread) {
        fn();
        return;
    }
    Call call = {&fn, nullptr};
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(g_helper, kRunFunction, 0, reinterpret_cast<LPARAM>(&call),
                               SMTO_NORMAL, 2 * kWaitMilliseconds, &result)) {
        // The call may still run later on data of this frame: no way to go on safely.
        std::fprintf(stderr, "harness: the user-interface thread did not answer within %lu ms\n",
                     2 * kWaitMilliseconds);
        std::fflush(stderr);
        ::ExitProcess(3);
    }
    if (call.error)
        std::rethrow_exception(call.error);
}

void Sync()
{
    if (!g_helper)
        Fail("a step that posts messages needs a scripted run (RunScripted)");
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ::PostMessageA(g_helper, kMarker, 0, reinterpret_cast<LPARAM>(event));
    if (::WaitForSingleObject(event, kWaitMilliseconds) != WAIT_OBJECT_0)
        Fail("the user-interface thread did not handle its messages in time");
    ::CloseHandle(event);
}

void Fail(const std::string& message)
{
    throw ScriptError(message);
}

INT_PTR RunScripted(const std::function<INT_PTR()>& run, const std::function<void()>& script)
{
    CreateHelperWindow();
    std::atomic<bool> runDone{false};
    std::atomic<bool> scriptDone{false};
    std::string failure;
    std::thread scriptThread([&] {
        try {
            script();
        } catch (const std::exception& e) {
            failure = e.what();
        }
        CloseLeftovers(runDone, failure);
        scriptDone = true;
    });
    const INT_PTR result = run();
    runDone = true;
    // The script's last steps may still wait for this thread (Sync after the closing click).
    while (!scriptDone) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    scriptThread.join();
    DestroyHelperWindow();
    if (!failure.empty())
        ADD_FAILURE() << "dialog script: " << failure;
    return result;
}

} // namespace harness
