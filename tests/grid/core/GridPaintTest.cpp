// Painting into a memory DC: cells, headers, grid lines, the current cell's frame and the selection;
// buffered and direct painting give the same picture; nothing is drawn while updates are locked or the
// clip box is empty; a paint composes only the cells it shows.
#include "GridCoreTestSupport.h"

#include "grid/GridResource.h"
#include "grid/core/CGEProperties.h"

using gridtest::PixelCanvas;
using gridtest::TestGrid;

namespace {

// Columns 50 pixels wide (the row header 30), rows 20 pixels high, in a 200 x 100 area; counts the
// styles it composes.
class PaintGrid : public TestGrid {
public:
    explicit PaintGrid(ROWCOL nRows = 20) : TestGrid(nRows, 10, CRect(0, 0, 200, 100)) {
        GetParam()->SetDefaultRowHeight(20);
        GetParam()->SetDefaultColWidth(50);
        GetParam()->StoreColWidth(0, 30);
    }
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle, BOOL bApplyStandard) override {
        ++composed;
        TestGrid::ComposeStyleRowCol(nRow, nCol, pStyle, bApplyStandard);
    }
    int composed = 0;
};

} // namespace

TEST(GridPaint, CellsHeadersLinesAndTheCurrentCell) {
    PaintGrid grid;
    grid.PutValue(1, 1, "WWWW");
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    PixelCanvas canvas(200, 100);
    grid.OnGridDraw(canvas.DC());
    // Column 1 spans x 30..80, row 1 y 20..40; the grid line takes the last pixel of each.
    EXPECT_EQ(canvas.At(150, 30), ::GetSysColor(COLOR_WINDOW)) << "a body cell";
    EXPECT_EQ(canvas.At(35, 5), ::GetSysColor(COLOR_BTNFACE)) << "a column header";
    EXPECT_EQ(canvas.At(79, 30), grid.GetProperties()->GetColorValue(CGEProperties::colorGridLines));
    EXPECT_EQ(canvas.At(60, 39), grid.GetProperties()->GetColorValue(CGEProperties::colorGridLines));
    EXPECT_GT(canvas.DarkPixels(CRect(31, 21, 78, 38)), 10) << "the value's text";
    EXPECT_EQ(canvas.DarkPixels(CRect(31, 61, 78, 78)), 0) << "an empty cell";
    // The current cell's control draws the frame in the grid's look: inverted, one pixel wide by default,
    // a black border of two pixels for "Thick Border.".
    EXPECT_EQ(canvas.At(80, 40), RGB(0, 0, 0)) << "the current cell's frame at the top left of (2, 2)";
    EXPECT_EQ(canvas.At(81, 41), ::GetSysColor(COLOR_WINDOW));
    grid.GetProperties()->SetUserProperty(GE_IDS_PROP_CURRENTCELL, "Thick Border.");
    grid.OnGridDraw(canvas.DC());
    EXPECT_EQ(canvas.At(80, 40), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(81, 41), RGB(0, 0, 0));
}

TEST(GridPaint, BufferedAndDirectGiveTheSamePicture) {
    PaintGrid grid;
    grid.PutValue(1, 1, "one");
    grid.PutValue(3, 2, "two");
    grid.SetFrozenRows(1, 0, GE_NOREDRAW);
    grid.SetTopRow(3, GE_NOREDRAW);
    PixelCanvas buffered(200, 100), direct(200, 100);
    grid.SetDrawMode(1);
    grid.OnGridDraw(buffered.DC());
    grid.SetDrawMode(0);
    grid.OnGridDraw(direct.DC());
    EXPECT_TRUE(buffered.SameAs(direct));
    EXPECT_GT(buffered.DarkPixels(CRect(81, 41, 128, 58)), 5) << "row 3 shows under the frozen row";
}

TEST(GridPaint, NothingIsDrawnWhileLockedOrWithAnEmptyClipBox) {
    PaintGrid grid;
    const COLORREF sentinel = RGB(255, 0, 255);
    {
        PixelCanvas canvas(200, 100, sentinel);
        grid.LockUpdate(TRUE);
        grid.OnGridDraw(canvas.DC());
        EXPECT_EQ(canvas.At(60, 30), sentinel);
        grid.LockUpdate(FALSE);
        grid.OnGridDraw(canvas.DC());
        EXPECT_EQ(canvas.At(60, 30), ::GetSysColor(COLOR_WINDOW));
    }
    {
        PixelCanvas canvas(200, 100, sentinel);
        canvas.DC()->IntersectClipRect(10, 10, 10, 50);
        grid.OnGridDraw(canvas.DC());
        EXPECT_EQ(canvas.At(10, 20), sentinel);
        EXPECT_EQ(canvas.At(60, 30), sentinel);
    }
    {
        PixelCanvas canvas(200, 100, sentinel);
        grid.GetParam()->m_bNoDrawing = TRUE;
        grid.OnGridDraw(canvas.DC());
        EXPECT_EQ(canvas.At(60, 30), sentinel);
    }
}

TEST(GridPaint, SelectedCellsAreInverted) {
    PaintGrid grid;
    grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(1, 1, 1, 1));
    PixelCanvas canvas(200, 100);
    grid.OnGridDraw(canvas.DC());
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(canvas.At(60, 30),
              RGB(255 - GetRValue(window), 255 - GetGValue(window), 255 - GetBValue(window)));
    EXPECT_EQ(canvas.At(110, 30), window);
}

TEST(GridPaint, APaintComposesOnlyTheCellsItShows) {
    PaintGrid small(1000), large(1000000);
    large.SetTopRow(500000, GE_NOREDRAW);
    PixelCanvas a(200, 100), b(200, 100);
    small.OnGridDraw(a.DC());
    large.OnGridDraw(b.DC());
    EXPECT_EQ(small.composed, large.composed);
    EXPECT_LE(large.composed, 6 * 5 * 2) << "5 rows by 4 columns and their headers, about";
}
