#include "grid/controls/gadgets/CGEBCurrencyFormat.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Placement {
    const char* before; // null: nothing
    const char* after;
};

// The Windows currency format codes (LOCALE_ICURRENCY, LOCALE_INEGCURR); "%s" is the symbol.
constexpr Placement kPositive[CGEBCurrencyFormat::positiveFormats] = {
    {"%s", nullptr}, {nullptr, "%s"}, {"%s ", nullptr}, {nullptr, " %s"}};
constexpr Placement kNegative[CGEBCurrencyFormat::negativeFormats] = {
    {"(%s", ")"},      {"-%s", nullptr},  {"%s-", nullptr},  {"%s", "-"},
    {"(", "%s)"},      {"-", "%s"},       {nullptr, "-%s"},  {nullptr, "%s-"},
    {"-", " %s"},      {"-%s ", nullptr}, {nullptr, " %s-"}, {"%s ", "-"},
    {"%s -", nullptr}, {nullptr, "- %s"}, {"(%s ", ")"},     {"(", " %s)"}};

CString Placed(const char* pszPattern, const CString& strSymbol) {
    if (pszPattern == nullptr)
        return CString();
    CString str = pszPattern;
    str.Replace("%s", strSymbol); // the symbol is text, never a format
    return str;
}

CString LocaleString(LCTYPE type, LPCSTR pszDefault) {
    const int nLength = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (nLength < 1)
        return pszDefault;
    std::string buffer(static_cast<size_t>(nLength), '\0');
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer.data(), nLength) < 1)
        return pszDefault;
    return CString(buffer.c_str());
}

int LocaleNumber(LCTYPE type, int nDefault) {
    const CString str = LocaleString(type, "");
    return str.IsEmpty() ? nDefault : std::atoi(str);
}

char CDecimalPoint() {
    const std::lconv* pConv = std::localeconv();
    return pConv != nullptr && pConv->decimal_point != nullptr && *pConv->decimal_point != '\0'
               ? *pConv->decimal_point
               : '.';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(const CString& str) {
    for (int i = 0; i < str.GetLength(); ++i) {
        if (!IsDigit(str[i]))
            return false;
    }
    return true;
}

} // namespace

CGEBCurrencyFormat::CGEBCurrencyFormat(BOOL bUseLocale) : m_clrDecimalLine(::GetSysColor(COLOR_BTNSHADOW)) {
    if (bUseLocale)
        InitFromLocale();
}

void CGEBCurrencyFormat::InitFromLocale() {
    m_strSymbol = LocaleString(LOCALE_SCURRENCY, "$");
    m_nPositiveFormat = LocaleNumber(LOCALE_ICURRENCY, 0);
    m_strGrouping = LocaleString(LOCALE_SMONGROUPING, "3;0");
    m_nFracDigits = LocaleNumber(LOCALE_ICURRDIGITS, 2);
    m_nNegativeFormat = LocaleNumber(LOCALE_INEGCURR, 0);
    m_cThousandSep = LocaleString(LOCALE_SMONTHOUSANDSEP, ",")[0];
    m_cDecimalSep = LocaleString(LOCALE_SMONDECIMALSEP, ".")[0];
    m_bLeadingZero = LocaleNumber(LOCALE_ILZERO, 1);
}

BOOL CGEBCurrencyFormat::SetFillChar(char cFill) {
    if (IsDigit(cFill) && cFill != '0')
        return FALSE;
    m_cFill = cFill;
    return TRUE;
}

BOOL CGEBCurrencyFormat::SetPositiveFormat(int nFormat) {
    if (nFormat < 0 || nFormat >= positiveFormats)
        return FALSE;
    m_nPositiveFormat = nFormat;
    return TRUE;
}

BOOL CGEBCurrencyFormat::SetNegativeFormat(int nFormat) {
    if (nFormat < 0 || nFormat >= negativeFormats)
        return FALSE;
    m_nNegativeFormat = nFormat;
    return TRUE;
}

BOOL CGEBCurrencyFormat::GetColor(int nBit, COLORREF clrStored, COLORREF& clr) const {
    if ((m_dwColorMask & (1u << nBit)) == 0)
        return FALSE;
    clr = clrStored;
    return TRUE;
}

void CGEBCurrencyFormat::SetColor(int nBit, COLORREF& clrStored, COLORREF clr) {
    clrStored = clr;
    m_dwColorMask |= 1u << nBit;
}

