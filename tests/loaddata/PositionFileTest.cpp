#include "loaddata/PositionFile.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/FileIo.h"
#include "support/DamageChecks.h"
#include "support/SampleLoadData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace loaddata;

namespace
{

FormatError decode(const std::vector<unsigned char>& file)
{
    PositionLoadData data;
    return decodePositionFile(file, data);
}

} // namespace

TEST(PositionFile, RoundTripsEveryFieldAndEmptyPositionsAndRefusesOverlongNames)
{
    PositionLoadData noLoads;
    noLoads.supports = {"A", "B", "C"};
    noLoads.coordinateSystem = 3;
    for (const PositionLoadData& data : {samplePosition(), noLoads}) {
        std::vector<unsigned char> file;
        ASSERT_EQ(encodePositionFile(data, file), FormatError::None);
        PositionLoadData read;
        ASSERT_EQ(decodePositionFile(file, read), FormatError::None);
        EXPECT_TRUE(read == data);
    }
    PositionLoadData data = samplePosition();
    data.loads[1] = std::string(260, 'x');
    std::vector<unsigned char> file;
    EXPECT_EQ(encodePositionFile(data, file), FormatError::InvalidData);
}

TEST(PositionFile, RefusesDamagedFiles)
{
    std::vector<unsigned char> good;
    ASSERT_EQ(encodePositionFile(samplePosition(), good), FormatError::None);
    expectEveryDamageRefused(good, decode);

    // One support, one load, one component with two pieces declared and none stored.
    ByteWriter w;
    for (int32_t value : {1, 0, 1})
        w.i32(value); // version, data word, coordinate system
    for (const char* name : {"A", "A", "F"}) {
        w.u32(1);
        w.text(name);
    }
    w.i32(0);
    w.f64(0.0);
    for (int32_t value : {0, 2, 0, 0, 0})
        w.i32(value); // distributed, pieces per component, pieces, nodes, reference nodes
    EXPECT_EQ(decode(sealContent(kPositionFileKind, w.take())), FormatError::BadContent);
}

// A failed save, also one that the system refuses at the replace (as with a reader that
// holds the old file open without sharing its deletion), leaves the previous file alone.
TEST(PositionFile, MissingFilesAndFailedSaves)
{
    TempFolder folder;
    PositionLoadData read;
    EXPECT_EQ(readPositionFile(folder.file("none.017"), read), FormatError::Missing);
    const std::string path = folder.file("d010001.017");
    PositionLoadData before = samplePosition();
    before.dataVersion = 7;
    ASSERT_EQ(writePositionFile(path, before), FormatError::None);
    ASSERT_EQ(readPositionFile(path, read), FormatError::None);
    EXPECT_TRUE(read == before);
    const std::vector<unsigned char> old = readBytes(path);

    PositionLoadData after = samplePosition();
    after.supports[0] = "changed";
    for (SaveFault fault : {SaveFault::HalfWritten, SaveFault::BeforeReplace}) {
        simulateSaveFault(fault);
        EXPECT_EQ(writePositionFile(path, after), FormatError::WriteFailed);
        simulateSaveFault(SaveFault::None);
        EXPECT_EQ(readBytes(path), old);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"d010001.017"}); // no leftovers
    }
    ASSERT_EQ(writePositionFile(path, after), FormatError::None);
}
