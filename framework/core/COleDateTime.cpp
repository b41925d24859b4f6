#include "framework/core/COleDateTime.h"

#include "framework/core/AfxTimeFormat.h"
#include "framework/core/CTime.h"

#include <cmath>
#include <exception>
#include <string>

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Continuous day counts (see DaysFromSerial) of 1 January 100 00:00 and of 1 January 10000 00:00.
constexpr double kFirstDay = -657434.0;
constexpr double kEndDay = 2958466.0;
// Days from 1 January 1970 back to 30 December 1899.
constexpr long long kUnixToOleDays = 25569;

// The serial as a continuous count of days: a negative serial keeps its time of day as a positive
// fraction, so -1.25 (29 December 1899 06:00) is -0.75 days from the start of 30 December 1899.
double DaysFromSerial(DATE serial) {
    if (serial >= 0.0)
        return serial;
    const double day = std::ceil(serial);
    return day + (day - serial);
}

DATE SerialFromDays(double days) {
    if (days >= 0.0)
        return days;
    const double day = std::floor(days);
    return day - (days - day);
}

bool InRange(double days) {
    return days >= kFirstDay && days < kEndDay;
} // false for NaN too

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Proleptic Gregorian calendar: days since 1 January 1970 from a date, and back.
long long DaysFromCivil(long long year, int month, int day) {
    year -= month <= 2;
    const long long era = FloorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CString FromWide(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return CString();
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
    return CString(narrow.c_str(), size);
}

std::wstring ToWide(LPCSTR text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
    wide.resize(static_cast<size_t>(size) - 1); // drop the terminator counted by -1
    return wide;
}

// Owns a BSTR returned by an automation call.
class BstrHolder {
public:
    BstrHolder() = default;
    BstrHolder(const BstrHolder&) = delete;
    BstrHolder& operator=(const BstrHolder&) = delete;
    ~BstrHolder() { SysFreeString(m_bstr); }
    BSTR* Out() { return &m_bstr; }
    BSTR Get() const { return m_bstr; }

private:
    BSTR m_bstr = nullptr;
};

} // namespace

struct COleDateTime::Fields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0; // 0 = Sunday
    int dayOfYear = 0; // 1 = 1 January
};

COleDateTime WINAPI COleDateTime::GetCurrentTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return COleDateTime(now);
}

COleDateTime::COleDateTime(DATE date) noexcept
    : m_dt(date), m_status(std::isfinite(date) ? valid : invalid) {}

COleDateTime::COleDateTime(__time64_t time) noexcept {
    SYSTEMTIME local{};
    if (CTime(time).GetAsSystemTime(local))
        *this = COleDateTime(local);
    else
        m_status = invalid;
}

