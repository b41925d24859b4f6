// The current cell: setting, committing and leaving it, its queries while printing and after rows went,
// moves that skip hidden and disabled cells, and the cell a shared parameter object remembers.
#include "GridCoreTestSupport.h"

using gridtest::RecordingControl;
using gridtest::TestGrid;

namespace {

// A grid whose every cell uses one recording control.
class ControlGrid : public TestGrid {
public:
    ControlGrid() : TestGrid(20, 10) {
        control = new RecordingControl(this);
        RegisterControl(GE_IDS_CTRL_EDIT, control, TRUE, FALSE);
    }
    BOOL IsRowHidden(ROWCOL nRow) override { return nRow == hiddenRow; }
    RecordingControl* control;
    ROWCOL hiddenRow = 0;
};

} // namespace

TEST(GridCurrentCell, QueriesFollowRowsPrintingAndWildcards) {
    TestGrid grid(20, 10);
    ASSERT_TRUE(grid.SetCurrentCell(10, 3));
    EXPECT_TRUE(grid.IsCurrentCell(10, 3));
    EXPECT_TRUE(grid.IsCurrentCell(GE_INVALID, 3)) << "any row";
    EXPECT_TRUE(grid.IsCurrentCell(10, GE_INVALID)) << "any column";
    EXPECT_FALSE(grid.IsCurrentCell(10, 4));
    grid.SetPrinting(TRUE, FALSE);
    ROWCOL nRow = 0, nCol = 0;
    EXPECT_FALSE(grid.GetCurrentCell(nRow, nCol, FALSE)) << "no current cell while printing";
    EXPECT_TRUE(grid.GetCurrentCell(nRow, nCol, TRUE));
    grid.SetPrinting(FALSE, FALSE);
    grid.SetRowCount(5, GE_NOREDRAW);
    EXPECT_FALSE(grid.GetCurrentCell(nRow, nCol));
    grid.SetRowCount(20, GE_NOREDRAW);
    EXPECT_FALSE(grid.GetCurrentCell(nRow, nCol)) << "the flag was cleared, not only hidden";
}

TEST(GridCurrentCell, ARefusedValueKeepsTheCell) {
    ControlGrid grid;
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    grid.control->active = TRUE;
    grid.control->modified = TRUE;
    grid.control->valid = FALSE;
    EXPECT_FALSE(grid.SetCurrentCell(3, 2));
    EXPECT_TRUE(grid.IsCurrentCell(2, 2));
    EXPECT_EQ(grid.warnings, 1);
    EXPECT_STREQ(grid.GetWarningText(), "refused");
    EXPECT_EQ(grid.control->stores, 0);
    grid.control->valid = TRUE;
    grid.control->text = "typed";
    EXPECT_TRUE(grid.SetCurrentCell(3, 2));
    EXPECT_EQ(grid.control->stores, 1);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "typed");
    EXPECT_TRUE(grid.control->IsBoundToCellAt(3, 2));
    EXPECT_FALSE(grid.control->active) << "the new cell starts inactive";
}

TEST(GridCurrentCell, CommitWithoutStoringReloadsTheCell) {
    ControlGrid grid;
    grid.PutValue(4, 4, "stored");
    ASSERT_TRUE(grid.SetCurrentCell(4, 4));
    const int nInits = grid.control->inits;
    grid.control->active = TRUE;
    grid.control->modified = TRUE;
    grid.control->text = "discarded";
    EXPECT_TRUE(grid.CommitCurrentCell(FALSE));
    EXPECT_EQ(grid.control->stores, 0);
    EXPECT_GT(grid.control->inits, nInits) << "bound again to read the stored value";
    EXPECT_FALSE(grid.control->active);
    EXPECT_STREQ(grid.GetStoredCellValue(4, 4), "stored");
}

TEST(GridCurrentCell, MovesSkipHiddenAndDisabledCells) {
    ControlGrid grid;
    grid.hiddenRow = 6;
    CGEStyle disabled;
    disabled.SetEnabled(FALSE);
    grid.SetStyleRange(CGECellRange(7, 2, 7, 2), &disabled);
    ASSERT_TRUE(grid.SetCurrentCell(5, 2));
    EXPECT_TRUE(grid.MoveCurrentCell(GE_DOWN, 1));
    EXPECT_TRUE(grid.IsCurrentCell(8, 2));
    EXPECT_TRUE(grid.MoveCurrentCell(GE_UP, 1));
    EXPECT_TRUE(grid.IsCurrentCell(5, 2));
    EXPECT_TRUE(grid.MoveCurrentCell(GE_BOTTOMRIGHT, 1));
    EXPECT_TRUE(grid.IsCurrentCell(20, 10));
    EXPECT_FALSE(grid.MoveCurrentCell(GE_RIGHT, 1)) << "nothing right of the last column";
    EXPECT_TRUE(grid.MoveCurrentCell(GE_TOP, 1));
    EXPECT_TRUE(grid.IsCurrentCell(1, 10));
    EXPECT_FALSE(grid.CanSelectCurrentCell(7, 2));
    EXPECT_FALSE(grid.CanSelectCurrentCell(21, 1));
}

TEST(GridCurrentCell, ASharedParameterObjectRemembersTheCellWithinItsCounts) {
    CGEGridParam* pParam = nullptr;
    {
        TestGrid owner(20, 10);
        owner.SetCurrentCell(7, 3);
        pParam = owner.GetParam();
        TestGrid shared(0, 0);
        shared.SetParam(pParam, FALSE);
        shared.OnGridInitialUpdate();
        EXPECT_TRUE(shared.IsCurrentCell(7, 3));
        EXPECT_EQ(shared.GetData(), owner.GetData()) << "one data object for both";
        EXPECT_EQ(shared.GetProperties(), owner.GetProperties());
        EXPECT_EQ(GEGetLibraryState()->GetGridCountForObject(pParam), 2);
    }
    CGEGridParam param;
    param.m_bCurrentCell = TRUE;
    param.m_nCurrentRow = 50;
    param.m_nCurrentCol = 1;
    TestGrid grid(0, 0);
    grid.SetParam(&param, FALSE);
    grid.OnGridInitialUpdate();
    EXPECT_FALSE(grid.IsCurrentCell()) << "row 50 lies outside the grid";
}

TEST(GridCurrentCell, DestroyingTheGridThatDoesNotOwnTheParametersLeavesThem) {
    TestGrid owner(5, 5);
    owner.PutValue(1, 1, "kept");
    {
        TestGrid borrower(0, 0);
        borrower.SetParam(owner.GetParam(), FALSE);
        borrower.OnGridInitialUpdate();
    }
    EXPECT_STREQ(owner.GetStoredCellValue(1, 1), "kept");
    EXPECT_EQ(GEGetLibraryState()->GetGridCountForObject(owner.GetParam()), 1);
}

TEST(GridCurrentCell, FrozenRowsMoveTheTopRowAtInitialisation) {
    CGEGridParam param;
    param.SetFrozenRows(2, 0);
    TestGrid grid(0, 0);
    grid.SetParam(&param, FALSE);
    grid.OnGridInitialUpdate();
    EXPECT_EQ(grid.GetTopRow(), 3u);
}
