// Fuzz target over the bind calls' state: each input is a sequence of calls with small
// arguments, in any order, on a good transfer file, a missing one and one being written.
// Every call must give a result and leave the session usable; whatever a read call hands
// out is read whole, so that the sanitizers see every byte of it.
#include "loaddata/BindSession.h"
#include "loaddata/FileIo.h"
#include "loaddata/TransferFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

using namespace loaddata;

namespace
{

struct Input {
    const uint8_t* data;
    size_t size;
    int next() { return size ? (--size, *data++) : 0; }
    int small() { return next() % 5 - 1; } // -1 to 3: indexes just in and out of range
};

TransferData sample()
{
    TransferData data;
    data.headers = {{"C:\\P\\d010001.017", 1, {{0, 1}, {1, 0}}}, {"C:\\P\\d010002.017", -2, {}}};
    TransferRecord record;
    record.positionName = record.pathName = "d010001";
    record.trapezoids.resize(2);
    record.nodes.resize(2);
    record.refNodes.resize(1);
    data.records = {record, TransferRecord{}};
    return data;
}

// A folder with a good transfer file, made once and removed at the end of the run.
std::string g_folder;

void removeFolder()
{
    std::remove((g_folder + "/good.016").c_str());
    rmdir(g_folder.c_str());
}

const std::string& folder()
{
    if (g_folder.empty()) {
        char name[] = "/tmp/kv-fuzz-bind-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        g_folder = name;
        std::atexit(removeFolder);
        if (writeTransferFile(g_folder + "/good.016", sample()) != FormatError::None)
            std::abort();
    }
    return g_folder;
}

volatile unsigned g_sink;

void touch(const BindRecord& r)
{
    g_sink += unsigned(std::strlen(r.positionName));
    for (int k = 0; k < r.trapezoidCount; ++k)
        g_sink += r.trapezoids[k].carried[47];
    for (int q = 0; q < r.nodeCount; ++q)
        g_sink += unsigned(r.nodes[q].z);
    for (int q = 0; q < r.refNodeCount; ++q)
        g_sink += unsigned(r.refNodes[q].z);
}

void openFile(BindSession& s, Input& in)
{
    static const char* names[] = {"/good.016", "/missing.016", "/new.016"};
    const std::string path = folder() + names[in.next() % 3];
    int n = in.small();
    int h = in.small();
    s.open(path.c_str(), in.next() % 3, &n, &h);
}

void handRecord(BindSession& s, Input& in)
{
    static TrapezoidPiece pieces[3];
    static NodeCoord nodes[3];
    BindRecord r{};
    char name[] = "d010003";
    r.positionName = in.next() % 4 ? name : nullptr;
    r.trapezoidCount = in.small();
    r.trapezoids = in.next() % 2 ? pieces : nullptr;
    r.nodeCount = in.small();
    r.nodes = in.next() % 2 ? nodes : nullptr;
    r.refNodeCount = in.small();
    s.setRecord(in.small(), in.next() % 4 ? &r : nullptr);
}

void call(BindSession& s, Input& in, BindRecord*& copy)
{
    char text[264] = "C:\\P\\d010009.017";
    int a = in.small(), b = in.small(), kind = 0;
    double x = 0, y = 0, z = 0, w = 0;
    BindRecord r{};
    switch (in.next() % 15) {
    case 0:
        openFile(s, in);
        break;
    case 1:
        s.header(text, in.next() % 3, &a, &b);
        break;
    case 2:
        s.assignmentRow(in.next() % 3, &a, &b);
        break;
    case 3:
        s.setPathName(in.small(), in.next() % 4 ? "d010003" : nullptr);
        break;
    case 4:
        handRecord(s, in);
        break;
    case 5:
        s.node(BindSession::Nodes::Nodes, in.next() % 3, in.small(), in.small(), &x, &y, &z);
        break;
    case 6:
        s.node(BindSession::Nodes::RefNodes, in.next() % 3, in.small(), in.small(), &x, &y, &z);
        break;
    case 7:
        s.trapezoid(in.next() % 3, in.small(), in.small(), &kind, &x, &y, &z, &w);
        break;
    case 8:
        s.serialize(in.next() % 3);
        break;
    case 9:
        s.versions(&a, &b);
        break;
    case 10:
        if (s.totalCopy(&copy) == 0 && copy)
            touch(copy[0]);
        break;
    case 11:
        s.freeTotalCopy(in.small(), in.next() % 2 ? &copy : nullptr);
        break;
    case 12:
        s.pathName(in.small(), in.next() % 4 ? text : nullptr);
        break;
    case 13:
        if (s.record(in.small(), &r) == 0)
            touch(r);
        break;
    case 14:
        s.close();
        copy = nullptr;
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    folder();
    simulateSaveFault(SaveFault::HalfWritten); // no disk writes for every input
    BindSession session;
    BindRecord* copy = nullptr;
    Input in{data, size};
    while (in.size > 0)
        call(session, in, copy);
    session.close();
    return 0;
}
