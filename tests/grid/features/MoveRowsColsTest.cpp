// Moving rows and columns with what they carry, and freezing the selected columns or rows from a menu.
#include "SpanTestSupport.h"

using featuretest::Column;
using featuretest::Row;

namespace {

// A grid whose column 1 holds the row numbers and row 1 the column numbers.
void Number(gridtest::TestGrid& grid) {
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
        grid.PutValue(r, 1, std::string("r").append(std::to_string(r)).c_str());
    for (ROWCOL c = 2; c <= grid.GetColCount(); ++c)
        grid.PutValue(1, c, std::string("c").append(std::to_string(c)).c_str());
}

} // namespace

TEST(MoveRowsCols, RowsTakeTheirValuesHeightsAndHiddenStatesAndOneUndoRestores) {
    gridtest::TestGrid grid(6, 2);
    Number(grid);
    grid.InstallMoveRowsCols();
    ASSERT_TRUE(grid.SetRowHeight(2, 2, 33, nullptr, GE_NOREDRAW));
    ASSERT_TRUE(grid.HideRows(3, 3, TRUE, nullptr, GE_NOREDRAW));
    grid.GetParam()->EmptyUndoList();
    ASSERT_TRUE(grid.MoveRows(2, 3, 5, GE_NOREDRAW));
    EXPECT_EQ(Column(grid, 1, 1, 6), "r1 r4 r5 r6 r2 r3");
    EXPECT_EQ(grid.GetRowHeight(5), 33);
    EXPECT_TRUE(grid.IsRowHidden(6));
    EXPECT_FALSE(grid.IsRowHidden(3));
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Column(grid, 1, 1, 6), "r1 r2 r3 r4 r5 r6");
    EXPECT_EQ(grid.GetRowHeight(2), 33);
    EXPECT_TRUE(grid.IsRowHidden(3));
    EXPECT_FALSE(grid.MoveRows(2, 3, 2, GE_NOREDRAW)) << "onto itself: nothing";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 0);
    EXPECT_FALSE(grid.MoveRows(5, 6, 6, GE_NOREDRAW)) << "beyond the last row";
}

TEST(MoveRowsCols, ColumnsCarryTheCurrentCellAndCoveredBlocksComeBackOnUndo) {
    spantest::SpanGrid grid(4, 6);
    Number(grid);
    grid.InstallMoveRowsCols();
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 3, 3, GE_NOREDRAW));
    ASSERT_TRUE(grid.SetCurrentCell(4, 5, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    grid.GetParam()->EmptyUndoList();
    ASSERT_TRUE(grid.MoveCols(2, 3, 4, GE_NOREDRAW));
    EXPECT_EQ(Row(grid, 1, 2, 6), "c4 c5 c2 c3 c6");
    EXPECT_EQ(grid.Covered(3, 5), "2,4-3,5") << "the block went with its columns";
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nCol, 3u) << "column 5 shifted left by two";
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 2, 6), "c2 c3 c4 c5 c6");
    EXPECT_EQ(grid.Covered(3, 3), "2,2-3,3");
    EXPECT_EQ(grid.GetParam()->m_CoveredRanges.GetCount(), 1);
}

TEST(MoveRowsCols, MergedRunsAreBuiltAgainAfterARowMove) {
    spantest::SpanGrid grid(6, 3);
    grid.InstallMoveRowsCols();
    grid.MergeEverywhere(3);
    grid.SetMergeCellsMode(2, FALSE);
    grid.Set(2, 2, "A");
    grid.Set(3, 2, "A");
    grid.Set(5, 2, "B");
    grid.Set(5, 3, "B");
    grid.EvalAll();
    ASSERT_EQ(grid.Merged(2, 2, 1), "2,2-3,2");
    ASSERT_TRUE(grid.MoveRows(5, 5, 3, GE_NOREDRAW));
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(2, 2, 1), "-") << "the vertical run is split by the arriving row";
    EXPECT_EQ(grid.Merged(3, 2, 0), "3,2-3,3") << "the horizontal run came along";
}

TEST(FreezeMenu, SelectedColumnsMoveToTheFrontFreezeAndGoBack) {
    gridtest::TestGrid grid(3, 6);
    for (ROWCOL c = 1; c <= 6; ++c)
        grid.PutValue(1, c, std::to_string(c).c_str());
    CGERangeList& selected = grid.GetParam()->m_SelectedRanges;
    selected.AddRange(CGECellRange().SetCols(3, 4));
    ASSERT_TRUE(grid.CanFreezeCols());
    grid.FreezeCols();
    EXPECT_EQ(Row(grid, 1, 1, 6), "3 4 1 2 5 6");
    EXPECT_EQ(grid.GetFrozenCols(), 2u);
    EXPECT_TRUE(selected.IsEmpty()) << "the selection is cleared";
    EXPECT_FALSE(grid.CanFreezeCols()) << "already frozen";
    ASSERT_TRUE(grid.CanUnfreezeCols());
    grid.UnfreezeCols();
    EXPECT_EQ(Row(grid, 1, 1, 6), "1 2 3 4 5 6");
    EXPECT_EQ(grid.GetFrozenCols(), 0u);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
}

TEST(FreezeMenu, OnlyOneSpanOfWholeLinesCanBeFrozen) {
    gridtest::TestGrid grid(6, 6);
    CGERangeList& selected = grid.GetParam()->m_SelectedRanges;
    selected.AddRange(CGECellRange().SetCols(2, 2));
    selected.AddRange(CGECellRange().SetCols(4, 4));
    EXPECT_FALSE(grid.CanFreezeCols()) << "two separate spans";
    selected.DeleteAll();
    selected.AddRange(CGECellRange(2, 2, 3, 3));
    EXPECT_FALSE(grid.CanFreezeCols()) << "cells, not whole columns";
    selected.DeleteAll();
    for (ROWCOL r = 1; r <= 6; ++r)
        grid.PutValue(r, 1, std::to_string(r).c_str());
    selected.AddRange(CGECellRange().SetRows(1, 2));
    ASSERT_TRUE(grid.CanFreezeRows());
    grid.FreezeRows();
    EXPECT_EQ(Column(grid, 1, 1, 6), "1 2 3 4 5 6") << "already at the front: nothing moves";
    EXPECT_EQ(grid.GetFrozenRows(), 2u);
    grid.UnfreezeRows();
    EXPECT_EQ(grid.GetFrozenRows(), 0u);
}
