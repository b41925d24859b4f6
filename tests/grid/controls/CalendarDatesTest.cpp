// Calendar arithmetic: month lengths of the Gregorian calendar, days at noon and month steps that land
// on the target month's last day instead of running into the month after it.
#include "CalendarSupport.h"

#include "grid/controls/gadgets/GECalendarDates.h"

#include <gtest/gtest.h>

using caltest::Day;
using caltest::Text;

TEST(CalendarDates, MonthLengths) {
    struct Case {
        int year, month, days;
    } const cases[] = {
        {2023, 1, 31}, {2023, 2, 28},  {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
        {2023, 4, 30}, {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GEDaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(CalendarDates, MonthStepsClampToTheLastDay) {
    struct Case {
        COleDateTime from;
        int months;
        const char* to;
    } const cases[] = {
        {Day(2023, 1, 31), 1, "2023-02-28"},  {Day(2024, 1, 31), 1, "2024-02-29"},
        {Day(2023, 3, 31), -1, "2023-02-28"}, {Day(2023, 5, 31), 1, "2023-06-30"},
        {Day(2023, 12, 15), 1, "2024-01-15"}, {Day(2023, 1, 15), -1, "2022-12-15"},
        {Day(2024, 2, 29), 12, "2025-02-28"}, {Day(2024, 2, 29), -48, "2020-02-29"},
        {Day(9999, 12, 1), 1, "invalid"},     {Day(100, 1, 1), -1, "invalid"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(GEAddMonths(c.from, c.months)), c.to) << Text(c.from) << " + " << c.months;
}

TEST(CalendarDates, MonthStepKeepsTheTimeAndNoonKeepsTheDay) {
    const COleDateTime stepped = GEAddMonths(COleDateTime(2023, 1, 31, 17, 45, 30), 1);
    EXPECT_EQ(stepped.GetHour(), 17);
    EXPECT_EQ(stepped.GetMinute(), 45);
    EXPECT_EQ(stepped.GetSecond(), 30);
    const COleDateTime noon = GENoonOf(COleDateTime(2023, 7, 4, 23, 59, 59));
    EXPECT_EQ(Text(noon), "2023-07-04");
    EXPECT_EQ(noon.GetHour(), 12);
    EXPECT_EQ(noon.GetMinute(), 0);
    EXPECT_NE(GENoonOf(COleDateTime(std::numeric_limits<double>::quiet_NaN())).GetStatus(),
              COleDateTime::valid);
}
