#include "grid/controls/datetime/CGEBDTSpinGadget.h"

#include "framework/win/CBrush.h"
#include "framework/win/CPen.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGEBDTSpinGadget, CGEBDTGadget)

BOOL CGEBDTSpinGadget::Initialise(CGEBDateTimeCtrl* pOwner, int nId) {
    CGEBDTGadget::Initialise(pOwner, nId);
    m_dwStyle = GEB_DTG_MOUSE;
    return TRUE;
}

void CGEBDTSpinGadget::CalcSize(CDC*) {
    m_rect = RECT{0, 0, 16, -1};
}

int CGEBDTSpinGadget::StepOfRepeat(int nRepeat) {
    return nRepeat <= 20 ? 1 : nRepeat <= 50 ? 2 : 5;
}

void CGEBDTSpinGadget::DrawArrowButton(CDC* pDC, const RECT& rect, BOOL bUp, BOOL bPressed) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0)
        return;
    if (bPressed) {
        pDC->Draw3dRect(rect.left, rect.top, cx, cy, pInfo->m_clrBtnShadow, pInfo->m_clrBtnHilite);
        pDC->Draw3dRect(rect.left + 1, rect.top + 1, cx - 2, cy - 2, pInfo->m_clrWindowFrame,
                        pInfo->m_clrBtnFace);
    } else {
        pDC->Draw3dRect(rect.left, rect.top, cx, cy, pInfo->m_clrBtnFace, pInfo->m_clrWindowFrame);
        pDC->Draw3dRect(rect.left + 1, rect.top + 1, cx - 2, cy - 2, pInfo->m_clrBtnHilite,
                        pInfo->m_clrBtnShadow);
    }
    const RECT inner{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
    const int nHeight = inner.bottom - inner.top;
    const int nSize = std::min(nHeight / 4 + 1, 4);
    const int nShift = bPressed ? 1 : 0;
    const int xMid = (inner.left + inner.right) / 2 + nShift;
    if (nSize < 2) {
        pDC->SetPixel(xMid, (inner.top + inner.bottom) / 2 + nShift, RGB(0, 0, 0));
        return;
    }
    POINT points[3];
    if (bUp) {
        const int yApex = inner.top + (nHeight - nSize) / 2 + nShift;
        points[0] = {xMid, yApex};
        points[1] = {xMid - (nSize - 1), yApex + nSize - 1};
        points[2] = {xMid + (nSize - 1), yApex + nSize - 1};
    } else {
        const int yApex = inner.bottom - (nHeight - nSize) / 2 - 1 + nShift;
        points[0] = {xMid, yApex};
        points[1] = {xMid - (nSize - 1), yApex - (nSize - 1)};
        points[2] = {xMid + (nSize - 1), yApex - (nSize - 1)};
    }
    const int nOldFill = pDC->SetPolyFillMode(WINDING);
    pDC->Polygon(points, 3);
    pDC->SetPolyFillMode(nOldFill);
}

void CGEBDTSpinGadget::Draw(CDC* pDC) {
    const int nHeight = m_rect.bottom - m_rect.top;
    pDC->FillSolidRect(&m_rect, GEGetSysDrawInfo()->m_clrBtnFace);
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CGdiObject* pOldBrush = pDC->SelectStockObject(BLACK_BRUSH);
    const RECT upper{m_rect.left, m_rect.top, m_rect.right, m_rect.top + nHeight / 2};
    const RECT lower{m_rect.left, m_rect.bottom - nHeight / 2, m_rect.right, m_rect.bottom};
    DrawArrowButton(pDC, upper, TRUE, (m_dwState & GEB_SPIN_UP_PRESSED) != 0);
    DrawArrowButton(pDC, lower, FALSE, (m_dwState & GEB_SPIN_DOWN_PRESSED) != 0);
    if (pOldPen != nullptr)
        pDC->SelectObject(pOldPen);
    if (pOldBrush != nullptr)
        pDC->SelectObject(pOldBrush);
}

int CGEBDTSpinGadget::HitPart(int x, int y) const {
    if (x < m_rect.left || x >= m_rect.right || y < m_rect.top || y >= m_rect.bottom)
        return -1;
    return y > m_rect.top + (m_rect.bottom - m_rect.top) / 2 ? 1 : 0;
}

void CGEBDTSpinGadget::OnLButtonDown(UINT, int x, int y) {
    const int nPart = HitPart(x, y);
    if (nPart < 0)
        return;
    if (nPart == 1) {
        m_dwState = GEB_SPIN_TRACK_DOWN | GEB_SPIN_DOWN_PRESSED;
        Notify(GEB_DTN_DECREMENT_BY, m_nId, 1);
    } else {
        m_dwState = GEB_SPIN_TRACK_UP | GEB_SPIN_UP_PRESSED;
        Notify(GEB_DTN_INCREMENT_BY, m_nId, 1);
    }
    Invalidate(FALSE);
    CaptureMouse(TRUE);
    StartTimer(kInitialDelay);
    m_dwState |= GEB_SPIN_TIMER | GEB_SPIN_INITIAL_DELAY;
    m_nRepeat = 0;
}

void CGEBDTSpinGadget::OnMouseMove(UINT, int x, int y) {
    if ((m_dwState & (GEB_SPIN_TRACK_UP | GEB_SPIN_TRACK_DOWN)) == 0)
        return;
    const bool bUp = (m_dwState & GEB_SPIN_TRACK_UP) != 0;
    const DWORD dwPressedBit = bUp ? GEB_SPIN_UP_PRESSED : GEB_SPIN_DOWN_PRESSED;
    const bool bOver = HitPart(x, y) == (bUp ? 0 : 1);
    const bool bPressed = (m_dwState & dwPressedBit) != 0;
    if (bOver != bPressed) {
        m_dwState ^= dwPressedBit;
        Invalidate(FALSE);
    }
    if (!bOver && (m_dwState & GEB_SPIN_TIMER) != 0) {
        StopTimer();
        m_dwState &= ~(GEB_SPIN_TIMER | GEB_SPIN_INITIAL_DELAY);
    } else if (bOver && (m_dwState & GEB_SPIN_TIMER) == 0) {
        StartTimer(kRepeatDelay);
        m_dwState |= GEB_SPIN_TIMER;
        m_dwState &= ~GEB_SPIN_INITIAL_DELAY;
        m_nRepeat = 0;
    }
}

void CGEBDTSpinGadget::OnTimer() {
    if ((m_dwState & GEB_SPIN_INITIAL_DELAY) != 0) {
        m_dwState &= ~GEB_SPIN_INITIAL_DELAY;
        StartTimer(kRepeatDelay);
    }
    ++m_nRepeat;
    const int nStep = StepOfRepeat(m_nRepeat);
    if ((m_dwState & GEB_SPIN_UP_PRESSED) != 0)
        Notify(GEB_DTN_INCREMENT_BY, m_nId, nStep);
    else
        Notify(GEB_DTN_DECREMENT_BY, m_nId, nStep);
}

void CGEBDTSpinGadget::EndTracking() {
    if ((m_dwState & (GEB_SPIN_TRACK_UP | GEB_SPIN_TRACK_DOWN)) == 0)
        return;
    CaptureMouse(FALSE);
    if ((m_dwState & (GEB_SPIN_UP_PRESSED | GEB_SPIN_DOWN_PRESSED)) != 0)
        Invalidate(FALSE);
    StopTimer();
    m_dwState = 0;
}

void CGEBDTSpinGadget::OnLButtonUp(UINT, int, int) {
    EndTracking();
}

void CGEBDTSpinGadget::OnCancelMode() {
    EndTracking();
}
