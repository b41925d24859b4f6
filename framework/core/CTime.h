// CTime: an absolute time in whole seconds since 1 January 1970 00:00:00 UTC; 0 stands for "no time".
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"
#include "framework/core/CTimeSpan.h"

#include <compare>
#include <ctime>

// <winbase.h> maps GetCurrentTime() to GetTickCount(); the name belongs to the time classes here.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// Fields, local conversions and formatting go through the C runtime, which handles the times from
// 1970 to the end of the year 3000. A time outside that range is kept as a number but has no fields:
// GetYear() .. GetDayOfWeek() return 0, GetLocalTm()/GetGmtTm() return nullptr, GetAsSystemTime()
// returns false and Format()/FormatGmt() return an empty string.
class CTime {
public:
    static CTime WINAPI GetCurrentTime() noexcept;

    CTime() noexcept = default;
    CTime(__time64_t time) noexcept : m_time(time) {}
    // Local time from fields through mktime: out-of-range fields are normalised (month 13 is January of
    // the next year, day 0 the last day of the previous month). nDST -1 lets the system decide daylight
    // saving, 0 says standard time, 1 daylight time. A result the runtime cannot represent gives 0.
    CTime(int year, int month, int day, int hour, int minute, int second, int nDST = -1) noexcept;
    // A SYSTEMTIME is taken as local time; years before 1900 give 0.
    CTime(const SYSTEMTIME& st, int nDST = -1) noexcept;
    // A FILETIME is an exact UTC instant and converts without daylight-saving guesses (nDST is not
    // needed); a zero FILETIME gives 0.
    CTime(const FILETIME& ft, int nDST = -1) noexcept;

    __time64_t GetTime() const noexcept { return m_time; }

    // Broken-down time; with ptm == nullptr the result lives in a per-thread buffer.
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const noexcept;
    struct tm* GetGmtTm(struct tm* ptm = nullptr) const noexcept;
    bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;

    // Local-time fields; 0 when the time has no fields (see above). GetDayOfWeek: 1 = Sunday.
    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept;

    // strftime codes (a A b B c d H I j m M p S U w W x X y Y z Z %, with the '#' flag); an unknown
    // code is copied as text.
    CString Format(LPCSTR format) const;
    CString FormatGmt(LPCSTR format) const;

    CTimeSpan operator-(CTime other) const noexcept { return CTimeSpan(m_time - other.m_time); }
    CTime operator-(CTimeSpan span) const noexcept { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const noexcept { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) noexcept {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span) noexcept {
        m_time -= span.GetTimeSpan();
        return *this;
    }

    bool operator==(const CTime& other) const noexcept = default;
    auto operator<=>(const CTime& other) const noexcept = default;

private:
    __time64_t m_time = 0;
};
