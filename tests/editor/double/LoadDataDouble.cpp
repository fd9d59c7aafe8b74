// The recording load data double. Transfer files live in a map by path, positions in a
// map by project and name; every call is logged before it does anything.
#include "tests/editor/double/LoadDataDouble.h"

#include "model/LoadDataInterface.h"

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace
{

struct Header {
    std::string path;
    int number = 0;
    std::vector<std::pair<int, int>> rows;
    std::optional<int> reportedRows; // a damaged file's count instead of the rows'
};

// Records keep their path names; nodes and pieces are counted, not kept: the editor reads
// none of them back.
struct TransferFile {
    std::vector<Header> headers;
    std::vector<BindRecord> records;
    std::vector<std::string> names;
    std::optional<int> reportedRecords; // a damaged file's count instead of the records'
};

struct Session {
    bool open = false;
    int mode = 0;
    std::string path;
    TransferFile file;
    size_t header = 0; // next header to read
    size_t row = 0;    // next row of the current header
};

struct State {
    std::string log;
    std::map<std::string, int> failures;
    std::map<std::string, TransferFile> files;
    std::map<std::string, const LoadDataRecord*> positions; // by load file path
    Session session;
    int loadedPositions = 0;
    int violations = 0;
};

State& S()
{
    static State state;
    return state;
}

std::string PositionPath(int projectRef, const char* name)
{
    return "C:\\proj" + std::to_string(projectRef) + "\\" + (name ? name : "") + ".017";
}

// Logs the call; true (with result set) when the test made it fail.
bool Failing(const char* call, int mode, int* result)
{
    S().log += mode < 0 ? std::string(call) : std::string(call) + "(" + std::to_string(mode) + ")";
    S().log += "\n";
    auto found = S().failures.find(call);
    if (found == S().failures.end())
        return false;
    *result = found->second;
    return true;
}

#define LOG_CALL(call, mode)                                                                       \
    if (int failed = 0; Failing(call, mode, &failed))                                              \
    return failed

// A bind call on a file that is not open, or open the other way, breaks the protocol.
bool Usable(int mode)
{
    if (!S().session.open || S().session.mode != mode) {
        ++S().violations;
        return false;
    }
    return true;
}

// Record i of a file open for writing, or null.
BindRecord* Written(int i)
{
    std::vector<BindRecord>& records = S().session.file.records;
    return Usable(0) && i >= 0 && static_cast<size_t>(i) < records.size() ? &records[i] : nullptr;
}

int CopyOut(char* out, const std::string& text)
{
    std::strcpy(out, text.c_str());
    return 1;
}

// Part q of record i (a node, reference node or piece) within the count the record gave.
int Part(const char* call, int mode, int i, int q, int32_t BindRecord::*count)
{
    LOG_CALL(call, mode);
    const BindRecord* record = Written(i);
    return record && q >= 0 && q < record->*count ? 0 : 1;
}

} // namespace

extern "C" __declspec(dllexport) void DoubleReset()
{
    S() = State();
}
extern "C" __declspec(dllexport) const char* DoubleLog()
{
    return S().log.c_str();
}
extern "C" __declspec(dllexport) void DoubleClearLog()
{
    S().log.clear();
}
extern "C" __declspec(dllexport) void DoubleFail(const char* call, int result)
{
    S().failures[call] = result;
}
extern "C" __declspec(dllexport) void DoubleAddPosition(int projectRef, const char* name,
                                                        const LoadDataRecord* record)
{
    S().positions[PositionPath(projectRef, name)] = record;
}
extern "C" __declspec(dllexport) void DoubleRemovePosition(int projectRef, const char* name)
{
    S().positions.erase(PositionPath(projectRef, name));
}
extern "C" __declspec(dllexport) void DoubleReportCounts(const char* path, int records, int header,
                                                         int rows)
{
    TransferFile& file = S().files[path];
    file.reportedRecords = records;
    file.headers.at(static_cast<size_t>(header)).reportedRows = rows;
}
extern "C" __declspec(dllexport) int DoubleTransferFileOpen()
{
    return S().session.open ? 1 : 0;
}
extern "C" __declspec(dllexport) int DoubleLoadedPositions()
{
    return S().loadedPositions;
}
extern "C" __declspec(dllexport) int DoubleViolations()
{
    return S().violations;
}

int Get_Position_File_New_Ex(int projectRef, const char* name, char* outPath)
{
    LOG_CALL("Get_Position_File_New_Ex", -1);
    const std::string path = PositionPath(projectRef, name);
    return S().positions.count(path) ? CopyOut(outPath, path) : 0;
}

