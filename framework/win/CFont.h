// CFont: a GDI font.
#pragma once

#include "framework/win/CGdiObject.h"

class CDC;

class CFont : public CGdiObject {
    DECLARE_DYNCREATE(CFont)
public:
    CFont() = default;

    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }

    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename);
    // nPointSize in tenths of a point (120 = 12 points), turned into the logical height of pDC (the
    // screen when pDC is null), so the font has that size in any mapping mode.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    // As CreatePointFont, with lfHeight of lpLogFont in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC = nullptr);

    // Copies the font's description; returns FALSE when there is no font.
    int GetLogFont(LOGFONTA* pLogFont) const;
};
