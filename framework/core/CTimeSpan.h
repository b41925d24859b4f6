// CTimeSpan: a signed length of time in whole seconds.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

#include <compare>
#include <ctime>

class CTimeSpan {
public:
    CTimeSpan() noexcept = default;
    CTimeSpan(__time64_t seconds) noexcept : m_span(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    void SetTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    // Components of the span; each keeps the sign of the whole span (-90 s is 0 h, -1 min, -30 s).
    LONGLONG GetDays() const noexcept { return m_span / kSecondsPerDay; }
    LONG GetHours() const noexcept { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONG GetMinutes() const noexcept { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONG GetSeconds() const noexcept { return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60); }

    LONGLONG GetTotalHours() const noexcept { return m_span / 3600; }
    LONGLONG GetTotalMinutes() const noexcept { return m_span / 60; }
    LONGLONG GetTotalSeconds() const noexcept { return m_span; }
    __time64_t GetTimeSpan() const noexcept { return m_span; }

    // %D days, %H hours (00-23), %M minutes (00-59), %S seconds (00-59), %% a percent sign; any other
    // character is copied. A negative span is written as its magnitude with one leading '-'.
    CString Format(LPCSTR format) const;

    CTimeSpan operator+(CTimeSpan other) const noexcept { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const noexcept { return CTimeSpan(m_span - other.m_span); }
    CTimeSpan operator-() const noexcept { return CTimeSpan(-m_span); }
    CTimeSpan& operator+=(CTimeSpan other) noexcept {
        m_span += other.m_span;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan other) noexcept {
        m_span -= other.m_span;
        return *this;
    }

    bool operator==(const CTimeSpan& other) const noexcept = default;
    auto operator<=>(const CTimeSpan& other) const noexcept = default;

private:
    static constexpr __time64_t kSecondsPerDay = 86400;

    __time64_t m_span = 0;
};
