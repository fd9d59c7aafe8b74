#include "framework/CString.h"
#include "framework/AfxFormatString.h"
#include "framework/CInvalidArgException.h"

#include "BasicsTestResources.h"
#include "InvalidArg.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

TEST(CString, ConstructionAndAccess)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_STREQ(CString("abc", 2), "ab");
    EXPECT_STREQ(CString("ab", 10), "ab");
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
    EXPECT_STREQ(CString('-', 3), "---");
    EXPECT_TRUE(CString('-', -2).IsEmpty());

    CString s("St\xFCtze");
    EXPECT_EQ(s.GetLength(), 6);
    EXPECT_EQ(s.GetAt(2), '\xFC');
    EXPECT_EQ(s[6], '\0');
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(7); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(6, 'x'); }));
    s.SetAt(0, 's');
    EXPECT_STREQ(s, "st\xFCtze");
    s.Empty();
    EXPECT_STREQ(s, "");
}

TEST(CString, ConcatenationAndComparison)
{
    CString a("Pos");
    CString b = a + "-" + CString("12") + '/' + 'x';
    EXPECT_STREQ(b, "Pos-12/x");
    EXPECT_STREQ("<" + a + ">", "<Pos>");
    EXPECT_STREQ('(' + a, "(Pos");
    a += static_cast<LPCSTR>(nullptr);
    a += a;
    EXPECT_STREQ(a, "PosPos");

    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != CString("abd"));
    EXPECT_TRUE(CString("abc") < "abd");
    EXPECT_TRUE("abd" > CString("abc"));
    EXPECT_TRUE(CString("ab") < CString("abc"));
    EXPECT_TRUE(CString("ab") <= "ab");
    EXPECT_TRUE(CString("b") >= "ab");
    EXPECT_TRUE(CString("") == static_cast<LPCSTR>(nullptr));
    // Bytes above 127 sort after ASCII (unsigned comparison).
    EXPECT_TRUE(CString("z") < CString("\xE4"));
    EXPECT_EQ(CString("abc").Compare("abd"), -1);
    EXPECT_EQ(CString("abd").Compare("abc"), 1);

    EXPECT_EQ(CString("Auflager A").CompareNoCase("AUFLAGER a"), 0);
    EXPECT_EQ(CString("\xC4nderung").CompareNoCase("\xE4NDERUNG"), 0);
    EXPECT_NE(CString("a-b").CompareNoCase("ab"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}

TEST(CString, FormatHandlesLongAndEmptyResults)
{
    CString s;
    s.Format("%.*g", 15, 0.1);
    EXPECT_STREQ(s, "0.1");
    s.Format("%ld,%ld", -3L, 40000L);
    EXPECT_STREQ(s, "-3,40000");
    s.Format("%lf", 2.5);
    EXPECT_STREQ(s, "2.500000");
    s.Format("(x=%.3lf) %s", 1.0, "q");
    EXPECT_STREQ(s, "(x=1.000) q");
    const std::string longText(5000, 'y');
    s.Format("%s!", longText.c_str());
    EXPECT_EQ(s.GetLength(), 5001);
    EXPECT_STREQ(s.Right(2), "y!");
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, MidLeftRightClampTheirArguments)
{
    const CString s("abcdef");
    EXPECT_STREQ(s.Mid(2), "cdef");
    EXPECT_STREQ(s.Mid(2, 2), "cd");
    EXPECT_STREQ(s.Mid(4, 10), "ef");
    EXPECT_STREQ(s.Mid(-3, 2), "ab");
    EXPECT_STREQ(s.Mid(9), "");
    EXPECT_STREQ(s.Mid(1, -1), "");
    EXPECT_STREQ(s.Left(3), "abc");
    EXPECT_STREQ(s.Left(-1), "");
    EXPECT_STREQ(s.Left(99), "abcdef");
    EXPECT_STREQ(s.Right(2), "ef");
    EXPECT_STREQ(s.Right(99), "abcdef");
    EXPECT_STREQ(s.Right(-5), "");
    // The module's ".016" to ".017" rename.
    const CString path("C:\\p\\pos.016");
    EXPECT_STREQ(path.Left(path.GetLength() - 3) + "017", "C:\\p\\pos.017");
}

TEST(CString, FindAndReverseFind)
{
    const CString s("a\\b\\c.txt");
    EXPECT_EQ(s.Find('\\'), 1);
    EXPECT_EQ(s.Find('a'), 0);
    EXPECT_EQ(s.Find('\\', 2), 3);
    EXPECT_EQ(s.Find('q'), -1);
    EXPECT_EQ(s.Find('a', -1), -1);
    EXPECT_EQ(s.Find('t', 99), -1);
    EXPECT_EQ(s.Find("c.t"), 4);
    EXPECT_EQ(s.Find("\\", 4), -1);
    EXPECT_EQ(s.Find(static_cast<LPCSTR>(nullptr)), -1);
    EXPECT_EQ(s.Find("", 2), 2);
    EXPECT_EQ(s.ReverseFind('\\'), 3);
    EXPECT_EQ(s.ReverseFind('z'), -1);
    EXPECT_EQ(CString().ReverseFind('a'), -1);
    EXPECT_EQ(CString().Find('a'), -1);
}

TEST(CString, CaseAndTrim)
{
    CString s("Last \xFC\xE4 g1");
    EXPECT_STREQ(s.MakeUpper(), "LAST \xDC\xC4 G1");
    EXPECT_STREQ(s.MakeLower(), "last \xFC\xE4 g1");

    CString t(" \t Pos 1 \r\n\v\f ");
    EXPECT_STREQ(CString(t).TrimRight(), " \t Pos 1");
    EXPECT_STREQ(CString(t).TrimLeft(), "Pos 1 \r\n\v\f ");
    EXPECT_STREQ(t.Trim(), "Pos 1");
    EXPECT_STREQ(CString("   ").TrimRight(), "");
    EXPECT_STREQ(CString("   ").TrimLeft(), "");
    EXPECT_STREQ(CString().TrimRight(), "");
    EXPECT_STREQ(CString("xxAxx").TrimRight('x'), "xxA");
    EXPECT_STREQ(CString("xyAyx").TrimLeft("xy"), "Ayx");
    EXPECT_STREQ(CString("ab").TrimRight(""), "ab");
    // A byte above 127 is not white space.
    EXPECT_STREQ(CString("a\xA0").TrimRight(), "a\xA0");
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    char* buffer = s.GetBuffer(10);
    strcpy(buffer, "0123456789");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "0123456789");

    buffer = s.GetBuffer(4);
    buffer[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "01");

    buffer = s.GetBuffer(5);
    memcpy(buffer, "vwxyz", 5);
    s.ReleaseBuffer(3);
    EXPECT_STREQ(s, "vwx");

    s.GetBuffer(2);
    s.ReleaseBuffer(99); // clamped to what the buffer holds
    EXPECT_STREQ(s, "vwx");

    CString e;
    e.GetBuffer(0);
    e.ReleaseBuffer();
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CString, LoadStringFromResourceHandle)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_SHORT));
    EXPECT_STREQ(s, "Support\tA");

    // Longer than the first buffer: grows until the whole text is there.
    EXPECT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 40 * 31);
    EXPECT_STREQ(s.Right(31), "039-abcdefghijklmnopqrstuvwxyz ");

    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(AfxFormatString, ReplacesNumberedPlaceholders)
{
    CString s;
    AfxFormatString2(s, IDS_TEST_PLACEHOLDERS, "B1", "B2");
    EXPECT_STREQ(s, "Lage B1 von B2: 100% ");
    AfxFormatString1(s, IDS_TEST_PLACEHOLDERS, "B1");
    EXPECT_STREQ(s, "Lage B1 von : 100% ");
    AfxFormatString2(s, IDS_TEST_MISSING, "B1", "B2");
    EXPECT_TRUE(s.IsEmpty());

    const LPCSTR strings[] = {"one", "two"};
    EXPECT_STREQ(AfxFormatStrings("%2%1%", strings, 2), "twoone%");
    EXPECT_STREQ(AfxFormatStrings(nullptr, strings, 2), "");
}

} // namespace
