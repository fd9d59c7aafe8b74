#include "host/Statics.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace host
{

namespace
{

// The bearing's eccentricity that moments of spans and columns are taken with.
constexpr double kEccentricityPerLength = 0.1;

// A force on a chain of single spans: it goes to the two supports of the span it stands
// in by the lever rule; beyond the end supports, to those of the end span (an overhang).
void addToSpans(const std::vector<double>& x, const PointForce& f,
                std::vector<SupportReaction>& reactions)
{
    std::size_t a = 0;
    while (a + 2 < x.size() && f.x > x[a + 1])
        ++a;
    const double span = x[a + 1] - x[a];
    if (span <= 0.0) {
        reactions[a].vertical += f.force;
        return;
    }
    reactions[a].vertical += f.force * (x[a + 1] - f.x) / span;
    reactions[a + 1].vertical += f.force * (f.x - x[a]) / span;
}

// The own line load over [0, length] as one resultant per stretch between supports.
std::vector<PointForce> lineLoadPieces(const std::vector<double>& x, double length, double q)
{
    std::vector<double> cuts{0.0};
    for (double at : x)
        if (at > 0.0 && at < length)
            cuts.push_back(at);
    cuts.push_back(length);
    std::vector<PointForce> pieces;
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k)
        pieces.push_back({(cuts[k] + cuts[k + 1]) / 2, q * (cuts[k + 1] - cuts[k])});
    return pieces;
}

} // namespace

std::vector<SupportReaction> supportReactions(StaticSystem system,
                                              const std::vector<double>& supportX, double length,
                                              const LoadCase& loads)
{
    const bool span = system == StaticSystem::Span;
    if (span ? supportX.size() < 2 : supportX.size() != 1)
        return {};
    // Spans run between neighbouring supports, whatever order the supports are listed in.
    std::vector<std::size_t> byX(supportX.size());
    std::iota(byX.begin(), byX.end(), 0);
    std::stable_sort(byX.begin(), byX.end(),
                     [&](std::size_t a, std::size_t b) { return supportX[a] < supportX[b]; });
    std::vector<double> x;
    for (std::size_t s : byX)
        x.push_back(supportX[s]);
    std::vector<SupportReaction> sorted(x.size());
    std::vector<PointForce> forces = lineLoadPieces(x, length, loads.lineLoad);
    forces.insert(forces.end(), loads.forces.begin(), loads.forces.end());
    for (const PointForce& f : forces) {
        if (span) {
            addToSpans(x, f, sorted);
        } else {
            sorted[0].vertical += f.force;
            sorted[0].moment += f.force * (f.x - x[0]);
        }
    }
    std::vector<SupportReaction> reactions(x.size());
    for (std::size_t k = 0; k < x.size(); ++k) {
        reactions[byX[k]] = sorted[k];
        if (system != StaticSystem::Cantilever)
            reactions[byX[k]].moment = sorted[k].vertical * kEccentricityPerLength * length;
    }
    return reactions;
}

double componentValue(const std::string& component, const std::string& load,
                      const SupportReaction& reaction)
{
    if (component.size() > 1 && component[1] == 'z')
        return reaction.vertical;
    if (!component.empty() && component[0] == 'M')
        return reaction.moment;
    return (!load.empty() && load[0] == 'W' ? 0.25 : 0.02) * reaction.vertical;
}

PointForce transferredForce(double value, bool distributed,
                            const std::vector<TrapezoidPiece>& pieces, double factor,
                            const double placement[3][3])
{
    const double origin = placement[0][0];
    if (!distributed)
        return {origin, value * factor};
    // The pieces lie along the source's axis from the origin; their centroid carries it.
    double total = 0.0, moment = 0.0;
    for (const TrapezoidPiece& p : pieces) {
        const double area = (p.q1 + p.q2) / 2 * (p.x2 - p.x1);
        const double centroid =
            p.q1 + p.q2 == 0.0 ? (p.x1 + p.x2) / 2
                               : p.x1 + (p.x2 - p.x1) * (p.q1 + 2 * p.q2) / (3 * (p.q1 + p.q2));
        total += area;
        moment += area * centroid;
    }
    const double along = total == 0.0 ? 0.0 : moment / total;
    return {origin + (placement[1][0] - origin) * along, total * factor};
}

} // namespace host
