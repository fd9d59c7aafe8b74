// Limits shared by the writers and readers of the position load file and the transfer
// file. A writer refuses data beyond them; a reader takes a file beyond them as damaged.
#pragma once

#include <cstddef>
#include <cstdint>

namespace loaddata
{

// Texts are handed out zero-terminated into the callers' 260-byte buffers.
constexpr std::size_t kMaxTextLength = 259;
// Supports, loads, components, headers, records of one file.
constexpr int32_t kMaxEntries = 1 << 16;
// Trapezoid pieces, nodes and assignment rows of one entry.
constexpr int32_t kMaxItems = 1 << 20;

} // namespace loaddata
