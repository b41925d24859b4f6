#include "grid/controls/CGEArrowButton.h"

#include "grid/core/CGEControl.h"

#include <windows.h>

CGEArrowButton::CGEArrowButton(CGEControl* pOwner) : CGEButton(pOwner) {}

DWORD CGEArrowButton::CurrentTicks() const {
    return ::GetTickCount();
}

BOOL CGEArrowButton::LButtonDown(UINT nFlags, CPoint point) {
    CGEButton::LButtonDown(nFlags, point);
    m_nLastRepeat = CurrentTicks();
    m_nRepeatInterval = 500;
    m_pOwner->OnChildButtonClicked(this);
    return TRUE;
}

BOOL CGEArrowButton::OnMouseMove(UINT nFlags, CPoint point) {
    CGEButton::OnMouseMove(nFlags, point);
    const DWORD nNow = CurrentTicks();
    if (m_bPressed && m_rect.PtInRect(point) && nNow - m_nLastRepeat >= m_nRepeatInterval) {
        m_nRepeatInterval = NextInterval(m_nRepeatInterval);
        m_nLastRepeat = nNow;
        m_pOwner->OnChildButtonClicked(this);
    }
    return TRUE;
}

BOOL CGEArrowButton::LButtonUp(UINT, CPoint) {
    m_bTracking = FALSE;
    SetPressed(FALSE);
    return TRUE;
}
