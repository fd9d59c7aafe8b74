#include "loaddata/SuiteText.h"

#include <algorithm>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace loaddata
{

std::string readField(const unsigned char* field, std::size_t width)
{
    std::string text(reinterpret_cast<const char*>(field), width);
    text.erase(text.find_last_not_of(' ') + 1);
    return oemToAnsi(text);
}

bool writeField(unsigned char* field, std::size_t width, const std::string& text)
{
    const std::string oem = ansiToOem(text);
    if (oem.size() > width)
        return false;
    std::memset(field, ' ', width);
    std::memcpy(field, oem.data(), oem.size());
    return true;
}

bool isPrintableField(const unsigned char* field, std::size_t width)
{
    return std::all_of(field, field + width, [](unsigned char c) { return c >= 0x20; });
}

#if defined(_WIN32)
std::string oemToAnsi(const std::string& oem)
{
    std::string ansi(oem);
    if (!ansi.empty())
        OemToCharBuffA(oem.data(), &ansi[0], static_cast<DWORD>(oem.size()));
    return ansi;
}

std::string ansiToOem(const std::string& ansi)
{
    std::string oem(ansi);
    if (!oem.empty())
        CharToOemBuffA(ansi.data(), &oem[0], static_cast<DWORD>(ansi.size()));
    return oem;
}
#else
std::string oemToAnsi(const std::string& oem)
{
    return oem;
}
std::string ansiToOem(const std::string& ansi)
{
    return ansi;
}
#endif

bool copyToBuffer(const std::string& text, char* buffer, std::size_t size)
{
    if (buffer == nullptr || text.size() >= size)
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

} // namespace loaddata
