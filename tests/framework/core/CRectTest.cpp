#include "framework/core/CRect.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& r, int l, int t, int rr, int b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rr);
    EXPECT_EQ(r.bottom, b);
}

TEST(CRectBasics, ConstructorsAndMeasures) {
    ExpectRect(CRect(), 0, 0, 0, 0);
    const CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    const RECT raw{1, 2, 3, 4};
    ExpectRect(CRect(raw), 1, 2, 3, 4);
    ExpectRect(CRect(&raw), 1, 2, 3, 4);
    ExpectRect(CRect(CPoint(5, 6), CSize(10, 20)), 5, 6, 15, 26);
    ExpectRect(CRect(CPoint(5, 6), CPoint(7, 8)), 5, 6, 7, 8);
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_EQ(CRect(-5, -5, 0, 0).CenterPoint(), CPoint(-2, -2)); // halves round toward zero
    EXPECT_EQ(CRect(20, 0, 10, 4).Width(), -10);                  // not normalised: negative
}

TEST(CRectBasics, CornersAreTheRectanglesOwnStorage) {
    CRect r(10, 20, 30, 40);
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(30, 40));
    r.TopLeft() = CPoint(0, 5);
    r.BottomRight().x = 100;
    r.BottomRight() += CSize(0, 10);
    ExpectRect(r, 0, 5, 100, 50);
    const CRect& view = r;
    EXPECT_EQ(&view.TopLeft().x, &r.left);
    EXPECT_EQ(&view.BottomRight().y, &r.bottom);
}

TEST(CRectBasics, EmptyNullAndPointTests) {
    struct Case {
        CRect rect;
        bool empty, null;
    };
    const Case cases[] = {
        {CRect(0, 0, 0, 0), true, true},       {CRect(0, 0, 0, 5), true, false},
        {CRect(5, 5, 4, 10), true, false},     {CRect(0, 0, 1, 1), false, false},
        {CRect(-3, -3, -1, -1), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom);
        EXPECT_EQ(c.rect.IsRectEmpty() != FALSE, c.empty);
        EXPECT_EQ(c.rect.IsRectNull() != FALSE, c.null);
    }
    const CRect r(10, 10, 20, 20);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 10))); // left and top are inside
    EXPECT_TRUE(r.PtInRect(CPoint(19, 19)));
    EXPECT_FALSE(r.PtInRect(CPoint(20, 15))); // right and bottom are outside
    EXPECT_FALSE(r.PtInRect(CPoint(15, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 15)));
}

TEST(CRectEdit, SetCopyEqualAndNormalize) {
    CRect r;
    r.SetRect(1, 2, 3, 4);
    ExpectRect(r, 1, 2, 3, 4);
    r.SetRect(CPoint(5, 6), CPoint(7, 8));
    ExpectRect(r, 5, 6, 7, 8);
    const RECT other{9, 8, 7, 6};
    r.CopyRect(&other);
    ExpectRect(r, 9, 8, 7, 6);
    EXPECT_TRUE(r.EqualRect(&other));
    r.NormalizeRect();
    ExpectRect(r, 7, 6, 9, 8);
    EXPECT_FALSE(r.EqualRect(&other));
    r.NormalizeRect(); // already normal: unchanged
    ExpectRect(r, 7, 6, 9, 8);
    CRect half(0, 10, 5, 2);
    half.NormalizeRect();
    ExpectRect(half, 0, 2, 5, 10);
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
}

const RECT kSides{1, 2, 3, 4};

