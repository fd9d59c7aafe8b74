#include "loaddata/CallerText.h"

#include "loaddata/FormatLimits.h"

#include <cstring>

namespace loaddata
{

bool takeCallerText(const char* text, std::string& out)
{
    if (!text)
        return false;
    std::size_t length = 0;
    while (text[length] != '\0') {
        if (++length > kMaxTextLength)
            return false;
    }
    out.assign(text, length);
    return true;
}

bool giveCallerText(const std::string& text, char* out)
{
    if (!out || text.size() > kMaxTextLength)
        return false;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

} // namespace loaddata
