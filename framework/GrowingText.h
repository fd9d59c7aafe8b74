#pragma once
// Reads a text of unknown length from a call that fills a caller's buffer and returns the
// number of characters copied: the buffer grows until the text fits with room to spare.

#include "framework/CString.h"

#include <algorithm>
#include <vector>

// fill(buffer, size) -> characters copied (negative: none). Texts stop at 64K characters.
template <class Fill> CString ReadGrowingText(Fill fill)
{
    std::vector<char> buffer(256);
    for (;;) {
        const int size = static_cast<int>(buffer.size());
        const int copied = std::clamp(fill(buffer.data(), size), 0, size - 1);
        if (copied < size - 1 || size >= 65536)
            return CString(buffer.data(), copied);
        buffer.resize(buffer.size() * 2);
    }
}
