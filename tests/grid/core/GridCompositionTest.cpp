// Composition of a cell's effective style from its own, the row, column, table, header, base and
// standard styles; header texts; storing styles and values on ranges.
#include "GridCoreTestSupport.h"

#include "framework/core/CNotSupportedException.h"
#include "grid/core/CGEStylesMap.h"

using gridtest::TestGrid;

namespace {

CString ComposedValue(TestGrid& grid, ROWCOL nRow, ROWCOL nCol) {
    CGEStyle style;
    grid.ComposeStyleRowCol(nRow, nCol, &style, TRUE);
    return style.GetIncludeValue() ? style.GetValue() : CString("<none>");
}

CGEStyle ValueStyle(LPCSTR pszValue) {
    CGEStyle style;
    style.SetValue(pszValue);
    return style;
}

} // namespace

TEST(GridComposition, ColumnHeadersShowLetters) {
    TestGrid grid(3, 800);
    struct Case {
        ROWCOL col;
        const char* letters;
    };
    for (const Case& c :
         {Case{1, "A"}, Case{26, "Z"}, Case{27, "AA"}, Case{52, "AZ"}, Case{702, "ZZ"}, Case{703, "AAA"}})
        EXPECT_STREQ(ComposedValue(grid, 0, c.col), c.letters) << c.col;
    EXPECT_STREQ(ComposedValue(grid, 3, 0), "3");
    grid.GetParam()->m_bNumberedColHeaders = FALSE;
    EXPECT_STREQ(ComposedValue(grid, 0, 1), "") << "the standard style's empty value";
}

TEST(GridComposition, RowColumnAndTableStylesFillOnlyWhatIsMissing) {
    TestGrid grid(5, 5);
    grid.PutValue(2, 0, "row");
    grid.PutValue(0, 3, "column");
    grid.PutValue(0, 0, "table");
    grid.PutValue(2, 3, "cell");
    struct Case {
        ROWCOL row, col;
        const char* value;
    };
    for (const Case& c : {
             Case{2, 3, "cell"},   // a stored value is never replaced
             Case{2, 4, "row"},    // the row style comes before the column style
             Case{4, 3, "column"}, // the column style comes before the table style
             Case{4, 4, "table"},
             Case{2, 0, "row"},    // the row header keeps its own, never the column or table style
             Case{0, 3, "column"}, // the column header likewise
             Case{0, 0, "table"},
         })
        EXPECT_STREQ(ComposedValue(grid, c.row, c.col), c.value) << c.row << "," << c.col;
}

TEST(GridComposition, HeaderStyleAndStandardStyleApplyLast) {
    TestGrid grid(5, 5);
    CGEStyle interior;
    interior.SetInterior(RGB(10, 20, 30));
    grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &interior);
    CGEStyle style;
    grid.ComposeStyleRowCol(2, 2, &style, TRUE);
    EXPECT_EQ(style.GetInterior().GetColor(), RGB(10, 20, 30));
    EXPECT_TRUE(style.GetIncludeControl()) << "from the standard style";
    grid.ComposeStyleRowCol(0, 2, &style, TRUE);
    EXPECT_EQ(style.GetInterior().GetColor(), ::GetSysColor(COLOR_BTNFACE)) << "the column-header style";
    EXPECT_EQ(style.GetControl(), GE_IDS_CTRL_HEADER);
}

TEST(GridComposition, StyleRangesStoreRowColumnAndTableStyles) {
    TestGrid grid(10, 10);
    const CGEStyle value = ValueStyle("x");
    EXPECT_TRUE(grid.SetStyleRange(CGECellRange().SetRows(3, 4), &value));
    EXPECT_STREQ(grid.GetStoredCellValue(3, 0), "x") << "whole rows are the row styles";
    EXPECT_STREQ(grid.GetStoredCellValue(3, 5), "");
    EXPECT_STREQ(grid.GetCellValue(4, 7), "x");
    EXPECT_TRUE(grid.SetValueRange(CGECellRange(5, 5, 6, 6), "y"));
    EXPECT_STREQ(grid.GetStoredCellValue(6, 6), "y");
    EXPECT_FALSE(grid.SetStyleRange(CGECellRange(5, 5, 11, 5), &value)) << "past the last row";
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.SetValueRange(CGECellRange(1, 1, 1, 1), "z")) << "a read-only grid refuses";
    EXPECT_STREQ(grid.GetStoredCellValue(1, 1), "");
}

TEST(GridComposition, RemovingAStyleAndStoringOverAStoredOne) {
    TestGrid grid(5, 5);
    grid.SetValueRange(CGECellRange(1, 1, 1, 1), "a");
    CGEStyle interior;
    interior.SetInterior(RGB(1, 2, 3));
    grid.SetStyleRange(CGECellRange(1, 1, 1, 1), &interior, geOverride);
    CGEStyle stored;
    ASSERT_TRUE(grid.GetStyleRowCol(1, 1, stored));
    EXPECT_STREQ(stored.GetValue(), "a") << "override keeps what the new style does not set";
    EXPECT_TRUE(stored.GetIncludeInterior());
    grid.SetStyleRange(CGECellRange(1, 1, 1, 1), nullptr, geRemove);
    CGEStyle empty;
    EXPECT_FALSE(grid.GetStyleRowCol(1, 1, empty));
}

TEST(GridComposition, WithoutAStylesMapTheKeptStylesAreUnavailable) {
    TestGrid grid(2, 2);
    grid.GetParam()->SetStylesMap(new CGEStylesMap, TRUE);
    grid.ResetBaseStyles();
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CNotSupportedException>([&] { grid.GetStandardStyle(); }));
}
