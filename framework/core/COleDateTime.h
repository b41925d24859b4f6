// COleDateTime: an OLE automation date (days since 30 December 1899 00:00; the fraction is the time of
// day) with a status. Before 30 December 1899 the serial is negative while its fraction still counts
// forward from midnight (-1.25 is 29 December 1899 06:00); arithmetic and comparisons work on the
// continuous day count, so they are right on both sides of that date.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/COleDateTimeSpan.h"
#include "framework/core/CString.h"

#include <oleauto.h>

#include <compare>
#include <ctime>

// <winbase.h> maps GetCurrentTime() to GetTickCount(); the name belongs to the time classes here.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// Returned by the field getters when the date has no fields.
#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // The local date and time, to the second.
    static COleDateTime WINAPI GetCurrentTime();

    COleDateTime() noexcept = default;
    // A serial that is not a finite number is invalid.
    COleDateTime(DATE date) noexcept;
    // Local time of the moment; a time the runtime cannot convert is invalid.
    COleDateTime(__time64_t time) noexcept;
    // The SYSTEMTIME's fields as they are (milliseconds ignored); out-of-range fields are invalid.
    COleDateTime(const SYSTEMTIME& st) noexcept;
    // A FILETIME is UTC; it is converted to local time with the daylight-saving rule of its date.
    COleDateTime(const FILETIME& ft) noexcept;
    // VT_DATE as it is, VT_NULL gives status null, anything else is converted to a date (invalid when
    // it cannot be). A COleVariant passes here as well.
    COleDateTime(const VARIANT& var) noexcept;
    COleDateTime(int year, int month, int day, int hour, int minute, int second) noexcept;

    DateTimeStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeStatus status) noexcept { m_status = status; }

    // 0 on success; 1 with status invalid (and the value 0) when a field is out of range: year
    // 100-9999, month 1-12, day within the month, hour 0-23, minute and second 0-59.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second) noexcept;
    // The date at 00:00:00.
    int SetDate(int year, int month, int day) noexcept;
    // The time on 30 December 1899 (serial 0 plus the time of day).
    int SetTime(int hour, int minute, int second) noexcept;

    // Fields rounded to the nearest second; AFX_OLE_DATETIME_ERROR unless the status is valid and the
    // serial lies between 1 January 100 and 31 December 9999. GetDayOfWeek: 1 = Sunday .. 7 = Saturday.
    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept;
    int GetDayOfYear() const noexcept;
    bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;

    // Reads a date and/or time with the system's automation parser (VarDateFromStr) in the given
    // locale. The flags (VAR_DATEVALUEONLY, VAR_TIMEVALUEONLY, LOCALE_NOUSEROVERRIDE ...) are passed on.
    // A time alone gives a date of 30 December 1899. On failure: status invalid, value 0, false.
    bool ParseDateTime(LPCSTR text, DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT);

    // The locale's text (VarBstrFromDate with the flags, e.g. VAR_DATEVALUEONLY); empty unless valid.
    CString Format(DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime codes as CTime::Format (years 100-9999 included); empty unless valid.
    CString Format(LPCSTR format) const;

    operator DATE() const noexcept { return m_dt; }

    // A result is invalid when either side is invalid or the result lies outside 100-9999; else null
    // when either side is null.
    COleDateTime operator+(const COleDateTimeSpan& span) const noexcept;
    COleDateTime operator-(const COleDateTimeSpan& span) const noexcept;
    COleDateTime& operator+=(const COleDateTimeSpan& span) noexcept { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) noexcept { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& other) const noexcept;

    // Equal means same status and same moment; the ordering compares the moments.
    bool operator==(const COleDateTime& other) const noexcept;
    std::partial_ordering operator<=>(const COleDateTime& other) const noexcept;

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;

private:
    struct Fields;
    bool Split(Fields& out) const noexcept;
    static COleDateTime MakeResult(double days, DateTimeStatus a, COleDateTimeSpan::DateTimeSpanStatus b);
};
