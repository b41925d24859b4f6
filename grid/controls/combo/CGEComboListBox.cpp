#include "grid/controls/combo/CGEComboListBox.h"

#include "framework/win/CBrush.h"
#include "framework/win/CDC.h"

BEGIN_MESSAGE_MAP(CGEComboListBox, CListBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CGEComboListBox::Notify(UINT message, LPARAM lParam) {
    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        m_pOwner->SendMessage(message, 0, lParam);
}

UINT CGEComboListBox::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS;
}

void CGEComboListBox::OnKeyDown(UINT, UINT, UINT) {
    m_bKeyUsed = TRUE;
    if (m_nKeyDownLevel++ == 0)
        m_nLastSel = GetCurSel();
    Default();
}

void CGEComboListBox::OnKeyUp(UINT nChar, UINT, UINT) {
    Default();
    if (!m_bKeyUsed)
        return;
    m_nKeyDownLevel = 0;
    switch (nChar) {
    case VK_TAB:
        if (m_pOwner != nullptr) {
            m_pOwner->PostMessage(WM_KEYDOWN, VK_TAB, 0);
            m_pOwner->PostMessage(WM_KEYUP, VK_TAB, 0);
        }
        Notify(GECM_LISTCHOSEN);
        return;
    case VK_RETURN:
        Notify(GECM_LISTCHOSEN);
        return;
    case VK_ESCAPE:
        Notify(GECM_LISTCANCEL);
        return;
    default:
        if (GetCurSel() != m_nLastSel) {
            m_nLastSel = GetCurSel();
            Notify(GECM_LISTSELCHANGE);
        }
        return;
    }
}

void CGEComboListBox::OnSysKeyDown(UINT, UINT, UINT) {
    m_bKeyUsed = TRUE;
    Default();
}

void CGEComboListBox::OnSysKeyUp(UINT nChar, UINT, UINT) {
    if (m_bKeyUsed && nChar == VK_DOWN) {
        Notify(GECM_LISTCANCEL);
        return;
    }
    Default();
}

void CGEComboListBox::OnLButtonDown(UINT, CPoint) {
    m_bMouseUsed = TRUE;
    m_nLastSel = GetCurSel();
    Default();
}

void CGEComboListBox::OnLButtonUp(UINT, CPoint) {
    Default();
    if (m_bMouseUsed && GetCurSel() != LB_ERR)
        Notify(GECM_LISTCHOSEN);
}

BOOL CGEComboListBox::EraseWithParentBrush(CListBox* pList, CDC* pDC) {
    CWnd* pParent = pList->GetParent();
    HBRUSH hBrush = pParent != nullptr ? reinterpret_cast<HBRUSH>(pParent->SendMessage(
                                             WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                                             reinterpret_cast<LPARAM>(pList->GetSafeHwnd())))
                                       : nullptr;
    if (hBrush == nullptr)
        return FALSE;
    CRect client;
    pList->GetClientRect(&client);
    ::FillRect(pDC->GetSafeHdc(), &client, hBrush);
    return TRUE;
}

BOOL CGEComboListBox::OnEraseBkgnd(CDC* pDC) {
    if (EraseWithParentBrush(this, pDC))
        return TRUE;
    return static_cast<BOOL>(Default());
}

void CGEComboListBox::OnKillFocus(CWnd*) {
    Default();
    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        m_pOwner->PostMessage(GECM_LISTFOCUSLOST, 0, 0);
}
