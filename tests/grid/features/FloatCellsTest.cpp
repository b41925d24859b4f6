// Floating cells: a text wider than its column runs on into empty neighbours that may be floated over, in
// delayed and immediate evaluation; what stops a float (a filled neighbour, the frozen boundary, covered
// and merged cells, rotated text, headers), and the modes that are refused.
#include "SpanTestSupport.h"

#include "grid/core/CGEFont.h"

using spantest::SpanGrid;

namespace {

class FloatCells : public ::testing::TestWithParam<WORD> {};

} // namespace

TEST_P(FloatCells, ATextRunsOnOverEmptyNeighboursAndIsCutBackByAValue) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(GetParam(), FALSE);
    grid.Set(2, 2, "abcdefghijklm"); // 130 pixels: 2.6 columns of 50
    EXPECT_TRUE(grid.EvalAll());
    EXPECT_EQ(grid.Floated(2, 2), "2,2-2,4");
    EXPECT_EQ(grid.Floated(2, 4), "2,2-2,4") << "every cell of the float finds it";
    EXPECT_EQ(grid.Floated(3, 2), "-");
    grid.Set(2, 3, "x");
    EXPECT_TRUE(grid.EvalAll());
    EXPECT_EQ(grid.Floated(2, 2), "-") << "a filled neighbour stops the float";
    EXPECT_EQ(grid.Floated(2, 3), "-");
    grid.Set(2, 3, "");
    grid.EvalAll();
    EXPECT_EQ(grid.Floated(2, 2), "2,2-2,4") << "emptied again, the text runs on";
}

TEST_P(FloatCells, ATextThatEndsAtItsColumnsEdgeDoesNotFloat) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(GetParam(), FALSE);
    grid.Set(2, 2, "abcde"); // exactly 50 pixels
    grid.EvalAll();
    EXPECT_EQ(grid.Floated(2, 2), "-");
    grid.control->charWidth = 11; // 55 pixels
    grid.DelayFloatCells(CGECellRange(2, 2, 2, 2));
    grid.EvalAll();
    EXPECT_EQ(grid.Floated(2, 2), "2,2-2,3");
}

INSTANTIATE_TEST_SUITE_P(DelayedAndImmediate, FloatCells, ::testing::Values(WORD{1}, WORD{2}));

TEST(FloatCellsLimits, FrozenBoundaryHeadersCoveredMergedAndRotatedCellsStopFloats) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(2, FALSE);
    grid.SetFrozenCols(2, 1, GE_NOREDRAW);
    grid.Set(2, 1, "header column text that is long");
    grid.Set(3, 2, "last frozen column text");
    grid.Set(4, 4, "covered neighbour ahead");
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(4, 5, 5, 5, GE_NOREDRAW));
    grid.Set(6, 4, "rotated text, long enough");
    CGEStyle rotated;
    rotated.SetFont(CGEFont().SetOrientation(900));
    grid.SetStyleRange(CGECellRange(6, 4, 6, 4), &rotated, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.Set(7, 4, "a long text over a merged neighbour");
    grid.SetMergeCellsMode(2, FALSE);
    CGEStyle merging;
    merging.SetMergeCell(1);
    grid.SetStyleRange(CGECellRange(7, 5, 7, 6), &merging, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.Set(7, 5, "m");
    grid.Set(7, 6, "m");
    grid.EvalAll();
    EXPECT_EQ(grid.Floated(2, 1), "-") << "header columns never float";
    EXPECT_EQ(grid.Floated(3, 2), "-") << "no float from the frozen columns into the scrolled ones";
    EXPECT_EQ(grid.Floated(4, 4), "-") << "a covered cell is not floated over";
    EXPECT_EQ(grid.Floated(6, 4), "-") << "rotated text never floats";
    EXPECT_EQ(grid.Merged(7, 5, 0), "7,5-7,6");
    EXPECT_EQ(grid.Floated(7, 4), "-") << "a merged cell is not floated over";
}

TEST(FloatCellsLimits, NothingPendingMeansNothingMeasured) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(1, FALSE);
    grid.Set(2, 2, "a text of some length");
    EXPECT_TRUE(grid.EvalAll());
    const int nMeasured = grid.control->measured;
    EXPECT_GT(nMeasured, 0);
    EXPECT_FALSE(grid.EvalFloatCells(CGECellRange(1, 1, 10, 8), FALSE));
    EXPECT_EQ(grid.control->measured, nMeasured);
}

TEST(FloatCellsLimits, UnknownModesAreRefusedAndModeZeroFindsNothing) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(2, FALSE);
    grid.Set(2, 2, "abcdefghijklm");
    grid.EvalAll();
    ASSERT_EQ(grid.Floated(2, 2), "2,2-2,4");
    for (WORD wMode : {WORD{3}, WORD{7}, WORD{0xFFFF}}) {
        grid.SetFloatCellsMode(wMode, FALSE);
        EXPECT_EQ(grid.GetFloatCellsMode(), 2) << "mode " << wMode << " is not set";
        EXPECT_EQ(grid.Floated(2, 2), "2,2-2,4");
    }
    grid.SetFloatCellsMode(0, FALSE);
    EXPECT_EQ(grid.Floated(2, 2), "-");
    EXPECT_EQ(grid.GetParam()->m_pFloatPool, nullptr);
    EXPECT_FALSE(grid.EvalAll());
}

TEST(FloatCellsLimits, FloatsFollowInsertedRowsAndWidenRanges) {
    SpanGrid grid;
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(2, FALSE);
    grid.Set(3, 2, "abcdefghijklm");
    grid.EvalAll();
    ASSERT_EQ(grid.Floated(3, 2), "3,2-3,4");
    CGECellRange range(3, 3, 3, 3);
    EXPECT_TRUE(grid.ExpandFloatedCellsRange(range));
    EXPECT_EQ(range, CGECellRange(3, 2, 3, 4));
    grid.InsertRows(2, 2, nullptr, nullptr, 0, GE_NOREDRAW);
    EXPECT_EQ(grid.Floated(5, 2), "5,2-5,4");
    EXPECT_EQ(grid.Floated(3, 2), "-");
}
