#include "grid/controls/CGEOleDateTimeImp.h"

#include "grid/core/CGELibraryState.h"

#include <cstring>

#include <windows.h>

namespace {

CString LocaleText(LCTYPE nType) {
    char sz[80] = {};
    ::GetLocaleInfoA(::GetUserDefaultLCID(), nType, sz, sizeof sz);
    return CString(sz);
}

} // namespace

CGEOleDateTimeImp::CGEOleDateTimeImp() {
    RefreshLocale();
}

int CGEOleDateTimeImp::OrderOfPicture(LPCSTR pszPicture, BOOL* pbFourDigitYear) {
    const char* pDay = std::strpbrk(pszPicture, "d");
    const char* pMonth = std::strpbrk(pszPicture, "M");
    const char* pYear = std::strpbrk(pszPicture, "yY");
    if (pbFourDigitYear != nullptr)
        *pbFourDigitYear =
            std::strstr(pszPicture, "yyyy") != nullptr || std::strstr(pszPicture, "YYYY") != nullptr;
    const auto before = [](const char* a, const char* b) { return a != nullptr && (b == nullptr || a < b); };
    if (before(pYear, pDay) && before(pYear, pMonth))
        return 2;
    if (before(pDay, pMonth))
        return 0;
    return 1;
}

void CGEOleDateTimeImp::RefreshLocale() {
    m_nOrder = OrderOfPicture(LocaleText(LOCALE_SSHORTDATE), &m_bFourDigitYear);
    m_strDateSeparator = LocaleText(LOCALE_SDATE);
    const CString strTime = LocaleText(LOCALE_STIME);
    m_cTimeSeparator = strTime.IsEmpty() ? ':' : strTime[0];
}

void CGEOleDateTimeImp::GetDateOrder(int& nOrder, BOOL& bFourDigitYear, CString& strSeparator) {
    nOrder = m_nOrder;
    bFourDigitYear = m_bFourDigitYear;
    strSeparator = m_strDateSeparator;
}

void GEInstallOleDateTime() {
    CGELibraryState* pState = GEGetLibraryState();
    if (pState->m_pOleDateTimeImp != nullptr)
        return;
    auto* pImp = new CGEOleDateTimeImp;
    pState->m_pOleDateTimeImp = pImp;
    pState->AddAutoDeleteObject(pImp);
}
