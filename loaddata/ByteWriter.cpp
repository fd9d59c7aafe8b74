#include "loaddata/ByteWriter.h"

#include <cstring>

namespace loaddata
{

void ByteWriter::u32(uint32_t value)
{
    const unsigned char b[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    m_data.insert(m_data.end(), b, b + 4);
}

void ByteWriter::i32(int32_t value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    u32(bits);
}

void ByteWriter::f64(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    u32(uint32_t(bits));
    u32(uint32_t(bits >> 32));
}

void ByteWriter::bytes(const void* data, std::size_t count)
{
    const auto* p = static_cast<const unsigned char*>(data);
    m_data.insert(m_data.end(), p, p + count);
}

void ByteWriter::text(const std::string& value)
{
    u32(uint32_t(value.size()));
    bytes(value.data(), value.size());
}

} // namespace loaddata
