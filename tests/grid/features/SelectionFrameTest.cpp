// The spreadsheet-like frame around the last selected range, on a real grid window: the frame and its
// handle painted into a memory bitmap (plain and alternative look), drawing it twice, the handle kind of
// cells, rows and columns, frozen panes and ranges scrolled away, hiding, and a selection that moves
// while the frame is mirrored pixel by pixel without anything being invalidated.
#include "FeatureTestSupport.h"

#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEGridWnd.h"
#include "grid/features/CGEGridExcelLikeFrameImp.h"

#include <vector>

using gridtest::GridHost;
using gridtest::PixelCanvas;

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 320;

struct FrameFixture : gridtest::EngineStarted {
    explicit FrameFixture(BOOL bAlternateLook = FALSE) : host(grid, kWidth + 40, kHeight + 60, 0) {
        grid.SetRowCount(30, GE_NOREDRAW);
        grid.SetColCount(8, GE_NOREDRAW);
        grid.GetParam()->m_bExcelLikeFrame = TRUE;
        grid.GetParam()->m_bAlternateLook = bAlternateLook;
        grid.UpdateWindow();
    }
    // The grid painted with and without its frame.
    void Paint(PixelCanvas& withFrame, PixelCanvas& without) {
        grid.OnGridDraw(withFrame.DC());
        grid.GetParam()->m_bExcelLikeFrame = FALSE;
        grid.OnGridDraw(without.DC());
        grid.GetParam()->m_bExcelLikeFrame = TRUE;
    }
    CGEGridWnd grid;
    GridHost host;
};

bool Inverted(const PixelCanvas& a, const PixelCanvas& b, int x, int y) {
    return a.At(x, y) != b.At(x, y);
}

int DifferentPixels(const PixelCanvas& a, const PixelCanvas& b) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

// The frame feature with every inversion mirrored into a canvas, to follow what reaches the window.
class MirroredFrame : public CGEGridExcelLikeFrameImp {
public:
    void DrawFrameRect(CGEGridCore* pGrid, CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTop,
                       BOOL bLeft, int nHandle, BOOL bHandleOnly) override {
        CGEGridExcelLikeFrameImp::DrawFrameRect(pGrid, pDC, rect, rectClip, bTop, bLeft, nHandle,
                                                bHandleOnly);
        if (recording)
            CGEGridExcelLikeFrameImp::DrawFrameRect(pGrid, mirror.DC(), rect, rectClip, bTop, bLeft, nHandle,
                                                    bHandleOnly);
    }
    PixelCanvas mirror{kWidth, kHeight, RGB(255, 255, 255)};
    bool recording = true;
};

} // namespace

TEST(SelectionFrame, TheFrameAndItsHandleAreInvertedAroundTheCells) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange(2, 2, 4, 3));
    const CRect cells(grid.GetCellRect(2, 2).TopLeft(), grid.GetCellRect(4, 3).BottomRight());
    const int L = cells.left, T = cells.top, R = cells.right, B = cells.bottom;
    const int midX = cells.CenterPoint().x, midY = cells.CenterPoint().y;
    PixelCanvas with(kWidth, kHeight), without(kWidth, kHeight);
    f.Paint(with, without);
    struct Probe {
        const char* what;
        int x, y;
        bool inverted;
    };
    const Probe probes[] = {
        {"outer top", midX, T - 1, true},
        {"inner top", midX, T + 2, true},
        {"between the lines", midX, T + 1, false},
        {"outer left", L - 1, midY, true},
        {"inner left", L + 2, midY, true},
        {"outer bottom", midX, B + 1, true},
        {"inner bottom", midX, B - 2, true},
        {"outer right", R + 1, midY, true},
        {"inner right", R - 2, midY, true},
        {"inside", midX, midY, false},
        {"outside", R + 6, midY, false},
        {"the handle's far corner", R + 2, B + 2, true},
        {"beside the handle", R + 4, B + 4, false},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Inverted(with, without, p.x, p.y), p.inverted) << p.what;
}

TEST(SelectionFrame, TheAlternativeLookMovesTheFrameOnePixelUpAndLeft) {
    FrameFixture f(TRUE);
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange(3, 3, 3, 3));
    const CRect cell = grid.GetCellRect(3, 3);
    PixelCanvas with(kWidth, kHeight), without(kWidth, kHeight);
    f.Paint(with, without);
    const int midX = cell.CenterPoint().x, midY = cell.CenterPoint().y;
    // Moved: L-1, T-1, R-1, B-1; the outer lines two pixels wide at the top and left.
    EXPECT_TRUE(Inverted(with, without, midX, cell.top - 2));
    EXPECT_TRUE(Inverted(with, without, midX, cell.top - 1));
    EXPECT_TRUE(Inverted(with, without, cell.left - 2, midY));
    EXPECT_TRUE(Inverted(with, without, cell.left - 1, midY));
    EXPECT_TRUE(Inverted(with, without, midX, cell.bottom)) << "outer bottom one pixel";
    EXPECT_FALSE(Inverted(with, without, midX, cell.bottom + 1));
    EXPECT_TRUE(Inverted(with, without, cell.right, midY)) << "outer right one pixel";
    EXPECT_FALSE(Inverted(with, without, cell.right + 1, midY));
}

