// Covered cells: blocks set, enlarged, removed and refused, found from any of their cells, kept with the
// rows removed beneath them as one undo step, undone and redone, and the current cell moved to a block's
// origin.
#include "SpanTestSupport.h"

#include "grid/core/CGEStylesMap.h"

using spantest::SpanGrid;

TEST(CoveredCells, ABlockIsFoundFromEachOfItsCells) {
    SpanGrid grid;
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 3, 4, GE_NOREDRAW));
    EXPECT_EQ(grid.Covered(3, 3), "2,2-3,4");
    EXPECT_EQ(grid.Covered(2, 2), "2,2-3,4");
    EXPECT_EQ(grid.Covered(4, 4), "-");
    EXPECT_EQ(grid.Covered(0x7FFFFFFF, 2), "-");
    CGECellRange range(3, 1, 3, 3);
    EXPECT_TRUE(grid.ExpandCoveredCellsRange(range));
    EXPECT_EQ(range, CGECellRange(2, 1, 3, 4));
}

TEST(CoveredCells, OverlapsAnotherOriginAndShrinkingInPlaceAreRefused) {
    struct Case {
        ROWCOL top, left, bottom, right;
        bool accepted;
        const char* why;
    };
    const Case cases[] = {
        {2, 2, 3, 3, false, "meets the block (3, 3)-(5, 5) partly"},
        {3, 3, 5, 5, false, "unchanged"},
        {4, 4, 6, 6, false, "another origin inside the block"},
        {3, 3, 4, 4, false, "shrinks the block in place"},
        {3, 3, 6, 6, true, "enlarges from the same origin"},
        {1, 1, 7, 7, false, "holds another block whole"},
        {2, 7, 0x7FFFFFFF, 8, false, "past the largest row"},
    };
    for (const Case& c : cases) {
        SpanGrid grid;
        ASSERT_TRUE(grid.SetCoveredCellsRowCol(3, 3, 5, 5, GE_NOREDRAW));
        EXPECT_EQ(grid.SetCoveredCellsRowCol(c.top, c.left, c.bottom, c.right, GE_NOREDRAW), c.accepted)
            << c.why;
        EXPECT_EQ(grid.Covered(4, 4), c.accepted ? "3,3-6,6" : "3,3-5,5") << c.why;
        EXPECT_EQ(grid.GetParam()->m_CoveredRanges.GetCount(), 1) << c.why;
    }
}

TEST(CoveredCells, AOneCellBlockRemovesTheBlockOfThatOrigin) {
    SpanGrid grid;
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 3, 3, GE_NOREDRAW));
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(3, 3, 3, 3, GE_NOREDRAW)) << "not an origin";
    EXPECT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 2, 2, GE_NOREDRAW));
    EXPECT_EQ(grid.Covered(3, 3), "-");
    EXPECT_TRUE(grid.GetParam()->m_CoveredRanges.IsEmpty());
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(2, 2, 2, 2, GE_NOREDRAW)) << "nothing to remove";
    EXPECT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 2, 3, GE_NOREDRAW)) << "covered again after the removal";
}

TEST(CoveredCells, ReadOnlyGridsRefuse) {
    SpanGrid grid;
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(2, 2, 3, 3, GE_NOREDRAW));
    grid.SetReadOnly(FALSE);
    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    grid.ChangeBaseStyle(static_cast<WORD>(grid.GetStylesMap()->m_nStandardStyleId), readOnly, geOverride,
                         GE_NOREDRAW);
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(2, 2, 3, 3, GE_NOREDRAW)) << "the standard style is read-only";
}

TEST(CoveredCells, RemovedRowsCutAndDropBlocksInOneUndoStep) {
    SpanGrid grid;
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 1, 4, 2, GE_NOREDRAW));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(3, 4, 5, 5, GE_NOREDRAW));
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(6, 1, 9, 1, GE_NOREDRAW));
    grid.GetParam()->EmptyUndoList();
    ASSERT_TRUE(grid.RemoveRows(3, 4, GE_NOREDRAW));
    EXPECT_EQ(grid.Covered(2, 1), "2,1-2,2") << "reached into the removed rows: cut back";
    EXPECT_EQ(grid.Covered(3, 4), "-") << "began in the removed rows: gone";
    EXPECT_EQ(grid.Covered(5, 1), "4,1-7,1") << "below: moved up with its rows";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Covered(3, 1), "2,1-4,2");
    EXPECT_EQ(grid.Covered(4, 5), "3,4-5,5");
    EXPECT_EQ(grid.Covered(8, 1), "6,1-9,1");
    EXPECT_EQ(grid.GetParam()->m_CoveredRanges.GetCount(), 3);
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(grid.Covered(2, 1), "2,1-2,2");
    EXPECT_EQ(grid.GetParam()->m_CoveredRanges.GetCount(), 2);
}

TEST(CoveredCells, SettingABlockIsUndoneAndMovesTheCurrentCellToItsOrigin) {
    SpanGrid grid;
    ASSERT_TRUE(grid.SetCurrentCell(3, 3, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    grid.GetParam()->EmptyUndoList();
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 4, 4, GE_NOREDRAW));
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_TRUE(grid.GetCurrentCell(nRow, nCol));
    EXPECT_EQ(nRow, 2u);
    EXPECT_EQ(nCol, 2u);
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 5, 5, GE_NOREDRAW));
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Covered(3, 3), "2,2-4,4") << "the enlargement undone";
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Covered(3, 3), "-");
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(grid.Covered(3, 3), "2,2-4,4");
}
