#include "page/TreeSources.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "page/TransferReading.h"

#include <map>
#include <optional>
#include <string>

namespace
{
// The sources read in the running activation, by transfer file; empty outside one.
std::optional<std::map<std::string, std::vector<TreeSource>>> g_cache;

// A position's transfer file, whichever of its files names it.
std::string TransferFileOf(const CString& strFile)
{
    char transferFile[260] = "";
    return LoadDataSucceeded(ChangeExtension(strFile, transferFile)) ? transferFile
                                                                     : strFile.GetString();
}

std::vector<TreeSource> ReadFromFile(const CString& strFile)
{
    std::vector<TreeSource> sources;
    int nIncoming = 0;
    int nHeaders = 0;
    if (!LoadDataSucceeded(OpenTransferFile(strFile, nIncoming, nHeaders)))
        return sources;
    for (int h = 0; h < nHeaders; ++h) {
        char header[264] = "";
        int nTransfer = 0;
        ReadTransferHeader(header, nTransfer);
        char childFile[260] = "";
        if (!LoadDataSucceeded(ChangeExtension(header, childFile)))
            continue;
        char name[260] = "", programCode[6] = "", field21[21] = "", field76[76] = "";
        if (Get_Position_Name(childFile, name, programCode, field21, field76) <= 0)
            continue;
        sources.push_back({childFile, name, nTransfer});
    }
    // The reader holds one transfer file: released before any other file is opened.
    LoadBindFree();
    return sources;
}
} // namespace

std::vector<TreeSource> ReadTreeSources(const CString& strFile)
{
    if (!g_cache)
        return ReadFromFile(strFile);
    const std::string key = TransferFileOf(strFile);
    auto found = g_cache->find(key);
    if (found == g_cache->end())
        found = g_cache->emplace(key, ReadFromFile(strFile)).first;
    return found->second;
}

TreeSourceCache::TreeSourceCache()
{
    g_cache.emplace();
}

TreeSourceCache::~TreeSourceCache()
{
    g_cache.reset();
}
