// Clearing cells: values or whole styles of the selection, one undo step, refusals and aborts.
#include "ClipboardTestSupport.h"

using cliptest::OneRange;
using featuretest::Column;
using featuretest::Row;
using featuretest::Value;

namespace {

void Fill(gridtest::TestGrid& grid) {
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
        for (ROWCOL c = 1; c <= grid.GetColCount(); ++c)
            grid.PutValue(r, c, (std::to_string(r) + std::to_string(c)).c_str());
}

// The values of columns 1 to 3 of a row, joined by bars.
std::string Cells(gridtest::TestGrid& grid, ROWCOL nRow) {
    return Value(grid, nRow, 1) + "|" + Value(grid, nRow, 2) + "|" + Value(grid, nRow, 3);
}

} // namespace

TEST(ClearCells, ValuesOfTheSelectionGoAsOneUndoStepAndEmptyCellsAreLeftAlone) {
    gridtest::TestGrid grid(4, 4);
    Fill(grid);
    grid.PutValue(2, 2, "");
    grid.GetParam()->EmptyUndoList();
    grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(1, 1, 2, 2));
    ASSERT_TRUE(grid.CanClear());
    ASSERT_TRUE(grid.Clear(FALSE));
    EXPECT_EQ(Cells(grid, 1), "||13");
    EXPECT_EQ(Cells(grid, 2), "||23");
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 2), "11 12");
    EXPECT_EQ(Value(grid, 2, 2), "") << "the empty cell was never touched";
}

TEST(ClearCells, WholeColumnsStopAtTheHeadersAndStylesCanGoWhole) {
    gridtest::TestGrid grid(4, 3);
    Fill(grid);
    ASSERT_TRUE(grid.SetFrozenRows(1, 1, GE_NOREDRAW));
    ASSERT_TRUE(grid.ClearCells(OneRange(CGECellRange().SetCols(2, 2)), FALSE));
    EXPECT_EQ(Column(grid, 2, 1, 4), "12   ") << "the header row keeps its text";
    CGEStyle bold;
    bold.SetFont(CGEFont().SetBold(TRUE));
    grid.SetStyleRange(CGECellRange(3, 3, 3, 3), &bold, geOverride, 0, nullptr, GE_NOREDRAW);
    ASSERT_TRUE(grid.ClearCells(OneRange(CGECellRange(3, 3, 3, 3)), TRUE));
    EXPECT_EQ(Value(grid, 3, 3), "-") << "the whole stored style removed";
}

TEST(ClearCells, NothingToClearInAReadOnlyGrid) {
    gridtest::TestGrid grid(4, 4);
    grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(1, 1, 2, 2));
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.CanClear());
    grid.SetReadOnly(FALSE);
    grid.GetParam()->m_SelectedRanges.DeleteAll();
    EXPECT_FALSE(grid.CanClear()) << "no selection and no current cell";
    ASSERT_TRUE(grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_TRUE(grid.CanClear());
}

TEST(ClearCells, ARefusalKeepsWhatWasClearedAsOneClosedStep) {
    gridtest::TestGrid grid(3, 3);
    Fill(grid);
    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &readOnly, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.GetParam()->EmptyUndoList();
    EXPECT_FALSE(grid.ClearCells(OneRange(CGECellRange(1, 1, 3, 3)), FALSE)) << "a refusal is no success";
    EXPECT_EQ(Cells(grid, 1), "||");
    EXPECT_EQ(Value(grid, 2, 2), "22");
    EXPECT_EQ(Value(grid, 3, 3), "33") << "clearing stopped at the refusal";
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0) << "the undo block is closed";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 3), "11 12 13");
}

TEST(ClearCells, AnAbortClosesTheUndoBlockAndARollbackUndoesTheClearedCells) {
    featuretest::TestLongOperationImp longOperation;
    longOperation.tick = 800;                             // every step is due
    CGELongOperationState::Get().bAskBeforeAbort = FALSE; // Esc aborts with rollback, unasked
    gridtest::TestGrid grid(3, 3);
    Fill(grid);
    grid.GetParam()->EmptyUndoList();
    ::PostMessageA(longOperation.window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(grid.ClearCells(OneRange(CGECellRange(1, 1, 3, 3)), FALSE));
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
    EXPECT_EQ(Row(grid, 1, 1, 3), "11 12 13") << "rolled back";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 0);
    grid.PutValue(1, 1, "later");
    ASSERT_TRUE(grid.ClearCells(OneRange(CGECellRange(1, 1, 1, 1)), FALSE)) << "the next clearing works";
    EXPECT_EQ(Value(grid, 1, 1), "");
}
