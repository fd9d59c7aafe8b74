// Appends little-endian values to a growing byte buffer, the counterpart of ByteReader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

class ByteWriter
{
  public:
    void u32(uint32_t value);
    void i32(int32_t value);
    void f64(double value);
    void bytes(const void* data, std::size_t count);
    // A text as a 32-bit length followed by its bytes, without a terminator.
    void text(const std::string& value);

    const std::vector<unsigned char>& data() const { return m_data; }
    std::vector<unsigned char> take() { return std::move(m_data); }

  private:
    std::vector<unsigned char> m_data;
};

} // namespace loaddata
