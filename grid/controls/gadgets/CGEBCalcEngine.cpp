#include "grid/controls/gadgets/CGEBCalcEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// A number printed in the C locale with a fixed count of fraction digits.
std::string PrintFixed(double dValue, int nDecimals) {
    const int nLength = std::snprintf(nullptr, 0, "%.*f", nDecimals, dValue);
    std::string text(static_cast<size_t>(std::max(nLength, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", nDecimals, dValue);
    text.resize(static_cast<size_t>(std::max(nLength, 0)));
    return text;
}

// Zeros at the end of the fraction go; the point itself stays.
void CutTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos)
        return;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
}

} // namespace

void CGEBCalcEngine::SetDecimalSeparator(const CString& strSeparator) {
    m_strSeparator = strSeparator.IsEmpty() ? CString(".") : strSeparator;
}

void CGEBCalcEngine::SetDigitCapacity(int nDigits) {
    m_nCapacity = std::max(nDigits, 1);
    m_nDecimals = std::min(m_nDecimals, m_nCapacity);
}

void CGEBCalcEngine::Reset(BOOL bKeepValue) {
    if (!bKeepValue) {
        m_dValue = 0.0;
        m_strDisplay.Empty();
    }
    m_bError = FALSE;
    m_nPending = opNone;
    m_bNewEntry = TRUE;
}

void CGEBCalcEngine::SetValue(double dValue) {
    Reset();
    m_dValue = dValue;
    FormatValue(dValue);
}

CString CGEBCalcEngine::GetShownText() const {
    CString strText = m_strDisplay.IsEmpty() ? CString("0") : m_strDisplay;
    if (strText.Find(m_strSeparator) < 0)
        strText += m_strSeparator;
    return strText;
}

void CGEBCalcEngine::CountDigits(const CString& strText, int& nInt, int& nFrac, BOOL& bSeparator) const {
    const int nSep = strText.Find(m_strSeparator);
    bSeparator = nSep >= 0;
    nInt = 0;
    nFrac = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] < '0' || strText[i] > '9')
            continue;
        if (bSeparator && i > nSep)
            ++nFrac;
        else
            ++nInt;
    }
}

void CGEBCalcEngine::FormatValue(double dValue) {
    if (dValue == 0.0 || std::isnan(dValue))
        dValue = 0.0; // no "-0"
    if (std::isinf(dValue)) {
        m_bError = TRUE;
        return;
    }
    const int nLimit = std::min(m_nCapacity, std::fabs(dValue) >= 1.0 ? 15 : 16);
    int nDecimals = m_nDecimals;
    // Each pass prints fewer fraction digits; rounding may add an integer digit, hence the second test.
    for (int nPass = 0; nPass < 4; ++nPass) {
        std::string text = PrintFixed(dValue, std::max(nDecimals, 0));
        CutTrailingZeros(text);
        CString strText(text.c_str());
        strText.Replace(".", m_strSeparator);
        int nInt = 0;
        int nFrac = 0;
        BOOL bSeparator = FALSE;
        CountDigits(strText, nInt, nFrac, bSeparator);
        if (nInt > nLimit || nInt > maxIntegerDigits) {
            m_bError = TRUE;
            return;
        }
        m_strDisplay = strText;
        if (nInt + nFrac <= nLimit)
            return;
        nDecimals = nLimit - nInt;
    }
}

BOOL CGEBCalcEngine::HandleEvent(UINT nCommand, BOOL& bRefused) {
    bRefused = FALSE;
    if (m_bError && nCommand != cmdClear) {
        if (nCommand == cmdClearEntry)
            return OnClear(nCommand, bRefused);
        bRefused = TRUE;
        return FALSE;
    }
    struct Entry {
        UINT nFirst;
        UINT nLast;
        Handler pfn;
    };
    static const Entry s_table[] = {
        {cmdMultiply, cmdEquals, &CGEBCalcEngine::OnOperator},
        {cmdClear, cmdClear, &CGEBCalcEngine::OnClear},
        {cmdClearEntry, cmdClearEntry, &CGEBCalcEngine::OnClearEntry},
        {cmdDigit0, cmdDigit9, &CGEBCalcEngine::OnDigit},
        {cmdDecimal, cmdDecimal, &CGEBCalcEngine::OnDecimal},
        {cmdBackspace, cmdBackspace, &CGEBCalcEngine::OnBackspace},
    };
    for (const Entry& entry : s_table) {
        if (nCommand >= entry.nFirst && nCommand <= entry.nLast)
            return (this->*entry.pfn)(nCommand, bRefused);
    }
    return FALSE;
}

