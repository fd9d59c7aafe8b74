#include "host/Calculation.h"

#include "host/DesignInput.h"
#include "loaddata/PositionFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferFile.h"

namespace host
{

namespace
{

// Own loads and the vertical component (listed first) of every transferred reaction, by
// the own load each transfer record names.
bool loadCases(const std::string& loadFile, const DesignInput& input, std::vector<LoadCase>& cases,
               std::string& error)
{
    cases.assign(input.ownLoads.size(), LoadCase());
    for (std::size_t k = 0; k < cases.size(); ++k)
        cases[k].lineLoad = input.ownLoads[k];
    std::string transferFile;
    loaddata::transferFileOf(loadFile, transferFile);
    loaddata::TransferData transfers;
    const loaddata::FormatError read = loaddata::readTransferFile(transferFile, transfers);
    if (read == loaddata::FormatError::Missing)
        return true;
    if (read != loaddata::FormatError::None) {
        error = transferFile + ": " + loaddata::describe(read);
        return false;
    }
    for (const loaddata::TransferRecord& record : transfers.records) {
        const BindRecord& r = record.fields;
        if (r.componentIndex != 0 || r.ownLoad < 0 ||
            static_cast<std::size_t>(r.ownLoad) >= cases.size())
            continue;
        cases[r.ownLoad].forces.push_back(transferredForce(
            r.value, r.distributed != 0, record.trapezoids, r.factor, r.placement));
    }
    return true;
}

// A support's place along the axis: its first node.
std::vector<double> supportPlaces(const loaddata::PositionLoadData& data)
{
    std::vector<double> x(data.supports.size(), 0.0);
    for (std::size_t s = 0; s < x.size() && !data.loads.empty(); ++s)
        if (!data.reaction(s, 0).nodes.empty())
            x[s] = data.reaction(s, 0).nodes[0].x;
    return x;
}

// New values for a reaction; a distributed one keeps the shape of its pieces.
void setReaction(loaddata::Reaction& reaction, const std::string& load,
                 const SupportReaction& computed)
{
    const std::size_t perComponent = static_cast<std::size_t>(reaction.piecesPerComponent);
    for (std::size_t c = 0; c < reaction.components.size(); ++c) {
        loaddata::ReactionComponent& component = reaction.components[c];
        const double value = componentValue(component.name, load, computed);
        TrapezoidPiece* pieces = reaction.pieces.data() + c * perComponent;
        if (reaction.distributed && value != component.value) {
            const std::vector<TrapezoidPiece> old(pieces, pieces + perComponent);
            const double scale = component.value == 0.0 ? 0.0 : value / component.value;
            double extent = 0.0;
            for (const TrapezoidPiece& p : old)
                extent += p.x2 - p.x1;
            for (std::size_t k = 0; k < perComponent; ++k) {
                const double uniform = extent > 0.0 ? value / extent : 0.0;
                pieces[k].q1 = scale != 0.0 ? old[k].q1 * scale : uniform;
                pieces[k].q2 = scale != 0.0 ? old[k].q2 * scale : uniform;
            }
        }
        component.value = value;
    }
}

} // namespace

bool calculatePosition(const std::string& loadFile, std::string& error)
{
    DesignInput input;
    if (!readDesignInput(loadFile, input)) {
        error = "no design input in " + loaddata::directoryOf(loadFile) + kDesignInputFile;
        return false;
    }
    loaddata::PositionLoadData data;
    const loaddata::FormatError read = loaddata::readPositionFile(loadFile, data);
    if (read != loaddata::FormatError::None) {
        error = loadFile + ": " + loaddata::describe(read);
        return false;
    }
    if (input.ownLoads.size() != data.loads.size()) {
        error = "the design input has other load cases than " + loadFile;
        return false;
    }
    std::vector<LoadCase> cases;
    if (!loadCases(loadFile, input, cases, error))
        return false;
    const std::vector<double> places = supportPlaces(data);
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const std::vector<SupportReaction> computed =
            supportReactions(input.system, places, input.length, cases[k]);
        if (computed.size() != places.size()) {
            error = "the static system does not fit the supports of " + loadFile;
            return false;
        }
        for (std::size_t s = 0; s < places.size(); ++s)
            setReaction(data.reaction(s, k), data.loads[k], computed[s]);
    }
    data.dataWord = 1; // computed results
    const loaddata::FormatError written = loaddata::writePositionFile(loadFile, data);
    if (written != loaddata::FormatError::None) {
        error = loadFile + ": " + loaddata::describe(written);
        return false;
    }
    return true;
}

} // namespace host
