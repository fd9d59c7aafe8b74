#include "framework/CRect.h"

#include <gtest/gtest.h>

namespace
{

TEST(Geometry, RectPointSize)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));

    r.OffsetRect(-10, 5);
    EXPECT_EQ(r, CRect(0, 25, 100, 75));
    r.OffsetRect(CSize(1, 1));
    r.OffsetRect(CPoint(-1, -1));
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(-2, 22, 102, 78));
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(CPoint(0, 25), CSize(100, 50)));
    EXPECT_FALSE(r.IsRectEmpty());
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 9).IsRectEmpty());

    RECT raw = CRect(1, 2, 3, 4);
    LPRECT p = r;
    *p = raw;
    EXPECT_EQ(r, CRect(1, 2, 3, 4));

    const CPoint a(-5, 7);
    EXPECT_EQ(CPoint(MAKELPARAM(-5, 7)), a);
    EXPECT_EQ(a + CSize(5, -7), CPoint(0, 0));
    EXPECT_EQ(a - CPoint(-5, 0), CSize(0, 7));
}

} // namespace
