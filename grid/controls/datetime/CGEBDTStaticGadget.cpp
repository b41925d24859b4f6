#include "grid/controls/datetime/CGEBDTStaticGadget.h"

IMPLEMENT_DYNAMIC(CGEBDTStaticGadget, CGEBDTGadget)

BOOL CGEBDTStaticGadget::Initialise(CGEBDateTimeCtrl* pOwner, const CString& strText, int nId) {
    CGEBDTGadget::Initialise(pOwner, nId);
    m_strText = strText;
    m_dwStyle = 0;
    return TRUE;
}

void CGEBDTStaticGadget::CalcSize(CDC* pDC) {
    RECT rect{0, 0, 0, 0};
    pDC->DrawText(m_strText, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING);
    m_rect = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
}

void CGEBDTStaticGadget::Draw(CDC* pDC) {
    RECT rect = m_rect;
    pDC->DrawText(m_strText, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING);
}
