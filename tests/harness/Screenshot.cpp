// Window pixels to PNG: the client area copied from the window's DC after it painted (under Xvfb
// with Wine's X11 driver; the null driver has no pixels) and written without compression.
#include "tests/harness/Harness.h"

#include "loaddata/Crc32.h"

#include <cstdio>
#include <cstdlib>

namespace harness
{
namespace
{
void PutBigEndian(std::vector<BYTE>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<BYTE>(value >> shift));
}

void PutChunk(std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, loaddata::crc32(&out[start], out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks; raw is never empty.
std::vector<BYTE> StoredZlib(const std::vector<BYTE>& raw)
{
    std::vector<BYTE> out = {0x78, 0x01};
    for (size_t pos = 0; pos < raw.size(); pos += 65535) {
        const size_t length = std::min<size_t>(raw.size() - pos, 65535);
        const auto byte = [](size_t value) { return static_cast<BYTE>(value); };
        out.insert(out.end(), {byte(pos + length == raw.size()), byte(length), byte(length >> 8),
                               byte(~length), byte(~length >> 8)});
        out.insert(out.end(), raw.begin() + static_cast<long>(pos),
                   raw.begin() + static_cast<long>(pos + length));
    }
    uint32_t a = 1, b = 0;
    for (BYTE byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

// Writes 32-bit BGRA rows (top-down) as an RGB PNG; false when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<BYTE>& bgra)
{
    if (bgra.empty())
        return false;
    std::vector<BYTE> raw;
    for (size_t at = 0; at < bgra.size(); at += 4) {
        if (at % (static_cast<size_t>(width) * 4) == 0)
            raw.push_back(0); // each row's filter: none
        raw.insert(raw.end(), {bgra[at + 2], bgra[at + 1], bgra[at]});
    }
    std::vector<BYTE> header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    std::vector<BYTE> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

void Screenshot(const Window& window, const std::string& name)
{
    const char* folder = std::getenv("KV_SCREENSHOTS");
    if (!folder || !*folder)
        return;
    RECT r = {};
    std::vector<BYTE> pixels;
    OnUi([&] {
        HWND hWnd = window.Handle();
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // The client area: without a window manager under Xvfb the frame stays black.
        ::GetClientRect(hWnd, &r);
        BITMAPINFO info = {};
        // Top-down rows of 32 bits.
        info.bmiHeader = {sizeof info.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC windowDc = ::GetDC(hWnd);
        HDC memoryDc = ::CreateCompatibleDC(windowDc);
        HBITMAP bitmap = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memoryDc, bitmap);
        ::BitBlt(memoryDc, 0, 0, r.right, r.bottom, windowDc, 0, 0, SRCCOPY);
        ::GdiFlush();
        if (bits)
            pixels.assign(static_cast<BYTE*>(bits),
                          static_cast<BYTE*>(bits) + static_cast<size_t>(r.right * r.bottom) * 4);
        ::SelectObject(memoryDc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memoryDc);
        ::ReleaseDC(hWnd, windowDc);
    });
    const std::string path = std::string(folder) + "\\" + name + ".png";
    if (!WritePng(path, r.right, r.bottom, pixels))
        Fail("cannot write " + path);
}

} // namespace harness
