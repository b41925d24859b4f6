// User selection of ranges. The mouse state machine with scripted hits (the feature's operations called
// as the engine calls them) and with real mouse and key messages in a grid window: the corner cell, row
// and column headers, drags, Ctrl and Shift clicks, cancel; deselecting cuts ranges into pieces; the
// keyboard extends from an anchor; row-selection modes; refused changes leave the selection alone.
#include "FeatureTestSupport.h"

#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"
#include "grid/core/CGEGridWnd.h"

using gridtest::GridHost;
using gridtest::TestGrid;

namespace {

// Which cells of rows 1..nRows, columns 1..nCols are selected, one text line per row ("x" selected).
std::string Picture(CGEGridCore& grid, ROWCOL nRows, ROWCOL nCols) {
    std::string s;
    for (ROWCOL r = 1; r <= nRows; ++r) {
        for (ROWCOL c = 1; c <= nCols; ++c)
            s.push_back(grid.IsCellSelected(r, c) ? 'x' : '.');
        s.push_back('\n');
    }
    return s;
}

// The engine's part of a mouse selection, with the hits given by the test: button down on (row, col),
// moves over the cells given, button up.
class ScriptedMouse {
public:
    explicit ScriptedMouse(TestGrid& grid) : m_grid(grid) {}

    void Down(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 0) {
        const ROWCOL nHeaders = m_grid.GetHeaderRows();
        int nHit = nRow > nHeaders && nCol > m_grid.GetHeaderCols() ? GE_HT_CELL : GE_HT_HEADER;
        CPoint point;
        m_nFlags = nFlags;
        m_grid.m_nPressedRow = nRow;
        m_grid.m_nPressedCol = nCol;
        m_grid.m_wButtonMode = static_cast<WORD>(1 | ((nFlags & MK_CONTROL) != 0 ? 128 : 0));
        Imp()->OnLButtonDown(&m_grid, point, m_nFlags, nHit, nRow, nCol);
        if (nHit == GE_HT_CELL && !m_grid.IsCellSelected(nRow, nCol))
            m_grid.SetCurrentCell(nRow, nCol);
    }
    void Move(ROWCOL nRow, ROWCOL nCol) {
        CPoint point;
        Imp()->OnMouseMove(&m_grid, point, m_nFlags, nRow, nCol);
        m_grid.m_nLastSelRow = nRow;
        m_grid.m_nLastSelCol = nCol;
    }
    void Up() {
        CPoint point;
        Imp()->OnLButtonUp(&m_grid, point, m_nFlags);
        m_grid.OnCellClick(m_grid.m_nPressedRow, m_grid.m_nPressedCol, m_nFlags, point);
        m_grid.m_wButtonMode = 0;
    }
    void Click(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 0) {
        Down(nRow, nCol, nFlags);
        Up();
    }

private:
    CGEAbstractGridUserSelectRangeImp* Imp() { return m_grid.m_pUserSelectRangeImp; }

    TestGrid& m_grid;
    UINT m_nFlags = 0;
};

// A grid whose selection changes can be refused, counting the notifications.
class GuardedGrid : public TestGrid {
public:
    GuardedGrid() : TestGrid(6, 4) {}
    BOOL CanChangeSelection(CGECellRange* pRange, BOOL bClearAll, BOOL bKey) override {
        return allow && TestGrid::CanChangeSelection(pRange, bClearAll, bKey);
    }
    void OnChangedSelection(const CGECellRange*, BOOL, BOOL) override { ++changes; }
    BOOL allow = TRUE;
    int changes = 0;
};

} // namespace

TEST(SelectRange, TheCornerCellSelectsThenDeselectsTheTable) {
    TestGrid grid(4, 3);
    ScriptedMouse mouse(grid);
    mouse.Click(0, 0);
    EXPECT_EQ(Picture(grid, 4, 3), "xxx\nxxx\nxxx\nxxx\n");
    EXPECT_TRUE(grid.IsCellSelected(0, 2)) << "the table includes the headers";
    mouse.Click(0, 0);
    EXPECT_EQ(Picture(grid, 4, 3), "...\n...\n...\n...\n");
    EXPECT_TRUE(grid.GetParam()->m_SelectedRanges.IsEmpty());
}

TEST(SelectRange, APlainClickSelectsNothingAndCtrlClicksAddCells) {
    TestGrid grid(4, 3);
    ScriptedMouse mouse(grid);
    mouse.Click(2, 2);
    EXPECT_TRUE(grid.IsCurrentCell(2, 2));
    EXPECT_TRUE(grid.GetParam()->m_SelectedRanges.IsEmpty()) << "only the current cell shows";
    mouse.Click(4, 3, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 4, 3), "...\n.x.\n...\n..x\n") << "the cell the user was on and the clicked one";
    mouse.Click(1, 1, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 4, 3), "x..\n.x.\n...\n..x\n");
    mouse.Click(3, 1);
    EXPECT_EQ(Picture(grid, 4, 3), "...\n...\n...\n...\n") << "a plain click clears";
}

