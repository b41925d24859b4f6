#include "grid/controls/datetime/CGEBDTNumericGadget.h"

IMPLEMENT_DYNAMIC(CGEBDTNumericGadget, CGEBDTGadget)

BOOL CGEBDTNumericGadget::Initialise(CGEBDateTimeCtrl* pOwner, int nMinimum, int nMaximum, int nValue,
                                     BOOL bZeroPadding, int nId) {
    CGEBDTGadget::Initialise(pOwner, nId);
    m_nMinimum = nMinimum;
    m_nMaximum = nMaximum;
    m_nValue = nValue;
    m_bZeroPadding = bZeroPadding;
    m_nDigits = nMaximum < 10 ? 1 : nMaximum < 100 ? 2 : nMaximum < 1000 ? 3 : 4;
    m_dwStyle = GEB_DTG_FOCUSABLE;
    return TRUE;
}

CString CGEBDTNumericGadget::FormatValue(int nValue) const {
    CString strText;
    if (m_bZeroPadding) {
        CString strFormat;
        strFormat.Format("%%0%dd", m_nDigits);
        strText.Format(strFormat, nValue);
    } else {
        strText.Format("%d", nValue);
    }
    return strText;
}

CString CGEBDTNumericGadget::GetText() const {
    return FormatValue(IsTyping() ? m_nTypedValue : m_nValue);
}

void CGEBDTNumericGadget::CalcSize(CDC* pDC) {
    const CSize size = MeasureText(pDC, CString("00000").Left(m_nDigits));
    m_rect = RECT{0, 0, size.cx, size.cy};
}

void CGEBDTNumericGadget::Draw(CDC* pDC) {
    DrawFieldText(pDC, GetText());
}

BOOL CGEBDTNumericGadget::SetFocus(BOOL bFocus) {
    if (IsTyping())
        CommitTyping();
    return CGEBDTGadget::SetFocus(bFocus);
}

BOOL CGEBDTNumericGadget::CommitTyping() {
    const int nTyped = m_nTypedValue;
    m_nTypedDigits = 0;
    BOOL bResult = FALSE;
    if (Notify(GEB_DTN_TEST, m_nId, nTyped)) {
        m_nValue = nTyped;
        Notify(GEB_DTN_SET, m_nId, nTyped);
        bResult = TRUE;
    } else {
        ::MessageBeep(0xFFFFFFFF);
        Invalidate(TRUE);
    }
    Notify(GEB_DTN_TYPING, m_nId, 0);
    return bResult;
}

void CGEBDTNumericGadget::OnKeyDown(UINT nChar) {
    const bool bDigitKey = (nChar >= '0' && nChar <= '9') || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9);
    if (!bDigitKey && IsTyping() && !CommitTyping())
        return;
    switch (nChar) {
    case VK_END:
        Notify(GEB_DTN_LAST, m_nId, 0);
        break;
    case VK_HOME:
        Notify(GEB_DTN_FIRST, m_nId, 0);
        break;
    case VK_UP:
    case VK_ADD:
        Notify(GEB_DTN_INCREMENT, m_nId, 0);
        break;
    case VK_DOWN:
    case VK_SUBTRACT:
        Notify(GEB_DTN_DECREMENT, m_nId, 0);
        break;
    default:
        break;
    }
}

void CGEBDTNumericGadget::OnChar(UINT nChar) {
    if (nChar >= '0' && nChar <= '9') {
        // Further leading zeros neither count nor show.
        if (IsTyping() && m_nTypedValue == 0 && nChar == '0')
            return;
        if (IsTyping()) {
            m_nTypedValue *= 10;
        } else {
            Notify(GEB_DTN_TYPING, m_nId, 1);
            m_nTypedValue = 0;
        }
        m_nTypedValue += static_cast<int>(nChar - '0');
        ++m_nTypedDigits;
        if (m_nTypedDigits >= m_nDigits) {
            if (CommitTyping())
                Notify(GEB_DTN_ALL_DIGITS, m_nId, 0);
        }
        Invalidate(TRUE);
        return;
    }
    if (IsTyping()) {
        ::MessageBeep(0xFFFFFFFF);
        m_nTypedDigits = 0;
        Invalidate(TRUE);
        Notify(GEB_DTN_TYPING, m_nId, 0);
    }
}

void CGEBDTNumericGadget::OnCancelMode() {
    if (IsTyping())
        CommitTyping();
}
