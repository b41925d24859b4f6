#include "framework/win/CDC.h"

#include "framework/win/CBitmap.h"
#include "framework/win/CBrush.h"
#include "framework/win/CFont.h"
#include "framework/win/CGdiObject.h"
#include "framework/win/CPalette.h"
#include "framework/win/CPen.h"
#include "framework/win/CRgn.h"
#include "framework/win/CWnd.h"

#include <cstdlib>
#include <vector>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {
void ClearDcHandle(CDC* dc) {
    dc->m_hDC = nullptr;
    dc->m_hAttribDC = nullptr;
}

// Applies a setter to the output DC (when it is a separate DC) and to the attribute DC. The result is
// the attribute DC's (the output DC's when there is no attribute DC).
template <class F> auto ForBoth(const CDC& dc, F apply) -> decltype(apply(HDC{})) {
    decltype(apply(HDC{})) result{};
    if (dc.m_hDC != nullptr && dc.m_hDC != dc.m_hAttribDC)
        result = apply(dc.m_hDC);
    if (dc.m_hAttribDC != nullptr)
        result = apply(dc.m_hAttribDC);
    return result;
}

HGDIOBJ HandleOf(const CGdiObject* pObject) {
    return pObject->GetSafeHandle();
}

HBRUSH BrushOf(const CBrush* pBrush) {
    return static_cast<HBRUSH>(pBrush->GetSafeHandle());
}

HRGN RegionOf(const CRgn* pRgn) {
    return static_cast<HRGN>(pRgn->GetSafeHandle());
}

int LengthOf(LPCSTR lpsz, int nCount) {
    return nCount >= 0 || lpsz == nullptr ? nCount : ::lstrlenA(lpsz);
}
} // namespace

CHandleMap<CDC, HDC>* AfxMapHDC() {
    return AfxThreadHandleMap<CDC, HDC, &ClearDcHandle>();
}

// ---------------------------------------------------------------------------------------------------
// Handles

CDC::~CDC() {
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) {
    if (hDC == nullptr)
        return nullptr;
    CHandleMap<CDC, HDC>* map = AfxMapHDC();
    if (CDC* dc = map->LookupPermanent(hDC))
        return dc;
    if (CDC* dc = map->LookupTemporary(hDC))
        return dc;
    auto wrapper = std::make_unique<CDC>();
    wrapper->m_hDC = hDC;
    wrapper->m_hAttribDC = hDC;
    return map->AddTemporary(hDC, std::move(wrapper));
}

