// Locale formatting and parsing in English (United States): "." decimals, "," groups of three, "$",
// month-first short dates and 12-hour times.
#include "foundation/LocaleFormat.h"
#include "foundation/LocaleNumberFormat.h"
#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string Stamp(const CTime& time) {
    return time.GetTime() == 0 ? std::string("(0)") : std::string(time.Format("%Y-%m-%d %H:%M:%S"));
}

CTime TodayAt(int hour, int minute, int second) {
    const CTime now = CTime::GetCurrentTime();
    return CTime(now.GetYear(), now.GetMonth(), now.GetDay(), hour, minute, second);
}

class LocaleFormat : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AcxInitFormatting(); }
};

TEST(LocaleNumberFormat, GroupingTextBecomesNumberFmtGrouping) {
    const struct {
        const char* text;
        UINT grouping;
    } cases[] = {
        {"3;0", 3}, {"3;2;0", 32}, {"3", 30}, {"0;0", 0}, {"", 0}, {nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(CLocaleNumberFormat::GroupingFromText(c.text), c.grouping);
    }
}

TEST_F(LocaleFormat, FormatNumber) {
    const struct {
        double value;
        int decimals;
        DWORD flags;
        const char* expected;
    } cases[] = {
        {2.50, 2, ACXFMT_STRIPZEROS, "2.5"},
        {2.00, 2, ACXFMT_STRIPZEROS, "2"},
        {12.340, 3, ACXFMT_STRIPZEROS, "12.34"},
        {100.0, 2, ACXFMT_STRIPZEROS, "100"},
        {2.50, 2, 0, "2.50"},
        {1234.5, 1, 0, "1234.5"},
        {1234.5, 1, ACXFMT_GROUPING, "1,234.5"},
        {1234567.891, 2, ACXFMT_GROUPING, "1,234,567.89"},
        {-1234.5, 2, ACXFMT_GROUPING, "-1,234.50"},
        {999.995, 2, ACXFMT_GROUPING, "1,000.00"},
        {-999.995, 2, ACXFMT_GROUPING, "-1,000.00"},
        {999999.999, 2, ACXFMT_GROUPING, "1,000,000.00"},
        {1234567.0, 0, ACXFMT_GROUPING | ACXFMT_STRIPZEROS, "1,234,567"},
        {0.125, 3, 0, "0.125"},
        {kNaN, 2, 0, ""},
        {kInfinity, 2, ACXFMT_GROUPING, ""},
        {-kInfinity, 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " decimals " << c.decimals << " flags " << c.flags);
        EXPECT_STREQ(AcxFormatNumber(c.value, c.decimals, c.flags), c.expected);
    }
}

TEST_F(LocaleFormat, FormatCurrency) {
    const struct {
        double value;
        int decimals;
        DWORD flags;
        const char* expected;
    } cases[] = {
        // The locale's number of digits: the locale's own currency form.
        {1234.5, 2, 0, "$1,234.50"},
        {1234567.891, 2, 0, "$1,234,567.89"},
        {999.995, 2, 0, "$1,000.00"},
        {-5.0, 2, 0, "($5.00)"},
        // Other numbers of digits: still the locale's currency form.
        {2.50, 2, ACXFMT_STRIPZEROS, "$2.5"},
        {2.00, 2, ACXFMT_STRIPZEROS, "$2"},
        {1234.125, 3, 0, "$1,234.125"},
        {1.5, 0, 0, "$2"},
        // More digits than the locale's: zeros beyond the locale's digits are dropped.
        {1.5, 4, 0, "$1.50"},
        {1.2345, 4, 0, "$1.2345"},
        {1.2340, 4, 0, "$1.234"},
        {-1.5, 3, 0, "($1.50)"},
        {100.0, 3, 0, "$100.00"},
        {kNaN, 2, 0, ""},
        {kInfinity, 3, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " decimals " << c.decimals << " flags " << c.flags);
        EXPECT_STREQ(FormatCurrency(c.value, c.decimals, c.flags), c.expected);
    }
}

TEST(LocaleFormatCache, FirstUseFromManyThreadsGivesOneConsistentFormat) {
    constexpr int kThreads = 8;
    std::vector<std::string> currency(kThreads);
    std::vector<double> parsed(kThreads, 0.0);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([i, &currency, &parsed] {
            currency[i] = FormatCurrency(-1234.5, 3).GetString();
            ParseLocaleDouble("1,234,567.5", &parsed[i]);
        });
    }
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(currency[i], "($1,234.50)");
        EXPECT_DOUBLE_EQ(parsed[i], 1234567.5);
    }
}

