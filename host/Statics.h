// The host's statics, as its design programs compute a position: the vertical reaction of
// every support under the position's own line load and the forces transferred into it, and
// from it each reaction component. Which system the sample's positions use, and a worked
// example, are in docs/host.md. Plain C++: the data tool's sample building computes with it
// too, so that a recalculation of an unchanged position gives the same reactions.
#pragma once

#include "model/BindRecord.h"

#include <string>
#include <vector>

namespace host
{

// In this order: the design input's words are a table by it.
enum class StaticSystem {
    Span,       // a beam on two or more supports, single spans between neighbouring ones
    Cantilever, // clamped at its one support
    Column,     // everything carried down to its one support, its foot
};

// A vertical force at a distance along the position's axis (kN, m).
struct PointForce {
    double x = 0.0;
    double force = 0.0;
};

// One load case of a position: its own load per metre over its length and the forces
// transferred into it.
struct LoadCase {
    double lineLoad = 0.0;
    std::vector<PointForce> forces;
};

struct SupportReaction {
    double vertical = 0.0;
    double moment = 0.0; // a cantilever's clamping moment; else the bearing's eccentricity
};

// The reactions of the supports at supportX (metres along the axis) of a position of the
// given length. A span needs two supports or more, the other systems exactly one; anything
// else gives no reactions.
std::vector<SupportReaction> supportReactions(StaticSystem system,
                                              const std::vector<double>& supportX, double length,
                                              const LoadCase& loads);

// The value of a reaction component from its support's reaction, by the component's name:
// "?z" vertical, "M?" a moment, any other a horizontal force (a share of the vertical one:
// a quarter under a wind load, whose name starts with "W", else 2 %).
double componentValue(const std::string& component, const std::string& load,
                      const SupportReaction& reaction);

// The vertical force a transferred reaction puts on the receiving position: its point value
// or the resultant of its pieces, times the factor, where the placement puts it.
PointForce transferredForce(double value, bool distributed,
                            const std::vector<TrapezoidPiece>& pieces, double factor,
                            const double placement[3][3]);

} // namespace host
