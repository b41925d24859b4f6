// Every parser of the foundation fed with text as a careless user or a damaged file gives it: empty,
// 100 KB long, separators only, high-bit bytes, printf format characters and numbers past the type's
// range. Each text is either read correctly or refused; none gives a wrong value with success.
#include "foundation/LocaleFormat.h"
#include "foundation/LocaleNumberFormat.h"
#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/COleDateTime.h"
#include "framework/core/CTime.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr size_t kLong = 100 * 1024;

// piece repeated up to `bytes` characters.
std::string Repeat(const std::string& piece, size_t bytes = kLong) {
    std::string text;
    while (text.size() + piece.size() <= bytes)
        text += piece;
    return text;
}

// The largest double written out in full (309 digits) and the first number above it (1.8e308).
std::string LargestDoubleDigits() {
    return "17976931348623157" + std::string(292, '0');
}
std::string BeyondLargestDouble() {
    return "18" + std::string(307, '0');
}

// Shortened for SCOPED_TRACE: long texts show their start and length.
std::string Shown(const std::string& text) {
    if (text.size() <= 40)
        return "[" + text + "]";
    return "[" + text.substr(0, 20) + "...] (" + std::to_string(text.size()) + " bytes)";
}

std::string Stamp(const CTime& time) {
    return time.GetTime() == 0 ? std::string("(0)") : std::string(time.Format("%Y-%m-%d %H:%M:%S"));
}

// Today at the time, read before and after the call under test so that a midnight between them counts.
bool IsTodayAt(const CTime& parsed, int hour, int minute, const std::string& before) {
    const CTime now = CTime::GetCurrentTime();
    const std::string after = Stamp(CTime(now.GetYear(), now.GetMonth(), now.GetDay(), hour, minute, 0));
    return Stamp(parsed) == before || Stamp(parsed) == after;
}

std::string TodayStamp(int hour, int minute) {
    const CTime now = CTime::GetCurrentTime();
    return Stamp(CTime(now.GetYear(), now.GetMonth(), now.GetDay(), hour, minute, 0));
}

struct NumberCase {
    std::string text;
    std::optional<double> expected; // nullopt: refused
};

// Runs a double parser over the cases: a refused text leaves the output as it was.
template <typename Parser> void CheckDoubleParser(const std::vector<NumberCase>& cases, Parser parse) {
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(Shown(c.text));
        double value = 17.5;
        const bool parsed = parse(c.text, &value);
        EXPECT_TRUE(std::isfinite(value));
        if (c.expected) {
            EXPECT_TRUE(parsed);
            EXPECT_DOUBLE_EQ(*c.expected, value);
        } else {
            EXPECT_FALSE(parsed);
            EXPECT_EQ(17.5, value);
        }
    }
}

// ---------------- numbers ----------------

TEST(HostileText, ParseLocaleDouble) {
    const std::vector<NumberCase> cases = {
        {"", std::nullopt},
        {Repeat("9"), std::nullopt},
        {"-" + Repeat("9"), std::nullopt},
        {"1" + Repeat("0"), std::nullopt},
        {Repeat("0") + "1.5", 1.5},
        {"0." + Repeat("0"), 0.0},
        {"0." + Repeat("0") + "1", std::nullopt}, // too small for a double
        {"1." + Repeat("3"), 4.0 / 3.0},
        {LargestDoubleDigits(), DBL_MAX},
        {BeyondLargestDouble(), std::nullopt},
        {"(" + BeyondLargestDouble() + ")", std::nullopt},
        {"1e400", 1.0}, // no exponent: the number ends at the e
        {Repeat(","), std::nullopt},
        {Repeat("."), std::nullopt},
        {",.,.,", std::nullopt},
        {".", std::nullopt},
        {"-.", std::nullopt},
        {"1,2,3", 123.0},
        {"\xE9\xA0\xFF", std::nullopt},
        {"\xE9\xA0"
         "12.5\xFF",
         12.5},
        {"%s%n%p", std::nullopt},
        {"%d%%", std::nullopt},
        {"inf", std::nullopt},
        {"-Infinity", std::nullopt},
        {"NaN", std::nullopt},
    };
    CheckDoubleParser(cases, [](const std::string& text, double* out) {
        return ParseLocaleDouble(CString(text.c_str()), out);
    });
}

