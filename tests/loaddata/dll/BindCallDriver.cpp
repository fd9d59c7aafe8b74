#include "BindCallDriver.h"

#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"

#include <gtest/gtest.h>

using namespace loaddata;

namespace
{

// The node calls of one kind over a record's nodes: they store the nodes (mode 0) or read
// them into the vector (mode 1).
using NodeCall = decltype(&BindNodeCoords);
int nodeCalls(NodeCall call, int mode, int b, std::vector<NodeCoord>& nodes)
{
    int result = 0;
    for (std::size_t q = 0; !result && q < nodes.size(); ++q) {
        if (mode)
            nodes[q] = NodeCoord{}; // read afresh
        result = call(mode, b, int(q), &nodes[q].x, &nodes[q].y, &nodes[q].z);
    }
    return result;
}

// The pieces as the node calls above; the carried bytes are the caller's.
int pieceCalls(int mode, int b, std::vector<TrapezoidPiece>& pieces)
{
    int result = 0;
    for (std::size_t k = 0; !result && k < pieces.size(); ++k) {
        TrapezoidPiece& p = pieces[k];
        if (mode)
            p.kind = 0, p.q1 = p.q2 = p.x1 = p.x2 = 0.0;
        result = BindTrapezoidLoad(mode, b, int(k), &p.kind, &p.q1, &p.q2, &p.x1, &p.x2);
    }
    return result;
}

// The record's arrays through the calls: all nodes, reference nodes and pieces.
int arrayCalls(int mode, int b, TransferRecord& record)
{
    int result = nodeCalls(BindNodeCoords, mode, b, record.nodes);
    result = result ? result : nodeCalls(BindRefNodeCoords, mode, b, record.refNodes);
    return result ? result : pieceCalls(mode, b, record.trapezoids);
}

int writeRecord(int b, const TransferRecord& source)
{
    TransferRecord record = source; // the calls read through these pointers
    BindRecord fields = record.fields;
    fields.positionName = &record.positionName[0];
    fields.trapezoids = record.trapezoids.empty() ? nullptr : record.trapezoids.data();
    fields.nodes = record.nodes.empty() ? nullptr : record.nodes.data();
    fields.refNodes = record.refNodes.empty() ? nullptr : record.refNodes.data();
    int result = SetIPathName(b, record.pathName.c_str());
    result = result ? result : SetIBindStructData(b, &fields);
    return result ? result : arrayCalls(0, b, record);
}

TransferRecord recordOf(const BindRecord& copy)
{
    TransferRecord record;
    record.fields = copy;
    record.positionName = copy.positionName;
    record.trapezoids.assign(copy.trapezoids, copy.trapezoids + copy.trapezoidCount);
    record.nodes.assign(copy.nodes, copy.nodes + copy.nodeCount);
    record.refNodes.assign(copy.refNodes, copy.refNodes + copy.refNodeCount);
    return record;
}

// The editor's start takes the records as one copy; the page reads record by record and
// node by node, and must find the same.
int readRecords(int recordCount, TransferData& data)
{
    int a = 0;
    BindRecord* records = nullptr;
    int result = LoadBindSerializeData(1);
    result = result ? result : BindGetVersions(&a, &data.dataVersion);
    result = result ? result : GetTotalCopyOfBinds(&records);
    EXPECT_TRUE(result || a == 1);
    for (int i = 0; !result && i < recordCount; ++i) {
        char path[260];
        BindRecord single{};
        result = GetIPathName(i, path);
        result = result ? result : GetIBindStructData(i, &single);
        TransferRecord byCalls = recordOf(single);
        result = result ? result : arrayCalls(1, i, byCalls);
        data.records.push_back(recordOf(records[i]));
        data.records.back().pathName = byCalls.pathName = path;
        EXPECT_TRUE(result || byCalls == data.records.back()) << "record " << i;
    }
    FreeTotalCopyOfBinds(recordCount, &records);
    EXPECT_EQ(records, nullptr);
    return result;
}

} // namespace

int writeThroughCalls(const std::string& path, const TransferData& data)
{
    int n = int(data.records.size());
    int h = int(data.headers.size());
    int result = InitBindData(path.c_str(), 0, &n, &h);
    if (result)
        return result; // leaves an open file of another caller alone
    for (const TransferHeader& header : data.headers) {
        char source[264];
        std::snprintf(source, sizeof source, "%s", header.sourcePath.c_str());
        int number = header.transferNumber;
        int count = int(header.rows.size());
        result = result ? result : InitBindHeader(source, 0, &number, &count);
        for (AssignmentRow row : header.rows)
            result = result ? result : InitZuordTabelle(0, &row.sourceLoad, &row.ownLoad);
    }
    for (int b = 0; !result && b < n; ++b)
        result = writeRecord(b, data.records[std::size_t(b)]);
    result = result ? result : LoadBindSerializeData(0);
    LoadBindFree();
    return result;
}

int readThroughCalls(const std::string& path, TransferData& data)
{
    data = TransferData{};
    int n = -1;
    int h = -1;
    int result = InitBindData(path.c_str(), 1, &n, &h);
    if (result)
        return result;
    data.headers.resize(std::size_t(h));
    for (TransferHeader& header : data.headers) {
        char source[264];
        int count = 0;
        result = result ? result : InitBindHeader(source, 1, &header.transferNumber, &count);
        header.sourcePath = result ? "" : source;
        header.rows.resize(std::size_t(result ? 0 : count));
        for (AssignmentRow& row : header.rows)
            result = result ? result : InitZuordTabelle(1, &row.sourceLoad, &row.ownLoad);
    }
    result = result ? result : readRecords(n, data);
    LoadBindFree();
    return result;
}
