// Optimized update in a grid window: what is left to repaint (the window's update region) after rows
// are inserted, removed or resized above, inside and below the visible rows, and the full redraw with
// merged cells.
#include "FeatureTestSupport.h"

#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEGridWnd.h"

using gridtest::GridHost;

namespace {

struct UpdateFixture : gridtest::EngineStarted {
    UpdateFixture() : host(grid, 500, 300) {
        grid.GetParam()->m_bNumberedRowHeaders = FALSE;
        grid.SetRowCount(100, GE_NOREDRAW);
        grid.SetColCount(4, GE_NOREDRAW);
        grid.UpdateWindow();
    }
    // Everything painted: what an operation invalidates is what is left.
    void Paint() {
        grid.UpdateWindow();
        ::ValidateRect(grid.GetSafeHwnd(), nullptr);
    }
    CRect Dirty() {
        RECT rc{};
        ::GetUpdateRect(grid.GetSafeHwnd(), &rc, FALSE);
        return CRect(rc);
    }
    // The strip of rows nFirst..nLast across the grid area.
    CRect RowsStrip(ROWCOL nFirst, ROWCOL nLast) {
        const CRect area = grid.GetGridArea();
        return CRect(area.left, grid.GetCellRect(nFirst, 1).top, area.right,
                     grid.GetCellRect(nLast, 1).bottom);
    }
    CGEGridWnd grid;
    GridHost host;
};

} // namespace

TEST(OptimizedUpdate, InsertingAboveTheVisibleRowsRepaintsNothingAndKeepsThem) {
    UpdateFixture f;
    f.grid.SetTopRow(20, GE_UPDATENOW);
    f.grid.SetValueRange(CGECellRange(20, 1, 20, 1), "first shown", geOverride, 0, GE_NOREDRAW);
    f.Paint();
    f.grid.InsertRows(5, 2, nullptr, nullptr, 0, GE_SMART);
    EXPECT_TRUE(f.Dirty().IsRectEmpty());
    EXPECT_EQ(f.grid.GetTopRow(), 22u);
    EXPECT_EQ(featuretest::Value(f.grid, f.grid.GetTopRow(), 1), "first shown");
}

TEST(OptimizedUpdate, InsertingInsideScrollsAndPaintsOnlyTheNewRow) {
    UpdateFixture f;
    f.Paint();
    f.grid.InsertRows(5, 1, nullptr, nullptr, 0, GE_SMART);
    EXPECT_EQ(f.Dirty(), f.RowsStrip(5, 5));

    // With numbered row headers the headers below show new numbers.
    f.grid.GetParam()->m_bNumberedRowHeaders = TRUE;
    f.Paint();
    f.grid.InsertRows(5, 1, nullptr, nullptr, 0, GE_SMART);
    const CRect dirty = f.Dirty();
    EXPECT_EQ(dirty.top, f.RowsStrip(5, 5).top);
    EXPECT_GE(dirty.bottom, f.grid.GetCellRect(f.grid.GetLastVisibleRow() - 1, 0).bottom);
}

TEST(OptimizedUpdate, RemovingScrollsUpAndPaintsTheStripThatOpens) {
    UpdateFixture f;
    f.Paint();
    const CRect area = f.grid.GetGridArea();
    const int nHeight = f.grid.GetRowHeight(5);
    f.grid.RemoveRows(5, 5, GE_SMART);
    const CRect dirty = f.Dirty();
    // The strip at the bottom is painted at once; nothing else is left to paint.
    EXPECT_TRUE(dirty.IsRectEmpty() || dirty.top >= area.bottom - 2 * nHeight) << dirty.top;

    f.grid.SetTopRow(50, GE_UPDATENOW);
    f.grid.RemoveRows(1, 100, GE_SMART);
    EXPECT_EQ(f.grid.GetTopRow(), 1u) << "no rows left: the top row starts again";
}

TEST(OptimizedUpdate, ASizeChangeAboveTheTopRowDrawsNothing) {
    UpdateFixture f;
    f.grid.SetTopRow(30, GE_UPDATENOW);
    f.Paint();
    f.grid.SetRowHeight(10, 10, 40, nullptr, GE_SMART);
    EXPECT_TRUE(f.Dirty().IsRectEmpty());

    f.grid.SetRowHeight(32, 32, 40, nullptr, GE_SMART);
    const CRect dirty = f.Dirty();
    EXPECT_EQ(dirty.top, f.grid.GetCellRect(32, 1).top) << "from the changed row";
}

TEST(OptimizedUpdate, WithMergedCellsEveryInsertRepaintsTheWholeGrid) {
    UpdateFixture f;
    f.grid.SetMergeCellsMode(1, FALSE);
    f.Paint();
    f.grid.InsertRows(5, 1, nullptr, nullptr, 0, GE_SMART);
    CRect client;
    f.grid.GetClientRect(&client);
    const CRect dirty = f.Dirty();
    EXPECT_LE(dirty.top, f.grid.GetGridArea().top);
    EXPECT_GE(dirty.bottom, f.grid.GetGridArea().bottom);
}
