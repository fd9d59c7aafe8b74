#include "loaddata/FileEnvelope.h"

#include "loaddata/ByteReader.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/Crc32.h"

#include <cstring>

namespace loaddata
{

std::vector<unsigned char> sealContent(const FileKind& kind,
                                       const std::vector<unsigned char>& content)
{
    ByteWriter writer;
    writer.bytes(kind.magic, sizeof kind.magic);
    writer.u32(kind.currentVersion);
    writer.u32(uint32_t(content.size()));
    writer.u32(crc32(content.data(), content.size()));
    writer.bytes(content.data(), content.size());
    return writer.take();
}

FormatError openEnvelope(const FileKind& kind, const std::vector<unsigned char>& file,
                         EnvelopeContent& content)
{
    ByteReader reader(file.data(), file.size());
    char magic[4] = {};
    uint32_t version = 0;
    uint32_t length = 0;
    uint32_t sum = 0;
    if (!reader.bytes(magic, sizeof magic))
        return FormatError::Truncated;
    if (std::memcmp(magic, kind.magic, sizeof magic) != 0)
        return FormatError::BadMagic;
    if (!reader.u32(version) || !reader.u32(length) || !reader.u32(sum))
        return FormatError::Truncated;
    if (version < kind.oldestVersion || version > kind.currentVersion)
        return FormatError::BadVersion;
    if (length > reader.remaining())
        return FormatError::Truncated;
    if (length < reader.remaining())
        return FormatError::BadContent;
    const unsigned char* data = file.data() + kEnvelopeHeaderSize;
    if (crc32(data, length) != sum)
        return FormatError::BadChecksum;
    content.version = version;
    content.data = data;
    content.size = length;
    return FormatError::None;
}

} // namespace loaddata
