#include "framework/core/COleDateTime.h"
#include "framework/core/COleVariant.h"
#include "framework/core/CTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// These tests run in en-US with TZ=UTC.
namespace {

std::string Text(const CString& s) {
    return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
}

constexpr double kSecond = 1.0 / 86400.0;

struct Fields {
    int year, month, day, hour, minute, second;
};

void ExpectFields(const COleDateTime& d, const Fields& f) {
    EXPECT_EQ(d.GetYear(), f.year);
    EXPECT_EQ(d.GetMonth(), f.month);
    EXPECT_EQ(d.GetDay(), f.day);
    EXPECT_EQ(d.GetHour(), f.hour);
    EXPECT_EQ(d.GetMinute(), f.minute);
    EXPECT_EQ(d.GetSecond(), f.second);
}

// ---------------------------------------------------------------- parsing

TEST(COleDateTimeParse, EnglishUnitedStatesTexts) {
    struct Case {
        const char* text;
        Fields expected;
    };
    const Case cases[] = {
        {"3/7/2024 2:05 PM", {2024, 3, 7, 14, 5, 0}},
        {"3/7/2024", {2024, 3, 7, 0, 0, 0}},
        {"12/31/2024 23:59:59", {2024, 12, 31, 23, 59, 59}},
        {"2024-03-07", {2024, 3, 7, 0, 0, 0}},
        {"2/29/2024 12:00 AM", {2024, 2, 29, 0, 0, 0}},
        {"14:30", {1899, 12, 30, 14, 30, 0}}, // a time alone lies on the day the serial counts from
        {"8:05:09 AM", {1899, 12, 30, 8, 5, 9}},
        {"1/1/100", {100, 1, 1, 0, 0, 0}},
        {"12/31/9999 11:59:59 PM", {9999, 12, 31, 23, 59, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        COleDateTime d;
        EXPECT_TRUE(d.ParseDateTime(c.text));
        EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
        ExpectFields(d, c.expected);
    }
    COleDateTime timeOnly;
    ASSERT_TRUE(timeOnly.ParseDateTime("14:30"));
    EXPECT_LT(timeOnly.GetYear(), 1900);
    EXPECT_NEAR(timeOnly.m_dt, 14.5 / 24.0, kSecond / 10);
}

TEST(COleDateTimeParse, UnreadableTextIsInvalidAndNeverThrows) {
    for (const char* text : {"garbage", "", "   ", "2/30/2024", "13/13/2024", "25:00", "3/7/2024 2:05 XM"}) {
        SCOPED_TRACE(text);
        COleDateTime d(45000.5); // a valid value before the attempt
        EXPECT_FALSE(d.ParseDateTime(text));
        EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(d.m_dt, 0.0);
        EXPECT_EQ(d.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(Text(d.Format("%Y")), "");
    }
    COleDateTime none;
    EXPECT_FALSE(none.ParseDateTime(nullptr));
    EXPECT_EQ(none.GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTimeParse, FlagsSelectDateOrTimeOnly) {
    COleDateTime d;
    ASSERT_TRUE(d.ParseDateTime("3/7/2024 2:05 PM", VAR_DATEVALUEONLY));
    ExpectFields(d, {2024, 3, 7, 0, 0, 0});
    ASSERT_TRUE(d.ParseDateTime("3/7/2024 2:05 PM", VAR_TIMEVALUEONLY));
    ExpectFields(d, {1899, 12, 30, 14, 5, 0});
    ASSERT_TRUE(d.ParseDateTime("3/7/2024 2:05 PM", 0,
                                MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)));
    ExpectFields(d, {2024, 3, 7, 14, 5, 0});
}

TEST(COleDateTimeParse, FormattedTextReadsBackToTheSameValue) {
    const COleDateTime cases[] = {COleDateTime(2024, 3, 7, 14, 5, 9), COleDateTime(2024, 3, 7, 0, 0, 0),
                                  COleDateTime(1899, 12, 30, 8, 0, 0), COleDateTime(1850, 6, 1, 18, 30, 0)};
    for (const COleDateTime& original : cases) {
        const CString text = original.Format();
        SCOPED_TRACE(Text(text));
        COleDateTime back;
        ASSERT_TRUE(back.ParseDateTime(text));
        EXPECT_TRUE(back == original);
    }
}

// ---------------------------------------------------------------- fields and serials

TEST(COleDateTimeFields, SerialsOfKnownDates) {
    struct Case {
        Fields fields;
        double serial;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},       {{1899, 12, 31, 0, 0, 0}, 1.0},
        {{1900, 1, 1, 0, 0, 0}, 2.0},         {{1900, 3, 1, 0, 0, 0}, 61.0}, // 1900 is not a leap year
        {{1970, 1, 1, 0, 0, 0}, 25569.0},     {{2024, 3, 7, 0, 0, 0}, 45358.0},
        {{2024, 3, 7, 18, 0, 0}, 45358.75},   {{1899, 12, 29, 6, 0, 0}, -1.25}, // negative, fraction forward
        {{1899, 12, 28, 18, 0, 0}, -2.75},    {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
    };
    for (const Case& c : cases) {
        const Fields& f = c.fields;
        SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day << " " << f.hour);
        COleDateTime d;
        EXPECT_EQ(d.SetDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second), 0);
        EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(d.m_dt, c.serial);
        EXPECT_DOUBLE_EQ(static_cast<DATE>(d), c.serial);
        ExpectFields(COleDateTime(c.serial), f); // and back from the serial
    }
}

TEST(COleDateTimeFields, OutOfRangeFieldsAreRefused) {
    const Fields bad[] = {
        {2024, 0, 1, 0, 0, 0},  {2024, 13, 1, 0, 0, 0}, {2024, 3, 0, 0, 0, 0},  {2024, 4, 31, 0, 0, 0},
        {2023, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2024, 3, 7, 24, 0, 0}, {2024, 3, 7, -1, 0, 0},
        {2024, 3, 7, 0, 60, 0}, {2024, 3, 7, 0, 0, 60}, {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0},
    };
    for (const Fields& f : bad) {
        SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":"
                                        << f.minute << ":" << f.second);
        COleDateTime d(45000.0);
        EXPECT_EQ(d.SetDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second), 1);
        EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(d.GetDay(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(COleDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second).GetStatus(),
                  COleDateTime::invalid);
    }
    COleDateTime d;
    EXPECT_EQ(d.SetDate(2000, 2, 29), 0); // divisible by 400: a leap year
    EXPECT_EQ(d.SetDate(2024, 2, 30), 1);
    EXPECT_EQ(d.SetTime(23, 59, 59), 0);
    EXPECT_EQ(d.SetTime(12, 61, 0), 1);
}

TEST(COleDateTimeFields, SetDateAndSetTimeFillTheOtherHalf) {
    COleDateTime d;
    ASSERT_EQ(d.SetDate(2024, 3, 7), 0);
    ExpectFields(d, {2024, 3, 7, 0, 0, 0});
    ASSERT_EQ(d.SetTime(9, 15, 30), 0);
    ExpectFields(d, {1899, 12, 30, 9, 15, 30});
    EXPECT_NEAR(d.m_dt, (9 * 3600 + 15 * 60 + 30) * kSecond, kSecond / 100);
}

TEST(COleDateTimeFields, FieldsRoundToTheNearestSecond) {
    // Serials that only approximately hit a second still read as that second.
    const double nearly = 45358.0 + (14 * 3600 + 5 * 60) * kSecond;
    ExpectFields(COleDateTime(nearly - kSecond / 1000), {2024, 3, 7, 14, 5, 0});
    ExpectFields(COleDateTime(nearly + kSecond / 1000), {2024, 3, 7, 14, 5, 0});
    ExpectFields(COleDateTime(45358.0 - kSecond / 4), {2024, 3, 7, 0, 0, 0}); // rounds up to midnight
    ExpectFields(COleDateTime(45358.0 - kSecond * 0.75), {2024, 3, 6, 23, 59, 59});
    ExpectFields(COleDateTime(-1.0 - kSecond / 4), {1899, 12, 29, 0, 0, 0}); // negative side too
}

TEST(COleDateTimeFields, DayOfWeekAndDayOfYear) {
    struct Case {
        Fields fields;
        int dayOfWeek, dayOfYear;
    };
    const Case cases[] = {
        {{1899, 12, 29, 6, 0, 0}, 6, 363},  {{1899, 12, 30, 0, 0, 0}, 7, 364},
        {{1899, 12, 31, 23, 0, 0}, 1, 365}, {{1900, 1, 1, 0, 0, 0}, 2, 1},
        {{2024, 3, 7, 14, 5, 0}, 5, 67},    {{2024, 12, 31, 0, 0, 0}, 3, 366},
        {{2023, 12, 31, 0, 0, 0}, 1, 365},  {{100, 1, 1, 0, 0, 0}, 6, 1},
        {{9999, 12, 31, 0, 0, 0}, 6, 365},
    };
    for (const Case& c : cases) {
        const Fields& f = c.fields;
        SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day);
        const COleDateTime d(f.year, f.month, f.day, f.hour, f.minute, f.second);
        EXPECT_EQ(d.GetDayOfWeek(), c.dayOfWeek);
        EXPECT_EQ(d.GetDayOfYear(), c.dayOfYear);
    }
}

