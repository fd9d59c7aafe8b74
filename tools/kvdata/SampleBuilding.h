// The model of a sample building: a current project whose positions stand on each other
// storey by storey (roof beams on walls and beams, those on columns, columns on
// foundations) and a FEM project whose slabs feed the top floor. Pure data, computed with
// the host's statics (host/Statics.h) from each position's design input: its own loads and
// what is transferred into it.
#pragma once

#include "host/DesignInput.h"
#include "model/BindRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvdata
{

struct BuildingSize {
    int positions = 24;   // in the current project
    int femPositions = 4; // in the FEM project
    int storeys = 3;      // storeys above the foundations; chains are storeys + 1 deep
    // Transfers at least from every position above the foundations into the storey below;
    // beyond its first one or two supports its supports are passed on again, to further
    // positions (large trees for benchmarks).
    int transfersDown = 0;
};

struct Component {
    std::string name;
    int32_t kind = 0;   // force kind
    double value = 0.0; // point value, or the resultant of the pieces
    std::vector<TrapezoidPiece> pieces;
};

struct Support {
    std::string name;
    bool distributed = false;
    std::vector<std::vector<Component>> byLoad; // [load][component]
    std::vector<NodeCoord> nodes;
    std::vector<NodeCoord> refNodes;
};

struct TransferredComponent {
    int32_t load = 0;
    int32_t component = 0;
    int32_t ownLoad = 0;
};

struct Transfer {
    int source = 0;      // index into Building::positions
    int32_t number = 0;  // signed transfer number
    int32_t support = 0; // the source's support that is passed on
    double factor = 1.0;
    int32_t idealisation = 0;
    double placement[3][3] = {};
    std::vector<TransferredComponent> components;
    std::vector<std::pair<int32_t, int32_t>> assignments; // source load, own load
};

struct Position {
    bool fem = false;
    std::string name;  // as the plan file lists it
    int planIndex = 0; // record index in its project's plan file
    int16_t femNumber = 0;
    std::string programCode;
    std::string fileLetters;
    std::string remark;
    std::string volume;
    std::string group;
    bool calculated = true;
    int changes = 0;
    int32_t coordinateSystem = 1;
    std::vector<std::string> loads;
    std::vector<Support> supports;
    std::vector<Transfer> incoming;
    host::DesignInput design; // what the host computes the reactions from

    std::string loadFileName() const; // "dBA0003.017", "kv000101.017"
};

struct Program {
    int number;
    std::string name;
    std::string shortName;
};

struct Building {
    std::string projectName;
    std::string femProjectName;
    std::vector<Program> programs;
    std::vector<Position> positions; // sources before the positions they feed
};

Building makeBuilding(const BuildingSize& size);

} // namespace kvdata