TEST(SelectionFrame, DrawingTheSameFrameTwiceLeavesThePictureAsItWas) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    const CGECellRange ranges[] = {CGECellRange(2, 2, 5, 4), CGECellRange(1, 1, 1, 1)};
    for (const CGECellRange& range : ranges) {
        PixelCanvas picture(kWidth, kHeight), before(kWidth, kHeight);
        grid.OnGridDraw(picture.DC());
        grid.OnGridDraw(before.DC());
        for (int nHandle : {0, 2, 7}) {
            grid.DrawSelectionFrame(picture.DC(), &range, nHandle, FALSE);
            EXPECT_FALSE(picture.SameAs(before));
            grid.DrawSelectionFrame(picture.DC(), &range, nHandle, FALSE);
            EXPECT_TRUE(picture.SameAs(before)) << "handle kind " << nHandle;
        }
    }
}

TEST(SelectionFrame, EachKindOfRangeGetsItsHandleAndIsFramedAsCells) {
    struct Case {
        const char* what;
        CGECellRange range;
        int handle;
        CGECellRange framed;
    };
    const Case cases[] = {
        {"cells", CGECellRange(4, 2, 6, 3), 0, CGECellRange(4, 2, 6, 3)},
        {"rows", CGECellRange().SetRows(5, 7), 2, CGECellRange(5, 1, 7, 8)},
        {"columns", CGECellRange().SetCols(3, 3), 7, CGECellRange(1, 3, 30, 3)},
        {"table", CGECellRange().SetTable(), 0, CGECellRange(1, 1, 30, 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FrameFixture f;
        CGEGridWnd& grid = f.grid;
        grid.SelectRange(c.range);
        EXPECT_EQ(grid.m_nFrameHandle, c.handle);
        ASSERT_TRUE(grid.m_rangeFrame.IsValid());
        EXPECT_EQ(grid.m_rangeFrame.kind, CGECellRange::cells);
        EXPECT_EQ(grid.m_rangeFrame.top, c.framed.top);
        EXPECT_EQ(grid.m_rangeFrame.left, c.framed.left);
        EXPECT_EQ(grid.m_rangeFrame.bottom, c.framed.bottom);
        EXPECT_EQ(grid.m_rangeFrame.right, c.framed.right);
        // Without the option no range is kept.
        grid.ClearSelection();
        grid.GetParam()->m_bExcelLikeFrame = FALSE;
        grid.SelectRange(c.range);
        EXPECT_FALSE(grid.m_rangeFrame.IsValid());
    }
}

TEST(SelectionFrame, AMovingSelectionRedrawsTheFrameWithoutInvalidating) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    auto* pMirrored = new MirroredFrame;
    grid.AddAutoDeleteObject(pMirrored);
    grid.m_pExcelLikeFrameImp = pMirrored;
    gridtest::PumpPending();
    grid.ValidateRect(nullptr);

    grid.SelectRange(CGECellRange(2, 2, 3, 3));
    grid.SetSelection(grid.m_posActiveRange == nullptr ? grid.GetParam()->m_SelectedRanges.GetTailPosition()
                                                       : grid.m_posActiveRange,
                      2, 2, 6, 4);
    grid.SelectRange(CGECellRange().SetRows(8, 9));
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(grid.GetSafeHwnd(), &update, FALSE)) << "nothing to repaint";

    // What reached the window is exactly the frame of the last range.
    PixelCanvas expected(kWidth, kHeight, RGB(255, 255, 255));
    const CGECellRange last(8, 1, 9, 8);
    pMirrored->recording = false;
    grid.DrawSelectionFrame(expected.DC(), &last, 2, FALSE);
    pMirrored->recording = true;
    EXPECT_FALSE(expected.SameAs(PixelCanvas(kWidth, kHeight, RGB(255, 255, 255))));
    EXPECT_TRUE(pMirrored->mirror.SameAs(expected));

    // Clearing the selection takes the frame away and forgets it.
    grid.ClearSelection();
    PixelCanvas blank(kWidth, kHeight, RGB(255, 255, 255));
    EXPECT_TRUE(pMirrored->mirror.SameAs(blank));
    EXPECT_FALSE(grid.m_rangeFrame.IsValid());
}

TEST(SelectionFrame, FrozenColumnsSplitTheFrameWithoutALineAtTheBoundary) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SetFrozenCols(2, 0, GE_NOREDRAW);
    grid.SetLeftCol(4, GE_NOREDRAW);
    grid.SelectRange(CGECellRange(3, 2, 5, 5));
    PixelCanvas with(kWidth, kHeight), without(kWidth, kHeight);
    f.Paint(with, without);
    const int nBoundary = grid.GetCellRect(3, 2).right; // column 4 follows column 2 on screen
    ASSERT_EQ(grid.GetCellRect(3, 4).left, nBoundary);
    const int midY = grid.GetCellRect(4, 2).CenterPoint().y;
    const int nTop = grid.GetCellRect(3, 2).top;
    for (int dx : {-3, -2, -1, 0, 1, 2}) {
        EXPECT_FALSE(Inverted(with, without, nBoundary + dx, midY)) << "no line at the boundary, dx " << dx;
        EXPECT_TRUE(Inverted(with, without, nBoundary + dx, nTop - 1)) << "the top runs across, dx " << dx;
    }
    EXPECT_TRUE(Inverted(with, without, grid.GetCellRect(4, 2).left - 1, midY))
        << "left edge in the frozen part";
    EXPECT_TRUE(Inverted(with, without, grid.GetCellRect(4, 5).right + 1, midY))
        << "right edge, scrolling part";
}

