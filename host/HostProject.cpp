#include "host/HostProject.h"

#include "loaddata/PlanFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"

#include <windows.h>

namespace host
{

namespace
{

std::string withSeparator(const std::string& folder)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder;
    return folder + '\\';
}

std::string programNameOf(const loaddata::ProgramNameFile& programs, const std::string& code)
{
    const int index = loaddata::programNumberOf(code) - loaddata::kFirstProgramNumber;
    if (index < 0 || static_cast<std::size_t>(index) >= programs.programs.size())
        return "";
    return programs.programs[index].name;
}

PositionState stateOf(const loaddata::PlanRecord& record, bool hasLoadFile)
{
    if (!hasLoadFile)
        return PositionState::NoLoadData;
    if (record.changes > 0)
        return PositionState::Changed;
    if (record.status.size() > 2 && record.status[2] == '1')
        return PositionState::Calculated;
    return PositionState::NotCalculated;
}

bool sameText(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_EQUAL;
}

} // namespace

std::string HostPosition::baseName() const
{
    const std::string file = loaddata::fileNameOf(loadFile);
    return file.substr(0, file.find_last_of('.'));
}

bool HostProject::open(const std::string& directory, const std::string& programRoot,
                       std::string& error)
{
    const std::string folder = withSeparator(directory);
    loaddata::PlanFile plan;
    const loaddata::FormatError read =
        loaddata::readPlanFile(folder + loaddata::kPlanFileName, plan);
    if (read != loaddata::FormatError::None) {
        error = "plan file " + folder + loaddata::kPlanFileName + ": " + loaddata::describe(read);
        return false;
    }
    loaddata::ProgramNameFile programs; // positions show no program when it cannot be read
    loaddata::readProgramNameFile(withSeparator(programRoot) + loaddata::kProgramNameFileName,
                                  programs);
    m_directory = folder;
    m_programRoot = programRoot;
    m_name = plan.header.projectName;
    m_positions.clear();
    for (std::size_t k = 0; k < plan.records.size(); ++k) {
        const loaddata::PlanRecord& record = plan.records[k];
        if (record.name.empty())
            continue;
        HostPosition position;
        position.name = record.name;
        position.program = programNameOf(programs, record.programCode);
        position.directory = folder;
        position.planIndex = k;
        const std::string pattern =
            loaddata::loadFilePattern(loaddata::ProjectKind::Current, record, k);
        std::string file;
        const bool found = loaddata::findFirstFile(folder, pattern, file);
        position.loadFile = folder + (found ? file : pattern);
        position.state = stateOf(record, found);
        m_positions.push_back(position);
    }
    return true;
}

int HostProject::find(const std::string& nameOrFile) const
{
    for (std::size_t i = 0; i < m_positions.size(); ++i) {
        const HostPosition& position = m_positions[i];
        std::string transferFile;
        const bool isFile =
            loaddata::transferFileOf(position.loadFile, transferFile) &&
            (sameText(nameOrFile, position.loadFile) || sameText(nameOrFile, transferFile));
        if (isFile || sameText(nameOrFile, position.name))
            return static_cast<int>(i);
    }
    return -1;
}

bool HostProject::markCalculated(std::size_t index, std::string& error)
{
    return updateRecord(index, true, error);
}

bool HostProject::markChanged(std::size_t index, std::string& error)
{
    return updateRecord(index, false, error);
}

bool HostProject::updateRecord(std::size_t index, bool calculated, std::string& error)
{
    if (index >= m_positions.size()) {
        error = "no such position";
        return false;
    }
    HostPosition& position = m_positions[index];
    const std::string path = m_directory + loaddata::kPlanFileName;
    loaddata::PlanFile plan;
    loaddata::FormatError result = loaddata::readPlanFile(path, plan);
    if (result == loaddata::FormatError::None && position.planIndex >= plan.records.size())
        result = loaddata::FormatError::BadContent;
    if (result == loaddata::FormatError::None) {
        loaddata::PlanRecord& record = plan.records[position.planIndex];
        if (calculated) {
            record.status = loaddata::planStatus(true);
            record.changes = 0;
        } else if (record.changes < loaddata::kPlanMaxChanges) {
            ++record.changes;
        }
        result = loaddata::writePlanFile(path, plan);
        if (result == loaddata::FormatError::None)
            position.state = stateOf(record, position.state != PositionState::NoLoadData);
    }
    if (result != loaddata::FormatError::None)
        error = "plan file " + path + ": " + loaddata::describe(result);
    return result == loaddata::FormatError::None;
}

} // namespace host
