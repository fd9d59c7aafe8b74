#include "loaddata/TransferSources.h"

#include "loaddata/PositionFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferFile.h"

#include <unordered_map>

namespace loaddata
{

namespace
{

constexpr std::size_t kKeptFiles = 1 << 16;

struct Sources {
    FormatError error = FormatError::None;
    std::vector<std::string> paths;
};

template <class Fact> struct Kept {
    FileStamp stamp;
    Fact fact;
};

// The fact read from a file, read again only when the file has changed; read(exists) is
// told whether the file exists.
template <class Fact, class Read>
const Fact& remembered(std::unordered_map<std::string, Kept<Fact>>& kept, const std::string& path,
                       Read read)
{
    const FileStamp stamp = fileStamp(path);
    const auto found = kept.find(path);
    if (found != kept.end() && sameStamp(found->second.stamp, stamp))
        return found->second.fact;
    if (kept.size() >= kKeptFiles)
        kept.clear();
    Kept<Fact>& entry = kept[path];
    entry = Kept<Fact>{stamp, read(stamp.exists)};
    return entry.fact;
}

} // namespace

bool isReadableLoadFile(const std::string& loadFile)
{
    static std::unordered_map<std::string, Kept<bool>> kept;
    return remembered(kept, loadFile, [&loadFile](bool exists) {
        PositionLoadData data;
        return exists && readPositionFile(loadFile, data) == FormatError::None;
    });
}

FormatError readTransferSources(const std::string& transferFile, std::vector<std::string>& sources)
{
    static std::unordered_map<std::string, Kept<Sources>> kept;
    const Sources& read = remembered(kept, transferFile, [&transferFile](bool exists) {
        // Looking for a file that is not there again costs as much as stamping it did.
        TransferData data;
        Sources found;
        found.error = exists ? readTransferFile(transferFile, data) : FormatError::Missing;
        for (const TransferHeader& header : data.headers)
            found.paths.push_back(header.sourcePath);
        return found;
    });
    sources = read.paths;
    return read.error;
}

} // namespace loaddata