TEST(HostileTextDeDE, ParseLocaleDouble) {
    ASSERT_EQ(GetThreadLocale(), 0x0407u) << "run with LC_ALL=de_DE.UTF-8";
    const std::vector<NumberCase> cases = {
        {"", std::nullopt},
        {Repeat("9"), std::nullopt},
        {"1" + Repeat(".000"), std::nullopt}, // groups of a number too large for a double
        {"1" + Repeat(".000", 400), 1e300},
        {LargestDoubleDigits() + ",5", DBL_MAX},
        {BeyondLargestDouble() + ",0", std::nullopt},
        {Repeat("."), std::nullopt},
        {Repeat(","), std::nullopt},
        {"1.5", 15.0}, // the point groups
        {"1,5", 1.5},
        {"\xE4\xF6\xFC"
         "3,25 \x80",
         3.25},
        {"%s %n", std::nullopt},
    };
    CheckDoubleParser(cases, [](const std::string& text, double* out) {
        return ParseLocaleDouble(CString(text.c_str()), out);
    });
}

TEST(HostileText, ParseDottedDecimal) {
    const std::vector<NumberCase> cases = {
        {"", std::nullopt},
        {Repeat("9"), std::nullopt},
        {"1" + Repeat("0"), std::nullopt},
        {Repeat("0") + "5.25", 5.25},
        {"2." + Repeat("5"), 2.5555555555555555},
        {LargestDoubleDigits(), DBL_MAX},
        {"-" + BeyondLargestDouble(), std::nullopt},
        {"1e400", 1.0},
        {"0x10", 0.0},
        {Repeat("."), std::nullopt},
        {"-", std::nullopt},
        {"-.5", -0.5},
        {Repeat(" "), std::nullopt},
        {"\xE9\xFF", std::nullopt},
        {"%s%n", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"nan", std::nullopt},
    };
    CheckDoubleParser(
        cases, [](const std::string& text, double* out) { return ParseDottedDecimal(text.c_str(), out); });
    double value = 17.5;
    EXPECT_FALSE(ParseDottedDecimal(nullptr, &value));
    EXPECT_EQ(17.5, value);
}

TEST(HostileText, DecimalDigitsToDouble) {
    const std::vector<NumberCase> cases = {
        {"12.5", 12.5},
        {".5", 0.5},
        {"12.", 12.0},
        {"", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1e5", std::nullopt},
        {"inf", std::nullopt},
        {" 1", std::nullopt},
        {Repeat("9"), std::nullopt},
        {LargestDoubleDigits(), DBL_MAX},
    };
    CheckDoubleParser(cases, [](const std::string& text, double* out) {
        return DecimalDigitsToDouble(text.data(), text.data() + text.size(), out);
    });
}

TEST(HostileText, LeadingInt) {
    const struct {
        std::string text;
        std::optional<int> expected; // nullopt: refused, and ParseLeadingInt gives 0
    } cases[] = {
        {"", std::nullopt},
        {Repeat("9"), std::nullopt},
        {"2147483647", INT_MAX},
        {"2147483648", std::nullopt},
        {"4294967296", std::nullopt}, // 2^32 would wrap to 0
        {Repeat("0") + "42", 42},
        {Repeat(" ") + "7", 7},
        {Repeat(","), std::nullopt},
        {"\xB2", std::nullopt}, // superscript two
        {"\xE9"
         "12",
         std::nullopt},
        {"%d", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.text));
        int value = -1;
        EXPECT_EQ(c.expected.has_value(), ReadLeadingInt(c.text.c_str(), &value));
        EXPECT_EQ(c.expected.value_or(-1), value);
        EXPECT_EQ(c.expected.value_or(0), ParseLeadingInt(c.text.c_str()));
    }
}

