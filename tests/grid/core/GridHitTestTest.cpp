// Coordinates and hit-testing of a windowless grid: which row, column and boundary lies under a point,
// with frozen rows, hidden columns and the sizing flags; the rectangles of cells and ranges.
#include "GridCoreTestSupport.h"

#include <set>

using gridtest::TestGrid;

namespace {

// Column 0 is 40 pixels wide, every other column 50; every row is 20 pixels high. Columns can be
// hidden without the hidden-cells feature.
class HitGrid : public TestGrid {
public:
    HitGrid(ROWCOL nRows, ROWCOL nCols) : TestGrid(nRows, nCols, CRect(0, 0, 400, 300)) {
        GetParam()->SetDefaultRowHeight(20);
        GetParam()->SetDefaultColWidth(50);
        GetParam()->StoreColWidth(0, 40);
    }
    BOOL IsColHidden(ROWCOL nCol) override { return hidden.count(nCol) != 0; }
    std::set<ROWCOL> hidden;
};

struct HitCase {
    const char* what;
    CPoint point;
    int nHit;
    ROWCOL nRow;
    ROWCOL nCol;
};

void ExpectHits(HitGrid& grid, std::initializer_list<HitCase> cases) {
    for (const HitCase& c : cases) {
        ROWCOL nRow = 0, nCol = 0;
        EXPECT_EQ(grid.HitTest(c.point, &nRow, &nCol), c.nHit) << c.what;
        EXPECT_EQ(nRow, c.nRow) << c.what << ": row";
        EXPECT_EQ(nCol, c.nCol) << c.what << ": column";
    }
}

} // namespace

TEST(GridHitTest, BoundariesHeadersAndCells) {
    HitGrid grid(5, 6);
    ExpectHits(grid,
               {
                   {"4 px left of column 1's right edge in the header row", {86, 10}, GE_HT_VERTLINE, 0, 1},
                   {"5 px left of it is the header", {85, 10}, GE_HT_HEADER, 0, 1},
                   {"within 4 px right of column 2's left edge", {93, 10}, GE_HT_VERTLINE, 0, 1},
                   {"a column boundary in the body is no resize zone", {86, 30}, GE_HT_CELL, 1, 1},
                   {"a row boundary in the row headers", {20, 38}, GE_HT_HORZLINE, 1, 0},
                   {"the corner cell", {10, 10}, GE_HT_HEADER, 0, 0},
                   {"a body cell", {100, 70}, GE_HT_CELL, 3, 2},
                   {"below the last row", {100, 200}, GE_HT_NOHIT, 6, 2},
                   {"right of the last column", {380, 70}, GE_HT_NOHIT, 3, 7},
               });
    EXPECT_EQ(grid.HitTest(CPoint(500, 10)), GE_HT_NOHIT) << "outside the grid area";
}

TEST(GridHitTest, BodyBoundariesResizeWhenTheFlagsSaySo) {
    HitGrid grid(5, 6);
    grid.GetParam()->SetColSizingFlags(2 | 4);
    grid.GetParam()->SetRowSizingFlags(0);
    ExpectHits(grid, {
                         {"column boundary in the body", {86, 30}, GE_HT_VERTLINE, 1, 1},
                         {"row resizing switched off", {20, 38}, GE_HT_HEADER, 1, 0},
                     });
    grid.GetParam()->SetColSizingFlags(2 | 8);
    ExpectHits(grid, {{"the header column's own boundary does not resize", {38, 10}, GE_HT_HEADER, 0, 0}});
}

TEST(GridHitTest, HiddenColumnBoundary) {
    HitGrid grid(5, 6);
    grid.hidden.insert(2); // column 3 now starts where column 2 did, at x 90
    ExpectHits(grid, {
                         {"1 px right of the hidden boundary: the visible column to the left",
                          {91, 10},
                          GE_HT_VERTLINE,
                          0,
                          1},
                         {"2 px right of it: still the visible column", {92, 10}, GE_HT_VERTLINE, 0, 1},
                         {"3 px right of it: the hidden column", {93, 10}, GE_HT_HIDDENCOL, 0, 2},
                         {"4 px right of it: the hidden column", {94, 10}, GE_HT_HIDDENCOL, 0, 2},
                         {"inside column 3", {110, 10}, GE_HT_HEADER, 0, 3},
                     });
}

TEST(GridHitTest, FrozenRowsStayAboveTheScrolledRows) {
    HitGrid grid(100, 6);
    grid.SetFrozenRows(2, 0, GE_NOREDRAW);
    grid.SetTopRow(10, GE_NOREDRAW);
    // Rows 0..2 at y 0..60, then row 10 at y 60..80.
    EXPECT_EQ(grid.GetRowAtPoint(CPoint(100, 50)), 2u);
    EXPECT_EQ(grid.GetRowAtPoint(CPoint(100, 65)), 10u);
    EXPECT_EQ(grid.GetRowAtPoint(CPoint(100, 299)), 21u);
    EXPECT_EQ(grid.GetClientRow(10), 3u);
    EXPECT_EQ(grid.GetClientRow(5), 0u) << "scrolled out of view";
    EXPECT_EQ(grid.GetRowFromClientRow(4), 11u);
    EXPECT_EQ(grid.GetCellRect(10, 1), CRect(40, 60, 90, 80));
    EXPECT_EQ(grid.GetCellRect(9, 1), CRect(40, 40, 90, 60)) << "above the top row, behind the frozen rows";
    EXPECT_EQ(grid.GetLastVisibleRow(), 21u);
}

TEST(GridHitTest, RangeRectanglesAreClippedToWhatShows) {
    HitGrid grid(100, 6);
    grid.SetFrozenRows(1, 0, GE_NOREDRAW);
    grid.SetTopRow(20, GE_NOREDRAW);
    // Rows 1..30: row 1 (frozen) through what is visible of the scrolled part.
    EXPECT_EQ(grid.GetRangeClientRect(CGECellRange(1, 1, 30, 2)), CRect(40, 20, 140, 260));
    EXPECT_TRUE(grid.GetRangeClientRect(CGECellRange(5, 1, 10, 2)).IsRectEmpty()) << "wholly scrolled away";
    EXPECT_EQ(grid.GetRangeClientRect(CGECellRange(25, 1, 200, 1)), CRect(40, 140, 90, 300));
    // Whole rows reach over every column.
    EXPECT_EQ(grid.GetRangeClientRect(CGECellRange().SetRows(20, 20)), CRect(0, 40, 340, 60));
}

TEST(GridHitTest, SumsOverAMillionRowsNeedNoStepPerRow) {
    HitGrid grid(1000000, 3);
    grid.GetParam()->StoreRowHeight(500000, 100);
    EXPECT_EQ(grid.SumRowHeights(1, 1000000), 1000000L * 20 + 80);
    EXPECT_EQ(grid.GetCellRect(1000000, 1).top, 20 + 999999L * 20 + 80);
    EXPECT_EQ(grid.SumRowHeights(1, 1000000, 100), 120) << "a limit stops the sum as soon as it is passed";
}
