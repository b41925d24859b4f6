#include "grid/core/CGENumberFormattingImp.h"

#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string LocaleInfo(LCTYPE type, const char* pszDefault) {
    char sz[16] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof sz) <= 1)
        return pszDefault;
    return sz;
}

// C-locale digits with the user's decimal separator and, when asked, its thousands separator.
std::string Localize(const std::string& text, bool bGroup) {
    const std::string decimal = LocaleInfo(LOCALE_SDECIMAL, ".");
    const std::string thousand = LocaleInfo(LOCALE_STHOUSAND, ",");
    size_t nStart = text[0] == '-' ? 1 : 0;
    size_t nPoint = text.find('.');
    std::string integer = text.substr(nStart, (nPoint == std::string::npos ? text.size() : nPoint) - nStart);
    std::string rest = nPoint == std::string::npos ? std::string() : text.substr(nPoint + 1);
    if (bGroup) {
        for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(static_cast<size_t>(i), thousand);
    }
    std::string result = text.substr(0, nStart) + integer;
    if (nPoint != std::string::npos)
        result += decimal + rest;
    return result;
}

} // namespace

CString CGENumberFormattingImp::FormatValue(LPCSTR pszValue, const CGEStyle& style) {
    return Format(pszValue, style.GetIncludeFormat() ? style.GetFormat() : 0,
                  style.GetIncludePlaces() ? style.GetPlaces() : 2);
}

CString CGENumberFormattingImp::Format(LPCSTR pszValue, UINT nFormat, UINT nPlaces) {
    if (pszValue == nullptr || *pszValue == 0 || nFormat == asIs)
        return CString(pszValue);
    char* pEnd = nullptr;
    const double value = std::strtod(pszValue, &pEnd);
    while (pEnd != nullptr && *pEnd == ' ')
        ++pEnd;
    if (pEnd == pszValue || (pEnd != nullptr && *pEnd != 0))
        return CString(pszValue); // not a number
    const int nDigits = static_cast<int>(nPlaces > 15 ? 15 : nPlaces);
    char sz[400];
    switch (nFormat) {
    case fixed:
    case grouped:
        std::snprintf(sz, sizeof sz, "%.*f", nDigits, value);
        return CString(Localize(sz, nFormat == grouped).c_str());
    case scientific:
        std::snprintf(sz, sizeof sz, "%.*e", nDigits, value);
        return CString(Localize(sz, false).c_str());
    case general:
        std::snprintf(sz, sizeof sz, "%.*g", nDigits > 0 ? nDigits : 1, value);
        return CString(Localize(sz, false).c_str());
    case percent:
        std::snprintf(sz, sizeof sz, "%.*f", nDigits, value * 100);
        return CString((Localize(sz, false) + "%").c_str());
    default:
        return CString(pszValue);
    }
}

void GEInstallNumberFormatting() {
    CGELibraryState* pState = GEGetLibraryState();
    if (pState->m_pNumberFormattingImp == nullptr) {
        auto* pImp = new CGENumberFormattingImp;
        pState->m_pNumberFormattingImp = pImp;
        pState->AddAutoDeleteObject(pImp);
    }
}
