#include "BindCallDriver.h"

#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"

#include <gtest/gtest.h>

using namespace loaddata;

namespace
{

int writeHeaders(const TransferData& data)
{
    int result = 0;
    for (const TransferHeader& header : data.headers) {
        char path[264];
        std::snprintf(path, sizeof path, "%s", header.sourcePath.c_str());
        int number = header.transferNumber;
        int count = int(header.rows.size());
        result = result ? result : InitBindHeader(path, 0, &number, &count);
        for (AssignmentRow row : header.rows)
            result = result ? result : InitZuordTabelle(0, &row.sourceLoad, &row.ownLoad);
    }
    return result;
}

// The node calls of one kind (BindNodeCoords or BindRefNodeCoords) over a record's nodes,
// reading (mode 1) or writing (mode 0); read nodes must equal the given ones.
using NodeCall = decltype(&BindNodeCoords);
int nodeCalls(NodeCall call, int mode, int b, const std::vector<NodeCoord>& nodes)
{
    int result = 0;
    for (std::size_t q = 0; !result && q < nodes.size(); ++q) {
        NodeCoord n = mode ? NodeCoord{} : nodes[q];
        result = call(mode, b, int(q), &n.x, &n.y, &n.z);
        EXPECT_TRUE(n == nodes[q]);
    }
    return result;
}

int pieceCalls(int mode, int b, const std::vector<TrapezoidPiece>& pieces)
{
    int result = 0;
    for (std::size_t k = 0; !result && k < pieces.size(); ++k) {
        TrapezoidPiece p = pieces[k]; // the carried bytes come from the caller's piece
        if (mode)
            p.kind = 0, p.q1 = p.q2 = p.x1 = p.x2 = 0;
        result = BindTrapezoidLoad(mode, b, int(k), &p.kind, &p.q1, &p.q2, &p.x1, &p.x2);
        EXPECT_TRUE(p == pieces[k]);
    }
    return result;
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
    result = result ? result : nodeCalls(BindNodeCoords, 0, b, record.nodes);
    result = result ? result : nodeCalls(BindRefNodeCoords, 0, b, record.refNodes);
    return result ? result : pieceCalls(0, b, record.trapezoids);
}

int readHeaders(int headerCount, TransferData& data)
{
    for (int h = 0; h < headerCount; ++h) {
        char path[264];
        TransferHeader header;
        int count = 0;
        if (int result = InitBindHeader(path, 1, &header.transferNumber, &count))
            return result;
        header.sourcePath = path;
        header.rows.resize(std::size_t(count));
        for (AssignmentRow& row : header.rows) {
            if (int result = InitZuordTabelle(1, &row.sourceLoad, &row.ownLoad))
                return result;
        }
        data.headers.push_back(header);
    }
    return 0;
}

TransferRecord recordFromCopy(const BindRecord& copy)
{
    TransferRecord record;
    record.fields = copy;
    record.positionName = copy.positionName;
    record.trapezoids.assign(copy.trapezoids, copy.trapezoids + copy.trapezoidCount);
    record.nodes.assign(copy.nodes, copy.nodes + copy.nodeCount);
    record.refNodes.assign(copy.refNodes, copy.refNodes + copy.refNodeCount);
    record.fields.positionName = nullptr;
    record.fields.trapezoids = nullptr;
    record.fields.nodes = record.fields.refNodes = nullptr;
    return record;
}

// The page's way through one record must find what the copy holds.
int readRecord(int i, const BindRecord& copy, TransferData& data)
{
    data.records.push_back(recordFromCopy(copy));
    const TransferRecord& record = data.records.back();
    char path[260];
    BindRecord single{};
    int result = GetIPathName(i, path);
    result = result ? result : GetIBindStructData(i, &single);
    if (result)
        return result;
    data.records.back().pathName = path;
    EXPECT_TRUE(single == record.fields);
    EXPECT_STREQ(single.positionName, record.positionName.c_str());
    result = nodeCalls(BindNodeCoords, 1, i, record.nodes);
    result = result ? result : nodeCalls(BindRefNodeCoords, 1, i, record.refNodes);
    return result ? result : pieceCalls(1, i, record.trapezoids);
}

int readRecords(int recordCount, TransferData& data)
{
    int a = 0;
    BindRecord* records = nullptr;
    int result = LoadBindSerializeData(1);
    result = result ? result : BindGetVersions(&a, &data.dataVersion);
    result = result ? result : GetTotalCopyOfBinds(&records);
    EXPECT_TRUE(result || a == 1);
    for (int i = 0; !result && i < recordCount; ++i)
        result = readRecord(i, records[i], data);
    FreeTotalCopyOfBinds(recordCount, &records);
    EXPECT_EQ(records, nullptr);
    return result;
}

} // namespace

int writeThroughCalls(const std::string& path, const TransferData& data)
{
    int n = int(data.records.size());
    int h = int(data.headers.size());
    if (int result = InitBindData(path.c_str(), 0, &n, &h))
        return result;
    int result = writeHeaders(data);
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
    result = result ? result : readHeaders(h, data);
    result = result ? result : readRecords(n, data);
    LoadBindFree();
    return result;
}
