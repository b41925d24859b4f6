#include "grid/controls/gadgets/CGEBCurrencyEditModel.h"

#include <algorithm>

namespace {

bool IsDigitChar(char c) {
    return c >= '0' && c <= '9';
}

bool HasDigit(const CString& strText) {
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (IsDigitChar(strText[i]))
            return true;
    }
    return false;
}

// Digits before an index.
int DigitsBefore(const CString& strText, int nIndex) {
    int nCount = 0;
    for (int i = 0; i < nIndex && i < strText.GetLength(); ++i)
        nCount += IsDigitChar(strText[i]) ? 1 : 0;
    return nCount;
}

// Index of the digit that has nDigits digits before it; -1 when there are not that many.
int IndexOfDigit(const CString& strText, int nDigits) {
    int nCount = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (!IsDigitChar(strText[i]))
            continue;
        if (nCount == nDigits)
            return i;
        ++nCount;
    }
    return -1;
}

} // namespace

BOOL CGEBCurrencyEditModel::SetFormat(const CGEBCurrencyFormat& format) {
    if (!(m_format != format))
        return FALSE;
    m_format = format;
    Reformat();
    return TRUE;
}

void CGEBCurrencyEditModel::Reformat() {
    m_format.FormatValue(m_dAmount, m_strText, m_bNegative);
}

BOOL CGEBCurrencyEditModel::SetAmount(double dAbsolute, BOOL bNegative) {
    if (dAbsolute == m_dAmount && (bNegative != FALSE) == (m_bNegative != FALSE))
        return FALSE;
    m_dAmount = dAbsolute;
    m_bNegative = bNegative != FALSE;
    Reformat();
    return TRUE;
}

BOOL CGEBCurrencyEditModel::SetTextParsed(const char* pszText) {
    double dValue = 0.0;
    BOOL bNegative = FALSE;
    if (!m_format.Parse(pszText, dValue, bNegative))
        return FALSE;
    SetAmount(dValue, bNegative);
    return TRUE;
}

int CGEBCurrencyEditModel::DecimalIndex(const CString& strText) const {
    return const_cast<CGEBCurrencyFormat&>(m_format).FindDecimalSeparator(strText, 0);
}

BOOL CGEBCurrencyEditModel::GetSelection(int& nStart, int& nEnd) const {
    if (!HasSelection())
        return FALSE;
    const int nLength = m_strText.GetLength();
    int a = m_nSelStart;
    int b = m_nSelEnd == -1 ? nLength : m_nSelEnd;
    if (a > b)
        std::swap(a, b);
    nStart = std::clamp(a, 0, nLength);
    nEnd = std::clamp(b, 0, nLength);
    return nStart != nEnd;
}

BOOL CGEBCurrencyEditModel::SetSel(int nStart, int nEnd) {
    const int nLength = m_strText.GetLength();
    if (nStart == -1) {
        ClearSelection();
        return TRUE;
    }
    if (nStart == 0 && nEnd == -1) {
        SetSelectionRaw(0, -1);
        m_nCaret = nLength;
        return TRUE;
    }
    if (std::min(nStart, nEnd) < 0 || std::max(nStart, nEnd) > nLength)
        return FALSE;
    SetSelectionRaw(nStart, nEnd);
    m_nCaret = nEnd;
    return TRUE;
}

BOOL CGEBCurrencyEditModel::SelectionCoversNumber() const {
    int nStart = 0;
    int nEnd = 0;
    int nFirst = -1;
    int nLast = -1;
    if (!GetSelection(nStart, nEnd) ||
        !const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nFirst, nLast))
        return FALSE;
    return nStart <= nFirst && nEnd >= nLast + 1;
}

BOOL CGEBCurrencyEditModel::Reparse(const CString& strNewText) {
    if (SetTextParsed(strNewText))
        return TRUE;
    // A fraction deleted as a whole leaves the separator without digits after it: that is a zero fraction.
    const int nDecimal = DecimalIndex(strNewText);
    if (nDecimal < 0 || (nDecimal + 1 < strNewText.GetLength() && IsDigitChar(strNewText[nDecimal + 1])))
        return FALSE;
    CString strFixed = strNewText;
    strFixed.Insert(nDecimal + 1, '0');
    return SetTextParsed(strFixed);
}

int CGEBCurrencyEditModel::ZeroCaret() const {
    const int nDecimal = DecimalIndex(m_strText);
    if (nDecimal >= 0)
        return m_format.m_nIntDigits == 0 ? nDecimal + 1 : nDecimal;
    int nFirst = -1;
    int nLast = -1;
    const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nFirst, nLast);
    return nLast + 1;
}

