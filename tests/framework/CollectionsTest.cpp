#include "framework/CDWordArray.h"
#include "framework/CList.h"

#include "InvalidArg.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// The failed calls leave the array as it was.
TEST(CArray, InsertRemoveAndIndexesOutside)
{
    CDWordArray a;
    a.Add(5);
    a.Add(7);
    a.InsertAt(1, 6);
    a.RemoveAt(0);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(1, 2); }));
    EXPECT_EQ((std::vector<DWORD>{6, 7}), std::vector<DWORD>(a.GetData(), a.GetData() + 2));
}

// The members the history lists use.
TEST(CList, AddFindAndRemove)
{
    CList<double, double> list;
    for (double value : {3.0, 2.0, 1.0})
        list.AddHead(value);
    list.RemoveAt(list.Find(2.0));
    EXPECT_EQ(3.0, list.RemoveTail());
    EXPECT_EQ(1.0, list.GetHead());
    EXPECT_EQ(1, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
}

} // namespace