TEST(SelectRange, DraggingSelectsABlockAndShiftExtendsIt) {
    TestGrid grid(6, 4);
    ScriptedMouse mouse(grid);
    mouse.Down(2, 2);
    mouse.Move(3, 3);
    mouse.Move(4, 3);
    mouse.Up();
    EXPECT_EQ(Picture(grid, 6, 4), "....\n.xx.\n.xx.\n.xx.\n....\n....\n");
    mouse.Click(5, 4, MK_SHIFT);
    EXPECT_EQ(Picture(grid, 6, 4), "....\n.xxx\n.xxx\n.xxx\n.xxx\n....\n") << "from the anchor to the click";
    EXPECT_EQ(grid.GetParam()->m_SelectedRanges.GetCount(), 1);
}

TEST(SelectRange, ShiftClickWithoutASelectionExtendsFromTheCurrentCell) {
    TestGrid grid(6, 4);
    grid.SetCurrentCell(2, 1);
    ScriptedMouse mouse(grid);
    mouse.Click(3, 3, MK_SHIFT);
    EXPECT_EQ(Picture(grid, 4, 4), "....\nxxx.\nxxx.\n....\n");
    mouse.Click(5, 0, MK_SHIFT);
    EXPECT_EQ(Picture(grid, 6, 4), "....\nxxxx\nxxxx\nxxxx\nxxxx\n....\n") << "a row header extends by rows";
}

TEST(SelectRange, HeadersSelectWholeLinesAndCtrlOnASelectedHeaderDeselects) {
    TestGrid grid(5, 3);
    ScriptedMouse mouse(grid);
    mouse.Click(2, 0);
    mouse.Click(4, 0, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 5, 3), "...\nxxx\n...\nxxx\n...\n");
    mouse.Click(2, 0, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 5, 3), "...\n...\n...\nxxx\n...\n");
    mouse.Click(0, 2);
    EXPECT_EQ(Picture(grid, 5, 3), ".x.\n.x.\n.x.\n.x.\n.x.\n");
    mouse.Down(0, 1);
    mouse.Move(1, 3);
    mouse.Up();
    EXPECT_EQ(Picture(grid, 2, 3), "xxx\nxxx\n") << "dragging over column headers selects columns";
}

TEST(SelectRange, WithTheApplicationsFlagsAColumnHeaderSelectsNothing) {
    TestGrid grid(3, 3);
    grid.GetParam()->SetSelectionFlags(253);
    ScriptedMouse mouse(grid);
    mouse.Click(0, 2);
    EXPECT_TRUE(grid.GetParam()->m_SelectedRanges.IsEmpty());
    mouse.Click(2, 0);
    EXPECT_EQ(Picture(grid, 3, 3), "...\nxxx\n...\n");
}

TEST(SelectRange, DeselectingARowCutsTheBlocksIntoPieces) {
    TestGrid grid(8, 6);
    grid.SelectRange(CGECellRange(2, 2, 6, 4));
    grid.SelectRange(CGECellRange().SetCols(6, 6));
    grid.SelectRange(CGECellRange().SetRows(4, 4), FALSE);
    EXPECT_EQ(Picture(grid, 8, 6), ".....x\n"
                                   ".xxx.x\n"
                                   ".xxx.x\n"
                                   "......\n"
                                   ".xxx.x\n"
                                   ".xxx.x\n"
                                   ".....x\n"
                                   ".....x\n");
    grid.SelectRange(CGECellRange().SetTable());
    grid.SelectRange(CGECellRange().SetCols(2, 3), FALSE);
    EXPECT_TRUE(grid.IsCellSelected(8, 1));
    EXPECT_FALSE(grid.IsCellSelected(8, 3));
    EXPECT_TRUE(grid.IsCellSelected(GE_INVALID, 4)) << "the piece right of the columns stays whole columns";
}

TEST(SelectRange, ShiftWithTheCursorKeysExtendsFromTheAnchor) {
    TestGrid grid(6, 5);
    grid.SetCurrentCell(2, 2);
    grid.shift = TRUE;
    EXPECT_TRUE(grid.MoveCurrentCellEx(GE_RIGHT, 2));
    EXPECT_TRUE(grid.MoveCurrentCellEx(GE_DOWN, 1));
    EXPECT_EQ(Picture(grid, 4, 5), ".....\n.xxx.\n.xxx.\n.....\n");
    EXPECT_TRUE(grid.IsCurrentCell(3, 4));
    grid.shift = FALSE;
    EXPECT_TRUE(grid.MoveCurrentCellEx(GE_DOWN, 1));
    EXPECT_EQ(grid.m_posActiveRange, nullptr) << "a move without Shift forgets the range";
    grid.shift = TRUE;
    EXPECT_TRUE(grid.MoveCurrentCellEx(GE_UP, 1));
    EXPECT_EQ(Picture(grid, 4, 5), ".....\n.....\n...x.\n...x.\n") << "a new anchor";
}

