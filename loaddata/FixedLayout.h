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

// A fixed-layout file's size and geometry.
struct Layout {
    std::size_t headerSize;
    std::size_t recordSize;
    std::size_t maxRecords;
};

// Checks the file's length against the record count its header gives, then parses every
// record; nothing is allocated before the length is known to hold the records.
template <class Record>
FormatError parseRecords(const unsigned char* data, std::size_t size, const Layout& layout,
                         std::size_t count,
                         FormatError (*parseRecord)(const unsigned char*, Record&),
                         std::vector<Record>& records)
{
    if (count > layout.maxRecords)
        return FormatError::BadContent;
    const std::size_t expected = layout.headerSize + count * layout.recordSize;
    if (size != expected)
        return size < expected ? FormatError::Truncated : FormatError::BadContent;
    records.assign(count, Record());
    for (std::size_t k = 0; k < count; ++k) {
        const FormatError error =
            parseRecord(data + layout.headerSize + k * layout.recordSize, records[k]);
        if (error != FormatError::None)
            return error;
    }
    return FormatError::None;
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