TEST(HostileText, ParseNumberList) {
    const struct {
        std::string text;
        std::vector<DWORD> numbers;
        bool allNumbers;
    } cases[] = {
        {"", {}, true},
        {",,, -- ,,", {}, true},
        {Repeat(", -"), {}, true},
        {Repeat("9"), {}, false},
        {"1,99999999999,3", {1, 3}, false},
        {"2147483647-2147483648", {INT_MAX}, false},
        {"1,\xE9\xE9,3", {1, 3}, false},
        {"%d,%s,7", {7}, false},
        {"4,abc", {4}, false},
        {"5 12x", {5, 12}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.text));
        CString text = c.text.c_str();
        CDWordArray numbers;
        EXPECT_EQ(c.allNumbers, ParseNumberList(text, numbers));
        std::vector<DWORD> read;
        for (INT_PTR i = 0; i < numbers.GetSize(); ++i)
            read.push_back(numbers[i]);
        EXPECT_EQ(c.numbers, read);
        EXPECT_TRUE(text.IsEmpty());
    }
    // A long list is read whole.
    CString ones = Repeat("1,").c_str();
    CDWordArray numbers;
    EXPECT_TRUE(ParseNumberList(ones, numbers));
    ASSERT_EQ(static_cast<INT_PTR>(kLong / 2), numbers.GetSize());
    EXPECT_EQ(1u, numbers[numbers.GetSize() - 1]);
}

TEST(HostileText, GroupingText) {
    const struct {
        std::string text;
        UINT grouping;
    } cases[] = {
        {"", 0},
        {";;;;", 0},
        {Repeat("3;") + "0", 3},
        {"3;2;3;2;3;2;3;2;3;0", 3}, // nine groups: more than the number holds
        {"3;2;3;2;3;2;3;2;0", 32323232},
        {"3;2;3;2;3;2;3;2", 323232320},
        {"\xB3;\xE9", 0},
        {"%d;%s", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.text));
        EXPECT_EQ(c.grouping, CLocaleNumberFormat::GroupingFromText(c.text.c_str()));
    }
}

// ---------------- duration formats ----------------

TEST(HostileText, DurationFormats) {
    const struct {
        long seconds;
        std::string format;
        std::string expected;
    } cases[] = {
        {90061, "", ""},
        {90061, Repeat("%D"), std::string(kLong / 2, '1')},
        {90061, Repeat("x"), Repeat("x")},
        {90061, ": : -- ,", ": : -- ,"},
        {90061, "\xE9\xFF%\xE9%H\xA0",
         "\xE9\xFF\xE9"
         "01\xA0"},
        {90061, "%n%p%x%*%-5.3%", "npx*-5.3%"},
        {90061, "%%%", "%%"},
        {59, "%s%e", "59seconds"},
        {LONG_MAX, "%D %H:%M:%S", "24855 03:14:07"},
        {LONG_MIN, "%D %H:%M:%S %f", "-24855 -3:-14:-8 -596523.24"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seconds << " " << Shown(c.format));
        EXPECT_EQ(c.expected, std::string(AcxFormatDuration(c.seconds, c.format.c_str()).GetString()));
    }
}

TEST(HostileText, DurationAutoShowsTheLargestUnitOfNegativeDurationsToo) {
    EXPECT_STREQ("24855 days 3 hours 14 minutes", AcxFormatDurationAuto(LONG_MAX));
    EXPECT_STREQ("-24855 days -3 hours -14 minutes", AcxFormatDurationAuto(LONG_MIN));
    EXPECT_STREQ("-1 hours -2 minutes", AcxFormatDurationAuto(-3725));
    EXPECT_STREQ("-1 minutes -1 seconds", AcxFormatDurationAuto(-61));
    EXPECT_STREQ("-59 seconds", AcxFormatDurationAuto(-59));
}

// ---------------- dates ----------------

struct DateCase {
    std::string text;
    std::string expected; // a stamp, "today hh:mm", or "(0)" for a refused text
};

