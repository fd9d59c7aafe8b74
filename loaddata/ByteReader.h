// Reads little-endian values from a byte buffer it does not own. Every read is checked
// against what remains; the first failed read makes the reader fail for good, so a parser
// may read a group of fields and look at the result once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace loaddata
{

class ByteReader
{
  public:
    ByteReader(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    bool ok() const { return !m_failed; }
    std::size_t remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos == m_size; }

    bool u32(uint32_t& value);
    bool i32(int32_t& value);
    bool f64(double& value);
    bool bytes(void* out, std::size_t count);
    // A text as ByteWriter::text writes it; refused when longer than maxLength or when it
    // holds a zero byte, since the library hands texts out zero-terminated.
    bool text(std::string& out, std::size_t maxLength);
    // A count of items that take at least minItemBytes each: refused when the rest of the
    // buffer cannot hold that many or when it does not fit a signed 32-bit count. So no
    // reader allocates more than the buffer can describe.
    bool count(int32_t& value, std::size_t minItemBytes);
    // Whether the rest of the buffer can hold items of at least minItemBytes each.
    bool canHold(uint64_t items, std::size_t minItemBytes) const;

    bool fail()
    {
        m_failed = true;
        return false;
    }

  private:
    const unsigned char* take(std::size_t count);

    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

} // namespace loaddata
