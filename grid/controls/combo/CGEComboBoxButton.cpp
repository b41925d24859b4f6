#include "grid/controls/combo/CGEComboBoxButton.h"

#include "grid/controls/combo/CGEComboBox.h"

void CGEComboBoxButton::Draw(CDC* pDC, BOOL bFocus) {
    const BOOL bEveryCell = m_pOwner->IsKindOfControlClass(&CGEComboBox::controlClass) &&
                            static_cast<CGEComboBox*>(m_pOwner)->IsButtonInEveryCell();
    if (!bFocus && !bEveryCell)
        return;
    const BOOL bPushed = bFocus && HasFocus() && m_bPressed;
    DrawFace(pDC, m_rect, bPushed);
    DrawDropArrow(pDC, m_rect, bPushed);
}
