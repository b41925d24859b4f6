#include "framework/db/CDBVariant.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

TEST(CDBVariant, TextFormsOfEveryType) {
    CDBVariant v;
    EXPECT_STREQ(v.ToText(), "");
    v.SetBool(TRUE);
    EXPECT_STREQ(v.ToText(), "1");
    v.SetUChar(200);
    EXPECT_STREQ(v.ToText(), "200");
    v.SetShort(-7);
    EXPECT_STREQ(v.ToText(), "-7");
    v.SetLong(-2000000000L);
    EXPECT_STREQ(v.ToText(), "-2000000000");
    v.SetDouble(0.1);
    EXPECT_STREQ(v.ToText(), "0.1"); // the shortest text that reads back as the same number
    v.SetDouble(1.0 / 3.0);
    EXPECT_DOUBLE_EQ(std::strtod(v.ToText(), nullptr), 1.0 / 3.0);
    v.SetSingle(0.25f);
    EXPECT_STREQ(v.ToText(), "0.25");
    v.SetDate(TIMESTAMP_STRUCT{2024, 3, 7, 14, 5, 9, 0});
    EXPECT_STREQ(v.ToText(), "2024-03-07 14:05:09");
    v.SetDate(TIMESTAMP_STRUCT{2024, 3, 7, 14, 5, 9, 500000000});
    EXPECT_STREQ(v.ToText(), "2024-03-07 14:05:09.5");
    v.SetString("J\xFCrgen");
    EXPECT_STREQ(v.ToText(), "J\xFCrgen");
    v.SetBinary("a\0b", 3);
    EXPECT_EQ(v.ToText().GetLength(), 3);
}

TEST(CDBVariant, CopiesAreDeepAndIndependent) {
    CDBVariant a;
    a.SetString("one");
    CDBVariant b = a;
    a.SetString("two");
    EXPECT_STREQ(*b.m_pstring, "one");
    CDBVariant c = std::move(a);
    EXPECT_TRUE(a.IsNull());
    EXPECT_STREQ(*c.m_pstring, "two");
    CDBVariant d;
    d.SetDate(TIMESTAMP_STRUCT{2000, 1, 2, 3, 4, 5, 0});
    c = d;
    EXPECT_TRUE(c == d);
    d.m_pdate->day = 9;
    EXPECT_FALSE(c == d);
}

TEST(CDBVariant, Conversions) {
    CDBVariant text;
    text.SetString(" 42 ");
    CDBVariant out;
    ASSERT_TRUE(text.ConvertTo(SQL_C_SLONG, out));
    EXPECT_EQ(out.m_dwType, static_cast<DWORD>(DBVT_LONG));
    EXPECT_EQ(out.m_lVal, 42);
    ASSERT_TRUE(text.ConvertTo(SQL_C_DOUBLE, out));
    EXPECT_EQ(out.m_dblVal, 42.0);

    text.SetString("2024-02-29 23:59:58.25");
    ASSERT_TRUE(text.ConvertTo(SQL_C_TYPE_TIMESTAMP, out));
    EXPECT_EQ(out.m_pdate->year, 2024);
    EXPECT_EQ(out.m_pdate->day, 29);
    EXPECT_EQ(out.m_pdate->second, 58);
    EXPECT_EQ(out.m_pdate->fraction, 250000000u);

    // Refused: not a number, out of range, not a date.
    text.SetString("12abc");
    EXPECT_FALSE(text.ConvertTo(SQL_C_SLONG, out));
    CDBVariant big;
    big.SetDouble(70000);
    EXPECT_FALSE(big.ConvertTo(SQL_C_SSHORT, out));
    EXPECT_FALSE(big.ConvertTo(SQL_C_UTINYINT, out));
    text.SetString("2024-13-01");
    EXPECT_FALSE(text.ConvertTo(SQL_C_TYPE_TIMESTAMP, out));

    // NULL stays NULL whatever is asked.
    CDBVariant null;
    ASSERT_TRUE(null.ConvertTo(SQL_C_SLONG, out));
    EXPECT_TRUE(out.IsNull());
}

} // namespace
