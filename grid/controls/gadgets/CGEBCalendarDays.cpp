// The calendar's days: filling the page, selecting and marking days, and stepping through days, weeks,
// months and years.
#include "grid/controls/gadgets/CGEBCalendar.h"

#include "grid/controls/gadgets/GECalendarDates.h"

#include <algorithm>

namespace {

COleDateTime FromTime(const CTime& time) {
    return COleDateTime(time.GetTime());
}

COleDateTimeSpan FromTimeSpan(const CTimeSpan& span) {
    return COleDateTimeSpan(static_cast<LONG>(span.GetDays()), span.GetHours(), span.GetMinutes(),
                            span.GetSeconds());
}

bool SameMonth(const COleDateTime& a, const COleDateTime& b) {
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth();
}

} // namespace

BOOL CGEBCalendar::IsDateInRange(int nYear, int nMonth, int nDay) {
    // Months and days beyond their ends (the sums of an approximate step) carry into the year; a real
    // date is judged by its own year, so all of December 2400 is in and all of December 1399 out.
    const auto floorDiv = [](long a, long b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
    };
    const long nMonths = nYear * 12L + (nMonth - 1) + floorDiv(nDay - 1, 31);
    const long nYears = floorDiv(nMonths, 12);
    return nYears >= 1400 && nYears <= 2400;
}

BOOL CGEBCalendar::SetDisplayedDate(const COleDateTime& date, BOOL bRedraw) {
    const COleDateTime noon = GENoonOf(date);
    if ((m_bCreated && (m_dwCalendarFlags & GEB_CAL_READONLY) != 0) ||
        noon.GetStatus() != COleDateTime::valid ||
        !IsDateInRange(noon.GetYear(), noon.GetMonth(), noon.GetDay())) {
        Beep();
        return 0;
    }
    m_dtDisplayed = noon;
    m_title.SetDate(noon);
    m_dtAnchor = noon;

    COleDateTime day(noon.GetYear(), noon.GetMonth(), 1, 12, 0, 0);
    const int nBack = (day.GetDayOfWeek() - m_dayBar.GetFirstDayOfWeek() + 7) % 7;
    day -= COleDateTimeSpan(static_cast<double>(nBack));
    m_pFocusBox = nullptr;
    bool bInMonth = false;
    for (CGEBDayBox& box : m_boxes) {
        if (day.GetDay() == 1)
            bInMonth = !bInMonth;
        box.SetDate(day);
        // Selectable for the moment, so that a selection shown before is taken away.
        box.SetCalendarFlags(m_dwCalendarFlags | GEB_CAL_SELECTABLE | GEB_CAL_MARKABLE);
        box.SetSelected(FALSE, FALSE);
        box.SetPanelFlags(bInMonth ? m_dwMonthFlags : m_dwOtherMonthFlags);
        box.SetOutsideMonth(!bInMonth);
        box.SetMarked(IsDayMarked(day), FALSE);
        if (m_bHasSelectedDay && m_dtSelected == day) {
            box.SetSelected(TRUE, FALSE);
            m_dtAnchor = day;
        }
        // The focus box always shows the focus day, or there is none on this page.
        if (m_dtFocus.GetStatus() == COleDateTime::valid && m_dtFocus == day)
            m_pFocusBox = &box;
        day += COleDateTimeSpan(1.0);
    }
    if (bRedraw && GetSafeHwnd() != nullptr) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return 1;
}

COleDateTime CGEBCalendar::GetFocusDate() const {
    if (m_pFocusBox == nullptr) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    return m_pFocusBox->GetDate();
}

CGEBDayBox* CGEBCalendar::FindDayBox(const COleDateTime& date) {
    const COleDateTime noon = GENoonOf(date);
    for (CGEBDayBox& box : m_boxes)
        if (box.IsDateSet() && box.GetDate() == noon)
            return &box;
    return nullptr;
}

