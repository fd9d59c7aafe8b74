#include "loaddata/LoadDataBlock.h"
#include "support/SampleLoadData.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace loaddata;

TEST(LoadDataBlock, HandsOutTheLayoutTheItemTreeReads)
{
    const PositionLoadData data = samplePosition();
    LoadDataRecord record{};
    ASSERT_TRUE(fillLoadDataRecord(data, record));
    ASSERT_EQ(record.supportCount, 2);
    ASSERT_EQ(record.loadCount, 3);
    EXPECT_STREQ(record.supportNames[1], "Auflager B \xC4");

    const ReactionBlock& point = record.reactions[0][1];
    ASSERT_EQ(point.componentCount, 2);
    EXPECT_EQ(point.pointValues[0], 13.5);
    EXPECT_EQ(point.trapezoids, nullptr); // empty arrays are null pointers

    const ReactionBlock& line = record.reactions[1][2];
    EXPECT_EQ(line.distributed, 1);
    ASSERT_EQ(line.piecesPerComponent, 2);
    EXPECT_TRUE(line.trapezoids[2 * 2 + 1] == samplePiece(25)); // component 2, piece 1
    ASSERT_EQ(line.refNodeCount, 1);
    EXPECT_EQ(line.refNodes[0].z, 5.0);

    PositionLoadData back;
    ASSERT_EQ(loadDataFromRecord(record, back), FormatError::None);
    EXPECT_TRUE(back == data);

    releaseLoadDataRecord(record);
    const LoadDataRecord zero{};
    EXPECT_EQ(std::memcmp(&record, &zero, sizeof record), 0);
    releaseLoadDataRecord(record); // released twice, or never filled: nothing to do
}

TEST(LoadDataBlock, EmptyListsAreNullPointers)
{
    PositionLoadData noLoads;
    noLoads.supports = {"A", "B"};
    LoadDataRecord record{};
    ASSERT_TRUE(fillLoadDataRecord(noLoads, record));
    EXPECT_EQ(record.loadNames, nullptr);
    ASSERT_NE(record.reactions, nullptr); // one pointer per support, each to no blocks
    EXPECT_EQ(record.reactions[1], nullptr);
    releaseLoadDataRecord(record);
}

TEST(LoadDataBlock, RefusesRecordsItCannotWrite)
{
    LoadDataRecord record{};
    ASSERT_TRUE(fillLoadDataRecord(samplePosition(), record));
    PositionLoadData data;

    record.loadCount = -1;
    EXPECT_EQ(loadDataFromRecord(record, data), FormatError::InvalidData);
    record.loadCount = 3;

    char* name = record.supportNames[0];
    std::string longName(300, 'n');
    record.supportNames[0] = &longName[0];
    EXPECT_EQ(loadDataFromRecord(record, data), FormatError::InvalidData);
    record.supportNames[0] = name;

    ReactionBlock& line = record.reactions[1][0];
    TrapezoidPiece* pieces = line.trapezoids;
    line.trapezoids = nullptr;
    EXPECT_EQ(loadDataFromRecord(record, data), FormatError::InvalidData);
    line.trapezoids = pieces;

    // Kinds and point values may be left out; they count as zeros.
    int32_t* kinds = line.componentKinds;
    line.componentKinds = nullptr;
    ASSERT_EQ(loadDataFromRecord(record, data), FormatError::None);
    EXPECT_EQ(data.reaction(1, 0).components[2].kind, 0);
    line.componentKinds = kinds;
    releaseLoadDataRecord(record);
}
