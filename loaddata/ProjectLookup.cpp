#include "loaddata/ProjectLookup.h"

#include "loaddata/SuiteEnvironment.h"

#include <map>

namespace loaddata
{

namespace
{

struct CachedPlan {
    FileStamp stamp;
    std::shared_ptr<const ProjectPlan> plan;
};

// A few projects are open at a time (the current one, the FEM project, tests' copies).
constexpr std::size_t kCachedPlans = 8;

std::map<std::string, CachedPlan>& planCache()
{
    static std::map<std::string, CachedPlan> cache;
    return cache;
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
    if (cached != cache.end() && sameStamp(cached->second.stamp, stamp)) {
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
    cache[path] = CachedPlan{stamp, fresh};
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
    if (!findFirstFile(directory, loadFilePattern(kind, plan->file.records[k], k), found))
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
