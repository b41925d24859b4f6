#include "grid/core/CGEStyleBrush.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEStyleColor.h"
#include "grid/core/CGEStyleText.h"

namespace {

// 8x8 patterns: shades and lines.
constexpr WORD kPatterns[][8] = {
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, // 50 %
    {0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}, // 25 %
    {0x80, 0x08, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08}, // 12 %
    {0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD}, // 75 %
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}, // horizontal lines
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88}, // vertical lines
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // rising diagonal
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // falling diagonal
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
};
constexpr int kPatternCount = static_cast<int>(sizeof kPatterns / sizeof kPatterns[0]);

} // namespace

CGEStyleBrush::CGEStyleBrush(COLORREF color) {
    SetColor(color);
    SetBkColor(color);
}

CGEStyleBrush::CGEStyleBrush(UINT nStyle, int nHatch, int nPattern, COLORREF color, COLORREF bkColor) {
    SetHatch(nHatch);
    SetPattern(nPattern);
    SetStyle(nStyle);
    SetColor(color);
    SetBkColor(bkColor);
}

CGEStyleBrush& CGEStyleBrush::SetStyle(UINT nStyle) {
    m_nWord2 = (m_nWord2 & 0x3FFFFFFF) | ((nStyle & 3) << 30);
    return *this;
}

CGEStyleBrush& CGEStyleBrush::SetHatch(int nHatch) {
    m_nWord1 = (m_nWord1 & ~7u) | (static_cast<DWORD>(nHatch) & 7);
    return *this;
}

CGEStyleBrush& CGEStyleBrush::SetPattern(int nPattern) {
    m_nWord2 = (m_nWord2 & ~(63u << 24)) | ((static_cast<DWORD>(nPattern) & 63) << 24);
    return SetStyle(pattern);
}

CGEStyleBrush& CGEStyleBrush::SetColor(COLORREF color) {
    UINT kind = 0;
    DWORD value = 0;
    CGEStyleColor::Decode(color, kind, value);
    m_nWord1 = (m_nWord1 & ~(3u << 6)) | (kind << 6);
    m_nWord2 = (m_nWord2 & 0xFF000000) | value;
    return *this;
}

CGEStyleBrush& CGEStyleBrush::SetBkColor(COLORREF color) {
    UINT kind = 0;
    DWORD value = 0;
    CGEStyleColor::Decode(color, kind, value);
    m_nWord1 = (m_nWord1 & 0xCF) | (kind << 4) | (value << 8);
    return *this;
}

COLORREF CGEStyleBrush::GetColor() const {
    return CGEStyleColor::ToDrawable((m_nWord1 >> 6) & 3, m_nWord2 & 0x00FFFFFF);
}

COLORREF CGEStyleBrush::GetBkColor() const {
    return CGEStyleColor::ToDrawable((m_nWord1 >> 4) & 3, m_nWord1 >> 8);
}

COLORREF CGEStyleBrush::GetColorRef() const {
    return CGEStyleColor::ToReference((m_nWord1 >> 6) & 3, m_nWord2 & 0x00FFFFFF);
}

COLORREF CGEStyleBrush::GetBkColorRef() const {
    return CGEStyleColor::ToReference((m_nWord1 >> 4) & 3, m_nWord1 >> 8);
}

void CGEStyleBrush::GetLogBrush(LOGBRUSH& logBrush) const {
    logBrush.lbColor = GetColor();
    logBrush.lbHatch = static_cast<ULONG_PTR>(GetHatch());
    switch (GetStyle()) {
    case hollow:
        logBrush.lbStyle = BS_HOLLOW;
        break;
    case hatched:
        logBrush.lbStyle = BS_HATCHED;
        break;
    default:
        logBrush.lbStyle = BS_SOLID;
        logBrush.lbHatch = 0;
        break;
    }
}

int CGEStyleBrush::GetPatternCount() {
    return kPatternCount;
}

const WORD* CGEStyleBrush::GetPatternBits(int nPattern) {
    return nPattern >= 0 && nPattern < kPatternCount ? kPatterns[nPattern] : nullptr;
}

CString CGEStyleBrush::GetDescription() const {
    CString text;
    text.Format("%u %d %d %lu %lu", GetStyle(), GetHatch(), GetPattern(),
                static_cast<unsigned long>(GetColorRef()), static_cast<unsigned long>(GetBkColorRef()));
    return text;
}

BOOL CGEStyleBrush::SetDescription(const char* pszText) {
    DWORD values[5];
    if (!CGEStyleText::ParseNumbers(pszText, values, 5))
        return FALSE;
    CGEStyleBrush brush;
    brush.SetHatch(static_cast<int>(values[1]));
    brush.SetPattern(static_cast<int>(values[2]));
    brush.SetStyle(values[0]);
    brush.SetColor(values[3]);
    brush.SetBkColor(values[4]);
    *this = brush;
    return TRUE;
}

void CGEStyleBrush::SerializeLayout(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(GetStyle()) << static_cast<DWORD>(GetBkColorRef())
           << static_cast<DWORD>(GetHatch()) << static_cast<DWORD>(GetPattern())
           << static_cast<DWORD>(GetColorRef());
        return;
    }
    DWORD style = 0, bkColor = 0, hatch = 0, patternIndex = 0, color = 0;
    ar >> style >> bkColor >> hatch >> patternIndex >> color;
    CGEStyleBrush brush;
    brush.SetHatch(static_cast<int>(hatch));
    brush.SetPattern(static_cast<int>(patternIndex));
    brush.SetStyle(style);
    if (brush.GetStyle() == pattern && patternIndex >= static_cast<DWORD>(kPatternCount))
        brush.SetStyle(hollow);
    brush.SetColor(color);
    brush.SetBkColor(bkColor);
    *this = brush;
}
