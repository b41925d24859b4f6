#include "grid/controls/CGEComboBoxWndButton.h"

#include "grid/core/CGEControl.h"

void CGEComboBoxWndButton::Draw(CDC* pDC, BOOL bFocus) {
    BOOL bPushed = FALSE;
    if (bFocus) {
        if (m_pOwner->IsActive())
            return;
        bPushed = HasFocus() && m_bPressed;
    } else if (m_pbShowWhenInactive == nullptr || !*m_pbShowWhenInactive) {
        return;
    }
    DrawFace(pDC, m_rect, bPushed);
    DrawDropArrow(pDC, m_rect, bPushed);
}
