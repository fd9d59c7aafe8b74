// For scripted runs: every window the host's thread shows (its main window, the module's
// dialogs, message boxes) is saved as a picture once it has painted, then closed as
// Cancel would close it, so that a script can walk through every window without a user.
#pragma once

#include <windows.h>

#include <ostream>
#include <set>
#include <string>

namespace host
{

class WindowCapture
{
  public:
    // Pictures go to folder as "<label>-<n>.bmp"; each one is named on report with the
    // window's caption. One capture at a time.
    WindowCapture(const std::string& folder, const std::string& label, std::ostream& report);
    ~WindowCapture();
    WindowCapture(const WindowCapture&) = delete;
    WindowCapture& operator=(const WindowCapture&) = delete;

  private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void tick();
    void capture(HWND window);

    std::string m_folder;
    std::string m_label;
    std::ostream& m_report;
    UINT_PTR m_timer = 0;
    HWND m_pending = nullptr; // seen once; captured at the next tick, when it has painted
    std::set<HWND> m_done;
    int m_count = 0;
};

// Writes the client area of a window as a 24-bit BMP; false when that fails.
bool saveClientArea(HWND window, const std::string& path);

} // namespace host
