#include "tools/kvdata/StalenessReport.h"

#include "loaddata/ProjectStaleness.h"
#include "tools/kvdata/DumpWriter.h"

#include <algorithm>
#include <cstdio>

namespace kvdata
{

namespace
{

using loaddata::TransferState;

// The state as one word, for JSON (in the order of TransferState).
const char* stateWord(TransferState state)
{
    static const char* const words[] = {"current",          "stale",          "no-longer-fits",
                                        "source-missing",   "source-damaged", "transfers-damaged",
                                        "load-data-damaged"};
    return words[static_cast<int>(state)];
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

void writeText(const std::string& folder, const loaddata::ProjectStaleness& checked,
               std::ostream& out)
{
    int stale = 0, faults = 0;
    for (const loaddata::TransferStatus& t : checked.transfers) {
        if (t.state == TransferState::Current)
            continue;
        const bool isStale = loaddata::isStale(t.state);
        (isStale ? stale : faults) += 1;
        out << (isStale ? "STALE    " : "FAULT    ") << t.receiver;
        if (t.transferNumber != 0 || !t.source.empty())
            out << ", transfer " << t.transferNumber << " from " << t.source;
        out << ": " << loaddata::describeTransferState(t.state);
        if (t.error != loaddata::FormatError::None)
            out << " (" << loaddata::describe(t.error) << ")";
        if (t.state == TransferState::Stale)
            out << ", largest change " << number(t.largestChange);
        out << "\n";
    }
    for (const auto& cycle : checked.cycles) {
        out << "CYCLE    ";
        for (std::size_t k = 0; k < cycle.size(); ++k)
            out << (k > 0 ? " -> " : "") << cycle[k];
        out << "\n";
    }
    for (std::size_t k = 0; k < checked.order.size(); ++k)
        out << "ORDER    " << k + 1 << ". " << checked.order[k] << "\n";
    for (const std::string& file : checked.blocked)
        out << "BLOCKED  " << file << ": fed through a cycle\n";
    out << folder << ": " << checked.transfers.size() << " transfer(s) checked, " << stale
        << " stale, " << faults << " fault(s), " << checked.cycles.size() << " cycle(s); "
        << checked.order.size() << " position(s) to recalculate\n";
}

void writeJson(const std::string& folder, const loaddata::ProjectStaleness& checked,
               std::ostream& out)
{
    DumpWriter json(out, true);
    json.beginObject();
    json.field("project", folder);
    json.field("clean", checked.clean());
    json.beginArray("transfers");
    for (const loaddata::TransferStatus& t : checked.transfers) {
        json.beginObject();
        json.field("receiver", t.receiver);
        json.field("source", t.source);
        json.field("transferNumber", t.transferNumber);
        json.field("state", stateWord(t.state));
        json.field("stale", loaddata::isStale(t.state));
        json.field("largestChange", t.largestChange);
        if (t.error != loaddata::FormatError::None)
            json.field("error", loaddata::describe(t.error));
        json.endObject();
    }
    json.endArray();
    const auto list = [&json](const char* name, const std::vector<std::string>& files) {
        json.beginArray(name);
        for (const std::string& file : files)
            json.field("", file);
        json.endArray();
    };
    list("order", checked.order);
    list("blocked", checked.blocked);
    json.beginArray("cycles");
    for (const auto& cycle : checked.cycles)
        list("", cycle);
    json.endArray();
    json.endObject();
    json.finish();
}

} // namespace

int reportStaleness(const std::string& folder, bool json, std::ostream& out)
{
    loaddata::ProjectStaleness checked;
    loaddata::FormatError planError = loaddata::FormatError::None;
    if (!loaddata::checkProjectStaleness(folder, checked, planError)) {
        std::fprintf(stderr, "kvdata: %s: the plan file cannot be read: %s\n", folder.c_str(),
                     loaddata::describe(planError));
        return kStaleError;
    }
    (json ? writeJson : writeText)(folder, checked, out);
    return checked.clean() ? kStaleNone : kStaleFound;
}

} // namespace kvdata
