#include "framework/win/CBrush.h"

#include "framework/core/CResourceException.h"
#include "framework/win/CBitmap.h"

IMPLEMENT_DYNCREATE(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor) {
    if (!CreateSolidBrush(crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor) {
    if (!CreateHatchBrush(nIndex, crColor))
        AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap) {
    if (!CreatePatternBrush(pBitmap))
        AfxThrowResourceException();
}

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return FromHandleAs<CBrush>(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return AttachNew(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
    return AttachNew(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return lpLogBrush != nullptr && AttachNew(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    HBITMAP hBitmap = static_cast<HBITMAP>(pBitmap->GetSafeHandle());
    return hBitmap != nullptr && AttachNew(::CreatePatternBrush(hBitmap));
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage) {
    return lpPackedDIB != nullptr && AttachNew(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

BOOL CBrush::CreateSysColorBrush(int nIndex) {
    return AttachNew(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const {
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}
