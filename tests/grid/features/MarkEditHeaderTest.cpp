// Marking the current cell's headers: which header cells are drawn marked and which are redrawn.
#include "ClipboardTestSupport.h"

#include "grid/core/CGEProperties.h"

TEST(MarkEditHeader, TheCurrentCellsHeadersAreMarkedUnlessItLiesInAHeader) {
    gridtest::TestGrid grid(8, 6);
    grid.InstallMarkEditHeader();
    ASSERT_TRUE(grid.SetCurrentCell(4, 3, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_TRUE(grid.IsHeaderMarked(nullptr, 4, 0, 0)) << "the row header";
    EXPECT_TRUE(grid.IsHeaderMarked(nullptr, 0, 3, 0)) << "the column header";
    EXPECT_FALSE(grid.IsHeaderMarked(nullptr, 5, 0, 0));
    EXPECT_FALSE(grid.IsHeaderMarked(nullptr, 0, 2, 0));
    grid.GetProperties()->m_bMarkRowHeader = FALSE;
    EXPECT_FALSE(grid.IsHeaderMarked(nullptr, 4, 0, 0));
    grid.GetProperties()->m_bMarkRowHeader = TRUE;

    ASSERT_TRUE(grid.SetCoveredCellsRowCol(3, 0, 5, 0, GE_NOREDRAW));
    EXPECT_TRUE(grid.IsHeaderMarked(nullptr, 3, 0, 0)) << "a header covering rows 3 to 5 for row 4";

    ASSERT_TRUE(grid.SetFrozenRows(1, 1, GE_NOREDRAW));
    ASSERT_TRUE(grid.SetCurrentCell(1, 3, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_FALSE(grid.IsHeaderMarked(nullptr, 0, 3, 0)) << "a current cell in a header row marks nothing";
}

TEST(MarkEditHeader, MovingTheCurrentCellRedrawsOnlyTheMarkedHeaders) {
    cliptest::WindowGrid window(8, 6);
    CGEGridWnd& grid = window.grid;
    grid.InstallMarkEditHeader();
    grid.GetProperties()->m_bMarkRowHeader = FALSE;
    grid.UpdateWindow();
    grid.ValidateRect(nullptr);
    grid.RedrawEditHeaders(4, 3, 0, GE_INVALIDATE);
    CRect update;
    ASSERT_TRUE(::GetUpdateRect(grid.GetSafeHwnd(), &update, FALSE));
    const CRect header = grid.GetCellRect(0, 3);
    EXPECT_EQ(update, header) << "only the column header";

    grid.ValidateRect(nullptr);
    grid.HideCols(3, 3, TRUE, nullptr, GE_NOREDRAW);
    grid.ValidateRect(nullptr);
    grid.RedrawEditHeaders(4, 3, 1, GE_INVALIDATE);
    EXPECT_FALSE(::GetUpdateRect(grid.GetSafeHwnd(), &update, FALSE)) << "a hidden header is not invalidated";
}
