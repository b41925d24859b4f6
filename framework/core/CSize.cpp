#include "framework/core/CSize.h"

CPoint CSize::operator+(POINT point) const noexcept {
    return CPoint(cx + point.x, cy + point.y);
}

CPoint CSize::operator-(POINT point) const noexcept {
    return CPoint(cx - point.x, cy - point.y);
}

CRect CSize::operator+(const RECT* rect) const noexcept {
    return CRect(rect) + *this;
}

CRect CSize::operator-(const RECT* rect) const noexcept {
    return CRect(rect) - *this;
}