TEST(CRectEdit, InflateAndDeflateInEveryForm) {
    struct Case {
        const char* name;
        void (*apply)(CRect&);
        int l, t, r, b;
    };
    const Case cases[] = {
        {"inflate x y", [](CRect& r) { r.InflateRect(2, 3); }, 8, 17, 32, 43},
        {"inflate size", [](CRect& r) { r.InflateRect(CSize(2, 3)); }, 8, 17, 32, 43},
        {"inflate sides", [](CRect& r) { r.InflateRect(&kSides); }, 9, 18, 33, 44},
        {"inflate four", [](CRect& r) { r.InflateRect(1, 2, 3, 4); }, 9, 18, 33, 44},
        {"deflate x y", [](CRect& r) { r.DeflateRect(2, 3); }, 12, 23, 28, 37},
        {"deflate size", [](CRect& r) { r.DeflateRect(CSize(2, 3)); }, 12, 23, 28, 37},
        {"deflate sides", [](CRect& r) { r.DeflateRect(&kSides); }, 11, 22, 27, 36},
        {"deflate four", [](CRect& r) { r.DeflateRect(1, 2, 3, 4); }, 11, 22, 27, 36},
        {"deflate past empty", [](CRect& r) { r.DeflateRect(15, 0); }, 25, 20, 15, 40},
        {"+= sides", [](CRect& r) { r += &kSides; }, 9, 18, 33, 44},
        {"-= sides", [](CRect& r) { r -= &kSides; }, 11, 22, 27, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRect r(10, 20, 30, 40);
        c.apply(r);
        ExpectRect(r, c.l, c.t, c.r, c.b);
    }
}

TEST(CRectEdit, OffsetAndMoveKeepTheSize) {
    CRect r(10, 20, 30, 60);
    r.OffsetRect(5, -5);
    ExpectRect(r, 15, 15, 35, 55);
    r.OffsetRect(CPoint(-15, 0));
    ExpectRect(r, 0, 15, 20, 55);
    r.OffsetRect(CSize(0, -15));
    ExpectRect(r, 0, 0, 20, 40);
    r.MoveToX(100);
    ExpectRect(r, 100, 0, 120, 40);
    r.MoveToY(-10);
    ExpectRect(r, 100, -10, 120, 30);
    r.MoveToXY(1, 2);
    ExpectRect(r, 1, 2, 21, 42);
    r.MoveToXY(CPoint(3, 4));
    ExpectRect(r, 3, 4, 23, 44);
}

TEST(CRectSets, IntersectionUnionAndSubtraction) {
    const CRect a(0, 0, 10, 10);
    const CRect b(5, 5, 15, 20);
    CRect out(1, 1, 1, 1);
    EXPECT_TRUE(out.IntersectRect(a, b));
    ExpectRect(out, 5, 5, 10, 10);
    EXPECT_FALSE(out.IntersectRect(a, CRect(20, 20, 30, 30))); // disjoint: all zero
    EXPECT_TRUE(out.IsRectNull());
    EXPECT_FALSE(out.IntersectRect(a, CRect(10, 0, 20, 10))); // touching edges share no area
    EXPECT_TRUE(out.IsRectNull());

    EXPECT_TRUE(out.UnionRect(a, b));
    ExpectRect(out, 0, 0, 15, 20);
    EXPECT_TRUE(out.UnionRect(a, CRect(50, 50, 50, 60))); // an empty rectangle adds nothing
    ExpectRect(out, 0, 0, 10, 10);
    EXPECT_FALSE(out.UnionRect(CRect(), CRect(3, 3, 3, 3)));

    EXPECT_TRUE(out.SubtractRect(a, CRect(6, -5, 20, 20))); // full-height strip off the right
    ExpectRect(out, 0, 0, 6, 10);
    EXPECT_TRUE(out.SubtractRect(a, CRect(2, 2, 4, 4))); // a hole leaves the bounds unchanged
    ExpectRect(out, 0, 0, 10, 10);
    EXPECT_FALSE(out.SubtractRect(a, CRect(-1, -1, 11, 11))); // nothing left
}

TEST(CRectOperators, ArithmeticAndComparison) {
    const CRect r(10, 20, 30, 40);
    ExpectRect(r + CPoint(1, 2), 11, 22, 31, 42);
    ExpectRect(r + CSize(1, 2), 11, 22, 31, 42);
    ExpectRect(r - CPoint(1, 2), 9, 18, 29, 38);
    ExpectRect(r - CSize(1, 2), 9, 18, 29, 38);
    const RECT sides{1, 1, 2, 2};
    ExpectRect(r + &sides, 9, 19, 32, 42);
    ExpectRect(r - &sides, 11, 21, 28, 38);

    ExpectRect(r & CRect(25, 0, 50, 25), 25, 20, 30, 25);
    ExpectRect(r & CRect(100, 100, 200, 200), 0, 0, 0, 0);
    ExpectRect(r | CRect(0, 0, 5, 5), 0, 0, 30, 40);
    CRect m = r;
    m &= CRect(0, 30, 15, 100);
    ExpectRect(m, 10, 30, 15, 40);
    m |= CRect(0, 0, 1, 1);
    ExpectRect(m, 0, 0, 15, 40);
    m += CPoint(1, 1);
    m -= CSize(2, 2);
    ExpectRect(m, -1, -1, 14, 39);

    EXPECT_TRUE(r == CRect(10, 20, 30, 40));
    EXPECT_TRUE(r != CRect(10, 20, 30, 41));
    EXPECT_FALSE(r == CRect());
    const RECT raw{10, 20, 30, 40};
    EXPECT_TRUE(r == raw);
    CRect assigned;
    assigned = raw;
    ExpectRect(assigned, 10, 20, 30, 40);
}

TEST(CRectOperators, PassesAsWin32Rectangle) {
    CRect r(0, 0, 10, 10);
    ::OffsetRect(r, 5, 5); // through operator LPRECT
    ExpectRect(r, 5, 5, 15, 15);
    const CRect& constant = r;
    EXPECT_TRUE(::PtInRect(constant, POINT{5, 5})); // through operator LPCRECT
    ::SetRect(&r, 1, 2, 3, 4);                      // through the RECT base
    ExpectRect(r, 1, 2, 3, 4);
}

TEST(CPointAndSize, ArithmeticBetweenPointsSizesAndRectangles) {
    CPoint p(10, 20);
    EXPECT_EQ(p + CSize(1, 2), CPoint(11, 22));
    EXPECT_EQ(p - CSize(1, 2), CPoint(9, 18));
    EXPECT_EQ(p + CPoint(5, 5), CPoint(15, 25));
    EXPECT_EQ(p - CPoint(4, 25), CSize(6, -5)); // the distance between points is a size
    EXPECT_EQ(-p, CPoint(-10, -20));
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(p, CPoint(9, 19));
    p.Offset(1, 1);
    p.Offset(CPoint(-10, -20));
    p.Offset(CSize(3, 3));
    EXPECT_EQ(p, CPoint(3, 3));
    p.SetPoint(-1, -2);
    EXPECT_TRUE(p != CPoint(1, 2));
    EXPECT_EQ(CPoint(CSize(4, 5)), CPoint(4, 5));

    // Mouse-message coordinates are signed 16-bit halves.
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELPARAM(-5, 300))), CPoint(-5, 300));
    EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(7, -2))), CSize(7, -2));

    CSize s(3, 4);
    EXPECT_EQ(s + CSize(1, 1), CSize(4, 5));
    EXPECT_EQ(s - CSize(1, 1), CSize(2, 3));
    EXPECT_EQ(-s, CSize(-3, -4));
    EXPECT_EQ(s + CPoint(10, 10), CPoint(13, 14));
    EXPECT_EQ(s - CPoint(10, 10), CPoint(-7, -6));
    s += CSize(1, 1);
    s -= CSize(0, 2);
    EXPECT_EQ(s, CSize(4, 3));
    s.SetSize(0, 0);
    EXPECT_TRUE(s == CSize());
    EXPECT_EQ(CSize(CPoint(8, 9)), CSize(8, 9));

    const RECT r{0, 0, 10, 10};
    ExpectRect(CPoint(2, 3) + &r, 2, 3, 12, 13);
    ExpectRect(CPoint(2, 3) - &r, -2, -3, 8, 7);
    ExpectRect(CSize(2, 3) + &r, 2, 3, 12, 13);
    ExpectRect(CSize(2, 3) - &r, -2, -3, 8, 7);
}

} // namespace
