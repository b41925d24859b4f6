// CPoint: a position (x, y). It is a POINT, so it passes wherever one is expected.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CSize.h"

class CRect;

class CPoint : public tagPOINT {
public:
    CPoint() noexcept : tagPOINT{0, 0} {}
    CPoint(int x, int y) noexcept : tagPOINT{x, y} {}
    CPoint(POINT point) noexcept : tagPOINT(point) {}
    CPoint(SIZE size) noexcept : tagPOINT{size.cx, size.cy} {}
    // x in the low word, y in the high word, both signed (mouse-message coordinates).
    CPoint(LPARAM packed) noexcept
        : tagPOINT{static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))} {}

    void SetPoint(int newX, int newY) noexcept {
        x = newX;
        y = newY;
    }
    void Offset(int dx, int dy) noexcept {
        x += dx;
        y += dy;
    }
    void Offset(POINT point) noexcept { Offset(point.x, point.y); }
    void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }

    bool operator==(POINT other) const noexcept { return x == other.x && y == other.y; }
    CPoint& operator+=(SIZE size) noexcept {
        Offset(size);
        return *this;
    }
    CPoint& operator-=(SIZE size) noexcept {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint& operator+=(POINT point) noexcept {
        Offset(point);
        return *this;
    }
    CPoint& operator-=(POINT point) noexcept {
        Offset(-point.x, -point.y);
        return *this;
    }
    CPoint operator+(SIZE size) const noexcept { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const noexcept { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const noexcept { return CPoint(x + point.x, y + point.y); }
    // The distance between two points.
    CSize operator-(POINT point) const noexcept { return CSize(x - point.x, y - point.y); }
    // The rectangle moved by this point.
    CRect operator+(const RECT* rect) const noexcept;
    CRect operator-(const RECT* rect) const noexcept;
};

#include "framework/core/CRect.h"
