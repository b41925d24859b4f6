// One set of number or currency format values read from a locale, owning the separator and symbol
// texts that the NUMBERFMTA/CURRENCYFMTA structures handed to the system point into.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

class CLocaleNumberFormat {
public:
    CLocaleNumberFormat() = default;

    // Number values (digits, leading zero, grouping, separators, negative order) plus the currency
    // symbol, positive currency order 0.
    static CLocaleNumberFormat FromNumberInfo(LCID locale);
    // The locale's own currency values, as the system would use them without an explicit format.
    static CLocaleNumberFormat FromCurrencyInfo(LCID locale);

    // Converts a grouping text such as "3;0" (threes repeated) or "3;2;0" into the Grouping number of
    // NUMBERFMT: digits of the groups in order, a final ";0" meaning "repeat the last group"; without
    // it the last group is not repeated, which a trailing 0 digit expresses ("3" gives 30). A text of
    // more than eight groups gives its first group, repeated.
    static UINT GroupingFromText(const char* text);

    UINT Digits() const { return m_digits; }
    UINT Grouping() const { return m_grouping; }
    const CString& DecimalSeparator() const { return m_decimal; }
    const CString& ThousandSeparator() const { return m_thousand; }

    // The structures point into this object: it must outlive their use.
    NUMBERFMTA AsNumberFmt(UINT digits, UINT grouping) const;
    CURRENCYFMTA AsCurrencyFmt(UINT digits) const;

private:
    UINT m_digits = 0;
    UINT m_leadingZero = 1;
    UINT m_grouping = 0;
    UINT m_negativeOrder = 1;
    UINT m_positiveOrder = 0;
    CString m_decimal = ".";
    CString m_thousand = ",";
    CString m_symbol;
};