void CDC::DeleteTempMap() {
    AfxMapHDC()->DeleteTemporary();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    SetAttribDC(hDC);
    AfxMapHDC()->SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        AfxMapHDC()->RemovePermanent(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::AttachNew(HDC hDC) {
    if (hDC == nullptr)
        return FALSE;
    if (Attach(hDC))
        return TRUE;
    ::DeleteDC(hDC);
    return FALSE;
}

// ---------------------------------------------------------------------------------------------------
// Creation

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return AttachNew(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData) {
    return AttachNew(
        ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData) {
    return AttachNew(
        ::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

CWnd* CDC::GetWindow() const {
    return m_hDC != nullptr ? CWnd::FromHandle(::WindowFromDC(m_hDC)) : nullptr;
}

int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

// ---------------------------------------------------------------------------------------------------
// State

int CDC::SaveDC() {
    int saved = 0;
    if (m_hDC != nullptr && m_hDC != m_hAttribDC)
        saved = ::SaveDC(m_hDC);
    if (m_hAttribDC != nullptr)
        saved = ::SaveDC(m_hAttribDC);
    return saved;
}

BOOL CDC::RestoreDC(int nSavedDC) {
    return ForBoth(*this, [&](HDC h) { return ::RestoreDC(h, nSavedDC); });
}

// ---------------------------------------------------------------------------------------------------
// Selected objects

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject) {
    if (hObject == nullptr)
        return nullptr;
    return ForBoth(*this, [&](HDC h) { return ::SelectObject(h, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(SelectHandle(HandleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(HandleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(SelectHandle(HandleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(HandleOf(pBitmap))));
}

int CDC::SelectObject(CRgn* pRgn) {
    HGDIOBJ hRgn = HandleOf(pRgn);
    if (hRgn == nullptr)
        return ERROR;
    // Selecting a region answers its type rather than a handle.
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectHandle(hRgn)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(SelectHandle(HandleOf(pObject)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    return SelectHandle(hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(SelectHandle(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const {
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const {
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hAttribDC, OBJ_PAL)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hPalette = static_cast<HPALETTE>(HandleOf(pPalette));
    if (hPalette == nullptr)
        return nullptr;
    return CPalette::FromHandle(
        ForBoth(*this, [&](HDC h) { return ::SelectPalette(h, hPalette, bForceBackground); }));
}

UINT CDC::RealizePalette() {
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const {
    return ::GetNearestColor(m_hAttribDC, crColor);
}

// ---------------------------------------------------------------------------------------------------
// Colours and modes

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ForBoth(*this, [&](HDC h) { return ::SetTextColor(h, crColor); });
}

COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ForBoth(*this, [&](HDC h) { return ::SetBkColor(h, crColor); });
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode) {
    return ForBoth(*this, [&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::GetBkMode() const {
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode) {
    return ForBoth(*this, [&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::GetROP2() const {
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode) {
    return ForBoth(*this, [&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

int CDC::GetStretchBltMode() const {
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode) {
    return ForBoth(*this, [&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::GetPolyFillMode() const {
    return ::GetPolyFillMode(m_hAttribDC);
}

CPoint CDC::SetBrushOrg(int x, int y) {
    POINT previous{};
    ::SetBrushOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::SetBrushOrg(POINT point) {
    return SetBrushOrg(point.x, point.y);
}

CPoint CDC::GetBrushOrg() const {
    POINT point{};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

// ---------------------------------------------------------------------------------------------------
// Mapping

int CDC::SetMapMode(int nMapMode) {
    return ForBoth(*this, [&](HDC h) { return ::SetMapMode(h, nMapMode); });
}

int CDC::GetMapMode() const {
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return ForBoth(*this, [&](HDC h) {
        POINT previous{};
        ::SetViewportOrgEx(h, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::SetViewportOrg(POINT point) {
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    return ForBoth(*this, [&](HDC h) {
        POINT previous{};
        ::OffsetViewportOrgEx(h, nWidth, nHeight, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::GetViewportOrg() const {
    POINT point{};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    return ForBoth(*this, [&](HDC h) {
        SIZE previous{};
        ::SetViewportExtEx(h, cx, cy, &previous);
        return CSize(previous);
    });
}

CSize CDC::SetViewportExt(SIZE size) {
    return SetViewportExt(size.cx, size.cy);
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    return ForBoth(*this, [&](HDC h) {
        SIZE previous{};
        ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &previous);
        return CSize(previous);
    });
}

CSize CDC::GetViewportExt() const {
    SIZE size{};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return ForBoth(*this, [&](HDC h) {
        POINT previous{};
        ::SetWindowOrgEx(h, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::SetWindowOrg(POINT point) {
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    return ForBoth(*this, [&](HDC h) {
        POINT previous{};
        ::OffsetWindowOrgEx(h, nWidth, nHeight, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::GetWindowOrg() const {
    POINT point{};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    return ForBoth(*this, [&](HDC h) {
        SIZE previous{};
        ::SetWindowExtEx(h, cx, cy, &previous);
        return CSize(previous);
    });
}

CSize CDC::SetWindowExt(SIZE size) {
    return SetWindowExt(size.cx, size.cy);
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    return ForBoth(*this, [&](HDC h) {
        SIZE previous{};
        ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &previous);
        return CSize(previous);
    });
}

CSize CDC::GetWindowExt() const {
    SIZE size{};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const {
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const {
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    if (viewport.cx == 0 || viewport.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(window.cx), std::abs(viewport.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(window.cy), std::abs(viewport.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const {
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const {
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    if (window.cx == 0 || window.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(viewport.cx), std::abs(window.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(viewport.cy), std::abs(window.cy));
}

// ---------------------------------------------------------------------------------------------------
// Clipping

int CDC::GetClipBox(LPRECT lpRect) const {
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const {
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const {
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const {
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn) {
    return ForBoth(*this, [&](HDC h) { return ::SelectClipRgn(h, RegionOf(pRgn)); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
    return ForBoth(*this, [&](HDC h) { return ::ExtSelectClipRgn(h, RegionOf(pRgn), nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ForBoth(*this, [&](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ForBoth(*this, [&](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y) {
    return ForBoth(*this, [&](HDC h) { return ::OffsetClipRgn(h, x, y); });
}

int CDC::OffsetClipRgn(SIZE size) {
    return OffsetClipRgn(size.cx, size.cy);
}

// ---------------------------------------------------------------------------------------------------
// Lines and shapes

CPoint CDC::MoveTo(int x, int y) {
    return ForBoth(*this, [&](HDC h) {
        POINT previous{};
        ::MoveToEx(h, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::MoveTo(POINT point) {
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y) {
    // The attribute DC's current position follows the line's end.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point) {
    return LineTo(point.x, point.y);
}

CPoint CDC::GetCurrentPosition() const {
    POINT point{};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount) {
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect) {
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point) {
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect) {
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd) {
    return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
               ptEnd.y);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd) {
    return Pie(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
               ptEnd.y);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd) {
    return Chord(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
                 ptEnd.y);
}

// ---------------------------------------------------------------------------------------------------
// Rectangles and regions

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FrameRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::InvertRect(LPCRECT lpRect) {
    ::InvertRect(m_hDC, lpRect);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    // An opaque empty text output fills its rectangle with the background colour: no brush is made.
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    const RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);          // top, up to the last column
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);          // left, up to the last row
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight); // right, full height
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight); // bottom, full width
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
    return ::FillRgn(m_hDC, RegionOf(pRgn), BrushOf(pBrush));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
    return ::FrameRgn(m_hDC, RegionOf(pRgn), BrushOf(pBrush), nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn) {
    return ::InvertRgn(m_hDC, RegionOf(pRgn));
}

BOOL CDC::PaintRgn(CRgn* pRgn) {
    return ::PaintRgn(m_hDC, RegionOf(pRgn));
}

// ---------------------------------------------------------------------------------------------------
// Pixels and bitmaps

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor) {
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) {
    return ::SetPixelV(m_hDC, x, y, crColor);
}

COLORREF CDC::GetPixel(int x, int y) const {
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const {
    return GetPixel(point.x, point.y);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor) {
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType) {
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

BOOL CDC::MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, CBitmap& maskBitmap,
                  int xMask, int yMask, DWORD dwRop) {
    return ::MaskBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                     static_cast<HBITMAP>(maskBitmap.GetSafeHandle()), xMask, yMask, dwRop);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon) {
    return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx,
                        size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, static_cast<HBITMAP>(HandleOf(pBitmap)), nFlags, BrushOf(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx,
                        size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
    return DrawState(pt, size, hIcon, nFlags, BrushOf(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush) {
    const UINT type = bPrefixText ? DST_PREFIXTEXT : DST_TEXT;
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText),
                        static_cast<WPARAM>(nTextLen), pt.x, pt.y, size.cx, size.cy, nFlags | type);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush) {
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, BrushOf(pBrush));
}

// ---------------------------------------------------------------------------------------------------
// Text

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    return ::TextOutA(m_hDC, x, y, lpszString, LengthOf(lpszString, nCount));
}

BOOL CDC::TextOut(int x, int y, const CString& str) {
    return TextOut(x, y, str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths) {
    return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin) {
    const LONG extent = ::TabbedTextOutA(m_hDC, x, y, lpszString, LengthOf(lpszString, nCount), nTabPositions,
                                         lpnTabStopPositions, nTabOrigin);
    return CSize(LOWORD(extent), HIWORD(extent));
}

CSize CDC::TabbedTextOut(int x, int y, const CString& str, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin) {
    return TabbedTextOut(x, y, str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    // DrawText writes into the text only with DT_MODIFYSTRING, which the caller asks for on a buffer.
    return ::DrawTextA(m_hDC, const_cast<LPSTR>(lpszString), nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    if ((nFormat & DT_MODIFYSTRING) == 0)
        return DrawText(static_cast<LPCSTR>(str), str.GetLength(), lpRect, nFormat);
    // Room for the ellipsis DrawText may write; the caller's string stays as it is.
    std::vector<char> copy(static_cast<size_t>(str.GetLength()) + 5, '\0');
    ::lstrcpynA(copy.data(), str, static_cast<int>(copy.size()));
    return ::DrawTextA(m_hDC, copy.data(), str.GetLength(), lpRect, nFormat);
}

int CDC::DrawTextEx(LPSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams) {
    return ::DrawTextExA(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
}

int CDC::DrawTextEx(const CString& str, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams) {
    std::vector<char> copy(static_cast<size_t>(str.GetLength()) + 5, '\0');
    ::lstrcpynA(copy.data(), str, static_cast<int>(copy.size()));
    return DrawTextEx(copy.data(), str.GetLength(), lpRect, nFormat, lpDTParams);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, LengthOf(lpszString, nCount), &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const {
    return GetTextExtent(str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32A(m_hDC, lpszString, LengthOf(lpszString, nCount), &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const {
    return GetOutputTextExtent(str, str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const {
    const DWORD extent = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, LengthOf(lpszString, nCount),
                                                nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(extent), HIWORD(extent));
}

CSize CDC::GetTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const {
    return GetTabbedTextExtent(str, str.GetLength(), nTabPositions, lpnTabStopPositions);
}

CSize CDC::GetOutputTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions,
                                     LPINT lpnTabStopPositions) const {
    const DWORD extent = ::GetTabbedTextExtentA(m_hDC, lpszString, LengthOf(lpszString, nCount),
                                                nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(extent), HIWORD(extent));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const {
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const {
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const {
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const {
    char face[LF_FACESIZE] = {};
    const int copied = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, face);
    rString = face;
    return copied;
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const {
    return ::GetCharWidth32A(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const {
    return ::GetCharWidth32A(m_hDC, nFirstChar, nLastChar, lpBuffer);
}

UINT CDC::SetTextAlign(UINT nFlags) {
    return ForBoth(*this, [&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

UINT CDC::GetTextAlign() const {
    return ::GetTextAlign(m_hAttribDC);
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount) {
    return ForBoth(
        *this, [&](HDC h) { return static_cast<int>(::SetTextJustification(h, nBreakExtra, nBreakCount)); });
}

int CDC::SetTextCharacterExtra(int nCharExtra) {
    return ForBoth(*this, [&](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

int CDC::GetTextCharacterExtra() const {
    return ::GetTextCharacterExtra(m_hAttribDC);
}

// ---------------------------------------------------------------------------------------------------
// Printing

int CDC::StartDoc(LPDOCINFOA lpDocInfo) {
    return ::StartDocA(m_hDC, lpDocInfo);
}

int CDC::StartDoc(LPCSTR lpszDocName) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = lpszDocName;
    return StartDoc(&info);
}

int CDC::StartPage() {
    return ::StartPage(m_hDC);
}

int CDC::EndPage() {
    return ::EndPage(m_hDC);
}

int CDC::EndDoc() {
    return ::EndDoc(m_hDC);
}

int CDC::AbortDoc() {
    return ::AbortDoc(m_hDC);
}

int CDC::SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int)) {
    return ::SetAbortProc(m_hDC, lpfn);
}

int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) {
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}

int CDC::Escape(int nEscape, int nInputSize, LPCSTR lpszInputData, int nOutputSize, LPSTR lpszOutputData) {
    return ::ExtEscape(m_hDC, nEscape, nInputSize, lpszInputData, nOutputSize, lpszOutputData);
}
