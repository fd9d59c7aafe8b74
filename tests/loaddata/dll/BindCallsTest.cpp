#include "BindCallDriver.h"

#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace loaddata;

namespace
{

// Every test starts and ends without an open transfer file.
class BindCalls : public ::testing::Test
{
  protected:
    void SetUp() override { LoadBindFree(); }
    void TearDown() override { LoadBindFree(); }

    int open(int mode, int records = 0, int headers = 0)
    {
        m_records = records;
        m_headers = headers;
        return InitBindData(m_path.c_str(), mode, &m_records, &m_headers);
    }

    TempFolder m_folder;
    std::string m_path = m_folder.file("d010002.016");
    int m_records = 0, m_headers = 0;
};

} // namespace

TEST_F(BindCalls, EmptyMissingAndDamagedFilesAndNoFileOpen)
{
    BindRecord record{};
    BindRecord* records = &record;
    EXPECT_NE(GetTotalCopyOfBinds(&records), 0);
    EXPECT_EQ(records, nullptr);

    // The records of an empty file are no array at all.
    ASSERT_EQ(writeThroughCalls(m_path, TransferData{}), 0);
    ASSERT_EQ(open(1), 0);
    ASSERT_EQ(LoadBindSerializeData(1), 0);
    records = &record;
    EXPECT_EQ(GetTotalCopyOfBinds(&records), 0);
    EXPECT_EQ(records, nullptr);
    EXPECT_NE(open(1), 0) << "a second open before LoadBindFree";
    LoadBindFree();

    std::remove(m_path.c_str());
    ASSERT_EQ(open(1, -1, -1), 0);
    EXPECT_EQ(m_records + m_headers, 0);
    LoadBindFree();
    EXPECT_TRUE(m_folder.names().empty()); // reading creates nothing

    // A failed open leaves nothing open: the next one needs no LoadBindFree first.
    writeBytes(m_path, {'L', 'D', 'T', 'F', 1, 0, 0, 0, 9, 9});
    EXPECT_NE(open(1, 5, 5), 0);
    EXPECT_EQ(m_records + m_headers, 0);
    ASSERT_EQ(writeThroughCalls(m_path, sampleTransfer()), 0);
}

TEST_F(BindCalls, WritingChecksOrderAndArguments)
{
    EXPECT_NE(open(0, -1, 0), 0);
    char path[264] = "C:\\Projekt\\d010001.017";
    int number = 1, rows = 1, one = 1;
    ASSERT_EQ(open(0, 0, 1), 0); // one header with one row, no records
    ASSERT_EQ(InitBindHeader(path, 0, &number, &rows), 0);
    EXPECT_NE(LoadBindSerializeData(0), 0) << "its row is missing";
    LoadBindFree();

    ASSERT_EQ(open(0, 1, 1), 0);
    EXPECT_NE(InitZuordTabelle(0, &one, &one), 0); // no header yet
    std::string longText(260, 'p');                // longer than any reader's buffer allows
    ASSERT_EQ(InitBindHeader(path, 0, &number, &rows), 0);
    EXPECT_NE(InitBindHeader(path, 1, &number, &rows), 0); // reading while writing
    ASSERT_EQ(InitZuordTabelle(0, &one, &one), 0);
    EXPECT_NE(InitZuordTabelle(0, &one, &one), 0);         // one row announced
    EXPECT_NE(InitBindHeader(path, 0, &number, &rows), 0); // only one header announced

    double x = 1, y = 2, z = 3;
    EXPECT_NE(LoadBindSerializeData(0), 0); // the record is missing
    TransferRecord sample = sampleTransfer().records[1];
    BindRecord record = sample.fields;
    record.positionName = &longText[0];
    EXPECT_NE(SetIBindStructData(0, &record), 0);
    record.positionName = &sample.positionName[0];
    record.trapezoids = sample.trapezoids.data();
    record.refNodeCount = 0;
    // Arrays left out are filled through the calls.
    record.nodeCount = 2;
    ASSERT_EQ(SetIBindStructData(0, &record), 0);
    EXPECT_NE(BindNodeCoords(0, 0, 2, &x, &y, &z), 0);
    EXPECT_EQ(BindNodeCoords(0, 0, 1, &x, &y, &z), 0);
    ASSERT_EQ(LoadBindSerializeData(0), 0);
    EXPECT_NE(LoadBindSerializeData(0), 0); // stored once
    LoadBindFree();

    TransferData read;
    ASSERT_EQ(readThroughCalls(m_path, read), 0);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_TRUE(read.records[0].nodes[1] == (NodeCoord{1, 2, 3}));
    EXPECT_TRUE(read.records[0].trapezoids == sample.trapezoids); // carried bytes kept
    EXPECT_EQ(read.records[0].pathName, "");
}

TEST_F(BindCalls, ReadingChecksOrderAndArguments)
{
    ASSERT_EQ(writeThroughCalls(m_path, sampleTransfer()), 0);
    ASSERT_EQ(open(1), 0);
    char path[264];
    BindRecord record{};
    EXPECT_NE(GetIBindStructData(0, &record), 0); // records only after LoadBindSerializeData
    int number = 0, rows = 0, a = 0, b = 0;
    ASSERT_EQ(InitBindHeader(path, 1, &number, &rows), 0);
    // Headers may be passed over with their rows unread.
    ASSERT_EQ(InitBindHeader(path, 1, &number, &rows), 0);
    EXPECT_EQ(number, -12);
    ASSERT_EQ(InitZuordTabelle(1, &a, &b), 0);
    EXPECT_NE(InitZuordTabelle(1, &a, &b), 0);
    ASSERT_EQ(InitBindHeader(path, 1, &number, &rows), 0);
    EXPECT_NE(InitBindHeader(path, 1, &number, &rows), 0); // only three

    ASSERT_EQ(LoadBindSerializeData(1), 0);
    EXPECT_NE(GetIBindStructData(4, &record), 0);

    BindRecord* first = nullptr;
    BindRecord* second = nullptr;
    ASSERT_EQ(GetTotalCopyOfBinds(&first), 0);
    ASSERT_EQ(GetTotalCopyOfBinds(&second), 0);
    ASSERT_NE(first, second);
    // Records lie 172 bytes apart on i686, the layout's size on x86_64.
    EXPECT_EQ(reinterpret_cast<char*>(&first[1]) - reinterpret_cast<char*>(&first[0]),
              long(sizeof(BindRecord)));
    EXPECT_STREQ(first[3].positionName, "kv000012");
    FreeTotalCopyOfBinds(3, &first); // a wrong count: left for LoadBindFree
    EXPECT_NE(first, nullptr);
    FreeTotalCopyOfBinds(4, &first);
    EXPECT_EQ(first, nullptr);
    LoadBindFree(); // releases the second copy too
}
