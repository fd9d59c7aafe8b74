// The recording load data double. Transfer files live in a map by path, positions in a
// map by load file; every call is logged before it does anything.
#include "tests/editor/double/LoadDataDouble.h"

#include "model/LoadDataInterface.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{

struct Header {
    std::string path;
    int number = 0;
    std::vector<std::pair<int, int>> rows;
    int reportedRows = -2; // a damaged file's count instead of the rows' (-2: none)
};

// Records keep their path names; nodes and pieces are only counted: none is read back.
struct TransferFile {
    std::vector<Header> headers;
    std::vector<BindRecord> records;
    std::vector<std::string> names;
    int reportedRecords = -2;
};

struct State {
    std::string log;
    std::map<std::string, int> failures;
    std::map<std::string, TransferFile> files;
    std::map<std::string, const LoadDataRecord*> positions;
    std::string path; // of the open transfer file, empty when none is open
    TransferFile file;
    size_t header = 0; // headers read
    size_t row = 0;    // rows read of the current header
    int held = 0;
} s;

std::string PositionPath(int projectRef, const char* name)
{
    return "C:\\proj" + std::to_string(projectRef) + "\\" + name + ".017";
}

// Logs the call; true (with result set) when the test made it fail.
bool Failing(const char* call, int mode, int* result = nullptr)
{
    s.log += call + (mode < 0 ? "" : "(" + std::to_string(mode) + ")") + "\n";
    auto found = s.failures.find(call);
    if (result && found != s.failures.end())
        *result = found->second;
    return found != s.failures.end();
}

#define LOG_CALL(call, mode)                                                                       \
    if (int failed = 0; Failing(call, mode, &failed))                                              \
    return failed

int CopyOut(char* out, const std::string& text)
{
    std::strcpy(out, text.c_str());
    return 1;
}

// Part q of written record i (a node, reference node or piece) within the record's count.
int Part(const char* call, int mode, int i, int q, int32_t BindRecord::*count)
{
    LOG_CALL(call, mode);
    return i >= 0 && static_cast<size_t>(i) < s.file.records.size() && q >= 0 &&
                   q < s.file.records[static_cast<size_t>(i)].*count
               ? 0
               : 1;
}

} // namespace

extern "C" __declspec(dllexport) void DoubleReset()
{
    s = State();
}
extern "C" __declspec(dllexport) const char* DoubleLog()
{
    return s.log.c_str();
}
extern "C" __declspec(dllexport) void DoubleClearLog()
{
    s.log.clear();
}
extern "C" __declspec(dllexport) void DoubleFail(const char* call, int result)
{
    s.failures[call] = result;
}
extern "C" __declspec(dllexport) void DoublePosition(int projectRef, const char* name,
                                                     const LoadDataRecord* record)
{
    if (record)
        s.positions[PositionPath(projectRef, name)] = record;
    else
        s.positions.erase(PositionPath(projectRef, name));
}
extern "C" __declspec(dllexport) void DoubleReportCounts(const char* path, int records, int rows)
{
    s.files[path].reportedRecords = records;
    s.files[path].headers.at(0).reportedRows = rows;
}
extern "C" __declspec(dllexport) int DoubleHeld()
{
    return s.held + (s.path.empty() ? 0 : 1);
}

int Get_Position_File_New_Ex(int projectRef, const char* name, char* outPath)
{
    LOG_CALL("Get_Position_File_New_Ex", -1);
    const std::string path = PositionPath(projectRef, name);
    return s.positions.count(path) ? CopyOut(outPath, path) : 0;
}

// Positions of project 1 report their names blank-padded, as the suite's plan files do;
// the status fields say "not calculated".
int Get_Position_Name(const char* file, char* name, char* programCode, char* field21, char* field76)
{
    LOG_CALL("Get_Position_Name", -1);
    if (!s.positions.count(file))
        return 0;
    if (std::strncmp(file, "C:\\proj1\\", 8) == 0)
        std::strcat(name, "   ");
    CopyOut(programCode, "B7");
    CopyOut(field21, "000");
    std::memset(field76, 0, 80);
    return 1;
}

int Get_Program_Name(const char* programCode, char* name, char*, char*)
{
    LOG_CALL("Get_Program_Name", -1);
    return CopyOut(name, std::string("Program ") + programCode);
}