CGEBDayBox* CGEBCalendar::DayBoxFromPoint(POINT point) {
    for (CGEBDayBox& box : m_boxes)
        if (box.PtInPanel(point))
            return &box;
    return nullptr;
}

BOOL CGEBCalendar::IsDayMarked(const COleDateTime& date) const {
    return std::binary_search(m_marked.begin(), m_marked.end(), GENoonOf(date));
}

BOOL CGEBCalendar::MarkDay(const CTime& time, BOOL bMark) {
    return MarkDay(FromTime(time), bMark);
}

BOOL CGEBCalendar::MarkDay(const COleDateTime& date, BOOL bMark) {
    const COleDateTime noon = GENoonOf(date);
    if (noon.GetStatus() != COleDateTime::valid)
        return 0;
    if (CGEBDayBox* pBox = FindDayBox(noon); pBox != nullptr) {
        pBox->SetMarked(bMark, TRUE);
        if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
            m_pOwner->PostMessage(GEB_CALN_MARK, pBox->IsMarked(), reinterpret_cast<LPARAM>(pBox));
    }
    const auto it = std::lower_bound(m_marked.begin(), m_marked.end(), noon);
    const bool bListed = it != m_marked.end() && *it == noon;
    if (bMark && !bListed)
        m_marked.insert(it, noon);
    else if (!bMark && bListed)
        m_marked.erase(it);
    return 1;
}

BOOL CGEBCalendar::SelectDay(const CTime& time, BOOL bSelect) {
    return SelectDay(FromTime(time), bSelect);
}

BOOL CGEBCalendar::SelectDay(const COleDateTime& date, BOOL bSelect) {
    const COleDateTime noon = GENoonOf(date);
    if (noon.GetStatus() != COleDateTime::valid)
        return 0;
    m_bHasSelectedDay = bSelect;
    if (bSelect) {
        m_dtSelected = noon;
        m_dtAnchor = noon;
    }
    m_dtFocus = noon;
    m_pFocusBox = nullptr;
    const bool bOwner = m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr;
    for (CGEBDayBox& box : m_boxes) {
        if (box.IsDateSet() && box.GetDate() == noon) {
            box.SetSelected(bSelect, TRUE);
            m_pFocusBox = &box;
            if (m_bCreated && bOwner)
                m_pOwner->PostMessage(GEB_CALN_SELECT, bSelect, reinterpret_cast<LPARAM>(&box));
            if ((m_dwCalendarFlags & GEB_CAL_ACCEPT_ON_SELECT) != 0 && bOwner)
                m_pOwner->PostMessage(GEB_CALN_ACCEPT, bSelect, reinterpret_cast<LPARAM>(&box));
        } else if (box.IsSelected()) {
            box.SetSelected(FALSE, TRUE);
        }
    }
    if (m_bCreated && GetSafeHwnd() != nullptr)
        SetFocus();
    return 1;
}

BOOL CGEBCalendar::ToggleSelectDay(const CTime& time) {
    return ToggleSelectDay(FromTime(time));
}

BOOL CGEBCalendar::ToggleSelectDay(const COleDateTime& date) {
    CGEBDayBox* pBox = FindDayBox(date);
    if (pBox == nullptr)
        return FALSE;
    SelectDay(date, !pBox->IsSelected());
    // SelectDay has told the owner already under this flag; the calendar only closes.
    if ((m_dwCalendarFlags & GEB_CAL_ACCEPT_ON_SELECT) != 0 && GetSafeHwnd() != nullptr) {
        m_bClosed = TRUE;
        ShowWindow(SW_HIDE);
    }
    return TRUE;
}

BOOL CGEBCalendar::ToggleMarkDay(const CTime& time) {
    return ToggleMarkDay(FromTime(time));
}

BOOL CGEBCalendar::ToggleMarkDay(const COleDateTime& date) {
    if (CGEBDayBox* pBox = FindDayBox(date); pBox != nullptr)
        MarkDay(date, !pBox->IsMarked());
    return 1;
}