TEST(SelectRange, RowModesSelectWholeRows) {
    TestGrid grid(6, 3);
    grid.GetParam()->SetCurrentCellFlags(2);
    grid.SetCurrentCell(2, 2);
    grid.shift = TRUE;
    grid.MoveCurrentCellEx(GE_DOWN, 2);
    EXPECT_EQ(Picture(grid, 5, 3), "...\nxxx\nxxx\nxxx\n...\n") << "mode 2: Shift+Down extends rows";
    ScriptedMouse mouse(grid);
    mouse.Click(5, 2);
    EXPECT_EQ(Picture(grid, 5, 3), "...\n...\n...\n...\nxxx\n") << "a click selects its row";

    grid.GetParam()->SetCurrentCellFlags(1);
    grid.SetCurrentCell(2, 2);
    grid.MoveCurrentCellEx(GE_DOWN, 1);
    EXPECT_EQ(Picture(grid, 5, 3), "...\n...\nxxx\n...\n...\n") << "mode 1: only the current row";
    mouse.Click(5, 1, MK_SHIFT);
    EXPECT_EQ(Picture(grid, 5, 3), "...\n...\n...\n...\nxxx\n") << "mode 1: Shift has no effect";
}

TEST(SelectRange, ARefusedChangeLeavesTheSelection) {
    GuardedGrid grid;
    grid.SelectRange(CGECellRange(2, 2, 3, 3));
    EXPECT_EQ(grid.changes, 1);
    grid.allow = FALSE;
    ScriptedMouse mouse(reinterpret_cast<TestGrid&>(grid));
    mouse.Click(5, 1);
    EXPECT_TRUE(grid.IsCellSelected(3, 3)) << "the clear was refused";
    grid.shift = TRUE;
    grid.SetCurrentCell(1, 1);
    grid.MoveCurrentCellEx(GE_DOWN, 1);
    EXPECT_TRUE(grid.IsCellSelected(2, 2));
    EXPECT_FALSE(grid.IsCellSelected(1, 1));
}

// ---- in a window, driven by messages ----

namespace {

void Send(CGEGridWnd& grid, UINT message, UINT nFlags, CPoint point) {
    grid.SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}

CPoint CenterOf(CGEGridWnd& grid, ROWCOL nRow, ROWCOL nCol) {
    return grid.GetCellRect(nRow, nCol).CenterPoint();
}

void ClickAt(CGEGridWnd& grid, ROWCOL nRow, ROWCOL nCol, UINT nKeys = 0) {
    const CPoint point = CenterOf(grid, nRow, nCol);
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON | nKeys, point);
    Send(grid, WM_LBUTTONUP, nKeys, point);
}

} // namespace

TEST(SelectRangeWindow, RowsAreSelectedWithClickShiftClickAndCtrlClick) {
    gridtest::StartEngine();
    CGEGridWnd grid;
    GridHost host(grid);
    grid.SetRowCount(10, GE_NOREDRAW);
    grid.SetColCount(3, GE_NOREDRAW);
    grid.UpdateWindow();
    ClickAt(grid, 2, 0);
    ClickAt(grid, 4, 0, MK_SHIFT);
    ClickAt(grid, 7, 0, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 8, 3), "...\nxxx\nxxx\nxxx\n...\n...\nxxx\n...\n");
    ClickAt(grid, 3, 0, MK_CONTROL);
    EXPECT_EQ(Picture(grid, 8, 3), "...\nxxx\n...\nxxx\n...\n...\nxxx\n...\n") << "Ctrl on a selected row";
    EXPECT_EQ(::GetCapture(), nullptr);
    ClickAt(grid, 5, 2);
    EXPECT_TRUE(grid.GetParam()->m_SelectedRanges.IsEmpty()) << "a plain click on a cell clears";
    EXPECT_TRUE(grid.IsCurrentCell(5, 2));
}

TEST(SelectRangeWindow, ADragSelectsABlockAndCancelClearsIt) {
    gridtest::StartEngine();
    CGEGridWnd grid;
    GridHost host(grid);
    grid.SetRowCount(10, GE_NOREDRAW);
    grid.SetColCount(4, GE_NOREDRAW);
    grid.UpdateWindow();
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, CenterOf(grid, 2, 1));
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CenterOf(grid, 3, 2));
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CenterOf(grid, 4, 3));
    Send(grid, WM_LBUTTONUP, 0, CenterOf(grid, 4, 3));
    EXPECT_EQ(Picture(grid, 5, 4), "....\nxxx.\nxxx.\nxxx.\n....\n");
    EXPECT_TRUE(grid.IsCurrentCell(2, 1)) << "the cell where the drag began";
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, CenterOf(grid, 6, 1));
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CenterOf(grid, 8, 2));
    EXPECT_EQ(Picture(grid, 8, 4), "....\n....\n....\n....\n....\nxx..\nxx..\nxx..\n");
    grid.SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(grid.GetParam()->m_SelectedRanges.IsEmpty()) << "cancel clears the selection";
    EXPECT_EQ(::GetCapture(), nullptr);
}
