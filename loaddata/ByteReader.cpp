#include "loaddata/ByteReader.h"

#include <cstring>
#include <limits>

namespace loaddata
{

const unsigned char* ByteReader::take(std::size_t count)
{
    if (m_failed || count > remaining()) {
        m_failed = true;
        return nullptr;
    }
    const unsigned char* p = m_data + m_pos;
    m_pos += count;
    return p;
}

bool ByteReader::u32(uint32_t& value)
{
    const unsigned char* p = take(4);
    if (!p)
        return false;
    value = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return true;
}

bool ByteReader::i32(int32_t& value)
{
    uint32_t bits = 0;
    if (!u32(bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::f64(double& value)
{
    uint32_t low = 0;
    uint32_t high = 0;
    if (!u32(low) || !u32(high))
        return false;
    const uint64_t bits = uint64_t(high) << 32 | low;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::bytes(void* out, std::size_t count)
{
    const unsigned char* p = take(count);
    if (!p)
        return false;
    if (count > 0)
        std::memcpy(out, p, count);
    return true;
}

bool ByteReader::text(std::string& out, std::size_t maxLength)
{
    uint32_t length = 0;
    if (!u32(length))
        return false;
    if (length > maxLength)
        return fail();
    const unsigned char* p = take(length);
    if (!p)
        return false;
    if (std::memchr(p, 0, length))
        return fail();
    out.assign(reinterpret_cast<const char*>(p), length);
    return true;
}

bool ByteReader::count(int32_t& value, std::size_t minItemBytes)
{
    uint32_t n = 0;
    if (!u32(n))
        return false;
    if (n > uint32_t(std::numeric_limits<int32_t>::max()) || !canHold(n, minItemBytes))
        return fail();
    value = int32_t(n);
    return true;
}

bool ByteReader::canHold(uint64_t items, std::size_t minItemBytes) const
{
    if (m_failed)
        return false;
    if (minItemBytes == 0)
        return true;
    return items <= remaining() / minItemBytes;
}

} // namespace loaddata
