// Files kept in the repository, written by the x86_64 Windows build: every build must read
// them field for field and write the very same bytes, so files move between architectures.
#include "BindCallDriver.h"

#include "loaddata/LoadDataBlock.h"
#include "model/LoadDataInterface.h"
#include "support/SampleLoadData.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace loaddata;

namespace
{

// A missing fixture is written from this build, to be checked in, and the test fails.
void expectSameAsFixture(const std::string& name, const std::vector<unsigned char>& written)
{
    const std::string fixture = std::string(KV_LOADDATA_FIXTURES) + "/" + name;
    const std::vector<unsigned char> kept = readBytes(fixture);
    if (kept.empty()) {
        writeBytes(fixture, written);
        FAIL() << "wrote the missing fixture " << fixture;
    }
    EXPECT_EQ(written, kept);
}

} // namespace

TEST(Fixtures, TransferAndPositionLoadFiles)
{
    TempFolder folder;
    std::string path = folder.file("d010002.016");
    ASSERT_EQ(writeThroughCalls(path, sampleTransfer()), 0);
    expectSameAsFixture("d010002.016", readBytes(path));

    TransferData read;
    ASSERT_EQ(readThroughCalls(std::string(KV_LOADDATA_FIXTURES) + "/d010002.016", read), 0);
    EXPECT_TRUE(read == sampleTransfer());

    path = folder.file("d010001.017");
    LoadDataRecord block{};
    ASSERT_TRUE(fillLoadDataRecord(samplePosition(), block));
    ASSERT_EQ(LoadSerializeData(0, path.c_str(), &block), 0);
    releaseLoadDataRecord(block);
    expectSameAsFixture("d010001.017", readBytes(path));

    const std::string fixture = std::string(KV_LOADDATA_FIXTURES) + "/d010001.017";
    ASSERT_EQ(LoadSerializeData(1, fixture.c_str(), &block), 0);
    PositionLoadData position;
    ASSERT_EQ(loadDataFromRecord(block, position), FormatError::None);
    EXPECT_TRUE(position == samplePosition());
    LoadFreeData(&block);
}
