// The transfer file (.016): a position's transfers in the library's file frame
// (FileEnvelope.h), magic "LDTF". Byte layout in docs/loaddata-formats.md.
#pragma once

#include "loaddata/FileEnvelope.h"
#include "loaddata/FormatError.h"
#include "loaddata/TransferData.h"

#include <string>
#include <vector>

namespace loaddata
{

extern const FileKind kTransferFileKind;

// InvalidData when the data breaks the format's limits.
FormatError encodeTransferFile(const TransferData& data, std::vector<unsigned char>& file);
FormatError decodeTransferFile(const std::vector<unsigned char>& file, TransferData& data,
                               uint32_t* formatVersion = nullptr);

FormatError readTransferFile(const std::string& path, TransferData& data,
                             uint32_t* formatVersion = nullptr);
FormatError writeTransferFile(const std::string& path, const TransferData& data);

} // namespace loaddata
