// Moving selected whole rows and columns by dragging their headers, driven by real mouse and key messages
// in a grid window: where blocks land (before the drop row, after the last row), drops that change
// nothing, the marker and the cursor, Escape and a release outside the grid, the options and the hooks
// that refuse, and the clicks that stay with the selection (Ctrl, the whole table).
#include "FeatureTestSupport.h"

#include "grid/GridResource.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEGridWnd.h"

#include <string>

using gridtest::GridHost;

namespace {

constexpr ROWCOL kRows = 10;
constexpr ROWCOL kCols = 6;

// A grid window whose modifier keys the test answers and whose move hook refuses targets before a
// given line.
class DragGrid : public CGEGridWnd {
public:
    BOOL IsKeyDown(int nVirtKey) const override {
        return (nVirtKey == VK_CONTROL && ctrl) || (nVirtKey == VK_SHIFT && shift);
    }
    BOOL OnSelDragRowsMove(ROWCOL, ROWCOL, ROWCOL nDest) override { return nDest >= firstAllowed; }
    BOOL OnSelDragColsMove(ROWCOL, ROWCOL, ROWCOL nDest) override { return nDest >= firstAllowed; }

    BOOL ctrl = FALSE;
    BOOL shift = FALSE;
    ROWCOL firstAllowed = 1;
};

// "r7", "c2": a prefix and a number.
std::string Label(const char* pszPrefix, ROWCOL n) {
    std::string s(pszPrefix);
    s.append(std::to_string(n));
    return s;
}

struct DragFixture : gridtest::EngineStarted {
    DragFixture() : host(grid, 600, 400) {
        grid.SetRowCount(kRows, GE_NOREDRAW);
        grid.SetColCount(kCols, GE_NOREDRAW);
        // Row r holds "r<r>" in column 1, column c holds "c<c>" in row 1 (from column 2 on).
        for (ROWCOL r = 1; r <= kRows; ++r)
            grid.SetValueRange(CGECellRange(r, 1, r, 1), Label("r", r).c_str());
        for (ROWCOL c = 2; c <= kCols; ++c)
            grid.SetValueRange(CGECellRange(1, c, 1, c), Label("c", c).c_str());
        nBaseSteps = grid.GetParam()->m_UndoList.GetCount();
        grid.UpdateWindow();
    }
    std::string Rows() { return featuretest::Column(grid, 1, 1, kRows); }
    std::string Cols() { return featuretest::Row(grid, 1, 2, kCols); }
    // Undo steps since the values were filled in.
    INT_PTR UndoSteps() { return grid.GetParam()->m_UndoList.GetCount() - nBaseSteps; }

    DragGrid grid;
    GridHost host;
    INT_PTR nBaseSteps = 0;
};

void Send(CGEGridWnd& grid, UINT message, UINT nFlags, CPoint point) {
    grid.SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}

// The centre of a row's header cell (column 0), or of a column's (row 0); below (right of) the last
// line for the count plus 1.
CPoint RowHeader(CGEGridWnd& grid, ROWCOL nRow) {
    if (nRow > grid.GetRowCount()) {
        const CRect last = grid.GetCellRect(grid.GetRowCount(), 0);
        return CPoint(last.CenterPoint().x, last.bottom + 10);
    }
    return grid.GetCellRect(nRow, 0).CenterPoint();
}

CPoint ColHeader(CGEGridWnd& grid, ROWCOL nCol) {
    if (nCol > grid.GetColCount()) {
        const CRect last = grid.GetCellRect(0, grid.GetColCount());
        return CPoint(last.right + 10, last.CenterPoint().y);
    }
    return grid.GetCellRect(0, nCol).CenterPoint();
}

// Presses on from, moves over the points between in two steps, and releases at to.
void Drag(CGEGridWnd& grid, CPoint from, CPoint to, UINT nFlags = 0) {
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON | nFlags, from);
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON | nFlags, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON | nFlags, to);
    Send(grid, WM_LBUTTONUP, nFlags, to);
}

void Click(CGEGridWnd& grid, CPoint point, UINT nFlags = 0) {
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON | nFlags, point);
    Send(grid, WM_LBUTTONUP, nFlags, point);
}

std::string Sequence(std::initializer_list<int> values, const char* pszPrefix) {
    std::string s;
    for (int n : values)
        featuretest::AddWord(s, Label(pszPrefix, static_cast<ROWCOL>(n)));
    return s;
}

struct DropCase {
    const char* name;
    BOOL bRows;
    ROWCOL first, last; // the selected block
    ROWCOL target;      // the line the mouse is released on (the count plus 1: past the last one)
    std::string expected;
};

} // namespace