TEST(LocaleFormatDuration, Codes) {
    const struct {
        long seconds;
        const char* format;
        const char* expected;
    } cases[] = {
        {90061, "%D %a %H:%M:%S", "1 day 01:01:01"},
        {90061, "%D %a %h %o %m %i %s %e", "1 day 1 hour 1 minute 1 second"},
        {180122, "%D %a %h %o %m %i %s %e", "2 days 2 hours 2 minutes 2 seconds"},
        {259205, "%D %a %H:%M:%S", "3 days 00:00:05"},
        {3725, "%H:%M:%S", "01:02:05"},
        {3725, "%h:%m:%s", "1:2:5"},
        {93784, "%h %M", "2 03"},
        {5400, "%f h", "1.50 h"},
        {4500000, "%f", "1250.00"},
        {50, "100%% done %x", "100% done x"},
        {59, "ends with %", "ends with %"},
        {61, "", ""},
        {61, nullptr, ""},
        // Every part keeps the sign of a negative duration.
        {-61, "%m %i %s %e", "-1 minutes -1 seconds"},
        {-90061, "%D %h %m %s", "-1 -1 -1 -1"},
        {-5400, "%f", "-1.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seconds << " " << (c.format ? c.format : "(null)"));
        EXPECT_STREQ(AcxFormatDuration(c.seconds, c.format), c.expected);
    }
}

TEST(LocaleFormatDuration, AutoPicksUnitsByMagnitude) {
    const struct {
        long seconds;
        const char* expected;
    } cases[] = {
        {86400, "1 day 0 hours 0 minutes"},
        {176461, "2 days 1 hour 1 minute"},
        {3725, "1 hour 2 minutes"},
        {7200, "2 hours 0 minutes"},
        {61, "1 minute 1 second"},
        {3599, "59 minutes 59 seconds"},
        {59, "59 seconds"},
        {1, "1 second"},
        {0, "0 seconds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_STREQ(AcxFormatDurationAuto(c.seconds), c.expected);
    }
}

TEST(LocaleFormatDuration, FormatFromStringTable) {
    // "Q%i %02i": %i is the minute word, "%0" stands for '0'.
    EXPECT_STREQ(AcxFormatDurationRes(61, IDS_QUARTER_FORMAT), "Qminute 02i");
    EXPECT_STREQ(AcxFormatDurationRes(61, 1), "");
}

TEST_F(LocaleFormat, DatesAndTimes) {
    const CTime t(2024, 3, 7, 14, 5, 9);
    EXPECT_STREQ(AcxFormatDate(t, DATE_SHORTDATE), "3/7/2024");
    EXPECT_STREQ(AcxFormatDate(t, DATE_LONGDATE), "Thursday, March 7, 2024");
    EXPECT_STREQ(AcxFormatTime(t, 0), "2:05:09 PM");
    EXPECT_STREQ(AcxFormatTime(t, TIME_NOSECONDS), "2:05 PM");
    EXPECT_STREQ(AcxFormatTime(t, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER), "14:05:09");
    EXPECT_STREQ(AcxFormatDateTime(t), "3/7/2024 2:05:09 PM");
    EXPECT_STREQ(FormatMonthYear(t), "Mar 24");
    EXPECT_STREQ(FormatMonthYear(CTime(1999, 12, 31, 23, 0, 0)), "Dec 99");
}

TEST_F(LocaleFormat, TimeBelowOneDayIsTimeOfDay) {
    EXPECT_STREQ(AcxFormatTime(CTime(14 * 3600 + 30 * 60), TIME_NOSECONDS), "2:30 PM");
    EXPECT_STREQ(AcxFormatTime(CTime(86399), 0), "11:59:59 PM");
    EXPECT_STREQ(AcxFormatTime(CTime(0), 0), "12:00:00 AM");
}

TEST_F(LocaleFormat, TimeWithoutFieldsGivesEmptyText) {
    const CTime beyond(40000000000LL); // after the year 3000
    EXPECT_STREQ(AcxFormatDate(beyond, DATE_SHORTDATE), "");
    EXPECT_STREQ(AcxFormatTime(beyond, 0), "");
    EXPECT_STREQ(FormatMonthYear(beyond), "");
    EXPECT_STREQ(FormatQuarter(beyond), "");
}

TEST(LocaleFormatQuarter, QuarterAndTwoDigitYear) {
    const struct {
        int year, month, day;
        const char* expected;
    } cases[] = {
        {2004, 11, 15, "Q4 04"}, {1999, 2, 2, "Q1 99"},   {2024, 4, 1, "Q2 24"},
        {2010, 9, 30, "Q3 10"},  {2000, 12, 31, "Q4 00"}, {1970, 6, 30, "Q2 70"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_STREQ(FormatQuarter(CTime(c.year, c.month, c.day, 12, 0, 0)), c.expected);
    }
}

TEST(LocaleParseDateTime, DatesAndTimes) {
    const struct {
        const char* text;
        CTime expected;
    } cases[] = {
        {"3/7/2024 2:05:09 PM", CTime(2024, 3, 7, 14, 5, 9)},
        {"3/7/2024 14:05", CTime(2024, 3, 7, 14, 5, 0)},
        {"3/7/2024", CTime(2024, 3, 7, 0, 0, 0)},
        {"12/31/2999 23:59:59", CTime(2999, 12, 31, 23, 59, 59)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CTime parsed(1);
        EXPECT_TRUE(AcxParseDateTime(c.text, &parsed));
        EXPECT_EQ(Stamp(parsed), Stamp(c.expected));
    }
}

TEST(LocaleParseDateTime, TimeAloneIsToday) {
    const std::string before = Stamp(TodayAt(14, 30, 0));
    CTime parsed;
    ASSERT_TRUE(AcxParseDateTime("14:30", &parsed));
    const std::string after = Stamp(TodayAt(14, 30, 0));
    EXPECT_TRUE(Stamp(parsed) == before || Stamp(parsed) == after) << Stamp(parsed);
    ASSERT_TRUE(AcxParseDateTime("9:15:20 PM", &parsed));
    EXPECT_EQ(parsed.GetHour(), 21);
    EXPECT_EQ(parsed.GetMinute(), 15);
    EXPECT_EQ(parsed.GetSecond(), 20);
}

TEST(LocaleParseDateTime, FailureGivesFalseAndZero) {
    for (const char* text : {"garbage", "", "13/45/2024", "1/1/3500", "25:99"}) {
        SCOPED_TRACE(text);
        CTime parsed(CTime(2024, 1, 1, 0, 0, 0));
        EXPECT_FALSE(AcxParseDateTime(text, &parsed));
        EXPECT_EQ(parsed.GetTime(), 0);
    }
    CTime parsed(5);
    EXPECT_FALSE(AcxParseDateTime(nullptr, &parsed));
    EXPECT_EQ(parsed.GetTime(), 0);
}

TEST(LocaleParseDateTime, ReadsBackFormattedText) {
    const CTime t(2031, 10, 12, 7, 8, 9);
    CTime parsed;
    ASSERT_TRUE(AcxParseDateTime(AcxFormatDateTime(t), &parsed));
    EXPECT_EQ(Stamp(parsed), Stamp(t));
}

TEST(LocaleOleDate, ToTime) {
    EXPECT_EQ(Stamp(OleDateToTime(COleDateTime(2024, 3, 7, 14, 5, 9))), Stamp(CTime(2024, 3, 7, 14, 5, 9)));
    COleDateTime timeOnly;
    timeOnly.SetTime(9, 15, 0);
    const CTime converted = OleDateToTime(timeOnly);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_EQ(converted.GetYear(), now.GetYear());
    EXPECT_EQ(converted.GetHour(), 9);
    EXPECT_EQ(converted.GetMinute(), 15);
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(OleDateToTime(invalid).GetTime(), 0);
}

TEST(LocaleParseDouble, LocaleNumbers) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1,234,567.89", 1234567.89},
        {"1,234.5", 1234.5},
        {"-3.25", -3.25},
        {"0.1", 0.1},
        {".5", 0.5},
        {"42", 42},
        {"  7.", 7},
        {"$1,234.50", 1234.5},
        {"($5.00)", -5},
        {"- 12", -12},
        {"5-3", 5},
        {"12abc", 12},
        {"3000000000", 3e9},
        {"98,765,432,101.25", 98765432101.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 999;
        EXPECT_TRUE(ParseLocaleDouble(c.text, &value));
        EXPECT_DOUBLE_EQ(value, c.expected);
    }
}

TEST(LocaleParseDouble, NoNumberLeavesOutputUnchanged) {
    for (const char* text : {"abc", "", "-", "$", ",,,"}) {
        SCOPED_TRACE(text);
        double value = 17.5;
        EXPECT_FALSE(ParseLocaleDouble(text, &value));
        EXPECT_EQ(value, 17.5);
    }
}

TEST_F(LocaleFormat, FormattedAmountsParseBack) {
    for (double value : {0.0, 12.34, -12.34, 1234567.5, -1234567.5, -0.5}) {
        SCOPED_TRACE(value);
        double parsed = 999;
        ASSERT_TRUE(ParseLocaleDouble(FormatCurrency(value, 2), &parsed));
        EXPECT_DOUBLE_EQ(parsed, value);
        ASSERT_TRUE(ParseLocaleDouble(FormatCurrency(value, 3), &parsed));
        EXPECT_DOUBLE_EQ(parsed, value);
        ASSERT_TRUE(ParseLocaleDouble(AcxFormatNumber(value, 2, ACXFMT_GROUPING), &parsed));
        EXPECT_DOUBLE_EQ(parsed, value);
    }
}

TEST(LocaleParseLeadingInt, LeadingDigits) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42},
        {"  42abc", 42},
        {"\t7", 7},
        {"0012", 12},
        {"abc", 0},
        {"", 0},
        {"-5", 0},
        {"12 34", 12},
        {"2147483647", INT_MAX},
        {"99999999999999", 0}, // too large for an int: no number, not some other one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseLeadingInt(c.text), c.expected);
    }
}

