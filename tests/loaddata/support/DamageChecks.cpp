#include "DamageChecks.h"

#include <gtest/gtest.h>

using namespace loaddata;

void expectCutsAndFlipsRefused(const std::vector<unsigned char>& good, const FileDecoder& decode,
                               std::initializer_list<unsigned char> masks)
{
    ASSERT_EQ(decode(good), FormatError::None);
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<unsigned char> cut(good.begin(), good.begin() + long(size));
        EXPECT_NE(decode(cut), FormatError::None) << "cut to " << size << " bytes";
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (unsigned char mask : masks) {
            std::vector<unsigned char> flipped = good;
            flipped[at] ^= mask;
            EXPECT_NE(decode(flipped), FormatError::None) << "byte " << at << " ^ " << int(mask);
        }
    }
    std::vector<unsigned char> longer = good;
    longer.push_back(0);
    EXPECT_EQ(decode(longer), FormatError::BadContent);
}

void expectEveryDamageRefused(const std::vector<unsigned char>& good, const FileDecoder& decode)
{
    expectCutsAndFlipsRefused(good, decode, {0x01, 0x80, 0xFF});
    std::vector<unsigned char> other = good;
    other[0] = 'X';
    EXPECT_EQ(decode(other), FormatError::BadMagic);
    for (unsigned char version : {0, 2, 0xFF}) {
        std::vector<unsigned char> wrong = good;
        wrong[4] = version;
        EXPECT_EQ(decode(wrong), FormatError::BadVersion) << "version " << int(version);
    }
}

std::vector<unsigned char>
fileWithHugeCount(const FileKind& kind, const std::vector<unsigned char>& leading, uint32_t count)
{
    std::vector<unsigned char> content = leading;
    for (int shift = 0; shift < 32; shift += 8)
        content.push_back(static_cast<unsigned char>(count >> shift));
    content.resize(content.size() + 64, 0x41);
    return sealContent(kind, content);
}
