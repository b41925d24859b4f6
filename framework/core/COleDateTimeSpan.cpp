#include "framework/core/COleDateTimeSpan.h"

#include <cmath>

COleDateTimeSpan::COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept {
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept {
    m_span = days + (hours + (minutes + seconds / 60.0) / 60.0) / 24.0;
    m_status = valid;
}

LONGLONG COleDateTimeSpan::RoundedSeconds() const noexcept {
    return std::llround(m_span * 86400.0);
}

LONG COleDateTimeSpan::GetDays() const noexcept {
    return static_cast<LONG>(RoundedSeconds() / 86400);
}

LONG COleDateTimeSpan::GetHours() const noexcept {
    return static_cast<LONG>(RoundedSeconds() / 3600 % 24);
}

LONG COleDateTimeSpan::GetMinutes() const noexcept {
    return static_cast<LONG>(RoundedSeconds() / 60 % 60);
}

LONG COleDateTimeSpan::GetSeconds() const noexcept {
    return static_cast<LONG>(RoundedSeconds() % 60);
}

COleDateTimeSpan::DateTimeSpanStatus COleDateTimeSpan::Combine(DateTimeSpanStatus a,
                                                               DateTimeSpanStatus b) noexcept {
    if (a == invalid || b == invalid)
        return invalid;
    return a == null || b == null ? null : valid;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const noexcept {
    COleDateTimeSpan result(m_span + other.m_span);
    result.m_status = Combine(m_status, other.m_status);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const noexcept {
    COleDateTimeSpan result(m_span - other.m_span);
    result.m_status = Combine(m_status, other.m_status);
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const noexcept {
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}