TEST(LocaleLongText, DecimalText) {
    EXPECT_STREQ(LongToString(-12345), "-12345");
    EXPECT_STREQ(LongToString(0), "0");
    EXPECT_STREQ(LongToString(LONG_MAX), "2147483647");
    CString text = "old";
    FormatLong(1000, text);
    EXPECT_STREQ(text, "1000");
}

TEST(LocaleInfo, Texts) {
    EXPECT_STREQ(AcxGetLocaleString(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL), ".");
    EXPECT_STREQ(AcxGetLocaleString(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE), "dddd, MMMM d, yyyy");
    EXPECT_EQ(AcxGetLocaleInt(LOCALE_USER_DEFAULT, LOCALE_IDIGITS), 2);
    EXPECT_EQ(AcxGetLocaleInt(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL), 0);
    CString text = "old";
    EXPECT_EQ(GetLocaleInfoString(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, text), 8);
    EXPECT_STREQ(text, "M/d/yyyy");
    EXPECT_STREQ(GetLocaleInfoString(LOCALE_STHOUSAND), ",");
    // An unknown information type gives an empty text.
    EXPECT_EQ(GetLocaleInfoString(LOCALE_USER_DEFAULT, 0x7fff, text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_STREQ(AcxGetLocaleString(LOCALE_USER_DEFAULT, 0x7fff), "");
}

std::uint64_t LowValue(const DB_NUMERIC& numeric) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | numeric.val[i];
    return value;
}

TEST(LocaleDbNumeric, StoresMagnitudeAndSign) {
    const struct {
        double value;
        BYTE sign;
        std::uint64_t magnitude;
    } cases[] = {
        {2.5, 1, 25000},
        {-2.5, 0, 25000},
        {0.0, 1, 0},
        {0.29, 1, 2900},
        {-0.0001, 0, 1},
        {4.35, 1, 43500},
        {123456789.1234, 1, 1234567891234},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        DB_NUMERIC numeric;
        memset(&numeric, 0xAB, sizeof numeric);
        DB_NUMERIC& result = DoubleToNumeric(c.value, numeric);
        EXPECT_EQ(&result, &numeric);
        EXPECT_EQ(numeric.precision, 0);
        EXPECT_EQ(numeric.scale, 4);
        EXPECT_EQ(numeric.sign, c.sign);
        EXPECT_EQ(LowValue(numeric), c.magnitude);
        for (int i = 8; i < 16; ++i)
            EXPECT_EQ(numeric.val[i], 0) << "byte " << i;
    }
}

TEST(LocaleDbNumeric, RoundTrip) {
    for (double value : {0.0, 1.5, -1.5, 0.29, -0.29, 19.99, -1234567.8912, 1e10, -0.0001}) {
        SCOPED_TRACE(value);
        DB_NUMERIC numeric{};
        EXPECT_DOUBLE_EQ(NumericToDouble(DoubleToNumeric(value, numeric)), value);
    }
}

TEST(LocaleDbNumeric, ReadsScaleAndSign) {
    DB_NUMERIC numeric{};
    numeric.scale = 2;
    numeric.sign = 0;
    numeric.val[0] = 0x39; // 12345 = 0x3039
    numeric.val[1] = 0x30;
    EXPECT_DOUBLE_EQ(NumericToDouble(numeric), -123.45);
    numeric.sign = 1;
    numeric.scale = 0;
    EXPECT_DOUBLE_EQ(NumericToDouble(numeric), 12345);
    numeric.val[8] = 1; // 2^64 + 12345
    EXPECT_DOUBLE_EQ(NumericToDouble(numeric), 18446744073709551616.0 + 12345);
}

DBTIMESTAMP Timestamp(int year, int month, int day, int hour, int minute, int second) {
    DBTIMESTAMP stamp{};
    stamp.year = static_cast<SHORT>(year);
    stamp.month = static_cast<USHORT>(month);
    stamp.day = static_cast<USHORT>(day);
    stamp.hour = static_cast<USHORT>(hour);
    stamp.minute = static_cast<USHORT>(minute);
    stamp.second = static_cast<USHORT>(second);
    return stamp;
}

TEST(LocaleDbTimestamp, ToTime) {
    const struct {
        DBTIMESTAMP stamp;
        CTime expected;
    } cases[] = {
        {Timestamp(2024, 3, 7, 14, 5, 9), CTime(2024, 3, 7, 14, 5, 9)},
        {Timestamp(2030, 6, 15, 10, 20, 30), CTime(2030, 6, 15, 10, 20, 30)},
        {Timestamp(2040, 1, 2, 3, 4, 5), CTime(2040, 1, 2, 3, 4, 5)},
        {Timestamp(2999, 12, 31, 12, 0, 0), CTime(2999, 12, 31, 12, 0, 0)},
        // Years CTime cannot hold are clamped into its range.
        {Timestamp(1950, 3, 1, 8, 0, 0), CTime(1970, 3, 1, 8, 0, 0)},
        {Timestamp(3500, 5, 6, 7, 8, 9), CTime(3000, 5, 6, 7, 8, 9)},
        // Year 0 and fields that name no date give 0.
        {Timestamp(0, 1, 1, 0, 0, 0), CTime()},
        {Timestamp(2024, 2, 30, 0, 0, 0), CTime()},
        {Timestamp(2024, 13, 1, 0, 0, 0), CTime()},
        {Timestamp(2024, 1, 1, 24, 0, 0), CTime()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stamp.year << "-" << c.stamp.month << "-" << c.stamp.day);
        EXPECT_EQ(Stamp(DbTimestampToTime(c.stamp)), Stamp(c.expected));
    }
}

TEST(LocaleDbTimestamp, FromTime) {
    DBTIMESTAMP stamp;
    memset(&stamp, 0xAB, sizeof stamp);
    DBTIMESTAMP& result = TimeToDbTimestamp(CTime(2041, 8, 9, 10, 11, 12), false, stamp);
    EXPECT_EQ(&result, &stamp);
    EXPECT_EQ(stamp.year, 2041);
    EXPECT_EQ(stamp.month, 8);
    EXPECT_EQ(stamp.day, 9);
    EXPECT_EQ(stamp.hour, 10);
    EXPECT_EQ(stamp.minute, 11);
    EXPECT_EQ(stamp.second, 12);
    EXPECT_EQ(stamp.fraction, 0u);
    TimeToDbTimestamp(CTime(2041, 8, 9, 10, 11, 12), true, stamp);
    EXPECT_EQ(stamp.day, 9);
    EXPECT_EQ(stamp.hour, 0);
    EXPECT_EQ(stamp.minute, 0);
    EXPECT_EQ(stamp.second, 0);
    EXPECT_EQ(Stamp(DbTimestampToTime(TimeToDbTimestamp(CTime(2035, 2, 3, 4, 5, 6), false, stamp))),
              "2035-02-03 04:05:06");
}

TEST(LocaleAddDays, CalendarDays) {
    const struct {
        CTime start;
        int days;
        CTime expected;
    } cases[] = {
        {CTime(2024, 1, 31, 9, 0, 0), 1, CTime(2024, 2, 1, 9, 0, 0)},
        {CTime(2024, 2, 28, 9, 30, 0), 1, CTime(2024, 2, 29, 9, 30, 0)},
        {CTime(2023, 2, 28, 9, 30, 0), 1, CTime(2023, 3, 1, 9, 30, 0)},
        {CTime(2024, 3, 1, 18, 0, 0), -1, CTime(2024, 2, 29, 18, 0, 0)},
        {CTime(2024, 12, 31, 23, 59, 59), 1, CTime(2025, 1, 1, 23, 59, 59)},
        {CTime(2024, 3, 4, 0, 0, 0), 7, CTime(2024, 3, 11, 0, 0, 0)},
        {CTime(2024, 3, 4, 0, 0, 0), -30, CTime(2024, 2, 3, 0, 0, 0)},
        {CTime(2024, 6, 15, 12, 0, 0), 0, CTime(2024, 6, 15, 12, 0, 0)},
        {CTime(2024, 6, 15, 12, 0, 0), 366, CTime(2025, 6, 16, 12, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Stamp(c.start) << " + " << c.days);
        CTime t = c.start;
        AddDaysToTime(t, c.days);
        EXPECT_EQ(Stamp(t), Stamp(c.expected));
    }
}

// Switches the runtime's local time zone for one test.
class ScopedRuntimeZone {
public:
    explicit ScopedRuntimeZone(const char* zone) {
        const char* old = getenv("TZ");
        m_old = std::string("TZ=") + (old ? old : "");
        _putenv((std::string("TZ=") + zone).c_str());
        _tzset();
    }
    ~ScopedRuntimeZone() {
        _putenv(m_old.c_str());
        _tzset();
    }
    ScopedRuntimeZone(const ScopedRuntimeZone&) = delete;
    ScopedRuntimeZone& operator=(const ScopedRuntimeZone&) = delete;

private:
    std::string m_old;
};

TEST(LocaleAddDays, KeepsTimeOfDayAcrossDaylightSaving) {
    ScopedRuntimeZone zone("EST5EDT"); // daylight saving from 2:00 on 10 March 2024
    const CTime before(2024, 3, 9, 9, 0, 0);
    const CTime after(2024, 3, 10, 9, 0, 0);
    ASSERT_EQ((after - before).GetTotalSeconds(), 23 * 3600) << "the runtime ignores the time zone";
    CTime t = before;
    AddDaysToTime(t, 1);
    EXPECT_EQ(Stamp(t), "2024-03-10 09:00:00");
    AddDaysToTime(t, -1);
    EXPECT_EQ(Stamp(t), "2024-03-09 09:00:00");
    CTime autumn(2024, 11, 2, 23, 30, 0); // standard time again from 2:00 on 3 November
    AddDaysToTime(autumn, 1);
    EXPECT_EQ(Stamp(autumn), "2024-11-03 23:30:00");
}

} // namespace
