// CGEBCurrencyEditModel: what the currency edit gadget edits, without a window: the amount (absolute value
// and sign), its text under a currency format, the caret and the selection as character indexes, and the
// digit-by-digit edits. Every edit builds a new text, reads it back as an amount and shows that amount
// formatted again, so the text is always a well-formed amount; the caret is put back on the same digit.
#pragma once

#include "grid/controls/gadgets/CGEBCurrencyFormat.h"

class CGEBCurrencyEditModel {
public:
    explicit CGEBCurrencyEditModel(BOOL bUseLocale = TRUE) : m_format(bUseLocale) { Reformat(); }

    const CGEBCurrencyFormat& GetFormat() const { return m_format; }
    // TRUE when the format differed; the text shows the amount under the new format.
    BOOL SetFormat(const CGEBCurrencyFormat& format);

    double GetAmount() const { return m_dAmount; }
    BOOL IsNegative() const { return m_bNegative; }
    double GetSignedValue() const { return m_bNegative ? -m_dAmount : m_dAmount; }
    // FALSE (and nothing done) when both equal the stored ones; else the text shows the new amount.
    BOOL SetAmount(double dAbsolute, BOOL bNegative);
    // Reads a text as an amount and shows it formatted; FALSE (nothing changed) when it does not parse.
    BOOL SetTextParsed(const char* pszText);
    // Takes a text as it stands (the amount is not touched).
    void SetTextRaw(const char* pszText) { m_strText = pszText != nullptr ? pszText : ""; }
    // The text of the stored amount under the format.
    void Reformat();
    const CString& GetText() const { return m_strText; }

    // Caret and selection. The selection start -1 is no selection; (0, -1) is the whole text.
    int GetCaret() const { return m_nCaret; }
    void SetCaretIndex(int nCaret) { m_nCaret = nCaret; }
    int GetSelStart() const { return m_nSelStart; }
    int GetSelEnd() const { return m_nSelEnd; }
    void SetSelectionRaw(int nStart, int nEnd) {
        m_nSelStart = nStart;
        m_nSelEnd = nEnd;
    }
    void ClearSelection() { SetSelectionRaw(-1, 0); }
    BOOL HasSelection() const { return m_nSelStart != -1 && m_nSelStart != m_nSelEnd; }
    // The selection as ordered indexes inside the text; FALSE without one.
    BOOL GetSelection(int& nStart, int& nEnd) const;
    // (-1, ...) clears, (0, -1) selects all with the caret at the end; other ends must lie in the text
    // (FALSE, nothing changed, otherwise); the caret goes to the end given.
    BOOL SetSel(int nStart, int nEnd);
    // TRUE when the selection holds every character of the number.
    BOOL SelectionCoversNumber() const;

    // The edits; TRUE when the text changed. None changes a read-only model.
    BOOL InsertText(const char* pszDigits);
    BOOL DeleteChar();
    BOOL Backspace();
    // Flips the sign (or makes it negative when the selection covers the number and more).
    void ToggleSign();
    // The caret just after the decimal separator (after the last digit without one); the selection
    // cleared. FALSE when the text holds no digit.
    BOOL JumpToDecimal();

    BOOL m_bOverwrite = FALSE;
    BOOL m_bReadOnly = FALSE;

private:
    BOOL IsDecimalSep(char c) const { return c != 0 && c == m_format.m_cDecimalSep; }
    BOOL IsThousandSep(char c) const { return c != 0 && c == m_format.m_cThousandSep; }
    int DecimalIndex(const CString& strText) const;
    // Reads a new text as the amount; FALSE when it does not parse. The old text is compared by callers.
    BOOL Reparse(const CString& strNewText);
    // Where the caret rests on a zero amount: on the separator (after it with no integer digits), else
    // after the last digit.
    int ZeroCaret() const;
    // The caret never stands beyond one past the last digit, nor outside the text.
    void ClampCaret();

    CGEBCurrencyFormat m_format;
    double m_dAmount = 0.0;
    BOOL m_bNegative = FALSE;
    CString m_strText;
    int m_nCaret = 0;
    int m_nSelStart = -1;
    int m_nSelEnd = 0;
};
