#include "grid/controls/datetime/CGEBDTButtonGadget.h"

#include "grid/core/CGESysDrawInfo.h"

IMPLEMENT_DYNAMIC(CGEBDTButtonGadget, CGEBDTGadget)

BOOL CGEBDTButtonGadget::Initialise(CGEBDateTimeCtrl* pOwner, UINT nBitmapId, int nId) {
    CGEBDTGadget::Initialise(pOwner, nId);
    m_dwStyle = GEB_DTG_MOUSE;
    m_nBitmapId = nBitmapId;
    m_bitmap.DeleteObject();
    return LoadBitmapWithSysColors(m_bitmap, nBitmapId);
}

void CGEBDTButtonGadget::CalcSize(CDC*) {
    m_rect = RECT{0, 0, 16, -1};
}

void CGEBDTButtonGadget::DrawButton(CDC* pDC, const RECT& rect, CBitmap& bitmap, BOOL bPressed) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0)
        return;
    if (bPressed) {
        pDC->Draw3dRect(rect.left, rect.top, cx, cy, pInfo->m_clrBtnShadow, pInfo->m_clrBtnShadow);
        pDC->Draw3dRect(rect.left + 1, rect.top + 1, cx - 2, cy - 2, pInfo->m_clrBtnFace,
                        pInfo->m_clrBtnFace);
    } else {
        pDC->Draw3dRect(rect.left, rect.top, cx, cy, pInfo->m_clrBtnFace, pInfo->m_clrWindowFrame);
        pDC->Draw3dRect(rect.left + 1, rect.top + 1, cx - 2, cy - 2, pInfo->m_clrBtnHilite,
                        pInfo->m_clrBtnShadow);
    }
    pDC->FillSolidRect(rect.left + 2, rect.top + 2, cx - 4, cy - 4, pInfo->m_clrBtnFace);
    if (bitmap.GetSafeHandle() == nullptr)
        return;
    BITMAP info{};
    bitmap.GetBitmap(&info);
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memory.SelectObject(&bitmap);
    const int nShift = bPressed ? 1 : 0;
    const int x = rect.left + (cx - info.bmWidth) / 2 + nShift;
    const int y = rect.top + (cy - info.bmHeight) / 2 + nShift;
    pDC->BitBlt(x, y, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
}

void CGEBDTButtonGadget::Draw(CDC* pDC) {
    DrawButton(pDC, m_rect, m_bitmap, (m_dwState & GEB_BUTTON_PRESSED) != 0);
}

BOOL CGEBDTButtonGadget::Contains(int x, int y) const {
    return x >= m_rect.left && x < m_rect.right && y >= m_rect.top && y < m_rect.bottom;
}

void CGEBDTButtonGadget::OnLButtonDown(UINT, int, int) {
    m_dwState = GEB_BUTTON_TRACKING | GEB_BUTTON_PRESSED;
    Invalidate(FALSE);
    CaptureMouse(TRUE);
}

void CGEBDTButtonGadget::OnMouseMove(UINT, int x, int y) {
    if ((m_dwState & GEB_BUTTON_TRACKING) == 0)
        return;
    const DWORD dwWanted = Contains(x, y) ? GEB_BUTTON_PRESSED : 0;
    if ((m_dwState & GEB_BUTTON_PRESSED) != dwWanted) {
        m_dwState ^= GEB_BUTTON_PRESSED;
        Invalidate(FALSE);
    }
}

void CGEBDTButtonGadget::OnLButtonUp(UINT, int x, int y) {
    if ((m_dwState & GEB_BUTTON_TRACKING) == 0)
        return;
    CaptureMouse(FALSE);
    m_dwState = 0;
    Invalidate(FALSE);
    if (Contains(x, y))
        Notify(GEB_DTN_BUTTON, m_nId, 0);
}

void CGEBDTButtonGadget::OnCancelMode() {
    if ((m_dwState & GEB_BUTTON_TRACKING) == 0)
        return;
    CaptureMouse(FALSE);
    m_dwState = 0;
    Invalidate(FALSE);
}

void CGEBDTButtonGadget::OnSysColorChange() {
    m_bitmap.DeleteObject();
    LoadBitmapWithSysColors(m_bitmap, m_nBitmapId);
}
