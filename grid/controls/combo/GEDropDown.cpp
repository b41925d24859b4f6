#include "grid/controls/combo/GEDropDown.h"

#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractOleDateTimeImp.h"
#include "grid/core/CGELibraryState.h"

void GESetDropDownLock(BOOL bLock) {
    GEGetLibraryState()->m_bDropDownLock = bLock;
}

BOOL GEGetDropDownLock() {
    return GEGetLibraryState()->m_bDropDownLock;
}

GEDropDownLockScope::GEDropDownLockScope() : m_bOld(GEGetDropDownLock()) {
    GESetDropDownLock(TRUE);
}

GEDropDownLockScope::~GEDropDownLockScope() {
    GESetDropDownLock(m_bOld);
}

CString GEGetPopupClassName() {
    return GEGetLibraryState()->GetText(CGELibraryState::textWndClass);
}

void GEDateTimeRefreshLocale() {
    if (CGEAbstractOleDateTimeImp* pImp = GEGetLibraryState()->m_pOleDateTimeImp)
        pImp->RefreshLocale();
}

int GEGetDateOrder(BOOL* pbFourDigitYear, CString* pstrSeparator) {
    CGEAbstractOleDateTimeImp* pImp = GEGetLibraryState()->m_pOleDateTimeImp;
    if (pImp == nullptr)
        return 3;
    int nOrder = 3;
    BOOL bFourDigitYear = FALSE;
    CString strSeparator;
    pImp->GetDateOrder(nOrder, bFourDigitYear, strSeparator);
    if (pbFourDigitYear != nullptr)
        *pbFourDigitYear = bFourDigitYear;
    if (pstrSeparator != nullptr)
        *pstrSeparator = strSeparator;
    return nOrder;
}

char GEGetTimeSeparator() {
    CGEAbstractOleDateTimeImp* pImp = GEGetLibraryState()->m_pOleDateTimeImp;
    return pImp != nullptr ? pImp->GetTimeSeparator() : ':';
}

BOOL GEIsWindowWithin(CWnd* pWnd, CWnd* pParent) {
    if (pWnd == nullptr || pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    return pWnd->GetSafeHwnd() == pParent->GetSafeHwnd() ||
           ::IsChild(pParent->GetSafeHwnd(), pWnd->GetSafeHwnd());
}
