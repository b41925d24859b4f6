#include "framework/core/CPoint.h"

CRect CPoint::operator+(const RECT* rect) const noexcept {
    return CRect(rect) + *this;
}

CRect CPoint::operator-(const RECT* rect) const noexcept {
    return CRect(rect) - *this;
}
