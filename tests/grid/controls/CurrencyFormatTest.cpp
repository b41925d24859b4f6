// The currency format as tables of cases: amounts shown under each rule (placement rows, leading zero,
// integer digit limits with either overflow mode, fill before or after grouping, no grouping), texts read
// back into an amount and a sign (and refused when they hold more than one number), and the user's locale
// in English (United States) and German (Germany).
#include "grid/controls/gadgets/CGEBCurrencyFormat.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct FormatCase {
    const char* what;
    std::function<void(CGEBCurrencyFormat&)> setUp;
    double value;
    BOOL negative;
    const char* text;
};

void ExpectFormats(const FormatCase* pCases, size_t nCases, BOOL bUseLocale = FALSE) {
    for (size_t i = 0; i < nCases; ++i) {
        const FormatCase& c = pCases[i];
        CGEBCurrencyFormat format(bUseLocale);
        if (c.setUp)
            c.setUp(format);
        CString strText("old");
        format.FormatValue(c.value, strText, c.negative);
        EXPECT_STREQ(strText, c.text) << c.what;
    }
}

struct ParseCase {
    const char* text;
    BOOL ok;
    double value;
    BOOL negative;
};

void ExpectParses(CGEBCurrencyFormat& format, const ParseCase* pCases, size_t nCases) {
    for (size_t i = 0; i < nCases; ++i) {
        const ParseCase& c = pCases[i];
        double dValue = -99.0;
        BOOL bNegative = -1;
        EXPECT_EQ(format.Parse(c.text, dValue, bNegative), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(dValue, c.value) << c.text;
            EXPECT_EQ(bNegative, c.negative) << c.text;
        }
    }
}

} // namespace

TEST(CurrencyFormat, AmountsAreShownByTheRules) {
    const FormatCase cases[] = {
        {"plain", nullptr, 1234.5, FALSE, "$1,234.50"},
        {"negative row 0", nullptr, 1234.5, TRUE, "($1,234.50)"},
        {"no leading zero", [](auto& f) { f.m_bLeadingZero = FALSE; }, 0.25, FALSE, "$.25"},
        {"leading zero", nullptr, 0.25, FALSE, "$0.25"},
        {"fill after grouping",
         [](auto& f) {
             f.m_nIntDigits = 5;
             f.SetFillChar('*');
         },
         12.5, FALSE, "$***12.50"},
        {"fill before grouping",
         [](auto& f) {
             f.m_nIntDigits = 5;
             f.SetFillChar('*');
             f.m_bFillBeforeGroup = TRUE;
         },
         12.5, FALSE, "$**,*12.50"},
        {"leading digits kept", [](auto& f) { f.m_nIntDigits = 3; }, 123456.78, FALSE, "$123.78"},
        {"trailing digits kept",
         [](auto& f) {
             f.m_nIntDigits = 3;
             f.m_bOverflowMode = TRUE;
         },
         123456.78, FALSE, "$456.78"},
        {"no fraction", [](auto& f) { f.m_nFracDigits = 0; }, 1234567.0, FALSE, "$1,234,567"},
        {"no grouping", [](auto& f) { f.m_cThousandSep = 0; }, 1234567.0, FALSE, "$1234567.00"},
        {"symbol after", [](auto& f) { f.SetPositiveFormat(3); }, 5.0, FALSE, "5.00 $"},
        {"negative row 8", [](auto& f) { f.SetNegativeFormat(8); }, 5.0, TRUE, "-5.00 $"},
        {"negative row 15", [](auto& f) { f.SetNegativeFormat(15); }, 5.0, TRUE, "(5.00 $)"},
        {"a percent symbol is text", [](auto& f) { f.m_strSymbol = "%s%n"; }, 1.0, FALSE, "%s%n1.00"},
        {"a row set out of range shows row 0", [](auto& f) { f.m_nNegativeFormat = 99; }, 1.0, TRUE,
         "($1.00)"},
    };
    ExpectFormats(cases, std::size(cases));
}

TEST(CurrencyFormat, TextsAreReadIntoAnAmountAndASign) {
    CGEBCurrencyFormat format;
    const ParseCase cases[] = {
        {"($1,234.50)", TRUE, 1234.5, TRUE},
        {"1,234.50-", TRUE, 1234.5, TRUE},
        {"-$7", TRUE, 7.0, TRUE},
        {"(-3)", TRUE, 3.0, TRUE},
        {"  $12.25 ", TRUE, 12.25, FALSE},
        {"", TRUE, 0.0, FALSE},
        {".5", TRUE, 0.5, FALSE},
        {"(12", FALSE, 0, FALSE},
        {"12)", FALSE, 0, FALSE},
        {"abc", FALSE, 0, FALSE},
        {"12.3.4", FALSE, 0, FALSE},
        {"1-2", FALSE, 0, FALSE},
        {"12 34", FALSE, 0, FALSE},
        {"USD 1,234.56 CR", TRUE, 1234.56, FALSE},
    };
    ExpectParses(format, cases, std::size(cases));
    int nFirst = 0;
    int nLast = 0;
    EXPECT_TRUE(format.FindNumberSpan("USD 1,234.56 CR", nFirst, nLast));
    EXPECT_EQ(nFirst, 4);
    EXPECT_EQ(nLast, 11);
    EXPECT_FALSE(format.FindNumberSpan("none", nFirst, nLast));
    EXPECT_EQ(nFirst, -1);
}

TEST(CurrencyFormat, SettersRefuseWhatTheTablesCannotHold) {
    CGEBCurrencyFormat format;
    EXPECT_FALSE(format.SetFillChar('5'));
    EXPECT_TRUE(format.SetFillChar('0'));
    EXPECT_FALSE(format.SetPositiveFormat(4));
    EXPECT_FALSE(format.SetNegativeFormat(16));
    EXPECT_FALSE(format.SetNegativeFormat(-1));
    EXPECT_EQ(format.m_nNegativeFormat, 0);
    COLORREF clr = 7;
    EXPECT_FALSE(format.GetNegativeColor(clr));
    format.SetNegativeColor(RGB(255, 0, 0));
    EXPECT_TRUE(format.GetNegativeColor(clr));
    EXPECT_EQ(clr, RGB(255, 0, 0));
    CGEBCurrencyFormat copy;
    EXPECT_TRUE(copy != format);
    copy = format;
    EXPECT_TRUE(copy == format);
}

TEST(CurrencyFormat, TheUsersLocaleEnglish) {
    CGEBCurrencyFormat format(TRUE);
    EXPECT_STREQ(format.m_strSymbol, "$");
    const FormatCase cases[] = {{"en-US positive", nullptr, 9876.5, FALSE, "$9,876.50"}};
    ExpectFormats(cases, std::size(cases), TRUE);
}

TEST(CurrencyFormat, TheUsersLocaleGermanDeDE) {
    CGEBCurrencyFormat format(TRUE);
    EXPECT_EQ(format.m_cDecimalSep, ',');
    EXPECT_EQ(format.m_cThousandSep, '.');
    EXPECT_EQ(format.m_nFracDigits, 2);
    CString strText;
    format.FormatValue(1234.5, strText, FALSE);
    EXPECT_STREQ(strText, "1.234,50 " + format.m_strSymbol);
    const ParseCase cases[] = {
        {"1.234,50", TRUE, 1234.5, FALSE},
        {"-1.234,5", TRUE, 1234.5, TRUE},
        {"1,234.50", FALSE, 0, FALSE},
        {"12,3,4", FALSE, 0, FALSE},
    };
    ExpectParses(format, cases, std::size(cases));
}
