// User resizing of rows and columns, driven by real mouse messages in a grid window: dragging a border
// wider and narrower, to nothing (hidden) and back, short drags, the limits of the moving line, the
// default size through the selected table, cancel during a live drag, the sizing flags, and double
// clicks that give back the default size or show hidden lines.
#include "FeatureTestSupport.h"

#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEGridWnd.h"

using gridtest::GridHost;

namespace {

void Send(CGEGridWnd& grid, UINT message, UINT nFlags, CPoint point) {
    grid.SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}

// A point on the right border of a column's header cell (in row 0).
CPoint ColBorder(CGEGridWnd& grid, ROWCOL nCol) {
    const CRect rect = grid.GetCellRect(0, nCol);
    return CPoint(rect.right - 1, rect.CenterPoint().y);
}

CPoint RowBorder(CGEGridWnd& grid, ROWCOL nRow) {
    const CRect rect = grid.GetCellRect(nRow, 0);
    return CPoint(rect.CenterPoint().x, rect.bottom - 1);
}

// Presses at from, moves by (dx, dy) in two steps and releases there.
void Drag(CGEGridWnd& grid, CPoint from, int dx, int dy) {
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, from);
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CPoint(from.x + dx / 2, from.y + dy / 2));
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CPoint(from.x + dx, from.y + dy));
    Send(grid, WM_LBUTTONUP, 0, CPoint(from.x + dx, from.y + dy));
}

INT_PTR UndoSteps(CGEGridWnd& grid) {
    return grid.GetParam()->m_UndoList.GetCount();
}

struct ResizeFixture : gridtest::EngineStarted {
    ResizeFixture() : host(grid, 500, 300) {
        grid.SetRowCount(20, GE_NOREDRAW);
        grid.SetColCount(6, GE_NOREDRAW);
        grid.UpdateWindow();
    }
    CGEGridWnd grid;
    GridHost host;
};

} // namespace

TEST(UserResize, DraggingAColumnBorderSetsItsWidthAsOneUndoStep) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    const int nDefault = grid.GetColWidth(3);
    const INT_PTR nSteps = UndoSteps(grid);
    Drag(grid, ColBorder(grid, 2), 30, 0);
    EXPECT_EQ(grid.GetColWidth(2), nDefault + 30);
    EXPECT_EQ(grid.GetColWidth(3), nDefault) << "only the dragged column";
    EXPECT_EQ(UndoSteps(grid), nSteps + 1);
    EXPECT_FALSE(grid.IsTrackingResize());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(grid.m_pDragLineWnd, nullptr) << "the line window lives only during a drag";
    grid.Undo();
    EXPECT_EQ(grid.GetColWidth(2), nDefault);

    Drag(grid, RowBorder(grid, 4), 0, -6);
    EXPECT_EQ(grid.GetRowHeight(4), grid.GetRowHeight(5) - 6);
}

TEST(UserResize, AShortDragOrAClickChangesNothing) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    const int nWidth = grid.GetColWidth(2);
    const INT_PTR nSteps = UndoSteps(grid);
    Drag(grid, ColBorder(grid, 2), 1, 0);
    Drag(grid, ColBorder(grid, 2), 0, 0);
    const CPoint point = ColBorder(grid, 2);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
    Send(grid, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(grid.GetColWidth(2), nWidth);
    EXPECT_FALSE(grid.GetParam()->HasStoredColWidth(2));
    EXPECT_EQ(UndoSteps(grid), nSteps);
}

TEST(UserResize, DraggingToTheEdgeHidesAndTheHiddenZoneShowsAgain) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    const int nWidth = grid.GetColWidth(2);
    Drag(grid, ColBorder(grid, 2), -nWidth - 10, 0);
    EXPECT_TRUE(grid.IsColHidden(2));
    EXPECT_EQ(grid.GetColWidth(2), 0);

    // The zone 3 pixels right of the hidden column's place grabs the hidden column.
    const CRect rect = grid.GetCellRect(0, 3);
    const CPoint zone(rect.left + 3, rect.CenterPoint().y);
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_EQ(grid.HitTest(zone, &nRow, &nCol), GE_HT_HIDDENCOL);
    ASSERT_EQ(nCol, 2u);
    Drag(grid, zone, 37, 0);
    EXPECT_FALSE(grid.IsColHidden(2));
    EXPECT_NEAR(grid.GetColWidth(2), 40, 1);

    // With a minimum width the column keeps the minimum instead of hiding.
    grid.GetParam()->m_nMinColWidth = 10;
    Drag(grid, ColBorder(grid, 4), -200, 0);
    EXPECT_FALSE(grid.IsColHidden(4));
    EXPECT_EQ(grid.GetColWidth(4), 10);
}

