// CGEBCalcEngine: the arithmetic of the calculator gadget, without a window. An accumulator, one pending
// operation applied left to right (no precedence), the entry being typed as display text with the user's
// decimal separator, and an error state that only Clear leaves. The window asks it to run a command and
// draws what it says; a refused key is reported so that the window can beep.
#pragma once

#include "framework/core/CString.h"

#include <windows.h>

class CGEBCalcEngine {
public:
    // Commands of the buttons; digits are cmdDigit0 + the digit.
    enum Command : UINT {
        cmdMultiply = 1,
        cmdAdd = 2,
        cmdSubtract = 3,
        cmdDivide = 4,
        cmdPercent = 5,
        cmdEquals = 6,
        cmdClear = 7,
        cmdClearEntry = 8,
        cmdDigit0 = 9,
        cmdDigit9 = 18,
        cmdDecimal = 19,
        cmdBackspace = 20,
    };
    // Pending operations (the same numbers as their commands).
    enum Operation : UINT { opNone = 0, opMultiply = 1, opAdd = 2, opSubtract = 3, opDivide = 4 };
    // Integer digits a result may have before it is an error.
    static constexpr int maxIntegerDigits = 13;

    CGEBCalcEngine() = default;

    // Runs a command: TRUE when it did something. bRefused is set when the key must be answered with a
    // beep (error state, no room for a digit).
    BOOL HandleEvent(UINT nCommand, BOOL& bRefused);
    // Value 0 (unless bKeepValue), empty entry, error cleared, nothing pending, the next digit starts anew.
    void Reset(BOOL bKeepValue = FALSE);
    // Reset, then the accumulator takes the value and the display shows it.
    void SetValue(double dValue);

    // The separator the display and the entry use (the user's, from the window).
    void SetDecimalSeparator(const CString& strSeparator);
    const CString& GetDecimalSeparator() const { return m_strSeparator; }
    // Digits that fit in the display; the decimals are clamped to it.
    void SetDigitCapacity(int nDigits);
    int GetDigitCapacity() const { return m_nCapacity; }
    int GetDecimals() const { return m_nDecimals; }

    // The entry or result as it stands (may be empty), and as the display shows it: "Error " text is the
    // window's; here an empty text shows as "0" and a separator is always appended when missing.
    const CString& GetDisplayText() const { return m_strDisplay; }
    CString GetShownText() const;
    double GetValue() const { return m_dValue; }
    UINT GetPendingOperation() const { return m_nPending; }
    BOOL IsError() const { return m_bError; }
    BOOL IsNewEntry() const { return m_bNewEntry; }

    // The display text of a value: as many fraction digits as fit, trailing zeros cut (the separator stays);
    // sets the error state when the integer part does not fit.
    void FormatValue(double dValue);

private:
    using Handler = BOOL (CGEBCalcEngine::*)(UINT nCommand, BOOL& bRefused);
    BOOL OnDigit(UINT nCommand, BOOL& bRefused);
    BOOL OnDecimal(UINT nCommand, BOOL& bRefused);
    BOOL OnBackspace(UINT nCommand, BOOL& bRefused);
    BOOL OnOperator(UINT nCommand, BOOL& bRefused);
    BOOL OnClear(UINT nCommand, BOOL& bRefused);
    BOOL OnClearEntry(UINT nCommand, BOOL& bRefused);
    // Starts a new entry when the last command asked for one.
    void BeginEntry();
    // The display text as a number; FALSE when it does not read as one.
    BOOL ReadOperand(double& dValue) const;
    // Digits before and after the separator of a text without its sign.
    void CountDigits(const CString& strText, int& nInt, int& nFrac, BOOL& bSeparator) const;

    double m_dValue = 0.0;
    UINT m_nPending = opNone;
    BOOL m_bNewEntry = FALSE;
    BOOL m_bError = FALSE;
    int m_nDecimals = 15;
    int m_nCapacity = 16;
    CString m_strDisplay;
    CString m_strSeparator = ".";
};
