// The suite's fixed-layout files (plan file, program name file): a header and records of
// fixed sizes, each block ending in a CRC-32 of the bytes before it.
#pragma once

#include "loaddata/Crc32.h"
#include "loaddata/FileIo.h"
#include "loaddata/FormatError.h"
#include "loaddata/LittleEndian.h"

#include <cstddef>
#include <string>
#include <vector>

namespace loaddata
{

// Whether the CRC-32 stored at offset end of a block covers its bytes before end.
inline bool isSealed(const unsigned char* block, std::size_t end)
{
    return readU32(block + end) == crc32(block, end);
}

inline void seal(unsigned char* block, std::size_t end)
{
    writeU32(block + end, crc32(block, end));
}

template <class File>
FormatError readFixedLayoutFile(const std::string& path,
                                FormatError (*parse)(const unsigned char*, std::size_t, File&),
                                File& file)
{
    std::vector<unsigned char> bytes;
    const FormatError error = readWholeFile(path, bytes);
    return error != FormatError::None ? error : parse(bytes.data(), bytes.size(), file);
}

template <class File>
FormatError writeFixedLayoutFile(const std::string& path,
                                 FormatError (*encode)(const File&, std::vector<unsigned char>&),
                                 const File& file)
{
    std::vector<unsigned char> bytes;
    const FormatError error = encode(file, bytes);
    return error != FormatError::None ? error : saveAtomically(path, bytes);
}

} // namespace loaddata
