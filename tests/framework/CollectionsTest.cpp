#include "framework/CDWordArray.h"
#include "framework/CList.h"
#include "framework/CPtrArray.h"
#include "framework/CStringArray.h"

#include "InvalidArg.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

std::vector<DWORD> Contents(const CDWordArray& a)
{
    return std::vector<DWORD>(a.GetData(), a.GetData() + a.GetSize());
}

std::vector<double> Contents(const CList<double, double>& list)
{
    std::vector<double> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos));
    return out;
}

TEST(CArray, AddInsertRemove)
{
    CDWordArray a;
    EXPECT_EQ(0, a.Add(5));
    EXPECT_EQ(1, a.Add(7));
    a.InsertAt(1, 6);
    a.InsertAt(0, 4, 2);
    a.InsertAt(5, 8); // at the end
    a.InsertAt(7, 9); // beyond the end: the gap is zero-filled
    EXPECT_EQ((std::vector<DWORD>{4, 4, 5, 6, 7, 8, 0, 9}), Contents(a));
    a.RemoveAt(5, 2);
    a.RemoveAt(0);
    a.SetAt(0, 1);
    a[1] = 2;
    a.ElementAt(2) += 10;
    a.SetAtGrow(6, 3);
    EXPECT_EQ((std::vector<DWORD>{1, 2, 16, 7, 9, 0, 3}), Contents(a));
    a.Append(a);
    EXPECT_EQ(14, a.GetCount());
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

// The failed calls leave the array as it was.
TEST(CArray, IndexOutsideThrowsInvalidArgument)
{
    CPtrArray a;
    int x = 0;
    a.Add(&x);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a[-1] = nullptr; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(0, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(-1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAtGrow(-1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
    ASSERT_EQ(1, a.GetSize());
    EXPECT_EQ(&x, a[0]);
    CStringArray strings;
    strings.Add("eins");
    strings.InsertAt(0, strings[0]); // an element of the array itself
    EXPECT_STREQ("eins", strings[0]);
    EXPECT_TRUE(ThrowsInvalidArg([&] { strings.GetAt(2); }));
}

TEST(CList, AddFindInsertAndRemove)
{
    CList<double, double> list;
    list.AddHead(2.0);
    list.AddHead(1.0);
    list.AddTail(3.0);
    POSITION two = list.Find(2.0);
    list.InsertBefore(two, 1.5);
    list.InsertAfter(two, 2.5);
    EXPECT_EQ((std::vector<double>{1, 1.5, 2, 2.5, 3}), Contents(list));
    EXPECT_EQ(nullptr, list.Find(2.0, two));
    EXPECT_EQ(20.0, (list.SetAt(two, 20.0), list.GetAt(list.FindIndex(2))));
    POSITION pos = list.GetTailPosition();
    EXPECT_EQ(3.0, list.GetPrev(pos));
    EXPECT_EQ(2.5, list.GetAt(pos));
    list.RemoveAt(two);
    EXPECT_EQ(3.0, list.RemoveTail());
    EXPECT_EQ(1.0, list.RemoveHead());
    EXPECT_EQ((std::vector<double>{1.5, 2.5}), Contents(list));
    EXPECT_EQ(2, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(nullptr); }));
}

} // namespace
