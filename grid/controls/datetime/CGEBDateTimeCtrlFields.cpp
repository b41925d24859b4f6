// The date-time editor's field requests: what an increment, a typed value or Home and End do to the date.
#include "grid/controls/datetime/CGEBDateTimeCtrl.h"

#include "grid/controls/gadgets/GECalendarDates.h"

#include <algorithm>

namespace {

bool IsUp(int nCode) {
    return nCode == GEB_DTN_INCREMENT || nCode == GEB_DTN_INCREMENT_BY;
}

bool IsDown(int nCode) {
    return nCode == GEB_DTN_DECREMENT || nCode == GEB_DTN_DECREMENT_BY;
}

bool IsSet(int nCode) {
    return nCode == GEB_DTN_TEST || nCode == GEB_DTN_SET;
}

// A step of one, or of the spin's count capped at two.
int SmallStep(int nCode, int nValue) {
    return nCode == GEB_DTN_INCREMENT_BY || nCode == GEB_DTN_DECREMENT_BY ? std::min(nValue, 2) : 1;
}

int Wrap(int nValue, int nCount) {
    return ((nValue % nCount) + nCount) % nCount;
}

} // namespace

int CGEBDateTimeCtrl::TwoDigitYear(int nValue) const {
    Fields f;
    const bool bHasValue = SplitDate(m_value, f);
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    const int nCurrentYear = now.wYear;
    if ((GetStyle() & GEB_DTS_KEEP_CENTURY) != 0)
        return (bHasValue ? f.year : nCurrentYear) / 100 * 100 + nValue;
    const int nReference = (GetStyle() & GEB_DTS_NEAR_CENTURY) != 0 && bHasValue ? f.year : nCurrentYear;
    return (nReference - nValue + 50) / 100 * 100 + nValue;
}

BOOL CGEBDateTimeCtrl::BuildCandidate(int nCode, UINT nFieldId, int nValue, const Fields& f,
                                      COleDateTime& candidate, int& nFixLevel) {
    int year = f.year, month = f.month, day = f.day, hour = f.hour, minute = f.minute, second = f.second;
    const bool bEnds = nCode == GEB_DTN_FIRST || nCode == GEB_DTN_LAST;
    bool bMoveBack = false; // a day beyond the month's end is moved back to it
    double dDayShift = 0;   // whole days, for the day of week
    switch (nFieldId) {
    case GEB_DTF_HOUR12:
    case GEB_DTF_HOUR24:
        nFixLevel = bEnds ? 3 : 2;
        if (IsUp(nCode))
            hour = Wrap(hour + SmallStep(nCode, nValue), 24);
        else if (IsDown(nCode))
            hour = Wrap(hour - SmallStep(nCode, nValue), 24);
        else if (IsSet(nCode) && nFieldId == GEB_DTF_HOUR12) {
            if (nValue < 1 || nValue > 12)
                return FALSE;
            hour = nValue % 12 + (m_bPM ? 12 : 0);
        } else if (IsSet(nCode)) {
            if (nValue < 0 || nValue > 23)
                return FALSE;
            hour = nValue;
        } else if (nCode == GEB_DTN_FIRST)
            hour = 0;
        else if (nCode == GEB_DTN_LAST)
            hour = 23;
        break;
    case GEB_DTF_MINUTE:
    case GEB_DTF_SECOND: {
        nFixLevel = (nFieldId == GEB_DTF_MINUTE ? 1 : 0) + (bEnds ? 1 : 0);
        int& field = nFieldId == GEB_DTF_MINUTE ? minute : second;
        if (IsUp(nCode))
            field = Wrap(field + SmallStep(nCode, nValue), 60);
        else if (IsDown(nCode))
            field = Wrap(field - SmallStep(nCode, nValue), 60);
        else if (IsSet(nCode)) {
            if (nValue < 0 || nValue > 59)
                return FALSE;
            field = nValue;
        } else if (nCode == GEB_DTN_FIRST)
            field = 0;
        else if (nCode == GEB_DTN_LAST)
            field = 59;
        break;
    }
    case GEB_DTF_AMPM:
        nFixLevel = 2;
        if (IsUp(nCode) || IsDown(nCode))
            hour = hour >= 12 ? hour - 12 : hour + 12;
        else if (IsSet(nCode)) {
            if (nValue != 0 && nValue != 1)
                return FALSE;
            if (nValue == 1 && hour < 12)
                hour += 12;
            else if (nValue == 0 && hour >= 12)
                hour -= 12;
        } else if (nCode == GEB_DTN_FIRST && hour >= 12)
            hour -= 12;
        else if (nCode == GEB_DTN_LAST && hour < 12)
            hour += 12;
        break;
    case GEB_DTF_DAY:
        nFixLevel = bEnds ? 4 : 3;
        bMoveBack = !IsSet(nCode);
        if (IsUp(nCode)) {
            day += SmallStep(nCode, nValue);
            if (day > GEDaysInMonth(year, month))
                day = 1;
        } else if (IsDown(nCode)) {
            day -= SmallStep(nCode, nValue);
            if (day < 1)
                day = 31;
        } else if (IsSet(nCode))
            day = nValue;
        else if (nCode == GEB_DTN_FIRST)
            day = 1;
        else if (nCode == GEB_DTN_LAST)
            day = 31;
        break;
    case GEB_DTF_DAYOFWEEK: {
        nFixLevel = bEnds ? 4 : 3;
        const int nIndex = f.dayOfWeek - 1; // 0 = Sunday
        if (IsUp(nCode))
            dDayShift = SmallStep(nCode, nValue);
        else if (IsDown(nCode))
            dDayShift = -SmallStep(nCode, nValue);
        else if (IsSet(nCode)) {
            if (nValue < 0 || nValue > 6)
                return FALSE;
            dDayShift = nValue - nIndex;
        } else if (nCode == GEB_DTN_FIRST)
            dDayShift = -nIndex;
        else if (nCode == GEB_DTN_LAST)
            dDayShift = 6 - nIndex;
        break;
    }
    case GEB_DTF_MONTH:
    case GEB_DTF_MONTHNAME:
        nFixLevel = bEnds ? 5 : 4;
        bMoveBack = true;
        if (IsUp(nCode))
            month = month == 12 ? 1 : month + 1;
        else if (IsDown(nCode))
            month = month == 1 ? 12 : month - 1;
        else if (IsSet(nCode)) {
            const int nMonth = nFieldId == GEB_DTF_MONTHNAME ? nValue + 1 : nValue;
            if (nMonth < 1 || nMonth > 12)
                return FALSE;
            month = nMonth;
        } else if (nCode == GEB_DTN_FIRST)
            month = 1;
        else if (nCode == GEB_DTN_LAST)
            month = 12;
        break;
    case GEB_DTF_YEAR2:
    case GEB_DTF_YEAR4: {
        nFixLevel = 5;
        bMoveBack = true;
        const int nStep = nCode == GEB_DTN_INCREMENT_BY || nCode == GEB_DTN_DECREMENT_BY ? nValue : 1;
        if (IsUp(nCode))
            year = std::min(year + nStep, 9999);
        else if (IsDown(nCode))
            year = std::max(year - nStep, 100);
        else if (IsSet(nCode)) {
            if (nValue < 0 || nValue > (nFieldId == GEB_DTF_YEAR2 ? 99 : 9999))
                return FALSE;
            year = nFieldId == GEB_DTF_YEAR2 ? TwoDigitYear(nValue) : nValue;
        } else if (nCode == GEB_DTN_FIRST || nCode == GEB_DTN_LAST) {
            Fields bound;
            if (!SplitDate(nCode == GEB_DTN_FIRST ? m_minimum : m_maximum, bound))
                return FALSE;
            year = bound.year;
        }
        break;
    }
    default:
        return FALSE;
    }
    if (dDayShift != 0) {
        candidate = COleDateTime(year, month, day, hour, minute, second) + COleDateTimeSpan(dDayShift);
        return candidate.GetStatus() == COleDateTime::valid;
    }
    candidate = COleDateTime(year, month, day, hour, minute, second);
    while (bMoveBack && candidate.GetStatus() != COleDateTime::valid && day >= 29)
        candidate = COleDateTime(year, month, --day, hour, minute, second);
    return candidate.GetStatus() == COleDateTime::valid;
}

