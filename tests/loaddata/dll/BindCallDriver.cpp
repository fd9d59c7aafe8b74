#include "BindCallDriver.h"

#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"

#include <gtest/gtest.h>

using namespace loaddata;

namespace
{

int writeHeaders(const TransferData& data)
{
    for (const TransferHeader& header : data.headers) {
        char path[264];
        std::snprintf(path, sizeof path, "%s", header.sourcePath.c_str());
        int number = header.transferNumber;
        int count = int(header.rows.size());
        if (int result = InitBindHeader(path, 0, &number, &count))
            return result;
        for (AssignmentRow row : header.rows) {
            if (int result = InitZuordTabelle(0, &row.sourceLoad, &row.ownLoad))
                return result;
        }
    }
    return 0;
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
    for (int q = 0; !result && q < fields.nodeCount; ++q) {
        NodeCoord n = record.nodes[std::size_t(q)];
        result = BindNodeCoords(0, b, q, &n.x, &n.y, &n.z);
    }
    for (int q = 0; !result && q < fields.refNodeCount; ++q) {
        NodeCoord n = record.refNodes[std::size_t(q)];
        result = BindRefNodeCoords(0, b, q, &n.x, &n.y, &n.z);
    }
    for (int k = 0; !result && k < fields.trapezoidCount; ++k) {
        TrapezoidPiece p = record.trapezoids[std::size_t(k)];
        result = BindTrapezoidLoad(0, b, k, &p.kind, &p.q1, &p.q2, &p.x1, &p.x2);
    }
    return result;
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
    record.fields.positionName = nullptr;
    record.fields.trapezoids = nullptr;
    record.fields.nodes = nullptr;
    record.fields.refNodes = nullptr;
    record.positionName = copy.positionName;
    record.trapezoids.assign(copy.trapezoids, copy.trapezoids + copy.trapezoidCount);
    record.nodes.assign(copy.nodes, copy.nodes + copy.nodeCount);
    record.refNodes.assign(copy.refNodes, copy.refNodes + copy.refNodeCount);
    return record;
}

// The page's way through one record must find what the copy holds.
void expectSameRecordByCalls(int i, const TransferRecord& fromCopy)
{
    char path[260];
    BindRecord single{};
    ASSERT_EQ(GetIPathName(i, path), 0);
    ASSERT_EQ(GetIBindStructData(i, &single), 0);
    TransferRecord expected = fromCopy;
    expected.pathName.clear(); // the record does not carry its path name
    EXPECT_TRUE(recordFromCopy(single) == expected);
    for (int q = 0; q < single.nodeCount; ++q) {
        NodeCoord n{};
        EXPECT_EQ(BindNodeCoords(1, i, q, &n.x, &n.y, &n.z), 0);
        EXPECT_TRUE(n == fromCopy.nodes[std::size_t(q)]);
    }
    for (int q = 0; q < single.refNodeCount; ++q) {
        NodeCoord n{};
        EXPECT_EQ(BindRefNodeCoords(1, i, q, &n.x, &n.y, &n.z), 0);
        EXPECT_TRUE(n == fromCopy.refNodes[std::size_t(q)]);
    }
    for (int k = 0; k < single.trapezoidCount; ++k) {
        TrapezoidPiece p = fromCopy.trapezoids[std::size_t(k)];
        EXPECT_EQ(BindTrapezoidLoad(1, i, k, &p.kind, &p.q1, &p.q2, &p.x1, &p.x2), 0);
        EXPECT_TRUE(p == fromCopy.trapezoids[std::size_t(k)]);
    }
}

int readRecords(int recordCount, TransferData& data)
{
    if (int result = LoadBindSerializeData(1))
        return result;
    int a = 0;
    if (int result = BindGetVersions(&a, &data.dataVersion))
        return result;
    EXPECT_EQ(a, 1);
    BindRecord* records = nullptr;
    if (int result = GetTotalCopyOfBinds(&records))
        return result;
    for (int i = 0; i < recordCount; ++i) {
        data.records.push_back(recordFromCopy(records[i]));
        char path[260];
        if (int result = GetIPathName(i, path))
            return result;
        data.records.back().pathName = path;
        expectSameRecordByCalls(i, data.records.back());
    }
    FreeTotalCopyOfBinds(recordCount, &records);
    EXPECT_EQ(records, nullptr);
    return 0;
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
    if (int result = InitBindData(path.c_str(), 1, &n, &h))
        return result;
    int result = readHeaders(h, data);
    result = result ? result : readRecords(n, data);
    LoadBindFree();
    return result;
}
