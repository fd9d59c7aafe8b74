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

template <class T, class A> std::vector<T> Contents(const CList<T, A>& list)
{
    std::vector<T> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos));
    return out;
}

TEST(CArray, AddInsertRemove)
{
    CDWordArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(5), 0);
    EXPECT_EQ(a.Add(7), 1);
    a.InsertAt(1, 6);
    a.InsertAt(0, 4, 2);
    a.InsertAt(5, 8); // at the end
    EXPECT_EQ(Contents(a), (std::vector<DWORD>{4, 4, 5, 6, 7, 8}));
    a.InsertAt(8, 9); // beyond the end: the gap is zero-filled
    EXPECT_EQ(Contents(a), (std::vector<DWORD>{4, 4, 5, 6, 7, 8, 0, 0, 9}));
    a.RemoveAt(6, 2);
    a.RemoveAt(0);
    EXPECT_EQ(Contents(a), (std::vector<DWORD>{4, 5, 6, 7, 8, 9}));
    a.RemoveAt(6, 0); // nothing, at the end
    a.SetAt(0, 1);
    a[1] = 2;
    a.ElementAt(2) += 10;
    EXPECT_EQ(a.GetAt(2), 16u);
    a.SetAtGrow(7, 3);
    EXPECT_EQ(Contents(a), (std::vector<DWORD>{1, 2, 16, 7, 8, 9, 0, 3}));
    a.Append(a);
    EXPECT_EQ(a.GetCount(), 16);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CArray, IndexOutsideThrowsInvalidArgument)
{
    CPtrArray a;
    int x = 0;
    a.Add(&x);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a[5] = nullptr; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.ElementAt(-3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(0, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(-1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(0, nullptr, 0); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAtGrow(-1, nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([] { CDWordArray().GetAt(0); }));
    // The failed calls left the array as it was.
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], &x);
    EXPECT_FALSE(ThrowsInvalidArg([&] { a.RemoveAt(0); }));
}

TEST(CArray, StringArrayKeepsCopies)
{
    CStringArray a;
    CString s("eins");
    a.Add(s);
    a.Add("zwei");
    s = "geaendert";
    EXPECT_STREQ(a[0], "eins");
    a.InsertAt(0, a[1]); // an element of the array itself
    a.SetAtGrow(4, a[0]);
    ASSERT_EQ(a.GetSize(), 5);
    EXPECT_STREQ(a[0], "zwei");
    EXPECT_STREQ(a[3], "");
    EXPECT_STREQ(a[4], "zwei");
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(5); }));
}

TEST(CList, HeadTailAndPositions)
{
    CList<double, double> list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddHead(2.0);
    list.AddHead(1.0);
    list.AddTail(3.0);
    EXPECT_EQ(Contents(list), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetHead(), 1.0);
    EXPECT_EQ(list.GetTail(), 3.0);

    POSITION pos = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(pos), 3.0);
    EXPECT_EQ(list.GetPrev(pos), 2.0);
    EXPECT_EQ(list.GetPrev(pos), 1.0);
    EXPECT_EQ(pos, nullptr);

    POSITION two = list.Find(2.0);
    ASSERT_NE(two, nullptr);
    list.InsertBefore(two, 1.5);
    list.InsertAfter(two, 2.5);
    list.InsertBefore(nullptr, 0.5);
    list.InsertAfter(nullptr, 3.5);
    EXPECT_EQ(Contents(list), (std::vector<double>{0.5, 1, 1.5, 2, 2.5, 3, 3.5}));
    list.SetAt(two, 20.0);
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), 20.0);
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(CList, FindRemoveAndEmptyList)
{
    CList<double, double> list;
    for (double v : {5.0, 6.0, 5.0, 7.0})
        list.AddTail(v);
    POSITION first = list.Find(5.0);
    POSITION second = list.Find(5.0, first);
    EXPECT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(list.Find(5.0, second), nullptr);
    EXPECT_EQ(list.Find(8.0), nullptr);

    list.RemoveAt(second); // the middle
    EXPECT_EQ(Contents(list), (std::vector<double>{5, 6, 7}));
    EXPECT_EQ(list.RemoveTail(), 7.0);
    EXPECT_EQ(list.RemoveHead(), 5.0);
    EXPECT_EQ(list.GetHead(), 6.0);
    EXPECT_EQ(list.GetTail(), 6.0);
    EXPECT_EQ(list.RemoveTail(), 6.0);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);

    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] {
        POSITION none = nullptr;
        list.GetNext(none);
    }));

    list.AddTail(1.0);
    list.AddTail(2.0);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    list.AddTail(3.0); // usable again after RemoveAll
    EXPECT_EQ(Contents(list), (std::vector<double>{3}));
}

} // namespace
