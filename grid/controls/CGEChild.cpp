#include "grid/controls/CGEChild.h"

#include "framework/win/CWnd.h"
#include "grid/controls/GEKeyDispatch.h"
#include "grid/core/CGEControl.h"

CGEChild::CGEChild(CGEControl* pOwner) : m_pOwner(pOwner) {}

BOOL CGEChild::HasFocus() const {
    return m_pOwner->GetActiveChild() == this;
}

void CGEChild::Refresh() {
    CWnd* pWnd = m_pOwner->GetGridWindow();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->InvalidateRect(&m_rect, TRUE);
}

BOOL CGEChild::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return GEDispatchKeyMessage(*this, m_pOwner->m_leadByte, message, wParam, lParam);
}
