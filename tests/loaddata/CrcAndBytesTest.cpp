#include "loaddata/ByteReader.h"
#include "loaddata/ByteWriter.h"
#include "loaddata/Crc32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace loaddata;

TEST(Crc32, KnownValues)
{
    const char* text = "123456789";
    EXPECT_EQ(crc32(reinterpret_cast<const unsigned char*>(text), std::strlen(text)), 0xCBF43926u);
    EXPECT_EQ(crc32(nullptr, 0), 0u);
}

TEST(ByteReader, ReadsWhatTheWriterWrote)
{
    ByteWriter w;
    w.u32(0xA1B2C3D4u);
    w.i32(-7);
    w.f64(-1.5e-300);
    w.text("Auflager A");
    w.text("");
    const std::vector<unsigned char> bytes = w.take();
    ASSERT_EQ(bytes.size(), 4u + 4 + 8 + 14 + 4);
    EXPECT_EQ(bytes[0], 0xD4); // little-endian on every machine
    EXPECT_EQ(bytes[3], 0xA1);

    ByteReader r(bytes.data(), bytes.size());
    uint32_t u = 0;
    int32_t i = 0;
    double d = 0;
    std::string a, b;
    EXPECT_TRUE(r.u32(u) && r.i32(i) && r.f64(d) && r.text(a, 259) && r.text(b, 259));
    EXPECT_EQ(u, 0xA1B2C3D4u);
    EXPECT_EQ(i, -7);
    EXPECT_EQ(d, -1.5e-300);
    EXPECT_EQ(a, "Auflager A");
    EXPECT_EQ(b, "");
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.u32(u));
    EXPECT_FALSE(r.ok());
}

TEST(ByteReader, RefusesWhatTheBufferCannotHold)
{
    ByteWriter w;
    w.u32(3); // a text of 3 bytes with only 2 behind it
    w.bytes("ab", 2);
    std::vector<unsigned char> bytes = w.take();
    std::string text;
    ByteReader shortText(bytes.data(), bytes.size());
    EXPECT_FALSE(shortText.text(text, 259));

    ByteWriter z;
    z.u32(2);
    z.bytes("a\0", 2); // a zero byte inside a text
    bytes = z.take();
    ByteReader zero(bytes.data(), bytes.size());
    EXPECT_FALSE(zero.text(text, 259));

    ByteWriter l;
    l.text(std::string(300, 'x'));
    bytes = l.take();
    ByteReader tooLong(bytes.data(), bytes.size());
    EXPECT_FALSE(tooLong.text(text, 259));

    ByteWriter c;
    c.u32(5);
    c.bytes("0123456789", 10);
    bytes = c.take();
    int32_t n = 0;
    ByteReader fits(bytes.data(), bytes.size());
    EXPECT_TRUE(fits.count(n, 2));
    EXPECT_EQ(n, 5);
    ByteReader tooMany(bytes.data(), bytes.size());
    EXPECT_FALSE(tooMany.count(n, 3));
    ByteWriter h;
    h.u32(std::numeric_limits<uint32_t>::max());
    bytes = h.take();
    ByteReader huge(bytes.data(), bytes.size());
    EXPECT_FALSE(huge.count(n, 0));
}