TEST(COleDateTimeFields, SerialsOutsideTheCalendarOrNotValidHaveNoFields) {
    for (const double serial : {-657435.0, 2958466.0, 2958465.0 + 86399.6 * kSecond, 1e300}) {
        SCOPED_TRACE(serial);
        const COleDateTime d(serial);
        EXPECT_EQ(d.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(d.GetDayOfWeek(), AFX_OLE_DATETIME_ERROR);
        SYSTEMTIME st{};
        EXPECT_FALSE(d.GetAsSystemTime(st));
    }
    EXPECT_EQ(COleDateTime(std::nan("")).GetStatus(), COleDateTime::invalid);

    COleDateTime nullDate(45358.0);
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_EQ(nullDate.GetMonth(), AFX_OLE_DATETIME_ERROR);
    EXPECT_EQ(Text(nullDate.Format()), "");
}

// ---------------------------------------------------------------- other sources

TEST(COleDateTimeSources, TimeSystemTimeFileTimeAndVariant) {
    const __time64_t unixTime = 19789LL * 86400 + 14 * 3600 + 5 * 60 + 9; // 2024-03-07 14:05:09 UTC
    ExpectFields(COleDateTime(unixTime), {2024, 3, 7, 14, 5, 9});
    EXPECT_EQ(COleDateTime(__time64_t{-5}).GetStatus(), COleDateTime::invalid);

    SYSTEMTIME st{};
    st.wYear = 1850;
    st.wMonth = 6;
    st.wDay = 1;
    st.wHour = 18;
    st.wMinute = 30;
    st.wMilliseconds = 999;
    ExpectFields(COleDateTime(st), {1850, 6, 1, 18, 30, 0});
    st.wMonth = 14;
    EXPECT_EQ(COleDateTime(st).GetStatus(), COleDateTime::invalid);

    SYSTEMTIME utc{};
    utc.wYear = 2024;
    utc.wMonth = 3;
    utc.wDay = 7;
    utc.wHour = 14;
    utc.wMinute = 5;
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    ExpectFields(COleDateTime(ft), {2024, 3, 7, 14, 5, 0});

    SYSTEMTIME back{};
    ASSERT_TRUE(COleDateTime(2024, 3, 7, 14, 5, 9).GetAsSystemTime(back));
    EXPECT_EQ(back.wYear, 2024);
    EXPECT_EQ(back.wMonth, 3);
    EXPECT_EQ(back.wDay, 7);
    EXPECT_EQ(back.wDayOfWeek, 4); // Thursday, counted from Sunday = 0
    EXPECT_EQ(back.wHour, 14);
    EXPECT_EQ(back.wMinute, 5);
    EXPECT_EQ(back.wSecond, 9);
}

TEST(COleDateTimeSources, VariantsOfSeveralTypes) {
    EXPECT_DOUBLE_EQ(COleDateTime(COleVariant(COleDateTime(2024, 3, 7, 0, 0, 0))).m_dt, 45358.0);
    ExpectFields(COleDateTime(COleVariant("3/7/2024 2:05 PM")), {2024, 3, 7, 14, 5, 0});
    ExpectFields(COleDateTime(COleVariant(45358.5)), {2024, 3, 7, 12, 0, 0});
    EXPECT_EQ(COleDateTime(COleVariant("garbage")).GetStatus(), COleDateTime::invalid);

    VARIANT nullVariant;
    VariantInit(&nullVariant);
    nullVariant.vt = VT_NULL;
    EXPECT_EQ(COleDateTime(nullVariant).GetStatus(), COleDateTime::null);
}

TEST(COleDateTimeSources, CurrentTimeIsLocalNow) {
    const CTime before = CTime::GetCurrentTime();
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const CTime after = CTime::GetCurrentTime();
    ASSERT_EQ(now.GetStatus(), COleDateTime::valid);
    EXPECT_GE(now, COleDateTime(before.GetTime()));
    EXPECT_LE(now, COleDateTime(after.GetTime()));
}

// ---------------------------------------------------------------- arithmetic around 30 December 1899

TEST(COleDateTimeArithmetic, SpansCrossTheStartOfTheSerials) {
    const COleDateTime eveningBefore(1899, 12, 29, 18, 0, 0); // serial -1.75
    const COleDateTime morningAfter(1899, 12, 30, 6, 0, 0);   // serial 0.25
    const COleDateTimeSpan twelveHours(0.5);

    ExpectFields(eveningBefore + twelveHours, {1899, 12, 30, 6, 0, 0});
    ExpectFields(morningAfter - twelveHours, {1899, 12, 29, 18, 0, 0});
    EXPECT_DOUBLE_EQ((morningAfter - eveningBefore).GetTotalHours(), 12.0);
    EXPECT_DOUBLE_EQ((eveningBefore - morningAfter).GetTotalHours(), -12.0);

    ExpectFields(COleDateTime(1.25) - COleDateTimeSpan(2.0), {1899, 12, 29, 6, 0, 0});
    EXPECT_DOUBLE_EQ((COleDateTime(1.25) - COleDateTimeSpan(2.0)).m_dt, -1.25);

    // Stepping one day at a time keeps the time of day on both sides.
    const Fields days[] = {{1899, 12, 25, 12, 0, 0}, {1899, 12, 26, 12, 0, 0}, {1899, 12, 27, 12, 0, 0},
                           {1899, 12, 28, 12, 0, 0}, {1899, 12, 29, 12, 0, 0}, {1899, 12, 30, 12, 0, 0},
                           {1899, 12, 31, 12, 0, 0}, {1900, 1, 1, 12, 0, 0},   {1900, 1, 2, 12, 0, 0}};
    COleDateTime step(1899, 12, 25, 12, 0, 0);
    for (const Fields& expected : days) {
        SCOPED_TRACE(testing::Message() << expected.month << "/" << expected.day);
        ExpectFields(step, expected);
        step += COleDateTimeSpan(1, 0, 0, 0);
    }
    step -= COleDateTimeSpan(9, 0, 0, 0);
    ExpectFields(step, {1899, 12, 25, 12, 0, 0});
}

TEST(COleDateTimeArithmetic, OrderFollowsTimeOnBothSidesOfTheStart) {
    const COleDateTime six(1899, 12, 29, 6, 0, 0);   // -1.25
    const COleDateTime noon(1899, 12, 29, 12, 0, 0); // -1.5
    const COleDateTime early(1899, 12, 30, 1, 0, 0);
    EXPECT_TRUE(six < noon);
    EXPECT_TRUE(noon > six);
    EXPECT_TRUE(noon < early);
    EXPECT_TRUE(six <= six);
    EXPECT_TRUE(six != noon);
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25)); // both are 30 December 1899 06:00
    EXPECT_TRUE(COleDateTime(2024, 1, 1, 0, 0, 0) > COleDateTime(2023, 12, 31, 23, 59, 59));
}

