#include "framework/CString.h"
#include "framework/AfxFormatString.h"

#include "BasicsTestResources.h"
#include "InvalidArg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

namespace
{

TEST(CString, ConstructionAccessAndComparison)
{
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_STREQ("ab", CString("abc", 2));
    EXPECT_STREQ("---", CString('-', 3));
    CString s("St\xFCtze");
    EXPECT_EQ('\xFC', s.GetAt(2));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(7); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(6, 'x'); })); // not the terminator
    s.SetAt(0, 's');
    EXPECT_STREQ("st\xFCtze", s);
    EXPECT_STREQ("<Pos-12/x", "<" + CString("Pos") + "-" + CString("12") + '/' + 'x');

    EXPECT_TRUE(CString("ab") < CString("abc") && "abd" > CString("abc"));
    EXPECT_TRUE(CString("") == static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(CString("z") < CString("\xE4")); // bytes above 127 sort after ASCII
    EXPECT_EQ(-1, CString("abc").Compare("abd"));
    EXPECT_EQ(0, CString("\xC4nderung").CompareNoCase("\xE4NDERUNG"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_NE(0, CString("a-b").CompareNoCase("ab"));
}

TEST(CString, FormatSlicesAndSearches)
{
    CString s;
    const std::string longText(5000, 'y');
    s.Format("%s!%.*g", longText.c_str(), 15, 0.1);
    EXPECT_EQ(5004, s.GetLength());
    EXPECT_STREQ("y!0.1", s.Right(5));
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());

    const CString t("abcdef");
    const CString slices[] = {t.Mid(2),   t.Mid(2, 2), t.Mid(4, 10), t.Mid(-3, 2), t.Mid(9),
                              t.Left(-1), t.Left(99),  t.Right(2),   t.Right(-5)};
    const char* expected[] = {"cdef", "cd", "ef", "ab", "", "", "abcdef", "ef", ""};
    for (size_t i = 0; i < std::size(slices); ++i)
        EXPECT_STREQ(expected[i], slices[i]) << i;

    const CString path("a\\b\\c.txt");
    EXPECT_EQ(0, path.Find('a'));
    EXPECT_EQ(3, path.Find('\\', 2));
    EXPECT_EQ(-1, path.Find('a', -1));
    EXPECT_EQ(4, path.Find("c.t"));
    EXPECT_EQ(-1, path.Find("\\", 4));
    EXPECT_EQ(3, path.ReverseFind('\\'));
    EXPECT_EQ(-1, CString().ReverseFind('a'));
}

TEST(CString, CaseAndTrim)
{
    CString s("Last \xFC\xE4 g1");
    EXPECT_STREQ("LAST \xDC\xC4 G1", s.MakeUpper());
    EXPECT_STREQ("last \xFC\xE4 g1", s.MakeLower());
    CString t(" \t Pos 1 \r\n\v\f ");
    EXPECT_STREQ(" \t Pos 1", CString(t).TrimRight());
    EXPECT_STREQ("Pos 1 \r\n\v\f ", CString(t).TrimLeft());
    EXPECT_STREQ("Pos 1", t.Trim());
    EXPECT_STREQ("", CString("   ").TrimRight());
    EXPECT_STREQ("xxA", CString("xxAxx").TrimRight('x'));
    EXPECT_STREQ("Ayx", CString("xyAyx").TrimLeft("xy"));
    EXPECT_STREQ("a\xA0", CString("a\xA0").TrimRight()); // a byte above 127 is no blank
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    strcpy(s.GetBuffer(10), "0123456789");
    s.ReleaseBuffer();
    EXPECT_STREQ("0123456789", s);
    s.GetBuffer(4)[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("01", s);
    memcpy(s.GetBuffer(5), "vwxyz", 5);
    s.ReleaseBuffer(3);
    EXPECT_STREQ("vwx", s);
    s.GetBuffer(2);
    s.ReleaseBuffer(99); // clamped to what the buffer holds
    EXPECT_STREQ("vwx", s);
}

TEST(CString, LoadStringAndNumberedPlaceholders)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_SHORT));
    EXPECT_STREQ("Support\tA", s);
    // Longer than the first buffer: grows until the whole text is there.
    EXPECT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(40 * 31, s.GetLength());
    EXPECT_STREQ("039-abcdefghijklmnopqrstuvwxyz ", s.Right(31));
    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_TRUE(s.IsEmpty());

    AfxFormatString2(s, IDS_TEST_PLACEHOLDERS, "B1", "B2");
    EXPECT_STREQ("Lage B1 von B2: 100% ", s);
    AfxFormatString1(s, IDS_TEST_PLACEHOLDERS, "B1");
    EXPECT_STREQ("Lage B1 von : 100% ", s);
    AfxFormatString2(s, IDS_TEST_MISSING, "B1", "B2");
    EXPECT_TRUE(s.IsEmpty());
    const LPCSTR strings[] = {"one", "two"};
    EXPECT_STREQ("twoone%", AfxFormatStrings("%2%1%", strings, 2));
    EXPECT_STREQ("", AfxFormatStrings(nullptr, strings, 2));
}

} // namespace
