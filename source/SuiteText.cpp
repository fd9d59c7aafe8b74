#include "source/SuiteText.h"

#include <cstring>
#include <vector>

CString SuiteText(const char* field, size_t width)
{
    CString text(field, static_cast<int>(strnlen(field, width)));
    text.TrimRight(' ');
    if (text.IsEmpty())
        return text;
    std::vector<char> ansi(static_cast<size_t>(text.GetLength()));
    OemToCharBuffA(text, ansi.data(), static_cast<DWORD>(ansi.size()));
    return CString(ansi.data(), static_cast<int>(ansi.size()));
}
