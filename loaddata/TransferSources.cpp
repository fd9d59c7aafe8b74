#include "loaddata/TransferSources.h"

#include "loaddata/PositionFile.h"
#include "loaddata/TransferFile.h"

namespace loaddata
{

bool isReadableLoadFile(const std::string& loadFile)
{
    PositionLoadData data;
    return readPositionFile(loadFile, data) == FormatError::None;
}

FormatError readTransferSources(const std::string& transferFile, std::vector<std::string>& sources)
{
    TransferData data;
    const FormatError error = readTransferFile(transferFile, data);
    sources.clear();
    for (const TransferHeader& header : data.headers)
        sources.push_back(header.sourcePath);
    return error;
}

} // namespace loaddata
