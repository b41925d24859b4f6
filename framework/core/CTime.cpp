#include "framework/core/CTime.h"

#include "framework/core/AfxTimeFormat.h"

namespace {

// 100-nanosecond intervals between 1 January 1601 (FILETIME) and 1 January 1970.
constexpr ULONGLONG kFileTimeUnixEpoch = 116444736000000000ULL;
constexpr ULONGLONG kFileTimeTicksPerSecond = 10000000ULL;

// Wine's runtime fails on negative times (and could misbehave on them elsewhere), so they never reach
// it; the runtime itself refuses what lies beyond its last year.
bool ToTm(__time64_t time, bool local, struct tm& out) {
    if (time < 0)
        return false;
    const errno_t failed = local ? _localtime64_s(&out, &time) : _gmtime64_s(&out, &time);
    return failed == 0;
}

struct tm* ToTmInto(__time64_t time, bool local, struct tm* ptm) {
    thread_local struct tm buffer;
    struct tm* target = ptm != nullptr ? ptm : &buffer;
    struct tm converted {};
    if (!ToTm(time, local, converted))
        return nullptr;
    *target = converted;
    return target;
}

__time64_t FromLocalFields(int year, int month, int day, int hour, int minute, int second, int nDST) {
    struct tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = nDST;
    const __time64_t result = _mktime64(&fields);
    return result < 0 ? 0 : result; // -1 is the runtime's failure
}

CString FormatAt(__time64_t time, bool local, LPCSTR format) {
    struct tm fields {};
    if (!ToTm(time, local, fields))
        return CString();
    const std::string text = AfxFormatTm(fields, format);
    return CString(text.c_str(), static_cast<int>(text.size()));
}

} // namespace

CTime WINAPI CTime::GetCurrentTime() noexcept {
    return CTime(_time64(nullptr));
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int nDST) noexcept
    : m_time(FromLocalFields(year, month, day, hour, minute, second, nDST)) {}

CTime::CTime(const SYSTEMTIME& st, int nDST) noexcept {
    if (st.wYear >= 1900)
        m_time = FromLocalFields(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST);
}

CTime::CTime(const FILETIME& ft, int /*nDST*/) noexcept {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    if (ticks == 0)
        return;
    // Signed division: FILETIMEs before 1970 give negative times, which have no fields.
    m_time = (static_cast<LONGLONG>(ticks) - static_cast<LONGLONG>(kFileTimeUnixEpoch)) /
             static_cast<LONGLONG>(kFileTimeTicksPerSecond);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const noexcept {
    return ToTmInto(m_time, true, ptm);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const noexcept {
    return ToTmInto(m_time, false, ptm);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept {
    struct tm fields {};
    if (!ToTm(m_time, true, fields))
        return false;
    st.wYear = static_cast<WORD>(fields.tm_year + 1900);
    st.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    st.wDay = static_cast<WORD>(fields.tm_mday);
    st.wHour = static_cast<WORD>(fields.tm_hour);
    st.wMinute = static_cast<WORD>(fields.tm_min);
    st.wSecond = static_cast<WORD>(fields.tm_sec);
    st.wMilliseconds = 0;
    return true;
}

int CTime::GetYear() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_year + 1900 : 0;
}

int CTime::GetMonth() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_mon + 1 : 0;
}

int CTime::GetDay() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_mday : 0;
}

int CTime::GetHour() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_hour : 0;
}

int CTime::GetMinute() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_min : 0;
}

int CTime::GetSecond() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_sec : 0;
}

int CTime::GetDayOfWeek() const noexcept {
    struct tm fields {};
    return GetLocalTm(&fields) ? fields.tm_wday + 1 : 0;
}

CString CTime::Format(LPCSTR format) const {
    return FormatAt(m_time, true, format);
}

CString CTime::FormatGmt(LPCSTR format) const {
    return FormatAt(m_time, false, format);
}
