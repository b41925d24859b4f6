#include "framework/win/CRgn.h"

#include "framework/win/CDC.h"

IMPLEMENT_DYNCREATE(CRgn, CGdiObject)

namespace {
HRGN RegionOf(const CRgn* pRgn) {
    return static_cast<HRGN>(pRgn->GetSafeHandle());
}
} // namespace

CRgn* CRgn::FromHandle(HRGN hRgn) {
    return FromHandleAs<CRgn>(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return lpRect != nullptr && AttachNew(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) {
    return lpRect != nullptr && AttachNew(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    return lpPoints != nullptr && AttachNew(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount,
                                int nPolyFillMode) {
    return lpPoints != nullptr && lpPolyCounts != nullptr &&
           AttachNew(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    return AttachNew(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreateFromPath(CDC* pDC) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC != nullptr && AttachNew(::PathToRegion(hDC));
}

BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData) {
    return pRgnData != nullptr && AttachNew(::ExtCreateRegion(lpXForm, static_cast<DWORD>(nCount), pRgnData));
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn(RegionOf(this), RegionOf(pRgn1), RegionOf(pRgn2), nCombineMode);
}

int CRgn::CopyRgn(CRgn* pRgnSrc) {
    return ::CombineRgn(RegionOf(this), RegionOf(pRgnSrc), nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(CRgn* pRgn) const {
    return ::EqualRgn(RegionOf(this), RegionOf(pRgn));
}

int CRgn::OffsetRgn(int x, int y) {
    return ::OffsetRgn(RegionOf(this), x, y);
}

int CRgn::OffsetRgn(POINT point) {
    return OffsetRgn(point.x, point.y);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
    ::SetRectRgn(RegionOf(this), x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect) {
    SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return ::PtInRegion(RegionOf(this), x, y);
}

BOOL CRgn::PtInRegion(POINT point) const {
    return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
    return ::RectInRegion(RegionOf(this), lpRect);
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
    return ::GetRgnBox(RegionOf(this), lpRect);
}

int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const {
    return static_cast<int>(::GetRegionData(RegionOf(this), static_cast<DWORD>(nCount), lpRgnData));
}
