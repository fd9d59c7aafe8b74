#include "loaddata/ProjectLookup.h"

#include "loaddata/SuiteEnvironment.h"

#include <map>

namespace loaddata
{

namespace
{

struct CachedPlan {
    FileStamp stamp;
    std::shared_ptr<const PlanFile> plan;
};

// A few projects are open at a time (the current one, the FEM project, tests' copies).
constexpr std::size_t kCachedPlans = 8;

std::map<std::string, CachedPlan>& planCache()
{
    static std::map<std::string, CachedPlan> cache;
    return cache;
}

bool sameStamp(const FileStamp& a, const FileStamp& b)
{
    return a.exists == b.exists && a.modified == b.modified && a.size == b.size;
}

std::string trimmed(const std::string& text)
{
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

} // namespace

LookupError planOf(const std::string& directory, std::shared_ptr<const PlanFile>& plan)
{
    const std::string path = directory + kPlanFileName;
    const FileStamp stamp = fileStamp(path);
    if (!stamp.exists)
        return LookupError::NoPlan;
    auto& cache = planCache();
    const auto cached = cache.find(path);
    if (cached != cache.end() && sameStamp(cached->second.stamp, stamp)) {
        plan = cached->second.plan;
        return LookupError::None;
    }
    auto fresh = std::make_shared<PlanFile>();
    const FormatError error = readPlanFile(path, *fresh);
    if (error != FormatError::None)
        return error == FormatError::Missing ? LookupError::NoPlan : LookupError::PlanDamaged;
    if (cache.size() >= kCachedPlans)
        cache.clear();
    cache[path] = CachedPlan{stamp, fresh};
    plan = fresh;
    return LookupError::None;
}

LookupError findLoadFile(const std::string& directory, ProjectKind kind, const std::string& name,
                         std::string& loadFile)
{
    std::shared_ptr<const PlanFile> plan;
    const LookupError error = planOf(directory, plan);
    if (error != LookupError::None)
        return error;
    const std::string wanted = trimmed(name);
    for (std::size_t k = 0; k < plan->records.size(); ++k) {
        const PlanRecord& record = plan->records[k];
        if (record.name.empty() || record.name != wanted)
            continue;
        std::string found;
        if (!findFirstFile(directory, loadFilePattern(kind, record, k), found))
            return LookupError::NoLoadFile;
        loadFile = directory + found;
        return LookupError::None;
    }
    return LookupError::NotListed;
}

LookupError findListedPosition(const std::string& file, ListedPosition& position)
{
    const std::string name = fileNameOf(file);
    if (!projectKindOf(name, position.kind))
        return LookupError::BadFileName;
    position.directory = directoryOf(file);
    const LookupError error = planOf(position.directory, position.plan);
    if (error != LookupError::None)
        return error;
    for (std::size_t k = 0; k < position.plan->records.size(); ++k) {
        if (namesPosition(name, position.plan->records[k], k)) {
            position.index = k;
            return LookupError::None;
        }
    }
    return LookupError::NotListed;
}

} // namespace loaddata
