#include "framework/core/COleDateTimeSpan.h"

#include <gtest/gtest.h>

namespace {

TEST(COleDateTimeSpanParts, ComponentsRoundToTheSecondAndKeepTheSign) {
    struct Case {
        double days;
        LONG d, h, m, s;
    };
    const Case cases[] = {
        {0.0, 0, 0, 0, 0},
        {1.5, 1, 12, 0, 0},
        {-1.5, -1, -12, 0, 0},
        {(14 * 3600 + 5 * 60) / 86400.0, 0, 14, 5, 0},
        {0.99999, 0, 23, 59, 59},          // 86399.136 s
        {1.0 - 0.2 / 86400.0, 1, 0, 0, 0}, // 0.2 s short of a day rounds to the day
        {2.0 / 3.0, 0, 16, 0, 0},
        {-(90.0 / 86400.0), 0, 0, -1, -30},
        {10000.25, 10000, 6, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        const COleDateTimeSpan span(c.days);
        EXPECT_EQ(span.GetDays(), c.d);
        EXPECT_EQ(span.GetHours(), c.h);
        EXPECT_EQ(span.GetMinutes(), c.m);
        EXPECT_EQ(span.GetSeconds(), c.s);
    }
}

TEST(COleDateTimeSpanParts, TotalsAreExact) {
    const COleDateTimeSpan span(1, 12, 30, 0);
    EXPECT_DOUBLE_EQ(span.GetTotalDays(), 1.5 + 30.0 / 1440.0);
    EXPECT_DOUBLE_EQ(span.GetTotalHours(), 36.5);
    EXPECT_DOUBLE_EQ(span.GetTotalMinutes(), 2190.0);
    EXPECT_DOUBLE_EQ(span.GetTotalSeconds(), 131400.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(span), span.m_span);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(0.25).GetTotalHours(), 6.0);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(-2, 0, 0, 0).GetTotalHours(), -48.0);

    COleDateTimeSpan set(7.0);
    set.SetStatus(COleDateTimeSpan::invalid);
    set.SetDateTimeSpan(0, 0, 90, 0); // overflowing minutes carry
    EXPECT_EQ(set.GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(set.GetHours(), 1);
    EXPECT_EQ(set.GetMinutes(), 30);
}

TEST(COleDateTimeSpanArithmetic, SumsOrderAndStatus) {
    const COleDateTimeSpan day(1.0);
    const COleDateTimeSpan hour(0, 1, 0, 0);
    EXPECT_DOUBLE_EQ((day + hour).GetTotalHours(), 25.0);
    EXPECT_DOUBLE_EQ((hour - day).GetTotalHours(), -23.0);
    EXPECT_DOUBLE_EQ((-day).GetTotalDays(), -1.0);
    COleDateTimeSpan running;
    running += day;
    running += day;
    running -= hour;
    EXPECT_DOUBLE_EQ(running.GetTotalHours(), 47.0);

    EXPECT_TRUE(hour < day);
    EXPECT_TRUE(day > hour);
    EXPECT_TRUE(-day < hour);
    EXPECT_TRUE(day == COleDateTimeSpan(24.0 / 24.0));
    EXPECT_TRUE(day != hour);

    COleDateTimeSpan bad(1.0);
    bad.SetStatus(COleDateTimeSpan::invalid);
    COleDateTimeSpan none(1.0);
    none.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ((day + bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((none - day).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((none + bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((-none).GetStatus(), COleDateTimeSpan::null);
    EXPECT_FALSE(bad == day); // same length, different status
}

} // namespace
