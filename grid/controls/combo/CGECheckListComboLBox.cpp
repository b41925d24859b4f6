#include "grid/controls/combo/CGECheckListComboLBox.h"

#include "grid/controls/combo/CGEComboListBox.h"

BEGIN_MESSAGE_MAP(CGECheckListComboLBox, CCheckListBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CGECheckListComboLBox::NotifyChosen() {
    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        m_pOwner->SendMessage(GECM_LISTCHOSEN, 0, 0);
}

UINT CGECheckListComboLBox::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS;
}

void CGECheckListComboLBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    m_bKeyUsed = TRUE;
    CCheckListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGECheckListComboLBox::OnKeyUp(UINT nChar, UINT, UINT) {
    Default();
    if (!m_bKeyUsed)
        return;
    m_bKeyUsed = FALSE;
    switch (nChar) {
    case VK_TAB:
        if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr) {
            m_pOwner->PostMessage(WM_KEYDOWN, VK_TAB, 0);
            m_pOwner->PostMessage(WM_KEYUP, VK_TAB, 0);
        }
        NotifyChosen();
        return;
    case VK_RETURN:
    case VK_ESCAPE: // the checks are kept on Escape too: each toggle was already a choice
        NotifyChosen();
        return;
    default:
        return;
    }
}

void CGECheckListComboLBox::OnSysKeyDown(UINT, UINT, UINT) {
    m_bKeyUsed = TRUE;
    Default();
}

void CGECheckListComboLBox::OnSysKeyUp(UINT nChar, UINT, UINT) {
    if (m_bKeyUsed && nChar == VK_DOWN) {
        m_bKeyUsed = FALSE;
        NotifyChosen();
        return;
    }
    Default();
}

BOOL CGECheckListComboLBox::OnEraseBkgnd(CDC* pDC) {
    if (CGEComboListBox::EraseWithParentBrush(this, pDC))
        return TRUE;
    return static_cast<BOOL>(Default());
}

void CGECheckListComboLBox::OnKillFocus(CWnd*) {
    Default();
    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        m_pOwner->PostMessage(GECM_LISTCHOSEN, 0, 0);
}
