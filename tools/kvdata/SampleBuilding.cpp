#include "tools/kvdata/SampleBuilding.h"

#include "loaddata/KindTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kvdata
{

namespace
{

enum class Kind { Purlin, Beam, Wall, Column, Foundation, Slab };

struct KindInfo {
    const char* label;
    int program; // 0: the FEM program
    const char* programName;
    const char* programShortName;
    const char* letters;
    const char* remark;
    double length; // metres
    std::vector<const char*> supports;
    bool distributed;
    std::vector<std::pair<const char*, int32_t>> components;
    host::StaticSystem system;
};

const KindInfo& infoOf(Kind kind)
{
    using namespace loaddata;
    static const KindInfo infos[] = {
        {"Pfette",
         66,
         "Holzbalken und Pfetten",
         "HOLZ",
         "HO",
         "Pfette Nadelholz C24, Dachneigung 35 Grad",
         5.2,
         {"Auflager A", "Auflager B"},
         false,
         {{"Fz", ForceKindPoint}, {"Fx", ForceKindPoint}},
         host::StaticSystem::Span},
        {"Unterzug",
         65,
         "Durchlauftr\xe4ger Stahlbeton",
         "DLT",
         "BA",
         "Stahlbetonunterzug C30/37 \xfc"
         "ber drei Felder",
         7.5,
         {"Auflager A", "Auflager B", "Auflager C"},
         false,
         {{"Fz", ForceKindPoint}, {"Fx", ForceKindPoint}, {"My", ForceKindMoment}},
         host::StaticSystem::Span},
        {"Wand",
         67,
         "Mauerwerksw\xe4nde",
         "MW",
         "WA",
         "Mauerwerkswand KS 20-1,8, d = 17,5 cm",
         4.8,
         {"Wandfu\xdf"},
         true,
         {{"nz", ForceKindLine}, {"nx", ForceKindLine}},
         host::StaticSystem::Column},
        {"St\xfctze",
         68,
         "Stahlbetonst\xfctzen",
         "STUE",
         "ST",
         "Stahlbetonst\xfctze 30/30 cm, Knickl\xe4nge 2,75 m",
         2.75,
         {"St\xfctzenfu\xdf"},
         false,
         {{"Fz", ForceKindPoint}, {"Mx", ForceKindMoment}, {"My", ForceKindMoment}},
         host::StaticSystem::Column},
        {"Fundament",
         69,
         "Einzelfundamente",
         "EF",
         "FU",
         "Einzelfundament 1,40 x 1,40 m auf Kiessand",
         1.4,
         {"Sohlfuge"},
         false,
         {{"Fz", ForceKindPoint}, {"Hx", ForceKindPoint}},
         host::StaticSystem::Column},
        {"Platte",
         0,
         "",
         "",
         "",
         "Deckenplatte d = 22 cm, FEM-Berechnung",
         6.0,
         {"Linienlager 1", "Linienlager 2"},
         true,
         {{"nz", ForceKindLine}},
         host::StaticSystem::Span},
    };
    return infos[static_cast<int>(kind)];
}

const std::vector<std::string> kRoofLoads = {"G Eigengewicht", "S Schnee", "W Wind"};
const std::vector<std::string> kFloorLoads = {"G Eigengewicht", "Q Nutzlast", "S Schnee", "W Wind"};

// Own load per metre of each load, by the load's letter.
double ownLoadPerMetre(const std::string& load, bool roof)
{
    switch (load[0]) {
    case 'G':
        return 4.0;
    case 'Q':
        return 2.5;
    case 'S':
        return roof ? 1.6 : 0.0;
    default:
        return roof ? 0.6 : 0.0;
    }
}

int32_t loadWithLetter(const Position& position, char letter)
{
    for (std::size_t k = 0; k < position.loads.size(); ++k)
        if (position.loads[k][0] == letter)
            return static_cast<int32_t>(k);
    return -1;
}

std::string groupOf(int level, int storeys)
{
    if (level == 0)
        return "Gr\xfcndung";
    if (level == storeys)
        return "Dachgeschoss";
    if (level == 1)
        return "Erdgeschoss";
    return std::to_string(level - 1) + ". Obergeschoss";
}

Kind kindAt(int level, int storeys, int index)
{
    if (level == 0)
        return Kind::Foundation;
    if (level == storeys)
        return Kind::Purlin;
    const Kind middle[] = {Kind::Wall, Kind::Beam, Kind::Column};
    return middle[index % 3];
}

Position makePosition(Kind kind, const std::string& name)
{
    const KindInfo& info = infoOf(kind);
    Position position;
    position.name = name;
    char code[8];
    std::snprintf(code, sizeof code, "01%03d", info.program);
    position.programCode = info.program == 0 ? "00000" : code;
    position.fileLetters = info.letters;
    position.remark = info.remark;
    const bool roof = kind == Kind::Purlin || kind == Kind::Slab;
    position.loads = roof ? kRoofLoads : kFloorLoads;
    for (const char* supportName : info.supports) {
        Support support;
        support.name = supportName;
        support.distributed = info.distributed;
        position.supports.push_back(support);
    }
    return position;
}

TrapezoidPiece piece(double q1, double q2, double x1, double x2, int tag)
{
    TrapezoidPiece p{};
    p.kind = 1;
    p.q1 = q1;
    p.q2 = q2;
    p.x1 = x1;
    p.x2 = x2;
    for (std::size_t b = 0; b < sizeof p.carried; ++b)
        p.carried[b] = static_cast<unsigned char>(tag + b);
    return p;
}

// The reactions of one support under one load, computed as the host's design programs do.
std::vector<Component> reactions(const KindInfo& info, const std::string& load,
                                 const host::SupportReaction& reaction, double length, int tag)
{
    std::vector<Component> components;
    for (const auto& [name, kind] : info.components) {
        Component c;
        c.name = name;
        c.kind = kind;
        c.value = host::componentValue(name, load, reaction);
        if (info.distributed) {
            const double q = c.value / length;
            c.pieces = {piece(0.9 * q, 1.1 * q, 0.0, length / 2, tag),
                        piece(1.1 * q, 0.9 * q, length / 2, length, tag + 1)};
        }
        components.push_back(c);
    }
    return components;
}

// The forces transferred into each load case, as the host reads them from the records: the
// vertical component, listed first, of every transferred load.
std::vector<host::LoadCase> loadCases(const Building& building, const Position& position)
{
    std::vector<host::LoadCase> cases(position.loads.size());
    for (std::size_t k = 0; k < cases.size(); ++k)
        cases[k].lineLoad = position.design.ownLoads[k];
    for (const Transfer& transfer : position.incoming) {
        const Support& from = building.positions[transfer.source].supports[transfer.support];
        for (const TransferredComponent& record : transfer.components) {
            if (record.component != 0 || record.ownLoad < 0 ||
                record.ownLoad >= static_cast<int32_t>(cases.size()))
                continue;
            const Component& c = from.byLoad[record.load][record.component];
            cases[record.ownLoad].forces.push_back(
                host::transferredForce(from.distributed ? 0.0 : c.value, from.distributed, c.pieces,
                                       transfer.factor, transfer.placement));
        }
    }
    return cases;
}

void computeReactions(const Building& building, Position& position, Kind kind)
{
    const KindInfo& info = infoOf(kind);
    const bool roof = kind == Kind::Purlin || kind == Kind::Slab;
    position.design.system = info.system;
    position.design.length = info.length;
    for (const std::string& load : position.loads)
        position.design.ownLoads.push_back(ownLoadPerMetre(load, roof));
    const std::size_t count = position.supports.size();
    std::vector<double> supportX;
    for (std::size_t s = 0; s < count; ++s)
        supportX.push_back(info.length * static_cast<double>(s) /
                           std::max(1.0, static_cast<double>(count) - 1));
    const std::vector<host::LoadCase> cases = loadCases(building, position);
    for (std::size_t s = 0; s < count; ++s) {
        Support& support = position.supports[s];
        support.nodes = info.distributed ? std::vector<NodeCoord>{{0, 0, 0}, {info.length, 0, 0}}
                                         : std::vector<NodeCoord>{{supportX[s], 0, 0}};
        support.refNodes = {{0.0, 0.0, 0.0}};
    }
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const std::vector<host::SupportReaction> byStatics =
            host::supportReactions(info.system, supportX, info.length, cases[k]);
        for (std::size_t s = 0; s < count; ++s)
            position.supports[s].byLoad.push_back(reactions(
                info, position.loads[k], byStatics[s], info.length, static_cast<int>(s * 16 + k)));
    }
}

// A transfer of one support of the source into the receiver, all its loads.
Transfer makeTransfer(const Building& building, int source, const Position& receiver,
                      int32_t support)
{
    const Position& from = building.positions[source];
    const int t = static_cast<int>(receiver.incoming.size());
    Transfer transfer;
    transfer.source = source;
    transfer.number = (t + 1) * (t % 2 == 1 ? -1 : 1);
    transfer.support = support;
    transfer.factor = t == 2 ? 0.5 : 1.0;
    const bool distributed = from.supports[support].distributed;
    transfer.idealisation =
        distributed ? loaddata::IdealisationTrapezoid : loaddata::IdealisationPoint;
    const bool turned = t % 2 == 1;
    const double x0 = 1.25 * t;
    const double placement[3][3] = {{x0, 0.0, 0.0},
                                    {x0 + (turned ? 0.0 : 1.0), turned ? 1.0 : 0.0, 0.0},
                                    {x0 + (turned ? -1.0 : 0.0), turned ? 0.0 : 1.0, 0.0}};
    std::memcpy(transfer.placement, placement, sizeof placement);
    const int32_t components = from.supports[support].distributed ? 1 : 2;
    for (int32_t k = 0; k < static_cast<int32_t>(from.loads.size()); ++k) {
        const int32_t own = loadWithLetter(receiver, from.loads[k][0]);
        transfer.assignments.emplace_back(k, own);
        for (int32_t c = 0; c < components; ++c)
            transfer.components.push_back({k, c, own});
    }
    return transfer;
}

struct Placed {
    Kind kind;
    int level;
};

std::vector<int> levelSizes(const BuildingSize& size)
{
    std::vector<int> sizes(size.storeys + 1, 0);
    sizes[0] = std::max(1, size.positions / 6);
    const int rest = std::max(0, size.positions - sizes[0]);
    for (int level = 1; level <= size.storeys; ++level)
        sizes[level] = rest / size.storeys + (level <= rest % size.storeys ? 1 : 0);
    return sizes;
}

void addFemSlabs(Building& building, std::vector<Placed>& placed, int count)
{
    for (int i = 0; i < count; ++i) {
        Position slab = makePosition(Kind::Slab, "Platte " + std::to_string(i + 1));
        slab.fem = true;
        slab.planIndex = i;
        // The last slab carries a negative number, as FEM programs number auxiliary parts.
        slab.femNumber = static_cast<int16_t>(i + 1 == count && count > 1 ? -(101 + i) : 101 + i);
        slab.volume = "Band 3 FEM-Berechnung";
        slab.group = "Decken";
        building.positions.push_back(slab);
        placed.push_back({Kind::Slab, -1});
    }
}

void addStoreys(Building& building, std::vector<Placed>& placed, const BuildingSize& size)
{
    const std::vector<int> sizes = levelSizes(size);
    int planIndex = 0;
    for (int level = size.storeys; level >= 0; --level) {
        for (int i = 0; i < sizes[level]; ++i) {
            if (planIndex % 10 == 9)
                ++planIndex; // a deleted position leaves its record empty
            const Kind kind = kindAt(level, size.storeys, i);
            char name[32];
            std::snprintf(name, sizeof name, "%d.%02d %s", level, i + 1, infoOf(kind).label);
            Position position = makePosition(kind, name);
            position.planIndex = planIndex++;
            position.volume = level > 0 ? "Band 1 Dach und Geschosse" : "Band 2 Gr\xfcndung";
            position.group = groupOf(level, size.storeys);
            position.calculated = position.planIndex % 7 != 6;
            position.changes = position.planIndex % 11 == 5 ? 2 : 0;
            building.positions.push_back(position);
            placed.push_back({kind, level});
        }
    }
}

// Every position of a storey passes its supports on to positions of the storey below; the
// FEM slabs feed the top floor.
void connect(Building& building, const std::vector<Placed>& placed, const BuildingSize& size)
{
    const int storeys = size.storeys;
    std::vector<std::vector<int>> byLevel(storeys + 1);
    std::vector<int> slabs;
    for (std::size_t p = 0; p < placed.size(); ++p)
        (placed[p].level < 0 ? slabs : byLevel[placed[p].level]).push_back(static_cast<int>(p));
    for (int level = storeys; level >= 1; --level) {
        const std::vector<int>& below = byLevel[level - 1];
        const std::vector<int>& here = byLevel[level];
        for (std::size_t i = 0; i < here.size() && !below.empty(); ++i) {
            const Position& source = building.positions[here[i]];
            const std::size_t transfers =
                std::max<std::size_t>(std::min<std::size_t>(2, source.supports.size()),
                                      static_cast<std::size_t>(std::max(0, size.transfersDown)));
            for (std::size_t s = 0; s < transfers; ++s) {
                Position& receiver = building.positions[below[(i + s) % below.size()]];
                const auto support = static_cast<int32_t>(s % source.supports.size());
                receiver.incoming.push_back(makeTransfer(building, here[i], receiver, support));
            }
        }
    }
    const std::vector<int>& top = byLevel[std::max(0, storeys - 1)];
    for (std::size_t j = 0; j < slabs.size() && !top.empty(); ++j) {
        Position& receiver = building.positions[top[j % top.size()]];
        receiver.incoming.push_back(makeTransfer(building, slabs[j], receiver, 0));
    }
}

} // namespace

std::string Position::loadFileName() const
{
    char file[32];
    if (fem)
        std::snprintf(file, sizeof file, "kv%06d.017", femNumber);
    else
        std::snprintf(file, sizeof file, "d%s%04d.017", fileLetters.c_str(), planIndex + 1);
    return file;
}

Building makeBuilding(const BuildingSize& size)
{
    Building building;
    building.projectName = "B\xfcrohaus Lindenstra\xdf"
                           "e 12";
    building.femProjectName = "Decken B\xfcrohaus Lindenstra\xdf"
                              "e 12";
    for (Kind kind : {Kind::Beam, Kind::Purlin, Kind::Wall, Kind::Column, Kind::Foundation}) {
        const KindInfo& info = infoOf(kind);
        building.programs.push_back({info.program, info.programName, info.programShortName});
    }
    std::vector<Placed> placed;
    addFemSlabs(building, placed, size.femPositions);
    addStoreys(building, placed, size);
    connect(building, placed, size);
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        computeReactions(building, building.positions[p], placed[p].kind);
    return building;
}

} // namespace kvdata
