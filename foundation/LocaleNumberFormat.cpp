#include "foundation/LocaleNumberFormat.h"

#include "foundation/LocaleFormat.h"

#include <cstdlib>

namespace {

UINT LocaleUInt(LCID locale, LCTYPE type) {
    const int value = AcxGetLocaleInt(locale, type);
    return value > 0 ? static_cast<UINT>(value) : 0;
}

// The system takes separators and symbols as writable pointers but never writes through them.
LPSTR Writable(const CString& text) {
    return const_cast<LPSTR>(text.GetString());
}

} // namespace

CLocaleNumberFormat CLocaleNumberFormat::FromNumberInfo(LCID locale) {
    CLocaleNumberFormat format;
    format.m_digits = LocaleUInt(locale, LOCALE_IDIGITS);
    format.m_leadingZero = LocaleUInt(locale, LOCALE_ILZERO);
    format.m_grouping = GroupingFromText(AcxGetLocaleString(locale, LOCALE_SGROUPING));
    format.m_decimal = AcxGetLocaleString(locale, LOCALE_SDECIMAL);
    format.m_thousand = AcxGetLocaleString(locale, LOCALE_STHOUSAND);
    format.m_negativeOrder = LocaleUInt(locale, LOCALE_INEGNUMBER);
    format.m_positiveOrder = 0;
    format.m_symbol = AcxGetLocaleString(locale, LOCALE_SCURRENCY);
    return format;
}

CLocaleNumberFormat CLocaleNumberFormat::FromCurrencyInfo(LCID locale) {
    CLocaleNumberFormat format;
    format.m_digits = LocaleUInt(locale, LOCALE_ICURRDIGITS);
    format.m_leadingZero = LocaleUInt(locale, LOCALE_ILZERO);
    format.m_grouping = GroupingFromText(AcxGetLocaleString(locale, LOCALE_SMONGROUPING));
    format.m_decimal = AcxGetLocaleString(locale, LOCALE_SMONDECIMALSEP);
    format.m_thousand = AcxGetLocaleString(locale, LOCALE_SMONTHOUSANDSEP);
    format.m_negativeOrder = LocaleUInt(locale, LOCALE_INEGCURR);
    format.m_positiveOrder = LocaleUInt(locale, LOCALE_ICURRENCY);
    format.m_symbol = AcxGetLocaleString(locale, LOCALE_SCURRENCY);
    return format;
}

UINT CLocaleNumberFormat::GroupingFromText(const char* text) {
    if (text == nullptr || *text == '\0')
        return 0;
    // More groups than a UINT holds as digits: the first group, repeated.
    constexpr int kMaxGroups = 8;
    UINT grouping = 0;
    UINT firstGroup = 0;
    int groups = 0;
    bool repeatLast = false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            continue;
        const bool lastGroup = p[1] == '\0';
        if (*p == '0' && lastGroup && p != text) {
            repeatLast = true;
            break;
        }
        const UINT digit = static_cast<UINT>(*p - '0');
        if (groups == 0)
            firstGroup = digit;
        if (++groups > kMaxGroups)
            return firstGroup;
        grouping = grouping * 10 + digit;
    }
    return repeatLast || grouping == 0 ? grouping : grouping * 10;
}

NUMBERFMTA CLocaleNumberFormat::AsNumberFmt(UINT digits, UINT grouping) const {
    NUMBERFMTA format{};
    format.NumDigits = digits;
    format.LeadingZero = m_leadingZero;
    format.Grouping = grouping;
    format.lpDecimalSep = Writable(m_decimal);
    format.lpThousandSep = Writable(m_thousand);
    format.NegativeOrder = m_negativeOrder;
    return format;
}

CURRENCYFMTA CLocaleNumberFormat::AsCurrencyFmt(UINT digits) const {
    CURRENCYFMTA format{};
    format.NumDigits = digits;
    format.LeadingZero = m_leadingZero;
    format.Grouping = m_grouping;
    format.lpDecimalSep = Writable(m_decimal);
    format.lpThousandSep = Writable(m_thousand);
    format.NegativeOrder = m_negativeOrder;
    format.PositiveOrder = m_positiveOrder;
    format.lpCurrencySymbol = Writable(m_symbol);
    return format;
}
