// CImageList: a list of same-sized images (with masks) kept by the common controls. An attached image
// list is destroyed with its wrapper unless it is detached first.
//
// Bitmaps are passed as GDI object wrappers (a CBitmap converts to CGdiObject*); the image list copies
// them, so the caller keeps and deletes its bitmaps.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CPoint.h"
#include "framework/win/CDC.h"
#include "framework/win/CGdiObject.h"
#include "framework/win/CHandleMap.h"

#include <commctrl.h>

class CWnd;

class CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    operator HIMAGELIST() const { return GetSafeHandle(); }
    HIMAGELIST GetSafeHandle() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hImageList : nullptr; }

    // The wrapper of hImageList: the attached object if there is one, else a temporary wrapper that
    // lives until the next idle time. nullptr for a null handle.
    static CImageList* FromHandle(HIMAGELIST hImageList);
    static CImageList* FromHandlePermanent(HIMAGELIST hImageList);
    static void DeleteTempMap();

    // ---- creation ----
    // Empty list of cx by cy images; nFlags ILC_COLORxx, ILC_MASK; room for nInitial, growing by nGrow.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From a bitmap resource cut into images cx wide; pixels of crMask become transparent (CLR_NONE:
    // none do).
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // Image nImage2 of il2 drawn over image nImage1 of il1, offset by dx, dy.
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy);
    // A copy of another list.
    BOOL Create(CImageList* pImageList);

    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    // Destroys the attached list (FALSE when there is none).
    BOOL DeleteImageList();

    // ---- images ----
    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    // Adds the images of a bitmap (as many as its width holds); returns the index of the first, -1 on
    // failure. With a mask bitmap, or a mask colour for lists with ILC_MASK.
    int Add(CGdiObject* pbmImage, CGdiObject* pbmMask);
    int Add(CGdiObject* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CGdiObject* pbmImage, CGdiObject* pbmMask);
    // Replaces image nImage with the icon; nImage -1 adds it. Returns the index, -1 on failure.
    int Replace(int nImage, HICON hIcon);
    // -1 removes every image.
    BOOL Remove(int nImage);
    BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags = ILCF_MOVE);
    HICON ExtractIcon(int nImage);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL SetOverlayImage(int nImage, int nOverlay);

    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // ---- drawing ----
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);

    // ---- dragging ----
    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void PASCAL EndDrag();
    static BOOL PASCAL DragMove(CPoint pt);
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);
    static BOOL PASCAL DragShowNolock(BOOL bShow);

    HIMAGELIST m_hImageList = nullptr;
};

CHandleMap<CImageList, HIMAGELIST>* AfxMapHIMAGELIST();

// A new CImageList attached to hImageList, for functions that hand the caller an image list to delete
// (drag images). nullptr for a null handle.
CImageList* AfxNewImageList(HIMAGELIST hImageList);
