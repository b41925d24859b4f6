#include "grid/controls/gadgets/CGEBCalTitle.h"

#include "grid/controls/gadgets/CGEBCalendar.h"
#include "grid/controls/gadgets/GELocaleNames.h"

IMPLEMENT_DYNAMIC(CGEBCalTitle, CGEBPanel)

BOOL CGEBCalTitle::CreateButtons(CGEBCalendar* pCalendar) {
    m_pCalendar = pCalendar;
    const RECT tiny{0, 0, 1, 1};
    const DWORD dwStyle = WS_CHILD | BS_PUSHBUTTON;
    BOOL bOk = TRUE;
    if ((m_dwCalendarFlags & GEB_CAL_MONTH_BUTTONS) != 0) {
        bOk &= m_btnPrevMonth.Create("<", dwStyle, tiny, pCalendar, GEB_ID_PREV_MONTH);
        bOk &= m_btnNextMonth.Create(">", dwStyle, tiny, pCalendar, GEB_ID_NEXT_MONTH);
    }
    if ((m_dwCalendarFlags & GEB_CAL_YEAR_BUTTONS) != 0) {
        bOk &= m_btnPrevYear.Create("<<", dwStyle, tiny, pCalendar, GEB_ID_PREV_YEAR);
        bOk &= m_btnNextYear.Create(">>", dwStyle, tiny, pCalendar, GEB_ID_NEXT_YEAR);
    }
    return bOk;
}

CButton* CGEBCalTitle::GetButton(UINT nId) {
    CButton* pButton = nullptr;
    switch (nId) {
    case GEB_ID_PREV_YEAR:
        pButton = &m_btnPrevYear;
        break;
    case GEB_ID_PREV_MONTH:
        pButton = &m_btnPrevMonth;
        break;
    case GEB_ID_NEXT_MONTH:
        pButton = &m_btnNextMonth;
        break;
    case GEB_ID_NEXT_YEAR:
        pButton = &m_btnNextYear;
        break;
    default:
        return nullptr;
    }
    return pButton->GetSafeHwnd() != nullptr ? pButton : nullptr;
}

BOOL CGEBCalTitle::HasVisibleButtons() const {
    return (m_nMonthButtons > 0 && m_btnPrevMonth.GetSafeHwnd() != nullptr) ||
           (m_nYearButtons > 0 && m_btnPrevYear.GetSafeHwnd() != nullptr);
}

void CGEBCalTitle::PlaceButton(CButton& button, const RECT& rect, double dFrom, double dTo, BOOL bFromRight) {
    if (button.GetSafeHwnd() == nullptr)
        return;
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    const int nTop = rect.top + cy / 5;
    const int nBottom = rect.bottom - cy / 5;
    int nLeft = rect.left + static_cast<int>(cx * dFrom);
    int nRight = rect.left + static_cast<int>(cx * dTo);
    if (bFromRight) {
        nLeft = rect.right - static_cast<int>(cx * dTo);
        nRight = rect.right - static_cast<int>(cx * dFrom);
    }
    button.MoveWindow(nLeft, nTop, nRight - nLeft, nBottom - nTop, FALSE);
}

RECT CGEBCalTitle::SetRect(const RECT& rect) {
    const RECT old = CGEBPanel::SetRect(rect);
    const bool bYear = m_btnPrevYear.GetSafeHwnd() != nullptr;
    const double dMonthFrom = bYear ? 0.15 : 0.05;
    const double dMonthTo = bYear ? 0.25 : 0.15;
    PlaceButton(m_btnPrevYear, rect, 0.05, 0.15, FALSE);
    PlaceButton(m_btnNextYear, rect, 0.05, 0.15, TRUE);
    PlaceButton(m_btnPrevMonth, rect, dMonthFrom, dMonthTo, FALSE);
    PlaceButton(m_btnNextMonth, rect, dMonthFrom, dMonthTo, TRUE);
    for (CButton* pButton : {&m_btnPrevYear, &m_btnNextYear, &m_btnPrevMonth, &m_btnNextMonth}) {
        if (pButton->GetSafeHwnd() == nullptr)
            continue;
        const bool bYearButton = pButton == &m_btnPrevYear || pButton == &m_btnNextYear;
        const int nCount = bYearButton ? m_nYearButtons : m_nMonthButtons;
        pButton->EnableWindow(TRUE);
        pButton->ShowWindow(nCount > 0 ? SW_SHOWNA : SW_HIDE);
    }
    return old;
}

void CGEBCalTitle::SetDate(const COleDateTime& date) {
    CString strMonth;
    GEGetMonthName(strMonth, date.GetMonth(), (m_dwPanelFlags & GEB_PANEL_FULL_MONTH_NAME) != 0);
    CString strText;
    strText.Format("%s %d", static_cast<LPCSTR>(strMonth), date.GetYear());
    SetText(strText);
}

CSize CGEBCalTitle::CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) {
    CScopedFont font(pDC, pLogFont);
    const CSize extent =
        pDC->GetTextExtent((m_dwPanelFlags & GEB_PANEL_FULL_MONTH_NAME) != 0 ? CString("September, 2000")
                                                                             : CString("Sep, 2000"));
    const double dWidth = HasVisibleButtons() ? 2.2 : 1.2;
    return CSize(static_cast<int>(extent.cx * dWidth), static_cast<int>(extent.cy * 1.2));
}

void CGEBCalTitle::Draw(CDC* pDC) {
    CGEBPanel::Draw(pDC);
    CFont* pFont = pDC->GetCurrentFont();
    for (CButton* pButton : {&m_btnPrevYear, &m_btnPrevMonth, &m_btnNextMonth, &m_btnNextYear}) {
        if (pButton->GetSafeHwnd() == nullptr)
            continue;
        if (pFont != nullptr)
            pButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), FALSE);
        pButton->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}