void CGEBCalcEngine::BeginEntry() {
    if (m_bNewEntry) {
        m_strDisplay.Empty();
        m_bNewEntry = FALSE;
    }
}

BOOL CGEBCalcEngine::OnDigit(UINT nCommand, BOOL& bRefused) {
    BeginEntry();
    const char cDigit = static_cast<char>('0' + (nCommand - cmdDigit0));
    if (cDigit == '0' && m_strDisplay.IsEmpty())
        return TRUE; // no leading zero
    CString strText = m_strDisplay;
    if (!strText.IsEmpty() && strText[0] == '-')
        strText = strText.Mid(1);
    const int nLimit = std::min(!strText.IsEmpty() && strText[0] == '0' ? 16 : 15, m_nCapacity);
    int nInt = 0;
    int nFrac = 0;
    BOOL bSeparator = FALSE;
    CountDigits(strText, nInt, nFrac, bSeparator);
    if (nFrac < m_nDecimals && (bSeparator || nInt < maxIntegerDigits) && nFrac + nInt < nLimit) {
        m_strDisplay += cDigit;
        return TRUE;
    }
    bRefused = TRUE;
    return FALSE;
}

BOOL CGEBCalcEngine::OnDecimal(UINT, BOOL&) {
    BeginEntry();
    if (m_strDisplay.Find(m_strSeparator) >= 0)
        return FALSE;
    if (m_strDisplay.IsEmpty())
        m_strDisplay = "0";
    m_strDisplay += m_strSeparator;
    return TRUE;
}

BOOL CGEBCalcEngine::OnBackspace(UINT, BOOL&) {
    if (m_bNewEntry || m_strDisplay.IsEmpty())
        return FALSE;
    const int nLength = m_strDisplay.GetLength();
    const int nSepLength = m_strSeparator.GetLength();
    // A separator of more than one byte goes as a whole.
    if (nLength >= nSepLength && m_strDisplay.Mid(nLength - nSepLength) == m_strSeparator)
        m_strDisplay = m_strDisplay.Left(nLength - nSepLength);
    else
        m_strDisplay = m_strDisplay.Left(nLength - 1);
    return TRUE;
}

BOOL CGEBCalcEngine::ReadOperand(double& dValue) const {
    dValue = 0.0;
    if (m_strDisplay.IsEmpty())
        return TRUE;
    CString strText = m_strDisplay;
    strText.Replace(m_strSeparator, ".");
    return std::sscanf(strText, "%lf", &dValue) == 1;
}

BOOL CGEBCalcEngine::OnOperator(UINT nCommand, BOOL&) {
    double x = 0.0;
    if (!ReadOperand(x))
        return FALSE;
    if (nCommand == cmdPercent) {
        x = (m_nPending == opMultiply || m_nPending == opDivide) ? x * m_dValue * 0.01 : 0.0;
    } else {
        switch (m_nPending) {
        case opMultiply:
            x = x * m_dValue;
            break;
        case opAdd:
            x = x + m_dValue;
            break;
        case opSubtract:
            x = m_dValue - x;
            break;
        case opDivide:
            if (x == 0.0)
                m_bError = TRUE;
            else
                x = m_dValue / x;
            break;
        default:
            break;
        }
    }
    if (!m_bError) {
        m_bNewEntry = TRUE;
        m_dValue = x;
        m_nPending = (nCommand == cmdPercent || nCommand == cmdEquals) ? opNone : nCommand;
        FormatValue(m_dValue);
    }
    return TRUE;
}

BOOL CGEBCalcEngine::OnClear(UINT, BOOL&) {
    Reset();
    return TRUE;
}

BOOL CGEBCalcEngine::OnClearEntry(UINT, BOOL&) {
    m_strDisplay.Empty();
    m_bNewEntry = TRUE;
    return TRUE;
}
