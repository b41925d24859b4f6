#include "framework/core/CTime.h"

#include <gtest/gtest.h>

#include <string>

// These tests run with TZ=UTC, so local time equals UTC.
namespace {

// 2024-03-07 14:05:09 UTC, worked out by hand: 19789 days after 1970-01-01 plus 50709 seconds.
constexpr __time64_t kThursdayAfternoon = 19789LL * 86400 + 14 * 3600 + 5 * 60 + 9;

std::string Text(const CString& s) {
    return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
}

struct Fields {
    int year, month, day, hour, minute, second;
};

void ExpectFields(const CTime& t, const Fields& f) {
    EXPECT_EQ(t.GetYear(), f.year);
    EXPECT_EQ(t.GetMonth(), f.month);
    EXPECT_EQ(t.GetDay(), f.day);
    EXPECT_EQ(t.GetHour(), f.hour);
    EXPECT_EQ(t.GetMinute(), f.minute);
    EXPECT_EQ(t.GetSecond(), f.second);
}

TEST(CTimeFields, FieldConstructorRoundTripsThroughLocalTime) {
    const Fields cases[] = {{1970, 1, 2, 0, 0, 0},   {2024, 2, 29, 23, 59, 59}, {2024, 3, 7, 14, 5, 9},
                            {2038, 1, 19, 3, 14, 8}, {2999, 12, 31, 12, 0, 0},  {2000, 1, 1, 0, 0, 1}};
    for (const Fields& f : cases) {
        SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day);
        const CTime t(f.year, f.month, f.day, f.hour, f.minute, f.second);
        EXPECT_NE(t.GetTime(), 0);
        ExpectFields(t, f);
    }
    EXPECT_EQ(CTime(2024, 3, 7, 14, 5, 9).GetTime(), kThursdayAfternoon);
    EXPECT_EQ(CTime(2024, 3, 7, 14, 5, 9, 0).GetTime(), kThursdayAfternoon); // standard time asked
}

TEST(CTimeFields, OutOfRangeFieldsAreNormalised) {
    struct Case {
        Fields given;
        Fields expected;
    };
    const Case cases[] = {
        {{2024, 13, 1, 0, 0, 0}, {2025, 1, 1, 0, 0, 0}},     // month 13: January of the next year
        {{2024, 3, 0, 10, 0, 0}, {2024, 2, 29, 10, 0, 0}},   // day 0: last day of the previous month
        {{2023, 3, 0, 10, 0, 0}, {2023, 2, 28, 10, 0, 0}},   // ... in a common year
        {{2024, 0, 15, 0, 0, 0}, {2023, 12, 15, 0, 0, 0}},   // month 0: December before
        {{2024, 1, 31, 24, 0, 0}, {2024, 2, 1, 0, 0, 0}},    // hour 24
        {{2024, 12, 31, 23, 59, 60}, {2025, 1, 1, 0, 0, 0}}, // second 60 carries to the new year
        {{2024, 4, 31, 8, 0, 0}, {2024, 5, 1, 8, 0, 0}},     // 31 April
        {{2024, 3, 7, 14, -5, 0}, {2024, 3, 7, 13, 55, 0}},  // negative minutes borrow
    };
    for (const Case& c : cases) {
        const Fields& g = c.given;
        SCOPED_TRACE(testing::Message() << g.year << "-" << g.month << "-" << g.day << " " << g.hour << ":"
                                        << g.minute << ":" << g.second);
        ExpectFields(CTime(g.year, g.month, g.day, g.hour, g.minute, g.second), c.expected);
    }
}

TEST(CTimeFields, DayOfWeekCountsFromSunday) {
    struct Case {
        int year, month, day, dayOfWeek;
    };
    const Case cases[] = {
        {1970, 1, 1, 5}, {2024, 3, 3, 1}, {2024, 3, 7, 5}, {2024, 3, 9, 7}, {2000, 2, 29, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(CTime(c.year, c.month, c.day, 12, 0, 0).GetDayOfWeek(), c.dayOfWeek);
    }
}

TEST(CTimeFields, TimesTheRuntimeCannotRepresentHaveNoFields) {
    // Construction from fields outside the runtime's range gives "no time".
    EXPECT_EQ(CTime(1969, 12, 31, 12, 0, 0).GetTime(), 0);
    EXPECT_EQ(CTime(1800, 1, 1, 0, 0, 0).GetTime(), 0);
    EXPECT_EQ(CTime(3001, 1, 1, 0, 0, 0).GetTime(), 0);

    // A raw value outside the range is kept, but nothing reads fields from it.
    for (const __time64_t raw : {__time64_t{-1}, __time64_t{-86400 * 365}, __time64_t{99999999999}}) {
        SCOPED_TRACE(raw);
        const CTime t(raw);
        EXPECT_EQ(t.GetTime(), raw);
        EXPECT_EQ(t.GetYear(), 0);
        EXPECT_EQ(t.GetMonth(), 0);
        EXPECT_EQ(t.GetDay(), 0);
        EXPECT_EQ(t.GetDayOfWeek(), 0);
        struct tm fields {};
        EXPECT_EQ(t.GetLocalTm(&fields), nullptr);
        EXPECT_EQ(t.GetGmtTm(), nullptr);
        SYSTEMTIME st{};
        EXPECT_FALSE(t.GetAsSystemTime(st));
        EXPECT_EQ(Text(t.Format("%Y-%m-%d")), "");
        EXPECT_EQ(Text(t.FormatGmt("%Y-%m-%d")), "");
    }
}

TEST(CTimeFields, BrokenDownTimeGoesToCallerBufferOrThreadBuffer) {
    const CTime t(kThursdayAfternoon);
    struct tm mine {};
    EXPECT_EQ(t.GetLocalTm(&mine), &mine);
    EXPECT_EQ(mine.tm_year, 124);
    EXPECT_EQ(mine.tm_yday, 66);

    struct tm* shared = t.GetGmtTm();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->tm_hour, 14);
    EXPECT_EQ(shared->tm_wday, 4);
}

