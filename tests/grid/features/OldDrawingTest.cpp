// The alternative drawing path: it declines unless the grid asks for it, paints the same picture as the
// regular path (cells, interiors, lines, selection, current cell, the area beyond), clips each row to its
// band unless that is switched off, and its background pass fills blocks of equal interiors at once.
#include "FeatureTestSupport.h"

#include "grid/core/CGEAbstractGridOldDrawingImp.h"
#include "grid/core/CGEPaintTable.h"
#include "grid/core/CGEProperties.h"

#include <vector>

using gridtest::PixelCanvas;
using gridtest::TestGrid;

namespace {

// A grid that records the rectangles filled by brush and can make one cell paint past its bottom edge.
class DrawingGrid : public TestGrid {
public:
    DrawingGrid() : TestGrid(8, 5, CRect(0, 0, 400, 250)) {}
    // Pixel positions from the default sizes (every row and column has them here).
    int X(ROWCOL nCol) { return GetColWidth(0) + static_cast<int>(nCol - 1) * GetColWidth(1); }
    int Y(ROWCOL nRow) { return GetRowHeight(0) + static_cast<int>(nRow - 1) * GetRowHeight(1); }
    void DrawBrushRect(CDC* pDC, const CRect& rect, const CGEStyleBrush& brush) override {
        fills.push_back(rect);
        TestGrid::DrawBrushRect(pDC, rect, brush);
    }
    void DrawItem(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGEStyle& style) override {
        TestGrid::DrawItem(pDC, nRow, nCol, rect, style);
        if (nRow == overflowRow && nCol == overflowCol)
            pDC->FillSolidRect(rect.left + 5, rect.bottom, 10, 8, RGB(255, 0, 0));
    }
    void Build(CGEPaintTable& table) { BuildPaintTable(table, GetGridArea()); }
    void Free(CGEPaintTable& table) { FreePaintTable(table); }
    CGEAbstractGridOldDrawingImp* Imp() { return m_pOldDrawingImp; }
    void SetInteriorRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, COLORREF clr) {
        CGEStyle style;
        style.SetInterior(clr);
        SetStyleRange(CGECellRange(nTop, nLeft, nBottom, nRight), &style, geOverride, 0, nullptr,
                      GE_NOREDRAW);
    }

    std::vector<CRect> fills;
    ROWCOL overflowRow = 0, overflowCol = 0;
};

// Values, interiors, a selection and a current cell: everything a paint shows.
void Decorate(DrawingGrid& grid) {
    for (ROWCOL r = 1; r <= 8; ++r)
        for (ROWCOL c = 1; c <= 5; ++c)
            grid.PutValue(r, c, "x");
    grid.SetInteriorRange(2, 2, 4, 3, RGB(0, 128, 255));
    grid.SelectRange(CGECellRange(5, 1, 6, 2), TRUE, FALSE);
    grid.SetCurrentCell(3, 4, GE_NOREDRAW);
}

} // namespace

TEST(OldDrawing, DeclinesWithoutTheFlagAndTheRegularPathPaints) {
    DrawingGrid grid;
    Decorate(grid);
    ASSERT_NE(grid.Imp(), nullptr);
    PixelCanvas untouched(400, 250), canvas(400, 250);
    CGEPaintTable table;
    grid.Build(table);
    EXPECT_FALSE(grid.Imp()->DrawCellsOld(&grid, canvas.DC(), table));
    grid.Free(table);
    EXPECT_TRUE(canvas.SameAs(untouched)) << "nothing drawn when it declines";
    grid.OnGridDraw(canvas.DC());
    EXPECT_EQ(canvas.At(grid.X(2) + 5, grid.Y(3) + 5), RGB(0, 128, 255))
        << "the regular path painted the interior";
    EXPECT_FALSE(grid.m_bOldDrawingUnderWay);
}

TEST(OldDrawing, PaintsTheSamePictureAsTheRegularPath) {
    for (COLORREF fill : {RGB(255, 0, 255), RGB(0, 0, 0)}) {
        DrawingGrid regular, old;
        Decorate(regular);
        Decorate(old);
        old.GetParam()->m_bOldDrawing = TRUE;
        PixelCanvas a(400, 250, fill), b(400, 250, fill);
        regular.OnGridDraw(a.DC());
        old.OnGridDraw(b.DC());
        EXPECT_TRUE(a.SameAs(b)) << "canvas filled with " << fill;
        EXPECT_FALSE(old.m_bOldDrawingUnderWay) << "the flag of a paint under way is cleared after it";
    }
}

