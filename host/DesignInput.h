// The host's design input of a position, what its design program computes it from: the
// static system, the length and the own load of every load case. Kept in the project
// folder's "kvhost.ini", one section per position named by its load file's base name.
#pragma once

#include "host/Statics.h"

#include <string>
#include <utility>
#include <vector>

namespace host
{

constexpr const char* kDesignInputFile = "kvhost.ini";

struct DesignInput {
    StaticSystem system = StaticSystem::Span;
    double length = 0.0;          // metres
    std::vector<double> ownLoads; // kN/m, one per load case in the load file's order
};

// False when the project has no design input for the position or it cannot be read as one.
bool readDesignInput(const std::string& loadFile, DesignInput& input);
bool writeDesignInput(const std::string& loadFile, const DesignInput& input);
// A new design input file in the project directory (with its trailing separator) for many
// positions at once, each named by its load file's base name: for a generated project.
bool writeDesignInputs(const std::string& directory,
                       const std::vector<std::pair<std::string, DesignInput>>& sections);

} // namespace host
