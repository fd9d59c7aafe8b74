#include "framework/CDWordArray.h"
#include "framework/CList.h"

#include "InvalidArg.h"

#include <gtest/gtest.h>

namespace
{

// The failed calls leave the array as it was.
TEST(CArray, RemoveAndIndexesOutside)
{
    CDWordArray a;
    for (DWORD value : {5, 6, 7})
        a.Add(value);
    a.RemoveAt(0);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(2); }));
    EXPECT_EQ(2, a.GetSize());
    EXPECT_EQ(6u, a[0]);
    EXPECT_EQ(7u, a[1]);
}

// The members the history lists use.
TEST(CList, AddFindAndRemove)
{
    CList<double, double> list;
    for (double value : {3.0, 2.0, 1.0})
        list.AddHead(value);
    list.RemoveAt(list.Find(2.0));
    EXPECT_EQ(3.0, list.RemoveTail());
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(1.0, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(1, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
}

} // namespace
