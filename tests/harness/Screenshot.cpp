// Window pixels to PNG: the client area copied from the window's DC after it painted (under Xvfb
// with Wine's X11 driver; the null driver has no pixels) and written without compression.
#include "tests/harness/HarnessState.h"

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
    std::vector<BYTE> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, loaddata::crc32(typed.data(), typed.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<BYTE> StoredZlib(const std::vector<BYTE>& raw)
{
    std::vector<BYTE> out = {0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - pos, 65535);
        out.push_back(pos + length == raw.size() ? 1 : 0);
        out.push_back(static_cast<BYTE>(length));
        out.push_back(static_cast<BYTE>(length >> 8));
        out.push_back(static_cast<BYTE>(~length));
        out.push_back(static_cast<BYTE>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<long>(pos),
                   raw.begin() + static_cast<long>(pos + length));
        pos += length;
    } while (pos < raw.size());
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
    if (width <= 0 || height <= 0 ||
        bgra.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 4)
        return false;
    std::vector<BYTE> raw;
    raw.reserve(static_cast<size_t>(height) * (static_cast<size_t>(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        const BYTE* row = &bgra[static_cast<size_t>(y) * static_cast<size_t>(width) * 4];
        for (int x = 0; x < width; ++x, row += 4) {
            raw.push_back(row[2]);
            raw.push_back(row[1]);
            raw.push_back(row[0]);
        }
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
    int width = 0, height = 0;
    std::vector<BYTE> pixels;
    OnUi([&] {
        HWND hWnd = window.Handle();
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // The client area: without a window manager under Xvfb the frame stays black.
        RECT r = {};
        ::GetClientRect(hWnd, &r);
        width = r.right;
        height = r.bottom;
        HDC windowDc = ::GetDC(hWnd);
        HDC memoryDc = ::CreateCompatibleDC(windowDc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(windowDc, width, height);
        HGDIOBJ old = ::SelectObject(memoryDc, bitmap);
        ::BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        ::SelectObject(memoryDc, old);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
        ::GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                    DIB_RGB_COLORS);
        ::DeleteObject(bitmap);
        ::DeleteDC(memoryDc);
        ::ReleaseDC(hWnd, windowDc);
    });
    const std::string path = std::string(folder) + "\\" + name + ".png";
    if (!WritePng(path, width, height, pixels))
        Fail("cannot write " + path);
}

} // namespace harness
