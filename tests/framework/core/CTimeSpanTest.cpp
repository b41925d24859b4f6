#include "framework/core/CTimeSpan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const CString& s) {
    return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
}

TEST(CTimeSpanParts, ComponentsAndTotals) {
    struct Case {
        __time64_t seconds;
        LONGLONG days;
        LONG hours, minutes, secs;
        LONGLONG totalHours, totalMinutes;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0},
        {93784, 1, 2, 3, 4, 26, 1563}, // 1 day 02:03:04
        {86399, 0, 23, 59, 59, 23, 1439},
        {10 * 86400LL, 10, 0, 0, 0, 240, 14400},
        {-90, 0, 0, -1, -30, 0, -1}, // negative spans keep the sign in each part
        {-93784, -1, -2, -3, -4, -26, -1563},
        {5000000000LL, 57870, 8, 53, 20, 1388888, 83333333}, // beyond 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        const CTimeSpan span(c.seconds);
        EXPECT_EQ(span.GetDays(), c.days);
        EXPECT_EQ(span.GetHours(), c.hours);
        EXPECT_EQ(span.GetMinutes(), c.minutes);
        EXPECT_EQ(span.GetSeconds(), c.secs);
        EXPECT_EQ(span.GetTotalHours(), c.totalHours);
        EXPECT_EQ(span.GetTotalMinutes(), c.totalMinutes);
        EXPECT_EQ(span.GetTotalSeconds(), c.seconds);
        EXPECT_EQ(span.GetTimeSpan(), c.seconds);
    }
}

TEST(CTimeSpanParts, ConstructedFromPartsThatOverflow) {
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).GetTotalSeconds(), 93784);
    const CTimeSpan carried(0, 25, 61, 61); // 25 h + 62 min + 1 s
    EXPECT_EQ(carried.GetDays(), 1);
    EXPECT_EQ(carried.GetHours(), 2);
    EXPECT_EQ(carried.GetMinutes(), 2);
    EXPECT_EQ(carried.GetSeconds(), 1);
    EXPECT_EQ(CTimeSpan(-1, 0, 0, 0).GetTotalSeconds(), -86400);
    EXPECT_EQ(CTimeSpan(30000, 0, 0, 0).GetTotalSeconds(), 2592000000LL); // no 32-bit overflow

    CTimeSpan reset(99);
    reset.SetTimeSpan(0, 1, 0, 0);
    EXPECT_EQ(reset.GetTotalSeconds(), 3600);
}

TEST(CTimeSpanArithmetic, SumsDifferencesAndOrder) {
    const CTimeSpan hour(3600);
    const CTimeSpan minute(60);
    EXPECT_EQ((hour + minute).GetTotalSeconds(), 3660);
    EXPECT_EQ((hour - minute).GetTotalSeconds(), 3540);
    EXPECT_EQ((minute - hour).GetTotalSeconds(), -3540);
    EXPECT_EQ((-hour).GetTotalSeconds(), -3600);

    CTimeSpan total;
    for (int i = 0; i < 3; ++i)
        total += hour;
    total -= minute;
    EXPECT_EQ(total.GetTotalMinutes(), 179);

    EXPECT_TRUE(minute < hour);
    EXPECT_TRUE(hour > minute);
    EXPECT_TRUE(hour >= CTimeSpan(0, 1, 0, 0));
    EXPECT_TRUE(hour == CTimeSpan(0, 1, 0, 0));
    EXPECT_TRUE(hour != minute);
    EXPECT_TRUE(-hour < CTimeSpan());
}

TEST(CTimeSpanFormat, DaysHoursMinutesSecondsAndPercent) {
    struct Case {
        __time64_t seconds;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {93784, "%D days %H:%M:%S", "1 days 02:03:04"},
        {0, "%D %H:%M:%S", "0 00:00:00"},
        {59, "%S s", "59 s"},
        {3600 * 49 + 7, "%D/%H/%M/%S", "2/01/00/07"},
        {90, "%H:%M:%S", "00:01:30"},
        {-90, "%H:%M:%S", "-00:01:30"}, // one sign for the whole span
        {-93784, "took %D days, %H h", "took -1 days, 02 h"},
        {120, "100%% in %M min", "100% in 02 min"},
        {120, "%X %Y %", "%X %Y %"}, // not span codes: copied as they are
        {5000000000LL, "%D", "57870"},
        {1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seconds << " " << c.format);
        EXPECT_EQ(Text(CTimeSpan(c.seconds).Format(c.format)), c.expected);
    }
    EXPECT_EQ(Text(CTimeSpan(5).Format(nullptr)), "");
}

} // namespace
