// CRgn: a GDI region.
#pragma once

#include "framework/win/CGdiObject.h"

class CDC;

class CRgn : public CGdiObject {
    DECLARE_DYNCREATE(CRgn)
public:
    CRgn() = default;

    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(GetSafeHandle()); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    // nMode: ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    // The path last closed in pDC.
    BOOL CreateFromPath(CDC* pDC);
    BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData);

    // This region becomes pRgn1 combined with pRgn2 (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY).
    // Returns NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR.
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    int CopyRgn(CRgn* pRgnSrc);
    BOOL EqualRgn(CRgn* pRgn) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point);
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect);

    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    BOOL RectInRegion(LPCRECT lpRect) const;
    // The bounding rectangle; returns the region's type (NULLREGION ... or ERROR).
    int GetRgnBox(LPRECT lpRect) const;
    // Bytes copied, or with a null lpRgnData the bytes needed.
    int GetRegionData(LPRGNDATA lpRgnData, int nCount) const;
};
