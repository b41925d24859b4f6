// CGEBCurrencyFormat: how a currency amount is shown and read back: separators and grouping, the currency
// symbol and where it stands for positive and negative amounts (the Windows currency format codes), the
// integer and fractional digit counts, the fill character, the leading-zero rule and the colours of the
// currency edit. Amounts travel as an absolute value plus a negative flag; the object stores no amount.
// It knows nothing of windows; it reads the user's locale once when asked to.
#pragma once

#include "framework/core/CString.h"

#include <windows.h>

class CGEBCurrencyFormat {
public:
    // The rows of the placement tables.
    static constexpr int positiveFormats = 4;
    static constexpr int negativeFormats = 16;

    // Without the locale: "$", "3;0" grouping, ',' and '.', two fractional digits, formats 0.
    explicit CGEBCurrencyFormat(BOOL bUseLocale = FALSE);
    virtual ~CGEBCurrencyFormat() = default;
    CGEBCurrencyFormat(const CGEBCurrencyFormat&) = default;
    CGEBCurrencyFormat& operator=(const CGEBCurrencyFormat&) = default;

    // User text to the absolute amount and its sign. An empty text is 0. Refused (FALSE): no digit,
    // unbalanced parentheses, characters other than digits and separators inside the number, and digits or
    // separators outside it (so "12.3.4" and "1-2" are refused rather than read in part).
    virtual BOOL Parse(const char* pszText, double& dValue, BOOL& bNegative);
    // The display text of an absolute amount (dValue >= 0) and its sign.
    virtual void FormatValue(double dValue, CString& strText, BOOL bNegative);
    // Index of the last cSeparator in the text (the decimal separator when cSeparator is 0); -1 when none.
    virtual int FindDecimalSeparator(const char* pszText, char cSeparator);
    // The run of the number in a text: from the last digit leftwards over digits, thousands separators and
    // one decimal separator before any other separator. FALSE (both -1) without a digit.
    virtual BOOL FindNumberSpan(const char* pszText, int& nFirst, int& nLast);
    virtual BOOL operator==(const CGEBCurrencyFormat& other) const;
    virtual BOOL operator!=(const CGEBCurrencyFormat& other) const { return !(*this == other); }

    // An amount with more integer digits than the limit keeps its leading ones (unless in overflow mode);
    // the amount itself otherwise.
    double CutIntegerDigits(double dValue) const;
    // Reads the user's currency settings; the integer digit limit stays.
    void InitFromLocale();
    // A digit other than '0' is refused.
    BOOL SetFillChar(char cFill);
    // FALSE when the colour is not set.
    BOOL GetBackgroundColor(COLORREF& clr) const { return GetColor(0, m_clrBackground, clr); }
    BOOL GetNegativeColor(COLORREF& clr) const { return GetColor(1, m_clrNegative, clr); }
    BOOL GetPositiveColor(COLORREF& clr) const { return GetColor(2, m_clrPositive, clr); }
    void SetBackgroundColor(COLORREF clr) { SetColor(0, m_clrBackground, clr); }
    void SetNegativeColor(COLORREF clr) { SetColor(1, m_clrNegative, clr); }
    void SetPositiveColor(COLORREF clr) { SetColor(2, m_clrPositive, clr); }
    // A row outside its table is refused (FALSE, unchanged).
    BOOL SetPositiveFormat(int nFormat);
    BOOL SetNegativeFormat(int nFormat);

    BOOL m_bLeadingZero = TRUE;   // 0.50 rather than .50
    BOOL m_bDecimalLine = FALSE;  // the currency edit draws the separator as a thin line
    BOOL m_bOverflowMode = FALSE; // FALSE: too many integer digits keep the leading ones, else the trailing
    BOOL m_bFillBeforeGroup = FALSE; // fill characters are grouped too
    CString m_strSymbol = "$";
    CString m_strGrouping = "3;0"; // only the first group size is used
    char m_cThousandSep = ',';     // 0: no grouping
    char m_cDecimalSep = '.';      // 0: shown as a blank
    char m_cFill = ' ';
    COLORREF m_clrBackground = 0;
    COLORREF m_clrNegative = 0;
    COLORREF m_clrPositive = 0;
    COLORREF m_clrDecimalLine;
    DWORD m_dwColorMask = 0;
    int m_nPositiveFormat = 0;
    int m_nNegativeFormat = 0;
    int m_nIntDigits = -1; // -1: no limit
    int m_nFracDigits = 2;

private:
    BOOL GetColor(int nBit, COLORREF clrStored, COLORREF& clr) const;
    void SetColor(int nBit, COLORREF& clrStored, COLORREF clr);
};