int CGEBDateTimeCtrl::OnGadgetNotify(int nCode, UINT nFieldId, int nValue) {
    if (nCode == GEB_DTN_TYPING) {
        if (nValue != 0)
            m_dwChangeFlags |= GEB_DTC_TYPING;
        else
            m_dwChangeFlags &= ~GEB_DTC_TYPING;
        return TRUE;
    }
    if (nCode == GEB_DTN_ALL_DIGITS) {
        if (IsFastInput())
            NextField();
        return TRUE;
    }
    if (nFieldId == static_cast<UINT>(GEB_DTF_BUTTON))
        return DropDownCalendar();
    if (nFieldId == static_cast<UINT>(GEB_DTF_SPIN)) {
        CGEBDTGadget* pFocused = GetFocusedGadget();
        if (pFocused == nullptr || (pFocused->GetStyle() & GEB_DTG_FOCUSABLE) == 0 || pFocused->GetId() <= 0)
            return FALSE;
        return OnGadgetNotify(nCode, static_cast<UINT>(pFocused->GetId()), nValue);
    }
    Fields f;
    if (!SplitDate(m_value, f))
        return FALSE;
    COleDateTime candidate = m_value;
    int nFixLevel = 0;
    if (nCode != GEB_DTN_BUTTON && !BuildCandidate(nCode, nFieldId, nValue, f, candidate, nFixLevel))
        return FALSE;
    if (!ValidateDate(candidate, nFixLevel))
        return FALSE;
    if (nCode == GEB_DTN_TEST)
        return TRUE;
    if (!OnChanging(candidate))
        return FALSE;
    ApplyValue(candidate);
    if (nFieldId == static_cast<UINT>(GEB_DTF_AMPM))
        m_bPM = candidate.GetHour() >= 12;
    m_dwChangeFlags |= GEB_DTC_CHANGED;
    OnChanged();
    if (GetSafeHwnd() != nullptr)
        UpdateWindow();
    return TRUE;
}
