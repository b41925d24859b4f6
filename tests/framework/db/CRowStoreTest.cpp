#include "framework/db/CRowStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string Bytes(const CDBVariant& v) {
    const CString text = v.ToText();
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
}

// A text of `length` bytes that differs for every row and column, zeros included when binary.
std::string Pattern(size_t row, size_t length, bool withZeros) {
    std::string s(length, '\0');
    for (size_t i = 0; i < length; ++i)
        s[i] = static_cast<char>(withZeros && i % 7 == 3 ? 0 : 'a' + (row * 31 + i) % 26);
    return s;
}

TEST(CRowStore, EveryColumnTypeKeepsItsValueAndItsNull) {
    CDBVariant bit, tiny, small, number, single, real, date, text, binary;
    bit.SetBool(TRUE);
    tiny.SetUChar(200);
    small.SetShort(-32000);
    number.SetLong(-2000000000L);
    single.SetSingle(0.25f);
    real.SetDouble(1234.5678);
    date.SetDate(TIMESTAMP_STRUCT{2023, 12, 31, 23, 59, 58, 500000000});
    text.SetString("J\xFCrgen's \x80");
    binary.SetBinary("a\0b\0", 4);
    const struct {
        SQLSMALLINT cType;
        const CDBVariant& value;
        DWORD type;
    } cases[] = {{SQL_C_BIT, bit, DBVT_BOOL},
                 {SQL_C_UTINYINT, tiny, DBVT_UCHAR},
                 {SQL_C_SSHORT, small, DBVT_SHORT},
                 {SQL_C_SLONG, number, DBVT_LONG},
                 {SQL_C_FLOAT, single, DBVT_SINGLE},
                 {SQL_C_DOUBLE, real, DBVT_DOUBLE},
                 {SQL_C_TYPE_TIMESTAMP, date, DBVT_DATE},
                 {SQL_C_CHAR, text, DBVT_STRING},
                 {SQL_C_BINARY, binary, DBVT_BINARY}};
    std::vector<SQLSMALLINT> types;
    for (const auto& c : cases)
        types.push_back(c.cType);
    CRowStore store(types);
    const size_t full = store.AddRow();
    const size_t empty = store.AddRow();
    for (size_t i = 0; i < std::size(cases); ++i) {
        store.SetValue(full, i, cases[i].value);
        store.SetValue(empty, i, CDBVariant());
    }
    ASSERT_EQ(store.GetRowCount(), 2u);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(store.IsNull(full, i));
        const CDBVariant v = store.GetValue(full, i);
        EXPECT_EQ(v.m_dwType, cases[i].type);
        EXPECT_TRUE(v == cases[i].value);
        EXPECT_EQ(Bytes(v), Bytes(cases[i].value));
        EXPECT_TRUE(store.IsNull(empty, i));
        EXPECT_TRUE(store.GetValue(empty, i).IsNull());
    }
    // A value set to NULL later reads as NULL.
    store.SetNull(full, 3);
    EXPECT_TRUE(store.GetValue(full, 3).IsNull());
}

TEST(CRowStore, ValuesOfOtherTypesAreConvertedToTheColumnType) {
    CRowStore store({SQL_C_SLONG, SQL_C_CHAR, SQL_C_TYPE_TIMESTAMP});
    const size_t row = store.AddRow();
    CDBVariant v;
    v.SetString("42");
    store.SetValue(row, 0, v);
    EXPECT_EQ(store.GetValue(row, 0).m_lVal, 42);
    v.SetDouble(12.5);
    store.SetValue(row, 1, v);
    EXPECT_STREQ(*store.GetValue(row, 1).m_pstring, "12.5");
    v.SetString("2024-03-07 14:05:09");
    store.SetValue(row, 2, v);
    EXPECT_EQ(store.GetValue(row, 2).m_pdate->day, 7);
    // What cannot be converted is not kept as some other value.
    v.SetString("not a number");
    store.SetValue(row, 0, v);
    EXPECT_TRUE(store.IsNull(row, 0));
}

// Texts written in pieces while the text area grows, over many blocks of rows, then changed.
TEST(CRowStore, TextsInPiecesAcrossBlocksStayIntactWhenRowsChange) {
    CRowStore store({SQL_C_SLONG, SQL_C_CHAR, SQL_C_BINARY});
    const size_t rows = 5000;
    const size_t lengths[] = {0, 1, 15, 16, 1023, 1024, 1025, 9000};
    auto textLength = [&](size_t row) { return lengths[row % std::size(lengths)]; };
    for (size_t r = 0; r < rows; ++r) {
        ASSERT_EQ(store.AddRow(), r);
        const long number = static_cast<long>(r);
        store.SetFixed(r, 0, &number);
        // In pieces of at most 1000 bytes, as a long value comes from the driver.
        const std::string text = Pattern(r, textLength(r), false);
        char* piece = store.BeginText(r, 1000);
        size_t used = 0;
        while (used < text.size()) {
            const size_t n = std::min<size_t>(1000, text.size() - used);
            std::copy_n(text.data() + used, n, piece);
            used += n;
            piece = store.GrowText(r, used, 1000);
        }
        store.EndText(r, 1, used);
        if (r % 3 == 0) {
            const std::string bytes = Pattern(r, textLength(r), true);
            store.SetText(r, 2, bytes.data(), bytes.size());
        }
        if (r % 11 == 0)
            store.SetDeleted(r);
    }
    // Every third row gets a new, longer text; its neighbours keep theirs.
    for (size_t r = 0; r < rows; r += 3) {
        CDBVariant v;
        v.SetString(CString(Pattern(r + 1, 2000, false).c_str()));
        store.SetValue(r, 1, v);
    }
    for (size_t r = 0; r < rows; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(store.GetValue(r, 0).m_lVal, static_cast<long>(r));
        const std::string expected =
            r % 3 == 0 ? Pattern(r + 1, 2000, false) : Pattern(r, textLength(r), false);
        ASSERT_FALSE(store.IsNull(r, 1));
        EXPECT_EQ(std::string(store.GetText(r, 1)), expected);
        if (r % 3 == 0)
            EXPECT_EQ(Bytes(store.GetValue(r, 2)), Pattern(r, textLength(r), true));
        else
            EXPECT_TRUE(store.IsNull(r, 2));
        EXPECT_EQ(store.IsDeleted(r), r % 11 == 0);
    }
    CRowStore moved = std::move(store);
    EXPECT_EQ(moved.GetRowCount(), rows);
    EXPECT_EQ(std::string(moved.GetText(rows - 1, 1)), Pattern(rows - 1, textLength(rows - 1), false));
    moved.Clear();
    EXPECT_EQ(moved.GetRowCount(), 0u);
}

} // namespace