void CheckDateParser(const std::vector<DateCase>& cases) {
    for (const DateCase& c : cases) {
        SCOPED_TRACE(Shown(c.text));
        CTime parsed(CTime(2001, 2, 3, 4, 5, 6));
        if (c.expected.rfind("today ", 0) == 0) {
            const int hour = std::stoi(c.expected.substr(6, 2));
            const int minute = std::stoi(c.expected.substr(9, 2));
            const std::string before = TodayStamp(hour, minute);
            EXPECT_TRUE(AcxParseDateTime(c.text.c_str(), &parsed));
            EXPECT_TRUE(IsTodayAt(parsed, hour, minute, before)) << Stamp(parsed);
        } else if (c.expected == "(0)") {
            EXPECT_FALSE(AcxParseDateTime(c.text.c_str(), &parsed));
            EXPECT_EQ(0, parsed.GetTime());
        } else {
            EXPECT_TRUE(AcxParseDateTime(c.text.c_str(), &parsed));
            EXPECT_EQ(c.expected, Stamp(parsed));
        }
    }
}

TEST(HostileText, ParseDateTime) {
    CheckDateParser({
        // Dates before what a CTime holds are refused, not taken for a time of today.
        {"7/4/1776", "(0)"},
        {"Jan 1 1500", "(0)"},
        {"1/5/202", "(0)"},
        {"1/5/202 14:30", "(0)"},
        {"12/31/1899 14:30", "(0)"},
        {"1/1/1900", "(0)"},
        {"6/1/1969", "(0)"},
        {"1/1/3001", "(0)"},
        {"12/31/9999", "(0)"},
        // Only a text without a date part is a time of today.
        {"14:30", "today 14:30"},
        {"0:00", "today 00:00"},
        {"12/30/1899 14:30", "today 14:30"},
        {"1/5/2020 14:30", "2020-01-05 14:30:00"},
        // Hostile texts.
        {"", "(0)"},
        {Repeat("9"), "(0)"},
        {Repeat("/"), "(0)"},
        {Repeat(":"), "(0)"},
        {"\xE9\xFF\xA0", "(0)"},
        {"%s%n%d", "(0)"},
        {"99999999999/1/2024", "(0)"},
        {"1/1/99999999999", "(0)"},
        {"99999999999:00", "(0)"},
    });
}

TEST(HostileTextDeDE, ParseDateTime) {
    ASSERT_EQ(GetThreadLocale(), 0x0407u) << "run with LC_ALL=de_DE.UTF-8";
    CheckDateParser({
        {"04.07.1776", "(0)"},
        {"05.01.202", "(0)"},
        {"1. Januar 1500", "(0)"},
        {"31.12.1899 14:30", "(0)"},
        {"14:30", "today 14:30"},
        {"30.12.1899 14:30", "today 14:30"},
        {"05.01.2020 14:30", "2020-01-05 14:30:00"},
        {"", "(0)"},
        {Repeat("."), "(0)"},
        {"\xE4\xF6\xFC", "(0)"},
    });
}

TEST(HostileText, OleDateToTimeRefusesDatesACTimeCannotHold) {
    const COleDateTime dates[] = {
        COleDateTime(1776, 7, 4, 12, 0, 0),  COleDateTime(202, 1, 5, 14, 30, 0),
        COleDateTime(1899, 12, 31, 9, 0, 0), COleDateTime(1899, 12, 29, 9, 0, 0),
        COleDateTime(1950, 6, 1, 9, 0, 0),   COleDateTime(9999, 12, 31, 9, 0, 0),
    };
    for (const COleDateTime& date : dates) {
        SCOPED_TRACE(testing::Message() << date.m_dt);
        EXPECT_EQ(0, OleDateToTime(date).GetTime());
    }
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ(0, OleDateToTime(null).GetTime());
    EXPECT_EQ("2030-06-15 09:00:00", Stamp(OleDateToTime(COleDateTime(2030, 6, 15, 9, 0, 0))));

    // A value on the zero date holds only a time, on either side of its serial 0.
    const std::string before = TodayStamp(12, 0);
    EXPECT_TRUE(IsTodayAt(OleDateToTime(COleDateTime(DATE(-0.5))), 12, 0, before));
    EXPECT_TRUE(IsTodayAt(OleDateToTime(COleDateTime(DATE(0.5))), 12, 0, before));
}

// ---------------- registry values ----------------

