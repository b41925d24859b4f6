#include "framework/core/CRect.h"

#include <utility>

void CRect::InflateRect(int l, int t, int r, int b) noexcept {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::MoveToX(int x) noexcept {
    right = x + Width();
    left = x;
}

void CRect::MoveToY(int y) noexcept {
    bottom = y + Height();
    top = y;
}

void CRect::NormalizeRect() noexcept {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}