TEST(DragSelectRange, BlocksLandBeforeTheLineTheyAreDroppedOn) {
    const DropCase cases[] = {
        {"column 2 before 5", FALSE, 2, 2, 5, Sequence({3, 4, 2, 5, 6}, "c")},
        {"columns 5-6 before 2", FALSE, 5, 6, 2, Sequence({5, 6, 2, 3, 4}, "c")},
        {"columns 2-3 past the last", FALSE, 2, 3, kCols + 1, Sequence({4, 5, 6, 2, 3}, "c")},
        {"row 7 to 1", TRUE, 7, 7, 1, Sequence({7, 1, 2, 3, 4, 5, 6, 8, 9, 10}, "r")},
        {"rows 3-5 onto 10", TRUE, 3, 5, 10, Sequence({1, 2, 6, 7, 8, 9, 3, 4, 5, 10}, "r")},
        {"rows 3-5 onto 1", TRUE, 3, 5, 1, Sequence({3, 4, 5, 1, 2, 6, 7, 8, 9, 10}, "r")},
        {"rows 2-3 below the last", TRUE, 2, 3, kRows + 1, Sequence({1, 4, 5, 6, 7, 8, 9, 10, 2, 3}, "r")},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        DragFixture f;
        DragGrid& grid = f.grid;
        const std::string before = c.bRows ? f.Rows() : f.Cols();
        // The first press selects the block (a click on a header that is not selected yet).
        if (c.bRows) {
            Click(grid, RowHeader(grid, c.first));
            if (c.last != c.first)
                Click(grid, RowHeader(grid, c.last), MK_SHIFT);
            Drag(grid, RowHeader(grid, c.last), RowHeader(grid, c.target));
        } else {
            Click(grid, ColHeader(grid, c.first));
            if (c.last != c.first)
                Click(grid, ColHeader(grid, c.last), MK_SHIFT);
            Drag(grid, ColHeader(grid, c.first), ColHeader(grid, c.target));
        }
        EXPECT_EQ(c.bRows ? f.Rows() : f.Cols(), c.expected);
        EXPECT_EQ(f.UndoSteps(), 1) << "one undo step for the move";
        EXPECT_FALSE(grid.m_bSelDragging);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(grid.m_pDragLineWnd, nullptr) << "the marker lives only during the drag";
        EXPECT_EQ(grid.GetOverrideCursor(), 0u);
        EXPECT_FALSE(grid.m_bFloatEvalLock || grid.m_bMergeEvalLock);
        grid.Undo();
        EXPECT_EQ(c.bRows ? f.Rows() : f.Cols(), before);
    }
}

TEST(DragSelectRange, DroppingOntoTheBlockOrJustAfterItChangesNothing) {
    for (ROWCOL nTarget : {3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(nTarget);
        DragFixture f;
        DragGrid& grid = f.grid;
        grid.SelectRange(CGECellRange().SetRows(3, 5));
        const std::string before = f.Rows();
        Drag(grid, RowHeader(grid, 4), RowHeader(grid, nTarget));
        EXPECT_EQ(f.Rows(), before);
        EXPECT_EQ(f.UndoSteps(), 0);
        EXPECT_FALSE(grid.m_bSelDragging);
        EXPECT_TRUE(grid.IsCellSelected(4, 1)) << "the block stays selected";
    }
}

TEST(DragSelectRange, TheMarkerAndTheCursorFollowTheMouse) {
    DragFixture f;
    DragGrid& grid = f.grid;
    grid.SelectRange(CGECellRange().SetRows(7, 7));
    grid.firstAllowed = 3;
    Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, RowHeader(grid, 7));
    EXPECT_TRUE(grid.m_bSelDragging);
    EXPECT_EQ(::GetCapture(), grid.GetSafeHwnd());
    EXPECT_EQ(grid.GetOverrideCursor(), static_cast<UINT>(GE_IDC_SEL_EDGE));
    EXPECT_TRUE(grid.m_bFloatEvalLock && grid.m_bMergeEvalLock) << "spans wait while the block is dragged";

    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, RowHeader(grid, 4));
    ASSERT_NE(grid.m_pDragLineWnd, nullptr);
    EXPECT_TRUE(grid.m_pDragLineWnd->IsWindowVisible());
    CRect line;
    grid.m_pDragLineWnd->GetWindowRect(&line);
    grid.ScreenToClient(&line);
    const int nBoundary = grid.GetCellRect(4, 0).top;
    EXPECT_LE(line.top, nBoundary);
    EXPECT_GT(line.bottom, nBoundary - 1) << "on the boundary at the top of row 4";
    EXPECT_GE(line.Width(), grid.GetCellRect(0, kCols).right - 1) << "across the grid";
    EXPECT_EQ(grid.GetOverrideCursor(), static_cast<UINT>(GE_IDC_SEL_EDGE));

    // Where the hook refuses, the marker goes and the cursor says no.
    Send(grid, WM_MOUSEMOVE, MK_LBUTTON, RowHeader(grid, 2));
    EXPECT_FALSE(grid.m_pDragLineWnd->IsWindowVisible());
    EXPECT_EQ(grid.GetOverrideCursor(), static_cast<UINT>(GE_IDC_NO_DROP));
    EXPECT_NE(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(GE_IDC_NO_DROP)), nullptr);

    const std::string before = f.Rows();
    Send(grid, WM_LBUTTONUP, 0, RowHeader(grid, 2));
    EXPECT_EQ(f.Rows(), before) << "a refused position drops nothing";
    EXPECT_EQ(grid.m_pDragLineWnd, nullptr);
    EXPECT_EQ(grid.GetOverrideCursor(), 0u);
}

