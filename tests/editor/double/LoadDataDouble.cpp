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

struct StoredRecord {
    BindRecord record{};
    std::string name;
    std::vector<NodeCoord> nodes;
    std::vector<NodeCoord> refNodes;
    std::vector<TrapezoidPiece> pieces;
};

struct Header {
    std::string path;
    int number = 0;
    std::vector<std::pair<int, int>> rows;
    std::optional<int> reportedRows; // a damaged file's count instead of the rows'
};

struct TransferFile {
    int versionA = 1;
    int versionB = 1;
    std::vector<Header> headers;
    std::vector<StoredRecord> records;
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

// A bind call on a file that is not open breaks the protocol.
bool Usable(int mode)
{
    if (!S().session.open || S().session.mode != mode) {
        ++S().violations;
        return false;
    }
    return true;
}

StoredRecord* Record(int i)
{
    std::vector<StoredRecord>& records = S().session.file.records;
    return i >= 0 && static_cast<size_t>(i) < records.size() ? &records[i] : nullptr;
}

int CopyOut(char* out, const std::string& text)
{
    std::strcpy(out, text.c_str());
    return 1;
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
extern "C" __declspec(dllexport) void DoubleSetVersions(const char* path, int a, int b)
{
    S().files[path].versionA = a;
    S().files[path].versionB = b;
}
extern "C" __declspec(dllexport) void DoubleReportCounts(const char* path, int records, int header,
                                                         int rows)
{
    TransferFile& file = S().files[path];
    file.reportedRecords = records;
    if (header >= 0 && static_cast<size_t>(header) < file.headers.size())
        file.headers[static_cast<size_t>(header)].reportedRows = rows;
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
    int result = 0;
    if (Failing("Get_Position_File_New_Ex", -1, &result))
        return result;
    const std::string path = PositionPath(projectRef, name);
    return S().positions.count(path) ? CopyOut(outPath, path) : 0;
}

// Positions of project 1 report their names blank-padded, as the suite's plan files do;
// the status fields say "not calculated".
int Get_Position_Name(const char* file, char* name, char* programCode, char* field21, char* field76)
{
    int result = 0;
    if (Failing("Get_Position_Name", -1, &result))
        return result;
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
    int result = 0;
    if (Failing("Get_Program_Name", -1, &result))
        return result;
    return CopyOut(name, std::string("Program ") + programCode);
}

int LoadSerializeData(int mode, const char* path, LoadDataRecord* block)
{
    int result = 0;
    if (Failing("LoadSerializeData", mode, &result))
        return result;
    auto found = S().positions.find(path);
    if (mode != 1 || found == S().positions.end())
        return 1;
    *block = *found->second;
    ++S().loadedPositions;
    return 0;
}

void LoadFreeData(LoadDataRecord* block)
{
    int result = 0;
    Failing("LoadFreeData", -1, &result);
    if (block->supportNames || block->loadNames || block->reactions)
        --S().loadedPositions;
    *block = LoadDataRecord{};
}

// The transfer file of a position file: the same path ending in "016".
int ChangeExtension(const char* file, char* outPath)
{
    int result = 0;
    if (Failing("ChangeExtension", -1, &result))
        return result;
    const std::string path = file;
    if (path.size() < 3)
        return 1;
    CopyOut(outPath, path.substr(0, path.size() - 3) + "016");
    return 0;
}

int InitBindData(const char* path, int mode, int* recordCount, int* headerCount)
{
    int result = 0;
    if (Failing("InitBindData", mode, &result))
        return result;
    Session& session = S().session;
    if (session.open)
        ++S().violations;
    if (mode == 1 && !S().files.count(path))
        return 1;
    session = Session();
    session.open = true;
    session.mode = mode;
    session.path = path;
    if (mode == 1) {
        session.file = S().files[path];
        *recordCount =
            session.file.reportedRecords.value_or(static_cast<int>(session.file.records.size()));
        *headerCount = static_cast<int>(session.file.headers.size());
    } else {
        session.file.records.resize(static_cast<size_t>(*recordCount));
    }
    return 0;
}

int InitBindHeader(char* path, int mode, int* transferNumber, int* entryCount)
{
    int result = 0;
    if (Failing("InitBindHeader", mode, &result))
        return result;
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
    int result = 0;
    if (Failing("InitZuordTabelle", mode, &result))
        return result;
    if (!Usable(mode))
        return 1;
    Session& session = S().session;
    if (mode == 0) {
        if (session.file.headers.empty())
            return 1;
        session.file.headers.back().rows.emplace_back(*sourceLoad, *ownLoad);
        return 0;
    }
    if (session.header == 0)
        return 1;
    const Header& header = session.file.headers[session.header - 1];
    if (session.row >= header.rows.size())
        return 1;
    *sourceLoad = header.rows[session.row].first;
    *ownLoad = header.rows[session.row++].second;
    return 0;
}

int SetIPathName(int i, const char* name)
{
    int result = 0;
    if (Failing("SetIPathName", -1, &result))
        return result;
    if (!Usable(0) || !Record(i))
        return 1;
    Record(i)->name = name;
    return 0;
}

int SetIBindStructData(int i, const BindRecord* record)
{
    int result = 0;
    if (Failing("SetIBindStructData", -1, &result))
        return result;
    if (!Usable(0) || !Record(i))
        return 1;
    StoredRecord& stored = *Record(i);
    stored.record = *record;
    stored.nodes.assign(static_cast<size_t>(record->nodeCount), NodeCoord{});
    stored.refNodes.assign(static_cast<size_t>(record->refNodeCount), NodeCoord{});
    stored.pieces.assign(record->trapezoids, record->trapezoids + record->trapezoidCount);
    return 0;
}

namespace
{
int BindCoords(const char* call, bool reference, int mode, int i, int q, double* x, double* y,
               double* z)
{
    int result = 0;
    if (Failing(call, mode, &result))
        return result;
    if (!Usable(0) || !Record(i))
        return 1;
    std::vector<NodeCoord>& nodes = reference ? Record(i)->refNodes : Record(i)->nodes;
    if (q < 0 || static_cast<size_t>(q) >= nodes.size())
        return 1;
    nodes[static_cast<size_t>(q)] = {*x, *y, *z};
    return 0;
}
} // namespace

int BindNodeCoords(int mode, int i, int q, double* x, double* y, double* z)
{
    return BindCoords("BindNodeCoords", false, mode, i, q, x, y, z);
}

int BindRefNodeCoords(int mode, int i, int q, double* x, double* y, double* z)
{
    return BindCoords("BindRefNodeCoords", true, mode, i, q, x, y, z);
}

int BindTrapezoidLoad(int mode, int i, int k, int* kind, double* q1, double* q2, double* x1,
                      double* x2)
{
    int result = 0;
    if (Failing("BindTrapezoidLoad", mode, &result))
        return result;
    if (!Usable(0) || !Record(i))
        return 1;
    std::vector<TrapezoidPiece>& pieces = Record(i)->pieces;
    if (k < 0 || static_cast<size_t>(k) >= pieces.size())
        return 1;
    TrapezoidPiece& piece = pieces[static_cast<size_t>(k)];
    piece.kind = *kind;
    piece.q1 = *q1;
    piece.q2 = *q2;
    piece.x1 = *x1;
    piece.x2 = *x2;
    return 0;
}

int LoadBindSerializeData(int mode)
{
    int result = 0;
    if (Failing("LoadBindSerializeData", mode, &result))
        return result;
    if (!Usable(mode))
        return 1;
    if (mode == 0)
        S().files[S().session.path] = S().session.file;
    return 0;
}

int BindGetVersions(int* a, int* version)
{
    int result = 0;
    if (Failing("BindGetVersions", -1, &result))
        return result;
    if (!Usable(1))
        return 1;
    *a = S().session.file.versionA;
    *version = S().session.file.versionB;
    return 0;
}

// Records with their pointers into the open file's copy.
int GetTotalCopyOfBinds(BindRecord** records)
{
    int result = 0;
    if (Failing("GetTotalCopyOfBinds", -1, &result))
        return result;
    if (!Usable(1))
        return 0;
    std::vector<StoredRecord>& stored = S().session.file.records;
    *records = new BindRecord[stored.size()];
    for (size_t i = 0; i < stored.size(); ++i) {
        BindRecord& record = (*records)[i];
        record = stored[i].record;
        record.positionName = stored[i].name.data();
        record.nodes = stored[i].nodes.empty() ? nullptr : stored[i].nodes.data();
        record.refNodes = stored[i].refNodes.empty() ? nullptr : stored[i].refNodes.data();
        record.trapezoids = stored[i].pieces.empty() ? nullptr : stored[i].pieces.data();
    }
    return static_cast<int>(stored.size());
}

void FreeTotalCopyOfBinds(int, BindRecord** records)
{
    int result = 0;
    Failing("FreeTotalCopyOfBinds", -1, &result);
    delete[] * records;
    *records = nullptr;
}

void LoadBindFree(void)
{
    int result = 0;
    Failing("LoadBindFree", -1, &result);
    if (!S().session.open)
        ++S().violations;
    S().session = Session();
}
