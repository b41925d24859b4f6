#include "grid/controls/datetime/CGEBDTListGadget.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGEBDTListGadget, CGEBDTGadget)

namespace {

// Whether the entry begins with the text, compared without case over the text's bytes.
bool BeginsWith(const CString& strEntry, const CString& strText) {
    const int nLength = strText.GetLength();
    if (nLength == 0 || strEntry.GetLength() < nLength)
        return false;
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, strEntry, nLength, strText, nLength) ==
           CSTR_EQUAL;
}

} // namespace

BOOL CGEBDTListGadget::Initialise(CGEBDateTimeCtrl* pOwner, const CStringArray& entries, int nValue,
                                  int nId) {
    CGEBDTGadget::Initialise(pOwner, nId);
    m_entries.RemoveAll();
    for (INT_PTR i = 0; i < entries.GetSize(); ++i)
        m_entries.Add(entries[i]);
    m_nValue = nValue;
    m_dwStyle = GEB_DTG_FOCUSABLE;
    return TRUE;
}

CString CGEBDTListGadget::GetText() const {
    if (m_nValue < 0 || m_nValue >= m_entries.GetSize())
        return CString();
    return m_entries[m_nValue];
}

void CGEBDTListGadget::CalcSize(CDC* pDC) {
    CSize largest(0, 0);
    for (INT_PTR i = 0; i < m_entries.GetSize(); ++i) {
        const CSize size = MeasureText(pDC, m_entries[i]);
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    if (m_entries.GetSize() == 0)
        largest = MeasureText(pDC, CString());
    m_rect = RECT{0, 0, largest.cx, largest.cy};
}

void CGEBDTListGadget::Draw(CDC* pDC) {
    DrawFieldText(pDC, GetText());
}

void CGEBDTListGadget::StopTyping() {
    StopTimer();
    m_bTyping = FALSE;
}

BOOL CGEBDTListGadget::SetFocus(BOOL bFocus) {
    StopTyping();
    return CGEBDTGadget::SetFocus(bFocus);
}

void CGEBDTListGadget::OnKeyDown(UINT nChar) {
    int nCode = 0;
    switch (nChar) {
    case VK_END:
        nCode = GEB_DTN_LAST;
        break;
    case VK_HOME:
        nCode = GEB_DTN_FIRST;
        break;
    case VK_UP:
    case VK_ADD:
        nCode = GEB_DTN_INCREMENT;
        break;
    case VK_DOWN:
    case VK_SUBTRACT:
        nCode = GEB_DTN_DECREMENT;
        break;
    default:
        return;
    }
    StopTyping();
    Notify(nCode, m_nId, 0);
}

int CGEBDTListGadget::Search(const CString& strText, int nStart) {
    const int nCount = static_cast<int>(m_entries.GetSize());
    if (nStart < 0 || nStart >= nCount)
        nStart = 0;
    for (int n = 0; n < nCount; ++n) {
        const int nIndex = (nStart + n) % nCount;
        if (BeginsWith(m_entries[nIndex], strText) && Notify(GEB_DTN_TEST, m_nId, nIndex)) {
            Notify(GEB_DTN_SET, m_nId, nIndex);
            return nIndex;
        }
    }
    return -1;
}

void CGEBDTListGadget::OnChar(UINT nChar) {
    if (m_nBytes >= 2)
        m_nBytes = 0;
    m_bytes[m_nBytes++] = static_cast<BYTE>(nChar);
    if (m_nBytes == 1 && ::IsDBCSLeadByte(m_bytes[0]))
        return; // the trail byte follows
    const CString strChar(reinterpret_cast<const char*>(m_bytes), m_nBytes);
    m_nBytes = 0;

    const bool bSingle =
        !m_strPrefix.IsEmpty() &&
        (m_strPrefix.GetLength() == 1 ||
         (m_strPrefix.GetLength() == 2 && ::IsDBCSLeadByte(static_cast<BYTE>(m_strPrefix[0]))));
    if (bSingle && m_strPrefix.CompareNoCase(strChar) == 0) {
        // The same initial again: the next entry that begins with it.
        Search(strChar, m_nValue + 1);
        Invalidate(TRUE);
        StartTimer(kTypingTimeout);
        m_bTyping = TRUE;
        return;
    }
    if (!m_strPrefix.IsEmpty()) {
        const CString strPrefix = m_strPrefix + strChar;
        if (Search(strPrefix, m_nValue) < 0) {
            StopTimer();
            ::MessageBeep(0xFFFFFFFF);
            m_strPrefix.Empty();
            m_bTyping = FALSE;
            return;
        }
        m_strPrefix = strPrefix;
        Invalidate(TRUE);
        StartTimer(kTypingTimeout);
        return;
    }
    if (Search(strChar, m_nValue + 1) < 0) {
        ::MessageBeep(0xFFFFFFFF);
        return;
    }
    Invalidate(TRUE);
    m_strPrefix = strChar;
    StartTimer(kTypingTimeout);
    m_bTyping = TRUE;
}

void CGEBDTListGadget::OnTimer() {
    StopTimer();
    m_bTyping = FALSE;
    m_strPrefix.Empty();
}
