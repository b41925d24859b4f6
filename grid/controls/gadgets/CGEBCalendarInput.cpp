// The calendar's mouse, keyboard and buttons, and closing it with accept or cancel.
#include "grid/controls/gadgets/CGEBCalendar.h"

#include "grid/controls/gadgets/GECalendarDates.h"

void CGEBCalendar::CloseWith(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    if (m_bClosed)
        return;
    m_bClosed = TRUE;
    if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
        m_pOwner->PostMessage(nMessage, wParam, lParam);
    if (GetSafeHwnd() != nullptr)
        ShowWindow(SW_HIDE);
}

LRESULT CGEBCalendar::OnAccept(WPARAM wParam, LPARAM lParam) {
    CloseWith(GEB_CALN_ACCEPT, wParam, lParam);
    return 0;
}

LRESULT CGEBCalendar::OnCancel(WPARAM wParam, LPARAM lParam) {
    CloseWith(GEB_CALN_CANCEL, wParam, lParam);
    return 0;
}

void CGEBCalendar::OnNextMonthButton() {
    NextMonth(FALSE);
}

void CGEBCalendar::OnPrevYearButton() {
    PrevYear(FALSE);
}

void CGEBCalendar::OnNextYearButton() {
    NextYear(FALSE);
}

void CGEBCalendar::OnPrevMonthButton() {
    PrevMonth(FALSE);
}

void CGEBCalendar::ClickBox(CGEBDayBox* pBox) {
    if (pBox != nullptr)
        pBox->OnClick();
}

void CGEBCalendar::OnLButtonDown(UINT, CPoint point) {
    CGEBDayBox* pBox = DayBoxFromPoint(point);
    if (pBox == nullptr)
        return;
    m_bRestore = m_bHasSelectedDay && m_dtSelected.GetYear() == m_dtDisplayed.GetYear() &&
                 m_dtSelected.GetMonth() == m_dtDisplayed.GetMonth();
    m_dtRestore = m_dtSelected;
    ClickBox(pBox);
    if ((m_dwCalendarFlags & GEB_CAL_DRAG_MODE) != 0 && m_pFocusBox != nullptr && m_pFocusBox->IsSelected()) {
        SetCapture();
        m_bTracking = TRUE;
    }
}

void CGEBCalendar::OnMouseMove(UINT, CPoint point) {
    if (!m_bTracking)
        return;
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        if (m_pFocusBox != nullptr && m_pFocusBox->IsSelected())
            SelectDay(m_pFocusBox->GetDate(), FALSE);
        return;
    }
    if (CGEBDayBox* pBox = DayBoxFromPoint(point); pBox != nullptr && !pBox->IsSelected())
        ClickBox(pBox);
}

void CGEBCalendar::OnLButtonUp(UINT, CPoint point) {
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    CGEBDayBox* pBox = DayBoxFromPoint(point);
    if (pBox != nullptr)
        ClickBox(pBox);
    if (client.PtInRect(point) || pBox != nullptr) {
        if ((m_dwCalendarFlags & GEB_CAL_ACCEPT_ON_CLICK) != 0)
            CloseWith(GEB_CALN_ACCEPT, 0, 0);
        return;
    }
    if (m_bRestore)
        SelectDay(m_dtRestore, TRUE);
}

void CGEBCalendar::OnCancelMode() {
    if (m_bTracking) {
        m_bTracking = FALSE;
        ReleaseCapture();
        if (m_bRestore)
            SelectDay(m_dtRestore, TRUE);
    }
    Default();
}

void CGEBCalendar::OnLButtonDblClk(UINT, CPoint point) {
    if (CGEBDayBox* pBox = DayBoxFromPoint(point); pBox != nullptr)
        pBox->OnDoubleClick();
}

void CGEBCalendar::OnRButtonDown(UINT, CPoint point) {
    if (CGEBDayBox* pBox = DayBoxFromPoint(point); pBox != nullptr)
        pBox->OnRightClick();
}

void CGEBCalendar::OnKeyDown(UINT nChar, UINT, UINT) {
    if ((m_dwCalendarFlags & GEB_CAL_KEYBOARD) == 0)
        return;
    const BOOL bCtrl = IsCtrlDown();
    const COleDateTime first(m_dtDisplayed.GetYear(), m_dtDisplayed.GetMonth(), 1, 12, 0, 0);
    switch (nChar) {
    case VK_RIGHT:
    case VK_NUMPAD6:
        bCtrl ? NextMonth(TRUE) : NextDay(TRUE);
        break;
    case VK_LEFT:
    case VK_NUMPAD4:
        bCtrl ? PrevMonth(TRUE) : PrevDay(TRUE);
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
        bCtrl ? NextYear(TRUE) : NextWeek(TRUE);
        break;
    case VK_UP:
    case VK_NUMPAD8:
        bCtrl ? PrevYear(TRUE) : PrevWeek(TRUE);
        break;
    case VK_NEXT:
        bCtrl ? NextYear(TRUE) : NextMonth(TRUE);
        break;
    case VK_PRIOR:
        bCtrl ? PrevYear(TRUE) : PrevMonth(TRUE);
        break;
    case VK_HOME:
        SelectDay(first, TRUE);
        break;
    case VK_END:
        SelectDay(COleDateTime(first.GetYear(), first.GetMonth(),
                               GEDaysInMonth(first.GetYear(), first.GetMonth()), 12, 0, 0),
                  TRUE);
        break;
    case VK_SPACE:
        ToggleSelectDay(m_dtAnchor);
        break;
    case VK_RETURN:
        CloseWith(m_pFocusBox != nullptr ? GEB_CALN_ACCEPT : GEB_CALN_CANCEL, 0, 0);
        break;
    case VK_ESCAPE:
    case VK_CANCEL:
        CloseWith(GEB_CALN_CANCEL, 0, 0);
        break;
    default:
        break;
    }
    if (GetSafeHwnd() != nullptr)
        Default();
}