COleDateTime::COleDateTime(const SYSTEMTIME& st) noexcept {
    SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

COleDateTime::COleDateTime(const FILETIME& ft) noexcept {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        *this = COleDateTime(local);
    else
        m_status = invalid;
}

COleDateTime::COleDateTime(const VARIANT& var) noexcept {
    if (var.vt == VT_DATE) {
        *this = COleDateTime(var.date);
        return;
    }
    if (var.vt == VT_NULL) {
        m_status = null;
        return;
    }
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&var), 0, VT_DATE)))
        *this = COleDateTime(converted.date);
    else
        m_status = invalid;
    VariantClear(&converted);
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) noexcept {
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) noexcept {
    const bool ok = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                    day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
                    minute <= 59 && second >= 0 && second <= 59;
    if (!ok) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    const double days = static_cast<double>(DaysFromCivil(year, month, day) + kUnixToOleDays) +
                        (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    m_dt = SerialFromDays(days);
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int year, int month, int day) noexcept {
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second) noexcept {
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

bool COleDateTime::Split(Fields& out) const noexcept {
    if (m_status != valid)
        return false;
    const double days = DaysFromSerial(m_dt);
    if (!InRange(days))
        return false;
    // Nearest second, so that 14:05 stored as 45358.58680555... does not read as 14:04:59.
    const long long seconds = static_cast<long long>(std::floor(days * kSecondsPerDay + 0.5));
    const long long day = FloorDiv(seconds, 86400);
    const long long secondOfDay = seconds - day * 86400;
    CivilFromDays(day - kUnixToOleDays, out.year, out.month, out.day);
    if (out.year > 9999)
        return false; // 31 December 9999 23:59:59.5 rounds past the last day
    out.hour = static_cast<int>(secondOfDay / 3600);
    out.minute = static_cast<int>(secondOfDay / 60 % 60);
    out.second = static_cast<int>(secondOfDay % 60);
    out.dayOfWeek = static_cast<int>((day % 7 + 7 + 6) % 7); // day 0 was a Saturday
    out.dayOfYear = static_cast<int>(day - kUnixToOleDays - DaysFromCivil(out.year, 1, 1) + 1);
    return true;
}

int COleDateTime::GetYear() const noexcept {
    Fields f;
    return Split(f) ? f.year : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMonth() const noexcept {
    Fields f;
    return Split(f) ? f.month : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDay() const noexcept {
    Fields f;
    return Split(f) ? f.day : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetHour() const noexcept {
    Fields f;
    return Split(f) ? f.hour : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMinute() const noexcept {
    Fields f;
    return Split(f) ? f.minute : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetSecond() const noexcept {
    Fields f;
    return Split(f) ? f.second : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfWeek() const noexcept {
    Fields f;
    return Split(f) ? f.dayOfWeek + 1 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfYear() const noexcept {
    Fields f;
    return Split(f) ? f.dayOfYear : AFX_OLE_DATETIME_ERROR;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept {
    Fields f;
    if (!Split(f))
        return false;
    st.wYear = static_cast<WORD>(f.year);
    st.wMonth = static_cast<WORD>(f.month);
    st.wDayOfWeek = static_cast<WORD>(f.dayOfWeek);
    st.wDay = static_cast<WORD>(f.day);
    st.wHour = static_cast<WORD>(f.hour);
    st.wMinute = static_cast<WORD>(f.minute);
    st.wSecond = static_cast<WORD>(f.second);
    st.wMilliseconds = 0;
    return true;
}

bool COleDateTime::ParseDateTime(LPCSTR text, DWORD flags, LCID lcid) {
    m_dt = 0.0;
    m_status = invalid;
    if (text == nullptr)
        return false;
    DATE parsed = 0.0;
    try {
        std::wstring wide = ToWide(text);
        if (FAILED(VarDateFromStr(wide.data(), lcid, flags, &parsed)) || !InRange(DaysFromSerial(parsed)))
            return false;
    } catch (const std::exception&) {
        return false; // out of memory for the wide copy: the text is not read
    }
    m_dt = parsed;
    m_status = valid;
    return true;
}

CString COleDateTime::Format(DWORD flags, LCID lcid) const {
    if (m_status != valid)
        return CString();
    BstrHolder text;
    if (FAILED(VarBstrFromDate(m_dt, lcid, flags, text.Out())) || text.Get() == nullptr)
        return CString();
    return FromWide(text.Get(), static_cast<int>(SysStringLen(text.Get())));
}

CString COleDateTime::Format(LPCSTR format) const {
    Fields f;
    if (!Split(f))
        return CString();
    struct tm fields {};
    fields.tm_year = f.year - 1900;
    fields.tm_mon = f.month - 1;
    fields.tm_mday = f.day;
    fields.tm_hour = f.hour;
    fields.tm_min = f.minute;
    fields.tm_sec = f.second;
    fields.tm_wday = f.dayOfWeek;
    fields.tm_yday = f.dayOfYear - 1;
    const std::string text = AfxFormatTm(fields, format);
    return CString(text.c_str(), static_cast<int>(text.size()));
}

COleDateTime COleDateTime::MakeResult(double days, DateTimeStatus a, COleDateTimeSpan::DateTimeSpanStatus b) {
    COleDateTime result(SerialFromDays(days));
    if (a == invalid || b == COleDateTimeSpan::invalid || !InRange(days))
        result.m_status = invalid;
    else if (a == null || b == COleDateTimeSpan::null)
        result.m_status = null;
    return result;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const noexcept {
    return MakeResult(DaysFromSerial(m_dt) + span.m_span, m_status, span.m_status);
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const noexcept {
    return MakeResult(DaysFromSerial(m_dt) - span.m_span, m_status, span.m_status);
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const noexcept {
    COleDateTimeSpan result(DaysFromSerial(m_dt) - DaysFromSerial(other.m_dt));
    if (m_status == invalid || other.m_status == invalid)
        result.m_status = COleDateTimeSpan::invalid;
    else if (m_status == null || other.m_status == null)
        result.m_status = COleDateTimeSpan::null;
    return result;
}

bool COleDateTime::operator==(const COleDateTime& other) const noexcept {
    return m_status == other.m_status && DaysFromSerial(m_dt) == DaysFromSerial(other.m_dt);
}

std::partial_ordering COleDateTime::operator<=>(const COleDateTime& other) const noexcept {
    return DaysFromSerial(m_dt) <=> DaysFromSerial(other.m_dt);
}