TEST(UserResize, TheLineStopsSixPixelsBeforeTheEdgeAndTheSizeFollowsIt) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    const CRect area = grid.GetGridArea();
    const CRect header = grid.GetCellRect(0, 1);
    Drag(grid, ColBorder(grid, 1), 2000, 0);
    // The alternative look draws the tracked border one pixel left of the cell's edge.
    const int nShift = grid.GetParam()->m_bAlternateLook ? 1 : 0;
    EXPECT_EQ(header.left + grid.GetColWidth(1), area.right - 7 + nShift);
}

TEST(UserResize, WithTheTableSelectedAColumnSetsTheDefaultWidth) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange().SetTable());
    const int nDefault = grid.GetColWidth(1);
    Drag(grid, ColBorder(grid, 1), 20, 0);
    EXPECT_EQ(grid.GetParam()->GetDefaultColWidth(), nDefault + 20);
    EXPECT_EQ(grid.GetColWidth(5), nDefault + 20);
    grid.Undo();
    EXPECT_EQ(grid.GetColWidth(5), nDefault);
}

TEST(UserResize, SelectedColumnsResizeTogether) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange().SetCols(2, 3));
    grid.SelectRange(CGECellRange().SetCols(5, 5));
    const int nDefault = grid.GetColWidth(1);
    Drag(grid, ColBorder(grid, 3), 10, 0);
    EXPECT_EQ(grid.GetColWidth(2), nDefault + 10);
    EXPECT_EQ(grid.GetColWidth(3), nDefault + 10);
    EXPECT_EQ(grid.GetColWidth(4), nDefault);
    EXPECT_EQ(grid.GetColWidth(5), nDefault + 10);
}

TEST(UserResize, CancelDuringALiveDragRestoresTheSizeStateAndEntry) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    grid.GetParam()->SetColSizingFlags(2 + 256);
    const int nWidth = grid.GetColWidth(2);
    const CPoint from = ColBorder(grid, 2);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, from);
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CPoint(from.x + 25, from.y));
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 25) << "live: the width follows the mouse";
    EXPECT_EQ(grid.m_pDragLineWnd, nullptr) << "no line window while live";
    grid.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(grid.GetColWidth(2), nWidth);
    EXPECT_FALSE(grid.GetParam()->HasStoredColWidth(2)) << "no entry was stored before";
    EXPECT_FALSE(grid.IsTrackingResize());

    // A live drag that ends records one undo step with the final width.
    const INT_PTR nSteps = UndoSteps(grid);
    Drag(grid, ColBorder(grid, 2), 12, 0);
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 12);
    EXPECT_EQ(UndoSteps(grid), nSteps + 1);
    grid.Undo();
    EXPECT_EQ(grid.GetColWidth(2), nWidth);
}

TEST(UserResize, TheSizingFlagsDecideWhatCanBeGrabbed) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    grid.GetParam()->SetRowSizingFlags(0);
    grid.GetParam()->SetColSizingFlags(42);
    EXPECT_NE(grid.HitTest(RowBorder(grid, 3)), GE_HT_HORZLINE) << "row flags 0: no row border";
    const int nHeight = grid.GetRowHeight(3);
    Drag(grid, RowBorder(grid, 3), 0, 10);
    EXPECT_EQ(grid.GetRowHeight(3), nHeight);

    const int nHeaderWidth = grid.GetColWidth(0);
    Drag(grid, ColBorder(grid, 0), 15, 0);
    EXPECT_EQ(grid.GetColWidth(0), nHeaderWidth) << "flag 8: the header column stays";

    const CPoint from = ColBorder(grid, 2);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, from);
    EXPECT_TRUE(grid.IsTrackingResize());
    EXPECT_EQ(grid.m_pDragLineWnd, nullptr) << "flag 32: no line window";
    Send(grid, WM_LBUTTONUP, 0, from);

    grid.GetParam()->SetColSizingFlags(2);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, from);
    EXPECT_NE(grid.m_pDragLineWnd, nullptr) << "without flag 32 the line window shows";
    Send(grid, WM_LBUTTONUP, 0, from);
    EXPECT_EQ(grid.m_pDragLineWnd, nullptr);
}

TEST(UserResize, ADoubleClickGivesBackTheDefaultOrShowsTheHiddenRun) {
    ResizeFixture f;
    CGEGridWnd& grid = f.grid;
    const int nDefault = grid.GetColWidth(1);
    grid.SetColWidth(2, 2, nDefault + 40);
    const CPoint border = ColBorder(grid, 2);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, border);
    Send(grid, WM_LBUTTONUP, 0, border);
    Send(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, border);
    Send(grid, WM_LBUTTONUP, 0, border);
    EXPECT_EQ(grid.GetColWidth(2), nDefault);
    EXPECT_FALSE(grid.GetParam()->HasStoredColWidth(2));

    grid.HideCols(3, 4);
    const CPoint at = ColBorder(grid, 2);
    ROWCOL nRow = 0, nCol = 0;
    ASSERT_EQ(grid.HitTest(at, &nRow, &nCol), GE_HT_VERTLINE);
    Send(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    Send(grid, WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(grid.IsColHidden(3));
    EXPECT_FALSE(grid.IsColHidden(4));
}