void CGEBCurrencyEditModel::ClampCaret() {
    int nFirst = -1;
    int nLast = -1;
    int nMax = m_strText.GetLength();
    if (const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nFirst, nLast))
        nMax = std::min(nMax, nLast + 1);
    m_nCaret = std::clamp(m_nCaret, 0, nMax);
}

BOOL CGEBCurrencyEditModel::JumpToDecimal() {
    int nFirst = -1;
    int nLast = -1;
    if (!const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nFirst, nLast))
        return FALSE;
    ClearSelection();
    const int nDecimal = DecimalIndex(m_strText);
    m_nCaret = nDecimal >= 0 ? nDecimal + 1 : nLast + 1;
    return TRUE;
}

// ---- edits ----

BOOL CGEBCurrencyEditModel::InsertText(const char* pszDigits) {
    const CString strDigits = pszDigits != nullptr ? pszDigits : "";
    if (m_bReadOnly || strDigits.IsEmpty())
        return FALSE;
    const CString strOld = m_strText;
    const int nOldLength = strOld.GetLength();
    int nSelStart = 0;
    int nSelEnd = 0;
    const BOOL bSelection = GetSelection(nSelStart, nSelEnd);
    const BOOL bWholeNumber = bSelection && SelectionCoversNumber();
    int nFirst = -1;
    int nLast = -1;
    const BOOL bNumber = const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(strOld, nFirst, nLast);
    const int nDecimal = DecimalIndex(strOld);
    const int nTyped = strDigits.GetLength();

    int nCaret = m_nCaret;
    if (bNumber && (nCaret < nFirst || nCaret > nLast + 1)) {
        if (nDecimal >= 0)
            nCaret = m_format.m_nIntDigits == 0 ? nDecimal + 1 : nDecimal;
        else
            nCaret = nLast + 1;
    }
    const BOOL bAtEnd = nCaret > nLast;
    if (m_bOverwrite && !bSelection && nCaret < nOldLength) {
        const BOOL bOnDecimal = nDecimal >= 0 && nCaret == nDecimal;
        const BOOL bOnGroup = (nDecimal < 0 || nCaret <= nDecimal) && IsThousandSep(strOld[nCaret]);
        if (bOnDecimal || bOnGroup)
            ++nCaret;
    }

    CString strNew;
    BOOL bInFraction = FALSE;
    if (bSelection) {
        strNew = strOld.Left(nSelStart) + strDigits + strOld.Mid(nSelEnd);
    } else if (nDecimal >= 0 && nCaret > nDecimal) {
        bInFraction = TRUE;
        if (bAtEnd) {
            // Typing after a full fraction pushes its oldest digits out, when the format says so.
            if (!m_format.m_bOverflowMode)
                return FALSE;
            const int nFracDigits = std::max(m_format.m_nFracDigits, 0);
            const CString strTyped = nTyped > nFracDigits ? strDigits.Right(nFracDigits) : strDigits;
            const CString strFraction = strOld.Mid(nDecimal + 1, nLast - nDecimal);
            const CString strKept = strFraction.Mid(std::min(strTyped.GetLength(), strFraction.GetLength()));
            // What follows the number (a symbol, a closing parenthesis) stays.
            strNew = strOld.Left(nDecimal + 1) + strKept + strTyped + strOld.Mid(nLast + 1);
        } else {
            const int nCount = std::min(nTyped, nLast + 1 - nCaret);
            strNew = strOld.Left(nCaret) + strDigits.Left(nCount) + strOld.Mid(nCaret + nCount);
        }
    } else if (m_bOverwrite || (nDecimal >= 0 && nCaret < nDecimal && m_format.m_nIntDigits >= 0)) {
        strNew = strOld;
        if (nCaret < nOldLength && !IsDecimalSep(strOld[nCaret]))
            strNew.SetAt(nCaret, strDigits[0]);
        else
            strNew.Insert(nCaret, strDigits[0]);
        ++nCaret;
    } else {
        strNew = strOld.Left(nCaret) + strDigits + strOld.Mid(nCaret);
    }

    if (!Reparse(strNew) || m_strText == strOld)
        return FALSE;
    const int nNewLength = m_strText.GetLength();
    if (!bSelection) {
        if (bInFraction && !bAtEnd)
            nCaret = std::min(nCaret + nTyped, nNewLength);
        else
            nCaret += nNewLength - nOldLength;
    } else if (bWholeNumber) {
        const int nNewDecimal = DecimalIndex(m_strText);
        nCaret = nNewDecimal < 0 ? nNewLength : (m_format.m_nIntDigits == 0 ? nNewDecimal + 1 : nNewDecimal);
    } else {
        nCaret = nNewLength - (nOldLength - nSelEnd);
    }
    m_nCaret = nCaret;
    ClearSelection();
    ClampCaret();
    return TRUE;
}