TEST(CTimeSystemTime, SystemTimeIsLocalFieldsBothWays) {
    SYSTEMTIME st{};
    ASSERT_TRUE(CTime(kThursdayAfternoon).GetAsSystemTime(st));
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(st.wDay, 7);
    EXPECT_EQ(st.wDayOfWeek, 4); // SYSTEMTIME counts from Sunday = 0
    EXPECT_EQ(st.wHour, 14);
    EXPECT_EQ(st.wMinute, 5);
    EXPECT_EQ(st.wSecond, 9);
    EXPECT_EQ(st.wMilliseconds, 0);

    st.wMilliseconds = 999; // milliseconds do not round up
    EXPECT_EQ(CTime(st).GetTime(), kThursdayAfternoon);

    SYSTEMTIME early{};
    early.wYear = 1601;
    early.wMonth = 1;
    early.wDay = 1;
    EXPECT_EQ(CTime(early).GetTime(), 0);
}

TEST(CTimeFileTime, FileTimeIsAnExactUtcInstant) {
    SYSTEMTIME utc{};
    utc.wYear = 2024;
    utc.wMonth = 3;
    utc.wDay = 7;
    utc.wHour = 14;
    utc.wMinute = 5;
    utc.wSecond = 9;
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    const CTime t(ft);
    EXPECT_EQ(t.GetTime(), kThursdayAfternoon);
    EXPECT_EQ(std::string(t.FormatGmt("%Y-%m-%d %H:%M:%S")), "2024-03-07 14:05:09");

    EXPECT_EQ(CTime(FILETIME{0, 0}).GetTime(), 0);
    utc.wYear = 1960; // before 1970: a negative time without fields
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    EXPECT_LT(CTime(ft).GetTime(), 0);
    EXPECT_EQ(CTime(ft).GetYear(), 0);
}

TEST(CTimeNow, CurrentTimeIsTheRuntimeClock) {
    const __time64_t before = _time64(nullptr);
    const CTime now = CTime::GetCurrentTime();
    const __time64_t after = _time64(nullptr);
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), after);
    EXPECT_GE(now.GetYear(), 2024);
}

TEST(CTimeArithmetic, DifferencesSpansAndComparisons) {
    const CTime start(2024, 3, 7, 8, 30, 0);
    const CTime end(2024, 3, 8, 17, 45, 30);
    const CTimeSpan worked = end - start;
    EXPECT_EQ(worked.GetTotalSeconds(), 33 * 3600 + 15 * 60 + 30);
    EXPECT_EQ(start + worked, end);
    EXPECT_EQ(end - worked, start);
    EXPECT_EQ((start - end).GetTotalSeconds(), -worked.GetTotalSeconds());

    CTime moving = start;
    moving += CTimeSpan(1, 0, 0, 0);
    ExpectFields(moving, {2024, 3, 8, 8, 30, 0});
    moving -= CTimeSpan(0, 9, 0, 0);
    ExpectFields(moving, {2024, 3, 7, 23, 30, 0});

    EXPECT_TRUE(start < end);
    EXPECT_TRUE(end > start);
    EXPECT_TRUE(start <= start);
    EXPECT_TRUE(start != end);
    EXPECT_FALSE(start == end);
    EXPECT_TRUE(CTime() == CTime(0)); // "no time"
    EXPECT_TRUE(CTime() < start);
}

TEST(CTimeFormat, StrftimeCodes) {
    const CTime t(kThursdayAfternoon);
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"%Y-%m-%d %H:%M:%S", "2024-03-07 14:05:09"},
        {"%A %a %B %b", "Thursday Thu March Mar"},
        {"%#d.%#m.%y", "7.3.24"},
        {"%I:%M %p", "02:05 PM"},
        {"%j %w", "067 4"},
        {"%B %Y", "March 2024"},
        {"100%% done", "100% done"},
        {"", ""},
        {"no codes", "no codes"},
        {"%Q and %", "%Q and %"}, // unknown code and a lone '%' are text
        {"%#Q", "%#Q"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Text(t.Format(c.format)), c.expected);
        EXPECT_EQ(Text(t.FormatGmt(c.format)), c.expected);
    }
    EXPECT_EQ(Text(t.Format(nullptr)), "");
}

TEST(CTimeFormat, LongTextIsNotCut) {
    const CTime t(kThursdayAfternoon);
    std::string format;
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        format += "%B %Y|";
        expected += "March 2024|";
    }
    EXPECT_EQ(Text(t.Format(format.c_str())), expected);
}

} // namespace
