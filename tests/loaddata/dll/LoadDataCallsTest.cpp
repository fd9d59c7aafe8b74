#include "loaddata/LoadDataBlock.h"
#include "loaddata/PositionFile.h"
#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace loaddata;

namespace
{

bool isZero(const LoadDataRecord& block)
{
    const LoadDataRecord zero{};
    return std::memcmp(&block, &zero, sizeof block) == 0;
}

// Writes the data as a design program would: from a record it filled itself.
int writeAsDesignProgram(const std::string& path, const PositionLoadData& data)
{
    LoadDataRecord record{};
    EXPECT_TRUE(fillLoadDataRecord(data, record));
    const int result = LoadSerializeData(0, path.c_str(), &record);
    releaseLoadDataRecord(record);
    return result;
}

} // namespace

// Every field through the calls: Fixtures.PositionLoadFile.
TEST(LoadDataCalls, VersionsOfAReadAndRelease)
{
    TempFolder folder;
    const std::string path = folder.file("d010001.017");
    PositionLoadData older = samplePosition();
    older.dataVersion = 0;
    ASSERT_EQ(writePositionFile(path, older), FormatError::None);
    LoadDataRecord block{};
    ASSERT_EQ(LoadSerializeData(1, path.c_str(), &block), 0);
    int a = 0, b = 0;
    ASSERT_EQ(GetLoadDataVersions(&a, &b), 0);
    EXPECT_EQ(a, 1) << "the format's version";
    EXPECT_EQ(b, 0) << "the data's version";

    // A block that still holds data is not filled again.
    EXPECT_NE(LoadSerializeData(1, path.c_str(), &block), 0);
    LoadFreeData(&block);
    EXPECT_TRUE(isZero(block));
    LoadFreeData(&block);
    LoadFreeData(nullptr);

    ASSERT_EQ(writeAsDesignProgram(path, PositionLoadData{}), 0);
    ASSERT_EQ(LoadSerializeData(1, path.c_str(), &block), 0);
    EXPECT_TRUE(isZero(block)); // zero supports, zero loads: nothing allocated
}

TEST(LoadDataCalls, NamesFromABlock)
{
    TempFolder folder;
    const std::string path = folder.file("d010001.017");
    ASSERT_EQ(writeAsDesignProgram(path, samplePosition()), 0);
    LoadDataRecord block{};
    ASSERT_EQ(LoadSerializeData(1, path.c_str(), &block), 0);

    char name[260] = "";
    int kind = -1;
    EXPECT_GT(LoadGetLoadName(2, name, &block), 0);
    EXPECT_STREQ(name, "s");
    EXPECT_GT(LoadGetSupportName(1, name, &block), 0);
    EXPECT_STREQ(name, "Auflager B \xC4");
    EXPECT_GT(LoadGetReactionName(1, 0, 2, &kind, name, &block), 0);
    EXPECT_STREQ(name, "mz");
    EXPECT_EQ(kind, 5);
    EXPECT_GT(LoadGetReactionName(0, 2, 1, &kind, name, &block), 0);
    EXPECT_STREQ(name, "My");
    EXPECT_EQ(kind, 4);

    strcpy(name, "unchanged");
    kind = -1;
    EXPECT_EQ(LoadGetLoadName(3, name, &block), 0);
    EXPECT_EQ(LoadGetLoadName(-1, name, &block), 0);
    EXPECT_EQ(LoadGetSupportName(2, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(0, 0, 2, &kind, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(2, 0, 0, &kind, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(0, 3, 0, &kind, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(0, 0, 0, nullptr, name, &block), 0);
    EXPECT_EQ(LoadGetLoadName(0, nullptr, &block), 0);
    EXPECT_EQ(LoadGetLoadName(0, name, nullptr), 0);
    EXPECT_STREQ(name, "unchanged");
    EXPECT_EQ(kind, -1);
    LoadFreeData(&block);
    EXPECT_EQ(LoadGetLoadName(0, name, &block), 0); // a zeroed block has no names
}

TEST(LoadDataCalls, FailuresLeaveTheBlockZero)
{
    TempFolder folder;
    LoadDataRecord block{};
    EXPECT_NE(LoadSerializeData(1, folder.file("none.017").c_str(), &block), 0);
    EXPECT_TRUE(isZero(block));
    int a = -1, b = -1;
    EXPECT_NE(GetLoadDataVersions(&a, &b), 0); // a failed read has no versions
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    writeBytes(folder.file("bad.017"), {'L', 'D', 'P', 'F', 1, 0, 0, 0, 4, 0, 0, 0});
    EXPECT_NE(LoadSerializeData(1, folder.file("bad.017").c_str(), &block), 0);
    EXPECT_TRUE(isZero(block));
    EXPECT_NE(LoadSerializeData(2, folder.file("x.017").c_str(), &block), 0);
    EXPECT_NE(LoadSerializeData(1, nullptr, &block), 0);
    EXPECT_NE(LoadSerializeData(1, folder.file("x.017").c_str(), nullptr), 0);

    // A record a design program got wrong is not written.
    const std::string path = folder.file("d010001.017");
    LoadDataRecord wrong{};
    wrong.supportCount = 2;
    EXPECT_NE(LoadSerializeData(0, path.c_str(), &wrong), 0);
    EXPECT_TRUE(folder.names().size() == 1); // only bad.017
}