BOOL CGEBCurrencyEditModel::DeleteChar() {
    if (m_bReadOnly)
        return FALSE;
    const CString strOld = m_strText;
    int nSelStart = 0;
    int nSelEnd = 0;
    const BOOL bSelection = GetSelection(nSelStart, nSelEnd);
    if (!bSelection && m_nCaret >= strOld.GetLength())
        return FALSE;
    const int nDecimal = DecimalIndex(strOld);
    CString strNew;
    int nDigitsBefore = 0;
    BOOL bPlaced = FALSE;
    int nCaret = m_nCaret;
    if (bSelection) {
        strNew = strOld.Left(nSelStart) + strOld.Mid(nSelEnd);
        nDigitsBefore = DigitsBefore(strOld, nSelStart);
    } else {
        int nAt = m_nCaret;
        while (nAt < strOld.GetLength() && !IsDigitChar(strOld[nAt]))
            ++nAt;
        if (nAt >= strOld.GetLength())
            return FALSE;
        nDigitsBefore = DigitsBefore(strOld, nAt);
        strNew = strOld;
        if (nDecimal < 0 || nAt < nDecimal) {
            strNew.Delete(nAt, 1);
        } else {
            strNew.SetAt(nAt, '0');
            nCaret = nAt + 1;
            bPlaced = TRUE;
        }
    }
    if (!HasDigit(strNew))
        strNew += '0';
    if (!Reparse(strNew) || m_strText == strOld)
        return FALSE;
    if (m_dAmount == 0.0) {
        nCaret = ZeroCaret();
    } else if (!bPlaced) {
        const int nIndex = IndexOfDigit(m_strText, nDigitsBefore);
        nCaret = nIndex >= 0 ? nIndex : m_strText.GetLength();
    }
    m_nCaret = nCaret;
    ClearSelection();
    ClampCaret();
    return TRUE;
}

BOOL CGEBCurrencyEditModel::Backspace() {
    if (m_bReadOnly)
        return FALSE;
    if (HasSelection())
        return DeleteChar();
    const CString strOld = m_strText;
    int nFirst = -1;
    int nLast = -1;
    if (!const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(strOld, nFirst, nLast))
        return FALSE;
    const int nFirstDigit = IndexOfDigit(strOld, DigitsBefore(strOld, nFirst));
    if (m_nCaret <= nFirstDigit)
        return FALSE;
    int nAt = std::min(m_nCaret, strOld.GetLength()) - 1;
    while (nAt >= 0 && !IsDigitChar(strOld[nAt]))
        --nAt;
    if (nAt < 0)
        return FALSE;
    const int nDecimal = DecimalIndex(strOld);
    const BOOL bInteger = nDecimal < 0 || nAt < nDecimal;
    const int nDigitsBefore = DigitsBefore(strOld, nAt);
    CString strNew = strOld;
    if (bInteger)
        strNew.Delete(nAt, 1);
    else
        strNew.SetAt(nAt, '0');
    if (!HasDigit(strNew))
        strNew += '0';
    if (!Reparse(strNew) || m_strText == strOld)
        return FALSE;
    int nCaret = nAt;
    if (m_dAmount == 0.0) {
        nCaret = ZeroCaret();
    } else if (bInteger) {
        if (m_format.m_nIntDigits != -1) {
            nCaret = nAt + 1; // a fixed-width integer part: the caret keeps its place
        } else if (nDigitsBefore == 0) {
            nCaret = std::max(IndexOfDigit(m_strText, 0), 0);
        } else {
            nCaret = IndexOfDigit(m_strText, nDigitsBefore - 1) + 1;
        }
    }
    m_nCaret = nCaret;
    ClampCaret();
    return TRUE;
}

void CGEBCurrencyEditModel::ToggleSign() {
    int nFirst = -1;
    int nLast = -1;
    const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nFirst, nLast);
    int nSelStart = 0;
    int nSelEnd = 0;
    const BOOL bCoversAndBeyond = GetSelection(nSelStart, nSelEnd) && nSelStart <= nFirst &&
                                  nSelEnd >= nLast + 1 && (nSelStart < nFirst || nSelEnd > nLast + 1);
    m_bNegative = bCoversAndBeyond ? TRUE : !m_bNegative;
    Reformat();
    int nNewFirst = -1;
    int nNewLast = -1;
    const_cast<CGEBCurrencyFormat&>(m_format).FindNumberSpan(m_strText, nNewFirst, nNewLast);
    if (bCoversAndBeyond) {
        SetSelectionRaw(nNewFirst, nNewLast + 1);
        m_nCaret = nNewLast + 1;
        return;
    }
    ClearSelection();
    m_nCaret = std::clamp(m_nCaret + (nNewLast - nLast), 0, m_strText.GetLength());
}
