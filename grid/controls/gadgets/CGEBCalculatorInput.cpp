// The calculator's mouse and keyboard: presses tracked with the capture, characters and keys mapped to
// the buttons that carry them.
#include "grid/controls/gadgets/CGEBCalculator.h"

#include <windowsx.h>

LRESULT CGEBCalculator::OnGetDlgCodeMsg(WPARAM, LPARAM) {
    return DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

LRESULT CGEBCalculator::OnLButtonDownMsg(WPARAM, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point) && ::GetFocus() != GetSafeHwnd())
        ::SetFocus(GetSafeHwnd());
    const int nIndex = ButtonFromPoint(point);
    if (nIndex < 0)
        return Default();
    m_dwFlags |= flagTracking;
    m_nTracked = nIndex;
    ::SetCapture(GetSafeHwnd());
    SetButtonPressed(nIndex, TRUE);
    ::UpdateWindow(GetSafeHwnd());
    return 0;
}

LRESULT CGEBCalculator::OnMouseMoveMsg(WPARAM, LPARAM lParam) {
    if ((m_dwFlags & flagTracking) == 0)
        return Default();
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    SetButtonPressed(m_nTracked, ButtonFromPoint(point) == m_nTracked);
    ::UpdateWindow(GetSafeHwnd());
    return 0;
}

LRESULT CGEBCalculator::OnLButtonUpMsg(WPARAM, LPARAM lParam) {
    if ((m_dwFlags & flagTracking) == 0)
        return Default();
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    m_dwFlags &= ~flagTracking;
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
    SetButtonPressed(m_nTracked, FALSE);
    ::UpdateWindow(GetSafeHwnd());
    if (ButtonFromPoint(point) == m_nTracked)
        HandleEvent(m_buttons[static_cast<size_t>(m_nTracked)]->GetCommand());
    return 0;
}

LRESULT CGEBCalculator::OnCancelModeMsg(WPARAM, LPARAM) {
    if ((m_dwFlags & flagTracking) != 0) {
        m_dwFlags &= ~flagTracking;
        if (::GetCapture() == GetSafeHwnd())
            ::ReleaseCapture();
        SetButtonPressed(m_nTracked, FALSE);
    }
    return Default();
}

LRESULT CGEBCalculator::OnCharMsg(WPARAM wParam, LPARAM) {
    const BYTE cChar = static_cast<BYTE>(wParam);
    char szChar[3] = {0, 0, 0};
    if ((m_dwFlags & flagLeadByte) != 0) {
        m_dwFlags &= ~flagLeadByte;
        szChar[0] = static_cast<char>(m_cLeadByte);
        szChar[1] = static_cast<char>(cChar);
    } else if (::IsDBCSLeadByte(cChar)) {
        m_cLeadByte = cChar;
        m_dwFlags |= flagLeadByte;
        return 0;
    } else {
        szChar[0] = static_cast<char>(cChar);
    }
    ::CharLowerA(szChar);
    const int nIndex = FindButtonByChar(szChar);
    if (nIndex < 0)
        return Default();
    PressButton(nIndex);
    return 0;
}

LRESULT CGEBCalculator::OnKeyDownMsg(WPARAM wParam, LPARAM) {
    const UINT nKey = static_cast<UINT>(wParam);
    if (nKey == VK_TAB && !m_bPopup) {
        const BOOL bPrevious = ::GetKeyState(VK_SHIFT) < 0;
        if (const HWND hParent = ::GetParent(GetSafeHwnd()); hParent != nullptr)
            ::PostMessageA(hParent, WM_NEXTDLGCTL, bPrevious, 0);
        return 0;
    }
    const int nIndex = FindButtonByVirtKey(nKey);
    if (nIndex < 0)
        return Default();
    PressButton(nIndex);
    return 0;
}
