// Fuzz target over the bind calls' state: each input is a sequence of calls with small
// arguments, in any order, on a good transfer file, a missing one and one being written;
// whatever a read call hands out is read whole, so that the sanitizers see every byte.
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

// A good transfer file, written once and removed at the end of the run.
std::string g_good;

void removeGood()
{
    std::remove(g_good.c_str());
}

const std::string& good()
{
    if (g_good.empty()) {
        g_good = "/tmp/kv-fuzz-bind-" + std::to_string(getpid()) + ".016";
        std::atexit(removeGood);
        TransferData data;
        data.headers = {{"C:\\P\\d010001.017", 1, {{0, 1}, {1, 0}}}, {"C:\\P\\d2.017", -2, {}}};
        TransferRecord record;
        record.positionName = record.pathName = "d010001";
        record.trapezoids.resize(2);
        record.nodes.resize(2);
        record.refNodes.resize(1);
        data.records = {record, TransferRecord{}};
        if (writeTransferFile(g_good, data) != FormatError::None)
            std::abort();
    }
    return g_good;
}

volatile unsigned g_sink;

// Reads every array of a record handed out, so that the sanitizers see every byte.
void touch(const BindRecord& r)
{
    g_sink += unsigned(std::strlen(r.positionName));
    for (int k = 0; k < r.trapezoidCount; ++k)
        g_sink += r.trapezoids[k].carried[47];
    for (int q = 0; q < r.nodeCount + r.refNodeCount; ++q)
        g_sink += unsigned(q < r.nodeCount ? r.nodes[q].z : r.refNodes[q - r.nodeCount].z);
}

void call(BindSession& s, Input& in, BindRecord*& copy)
{
    static const char* names[] = {"", ".missing", ".new"}; // one to read, none, one to write
    char text[264] = "C:\\P\\d010009.017";
    int a = in.small(), b = in.small(), kind = 0;
    const int mode = in.next() % 3, i = in.small(), q = in.small();
    double x = 0, y = 0, z = 0, w = 0;
    BindRecord r{};
    const auto nodes = BindSession::Nodes::Nodes, refNodes = BindSession::Nodes::RefNodes;
    const std::function<void()> calls[] = {
        [&] { s.open((good() + names[mode]).c_str(), in.next() % 3, &a, &b); },
        [&] { s.header(text, mode, &a, &b); },
        [&] { s.assignmentRow(mode, &a, &b); },
        [&] { s.setPathName(i, mode ? "d010003" : nullptr); },
        [&] { // counts just in and out of range, arrays that may be missing
            static TrapezoidPiece pieces[3];
            static NodeCoord coords[3];
            r = {};
            r.positionName = mode ? text : nullptr;
            r.trapezoids = in.next() % 2 ? pieces : nullptr;
            r.nodes = in.next() % 2 ? coords : nullptr;
            r.trapezoidCount = i, r.nodeCount = q, r.refNodeCount = in.small();
            s.setRecord(in.small(), &r);
        },
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
    good();
    simulateSaveFault(SaveFault::HalfWritten); // no disk writes for every input
    BindSession session;
    BindRecord* copy = nullptr;
    Input in{data, size};
    while (in.size > 0)
        call(session, in, copy);
    session.close();
    return 0;
}
