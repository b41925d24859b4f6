// A picture of a real grid window: column and row headers, a frozen row scrolled past, values and the
// current cell's frame. Runs where windows are really drawn (WINE_GRAPHICS=x11) and writes the picture
// into SCREENSHOT_DIR when it is set.
#include "GridCoreTestSupport.h"

#include "WindowPicture.h"
#include "grid/GridResource.h"
#include "grid/core/CGEProperties.h"

#include <string>

using gridtest::GridHost;
using screentest::WindowPicture;

namespace {

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        gridtest::PumpPending();
        ::Sleep(10);
    }
}

} // namespace

TEST(GridScreenshot, HeadersAFrozenRowAndTheCurrentCell) {
    if (!screentest::WindowsAreDrawn())
        GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";
    CGEGridWnd grid;
    GridHost host(grid, 420, 260, WS_VSCROLL | WS_HSCROLL);
    grid.SetRowCount(60, GE_NOREDRAW);
    grid.SetColCount(6, GE_NOREDRAW);
    grid.GetParam()->SetDefaultRowHeight(20);
    grid.GetParam()->SetDefaultColWidth(70);
    grid.SetFrozenRows(1, 0, GE_NOREDRAW);
    for (ROWCOL nRow = 1; nRow <= 60; ++nRow)
        grid.SetValueRange(CGECellRange(nRow, 1, nRow, 1), std::to_string(nRow * 7).c_str(), geOverride, -1,
                           GE_NOREDRAW);
    grid.SetValueRange(CGECellRange(1, 2, 1, 2), "Totals", geOverride, -1, GE_NOREDRAW);
    grid.SetTopRow(20, GE_NOREDRAW);
    // The current cell's frame in the two-pixel black look (the default inverts one pixel).
    grid.GetProperties()->SetUserProperty(GE_IDS_PROP_CURRENTCELL, "Thick Border.");
    grid.SetCurrentCell(22, 3);
    grid.Redraw(GE_UPDATENOW, FALSE);
    PumpFor(500);

    WindowPicture picture(grid.m_hWnd);
    ASSERT_TRUE(picture.IsValid());
    const std::string folder = screentest::ScreenshotFolder();
    if (!folder.empty()) {
        EXPECT_TRUE(picture.Save(folder, "Grid-HeadersFrozenRowCurrentCell"));
    }

    // Column headers: the button face between the letters.
    const RECT header = picture.ClientRectIn(grid.m_hWnd, grid.GetCellRect(0, 2));
    EXPECT_GT(picture.Count(header, [](COLORREF c) { return c == ::GetSysColor(COLOR_BTNFACE); }), 100);
    EXPECT_GT(picture.Count(header, screentest::IsDark), 5) << "the letter B";
    // The frozen row 1 shows its value, then row 20 follows below the frozen line.
    const CRect frozen = grid.GetCellRect(1, 2);
    EXPECT_GT(picture.Count(picture.ClientRectIn(grid.m_hWnd, frozen), screentest::IsDark), 10) << "Totals";
    const COLORREF fixed = grid.GetProperties()->GetColorValue(CGEProperties::colorFixedLines);
    const RECT line = picture.ClientRectIn(
        grid.m_hWnd, CRect(frozen.left, frozen.bottom - 1, frozen.right - 1, frozen.bottom));
    EXPECT_EQ(picture.Count(line, [fixed](COLORREF c) { return c == fixed; }), frozen.Width() - 1);
    EXPECT_EQ(grid.GetCellRect(20, 1).top, frozen.bottom);
    // The current cell's frame.
    const CRect current = grid.GetCellRect(22, 3);
    const RECT frameTop = picture.ClientRectIn(
        grid.m_hWnd, CRect(current.left, current.top, current.right - 1, current.top + 2));
    EXPECT_EQ(picture.Count(frameTop, [](COLORREF c) { return c == RGB(0, 0, 0); }),
              2 * (current.Width() - 1));
}
