#include "host/WindowCapture.h"

#include <cstdio>
#include <iterator>
#include <vector>

namespace host
{

namespace
{

WindowCapture* g_pCapture = nullptr;
constexpr UINT kTickMilliseconds = 400;

BOOL CALLBACK keepEnabledWindow(HWND window, LPARAM found)
{
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The enabled, visible top-level window of this thread: the innermost modal one.
HWND activeThreadWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepEnabledWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// As Cancel closes it: the Cancel button's command, else the default button's.
void closeWindow(HWND window)
{
    HWND cancel = GetDlgItem(window, IDCANCEL);
    const LRESULT defaultId = SendMessageA(window, DM_GETDEFID, 0, 0);
    if (cancel)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
    else if (HIWORD(defaultId) == DC_HASDEFID)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(LOWORD(defaultId), BN_CLICKED), 0);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
}

bool writeBmp(const std::string& path, int width, int height, const std::vector<BYTE>& rows)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up rows, as GetDIBits gave them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

bool saveClientArea(HWND window, const std::string& path)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r = {};
    GetClientRect(window, &r);
    if (r.right <= 0 || r.bottom <= 0)
        return false;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, r.right, r.bottom, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(r.right) * 3 + 3) & ~std::size_t(3);
    std::vector<BYTE> rows(stride * static_cast<std::size_t>(r.bottom));
    const int copied = GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(r.bottom), rows.data(),
                                 &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return copied == r.bottom && writeBmp(path, r.right, r.bottom, rows);
}

WindowCapture::WindowCapture(const std::string& folder, const std::string& label,
                             std::ostream& report)
    : m_folder(folder), m_label(label), m_report(report)
{
    if (g_pCapture)
        return;
    CreateDirectoryA(folder.c_str(), nullptr);
    g_pCapture = this;
    m_timer = SetTimer(nullptr, 0, kTickMilliseconds, &WindowCapture::onTimer);
}

WindowCapture::~WindowCapture()
{
    if (g_pCapture != this)
        return;
    KillTimer(nullptr, m_timer);
    g_pCapture = nullptr;
}

void CALLBACK WindowCapture::onTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pCapture)
        g_pCapture->tick();
}

void WindowCapture::tick()
{
    // A handle of a window that is gone may come back for a new one.
    for (auto done = m_done.begin(); done != m_done.end();)
        done = IsWindow(*done) ? std::next(done) : m_done.erase(done);
    HWND window = activeThreadWindow();
    if (!window || m_done.count(window)) {
        m_pending = nullptr;
        return;
    }
    if (window != m_pending) {
        m_pending = window; // shown since the last tick: let it paint and report first
        return;
    }
    m_pending = nullptr;
    m_done.insert(window);
    capture(window);
    closeWindow(window);
}

void WindowCapture::capture(HWND window)
{
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    const std::string name = m_label + "-" + std::to_string(++m_count) + ".bmp";
    const bool saved = saveClientArea(window, m_folder + "\\" + name);
    m_report << (saved ? "picture " : "no picture (cannot write) ") << name << ": \"" << caption
             << "\"\n";
    m_report.flush();
}

} // namespace host
