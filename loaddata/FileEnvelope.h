// The frame of every file the library writes: a 16-byte header followed by the content.
//   0  4 bytes  magic, tells the kind of file
//   4  uint32   format version
//   8  uint32   content length in bytes; the file ends exactly there
//  12  uint32   CRC-32 of the content
#pragma once

#include "loaddata/FormatError.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace loaddata
{

constexpr std::size_t kEnvelopeHeaderSize = 16;

struct FileKind {
    char magic[4];
    uint32_t oldestVersion;  // the oldest format version still read
    uint32_t currentVersion; // the version written
};

struct EnvelopeContent {
    uint32_t version = 0;
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

std::vector<unsigned char> sealContent(const FileKind& kind,
                                       const std::vector<unsigned char>& content);

// Checks header and check sum of a whole file; the content then points into file.
FormatError openEnvelope(const FileKind& kind, const std::vector<unsigned char>& file,
                         EnvelopeContent& content);

} // namespace loaddata
