#include "page/TreeSources.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "page/LoadText.h"
#include "page/TransferReading.h"

#include <map>
#include <optional>
#include <string>

namespace
{
// While a tree is built: the sources read, by transfer file, and the position names looked
// up, by a source's transfer file (empty when there is none); nothing outside.
struct Cache {
    std::map<std::string, std::vector<TreeSource>> sources;
    std::map<std::string, std::string> names;
};
std::optional<Cache> g_cache;

// A position's transfer file, whichever of its files names it.
std::string TransferFileOf(const CString& strFile)
{
    char transferFile[260] = "";
    return LoadDataSucceeded(ChangeExtension(strFile, transferFile)) ? transferFile
                                                                     : strFile.GetString();
}

// A position's name; each position feeds several others, so it is looked up once.
const std::string& PositionName(const char* childFile)
{
    const auto [found, added] = g_cache->names.try_emplace(childFile);
    if (added) {
        char name[260] = "", programCode[6] = "", field21[21] = "", field76[76] = "";
        if (Get_Position_Name(childFile, name, programCode, field21, field76) > 0)
            found->second = name;
    }
    return found->second;
}

// The tree item's text: the source's name and its transfer number, cut to the name
// buffer's 259 characters.
CString ChildText(const char* name, int transferNumber)
{
    return (CString(name) + " - " + TransferLabel(transferNumber)).Left(259);
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
        const std::string& name = PositionName(childFile);
        if (name.empty())
            continue;
        sources.push_back(
            {childFile, ChildText(name.c_str(), nTransfer), PositionKey(childFile), nTransfer});
    }
    // The reader holds one transfer file: released before any other file is opened.
    LoadBindFree();
    return sources;
}
} // namespace

CString PositionKey(const CString& strFile)
{
    const int dot = strFile.ReverseFind('.');
    return dot > 0 ? strFile.Left(dot).MakeUpper() : CString();
}

const std::vector<TreeSource>& ReadTreeSources(const CString& strFile)
{
    const std::string key = TransferFileOf(strFile);
    auto found = g_cache->sources.find(key);
    if (found == g_cache->sources.end())
        found = g_cache->sources.emplace(key, ReadFromFile(strFile)).first;
    return found->second;
}

const std::vector<TreeSource>& SourcesOf(const TreeSource& source)
{
    if (source.pSources == nullptr)
        source.pSources = &ReadTreeSources(source.strFile);
    return *source.pSources;
}

TreeSourceCache::TreeSourceCache() : m_bOwner(!g_cache)
{
    if (m_bOwner)
        g_cache.emplace();
}

TreeSourceCache::~TreeSourceCache()
{
    if (m_bOwner)
        g_cache.reset();
}
