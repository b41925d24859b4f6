// COleDateTimeSpan: a signed length of time in days (the fraction is the part of a day), with a status.
#pragma once

#include "framework/core/AfxDefs.h"

#include <compare>

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() noexcept = default;
    COleDateTimeSpan(double days) noexcept : m_span(days) {}
    COleDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    DateTimeSpanStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeSpanStatus status) noexcept { m_status = status; }
    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds) noexcept;

    // Exact totals of the span.
    double GetTotalDays() const noexcept { return m_span; }
    double GetTotalHours() const noexcept { return m_span * 24.0; }
    double GetTotalMinutes() const noexcept { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const noexcept { return m_span * 24.0 * 60.0 * 60.0; }

    // Components of the span rounded to the nearest second; each keeps the sign of the span.
    LONG GetDays() const noexcept;
    LONG GetHours() const noexcept;
    LONG GetMinutes() const noexcept;
    LONG GetSeconds() const noexcept;

    operator double() const noexcept { return m_span; }

    // A result is invalid when either side is, else null when either side is.
    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const noexcept;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const noexcept;
    COleDateTimeSpan operator-() const noexcept;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other) noexcept { return *this = *this + other; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other) noexcept { return *this = *this - other; }

    // Equal means same status and same length; the ordering compares the lengths.
    bool operator==(const COleDateTimeSpan& other) const noexcept {
        return m_status == other.m_status && m_span == other.m_span;
    }
    std::partial_ordering operator<=>(const COleDateTimeSpan& other) const noexcept {
        return m_span <=> other.m_span;
    }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    // Seconds of the span, rounded half away from zero.
    LONGLONG RoundedSeconds() const noexcept;
    static DateTimeSpanStatus Combine(DateTimeSpanStatus a, DateTimeSpanStatus b) noexcept;
};