TEST(COleDateTimeArithmetic, StatusOfResults) {
    const COleDateTime date(2024, 3, 7, 0, 0, 0);
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    COleDateTimeSpan badSpan(1.0);
    badSpan.SetStatus(COleDateTimeSpan::invalid);

    EXPECT_EQ((date + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::valid);
    EXPECT_EQ((bad + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((none + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((date + badSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((date - bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((date - none).GetStatus(), COleDateTimeSpan::null);
    // Past the last day of the calendar.
    EXPECT_EQ((COleDateTime(9999, 12, 31, 12, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(),
              COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(100, 1, 1, 12, 0, 0) - COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(bad == COleDateTime(0.0)); // same value, different status
}

// ---------------------------------------------------------------- formatting

TEST(COleDateTimeFormat, LocaleTextOfDateTimeDateAndTime) {
    EXPECT_EQ(Text(COleDateTime(2024, 3, 7, 14, 5, 9).Format()), "3/7/2024 2:05:09 PM");
    EXPECT_EQ(Text(COleDateTime(2024, 3, 7, 0, 0, 0).Format(0, LANG_USER_DEFAULT)), "3/7/2024");
    EXPECT_EQ(Text(COleDateTime(1899, 12, 30, 14, 30, 0).Format()), "2:30:00 PM");
    EXPECT_EQ(Text(COleDateTime(2024, 3, 7, 14, 5, 9).Format(VAR_DATEVALUEONLY)), "3/7/2024");
    EXPECT_EQ(Text(COleDateTime(2024, 3, 7, 14, 5, 9).Format(VAR_TIMEVALUEONLY)), "2:05:09 PM");
    COleDateTime bad(45358.0);
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(Text(bad.Format()), "");
}

TEST(COleDateTimeFormat, StrftimeCodesIncludingYearsBefore1900) {
    struct Case {
        Fields fields;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {{2024, 3, 7, 14, 5, 9}, "%Y-%m-%d %H:%M:%S", "2024-03-07 14:05:09"},
        {{2024, 3, 7, 14, 5, 9}, "%A, %B %#d, %Y", "Thursday, March 7, 2024"},
        {{2024, 3, 7, 14, 5, 9}, "%j|%w|%I %p|%%", "067|4|02 PM|%"},
        {{1899, 12, 30, 14, 30, 0}, "%Y-%m-%d %H:%M", "1899-12-30 14:30"},
        {{1899, 12, 30, 14, 30, 0}, "%A %y %j", "Saturday 99 364"},
        {{1752, 9, 14, 0, 0, 0}, "%#x", "Thursday, September 14, 1752"},
        {{100, 1, 1, 0, 0, 0}, "%Y %A %y", "100 Friday 00"},
        {{9999, 12, 31, 23, 59, 59}, "%Y-%m-%d %H:%M:%S %a", "9999-12-31 23:59:59 Fri"},
        {{2024, 3, 7, 0, 0, 0}, "%Q %", "%Q %"},
    };
    for (const Case& c : cases) {
        const Fields& f = c.fields;
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Text(COleDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second).Format(c.format)),
                  c.expected);
    }
}

} // namespace
