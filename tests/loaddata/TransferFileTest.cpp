#include "loaddata/TransferFile.h"
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
    TransferData data;
    return decodeTransferFile(file, data);
}

std::vector<unsigned char> encoded(const TransferData& data)
{
    std::vector<unsigned char> file;
    EXPECT_EQ(encodeTransferFile(data, file), FormatError::None);
    return file;
}

} // namespace

TEST(TransferFile, RoundTripsEveryFieldAndRefusesDamagedFiles)
{
    TempFolder folder;
    const std::string path = folder.file("d010002.016");
    ASSERT_EQ(writeTransferFile(path, sampleTransfer()), FormatError::None);
    TransferData read;
    uint32_t formatVersion = 0;
    ASSERT_EQ(readTransferFile(path, read, &formatVersion), FormatError::None);
    EXPECT_EQ(formatVersion, 1u);
    EXPECT_TRUE(read == sampleTransfer());

    for (int32_t version = 0; version <= kCurrentTransferVersion; ++version) {
        TransferData old = sampleTransfer();
        old.dataVersion = version;
        ASSERT_EQ(decodeTransferFile(encoded(old), read), FormatError::None);
        EXPECT_EQ(read.dataVersion, version);
    }
    expectEveryDamageRefused(encoded(sampleTransfer()), decode);

    // No headers, then a record count.
    const std::vector<unsigned char> noHeaders{4, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decode(fileWithHugeCount(kTransferFileKind, noHeaders, 0x10000000u)),
              FormatError::BadContent);

    const std::vector<unsigned char> futureVersion{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decode(sealContent(kTransferFileKind, futureVersion)), FormatError::BadVersion);
}
