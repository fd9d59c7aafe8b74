// The load data of one position as the library keeps it between its file (.017) and the
// LoadDataRecord it hands out: supports, the loads every support has, and for each support
// and load the reactions.
#pragma once

#include "model/BindRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

// The version of the load data model that the design programs write today.
constexpr int32_t kCurrentLoadDataVersion = 1;

struct ReactionComponent {
    std::string name;
    int32_t kind = 0; // force kind (KindTexts.h)
    double value = 0.0;
};

// The reactions of one support under one load.
struct Reaction {
    std::vector<ReactionComponent> components;
    int32_t distributed = 0;
    int32_t piecesPerComponent = 0;
    std::vector<TrapezoidPiece> pieces; // component c's start at c x piecesPerComponent
    std::vector<NodeCoord> nodes;       // shared by all components
    std::vector<NodeCoord> refNodes;
};

struct PositionLoadData {
    int32_t dataVersion = kCurrentLoadDataVersion;
    int32_t dataWord = 0;
    int32_t coordinateSystem = 0;
    std::vector<std::string> supports;
    std::vector<std::string> loads;
    std::vector<Reaction> reactions; // supports x loads, all loads of support 0 first

    Reaction& reaction(std::size_t support, std::size_t load)
    {
        return reactions[support * loads.size() + load];
    }
    const Reaction& reaction(std::size_t support, std::size_t load) const
    {
        return reactions[support * loads.size() + load];
    }
};

} // namespace loaddata
