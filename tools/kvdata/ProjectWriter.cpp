#include "tools/kvdata/ProjectWriter.h"

#include "loaddata/PlanFile.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "model/LoadDataInterface.h"
#include "tools/kvdata/LoadDataImage.h"

#include <cstring>
#include <windows.h>

namespace kvdata
{

namespace
{

using loaddata::FormatError;

bool fail(std::string& error, const std::string& what, const std::string& path)
{
    error = what + ": " + path;
    return false;
}

bool makeFolder(const std::string& folder)
{
    return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

loaddata::PlanRecord planRecordOf(const Position& position)
{
    loaddata::PlanRecord record;
    record.name = position.name;
    record.programCode = position.programCode;
    record.fileLetters = position.fileLetters;
    record.femNumber = position.femNumber;
    record.status = loaddata::planStatus(position.calculated);
    record.remark = position.remark;
    record.changes = position.changes;
    record.volume = position.volume;
    record.group = position.group;
    return record;
}

loaddata::PlanFile planOf(const Building& building, bool fem)
{
    loaddata::PlanFile plan;
    plan.header.projectName = fem ? building.femProjectName : building.projectName;
    plan.header.building = "Neubau B\xfcrogeb\xe4ude, 4 Geschosse, Lindenstra\xdf"
                           "e 12";
    plan.header.engineer = "Ingenieurb\xfcro Statik Nord";
    plan.header.created = "2026-11-02";
    for (const Position& position : building.positions) {
        if (position.fem != fem)
            continue;
        if (plan.records.size() <= static_cast<std::size_t>(position.planIndex))
            plan.records.resize(position.planIndex + 1);
        plan.records[position.planIndex] = planRecordOf(position);
    }
    return plan;
}

loaddata::ProgramNameFile programsOf(const Building& building)
{
    loaddata::ProgramNameFile file;
    for (const Program& program : building.programs) {
        const std::size_t index = program.number - loaddata::kFirstProgramNumber;
        if (file.programs.size() <= index)
            file.programs.resize(index + 1);
        file.programs[index] = {program.name, program.shortName, "1.10"};
    }
    return file;
}

bool writeSuiteFiles(const Building& building, const ProjectFolders& folders, std::string& error)
{
    for (const std::string& folder :
         {folders.root, folders.programRoot, folders.project, folders.fem})
        if (!makeFolder(folder))
            return fail(error, "cannot create the folder", folder);
    const std::string programs = folders.programRoot + loaddata::kProgramNameFileName;
    if (loaddata::writeProgramNameFile(programs, programsOf(building)) != FormatError::None)
        return fail(error, "cannot write the program name file", programs);
    const std::string root = folders.programRoot.substr(0, folders.programRoot.size() - 1);
    if (!loaddata::writeProjectList(root, folders.project))
        return fail(error, "cannot write the project list", root);
    const std::string ini = folders.root + loaddata::kIniFile;
    if (!WritePrivateProfileStringA(loaddata::kIniSection, loaddata::kIniProgramRoot, root.c_str(),
                                    ini.c_str()))
        return fail(error, "cannot write the INI file", ini);
    for (bool fem : {false, true}) {
        const std::string plan = (fem ? folders.fem : folders.project) + loaddata::kPlanFileName;
        if (loaddata::writePlanFile(plan, planOf(building, fem)) != FormatError::None)
            return fail(error, "cannot write the plan file", plan);
    }
    return true;
}

BindRecord recordOf(const Building& building, const Transfer& transfer,
                    const TransferredComponent& item)
{
    const Position& source = building.positions[transfer.source];
    const Support& support = source.supports[transfer.support];
    const Component& component = support.byLoad[item.load][item.component];
    BindRecord record{};
    record.ownLoad = item.ownLoad;
    record.transferNumber = transfer.number;
    record.supportIndex = transfer.support;
    record.loadIndex = item.load;
    record.componentIndex = item.component;
    record.factor = transfer.factor;
    record.value = support.distributed ? 0.0 : component.value;
    record.positionName = const_cast<char*>(source.name.c_str());
    record.supportCount = static_cast<int32_t>(source.supports.size());
    record.componentCount = static_cast<int32_t>(support.byLoad[item.load].size());
    record.loadCount = static_cast<int32_t>(source.loads.size());
    record.distributed = support.distributed ? 1 : 0;
    record.trapezoidCount = static_cast<int32_t>(component.pieces.size());
    record.trapezoids =
        component.pieces.empty() ? nullptr : const_cast<TrapezoidPiece*>(component.pieces.data());
    record.projectRef = source.fem ? 1 : 0;
    record.nodeCount = static_cast<int32_t>(support.nodes.size());
    record.nodes = const_cast<NodeCoord*>(support.nodes.data());
    record.refNodeCount = static_cast<int32_t>(support.refNodes.size());
    record.refNodes = const_cast<NodeCoord*>(support.refNodes.data());
    std::memcpy(record.placement, transfer.placement, sizeof record.placement);
    record.idealisation = transfer.idealisation;
    return record;
}

void bindRecord(int b, const BindRecord& record, const char* sourceName)
{
    SetIPathName(b, sourceName);
    SetIBindStructData(b, &record);
    for (int q = 0; q < record.nodeCount; ++q) {
        NodeCoord n = record.nodes[q];
        BindNodeCoords(0, b, q, &n.x, &n.y, &n.z);
    }
    for (int q = 0; q < record.refNodeCount; ++q) {
        NodeCoord n = record.refNodes[q];
        BindRefNodeCoords(0, b, q, &n.x, &n.y, &n.z);
    }
    for (int q = 0; q < record.trapezoidCount; ++q) {
        TrapezoidPiece p = record.trapezoids[q];
        BindTrapezoidLoad(0, b, q, &p.kind, &p.q1, &p.q2, &p.x1, &p.x2);
    }
}

// Headers with their assignment rows, then the records, in the editor's order of writing.
bool writeTransfers(const Building& building, const ProjectFolders& folders,
                    const Position& position, const std::string& path)
{
    int records = 0;
    for (const Transfer& transfer : position.incoming)
        records += static_cast<int>(transfer.components.size());
    int headers = static_cast<int>(position.incoming.size());
    if ((InitBindData(path.c_str(), 0, &records, &headers) & 0xFFFF) != 0)
        return false;
    for (const Transfer& transfer : position.incoming) {
        char sourcePath[264];
        const std::string source = loadFilePath(folders, building.positions[transfer.source]);
        std::snprintf(sourcePath, sizeof sourcePath, "%s", source.c_str());
        int number = transfer.number;
        int rows = static_cast<int>(transfer.assignments.size());
        InitBindHeader(sourcePath, 0, &number, &rows);
        for (auto [sourceLoad, ownLoad] : transfer.assignments)
            InitZuordTabelle(0, &sourceLoad, &ownLoad);
    }
    int b = 0;
    for (const Transfer& transfer : position.incoming)
        for (const TransferredComponent& item : transfer.components)
            bindRecord(b++, recordOf(building, transfer, item),
                       building.positions[transfer.source].name.c_str());
    const bool stored = (LoadBindSerializeData(0) & 0xFFFF) == 0;
    LoadBindFree();
    return stored;
}

} // namespace

ProjectFolders foldersOf(const std::string& root)
{
    std::string base = root;
    if (base.empty() || (base.back() != '\\' && base.back() != '/'))
        base += '\\';
    return {base, base + "p1w\\", base + "projekt\\", base + "fem\\"};
}

std::string loadFilePath(const ProjectFolders& folders, const Position& position)
{
    return (position.fem ? folders.fem : folders.project) + position.loadFileName();
}

bool writeProject(const Building& building, const ProjectFolders& folders, std::string& error)
{
    if (!writeSuiteFiles(building, folders, error))
        return false;
    // Sources first, and a position's transfers before its load data, as an engineer works:
    // so no load data is older than what feeds it.
    std::vector<std::pair<std::string, host::DesignInput>> designInputs;
    for (const Position& position : building.positions) {
        const std::string loadFile = loadFilePath(folders, position);
        if (!position.fem)
            designInputs.emplace_back(loadFile.substr(folders.project.size(),
                                                      loadFile.size() - folders.project.size() - 4),
                                      position.design);
        const std::string transferFile = loadFile.substr(0, loadFile.size() - 3) + "016";
        if (!position.incoming.empty() &&
            !writeTransfers(building, folders, position, transferFile))
            return fail(error, "cannot write the transfer file", transferFile);
        LoadDataImage image(position);
        if ((LoadSerializeData(0, loadFile.c_str(), image.record()) & 0xFFFF) != 0)
            return fail(error, "cannot write the load file", loadFile);
    }
    if (!host::writeDesignInputs(folders.project, designInputs))
        return fail(error, "cannot write the design input",
                    folders.project + host::kDesignInputFile);
    return true;
}

bool registerProject(const ProjectFolders& folders)
{
    const std::string root = folders.programRoot.substr(0, folders.programRoot.size() - 1);
    const std::string fem = folders.fem.substr(0, folders.fem.size() - 1);
    return loaddata::setProgramRoot(root) && loaddata::setFemProjectDirectory(fem);
}

} // namespace kvdata
