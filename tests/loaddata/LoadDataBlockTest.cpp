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

    // Kinds may be left out: they count as zeros. A negative count is refused.
    ReactionBlock& first = record.reactions[1][0];
    int32_t* kinds = first.componentKinds;
    first.componentKinds = nullptr;
    ASSERT_EQ(loadDataFromRecord(record, back), FormatError::None);
    EXPECT_EQ(back.reaction(1, 0).components[2].kind, 0);
    first.componentKinds = kinds;
    record.loadCount = -1;
    EXPECT_EQ(loadDataFromRecord(record, back), FormatError::InvalidData);
    record.loadCount = 3;

    releaseLoadDataRecord(record);
    const LoadDataRecord zero{};
    EXPECT_EQ(std::memcmp(&record, &zero, sizeof record), 0);
    releaseLoadDataRecord(record); // released twice, or never filled: nothing to do
}
