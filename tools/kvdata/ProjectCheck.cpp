#include "tools/kvdata/ProjectCheck.h"

#include "loaddata/PlanFile.h"
#include "loaddata/PositionFile.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferFile.h"
#include "loaddata/TreeCheck.h"

#include <cstdio>
#include <map>
#include <windows.h>

namespace kvdata
{

namespace
{

using loaddata::FormatError;

class Report
{
  public:
    explicit Report(std::ostream& out) : m_out(out) {}

    void fault(const std::string& where, const std::string& what)
    {
        m_out << "FAULT    " << where << ": " << what << "\n";
        ++m_faults;
    }
    void warning(const std::string& where, const std::string& what)
    {
        m_out << "WARNING  " << where << ": " << what << "\n";
        ++m_warnings;
    }
    // Records a reading failure; true when the file was read.
    bool read(const std::string& where, FormatError error)
    {
        if (error != FormatError::None)
            fault(where, loaddata::describe(error));
        return error == FormatError::None;
    }
    bool finish(const std::string& what)
    {
        m_out << what << ": " << m_faults << " fault(s), " << m_warnings << " warning(s)\n";
        return m_faults == 0;
    }

  private:
    std::ostream& m_out;
    int m_faults = 0;
    int m_warnings = 0;
};

bool isFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string withSeparator(const std::string& folder)
{
    return folder.empty() || folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
}

// Whether each record of a transfer file still fits the load data of its source position,
// as the editor requires when it reads the transfers back.
void checkRecordsFit(const std::string& file, const loaddata::TransferData& data, Report& report)
{
    std::map<int32_t, std::string> sources;
    for (const loaddata::TransferHeader& header : data.headers)
        sources.emplace(header.transferNumber, header.sourcePath);
    std::map<std::string, loaddata::PositionLoadData> loaded;
    for (const loaddata::TransferRecord& record : data.records) {
        const BindRecord& r = record.fields;
        const std::string where = file + " (transfer " + std::to_string(r.transferNumber) + ")";
        const auto source = sources.find(r.transferNumber);
        if (source == sources.end()) {
            report.fault(where, "a record belongs to no transfer header");
            continue;
        }
        auto found = loaded.find(source->second);
        if (found == loaded.end()) {
            loaddata::PositionLoadData sourceData;
            if (loaddata::readPositionFile(source->second, sourceData) != FormatError::None)
                continue; // the tree check reports the source
            found = loaded.emplace(source->second, std::move(sourceData)).first;
        }
        const loaddata::PositionLoadData& s = found->second;
        const bool fits =
            r.supportCount == static_cast<int32_t>(s.supports.size()) &&
            r.loadCount == static_cast<int32_t>(s.loads.size()) && r.supportIndex >= 0 &&
            r.supportIndex < r.supportCount && r.loadIndex >= 0 && r.loadIndex < r.loadCount &&
            r.componentIndex >= 0 &&
            r.componentCount ==
                static_cast<int32_t>(s.reaction(r.supportIndex, r.loadIndex).components.size()) &&
            r.componentIndex < r.componentCount;
        if (!fits)
            report.fault(where, "a record no longer fits the supports, loads or components of "
                                "its source position " +
                                    record.positionName);
    }
}

void checkTransferFile(const std::string& file, Report& report)
{
    loaddata::TransferData data;
    if (report.read(file, loaddata::readTransferFile(file, data)))
        checkRecordsFit(file, data, report);
}

void checkPosition(const std::string& loadFile, Report& report)
{
    loaddata::PositionLoadData data;
    report.read(loadFile, loaddata::readPositionFile(loadFile, data));
    std::string transferFile;
    loaddata::transferFileOf(loadFile, transferFile);
    if (loaddata::fileStamp(transferFile).exists)
        checkTransferFile(transferFile, report);
    const loaddata::TreeFinding finding = loaddata::checkTree(loadFile);
    const std::string what = loaddata::describeTreeCode(finding.code) +
                             (finding.otherFile.empty() ? "" : " (" + finding.otherFile + ")");
    if (finding.code == loaddata::TreeOutdated)
        report.warning(finding.file, what);
    else if (finding.code != loaddata::TreeOk && finding.code != loaddata::TreeNoTransfers)
        report.fault(finding.file, "tree check " + std::to_string(finding.code) + ": " + what);
}

// Every position the folder's plan file lists, in either project's naming.
bool checkProject(const std::string& folder, std::ostream& out)
{
    Report report(out);
    const std::string directory = withSeparator(folder);
    loaddata::PlanFile plan;
    if (!report.read(directory + loaddata::kPlanFileName,
                     loaddata::readPlanFile(directory + loaddata::kPlanFileName, plan)))
        return report.finish(folder);
    std::size_t positions = 0;
    for (std::size_t k = 0; k < plan.records.size(); ++k) {
        const loaddata::PlanRecord& record = plan.records[k];
        if (record.name.empty())
            continue;
        ++positions;
        std::string found;
        if (!loaddata::findFirstFile(
                directory, loaddata::loadFilePattern(loaddata::ProjectKind::Current, record, k),
                found) &&
            !loaddata::findFirstFile(
                directory, loaddata::loadFilePattern(loaddata::ProjectKind::Fem, record, k),
                found)) {
            report.fault("position " + std::to_string(k + 1) + " \"" + record.name + "\"",
                         "listed in the plan file, but its load file is missing");
            continue;
        }
        checkPosition(directory + found, report);
    }
    return report.finish(folder + " (" + std::to_string(positions) + " positions)");
}

// The project list: its first line must lead to a project folder with a readable plan file.
void checkProjectList(const std::string& path, Report& report)
{
    std::string line;
    if (std::FILE* f = std::fopen(path.c_str(), "r")) {
        char text[256] = "";
        line = std::fgets(text, sizeof text, f) ? text : "";
        std::fclose(f);
    } else {
        report.fault(path, "the project list cannot be read");
        return;
    }
    line.erase(line.find_last_not_of("\r\n") + 1);
    const std::string folder = loaddata::directoryOf(line);
    if (folder.empty()) {
        report.fault(path, "its first line names no file in a project folder");
        return;
    }
    loaddata::PlanFile plan;
    report.read(folder + loaddata::kPlanFileName,
                loaddata::readPlanFile(folder + loaddata::kPlanFileName, plan));
}

// A program root: the program name file and the project list.
void checkProgramRoot(const std::string& folder, Report& report)
{
    loaddata::ProgramNameFile programs;
    const std::string directory = withSeparator(folder);
    report.read(
        directory + loaddata::kProgramNameFileName,
        loaddata::readProgramNameFile(directory + loaddata::kProgramNameFileName, programs));
    checkProjectList(directory + loaddata::kProjectListName, report);
}

void checkIniFile(const std::string& path, Report& report)
{
    char root[256] = "";
    GetPrivateProfileStringA(loaddata::kIniSection, loaddata::kIniProgramRoot, "", root,
                             sizeof root, path.c_str());
    if (root[0] == '\0')
        report.fault(path, "no key prgRoot in section pfade");
    else
        checkProgramRoot(root, report);
}

bool checkFile(const std::string& path, std::ostream& out)
{
    Report report(out);
    const std::string name = loaddata::fileNameOf(path);
    std::string other;
    if (lstrcmpiA(name.c_str(), loaddata::kPlanFileName) == 0) {
        loaddata::PlanFile plan;
        report.read(path, loaddata::readPlanFile(path, plan));
    } else if (lstrcmpiA(name.c_str(), loaddata::kProgramNameFileName) == 0) {
        loaddata::ProgramNameFile programs;
        report.read(path, loaddata::readProgramNameFile(path, programs));
    } else if (lstrcmpiA(name.c_str(), loaddata::kProjectListName) == 0) {
        checkProjectList(path, report);
    } else if (name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".ini") == 0) {
        checkIniFile(path, report);
    } else if (loaddata::loadFileOf(path, other) && other == path) {
        checkPosition(path, report);
    } else if (loaddata::transferFileOf(path, other)) {
        checkTransferFile(path, report);
    } else {
        report.fault(path, "not a file of the suite (tavenix.ini, nampr.txt, plann, pronamew, "
                           ".017, .016)");
    }
    return report.finish(path);
}

} // namespace

bool checkPath(const std::string& path, std::ostream& out)
{
    if (!isFolder(path))
        return checkFile(path, out);
    if (!loaddata::fileStamp(withSeparator(path) + loaddata::kProgramNameFileName).exists)
        return checkProject(path, out);
    Report report(out);
    checkProgramRoot(path, report);
    return report.finish(path);
}

} // namespace kvdata
