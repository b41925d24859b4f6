#include "grid/controls/CGEButton.h"

#include "framework/win/CBitmap.h"
#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>

CGEButton::CGEButton(CGEControl* pOwner) : CGEChild(pOwner) {}

void CGEButton::SetPressed(BOOL bPressed) {
    m_bPressed = bPressed;
    if (m_bRedrawOnChange)
        Refresh();
}

BOOL CGEButton::LButtonDown(UINT, CPoint) {
    m_bTracking = TRUE;
    SetPressed(TRUE);
    CWnd* pWnd = m_pOwner->GetGridWindow();
    if (m_pOwner->IsActive() && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->UpdateWindow();
    return TRUE;
}

BOOL CGEButton::OnMouseMove(UINT, CPoint point) {
    const BOOL bHit = HitTest(point);
    if (m_bTracking && bHit != m_bPressed)
        SetPressed(bHit);
    return TRUE;
}

BOOL CGEButton::LButtonUp(UINT, CPoint point) {
    const BOOL bClicked = m_bPressed && m_rect.PtInRect(point);
    m_bTracking = FALSE;
    if (bClicked)
        m_pOwner->OnChildButtonClicked(this);
    SetPressed(FALSE);
    return TRUE;
}

BOOL CGEButton::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != VK_SPACE)
        return FALSE;
    SetPressed(TRUE);
    return TRUE;
}

BOOL CGEButton::OnGridKeyUp(UINT nChar, UINT, UINT) {
    if (nChar != VK_SPACE || !m_bPressed)
        return FALSE;
    m_pOwner->OnChildButtonClicked(this);
    SetPressed(FALSE);
    return TRUE;
}

void CGEButton::OnGridCancelMode() {
    if (!m_bPressed && !m_bTracking)
        return;
    m_bTracking = FALSE;
    SetPressed(FALSE);
}

void CGEButton::DrawFace(CDC* pDC, const CRect& rect, BOOL bPushed) {
    pDC->FillSolidRect(&rect, GEGetSysDrawInfo()->GetSysColor(COLOR_BTNFACE));
    CRect edge = rect;
    pDC->DrawEdge(&edge, bPushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void CGEButton::DrawDropArrow(CDC* pDC, const CRect& rect, BOOL bPushed) {
    CBitmap& bitmap = GEGetSysDrawInfo()->m_bmpDropArrow;
    BITMAP info{};
    if (bitmap.GetSafeHandle() == nullptr || bitmap.GetBitmap(&info) == 0)
        return;
    CRect face = rect;
    face.DeflateRect(0, 2);
    if (face.Width() <= 1 || face.Height() <= 1)
        return;
    const int x = face.left + std::max<int>(0, (face.Width() - info.bmWidth) / 2) + (bPushed ? 1 : 0);
    const int y = face.top + std::max<int>(0, (face.Height() - info.bmHeight) / 2) + (bPushed ? 1 : 0);
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memory.SelectObject(&bitmap);
    pDC->BitBlt(x, y, std::min<int>(info.bmWidth, face.Width() - 1),
                std::min<int>(info.bmHeight, face.Height() - 1), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
}

void CGEButton::FillGlyph(CDC* pDC, int x, int y, int cx, int cy) const {
    CRect glyph(m_rect.left + x, m_rect.top + y, m_rect.left + x + cx, m_rect.top + y + cy);
    glyph.IntersectRect(&glyph, &m_rect);
    if (!glyph.IsRectEmpty())
        pDC->FillSolidRect(&glyph, RGB(0, 0, 0));
}

void CGEButton::Draw(CDC* pDC, BOOL bFocus) {
    const BOOL bFocused = bFocus && HasFocus();
    const BOOL bPushed = bFocused && m_bPressed;
    DrawFace(pDC, m_rect, bPushed);
    CRect rectText(m_rect.left + 1, m_rect.top + 1, m_rect.right - 2, m_rect.bottom - 2);
    if (bPushed)
        rectText.OffsetRect(1, 1);
    CGEDrawingAndFormatting::GetInstance()->DrawButtonText(pDC, rectText, m_strText, bFocused,
                                                           DT_CENTER | DT_VCENTER | DT_WORDBREAK);
}
