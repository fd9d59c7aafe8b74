// The fuzz run of a fixed-layout file reader: the bytes as they come, then once more with
// the check sum of the header and of every whole record made right, so that the fuzzer gets
// past them to the fields. What is read is written again.
#pragma once

#include "loaddata/FixedLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

template <class File>
void fuzzFixedLayout(const uint8_t* data, std::size_t size, std::size_t headerSize,
                     std::size_t recordSize,
                     loaddata::FormatError (*parse)(const unsigned char*, std::size_t, File&),
                     loaddata::FormatError (*encode)(const File&, std::vector<unsigned char>&))
{
    std::vector<unsigned char> bytes(data, data + size);
    for (int round = 0; round < 2; ++round) {
        File file;
        std::vector<unsigned char> again;
        if (parse(bytes.data(), bytes.size(), file) == loaddata::FormatError::None)
            encode(file, again);
        if (size < headerSize)
            return;
        loaddata::seal(bytes.data(), headerSize - 4);
        for (std::size_t at = headerSize; at + recordSize <= size; at += recordSize)
            loaddata::seal(&bytes[at], recordSize - 4);
    }
}
