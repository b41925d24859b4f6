#include "grid/controls/combo/CGEComboEditPart.h"

#include "grid/controls/combo/CGEComboBoxWnd.h"

BEGIN_MESSAGE_MAP(CGEComboEditPart, CEdit)
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGEComboBoxWnd* CGEComboEditPart::Combo() const {
    return dynamic_cast<CGEComboBoxWnd*>(CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd())));
}

void CGEComboEditPart::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CGEComboBoxWnd* pCombo = Combo();
    if (pCombo != nullptr && !pCombo->IsFilteringKey() && pCombo->OnComboKeyDown(nChar, nRepCnt, nFlags))
        return;
    if (GetSafeHwnd() != nullptr)
        Default();
}

void CGEComboEditPart::OnKillFocus(CWnd* pNewWnd) {
    Default();
    CGEComboBoxWnd* pCombo = Combo();
    if (pCombo == nullptr || pCombo->GetSafeHwnd() == nullptr)
        return;
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr;
    if (hNew == pCombo->GetSafeHwnd() || (hNew != nullptr && ::IsChild(pCombo->GetSafeHwnd(), hNew)))
        return;
    pCombo->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(hNew), 0);
}
