// The position load file (.017): a position's load data in the library's file frame
// (FileEnvelope.h), magic "LDPF". Byte layout in docs/loaddata-formats.md.
#pragma once

#include "loaddata/FileEnvelope.h"
#include "loaddata/FormatError.h"
#include "loaddata/PositionLoadData.h"

#include <string>
#include <vector>

namespace loaddata
{

extern const FileKind kPositionFileKind;

// InvalidData when the data breaks the format's limits or is inconsistent (reactions not
// supports x loads, pieces not components x piecesPerComponent).
FormatError encodePositionFile(const PositionLoadData& data, std::vector<unsigned char>& file);
FormatError decodePositionFile(const std::vector<unsigned char>& file, PositionLoadData& data,
                               uint32_t* formatVersion = nullptr);

FormatError readPositionFile(const std::string& path, PositionLoadData& data,
                             uint32_t* formatVersion = nullptr);
FormatError writePositionFile(const std::string& path, const PositionLoadData& data);

} // namespace loaddata
