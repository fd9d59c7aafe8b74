// The exported calls on the open transfer file.
#include "model/LoadDataInterface.h"

#include "loaddata/BindSession.h"
#include "loaddata/CallResult.h"

using loaddata::bindSession;
using loaddata::BindSession;
using loaddata::guarded;

extern "C" {

int InitBindData(const char* path, int mode, int* recordCount, int* headerCount)
{
    return guarded([&] { return bindSession().open(path, mode, recordCount, headerCount); });
}

int InitBindHeader(char* path, int mode, int* transferNumber, int* entryCount)
{
    return guarded([&] { return bindSession().header(path, mode, transferNumber, entryCount); });
}

int InitZuordTabelle(int mode, int* sourceLoad, int* ownLoad)
{
    return guarded([&] { return bindSession().assignmentRow(mode, sourceLoad, ownLoad); });
}

int SetIPathName(int i, const char* name)
{
    return guarded([&] { return bindSession().setPathName(i, name); });
}

int SetIBindStructData(int i, const BindRecord* record)
{
    return guarded([&] { return bindSession().setRecord(i, record); });
}

int BindNodeCoords(int mode, int i, int q, double* x, double* y, double* z)
{
    return bindSession().node(BindSession::Nodes::Nodes, mode, i, q, x, y, z);
}

int BindRefNodeCoords(int mode, int i, int q, double* x, double* y, double* z)
{
    return bindSession().node(BindSession::Nodes::RefNodes, mode, i, q, x, y, z);
}

int BindTrapezoidLoad(int mode, int i, int k, int* kind, double* q1, double* q2, double* x1,
                      double* x2)
{
    return bindSession().trapezoid(mode, i, k, kind, q1, q2, x1, x2);
}

int LoadBindSerializeData(int mode)
{
    return guarded([&] { return bindSession().serialize(mode); });
}

int BindGetVersions(int* a, int* version)
{
    return bindSession().versions(a, version);
}

int GetTotalCopyOfBinds(BindRecord** records)
{
    return guarded([&] { return bindSession().totalCopy(records); });
}

void FreeTotalCopyOfBinds(int count, BindRecord** records)
{
    bindSession().freeTotalCopy(count, records);
}

int GetIPathName(int i, char* out)
{
    return bindSession().pathName(i, out);
}

int GetIBindStructData(int i, BindRecord* out)
{
    return bindSession().record(i, out);
}

void LoadBindFree(void)
{
    bindSession().close();
}

} // extern "C"
