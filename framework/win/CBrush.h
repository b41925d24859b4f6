// CBrush: a GDI brush (solid, hatched, pattern, or a system colour's). The constructors that take a
// description throw a CResourceException when the brush cannot be made; the Create functions return FALSE.
#pragma once

#include "framework/win/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
    DECLARE_DYNCREATE(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);
    // nIndex: HS_BDIAGONAL, HS_CROSS, ... drawn in crColor over the background colour.
    CBrush(int nIndex, COLORREF crColor);
    explicit CBrush(CBitmap* pBitmap);

    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    // The brush repeats the bitmap; the bitmap may be deleted afterwards.
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    // From a packed device-independent bitmap (BITMAPINFO followed by the bits).
    BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage);
    // The system's brush of colour nIndex (COLOR_WINDOW, ...). It belongs to the system: deleting it
    // with the wrapper leaves it intact.
    BOOL CreateSysColorBrush(int nIndex);

    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};
