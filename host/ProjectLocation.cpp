#include "host/ProjectLocation.h"

#include "host/Installation.h"
#include "loaddata/PlanFile.h"
#include "loaddata/SuiteEnvironment.h"
#include "tools/kvdata/ProjectWriter.h"

#include <windows.h>

namespace host
{

namespace
{

bool hasPlanFile(const std::string& folder)
{
    return loaddata::fileStamp(folder + loaddata::kPlanFileName).exists;
}

std::string fullPath(const std::string& path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

bool openSample(const std::string& root, std::string& projectFolder, std::ostream& report,
                std::string& error)
{
    const bool existed = hasPlanFile(kvdata::foldersOf(root).project);
    if (!prepareSample(root, projectFolder, error))
        return false;
    report << (existed ? "sample project " : "sample project generated in ") << root << "\n";
    return true;
}

} // namespace

std::string defaultSampleRoot()
{
    return programFolder() + "\\sample";
}

bool prepareSample(const std::string& root, std::string& projectFolder, std::string& error)
{
    const kvdata::ProjectFolders folders = kvdata::foldersOf(fullPath(root));
    if (!hasPlanFile(folders.project) &&
        !kvdata::writeProject(kvdata::makeBuilding(kvdata::BuildingSize()), folders, error))
        return false;
    if (!kvdata::registerProject(folders)) {
        error = "cannot make the sample project the suite's current project";
        return false;
    }
    projectFolder = folders.project;
    return true;
}

bool locateProject(const ProjectChoice& choice, std::string& projectFolder, std::ostream& report,
                   std::string& error)
{
    switch (choice.kind) {
    case ProjectChoice::Kind::Sample:
        return openSample(choice.path.empty() ? defaultSampleRoot() : choice.path, projectFolder,
                          report, error);
    case ProjectChoice::Kind::Folder: {
        projectFolder = fullPath(choice.path);
        if (projectFolder.empty() || projectFolder.back() != '\\')
            projectFolder += '\\';
        if (!hasPlanFile(projectFolder)) {
            error = "no plan file in " + projectFolder;
            return false;
        }
        if (!loaddata::writeProjectList(loaddata::programRoot(), projectFolder))
            report << "warning: the project list in " << loaddata::programRoot()
                   << " cannot be written; the editor lists the positions of the suite's "
                      "current project\n";
        return true;
    }
    case ProjectChoice::Kind::Current:
        break;
    }
    projectFolder = loaddata::currentProjectDirectory();
    if (!projectFolder.empty() && hasPlanFile(projectFolder))
        return true;
    report << "the suite has no current project; opening the sample project\n";
    return openSample(defaultSampleRoot(), projectFolder, report, error);
}

} // namespace host