BOOL CGEBCurrencyFormat::operator==(const CGEBCurrencyFormat& o) const {
    return m_bLeadingZero == o.m_bLeadingZero && m_bDecimalLine == o.m_bDecimalLine &&
           m_bOverflowMode == o.m_bOverflowMode && m_bFillBeforeGroup == o.m_bFillBeforeGroup &&
           std::strcmp(m_strSymbol, o.m_strSymbol) == 0 && std::strcmp(m_strGrouping, o.m_strGrouping) == 0 &&
           m_cThousandSep == o.m_cThousandSep && m_cDecimalSep == o.m_cDecimalSep && m_cFill == o.m_cFill &&
           m_clrBackground == o.m_clrBackground && m_clrNegative == o.m_clrNegative &&
           m_clrPositive == o.m_clrPositive && m_clrDecimalLine == o.m_clrDecimalLine &&
           m_dwColorMask == o.m_dwColorMask && m_nPositiveFormat == o.m_nPositiveFormat &&
           m_nNegativeFormat == o.m_nNegativeFormat && m_nIntDigits == o.m_nIntDigits &&
           m_nFracDigits == o.m_nFracDigits;
}

// ---- formatting ----

double CGEBCurrencyFormat::CutIntegerDigits(double dValue) const {
    if (dValue != 0.0 && !m_bOverflowMode && m_nIntDigits != -1) {
        const int nPower = static_cast<int>(std::log10(dValue));
        const int nExcess = nPower - (m_nIntDigits - 1);
        if (nPower != 0 && nExcess > 0) {
            const double dInteger = std::floor(dValue);
            dValue = (dValue - dInteger) + std::floor(dInteger / std::pow(10.0, nExcess));
        }
    }
    return dValue;
}

void CGEBCurrencyFormat::FormatValue(double dValue, CString& strText, BOOL bNegative) {
    strText.Empty();
    // For display only: the caller's amount is untouched.
    dValue = CutIntegerDigits(dValue);
    // A row outside its table (set directly) is shown as row 0.
    const int nRow = bNegative ? m_nNegativeFormat : m_nPositiveFormat;
    const int nRows = bNegative ? negativeFormats : positiveFormats;
    const Placement& place = (bNegative ? kNegative : kPositive)[nRow >= 0 && nRow < nRows ? nRow : 0];

    const int nFrac = std::clamp(m_nFracDigits, 0, 20);
    const int nLength = std::snprintf(nullptr, 0, "%.*f", nFrac, dValue);
    std::string number(static_cast<size_t>(std::max(nLength, 0)) + 1, '\0');
    std::snprintf(number.data(), number.size(), "%.*f", nFrac, dValue);
    number.resize(static_cast<size_t>(std::max(nLength, 0)));

    if (dValue < 1.0 && !m_bLeadingZero && !number.empty()) {
        number[0] = ' ';
        number.erase(0, number.find_first_not_of(' ') == std::string::npos ? number.size()
                                                                           : number.find_first_not_of(' '));
    }
    const size_t nPoint = number.rfind(CDecimalPoint());
    int nSepIndex = -1; // where the decimal separator stands, followed through the edits below
    if (nPoint != std::string::npos) {
        number[nPoint] = m_cDecimalSep != 0 ? m_cDecimalSep : ' ';
        nSepIndex = static_cast<int>(nPoint);
    }
    const int nDigitsBefore = nSepIndex >= 0 ? nSepIndex : static_cast<int>(number.size());
    int nMissing = 0;
    if (m_nIntDigits != -1) {
        if (nDigitsBefore > m_nIntDigits) {
            const int nDrop = nDigitsBefore - m_nIntDigits;
            number.erase(0, static_cast<size_t>(nDrop));
            if (nSepIndex >= 0)
                nSepIndex -= nDrop;
        }
        nMissing = m_nIntDigits - nDigitsBefore;
    }
    if (nMissing >= 1 && m_bFillBeforeGroup) {
        number.insert(0, static_cast<size_t>(nMissing), m_cFill);
        if (nSepIndex >= 0)
            nSepIndex += nMissing;
    }
    if (m_cThousandSep != 0) {
        int nGroup = 0;
        int nSecond = 0;
        std::sscanf(m_strGrouping, "%i;%i", &nGroup, &nSecond);
        const int n = nSepIndex >= 0 ? nSepIndex : static_cast<int>(number.size());
        if (nGroup > 0 && (n - 1) / nGroup >= 1) {
            std::string grouped;
            for (int i = 0; i < static_cast<int>(number.size()); ++i) {
                grouped += number[static_cast<size_t>(i)];
                const int nLeft = n - (i + 1);
                if (nLeft > 0 && nLeft % nGroup == 0)
                    grouped += m_cThousandSep;
            }
            number = grouped;
        }
    }
    if (m_nIntDigits != -1 && nMissing >= 1 && !m_bFillBeforeGroup)
        number.insert(0, static_cast<size_t>(nMissing), m_cFill);
    strText = Placed(place.before, m_strSymbol) + CString(number.c_str()) + Placed(place.after, m_strSymbol);
}