int LoadSerializeData(int mode, const char* path, LoadDataRecord* block)
{
    LOG_CALL("LoadSerializeData", mode);
    auto found = s.positions.find(path);
    if (mode != 1 || found == s.positions.end())
        return 1;
    *block = *found->second;
    ++s.held;
    return 0;
}

void LoadFreeData(LoadDataRecord* block)
{
    Failing("LoadFreeData", -1);
    if (block->supportNames || block->loadNames || block->reactions)
        --s.held;
    *block = LoadDataRecord{};
}

int InitBindData(const char* path, int mode, int* recordCount, int* headerCount)
{
    LOG_CALL("InitBindData", mode);
    if (mode == 1 && !s.files.count(path))
        return 1;
    s.path = path;
    s.header = 0;
    s.file = mode == 1 ? s.files[path] : TransferFile();
    if (mode == 0) {
        s.file.records.resize(static_cast<size_t>(*recordCount));
        s.file.names.resize(s.file.records.size());
        return 0;
    }
    *recordCount = s.file.reportedRecords != -2 ? s.file.reportedRecords
                                                : static_cast<int>(s.file.records.size());
    *headerCount = static_cast<int>(s.file.headers.size());
    return 0;
}

int InitBindHeader(char* path, int mode, int* transferNumber, int* entryCount)
{
    LOG_CALL("InitBindHeader", mode);
    if (mode == 0) {
        s.file.headers.push_back({path, *transferNumber, {}});
        return 0;
    }
    if (s.header >= s.file.headers.size())
        return 1;
    const Header& header = s.file.headers[s.header++];
    s.row = 0;
    CopyOut(path, header.path);
    *transferNumber = header.number;
    *entryCount =
        header.reportedRows != -2 ? header.reportedRows : static_cast<int>(header.rows.size());
    return 0;
}

int InitZuordTabelle(int mode, int* sourceLoad, int* ownLoad)
{
    LOG_CALL("InitZuordTabelle", mode);
    if (mode == 0) {
        s.file.headers.back().rows.emplace_back(*sourceLoad, *ownLoad);
        return 0;
    }
    if (s.header == 0 || s.row >= s.file.headers[s.header - 1].rows.size())
        return 1;
    std::tie(*sourceLoad, *ownLoad) = s.file.headers[s.header - 1].rows[s.row++];
    return 0;
}

int SetIPathName(int i, const char* name)
{
    LOG_CALL("SetIPathName", -1);
    s.file.names.at(static_cast<size_t>(i)) = name;
    return 0;
}

int SetIBindStructData(int i, const BindRecord* record)
{
    LOG_CALL("SetIBindStructData", -1);
    s.file.records.at(static_cast<size_t>(i)) = *record;
    return 0;
}

int BindNodeCoords(int mode, int i, int q, double*, double*, double*)
{
    return Part("BindNodeCoords", mode, i, q, &BindRecord::nodeCount);
}

int BindRefNodeCoords(int mode, int i, int q, double*, double*, double*)
{
    return Part("BindRefNodeCoords", mode, i, q, &BindRecord::refNodeCount);
}

int BindTrapezoidLoad(int mode, int i, int k, int*, double*, double*, double*, double*)
{
    return Part("BindTrapezoidLoad", mode, i, k, &BindRecord::trapezoidCount);
}

int LoadBindSerializeData(int mode)
{
    LOG_CALL("LoadBindSerializeData", mode);
    if (mode == 0)
        s.files[s.path] = s.file;
    return 0;
}

int BindGetVersions(int* a, int* version)
{
    LOG_CALL("BindGetVersions", -1);
    *a = *version = 1;
    return 0;
}

// Records with their path names; no nodes, reference nodes or pieces (see TransferFile).
int GetTotalCopyOfBinds(BindRecord** records)
{
    LOG_CALL("GetTotalCopyOfBinds", -1);
    *records = new BindRecord[s.file.records.size()];
    for (size_t i = 0; i < s.file.records.size(); ++i) {
        (*records)[i] = s.file.records[i];
        (*records)[i].positionName = s.file.names[i].data();
        (*records)[i].nodes = (*records)[i].refNodes = nullptr;
        (*records)[i].trapezoids = nullptr;
    }
    ++s.held;
    return static_cast<int>(s.file.records.size());
}

void FreeTotalCopyOfBinds(int, BindRecord** records)
{
    Failing("FreeTotalCopyOfBinds", -1);
    delete[] * records;
    *records = nullptr;
    --s.held;
}

void LoadBindFree(void)
{
    Failing("LoadBindFree", -1);
    s.path.clear();
}