BOOL CGEBCalendar::IsSpanInRange(const COleDateTime& base, const COleDateTimeSpan& span) {
    const LONG nDays = span.GetDays();
    const int nYears = nDays / 365;
    const int nMonths = (nDays % 365) / 28;
    const int nRest = (nDays % 365) % 28;
    return IsDateInRange(base.GetYear() + nYears, base.GetMonth() + nMonths, base.GetDay() + nRest);
}

BOOL CGEBCalendar::ShiftFocusDay(const CTimeSpan& span) {
    return ShiftFocusDay(FromTimeSpan(span));
}

BOOL CGEBCalendar::ShiftFocusDay(const COleDateTimeSpan& span) {
    if (m_pFocusBox == nullptr) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    const COleDateTime focus = m_pFocusBox->GetDate();
    const COleDateTime target = GENoonOf(focus + span);
    if (!IsSpanInRange(focus, span) || target.GetStatus() != COleDateTime::valid) {
        Beep();
        return 0;
    }
    if (!SameMonth(target, focus) && !SetDisplayedDate(target, TRUE))
        return 0;
    SelectDay(target, TRUE);
    return 1;
}

BOOL CGEBCalendar::ShiftDisplayedDate(const CTimeSpan& span) {
    return ShiftDisplayedDate(FromTimeSpan(span));
}

BOOL CGEBCalendar::ShiftDisplayedDate(const COleDateTimeSpan& span) {
    if (!IsSpanInRange(m_dtDisplayed, span)) {
        Beep();
        return 0;
    }
    return SetDisplayedDate(m_dtDisplayed + span, TRUE);
}

BOOL CGEBCalendar::Step(BOOL bFocus, const COleDateTimeSpan& span) {
    return bFocus ? ShiftFocusDay(span) : ShiftDisplayedDate(span);
}

BOOL CGEBCalendar::NextDay(BOOL bFocus) {
    return Step(bFocus, COleDateTimeSpan(1.0));
}

BOOL CGEBCalendar::PrevDay(BOOL bFocus) {
    return Step(bFocus, COleDateTimeSpan(-1.0));
}

BOOL CGEBCalendar::NextWeek(BOOL bFocus) {
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    return Step(bFocus, COleDateTimeSpan(7.0));
}

BOOL CGEBCalendar::PrevWeek(BOOL bFocus) {
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    return Step(bFocus, COleDateTimeSpan(-7.0));
}

BOOL CGEBCalendar::StepMonths(BOOL bFocus, int nMonths) {
    if (bFocus && m_pFocusBox == nullptr) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    const COleDateTime base = bFocus ? m_pFocusBox->GetDate() : m_dtDisplayed;
    // The same day of the target month, or its last day: a step from 31 January lands in February.
    const COleDateTime target = GEAddMonths(base, nMonths);
    if (target.GetStatus() != COleDateTime::valid) {
        Beep();
        return 0;
    }
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    return Step(bFocus, target - base);
}

BOOL CGEBCalendar::NextMonth(BOOL bFocus) {
    return StepMonths(bFocus, 1);
}

BOOL CGEBCalendar::PrevMonth(BOOL bFocus) {
    return StepMonths(bFocus, -1);
}

BOOL CGEBCalendar::StepYears(BOOL bFocus, int nYears) {
    if (bFocus && m_pFocusBox == nullptr) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    const COleDateTime base = bFocus ? m_pFocusBox->GetDate() : m_dtDisplayed;
    if (!IsDateInRange(base.GetYear() + nYears, 1, 1)) {
        Beep();
        return 0;
    }
    // 29 February becomes the 28th of a year without it.
    const COleDateTime target = GEAddMonths(base, 12 * nYears);
    if (target.GetStatus() != COleDateTime::valid) {
        Beep();
        return 0;
    }
    return Step(bFocus, target - base);
}

BOOL CGEBCalendar::NextYear(BOOL bFocus) {
    return StepYears(bFocus, 1);
}

BOOL CGEBCalendar::PrevYear(BOOL bFocus) {
    return StepYears(bFocus, -1);
}