// Positions of project 1 report their names blank-padded, as the suite's plan files do;
// the status fields say "not calculated".
int Get_Position_Name(const char* file, char* name, char* programCode, char* field21, char* field76)
{
    LOG_CALL("Get_Position_Name", -1);
    if (!S().positions.count(file))
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
    auto found = S().positions.find(path);
    if (mode != 1 || found == S().positions.end())
        return 1;
    *block = *found->second;
    ++S().loadedPositions;
    return 0;
}

void LoadFreeData(LoadDataRecord* block)
{
    int ignored = 0;
    Failing("LoadFreeData", -1, &ignored);
    if (block->supportNames || block->loadNames || block->reactions)
        --S().loadedPositions;
    *block = LoadDataRecord{};
}

// The transfer file of a position file: the same path ending in "016".
int ChangeExtension(const char* file, char* outPath)
{
    LOG_CALL("ChangeExtension", -1);
    const std::string path = file;
    if (path.size() < 3)
        return 1;
    CopyOut(outPath, path.substr(0, path.size() - 3) + "016");
    return 0;
}

int InitBindData(const char* path, int mode, int* recordCount, int* headerCount)
{
    LOG_CALL("InitBindData", mode);
    Session& session = S().session;
    if (session.open)
        ++S().violations;
    if (mode == 1 && !S().files.count(path))
        return 1;
    session = Session{true, mode, path, {}};
    if (mode == 0) {
        session.file.records.resize(static_cast<size_t>(*recordCount));
        session.file.names.resize(session.file.records.size());
        return 0;
    }
    session.file = S().files[path];
    *recordCount =
        session.file.reportedRecords.value_or(static_cast<int>(session.file.records.size()));
    *headerCount = static_cast<int>(session.file.headers.size());
    return 0;
}

int InitBindHeader(char* path, int mode, int* transferNumber, int* entryCount)
{
    LOG_CALL("InitBindHeader", mode);
    if (!Usable(mode))
        return 1;
    Session& session = S().session;
    if (mode == 0) {
        session.file.headers.push_back({path, *transferNumber, {}, std::nullopt});
        return 0;
    }
    if (session.header >= session.file.headers.size())
        return 1;
    const Header& header = session.file.headers[session.header++];
    session.row = 0;
    CopyOut(path, header.path);
    *transferNumber = header.number;
    *entryCount = header.reportedRows.value_or(static_cast<int>(header.rows.size()));
    return 0;
}

int InitZuordTabelle(int mode, int* sourceLoad, int* ownLoad)
{
    LOG_CALL("InitZuordTabelle", mode);
    if (!Usable(mode))
        return 1;
    Session& session = S().session;
    if (mode == 0) {
        if (session.file.headers.empty())
            return 1;
        session.file.headers.back().rows.emplace_back(*sourceLoad, *ownLoad);
        return 0;
    }
    if (session.header == 0 || session.row >= session.file.headers[session.header - 1].rows.size())
        return 1;
    std::tie(*sourceLoad, *ownLoad) = session.file.headers[session.header - 1].rows[session.row++];
    return 0;
}

int SetIPathName(int i, const char* name)
{
    LOG_CALL("SetIPathName", -1);
    if (!Written(i))
        return 1;
    S().session.file.names[static_cast<size_t>(i)] = name;
    return 0;
}

int SetIBindStructData(int i, const BindRecord* record)
{
    LOG_CALL("SetIBindStructData", -1);
    BindRecord* stored = Written(i);
    if (!stored)
        return 1;
    *stored = *record;
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
    if (!Usable(mode))
        return 1;
    if (mode == 0)
        S().files[S().session.path] = S().session.file;
    return 0;
}

int BindGetVersions(int* a, int* version)
{
    LOG_CALL("BindGetVersions", -1);
    if (!Usable(1))
        return 1;
    *a = 1;
    *version = 1;
    return 0;
}

// Records with their path names; no nodes, reference nodes or pieces (see TransferFile).
int GetTotalCopyOfBinds(BindRecord** records)
{
    LOG_CALL("GetTotalCopyOfBinds", -1);
    if (!Usable(1))
        return 0;
    TransferFile& file = S().session.file;
    *records = new BindRecord[file.records.size()];
    for (size_t i = 0; i < file.records.size(); ++i) {
        (*records)[i] = file.records[i];
        (*records)[i].positionName = file.names[i].data();
        (*records)[i].nodes = (*records)[i].refNodes = nullptr;
        (*records)[i].trapezoids = nullptr;
    }
    return static_cast<int>(file.records.size());
}

void FreeTotalCopyOfBinds(int, BindRecord** records)
{
    int ignored = 0;
    Failing("FreeTotalCopyOfBinds", -1, &ignored);
    delete[] * records;
    *records = nullptr;
}

void LoadBindFree(void)
{
    int ignored = 0;
    Failing("LoadBindFree", -1, &ignored);
    if (!S().session.open)
        ++S().violations;
    S().session = Session();
}
