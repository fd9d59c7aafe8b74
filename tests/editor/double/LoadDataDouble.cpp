// The recording load data double: bind calls are logged and passed to the real library's
// session; positions live in a map by load file.
#include "tests/editor/double/LoadDataDouble.h"

#include "loaddata/BindSession.h"
#include "loaddata/LoadDataCalls.h"
#include "model/LoadDataInterface.h"

#include <cstring>
#include <map>
#include <string>

using loaddata::bindSession;
using loaddata::BindSession;

namespace
{

struct State {
    std::string log;
    std::map<std::string, int> failures;
    std::map<std::string, const LoadDataRecord*> positions;
    int reportedRecords = 0, reportedRows = 0; // what the next file read reports
    bool reportCounts = false, open = false;
    int headersRead = 0, held = 0;
} s;

std::string PositionPath(int projectRef, const char* name)
{
    return "C:\\proj" + std::to_string(projectRef) + "\\" + name + ".017";
}

// Logs the call; the result the test set for it, or 0.
int Injected(const char* call, int mode = -1)
{
    s.log += call + (mode < 0 ? "" : "(" + std::to_string(mode) + ")") + " ";
    auto found = s.failures.find(call);
    return found == s.failures.end() ? 0 : found->second;
}

#define FORWARD(call, mode, work)                                                                  \
    const int injected = Injected(call, mode);                                                     \
    if ((injected & 0xFFFF) != 0)                                                                  \
        return injected;                                                                           \
    const int result = work;                                                                       \
    if (injected != 0)                                                                             \
    return injected

#define BIND_CALL(name, mode, params, work)                                                        \
    int name params                                                                                \
    {                                                                                              \
        FORWARD(#name, mode, work);                                                                \
        return result;                                                                             \
    }

int CopyOut(char* out, const std::string& text)
{
    std::strcpy(out, text.c_str());
    return 1;
}

} // namespace

extern "C" __declspec(dllexport) void DoubleReset()
{
    bindSession().close();
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
extern "C" __declspec(dllexport) void DoubleReportCounts(int records, int rows)
{
    s.reportCounts = true, s.reportedRecords = records, s.reportedRows = rows;
}
extern "C" __declspec(dllexport) int DoubleHeld()
{
    return s.held + (s.open ? 1 : 0);
}

int Get_Position_File_New_Ex(int projectRef, const char* name, char* outPath)
{
    Injected("Get_Position_File_New_Ex");
    const std::string path = PositionPath(projectRef, name);
    return s.positions.count(path) ? CopyOut(outPath, path) : 0;
}

// Positions of project 1 report their names blank-padded, as the suite's plan files do;
// the status fields say "not calculated".
int Get_Position_Name(const char* file, char* name, char* programCode, char* field21, char* field76)
{
    Injected("Get_Position_Name");
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
    Injected("Get_Program_Name");
    return CopyOut(name, std::string("Program ") + programCode);
}

int LoadSerializeData(int mode, const char* path, LoadDataRecord* block)
{
    Injected("LoadSerializeData", mode);
    auto found = s.positions.find(path);
    if (mode != 1 || found == s.positions.end())
        return 1;
    *block = *found->second;
    ++s.held;
    return 0;
}

int GetLoadDataVersions(int* a, int* b)
{
    return loaddata::loadDataVersions(a, b);
}

void LoadFreeData(LoadDataRecord* block)
{
    Injected("LoadFreeData");
    if (block->supportNames || block->loadNames || block->reactions)
        --s.held;
    *block = LoadDataRecord{};
}

int InitBindData(const char* path, int mode, int* recordCount, int* headerCount)
{
    FORWARD("InitBindData", mode, bindSession().open(path, mode, recordCount, headerCount));
    s.open = result == 0;
    s.headersRead = 0;
    if (mode == 1 && s.reportCounts)
        *recordCount = s.reportedRecords;
    return result;
}

int InitBindHeader(char* path, int mode, int* transferNumber, int* entryCount)
{
    FORWARD("InitBindHeader", mode, bindSession().header(path, mode, transferNumber, entryCount));
    if (mode == 1 && s.reportCounts && s.headersRead++ == 0)
        *entryCount = s.reportedRows;
    return result;
}

BIND_CALL(InitZuordTabelle, mode, (int mode, int* sourceLoad, int* ownLoad),
          bindSession().assignmentRow(mode, sourceLoad, ownLoad))
BIND_CALL(SetIPathName, -1, (int i, const char* name), bindSession().setPathName(i, name))
BIND_CALL(SetIBindStructData, -1, (int i, const BindRecord* record),
          bindSession().setRecord(i, record))
BIND_CALL(BindNodeCoords, mode, (int mode, int i, int q, double* x, double* y, double* z),
          bindSession().node(BindSession::Nodes::Nodes, mode, i, q, x, y, z))
BIND_CALL(BindRefNodeCoords, mode, (int mode, int i, int q, double* x, double* y, double* z),
          bindSession().node(BindSession::Nodes::RefNodes, mode, i, q, x, y, z))
BIND_CALL(BindTrapezoidLoad, mode,
          (int mode, int i, int k, int* kind, double* q1, double* q2, double* x1, double* x2),
          bindSession().trapezoid(mode, i, k, kind, q1, q2, x1, x2))
BIND_CALL(LoadBindSerializeData, mode, (int mode), bindSession().serialize(mode))
BIND_CALL(BindGetVersions, -1, (int* a, int* version), bindSession().versions(a, version))

int GetTotalCopyOfBinds(BindRecord** records)
{
    FORWARD("GetTotalCopyOfBinds", -1, bindSession().totalCopy(records));
    s.held += *records ? 1 : 0;
    return result;
}

void FreeTotalCopyOfBinds(int count, BindRecord** records)
{
    Injected("FreeTotalCopyOfBinds");
    s.held -= *records ? 1 : 0;
    bindSession().freeTotalCopy(count, records);
}

void LoadBindFree(void)
{
    Injected("LoadBindFree");
    s.open = false;
    bindSession().close();
}
