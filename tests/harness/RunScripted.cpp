// A scripted run: the run on this thread, the script on a second one, and the clean-up of
// whatever a failed script left open, so that no test waits forever.
#include "tests/harness/HarnessState.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace harness
{
namespace
{
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
