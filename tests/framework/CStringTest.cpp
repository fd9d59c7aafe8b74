#include "framework/CString.h"
#include "framework/AfxFormatString.h"

#include "BasicsTestResources.h"
#include "InvalidArg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

namespace
{

TEST(CString, AccessComparisonAndCase)
{
    const CString s("St\xFCtze");
    EXPECT_EQ('\0', s.GetAt(6)); // the terminator, but nothing beyond
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(7); }));
    EXPECT_STREQ("<Pos-12", "<" + CString("Pos") + "-" + CString("12"));
    EXPECT_EQ(-1, CString("z").Compare("\xE4")); // bytes above 127 sort after ASCII
    EXPECT_STREQ("LAST \xDC\xC4 G1", CString("Last \xFC\xE4 g1").MakeUpper());
}

TEST(CString, FormatSlicesSearchesAndTrim)
{
    CString s;
    const std::string longText(5000, 'y');
    s.Format("%s!%.*g", longText.c_str(), 15, 0.1);
    EXPECT_STREQ("y!0.1", s.Right(5));

    const CString t("abcdef");
    const CString slices[] = {t.Mid(2), t.Mid(2, 2), t.Mid(4, 10), t.Left(99), t.Right(2)};
    const char* expected[] = {"cdef", "cd", "ef", "abcdef", "ef"};
    for (size_t i = 0; i < std::size(slices); ++i)
        EXPECT_STREQ(expected[i], slices[i]) << i;

    const CString path("a\\b\\c.txt");
    EXPECT_EQ(3, path.Find('\\', 3));
    EXPECT_EQ(3, path.ReverseFind('\\'));
    EXPECT_STREQ(" Pos 1", CString(" Pos 1 \r\n").TrimRight());
    EXPECT_STREQ("", CString("   ").TrimRight());
}

TEST(CString, ReleaseBufferAndLoadString)
{
    CString s;
    memcpy(s.GetBuffer(5), "vwxyz", 5);
    s.ReleaseBuffer(3);
    EXPECT_STREQ("vwx", s);
    // Longer than the first buffer: grows until the whole text is there.
    EXPECT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(40 * 31, s.GetLength());
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_TRUE(s.IsEmpty());
    AfxFormatString2(s, IDS_TEST_PLACEHOLDERS, "B1", "B2");
    EXPECT_STREQ("Lage B1 von B2: 100% ", s);
}

} // namespace