// ---- parsing ----

int CGEBCurrencyFormat::FindDecimalSeparator(const char* pszText, char cSeparator) {
    const char cFind = cSeparator != 0 ? cSeparator : m_cDecimalSep;
    if (pszText == nullptr || cFind == 0)
        return -1;
    const char* p = std::strrchr(pszText, cFind);
    return p != nullptr ? static_cast<int>(p - pszText) : -1;
}

BOOL CGEBCurrencyFormat::FindNumberSpan(const char* pszText, int& nFirst, int& nLast) {
    nFirst = nLast = -1;
    if (pszText == nullptr)
        return FALSE;
    for (int i = static_cast<int>(std::strlen(pszText)) - 1; i >= 0; --i) {
        if (IsDigit(pszText[i])) {
            nLast = i;
            break;
        }
    }
    if (nLast < 0)
        return FALSE;
    nFirst = nLast;
    bool bSeparatorPassed = false;
    for (int i = nLast - 1; i >= 0; --i) {
        const char c = pszText[i];
        if (IsDigit(c)) {
            nFirst = i;
        } else if (c != 0 && c == m_cDecimalSep && !bSeparatorPassed) {
            nFirst = i;
            bSeparatorPassed = true;
        } else if (c != 0 && c == m_cThousandSep) {
            nFirst = i;
            bSeparatorPassed = true;
        } else {
            break;
        }
    }
    return TRUE;
}

BOOL CGEBCurrencyFormat::Parse(const char* pszText, double& dValue, BOOL& bNegative) {
    bNegative = FALSE;
    CString strText = pszText != nullptr ? pszText : "";
    strText.Trim();
    if (strText.IsEmpty()) {
        dValue = 0.0;
        return TRUE;
    }
    const BOOL bOpen = strText.Find('(') >= 0;
    const BOOL bClose = strText.ReverseFind(')') >= 0;
    if (bOpen != bClose)
        return FALSE;
    int nFirst = -1;
    int nLast = -1;
    if (!FindNumberSpan(strText, nFirst, nLast))
        return FALSE;
    CString strPrefix = strText.Left(nFirst);
    CString strSuffix = strText.Mid(nLast + 1);
    const CString strNumber = strText.Mid(nFirst, nLast - nFirst + 1);
    // Only the number may hold digits and separators: a second number is refused, not dropped. The
    // symbol is taken out first, as it may hold a separator ("kr.").
    if (!m_strSymbol.IsEmpty()) {
        strPrefix.Replace(m_strSymbol, "");
        strSuffix.Replace(m_strSymbol, "");
    }
    for (const CString* pPart : {&strPrefix, &strSuffix}) {
        for (int i = 0; i < pPart->GetLength(); ++i) {
            const char c = (*pPart)[i];
            if (IsDigit(c) || (c != 0 && c == m_cDecimalSep) || (c != 0 && c != ' ' && c == m_cThousandSep))
                return FALSE;
        }
    }
    bNegative = bOpen || strPrefix.Find('-') >= 0 || strSuffix.Find('-') >= 0;

    const int nSep = FindDecimalSeparator(strNumber, 0);
    CString strInteger = nSep >= 0 ? strNumber.Left(nSep) : strNumber;
    const CString strFraction = nSep >= 0 ? strNumber.Mid(nSep + 1) : CString();
    if (m_cThousandSep != 0)
        strInteger.Remove(m_cThousandSep);
    if (!AllDigits(strInteger) || !AllDigits(strFraction))
        return FALSE;
    const CString strC = strInteger + CString(CDecimalPoint()) + strFraction;
    dValue = std::strtod(strC, nullptr);
    return TRUE;
}