TEST(OldDrawing, EachRowIsClippedToItsBandUnlessThatIsSwitchedOff) {
    // The last row (8) paints 8 pixels below its bottom edge, into the area beyond the grid.
    for (BOOL bClip : {TRUE, FALSE}) {
        DrawingGrid grid;
        grid.GetParam()->m_bOldDrawing = TRUE;
        grid.overflowRow = 8;
        grid.overflowCol = 1;
        const BOOL bWas = GEGetLibraryState()->m_bClipRowsWhenDrawing;
        GEGetLibraryState()->m_bClipRowsWhenDrawing = bClip;
        PixelCanvas canvas(400, 250);
        grid.OnGridDraw(canvas.DC());
        GEGetLibraryState()->m_bClipRowsWhenDrawing = bWas;
        const COLORREF below = canvas.At(grid.X(1) + 8, grid.Y(9) + 4);
        if (bClip)
            EXPECT_EQ(below, grid.GetProperties()->GetColorValue(CGEProperties::colorBackground));
        else
            EXPECT_EQ(below, RGB(255, 0, 0));
    }
}

TEST(OldDrawing, TheBackgroundPassFillsABlockOfEqualInteriorsOnce) {
    DrawingGrid grid;
    grid.SetInteriorRange(2, 1, 4, 4, RGB(0, 200, 0)); // 3 rows x 4 columns
    grid.SetInteriorRange(5, 5, 5, 5, RGB(200, 0, 0));
    CGEPaintTable table;
    grid.Build(table);
    PixelCanvas canvas(400, 250);
    grid.fills.clear();
    grid.Imp()->DrawBackgrounds(&grid, canvas.DC(), table);
    const CRect block(grid.X(1), grid.Y(2), grid.X(5) - 1, grid.Y(5) - 1);
    int nBlock = 0, nInsideBlock = 0;
    for (const CRect& r : grid.fills) {
        nBlock += r == block;
        CRect common;
        nInsideBlock += common.IntersectRect(r, block) && r != block;
    }
    EXPECT_EQ(nBlock, 1) << "one brush operation for the whole block";
    EXPECT_EQ(nInsideBlock, 0) << "no other fill reaches into the block";
    EXPECT_EQ(canvas.At(grid.X(4) + 5, grid.Y(4) + 5), RGB(0, 200, 0)) << "the block's last cell";
    EXPECT_EQ(canvas.At(grid.X(2) - 1, grid.Y(3) - 1), RGB(0, 200, 0))
        << "inner grid lines are filled too; the lines come later";
    EXPECT_EQ(canvas.At(grid.X(5) + 5, grid.Y(5) + 5), RGB(200, 0, 0))
        << "a different interior is its own fill";
    for (int i = 0; i < table.RowCount(); ++i)
        for (int j = 0; j < table.ColCount(); ++j)
            EXPECT_EQ(table.FlagsAt(i, j) & CGEPaintTable::flagBackground, 0) << i << "," << j;
    grid.Free(table);
}

TEST(OldDrawing, TheBackgroundPassLeavesSpansAndDoesNothingOnTheAlternativePath) {
    DrawingGrid grid;
    grid.SetInteriorRange(1, 1, 2, 3, RGB(0, 200, 0));
    CGEPaintTable table;
    grid.Build(table);
    // Row 1 is table row 1 (row 0 is the header), column 2 table column 2: a span part breaks the row.
    table.FlagsAt(1, 2) |= CGEPaintTable::flagSpanPart;
    PixelCanvas canvas(400, 250);
    grid.GetParam()->m_bOldDrawing = TRUE;
    grid.Imp()->DrawBackgrounds(&grid, canvas.DC(), table);
    EXPECT_TRUE(grid.fills.empty()) << "the alternative path draws each cell's own interior";
    grid.GetParam()->m_bOldDrawing = FALSE;
    grid.Imp()->DrawBackgrounds(&grid, canvas.DC(), table);
    EXPECT_NE(table.FlagsAt(1, 2) & CGEPaintTable::flagBackground, 0) << "the span part keeps its mark";
    EXPECT_EQ(canvas.At(grid.X(2) + 5, grid.Y(1) + 5), RGB(255, 0, 255))
        << "nothing filled over the span part";
    EXPECT_EQ(canvas.At(grid.X(1) + 5, grid.Y(1) + 5), RGB(0, 200, 0));
    EXPECT_EQ(canvas.At(grid.X(2) + 5, grid.Y(2) + 5), RGB(0, 200, 0))
        << "the row below is filled on its own";
    grid.Free(table);
}
