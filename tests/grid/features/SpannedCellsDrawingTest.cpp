// Drawing spans as one cell: no grid line inside a covered block, a block whose origin is scrolled out of
// view drawn from its origin's style, an edited cell inside a merged run shown as itself, and floats
// settled for the visible area before a paint.
#include "SpanTestSupport.h"

#include "grid/core/CGEPaintTable.h"
#include "grid/core/CGEProperties.h"
#include "grid/features/CGEDrawSpannedCellsImp.h"

using gridtest::PixelCanvas;
using spantest::SpanGrid;

namespace {

// The grid-line colour of a grid.
COLORREF LineColour(SpanGrid& grid) {
    return grid.GetProperties()->GetColorValue(CGEProperties::colorGridLines);
}

} // namespace

TEST(SpannedCellsDrawing, ACoveredBlockHasNoGridLinesInsideAndItsOriginsInterior) {
    SpanGrid grid(20, 10, CRect(0, 0, 300, 200));
    CGEStyle red;
    red.SetInterior(RGB(255, 0, 0));
    grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &red, geOverride, 0, nullptr, GE_NOREDRAW);
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 3, 3, GE_NOREDRAW));
    PixelCanvas canvas(300, 200);
    grid.OnGridDraw(canvas.DC());
    // Column 2 spans x 80..130, row 2 y 40..60: the block (2, 2)-(3, 3) is x 80..180, y 40..80.
    EXPECT_EQ(canvas.At(129, 50), RGB(255, 0, 0)) << "no vertical line inside the block";
    EXPECT_EQ(canvas.At(100, 59), RGB(255, 0, 0)) << "no horizontal line inside the block";
    EXPECT_EQ(canvas.At(160, 70), RGB(255, 0, 0)) << "the whole block in the origin's interior";
    EXPECT_EQ(canvas.At(179, 70), LineColour(grid)) << "the block's right edge keeps its line";
    EXPECT_EQ(canvas.At(229, 50), LineColour(grid)) << "lines outside the block";
}

TEST(SpannedCellsDrawing, ABlockWhoseOriginIsScrolledOutShowsItsOriginsStyle) {
    SpanGrid grid(40, 10, CRect(0, 0, 300, 200));
    CGEStyle green;
    green.SetInterior(RGB(0, 255, 0));
    grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &green, geOverride, 0, nullptr, GE_NOREDRAW);
    ASSERT_TRUE(grid.SetCoveredCellsRowCol(2, 2, 6, 2, GE_NOREDRAW));
    grid.SetTopRow(4, GE_NOREDRAW);
    PixelCanvas canvas(300, 200);
    grid.OnGridDraw(canvas.DC());
    // Rows 4..6 show at y 20..80 below the header row; column 2 at x 80..130.
    EXPECT_EQ(canvas.At(100, 30), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(100, 70), RGB(0, 255, 0));
    EXPECT_NE(canvas.At(100, 90), RGB(0, 255, 0)) << "row 7 lies below the block";
}

TEST(SpannedCellsDrawing, AnEditedCellInsideAMergedRunShowsAsItselfUnlessItIsTheOrigin) {
    SpanGrid grid;
    grid.MergeEverywhere(1);
    grid.SetMergeCellsMode(2, FALSE);
    for (ROWCOL c : {2u, 3u, 4u})
        grid.Set(2, c, "A");
    grid.EvalAll();
    gridtest::RecordingControl editing(&grid);
    CGEPaintTable table;
    table.pActiveControl = &editing;
    ASSERT_TRUE(grid.SetCurrentCell(2, 3, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    CGECellRange span;
    EXPECT_FALSE(CGEDrawSpannedCellsImp::FindDrawnSpan(&grid, table, 2, 3, span)) << "edited: its own cell";
    EXPECT_TRUE(CGEDrawSpannedCellsImp::FindDrawnSpan(&grid, table, 2, 4, span));
    EXPECT_EQ(span, CGECellRange(2, 2, 2, 4));
    ASSERT_TRUE(grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_TRUE(CGEDrawSpannedCellsImp::FindDrawnSpan(&grid, table, 2, 2, span))
        << "the origin keeps the run";
    table.pActiveControl = nullptr;
    ASSERT_TRUE(grid.SetCurrentCell(2, 3, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    EXPECT_TRUE(CGEDrawSpannedCellsImp::FindDrawnSpan(&grid, table, 2, 3, span)) << "editing ended";
}

TEST(SpannedCellsDrawing, APaintSettlesTheFloatsOfWhatItShows) {
    SpanGrid grid(20, 10, CRect(0, 0, 300, 200));
    grid.FloatEverywhere();
    grid.SetFloatCellsMode(1, FALSE);
    grid.Set(2, 2, "abcdefghijklm");
    EXPECT_EQ(grid.Floated(2, 2), "-") << "pending until it shows";
    PixelCanvas canvas(300, 200);
    grid.OnGridDraw(canvas.DC());
    EXPECT_EQ(grid.Floated(2, 2), "2,2-2,4");
    EXPECT_NE(canvas.At(129, 50), LineColour(grid)) << "no line where the text runs on";
}
