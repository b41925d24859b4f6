// Locale formatting and parsing in German (Germany): "," decimals, "." groups, the euro sign after the
// amount, day-first dates and 24-hour times. These suites run only in that locale.
#include "foundation/LocaleFormat.h"
#include "framework/core/CTime.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

#define EURO "\x80" // the euro sign in code page 1252

std::string Stamp(const CTime& time) {
    return time.GetTime() == 0 ? std::string("(0)") : std::string(time.Format("%Y-%m-%d %H:%M:%S"));
}

class LocaleFormatDeDE : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AcxInitFormatting(); }
};

TEST_F(LocaleFormatDeDE, LocaleIsGerman) {
    ASSERT_EQ(GetThreadLocale(), 0x0407u) << "run with LC_ALL=de_DE.UTF-8";
    EXPECT_STREQ(GetLocaleInfoString(LOCALE_SDECIMAL), ",");
    EXPECT_STREQ(AcxGetLocaleString(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND), ".");
}

TEST_F(LocaleFormatDeDE, FormatNumber) {
    const struct {
        double value;
        int decimals;
        DWORD flags;
        const char* expected;
    } cases[] = {
        {2.50, 2, ACXFMT_STRIPZEROS, "2,5"},
        {2.00, 2, ACXFMT_STRIPZEROS, "2"},
        {1234.5, 1, 0, "1234,5"},
        {1234.5, 1, ACXFMT_GROUPING, "1.234,5"},
        {1234567.891, 2, ACXFMT_GROUPING, "1.234.567,89"},
        {-1234.5, 2, ACXFMT_GROUPING, "-1.234,50"},
        {999.995, 2, ACXFMT_GROUPING, "1.000,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " decimals " << c.decimals << " flags " << c.flags);
        EXPECT_STREQ(AcxFormatNumber(c.value, c.decimals, c.flags), c.expected);
    }
}

TEST_F(LocaleFormatDeDE, FormatCurrency) {
    const struct {
        double value;
        int decimals;
        DWORD flags;
        const char* expected;
    } cases[] = {
        {1234.5, 2, 0, "1.234,50 " EURO},
        {-5.0, 2, 0, "-5,00 " EURO},
        {1234567.891, 2, 0, "1.234.567,89 " EURO},
        {1.2345, 4, 0, "1,2345 " EURO},
        {1.5, 4, 0, "1,50 " EURO},
        {-1.5, 3, 0, "-1,50 " EURO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " decimals " << c.decimals);
        EXPECT_STREQ(FormatCurrency(c.value, c.decimals, c.flags), c.expected);
    }
}

TEST_F(LocaleFormatDeDE, ParseLocaleDouble) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1.234.567,89", 1234567.89}, {"1.234,5", 1234.5}, {"-3,25", -3.25}, {",5", 0.5},
        {"1.234,50 " EURO, 1234.5},   {"12", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 999;
        EXPECT_TRUE(ParseLocaleDouble(c.text, &value));
        EXPECT_DOUBLE_EQ(value, c.expected);
    }
    double value = 17.5;
    EXPECT_FALSE(ParseLocaleDouble("abc", &value));
    EXPECT_EQ(value, 17.5);
}

TEST_F(LocaleFormatDeDE, FormattedAmountsParseBack) {
    for (double value : {12.34, -12.34, 1234567.5, -1234567.5}) {
        SCOPED_TRACE(value);
        double parsed = 999;
        ASSERT_TRUE(ParseLocaleDouble(FormatCurrency(value, 2), &parsed));
        EXPECT_DOUBLE_EQ(parsed, value);
        ASSERT_TRUE(ParseLocaleDouble(AcxFormatNumber(value, 2, ACXFMT_GROUPING), &parsed));
        EXPECT_DOUBLE_EQ(parsed, value);
    }
}

TEST_F(LocaleFormatDeDE, DecimalHours) {
    EXPECT_STREQ(AcxFormatDuration(5400, "%f h"), "1,50 h");
}

TEST_F(LocaleFormatDeDE, DatesAndTimes) {
    const CTime t(2004, 11, 15, 14, 5, 9);
    EXPECT_STREQ(AcxFormatDate(t, DATE_SHORTDATE), "15.11.2004");
    EXPECT_STREQ(AcxFormatTime(t, 0), "14:05:09");
    EXPECT_STREQ(AcxFormatDateTime(t), "15.11.2004 14:05:09");
    EXPECT_STREQ(FormatMonthYear(CTime(2024, 3, 7, 12, 0, 0)), "M\xE4r 24");
    EXPECT_STREQ(FormatQuarter(t), "Q4 04");
}

TEST_F(LocaleFormatDeDE, ParseDateTimeIsDayFirst) {
    CTime parsed;
    ASSERT_TRUE(AcxParseDateTime("07.03.2024", &parsed));
    EXPECT_EQ(Stamp(parsed), "2024-03-07 00:00:00");
    ASSERT_TRUE(AcxParseDateTime("15.11.2004 14:05", &parsed));
    EXPECT_EQ(Stamp(parsed), "2004-11-15 14:05:00");
    ASSERT_TRUE(AcxParseDateTime("14:30", &parsed));
    const CTime now = CTime::GetCurrentTime();
    EXPECT_EQ(parsed.GetDay(), now.GetDay());
    EXPECT_EQ(parsed.GetHour(), 14);
    EXPECT_EQ(parsed.GetMinute(), 30);
    const CTime t(2031, 10, 2, 7, 8, 9);
    ASSERT_TRUE(AcxParseDateTime(AcxFormatDateTime(t), &parsed));
    EXPECT_EQ(Stamp(parsed), Stamp(t));
}

} // namespace
