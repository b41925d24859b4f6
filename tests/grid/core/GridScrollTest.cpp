// Scrolling arithmetic: the top row and left column, bringing a cell into view past frozen rows, rows
// taller than the grid area, and scroll-bar positions of a grid window.
#include "GridCoreTestSupport.h"

using gridtest::GridHost;
using gridtest::TestGrid;

namespace {

// Rows 20 pixels high in a grid area 200 pixels high: row 0 and nine more rows show.
class ScrollGrid : public TestGrid {
public:
    explicit ScrollGrid(ROWCOL nRows = 1000) : TestGrid(nRows, 20, CRect(0, 0, 300, 200)) {
        GetParam()->SetDefaultRowHeight(20);
        GetParam()->SetDefaultColWidth(50);
    }
};

} // namespace

TEST(GridScroll, TopRowIsClampedToTheScrollingRows) {
    ScrollGrid grid(50);
    grid.SetFrozenRows(2, 0, GE_NOREDRAW);
    EXPECT_EQ(grid.GetTopRow(), 3u) << "frozen rows 2: the scrolling part starts at row 3";
    EXPECT_FALSE(grid.SetTopRow(1, GE_NOREDRAW)) << "already at the first scrolling row";
    EXPECT_TRUE(grid.SetTopRow(500, GE_NOREDRAW));
    EXPECT_EQ(grid.GetTopRow(), 50u);
}

TEST(GridScroll, CellsComeIntoViewFromAboveAndBelow) {
    ScrollGrid grid;
    EXPECT_FALSE(grid.ScrollCellInView(5, 1, GE_NOREDRAW)) << "already in view";
    EXPECT_TRUE(grid.ScrollCellInView(100, 1, GE_NOREDRAW));
    // Row 100 becomes the last row that shows in full: rows 92..100 below row 0.
    EXPECT_EQ(grid.GetTopRow(), 92u);
    EXPECT_EQ(grid.GetCellRect(100, 1).bottom, 200);
    EXPECT_TRUE(grid.ScrollCellInView(40, 1, GE_NOREDRAW));
    EXPECT_EQ(grid.GetTopRow(), 40u) << "a row above the top row becomes the top row";
    EXPECT_TRUE(grid.ScrollCellInView(1, 25, GE_NOREDRAW));
    EXPECT_EQ(grid.GetLeftCol(), 1u);
}

TEST(GridScroll, FrozenRowsScrollNothing) {
    ScrollGrid grid;
    grid.SetFrozenRows(3, 1, GE_NOREDRAW);
    grid.SetTopRow(200, GE_NOREDRAW);
    EXPECT_FALSE(grid.ScrollCellInView(2, 1, GE_NOREDRAW));
    EXPECT_EQ(grid.GetTopRow(), 200u);
}

TEST(GridScroll, ARowTallerThanTheAreaBecomesTheTopRow) {
    ScrollGrid grid;
    grid.GetParam()->StoreRowHeight(30, 500);
    EXPECT_TRUE(grid.ScrollCellInView(30, 1, GE_NOREDRAW));
    EXPECT_EQ(grid.GetTopRow(), 30u);
}

TEST(GridScroll, AMillionRowsJumpToTheEnd) {
    ScrollGrid grid(1000000);
    EXPECT_TRUE(grid.ScrollCellInView(1000000, 1, GE_NOREDRAW));
    EXPECT_EQ(grid.GetTopRow(), 1000000u - 8);
    EXPECT_EQ(grid.GetLastVisibleRow(), 1000000u);
}

TEST(GridScroll, ScrollBarsFollowTheRowsAndTheTopRow) {
    CGEGridWnd grid;
    GridHost host(grid, 300, 200);
    grid.SetRowCount(5, GE_NOREDRAW);
    grid.SetColCount(2, GE_NOREDRAW);
    grid.UpdateScrollbars();
    EXPECT_EQ(grid.GetStyle() & WS_VSCROLL, 0u) << "every row fits";
    grid.SetRowCount(500, GE_NOREDRAW);
    grid.UpdateScrollbars();
    EXPECT_NE(grid.GetStyle() & WS_VSCROLL, 0u);
    grid.SetTopRow(120, GE_NOREDRAW);
    EXPECT_EQ(grid.GetScrollBarPos(SB_VERT), 120);
    grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_EQ(grid.GetTopRow(), 121u);
    grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
    EXPECT_EQ(grid.GetTopRow(), 1u);
}
