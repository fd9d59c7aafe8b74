// The calls on positions and names: where a position's files are, and what the plan file
// and the program name file say about it.
#include "model/LoadDataInterface.h"

#include "loaddata/CallResult.h"
#include "loaddata/KeptFile.h"
#include "loaddata/PlanFile.h"
#include "loaddata/ProgramNameFile.h"
#include "loaddata/ProjectLookup.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/SuiteText.h"

#include <cstring>

using namespace loaddata;

namespace
{

// The sizes of the callers' buffers.
constexpr std::size_t kPathSize = 260;
constexpr std::size_t kCodeSize = 6;
constexpr std::size_t kStatusSize = 21;
constexpr std::size_t kRemarkSize = 76;

// (I) result of a text handed out: its length, 0 when it is empty or does not fit.
int handOut(const std::string& text, char* buffer, std::size_t size)
{
    return !text.empty() && copyToBuffer(text, buffer, size) ? static_cast<int>(text.size()) : 0;
}

// A path argument the library can work with; no more of it is read than a path can hold.
bool isPath(const char* path)
{
    return path != nullptr && path[0] != '\0' && strnlen(path, kPathSize) < kPathSize;
}

int positionFile(const std::string& directory, ProjectKind kind, const char* name, char* outPath)
{
    if (directory.empty() || name == nullptr || strnlen(name, kPathSize) >= kPathSize)
        return 0;
    std::string loadFile;
    if (findLoadFile(directory, kind, name, loadFile) != LookupError::None)
        return 0;
    return handOut(loadFile, outPath, kPathSize);
}

// The listed position of a file argument, or false.
bool listed(const char* file, ListedPosition& position)
{
    return isPath(file) && findListedPosition(file, position) == LookupError::None;
}

} // namespace

extern "C" {

int Get_Position_File_New_Ex(int projectRef, const char* name, char* outPath)
{
    if (projectRef == 0)
        return positionFile(currentProjectDirectory(), ProjectKind::Current, name, outPath);
    return positionFile(femProjectDirectory(), ProjectKind::Fem, name, outPath);
}

int Get_Position_File_Ex(const char* currentFile, const char* name, char* outPath)
{
    ProjectKind kind;
    if (!isPath(currentFile) || !projectKindOf(fileNameOf(currentFile), kind))
        return 0;
    return positionFile(directoryOf(currentFile), kind, name, outPath);
}

int Get_Position_Name(const char* file, char* name, char* programCode, char* field21, char* field76)
{
    ListedPosition position;
    if (name == nullptr || !listed(file, position))
        return 0;
    const PlanRecord& record = position.record();
    if (programCode != nullptr)
        copyToBuffer(record.programCode, programCode, kCodeSize);
    if (field21 != nullptr)
        copyToBuffer(record.status, field21, kStatusSize);
    if (field76 != nullptr)
        copyToBuffer(planRemarkField(record), field76, kRemarkSize);
    return handOut(record.name, name, kPathSize);
}

int Get_Program_Name(const char* programCode, char* name, char* out3, char* out4)
{
    if (programCode == nullptr || name == nullptr ||
        strnlen(programCode, kCodeSize + 1) > kCodeSize)
        return 0;
    const int index = programNumberOf(programCode) - kFirstProgramNumber;
    static KeptFile<std::pair<FormatError, ProgramNameFile>> kept;
    const std::string path = programRoot() + kPathSeparator + kProgramNameFileName;
    const auto& [error, file] = kept.get(path, [&path] {
        std::pair<FormatError, ProgramNameFile> read;
        read.first = readProgramNameFile(path, read.second);
        return read;
    });
    if (index < 0 || error != FormatError::None ||
        static_cast<std::size_t>(index) >= file.programs.size())
        return 0;
    const ProgramRecord& program = file.programs[index];
    if (out3 != nullptr)
        copyToBuffer(program.shortName, out3, kStatusSize);
    if (out4 != nullptr)
        copyToBuffer(program.version, out4, kRemarkSize);
    return handOut(program.name, name, kPathSize);
}

int Get_Volume_Name(const char* file, char* out)
{
    ListedPosition position;
    return out != nullptr && listed(file, position)
               ? handOut(position.record().volume, out, kPathSize)
               : 0;
}

int Get_Gruppe_Name(const char* file, char* out)
{
    ListedPosition position;
    return out != nullptr && listed(file, position)
               ? handOut(position.record().group, out, kPathSize)
               : 0;
}

int Get_Project_Name(const char* file, char* out)
{
    ListedPosition position;
    return out != nullptr && listed(file, position)
               ? handOut(position.plan->file.header.projectName, out, kPathSize)
               : 0;
}

// (S): a missing or too long argument, or a file that is no position's, is a bad argument.
int ChangeExtension(const char* file, char* outPath)
{
    std::string transferFile;
    if (!isPath(file) || !transferFileOf(file, transferFile) ||
        !copyToBuffer(transferFile, outPath, kPathSize))
        return ResultBadArgument;
    return ResultOk;
}

} // extern "C"
