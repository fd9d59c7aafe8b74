#include "loaddata/ProjectLookup.h"

#include "loaddata/FileIo.h"
#include "loaddata/FolderListing.h"
#include "loaddata/SuiteEnvironment.h"

#include <map>

namespace loaddata
{

namespace
{

struct CachedPlan {
    FileStamp stamp;
    unsigned saves; // the process's save count when it was read
    std::shared_ptr<const ProjectPlan> plan;
};

// The first file of a folder that matches a pattern, by folder and pattern.
struct FoundFile {
    FileStamp folder; // when it was looked for
    unsigned saves;
    bool found;
    std::string name;
};

// A folder's entries, by folder.
struct KeptListing {
    FileStamp folder; // when it was listed
    unsigned saves;
    std::vector<FolderEntry> entries;
};

// A few projects are open at a time (the current one, the FEM project, tests' copies).
constexpr std::size_t kCachedPlans = 8;
constexpr std::size_t kKeptSearches = 1 << 16;

std::map<std::string, CachedPlan>& planCache()
{
    static std::map<std::string, CachedPlan> cache;
    return cache;
}

// The folder's entries, listed again only when it has changed (a file created, deleted or
// renamed in it changes its stamp).
const std::vector<FolderEntry>& keptListing(const std::string& directory, const FileStamp& folder)
{
    static std::map<std::string, KeptListing> kept;
    if (kept.size() >= kCachedPlans)
        kept.clear();
    KeptListing& listing = kept[directory];
    if (!folder.exists || !sameStamp(listing.folder, folder) || listing.saves != saveCount()) {
        listing.entries = listFolder(directory);
        listing.folder = folder;
        listing.saves = saveCount();
    }
    return listing.entries;
}

// findFirstFile, answered from the search made before while the folder is unchanged, and
// otherwise from one listing of the folder: a search looks through the whole folder, and
// the editor looks up every source position's file.
bool findFirstFileKept(const std::string& directory, const std::string& pattern, std::string& name)
{
    static std::map<std::string, FoundFile> kept;
    if (kept.size() >= kKeptSearches)
        kept.clear();
    const FileStamp folder = folderStamp(directory.empty() ? "." : directory);
    FoundFile& entry = kept[directory + '\n' + pattern];
    if (!folder.exists || !sameStamp(entry.folder, folder) || entry.saves != saveCount()) {
        entry.found = false;
        for (const FolderEntry& file : keptListing(directory, folder)) {
            if (matchesPattern(pattern, file)) {
                entry.found = true;
                entry.name = file.name;
                break;
            }
        }
        entry.folder = folder;
        entry.saves = saveCount();
    }
    name = entry.name;
    return entry.found;
}

std::string trimmed(const std::string& text)
{
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

} // namespace

ProjectPlan::ProjectPlan(PlanFile planFile) : file(std::move(planFile))
{
    for (std::size_t k = 0; k < file.records.size(); ++k) {
        const PlanRecord& record = file.records[k];
        if (record.name.empty())
            continue;
        byName.emplace(record.name, k);
        for (ProjectKind kind : {ProjectKind::Current, ProjectKind::Fem})
            byFileNumber[static_cast<int>(kind)][fileNumberOf(kind, record, k)].push_back(k);
    }
}

LookupError planOf(const std::string& directory, std::shared_ptr<const ProjectPlan>& plan)
{
    const std::string path = directory + kPlanFileName;
    const FileStamp stamp = fileStamp(path);
    if (!stamp.exists)
        return LookupError::NoPlan;
    auto& cache = planCache();
    const auto cached = cache.find(path);
    if (cached != cache.end() && sameStamp(cached->second.stamp, stamp) &&
        cached->second.saves == saveCount()) {
        plan = cached->second.plan;
        return LookupError::None;
    }
    PlanFile file;
    const FormatError error = readPlanFile(path, file);
    if (error != FormatError::None)
        return error == FormatError::Missing ? LookupError::NoPlan : LookupError::PlanDamaged;
    auto fresh = std::make_shared<const ProjectPlan>(std::move(file));
    if (cache.size() >= kCachedPlans)
        cache.clear();
    cache[path] = CachedPlan{stamp, saveCount(), fresh};
    plan = fresh;
    return LookupError::None;
}

LookupError findLoadFile(const std::string& directory, ProjectKind kind, const std::string& name,
                         std::string& loadFile)
{
    std::shared_ptr<const ProjectPlan> plan;
    const LookupError error = planOf(directory, plan);
    if (error != LookupError::None)
        return error;
    const auto listed = plan->byName.find(trimmed(name));
    if (listed == plan->byName.end())
        return LookupError::NotListed;
    const std::size_t k = listed->second;
    std::string found;
    if (!findFirstFileKept(directory, loadFilePattern(kind, plan->file.records[k], k), found))
        return LookupError::NoLoadFile;
    loadFile = directory + found;
    return LookupError::None;
}

LookupError findListedPosition(const std::string& file, ListedPosition& position)
{
    const std::string name = fileNameOf(file);
    std::string number;
    if (!fileNumberOf(name, position.kind, number))
        return LookupError::BadFileName;
    position.directory = directoryOf(file);
    const LookupError error = planOf(position.directory, position.plan);
    if (error != LookupError::None)
        return error;
    const auto& index = position.plan->byFileNumber[static_cast<int>(position.kind)];
    const auto candidates = index.find(number);
    if (candidates == index.end())
        return LookupError::NotListed;
    for (std::size_t k : candidates->second) {
        if (namesPosition(name, position.plan->file.records[k], k)) {
            position.index = k;
            return LookupError::None;
        }
    }
    return LookupError::NotListed;
}

} // namespace loaddata
