#include "grid/controls/gadgets/GECalendarDates.h"

#include <algorithm>

namespace {

bool IsLeapYear(int nYear) {
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

COleDateTime Invalid() {
    COleDateTime date;
    date.SetStatus(COleDateTime::invalid);
    return date;
}

} // namespace

int GEDaysInMonth(int nYear, int nMonth) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

COleDateTime GENoonOf(const COleDateTime& date) {
    if (date.GetYear() == AFX_OLE_DATETIME_ERROR)
        return Invalid();
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 12, 0, 0);
}

COleDateTime GEAddMonths(const COleDateTime& date, int nMonths) {
    if (date.GetYear() == AFX_OLE_DATETIME_ERROR)
        return Invalid();
    const long nIndex = static_cast<long>(date.GetYear()) * 12 + (date.GetMonth() - 1) + nMonths;
    const long nYear = nIndex / 12;
    const int nMonth = static_cast<int>(nIndex % 12) + 1;
    if (nIndex < 0 || nYear < 100 || nYear > 9999)
        return Invalid();
    const int nDay = std::min(date.GetDay(), GEDaysInMonth(static_cast<int>(nYear), nMonth));
    return COleDateTime(static_cast<int>(nYear), nMonth, nDay, date.GetHour(), date.GetMinute(),
                        date.GetSecond());
}
