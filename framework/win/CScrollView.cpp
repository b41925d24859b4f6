#include "framework/win/CScrollView.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// Logical size of a mapping mode in device pixels of the screen (both positive).
CSize LogicalToDevice(int nMapMode, SIZE size) {
    if (nMapMode == MM_TEXT || nMapMode == 0)
        return CSize(size.cx, size.cy);
    HDC hDC = ::GetDC(nullptr);
    const int saved = ::SaveDC(hDC);
    ::SetMapMode(hDC, nMapMode);
    POINT pt = {size.cx, size.cy};
    ::LPtoDP(hDC, &pt, 1);
    POINT origin = {0, 0};
    ::LPtoDP(hDC, &origin, 1);
    ::RestoreDC(hDC, saved);
    ::ReleaseDC(nullptr, hDC);
    return CSize(std::abs(pt.x - origin.x), std::abs(pt.y - origin.y));
}

CPoint DeviceToLogical(int nMapMode, POINT pt) {
    if (nMapMode == MM_TEXT || nMapMode == 0)
        return CPoint(pt);
    HDC hDC = ::GetDC(nullptr);
    const int saved = ::SaveDC(hDC);
    ::SetMapMode(hDC, nMapMode);
    ::DPtoLP(hDC, &pt, 1);
    ::RestoreDC(hDC, saved);
    ::ReleaseDC(nullptr, hDC);
    return CPoint(pt);
}

CPoint LogicalPointToDevice(int nMapMode, POINT pt) {
    if (nMapMode == MM_TEXT || nMapMode == 0)
        return CPoint(pt);
    HDC hDC = ::GetDC(nullptr);
    const int saved = ::SaveDC(hDC);
    ::SetMapMode(hDC, nMapMode);
    ::LPtoDP(hDC, &pt, 1);
    ::RestoreDC(hDC, saved);
    ::ReleaseDC(nullptr, hDC);
    return CPoint(pt);
}

} // namespace

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = LogicalToDevice(nMapMode, sizeTotal);
    m_pageDev = LogicalToDevice(nMapMode, sizePage);
    m_lineDev = LogicalToDevice(nMapMode, sizeLine);
    // Unset page and line sizes are a tenth of the next larger size.
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = std::max(1L, static_cast<long>(m_pageDev.cx / 10));
    if (m_lineDev.cy == 0)
        m_lineDev.cy = std::max(1L, static_cast<long>(m_pageDev.cy / 10));
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
    return DeviceToLogical(m_nMapMode, GetDeviceScrollPosition());
}

