// CSize: a width and height (cx, cy). It is a SIZE, so it passes wherever one is expected.
#pragma once

#include "framework/core/AfxDefs.h"

class CPoint;
class CRect;

class CSize : public tagSIZE {
public:
    CSize() noexcept : tagSIZE{0, 0} {}
    CSize(int x, int y) noexcept : tagSIZE{x, y} {}
    CSize(SIZE size) noexcept : tagSIZE(size) {}
    CSize(POINT point) noexcept : tagSIZE{point.x, point.y} {}
    // Width in the low word, height in the high word, both signed.
    CSize(DWORD packed) noexcept
        : tagSIZE{static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))} {}

    void SetSize(int x, int y) noexcept {
        cx = x;
        cy = y;
    }

    bool operator==(SIZE other) const noexcept { return cx == other.cx && cy == other.cy; }
    CSize& operator+=(SIZE other) noexcept {
        cx += other.cx;
        cy += other.cy;
        return *this;
    }
    CSize& operator-=(SIZE other) noexcept {
        cx -= other.cx;
        cy -= other.cy;
        return *this;
    }
    CSize operator+(SIZE other) const noexcept { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const noexcept { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const noexcept;
    CPoint operator-(POINT point) const noexcept;
    // The rectangle moved by this size.
    CRect operator+(const RECT* rect) const noexcept;
    CRect operator-(const RECT* rect) const noexcept;
};

// The geometry classes return each other by value; every one of their headers brings in all three.
#include "framework/core/CPoint.h"
