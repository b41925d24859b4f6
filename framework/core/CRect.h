// CRect: a rectangle (left, top, right, bottom), right and bottom exclusive. It is a RECT, and converts
// to LPRECT / LPCRECT, so it passes wherever one is expected.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CPoint.h"

class CRect : public tagRECT {
public:
    CRect() noexcept : tagRECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : tagRECT{l, t, r, b} {}
    CRect(const RECT& rect) noexcept : tagRECT(rect) {}
    CRect(LPCRECT rect) noexcept : tagRECT(*rect) {}
    CRect(POINT topLeft, SIZE size) noexcept
        : tagRECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) noexcept
        : tagRECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    // The corners as points stored in the rectangle itself: assigning to them moves the corner.
    CPoint& TopLeft() noexcept { return reinterpret_cast<CPoint*>(this)[0]; }
    CPoint& BottomRight() noexcept { return reinterpret_cast<CPoint*>(this)[1]; }
    const CPoint& TopLeft() const noexcept { return reinterpret_cast<const CPoint*>(this)[0]; }
    const CPoint& BottomRight() const noexcept { return reinterpret_cast<const CPoint*>(this)[1]; }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    // Empty: no area (width or height zero or negative). Null: all four coordinates zero.
    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }

    void SetRect(int l, int t, int r, int b) noexcept {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT source) noexcept { ::CopyRect(this, source); }
    BOOL EqualRect(LPCRECT other) const noexcept { return ::EqualRect(this, other); }

    // Grow (Inflate) or shrink (Deflate) every side outward by the amounts; a RECT gives a separate
    // amount per side.
    void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT sides) noexcept {
        InflateRect(sides->left, sides->top, sides->right, sides->bottom);
    }
    void InflateRect(int l, int t, int r, int b) noexcept;
    void DeflateRect(int x, int y) noexcept { ::InflateRect(this, -x, -y); }
    void DeflateRect(SIZE size) noexcept { DeflateRect(size.cx, size.cy); }
    void DeflateRect(LPCRECT sides) noexcept {
        DeflateRect(sides->left, sides->top, sides->right, sides->bottom);
    }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int x, int y) noexcept { ::OffsetRect(this, x, y); }
    void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) noexcept { OffsetRect(size.cx, size.cy); }
    // Keeps the size; moves the top-left corner to the given position.
    void MoveToX(int x) noexcept;
    void MoveToY(int y) noexcept;
    void MoveToXY(int x, int y) noexcept {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }
    // Swaps left/right and top/bottom where they are the wrong way round.
    void NormalizeRect() noexcept;

    // The Win32 rules: an empty intersection leaves this rectangle all zero and returns FALSE; a union
    // ignores empty rectangles.
    BOOL IntersectRect(LPCRECT a, LPCRECT b) noexcept { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) noexcept { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(LPCRECT from, LPCRECT remove) noexcept { return ::SubtractRect(this, from, remove); }

    CRect& operator=(const RECT& rect) noexcept {
        CopyRect(&rect);
        return *this;
    }
    bool operator==(const RECT& other) const noexcept { return ::EqualRect(this, &other) != FALSE; }
    CRect& operator+=(POINT point) noexcept {
        OffsetRect(point);
        return *this;
    }
    CRect& operator+=(SIZE size) noexcept {
        OffsetRect(size);
        return *this;
    }
    CRect& operator+=(LPCRECT sides) noexcept {
        InflateRect(sides);
        return *this;
    }
    CRect& operator-=(POINT point) noexcept {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect& operator-=(SIZE size) noexcept {
        OffsetRect(-size.cx, -size.cy);
        return *this;
    }
    CRect& operator-=(LPCRECT sides) noexcept {
        DeflateRect(sides);
        return *this;
    }
    CRect& operator&=(const RECT& other) noexcept {
        ::IntersectRect(this, this, &other);
        return *this;
    }
    CRect& operator|=(const RECT& other) noexcept {
        ::UnionRect(this, this, &other);
        return *this;
    }
    CRect operator+(POINT point) const noexcept { return CRect(*this) += point; }
    CRect operator+(SIZE size) const noexcept { return CRect(*this) += size; }
    CRect operator+(LPCRECT sides) const noexcept { return CRect(*this) += sides; }
    CRect operator-(POINT point) const noexcept { return CRect(*this) -= point; }
    CRect operator-(SIZE size) const noexcept { return CRect(*this) -= size; }
    CRect operator-(LPCRECT sides) const noexcept { return CRect(*this) -= sides; }
    CRect operator&(const RECT& other) const noexcept { return CRect(*this) &= other; }
    CRect operator|(const RECT& other) const noexcept { return CRect(*this) |= other; }
};