void CScrollView::ScrollToPosition(POINT pt) {
    ScrollToDevicePosition(LogicalPointToDevice(m_nMapMode, pt));
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
    const int xOld = GetScrollPos(SB_HORZ);
    const int yOld = GetScrollPos(SB_VERT);
    const int xMax = std::max(0, GetScrollLimit(SB_HORZ));
    const int yMax = std::max(0, GetScrollLimit(SB_VERT));
    const int x = std::clamp(static_cast<int>(ptDev.x), 0, (GetStyle() & WS_HSCROLL) ? xMax : 0);
    const int y = std::clamp(static_cast<int>(ptDev.y), 0, (GetStyle() & WS_VSCROLL) ? yMax : 0);
    SetScrollPos(SB_HORZ, x);
    SetScrollPos(SB_VERT, y);
    ScrollWindow(xOld - x, yOld - y);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    // Through the DC object, so that a DC which applies the mapping its own way (print preview) sees it.
    if (m_nMapMode != 0 && pDC != nullptr && (pDC->m_hDC != nullptr || pDC->m_hAttribDC != nullptr)) {
        pDC->SetMapMode(m_nMapMode);
        // On the printer the page starts at the document's origin; on the screen the scroll position.
        if (pInfo == nullptr) {
            const CPoint pos = GetDeviceScrollPosition();
            pDC->SetViewportOrg(-pos.x, -pos.y);
        }
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || m_hWnd == nullptr || m_nMapMode == 0)
        return;
    m_bInsideUpdate = true;
    // The client area without bars decides whether a bar is needed; a needed bar narrows the other side.
    CRect client;
    GetClientRect(&client);
    CSize available(client.Width(), client.Height());
    const DWORD style = GetStyle();
    if (style & WS_VSCROLL)
        available.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        available.cy += ::GetSystemMetrics(SM_CYHSCROLL);
    bool needH = m_totalDev.cx > available.cx;
    bool needV = m_totalDev.cy > available.cy;
    if (needH && !needV)
        needV = m_totalDev.cy > available.cy - ::GetSystemMetrics(SM_CYHSCROLL);
    if (needV && !needH)
        needH = m_totalDev.cx > available.cx - ::GetSystemMetrics(SM_CXVSCROLL);
    const CSize page(available.cx - (needV ? ::GetSystemMetrics(SM_CXVSCROLL) : 0),
                     available.cy - (needH ? ::GetSystemMetrics(SM_CYHSCROLL) : 0));

    const CPoint pos = GetDeviceScrollPosition();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = needH ? static_cast<int>(m_totalDev.cx) - 1 : 0;
    info.nPage = needH ? static_cast<UINT>(std::max(1L, static_cast<long>(page.cx))) : 0;
    info.nPos =
        needH ? std::min(static_cast<int>(pos.x), std::max(0, static_cast<int>(m_totalDev.cx - page.cx))) : 0;
    ShowScrollBar(SB_HORZ, needH);
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = needV ? static_cast<int>(m_totalDev.cy) - 1 : 0;
    info.nPage = needV ? static_cast<UINT>(std::max(1L, static_cast<long>(page.cy))) : 0;
    info.nPos =
        needV ? std::min(static_cast<int>(pos.y), std::max(0, static_cast<int>(m_totalDev.cy - page.cy))) : 0;
    ShowScrollBar(SB_VERT, needV);
    SetScrollInfo(SB_VERT, &info, TRUE);
    // A position cut back by a larger window shows the contents moved.
    if (GetDeviceScrollPosition() != pos)
        Invalidate(TRUE);
    m_bInsideUpdate = false;
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
    if (!(GetStyle() & WS_VSCROLL))
        return FALSE;
    const int lines = -zDelta / WHEEL_DELTA * 3;
    return OnScrollBy(CSize(0, lines * m_lineDev.cy));
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
    // Low byte: horizontal code, high byte: vertical code; 0xFF: no scrolling in that direction.
    auto delta = [&](int bar, UINT code, LONG line, LONG pageSize) -> int {
        const int current = GetScrollPos(bar);
        switch (code) {
        case SB_TOP:
            return -current;
        case SB_BOTTOM:
            return GetScrollLimit(bar) - current;
        case SB_LINEUP:
            return -line;
        case SB_LINEDOWN:
            return line;
        case SB_PAGEUP:
            return -pageSize;
        case SB_PAGEDOWN:
            return pageSize;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 16-bit position of the message is too small for large views: ask the bar.
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            const_cast<CScrollView*>(this)->GetScrollInfo(bar, &info, SIF_TRACKPOS);
            return (info.nTrackPos != 0 ? info.nTrackPos : static_cast<int>(nPos)) - current;
        }
        default:
            return 0;
        }
    };
    const UINT hCode = LOBYTE(nScrollCode);
    const UINT vCode = HIBYTE(nScrollCode);
    CSize scroll(0, 0);
    if (hCode != 0xFF)
        scroll.cx = delta(SB_HORZ, hCode, m_lineDev.cx, m_pageDev.cx);
    if (vCode != 0xFF)
        scroll.cy = delta(SB_VERT, vCode, m_lineDev.cy, m_pageDev.cy);
    return OnScrollBy(scroll, bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    const DWORD style = GetStyle();
    if (!(style & WS_HSCROLL))
        sizeScroll.cx = 0;
    if (!(style & WS_VSCROLL))
        sizeScroll.cy = 0;
    const CPoint old = GetDeviceScrollPosition();
    const int x =
        std::clamp(static_cast<int>(old.x + sizeScroll.cx), 0, std::max(0, GetScrollLimit(SB_HORZ)));
    const int y =
        std::clamp(static_cast<int>(old.y + sizeScroll.cy), 0, std::max(0, GetScrollLimit(SB_VERT)));
    if (x == old.x && y == old.y)
        return FALSE;
    if (bDoScroll) {
        SetScrollPos(SB_HORZ, x);
        SetScrollPos(SB_VERT, y);
        ScrollWindow(old.x - x, old.y - y);
        UpdateWindow();
    }
    return TRUE;
}
