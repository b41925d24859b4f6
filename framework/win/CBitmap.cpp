#include "framework/win/CBitmap.h"

#include "framework/win/CDC.h"

IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return FromHandleAs<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
    return lpszResourceName != nullptr && AttachNew(::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
    return AttachNew(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize) {
    return AttachNew(::CreateMappedBitmap(AfxGetResourceHandle(), static_cast<INT_PTR>(nIDBitmap), nFlags,
                                          lpColorMap, nMapSize));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return AttachNew(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
    return lpBitmap != nullptr && AttachNew(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC != nullptr && AttachNew(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC != nullptr && AttachNew(::CreateDiscardableBitmap(hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    return GetObject(sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
    return static_cast<DWORD>(
        ::GetBitmapBits(static_cast<HBITMAP>(m_hObject), static_cast<LONG>(dwCount), lpBits));
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
    return static_cast<DWORD>(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight) {
    SIZE previous{};
    ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &previous);
    return CSize(previous.cx, previous.cy);
}

CSize CBitmap::GetBitmapDimension() const {
    SIZE size{};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size.cx, size.cy);
}
