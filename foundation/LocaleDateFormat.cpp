// The date and time parts of LocaleFormat.h: locale date and time texts, the date-time parser and the
// conversions between CTime and the OLE and OLE DB date types.
#include "foundation/LocaleFormat.h"

#include "foundation/SystemText.h"

#include "framework/core/CException.h"
#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"
#include "resource.h"

#include <algorithm>

namespace {

// The years CTime can hold (the C runtime's 64-bit time functions end with the year 3000).
constexpr int kFirstTimeYear = 1970;
constexpr int kLastTimeYear = 3000;
constexpr long long kSecondsPerDay = 86400;

CString SystemDateText(CTime time, DWORD flags, LPCSTR picture, int initialSize) {
    SYSTEMTIME st{};
    if (!time.GetAsSystemTime(st))
        return CString();
    const LCID locale = GetThreadLocale();
    return SystemText(initialSize, [&](LPSTR buffer, int size) {
        return GetDateFormatA(locale, flags, &st, picture, buffer, size);
    });
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// OLE dates count days from 30 December 1899: a value on that day has no date part, only a time.
bool HasNoDate(const COleDateTime& date) {
    return date.GetYear() == 1899 && date.GetMonth() == 12 && date.GetDay() == 30;
}

// A value without a date is that time today. Any other date must be one that a CTime holds: a date
// before 1970 (a typo such as 1/5/202 included) or after 3000 gives 0, never some other day.
CTime TimeFromValidOleDate(const COleDateTime& date) {
    if (HasNoDate(date)) {
        const CTime now = CTime::GetCurrentTime();
        return CTime(now.GetYear(), now.GetMonth(), now.GetDay(), date.GetHour(), date.GetMinute(),
                     date.GetSecond());
    }
    const int year = date.GetYear();
    if (year < kFirstTimeYear || year > kLastTimeYear)
        return CTime();
    return CTime(year, date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond());
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// Dates and times as text

CString AcxFormatDate(CTime time, DWORD flags) {
    return SystemDateText(time, flags, nullptr, 40);
}

CString AcxFormatTime(CTime time, DWORD flags) {
    if (time.GetTime() >= 0 && time.GetTime() < kSecondsPerDay)
        time = CTime(1999, 1, 1, 0, 0, 0) + CTimeSpan(time.GetTime());
    SYSTEMTIME st{};
    if (!time.GetAsSystemTime(st))
        return CString();
    const LCID locale = GetThreadLocale();
    return SystemText(40, [&](LPSTR buffer, int size) {
        return GetTimeFormatA(locale, flags, &st, nullptr, buffer, size);
    });
}

CString AcxFormatDateTime(CTime time) {
    return AcxFormatDate(time, DATE_SHORTDATE) + " " + AcxFormatTime(time, 0);
}

CString FormatMonthYear(CTime time) {
    return SystemDateText(time, 0, "MMM yy", 1000);
}

CString FormatQuarter(CTime time) {
    const int month = time.GetMonth();
    if (month == 0)
        return CString();
    const int year = time.GetYear();
    CString format;
    format.LoadString(IDS_QUARTER_FORMAT);
    CString text;
    text.Format(format, (month - 1) / 3 + 1, year < 2000 ? year - 1900 : year - 2000);
    return text;
}

// ---------------------------------------------------------------------------------------------------
// Parsing and conversions

bool AcxParseDateTime(const char* text, CTime* out, DWORD /*flags*/) {
    CTime result;
    try {
        COleDateTime parsed;
        if (text != nullptr && parsed.ParseDateTime(text, 0, LANG_USER_DEFAULT) &&
            parsed.GetStatus() == COleDateTime::valid)
            result = TimeFromValidOleDate(parsed);
    } catch (CException* e) {
        e->Delete();
        result = CTime();
    }
    if (out != nullptr)
        *out = result;
    // 0 is also what CTime gives for a date it cannot hold.
    return result.GetTime() != 0;
}

CTime OleDateToTime(const COleDateTime& date) {
    try {
        if (date.GetStatus() != COleDateTime::valid)
            return CTime();
        return TimeFromValidOleDate(date);
    } catch (CException* e) {
        e->Delete();
        return CTime();
    }
}

// Years are clamped into what CTime holds; fields that name no real date or time give 0.
CTime DbTimestampToTime(const DBTIMESTAMP& stamp) {
    if (stamp.year == 0)
        return CTime();
    const int year = std::clamp<int>(stamp.year, kFirstTimeYear, kLastTimeYear);
    if (stamp.month < 1 || stamp.month > 12 || stamp.day < 1 || stamp.day > DaysInMonth(year, stamp.month) ||
        stamp.hour > 23 || stamp.minute > 59 || stamp.second > 59)
        return CTime();
    return CTime(year, stamp.month, stamp.day, stamp.hour, stamp.minute, stamp.second);
}

DBTIMESTAMP& TimeToDbTimestamp(CTime time, bool dateOnly, DBTIMESTAMP& out) {
    out = DBTIMESTAMP{};
    out.year = static_cast<SHORT>(time.GetYear());
    out.month = static_cast<USHORT>(time.GetMonth());
    out.day = static_cast<USHORT>(time.GetDay());
    if (!dateOnly) {
        out.hour = static_cast<USHORT>(time.GetHour());
        out.minute = static_cast<USHORT>(time.GetMinute());
        out.second = static_cast<USHORT>(time.GetSecond());
    }
    out.fraction = 0;
    return out;
}

// The day of the month is moved and the result rebuilt from local fields, so the wall-clock time stays
// the same even when a daylight-saving change lies between (the runtime normalises the day).
void AddDaysToTime(CTime& time, int days) {
    struct tm local {};
    if (time.GetLocalTm(&local) == nullptr)
        return;
    time = CTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday + days, local.tm_hour, local.tm_min,
                 local.tm_sec);
}
