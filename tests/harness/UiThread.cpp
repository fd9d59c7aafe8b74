// The script thread's way into the user-interface thread: a message-only helper window
// that runs functions sent to it and answers posted markers.
#include "tests/harness/HarnessState.h"

#include <cstdio>
#include <exception>

namespace harness
{
namespace
{
const UINT kRunFunction = WM_APP + 1;
const UINT kMarker = WM_APP + 2;

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
} // namespace

HarnessState& State()
{
    static HarnessState state;
    return state;
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
    State().uiThread = ::GetCurrentThreadId();
    State().helper = ::CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

void DestroyHelperWindow()
{
    ::DestroyWindow(State().helper);
    State().helper = nullptr;
}

void OnUi(const std::function<void()>& fn)
{
    // Outside a scripted run the caller's thread is the user-interface thread.
    if (!State().helper || ::GetCurrentThreadId() == State().uiThread) {
        fn();
        return;
    }
    Call call = {&fn, nullptr};
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(State().helper, kRunFunction, 0, reinterpret_cast<LPARAM>(&call),
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
    if (!State().helper)
        Fail("a step that posts messages needs a scripted run (RunScripted)");
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ::PostMessageA(State().helper, kMarker, 0, reinterpret_cast<LPARAM>(event));
    if (::WaitForSingleObject(event, kWaitMilliseconds) != WAIT_OBJECT_0)
        Fail("the user-interface thread did not handle its messages in time");
    ::CloseHandle(event);
}

void Fail(const std::string& message)
{
    throw ScriptError(message);
}

} // namespace harness
