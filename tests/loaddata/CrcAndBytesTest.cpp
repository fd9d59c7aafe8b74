#include "loaddata/ByteReader.h"
#include "loaddata/Crc32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace loaddata;

TEST(Crc32, KnownValues)
{
    const char* text = "123456789";
    EXPECT_EQ(crc32(reinterpret_cast<const unsigned char*>(text), std::strlen(text)), 0xCBF43926u);
}

// Little-endian counts and texts; each case's reading must fail.
TEST(ByteReader, RefusesWhatTheBufferCannotHold)
{
    using Bytes = std::vector<unsigned char>;
    const Bytes fiveItems = {5, 0, 0, 0, '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    std::string text;
    int32_t n = 0;
    uint32_t u = 0;
    const auto text259 = [&](ByteReader& r) { return r.text(text, 259); };
    const auto text3 = [&](ByteReader& r) { return r.text(text, 3); };
    const struct {
        const char* what;
        Bytes bytes;
        std::function<bool(ByteReader&)> read;
    } cases[] = {
        {"text longer than the buffer", {3, 0, 0, 0, 'a', 'b'}, text259},
        {"number cut short", {1, 2, 3}, [&](ByteReader& r) { return r.u32(u); }},
        {"zero inside a text", {2, 0, 0, 0, 'a', 0}, text259},
        {"text beyond the limit", {4, 0, 0, 0, 'a', 'b', 'c', 'd'}, text3},
        {"count beyond the bytes", fiveItems, [&](ByteReader& r) { return r.count(n, 3); }},
        {"count beyond int32",
         {0xFF, 0xFF, 0xFF, 0xFF},
         [&](ByteReader& r) { return r.count(n, 0); }},
    };
    for (const auto& c : cases) {
        Bytes bytes = c.bytes;
        bytes.push_back('X'); // behind the reader's end: a reader running over would take it
        ByteReader reader(bytes.data(), c.bytes.size());
        EXPECT_FALSE(c.read(reader)) << c.what;
    }
    ByteReader fits(fiveItems.data(), fiveItems.size());
    EXPECT_TRUE(fits.count(n, 2));
    EXPECT_EQ(n, 5);
}
