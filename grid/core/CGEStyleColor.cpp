#include "grid/core/CGEStyleColor.h"

namespace {
constexpr UINT kFirstSystemByte = 65;
constexpr UINT kLastSystemByte = 254;
} // namespace

void CGEStyleColor::Decode(COLORREF color, UINT& nKind, DWORD& nValue) {
    const UINT high = color >> 24;
    if (high >= kFirstSystemByte && high <= kLastSystemByte) {
        nKind = system;
        nValue = kLastSystemByte - high;
        return;
    }
    nKind = high & 3;
    nValue = color & 0x00FFFFFF;
}

COLORREF CGEStyleColor::ToReference(UINT nKind, DWORD nValue) {
    // A kind-3 word whose value is no system index (a high byte of 3, 7, ... 63 or 255 given to a setter)
    // keeps its raw form, so it reads back the same.
    if (nKind == system && nValue <= kLastSystemByte - kFirstSystemByte)
        return ((kLastSystemByte - nValue) << 24) | (::GetSysColor(static_cast<int>(nValue)) & 0x00FFFFFF);
    return ((nKind & 3) << 24) | (nValue & 0x00FFFFFF);
}

COLORREF CGEStyleColor::ToDrawable(UINT nKind, DWORD nValue) {
    if (nKind == system)
        return nValue <= kLastSystemByte - kFirstSystemByte ? ::GetSysColor(static_cast<int>(nValue)) : 0;
    return ((nKind & 3) << 24) | (nValue & 0x00FFFFFF);
}

COLORREF CGEStyleColor::Drawable(COLORREF color) {
    UINT kind = 0;
    DWORD value = 0;
    Decode(color, kind, value);
    return ToDrawable(kind, value);
}
