#include "loaddata/PositionFile.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/FileIo.h"
#include "support/DamageChecks.h"
#include "support/SampleLoadData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace loaddata;

namespace
{

FormatError decode(const std::vector<unsigned char>& file)
{
    PositionLoadData data;
    return decodePositionFile(file, data);
}

std::vector<unsigned char> encoded(const PositionLoadData& data)
{
    std::vector<unsigned char> file;
    EXPECT_EQ(encodePositionFile(data, file), FormatError::None);
    return file;
}

} // namespace

TEST(PositionFile, RoundTripsEveryFieldAndEmptyPositions)
{
    TempFolder folder;
    const std::string path = folder.file("d010001.017");
    PositionLoadData written = samplePosition();
    written.dataVersion = 7;
    ASSERT_EQ(writePositionFile(path, written), FormatError::None);
    PositionLoadData read;
    uint32_t formatVersion = 0;
    ASSERT_EQ(readPositionFile(path, read, &formatVersion), FormatError::None);
    EXPECT_EQ(formatVersion, 1u);
    EXPECT_TRUE(read == written);
    EXPECT_EQ(readBytes(path), encoded(written)); // the bytes depend on the data alone

    PositionLoadData noSupports;
    noSupports.loads = {"g", "q"};
    PositionLoadData noLoads;
    noLoads.supports = {"A", "B", "C"};
    noLoads.coordinateSystem = 3;
    PositionLoadData emptyBlocks = samplePosition();
    for (Reaction& reaction : emptyBlocks.reactions)
        reaction = Reaction{};
    for (const PositionLoadData& data : {noSupports, noLoads, emptyBlocks, PositionLoadData{}}) {
        ASSERT_EQ(decodePositionFile(encoded(data), read), FormatError::None);
        EXPECT_TRUE(read == data);
    }
}

TEST(PositionFile, RefusesDataBeyondTheFormat)
{
    std::vector<unsigned char> file;
    PositionLoadData missingBlock = samplePosition();
    missingBlock.reactions.pop_back();
    EXPECT_EQ(encodePositionFile(missingBlock, file), FormatError::InvalidData);

    PositionLoadData wrongPieces = samplePosition();
    wrongPieces.reaction(1, 0).pieces.pop_back();
    EXPECT_EQ(encodePositionFile(wrongPieces, file), FormatError::InvalidData);

    PositionLoadData longName = samplePosition();
    longName.loads[1] = std::string(260, 'x');
    EXPECT_EQ(encodePositionFile(longName, file), FormatError::InvalidData);
    longName.loads[1] = std::string(259, 'x');
    EXPECT_EQ(encodePositionFile(longName, file), FormatError::None);

    PositionLoadData zeroInName = samplePosition();
    zeroInName.reaction(0, 0).components[0].name = std::string("F\0z", 3);
    EXPECT_EQ(encodePositionFile(zeroInName, file), FormatError::InvalidData);
}

TEST(PositionFile, RefusesDamagedFiles)
{
    expectEveryDamageRefused(encoded(samplePosition()), decode);

    // Version, data word, coordinate system, then the support count.
    const std::vector<unsigned char> leading(12, 0);
    for (uint32_t count : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 1000u})
        EXPECT_EQ(decode(fileWithHugeCount(kPositionFileKind, leading, count)),
                  FormatError::BadContent)
            << count;

    // Many supports and many loads whose product of reaction blocks the file cannot hold.
    std::vector<unsigned char> content(12, 0);
    for (int list = 0; list < 2; ++list) {
        content.insert(content.end(), {0x00, 0x01, 0x00, 0x00}); // 256 empty names
        content.insert(content.end(), 256 * 4, 0);
    }
    EXPECT_EQ(decode(sealContent(kPositionFileKind, content)), FormatError::BadContent);

    // One support, one load, one component with two pieces declared and none stored.
    ByteWriter w;
    for (int32_t value : {1, 0, 1})
        w.i32(value); // version, data word, coordinate system
    for (int list = 0; list < 2; ++list) {
        w.u32(1);
        w.text("A");
    }
    w.u32(1);
    w.text("F");
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
    EXPECT_EQ(writePositionFile(folder.file("no folder/x.017"), samplePosition()),
              FormatError::WriteFailed);
    const std::string path = folder.file("d010001.017");
    writeBytes(path, {});
    EXPECT_EQ(readPositionFile(path, read), FormatError::Truncated);
    ASSERT_EQ(writePositionFile(path, samplePosition()), FormatError::None);
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
#ifdef _WIN32
    std::FILE* reader = std::fopen(path.c_str(), "rb");
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(writePositionFile(path, after), FormatError::WriteFailed);
    std::fclose(reader);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"d010001.017"});
#endif
    ASSERT_EQ(writePositionFile(path, after), FormatError::None);
    ASSERT_EQ(readPositionFile(path, read), FormatError::None);
    EXPECT_EQ(read.supports[0], "changed");
}
