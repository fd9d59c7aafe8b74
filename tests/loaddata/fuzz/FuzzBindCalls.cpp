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
#include <functional>
#include <iterator>
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
        TransferData data;
        data.headers = {{"C:\\P\\d010001.017", 1, {{0, 1}, {1, 0}}}, {"C:\\P\\d2.017", -2, {}}};
        TransferRecord record;
        record.positionName = record.pathName = "d010001";
        record.trapezoids.resize(2);
        record.nodes.resize(2);
        record.refNodes.resize(1);
        data.records = {record, TransferRecord{}};
        if (writeTransferFile(g_folder + "/good.016", data) != FormatError::None)
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

// A record with counts just in and out of range and arrays that may be missing.
BindRecord handedRecord(Input& in)
{
    static TrapezoidPiece pieces[3];
    static NodeCoord nodes[3];
    static char name[] = "d010003";
    BindRecord r{};
    r.positionName = in.next() % 4 ? name : nullptr;
    r.trapezoidCount = in.small();
    r.trapezoids = in.next() % 2 ? pieces : nullptr;
    r.nodeCount = in.small();
    r.nodes = in.next() % 2 ? nodes : nullptr;
    r.refNodeCount = in.small();
    return r;
}

void call(BindSession& s, Input& in, BindRecord*& copy)
{
    static const char* names[] = {"/good.016", "/missing.016", "/new.016"};
    char text[264] = "C:\\P\\d010009.017";
    int a = in.small(), b = in.small(), kind = 0;
    const int mode = in.next() % 3, i = in.small(), q = in.small();
    double x = 0, y = 0, z = 0, w = 0;
    BindRecord r{};
    const auto nodes = BindSession::Nodes::Nodes, refNodes = BindSession::Nodes::RefNodes;
    const std::function<void()> calls[] = {
        [&] { s.open((folder() + names[mode]).c_str(), in.next() % 3, &a, &b); },
        [&] { s.header(text, mode, &a, &b); },
        [&] { s.assignmentRow(mode, &a, &b); },
        [&] { s.setPathName(i, mode ? "d010003" : nullptr); },
        [&] { r = handedRecord(in), s.setRecord(i, mode ? &r : nullptr); },
        [&] { s.node(mode ? nodes : refNodes, in.next() % 3, i, q, &x, &y, &z); },
        [&] { s.trapezoid(mode, i, q, &kind, &x, &y, &z, &w); },
        [&] { s.serialize(mode); },
        [&] { s.versions(&a, &b); },
        [&] { s.totalCopy(&copy) == 0 && copy ? touch(copy[0]) : void(); },
        [&] { s.freeTotalCopy(i, mode ? &copy : nullptr); },
        [&] { s.pathName(i, mode ? text : nullptr); },
        [&] { s.record(i, &r) == 0 ? touch(r) : void(); },
        [&] { s.close(), copy = nullptr; },
    };
    calls[std::size_t(in.next()) % std::size(calls)]();
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
