#include "loaddata/CheckedTrees.h"

#include "loaddata/FileIo.h"
#include "loaddata/SuiteEnvironment.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace loaddata
{

namespace
{

constexpr std::size_t kKeptChecks = 1 << 16;

struct InOrder {
    std::vector<std::pair<std::string, FileStamp>> folders;
    unsigned saves; // the process's save count when it was checked
};

std::unordered_map<std::string, InOrder>& checked()
{
    static std::unordered_map<std::string, InOrder> kept;
    return kept;
}

} // namespace

bool checkedInOrder(const std::string& key, std::set<std::string>& folders)
{
    const auto found = checked().find(key);
    if (found == checked().end() || found->second.saves != saveCount())
        return false;
    for (const auto& [folder, stamp] : found->second.folders) {
        const FileStamp now = folderStamp(folder);
        if (!now.exists || !sameStamp(now, stamp))
            return false;
    }
    for (const auto& folder : found->second.folders)
        folders.insert(folder.first);
    return true;
}

void rememberInOrder(const std::string& key, const std::set<std::string>& folders)
{
    if (checked().size() >= kKeptChecks)
        checked().clear();
    InOrder entry{{}, saveCount()};
    for (const std::string& folder : folders)
        entry.folders.emplace_back(folder, folderStamp(folder));
    checked()[key] = std::move(entry);
}

} // namespace loaddata
