#include "loaddata/ProjectStaleness.h"

#include "loaddata/PlanFile.h"
#include "loaddata/PositionFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/RecalculationOrder.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>

namespace loaddata
{

namespace
{

// "Exactly as stored": the same eight bytes.
bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Comparison {
    TransferState state = TransferState::Current;
    double largestChange = 0.0;

    void differ(double stored, double now)
    {
        if (state == TransferState::Current)
            state = TransferState::Stale;
        if (std::isfinite(stored) && std::isfinite(now))
            largestChange = std::max(largestChange, std::fabs(stored - now));
    }
    void compare(double stored, double now)
    {
        if (!sameBits(stored, now))
            differ(stored, now);
    }
};

bool fits(const BindRecord& r, const PositionLoadData& source)
{
    return r.supportCount == static_cast<int32_t>(source.supports.size()) &&
           r.loadCount == static_cast<int32_t>(source.loads.size()) && r.supportIndex >= 0 &&
           r.supportIndex < r.supportCount && r.loadIndex >= 0 && r.loadIndex < r.loadCount &&
           r.componentIndex >= 0 &&
           r.componentCount ==
               static_cast<int32_t>(
                   source.reaction(r.supportIndex, r.loadIndex).components.size()) &&
           r.componentIndex < r.componentCount;
}

// One record against the source's reaction, as the editor would store it today: the point
// value (0 for a distributed reaction) and the component's trapezoid pieces.
void compareRecord(const TransferRecord& record, const PositionLoadData& source, Comparison& result)
{
    const BindRecord& r = record.fields;
    if (!fits(r, source)) {
        result.state = TransferState::NoLongerFits;
        return;
    }
    const Reaction& reaction = source.reaction(r.supportIndex, r.loadIndex);
    const ReactionComponent& component = reaction.components[r.componentIndex];
    result.compare(r.value, reaction.distributed ? 0.0 : component.value);
    if ((r.distributed != 0) != (reaction.distributed != 0))
        result.differ(r.value, component.value);
    const std::size_t count = static_cast<std::size_t>(reaction.piecesPerComponent);
    const TrapezoidPiece* now =
        reaction.pieces.data() + static_cast<std::size_t>(r.componentIndex) * count;
    if (record.trapezoids.size() != count) {
        for (std::size_t k = 0; k < count; ++k)
            result.differ(0.0, std::max(std::fabs(now[k].q1), std::fabs(now[k].q2)));
        for (const TrapezoidPiece& piece : record.trapezoids)
            result.differ(0.0, std::max(std::fabs(piece.q1), std::fabs(piece.q2)));
        return;
    }
    for (std::size_t k = 0; k < count; ++k) {
        const TrapezoidPiece& stored = record.trapezoids[k];
        result.compare(stored.q1, now[k].q1);
        result.compare(stored.q2, now[k].q2);
        if (stored.kind != now[k].kind || !sameBits(stored.x1, now[k].x1) ||
            !sameBits(stored.x2, now[k].x2))
            result.differ(0.0, 0.0);
    }
}

std::string pathKey(const std::string& path)
{
    std::string key(path);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

class ProjectCheck
{
  public:
    explicit ProjectCheck(ProjectStaleness& result) : m_result(result) {}

    void checkPosition(const std::string& loadFile)
    {
        const std::size_t receiver = node(loadFile);
        PositionLoadData own;
        const FormatError ownError = readPositionFile(loadFile, own);
        if (ownError != FormatError::None)
            note(loadFile, "", 0, TransferState::LoadDataDamaged, ownError);
        std::string transferFile;
        transferFileOf(loadFile, transferFile);
        TransferData data;
        const FormatError error = readTransferFile(transferFile, data);
        if (error == FormatError::Missing)
            return;
        if (error != FormatError::None) {
            note(transferFile, "", 0, TransferState::TransfersDamaged, error);
            return;
        }
        for (const TransferHeader& header : data.headers) {
            m_graph.feeds[node(header.sourcePath)].push_back(receiver);
            const TransferStatus& status = checkTransfer(loadFile, header, data.records);
            if (isStale(status.state))
                m_changed.push_back(receiver);
        }
    }

    void finish()
    {
        for (const std::vector<std::size_t>& cycle : cyclesOf(m_graph))
            m_result.cycles.push_back(files(cycle));
        std::vector<std::size_t> order, blocked;
        recalculationOrder(m_graph, m_changed, order, blocked);
        m_result.order = files(order);
        m_result.blocked = files(blocked);
    }

  private:
    const TransferStatus& checkTransfer(const std::string& receiver, const TransferHeader& header,
                                        const std::vector<TransferRecord>& records)
    {
        const auto [error, source] = sourceData(header.sourcePath);
        if (error != FormatError::None) {
            const TransferState state = error == FormatError::Missing
                                            ? TransferState::SourceMissing
                                            : TransferState::SourceDamaged;
            return note(receiver, header.sourcePath, header.transferNumber, state, error);
        }
        Comparison comparison;
        for (const TransferRecord& record : records)
            if (record.fields.transferNumber == header.transferNumber)
                compareRecord(record, *source, comparison);
        TransferStatus& status = note(receiver, header.sourcePath, header.transferNumber,
                                      comparison.state, FormatError::None);
        status.largestChange = comparison.largestChange;
        return status;
    }

    TransferStatus& note(const std::string& receiver, const std::string& source, int32_t number,
                         TransferState state, FormatError error)
    {
        m_result.transfers.push_back(TransferStatus{receiver, source, number, state, 0.0, error});
        return m_result.transfers.back();
    }

    // A source's load data, read once per check.
    std::pair<FormatError, const PositionLoadData*> sourceData(const std::string& path)
    {
        auto found = m_sources.find(pathKey(path));
        if (found == m_sources.end()) {
            Source source;
            source.error = readPositionFile(path, source.data);
            found = m_sources.emplace(pathKey(path), std::move(source)).first;
        }
        return {found->second.error, &found->second.data};
    }

    std::size_t node(const std::string& file)
    {
        std::string loadFile;
        if (!loadFileOf(file, loadFile))
            loadFile = file;
        const auto [found, added] = m_nodes.emplace(pathKey(loadFile), m_files.size());
        if (added) {
            m_files.push_back(loadFile);
            m_graph.feeds.emplace_back();
        }
        return found->second;
    }

    std::vector<std::string> files(const std::vector<std::size_t>& nodes) const
    {
        std::vector<std::string> result;
        for (std::size_t n : nodes)
            result.push_back(m_files[n]);
        return result;
    }

    struct Source {
        FormatError error = FormatError::None;
        PositionLoadData data;
    };

    ProjectStaleness& m_result;
    FeedGraph m_graph;
    std::map<std::string, std::size_t> m_nodes; // by path key
    std::vector<std::string> m_files;
    std::vector<std::size_t> m_changed;
    std::map<std::string, Source> m_sources;
};

std::string withSeparator(const std::string& directory)
{
    if (directory.empty() || directory.back() == '\\' || directory.back() == '/')
        return directory;
    return directory + kPathSeparator;
}

} // namespace

bool ProjectStaleness::clean() const
{
    return cycles.empty() && std::all_of(transfers.begin(), transfers.end(), [](const auto& t) {
               return t.state == TransferState::Current;
           });
}

bool isStale(TransferState state)
{
    return state == TransferState::Stale || state == TransferState::NoLongerFits;
}

bool checkProjectStaleness(const std::string& directory, ProjectStaleness& result,
                           FormatError& planError)
{
    result = ProjectStaleness();
    const std::string folder = withSeparator(directory);
    PlanFile plan;
    planError = readPlanFile(folder + kPlanFileName, plan);
    if (planError != FormatError::None)
        return false;
    ProjectCheck check(result);
    for (std::size_t k = 0; k < plan.records.size(); ++k) {
        std::string found;
        if (!plan.records[k].name.empty() &&
            findFirstFile(folder, loadFilePattern(ProjectKind::Current, plan.records[k], k), found))
            check.checkPosition(folder + found);
    }
    check.finish();
    return true;
}

const char* describeTransferState(TransferState state)
{
    switch (state) {
    case TransferState::Current:
        return "current";
    case TransferState::Stale:
        return "stale: the source's reactions have changed";
    case TransferState::NoLongerFits:
        return "stale: the source has other supports, loads or components now";
    case TransferState::SourceMissing:
        return "the source's load file is missing";
    case TransferState::SourceDamaged:
        return "the source's load file cannot be read";
    case TransferState::TransfersDamaged:
        return "the transfer file cannot be read";
    case TransferState::LoadDataDamaged:
        return "the load file cannot be read";
    }
    return "unknown state";
}

} // namespace loaddata