TEST(DragSelectRange, EscapeOrAReleaseOutsideTheGridChangesNothing) {
    for (const bool bEscape : {true, false}) {
        SCOPED_TRACE(bEscape ? "Escape" : "outside");
        DragFixture f;
        DragGrid& grid = f.grid;
        grid.SelectRange(CGECellRange().SetCols(2, 3));
        const std::string before = f.Cols();
        Send(grid, WM_LBUTTONDOWN, MK_LBUTTON, ColHeader(grid, 2));
        Send(grid, WM_MOUSEMOVE, MK_LBUTTON, ColHeader(grid, 5));
        ASSERT_TRUE(grid.m_bSelDragging);
        if (bEscape) {
            grid.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
            EXPECT_FALSE(grid.m_bSelDragging);
            EXPECT_EQ(grid.m_pDragLineWnd, nullptr);
            EXPECT_EQ(grid.GetOverrideCursor(), 0u);
            Send(grid, WM_LBUTTONUP, 0, ColHeader(grid, 5));
        } else {
            CRect client;
            grid.GetClientRect(&client);
            Send(grid, WM_MOUSEMOVE, MK_LBUTTON, CPoint(client.right + 40, -30));
            Send(grid, WM_LBUTTONUP, 0, CPoint(client.right + 40, -30));
        }
        EXPECT_EQ(f.Cols(), before);
        EXPECT_EQ(f.UndoSteps(), 0);
        EXPECT_FALSE(grid.m_bSelDragging);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(grid.m_pDragLineWnd, nullptr);
    }
}

TEST(DragSelectRange, WithTheOptionOffThePressSelectsInstead) {
    for (const bool bRows : {true, false}) {
        SCOPED_TRACE(bRows ? "rows" : "columns");
        DragFixture f;
        DragGrid& grid = f.grid;
        CGEGridParam* pParam = grid.GetParam();
        (bRows ? pParam->m_bRowSelDrag : pParam->m_bColSelDrag) = FALSE;
        grid.SelectRange(bRows ? CGECellRange().SetRows(2, 2) : CGECellRange().SetCols(2, 2));
        const std::string before = bRows ? f.Rows() : f.Cols();
        if (bRows)
            Drag(grid, RowHeader(grid, 2), RowHeader(grid, 5));
        else
            Drag(grid, ColHeader(grid, 2), ColHeader(grid, 5));
        EXPECT_EQ(bRows ? f.Rows() : f.Cols(), before);
        EXPECT_EQ(f.UndoSteps(), 0);
        // The press and the move selected lines 2 to 5 instead.
        EXPECT_TRUE(bRows ? grid.IsCellSelected(4, 3) : grid.IsCellSelected(3, 4));
        EXPECT_TRUE(bRows ? grid.IsCellSelected(5, 1) : grid.IsCellSelected(1, 5));
    }
}

TEST(DragSelectRange, CtrlShiftOrTheWholeTableLeaveTheClickToTheSelection) {
    {
        SCOPED_TRACE("Ctrl deselects the row");
        DragFixture f;
        DragGrid& grid = f.grid;
        grid.SelectRange(CGECellRange().SetRows(3, 5));
        const std::string before = f.Rows();
        grid.ctrl = TRUE;
        Drag(grid, RowHeader(grid, 4), RowHeader(grid, 8), MK_CONTROL);
        EXPECT_EQ(f.Rows(), before);
        EXPECT_FALSE(grid.m_bSelDragging);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
    {
        SCOPED_TRACE("Shift extends the selection");
        DragFixture f;
        DragGrid& grid = f.grid;
        grid.SelectRange(CGECellRange().SetRows(3, 3));
        const std::string before = f.Rows();
        grid.shift = TRUE;
        Send(grid, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, RowHeader(grid, 3));
        Send(grid, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, RowHeader(grid, 6));
        Send(grid, WM_LBUTTONUP, MK_SHIFT, RowHeader(grid, 6));
        EXPECT_EQ(f.Rows(), before);
        EXPECT_TRUE(grid.IsCellSelected(6, 2));
    }
    {
        SCOPED_TRACE("the whole table");
        DragFixture f;
        DragGrid& grid = f.grid;
        grid.SelectRange(CGECellRange().SetTable());
        const std::string before = f.Rows();
        Click(grid, RowHeader(grid, 3));
        EXPECT_EQ(f.Rows(), before);
        EXPECT_FALSE(grid.m_bSelDragging);
        EXPECT_TRUE(grid.IsCellSelected(3, 2)) << "the click selected row 3";
        EXPECT_FALSE(grid.IsCellSelected(4, 2)) << "and only row 3";
    }
}
