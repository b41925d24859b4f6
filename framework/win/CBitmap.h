// CBitmap: a GDI bitmap, made from a resource, from bits, or compatible with a device context.
#pragma once

#include "framework/core/CSize.h"
#include "framework/win/CGdiObject.h"

#include <commctrl.h>

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNCREATE(CBitmap)
public:
    CBitmap() = default;

    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(GetSafeHandle()); }

    // A bitmap resource of the application's resource module.
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    // One of the system's predefined bitmaps (OBM_CHECK, ...).
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    // A bitmap resource whose colours are mapped: by default black, greys and white become the current
    // button text, shadow, face and highlight colours; lpColorMap gives other pairs.
    BOOL LoadMappedBitmap(UINT nIDBitmap, UINT nFlags = 0, LPCOLORMAP lpColorMap = nullptr, int nMapSize = 0);

    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    // A bitmap in the format of pDC's device (a memory DC's selected bitmap format).
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight);

    // The bitmap's description (size, bits per pixel, ...); the result of GetObject.
    int GetBitmap(BITMAP* pBitMap) const;
    // Bytes copied.
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
    // A size in 0.1 mm units kept with the bitmap for the program's use; returns the previous one.
    CSize SetBitmapDimension(int nWidth, int nHeight);
    CSize GetBitmapDimension() const;
};
