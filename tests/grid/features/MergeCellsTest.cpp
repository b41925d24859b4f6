// Merged cells: runs of equal neighbours along rows and down columns, split and joined as values change;
// what may merge (equal styles, values only with kind 4, no empty or covered cells, headers too), the
// directions a mode switches off, hidden columns looked through in delayed mode, and refused modes.
#include "SpanTestSupport.h"

#include "grid/core/CGEFont.h"

using spantest::SpanGrid;

namespace {

class MergeCells : public ::testing::TestWithParam<WORD> {};

} // namespace

TEST_P(MergeCells, EqualNeighboursFormOneRunThatSplitsWhenTheMiddleChanges) {
    SpanGrid grid;
    grid.MergeEverywhere(1);
    grid.SetMergeCellsMode(GetParam(), FALSE);
    for (ROWCOL c : {2u, 3u, 4u})
        grid.Set(2, c, "A");
    EXPECT_TRUE(grid.EvalAll());
    EXPECT_EQ(grid.Merged(2, 3, 0), "2,2-2,4");
    grid.Set(2, 3, "B");
    EXPECT_TRUE(grid.EvalAll());
    EXPECT_EQ(grid.Merged(2, 2, 0), "-");
    EXPECT_EQ(grid.Merged(2, 3, 0), "-");
    EXPECT_EQ(grid.Merged(2, 4, 0), "-");
    grid.Set(2, 3, "A");
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(2, 4, 0), "2,2-2,4") << "joined again";
}

TEST_P(MergeCells, RunsDownAColumn) {
    SpanGrid grid;
    grid.MergeEverywhere(2);
    grid.SetMergeCellsMode(GetParam(), FALSE);
    for (ROWCOL r : {3u, 4u, 5u, 6u})
        grid.Set(r, 2, "Q");
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(5, 2, 1), "3,2-6,2");
    EXPECT_EQ(grid.Merged(5, 2, 0), "-") << "kind 2 merges only down the column";
    grid.Set(4, 2, "other");
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(3, 2, 1), "-");
    EXPECT_EQ(grid.Merged(6, 2, 1), "5,2-6,2");
}

INSTANTIATE_TEST_SUITE_P(DelayedAndImmediate, MergeCells, ::testing::Values(WORD{1}, WORD{2}));

TEST(MergeCellsRules, StylesMustBeEqualUnlessOnlyValuesAreCompared) {
    SpanGrid grid;
    grid.MergeEverywhere(1);
    grid.SetMergeCellsMode(2, FALSE);
    grid.Set(2, 2, "same");
    grid.Set(2, 3, "same");
    CGEStyle bold;
    bold.SetFont(CGEFont().SetBold(TRUE));
    grid.SetStyleRange(CGECellRange(2, 3, 2, 3), &bold, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(2, 2, 0), "-") << "different fonts";
    CGEStyle valuesOnly;
    valuesOnly.SetMergeCell(5);
    grid.SetStyleRange(CGECellRange(2, 2, 2, 3), &valuesOnly, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(2, 2, 0), "2,2-2,3") << "kind 4 compares the values only";
}

TEST(MergeCellsRules, EmptyAndCoveredCellsNeverMergeAndHeadersDo) {
    SpanGrid grid;
    grid.MergeEverywhere(3);
    grid.SetMergeCellsMode(2, FALSE);
    grid.SetFrozenRows(1, 1, GE_NOREDRAW);
    // Header cells compose from the header style, so the header row is given the merge attribute itself.
    CGEStyle headerMerge;
    headerMerge.SetMergeCell(3).SetValue("H");
    grid.SetStyleRange(CGECellRange(1, 2, 1, 3), &headerMerge, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.Set(5, 2, "c");
    grid.Set(5, 3, "c");
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(5, 3, 6, 3, GE_NOREDRAW));
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(1, 2, 0), "1,2-1,3") << "a header row takes part";
    EXPECT_EQ(grid.Merged(8, 2), "-") << "empty cells";
    EXPECT_EQ(grid.Merged(5, 2), "-") << "a covered neighbour";
}

TEST(MergeCellsRules, ModeValuesSwitchDirectionsOff) {
    for (WORD wMode : {WORD{2 | 8}, WORD{2 | 4}}) {
        SpanGrid grid;
        grid.MergeEverywhere(3);
        grid.SetMergeCellsMode(wMode, FALSE);
        grid.Set(2, 2, "A");
        grid.Set(2, 3, "A");
        grid.Set(3, 2, "A");
        grid.EvalAll();
        EXPECT_EQ(grid.Merged(2, 2, 0), wMode & 8 ? "-" : "2,2-2,3") << wMode;
        EXPECT_EQ(grid.Merged(2, 2, 1), wMode & 4 ? "-" : "2,2-3,2") << wMode;
    }
}

TEST(MergeCellsRules, DelayedModeMergesAcrossAHiddenColumn) {
    SpanGrid grid;
    grid.MergeEverywhere(1);
    grid.SetMergeCellsMode(1, FALSE);
    grid.Set(2, 2, "A");
    grid.Set(2, 3, "hidden");
    grid.Set(2, 4, "A");
    ASSERT_TRUE(grid.HideCols(3, 3, TRUE, nullptr, GE_NOREDRAW));
    grid.EvalAll();
    EXPECT_EQ(grid.Merged(2, 4, 0), "2,2-2,4");
}

TEST(MergeCellsRules, UnknownModesAreRefused) {
    SpanGrid grid;
    grid.MergeEverywhere(1);
    grid.SetMergeCellsMode(2, FALSE);
    grid.Set(2, 2, "A");
    grid.Set(2, 3, "A");
    grid.EvalAll();
    for (WORD wMode : {WORD{3}, WORD{7}, WORD{0x10}, WORD{0xFFFF}}) {
        grid.SetMergeCellsMode(wMode, FALSE);
        EXPECT_EQ(grid.GetMergeCellsMode(), 2) << wMode;
    }
    EXPECT_EQ(grid.Merged(2, 2, 0), "2,2-2,3");
}
