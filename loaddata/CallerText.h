// Texts that cross the C interface: zero-terminated, at most kMaxTextLength bytes, so that
// they fit the callers' 260-byte buffers.
#pragma once

#include <string>

namespace loaddata
{

// Copies a caller's text; false for a null pointer or a text longer than kMaxTextLength
// (never reads more than kMaxTextLength + 1 bytes of it).
bool takeCallerText(const char* text, std::string& out);

// Copies a text with its terminator into a caller's buffer of at least
// kMaxTextLength + 1 bytes; false for a null buffer.
bool giveCallerText(const std::string& text, char* out);

} // namespace loaddata
