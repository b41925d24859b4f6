#include "framework/win/CImageList.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CWnd.h"

#include <memory>

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

void ClearImageListHandle(CImageList* pImageList) {
    pImageList->m_hImageList = nullptr;
}

HBITMAP BitmapOf(CGdiObject* pBitmap) {
    return static_cast<HBITMAP>(pBitmap->GetSafeHandle());
}

// Takes a list just made for pImageList; destroys it when the object already holds one.
BOOL AttachNew(CImageList* pImageList, HIMAGELIST hImageList) {
    if (pImageList->Attach(hImageList))
        return TRUE;
    if (hImageList != nullptr)
        ::ImageList_Destroy(hImageList);
    return FALSE;
}

} // namespace

CHandleMap<CImageList, HIMAGELIST>* AfxMapHIMAGELIST() {
    return AfxThreadHandleMap<CImageList, HIMAGELIST, &ClearImageListHandle>();
}

CImageList* AfxNewImageList(HIMAGELIST hImageList) {
    if (hImageList == nullptr)
        return nullptr;
    auto pImageList = std::make_unique<CImageList>();
    if (!pImageList->Attach(hImageList))
        return nullptr;
    return pImageList.release(); // the caller owns it
}

CImageList::~CImageList() {
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
    if (hImageList == nullptr)
        return nullptr;
    CHandleMap<CImageList, HIMAGELIST>* map = AfxMapHIMAGELIST();
    if (CImageList* pImageList = map->LookupPermanent(hImageList))
        return pImageList;
    if (CImageList* pImageList = map->LookupTemporary(hImageList))
        return pImageList;
    auto wrapper = std::make_unique<CImageList>();
    wrapper->m_hImageList = hImageList;
    return map->AddTemporary(hImageList, std::move(wrapper));
}

CImageList* CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
    return hImageList == nullptr ? nullptr : AfxMapHIMAGELIST()->LookupPermanent(hImageList);
}

void CImageList::DeleteTempMap() {
    AfxMapHIMAGELIST()->DeleteTemporary();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    AfxInitCommonControls(ICC_WIN95_CLASSES);
    return AttachNew(this, ::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    AfxInitCommonControls(ICC_WIN95_CLASSES);
    return AttachNew(this, ::ImageList_LoadImageA(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask,
                                                  IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
                        int dy) {
    return AttachNew(
        this, ::ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList) {
    if (pImageList == nullptr || pImageList->m_hImageList == nullptr)
        return FALSE;
    return AttachNew(this, ::ImageList_Duplicate(pImageList->m_hImageList));
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    AfxMapHIMAGELIST()->SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        AfxMapHIMAGELIST()->RemovePermanent(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const {
    return ::ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount) {
    return ::ImageList_SetImageCount(m_hImageList, uNewCount);
}

int CImageList::Add(CGdiObject* pbmImage, CGdiObject* pbmMask) {
    if (pbmImage == nullptr)
        return -1;
    return ::ImageList_Add(m_hImageList, BitmapOf(pbmImage),
                           pbmMask != nullptr ? BitmapOf(pbmMask) : nullptr);
}

int CImageList::Add(CGdiObject* pbmImage, COLORREF crMask) {
    if (pbmImage == nullptr)
        return -1;
    return ::ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon) {
    return ::ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Replace(int nImage, CGdiObject* pbmImage, CGdiObject* pbmMask) {
    if (pbmImage == nullptr)
        return FALSE;
    return ::ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage),
                               pbmMask != nullptr ? BitmapOf(pbmMask) : nullptr);
}

int CImageList::Replace(int nImage, HICON hIcon) {
    return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage) {
    return ::ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
    return ::ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags) {
    if (pSrc == nullptr)
        return FALSE;
    return ::ImageList_Copy(m_hImageList, iDst, pSrc->m_hImageList, iSrc, uFlags);
}

HICON CImageList::ExtractIcon(int nImage) {
    return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
    return ::ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

COLORREF CImageList::SetBkColor(COLORREF cr) {
    return ::ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const {
    return ::ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (pDC == nullptr)
        return FALSE;
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) {
    if (pimldp == nullptr)
        return FALSE;
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ::ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot) {
    return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void PASCAL CImageList::EndDrag() {
    ::ImageList_EndDrag();
}

BOOL PASCAL CImageList::DragMove(CPoint pt) {
    return ::ImageList_DragMove(pt.x, pt.y);
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point) {
    return ::ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock) {
    return ::ImageList_DragLeave(pWndLock->GetSafeHwnd());
}

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow) {
    return ::ImageList_DragShowNolock(bShow);
}
