// The rule behind the records the load data library exchanges: the i686 layout is the
// suite's, with 4-byte pointers; on x86_64 the same fields follow in the same order with
// 8-byte pointers and the same 4-byte packing.
#pragma once

#include <cstddef>
#include <cstdint>

// Offset of a field on this architecture, given its offset in the i686 layout and the
// number of pointers before it.
constexpr std::size_t kvLayoutOffset(std::size_t i686Offset, std::size_t pointersBefore)
{
    return i686Offset + pointersBefore * (sizeof(void*) - 4);
}

static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "pointers of 4 or 8 bytes");
static_assert(sizeof(int32_t) == 4 && sizeof(int) == 4 && sizeof(double) == 8, "word sizes");
