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

} // namespace

// Every field through the calls: Fixtures.TransferAndPositionLoadFiles.
TEST(LoadDataCalls, VersionsNamesReleaseAndFailures)
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
    EXPECT_NE(LoadSerializeData(1, path.c_str(), &block), 0) << "a block holding data";

    char name[260] = "";
    int kind = -1;
    EXPECT_GT(LoadGetLoadName(2, name, &block), 0);
    EXPECT_STREQ(name, "s");
    EXPECT_GT(LoadGetSupportName(1, name, &block), 0);
    EXPECT_STREQ(name, "Auflager B \xC4");
    EXPECT_GT(LoadGetReactionName(1, 0, 2, &kind, name, &block), 0);
    EXPECT_STREQ(name, "mz");
    EXPECT_EQ(kind, 5);
    EXPECT_EQ(LoadGetLoadName(3, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(0, 0, 2, &kind, name, &block), 0);
    EXPECT_EQ(LoadGetReactionName(0, 0, 0, nullptr, name, &block), 0);
    EXPECT_STREQ(name, "mz") << "unchanged by a failed call";
    LoadFreeData(&block);
    EXPECT_TRUE(isZero(block));
    LoadFreeData(nullptr);

    // Failures leave the block zero.
    EXPECT_NE(LoadSerializeData(1, folder.file("none.017").c_str(), &block), 0);
    a = b = -1;
    EXPECT_NE(GetLoadDataVersions(&a, &b), 0); // a failed read has no versions
    EXPECT_EQ(a + b, 0);
    writeBytes(folder.file("bad.017"), {'L', 'D', 'P', 'F', 1, 0, 0, 0, 4, 0, 0, 0});
    EXPECT_NE(LoadSerializeData(1, folder.file("bad.017").c_str(), &block), 0);
    EXPECT_TRUE(isZero(block));

    // A record a design program got wrong is not written.
    LoadDataRecord wrong{};
    wrong.supportCount = 2;
    EXPECT_NE(LoadSerializeData(0, folder.file("d010002.017").c_str(), &wrong), 0);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"bad.017", "d010001.017"}));
}
