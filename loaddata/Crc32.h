// CRC-32 (the reflected polynomial 0xEDB88320 of zip and PNG) over the content of each file
// the library writes, so that damage is found instead of read as data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace loaddata
{

uint32_t crc32(const unsigned char* data, std::size_t size);

} // namespace loaddata