TEST(HostileText, RegistryNumbers) {
    ScratchRegistry registry;
    const struct {
        std::string stored;
        std::optional<int> asInt;   // nullopt: refused, the preset stays
        std::optional<long> asLong; // the same for the "%i" form
    } cases[] = {
        {"", std::nullopt, std::nullopt},
        {Repeat("9"), std::nullopt, std::nullopt},
        {Repeat(" ") + "42", 42, 42},
        {Repeat("0") + "42", 42, 34}, // "%i" reads a leading zero as octal
        {Repeat(" "), std::nullopt, std::nullopt},
        {Repeat(","), std::nullopt, std::nullopt},
        {"\xE9\xE9", std::nullopt, std::nullopt},
        {"\xA0"
         "5",
         std::nullopt, std::nullopt}, // a no-break space is no white space
        {"%d", std::nullopt, std::nullopt},
        {"%s %s", std::nullopt, std::nullopt},
        {"2147483647", INT_MAX, LONG_MAX},
        {"-2147483648", INT_MIN, LONG_MIN},
        {"2147483648", std::nullopt, std::nullopt},
        {"-2147483649", std::nullopt, std::nullopt},
        {"4294967296", std::nullopt, std::nullopt}, // would wrap to 0
        {"0x7FFFFFFF", 0, LONG_MAX},
        {"0x80000000", 0, std::nullopt},
        {"-0x10", 0, -16},
        {"0x", 0, 0},
        {"+7", 7, 7},
        {"- 7", std::nullopt, std::nullopt},
        {"7 days", 7, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.stored));
        ASSERT_TRUE(RegWriteString(REG_PREFS, "Number", c.stored.c_str()));
        int intValue = 30;
        EXPECT_EQ(c.asInt.has_value(), RegReadInt(REG_PREFS, "Number", &intValue));
        EXPECT_EQ(c.asInt.value_or(30), intValue);
        long longValue = 30;
        EXPECT_EQ(c.asLong.has_value(), RegReadLong(REG_PREFS, "Number", &longValue));
        EXPECT_EQ(c.asLong.value_or(30), longValue);
    }
}

TEST(HostileText, RegistryPairs) {
    ScratchRegistry registry;
    const struct {
        std::string stored;
        bool success;
        int first, second;
    } cases[] = {
        {"", false, 0, 0},
        {Repeat("9"), false, 0, 0},
        {"1 " + Repeat("9"), false, 1, 0},
        {"99999999999 1", false, 0, 0},
        {"2147483647 -2147483648", true, INT_MAX, INT_MIN},
        {"1" + Repeat(" ") + "2", true, 1, 2},
        {"12-34", true, 12, -34}, // as "%d %d" reads it: the blank matches no white space
        {"\xE9 \xE9", false, 0, 0},
        {"%d %d", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Shown(c.stored));
        ASSERT_TRUE(RegWriteString(REG_PREFS, "Pair", c.stored.c_str()));
        IntPair pair{5, 5};
        EXPECT_EQ(c.success, RegReadIntPair(REG_PREFS, "Pair", &pair));
        EXPECT_EQ(c.first, pair.first);
        EXPECT_EQ(c.second, pair.second);
    }
}

TEST(HostileText, RegistryTimes) {
    ScratchRegistry registry;
    for (const std::string& stored : {std::string("7/4/1776 12:00:00 PM"), std::string("1/5/202"),
                                      Repeat("9"), std::string("\xE9\xFF"), std::string("%s")}) {
        SCOPED_TRACE(Shown(stored));
        ASSERT_TRUE(RegWriteString(REG_PREFS, "When", stored.c_str()));
        CTime read(CTime(2001, 2, 3, 4, 5, 6));
        EXPECT_FALSE(RegReadTime(REG_PREFS, "When", &read));
        EXPECT_EQ(0, read.GetTime());
    }
}

TEST(HostileText, RegistryBools) {
    ScratchRegistry registry;
    for (const std::string& stored :
         {Repeat("T"), std::string("T\xE9"), std::string("%s"), std::string("")}) {
        SCOPED_TRACE(Shown(stored));
        ASSERT_TRUE(RegWriteString(REG_PREFS, "Flag", stored.c_str()));
        bool read = true;
        EXPECT_FALSE(RegReadBool(REG_PREFS, "Flag", &read));
        EXPECT_FALSE(read);
    }
}

} // namespace