TEST(SelectionFrame, ARangeScrolledAwayAboveDrawsNothing) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange(2, 2, 4, 3));
    grid.SetTopRow(8, GE_NOREDRAW);
    PixelCanvas with(kWidth, kHeight), without(kWidth, kHeight);
    f.Paint(with, without);
    EXPECT_EQ(DifferentPixels(with, without), 0);
    // With row 2 frozen the part in it shows.
    grid.SetFrozenRows(2, 0, GE_NOREDRAW);
    f.Paint(with, without);
    EXPECT_GT(DifferentPixels(with, without), 0);
}

TEST(SelectionFrame, HidingRemovesTheFrameAndShowingBringsItBack) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange(2, 2, 4, 3));
    PixelCanvas with(kWidth, kHeight), without(kWidth, kHeight), hidden(kWidth, kHeight);
    f.Paint(with, without);
    EXPECT_FALSE(grid.HideSelectionFrame(TRUE)) << "was shown";
    EXPECT_TRUE(grid.HideSelectionFrame(TRUE)) << "hiding again changes nothing and answers TRUE";
    grid.OnGridDraw(hidden.DC());
    EXPECT_TRUE(hidden.SameAs(without));
    EXPECT_TRUE(grid.HideSelectionFrame(FALSE));
    grid.OnGridDraw(hidden.DC());
    EXPECT_TRUE(hidden.SameAs(with));
    // Without the option there is nothing to hide.
    grid.GetParam()->m_bExcelLikeFrame = FALSE;
    EXPECT_FALSE(grid.HideSelectionFrame(TRUE));
    EXPECT_FALSE(grid.m_bFrameHidden);
}

TEST(SelectionFrame, InsertingOrRemovingLinesForgetsTheFrame) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange(2, 2, 4, 3));
    ASSERT_TRUE(grid.m_rangeFrame.IsValid());
    grid.InsertRows(1, 2);
    EXPECT_FALSE(grid.m_rangeFrame.IsValid());
    grid.SelectRange(CGECellRange(2, 2, 4, 3));
    grid.RemoveCols(5, 5);
    EXPECT_FALSE(grid.m_rangeFrame.IsValid());
}

TEST(SelectionFrame, TheHandleAloneIsToggledForRowsAndColumns) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    auto* pMirrored = new MirroredFrame;
    grid.AddAutoDeleteObject(pMirrored);
    grid.m_pExcelLikeFrameImp = pMirrored;
    grid.SelectRange(CGECellRange().SetCols(3, 4));
    pMirrored->mirror.DC()->FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
    PixelCanvas handle(kWidth, kHeight, RGB(255, 255, 255));
    pMirrored->recording = false;
    grid.DrawSelectionFrame(handle.DC(), &grid.m_rangeFrame, 7, TRUE);
    pMirrored->recording = true;
    // Toggling draws exactly the handle, twice nothing.
    grid.ToggleFrameHandle();
    EXPECT_TRUE(pMirrored->mirror.SameAs(handle));
    EXPECT_FALSE(handle.SameAs(PixelCanvas(kWidth, kHeight, RGB(255, 255, 255))));
    grid.ToggleFrameHandle();
    EXPECT_TRUE(pMirrored->mirror.SameAs(PixelCanvas(kWidth, kHeight, RGB(255, 255, 255))));
    // A block of cells has its handle drawn with the frame only.
    grid.SelectRange(CGECellRange(2, 2, 3, 3));
    pMirrored->mirror.DC()->FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
    grid.ToggleFrameHandle();
    EXPECT_TRUE(pMirrored->mirror.SameAs(PixelCanvas(kWidth, kHeight, RGB(255, 255, 255))));
}

TEST(SelectionFrame, MovedRowsTakeTheFrameAlong) {
    FrameFixture f;
    CGEGridWnd& grid = f.grid;
    grid.SelectRange(CGECellRange().SetRows(3, 5));
    const CPoint from = grid.GetCellRect(4, 0).CenterPoint();
    const CPoint to = grid.GetCellRect(10, 0).CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_FALSE(grid.m_bFrameHidden) << "shown again after the move";
    ASSERT_TRUE(grid.m_rangeFrame.IsValid());
    EXPECT_EQ(grid.m_rangeFrame.top, 7u);
    EXPECT_EQ(grid.m_rangeFrame.bottom, 9u);
    EXPECT_EQ(grid.m_nFrameHandle, 2);
}
