// Services of the core that the cell controls and features use: number formatting of values, the
// selection-frame guard, forwarding to an installed feature object, and the drag line window.
#include "GridCoreTestSupport.h"

#include "grid/core/CGEAbstractGridExcelLikeFrameImp.h"
#include "grid/core/CGEDragLineWnd.h"
#include "grid/core/CGENumberFormattingImp.h"
#include "grid/core/CGESelectionFrameHider.h"

#include <vector>

using gridtest::GridHost;
using gridtest::TestGrid;

TEST(GridServices, NumberFormatsOfCellValues) {
    struct Case {
        const char* value;
        UINT format;
        UINT places;
        const char* text;
    };
    const Case cases[] = {
        {"1234.5", CGENumberFormattingImp::asIs, 2, "1234.5"},
        {"1234.5", CGENumberFormattingImp::fixed, 2, "1234.50"},
        {"-1234.567", CGENumberFormattingImp::fixed, 1, "-1234.6"},
        {"1234567.5", CGENumberFormattingImp::grouped, 0, "1,234,568"},
        {"-1234567", CGENumberFormattingImp::grouped, 2, "-1,234,567.00"},
        {"0.25", CGENumberFormattingImp::percent, 0, "25%"},
        {"12345", CGENumberFormattingImp::scientific, 2, "1.23e+04"},
        {"0.000123456", CGENumberFormattingImp::general, 3, "0.000123"},
        {"abc", CGENumberFormattingImp::fixed, 2, "abc"},
        {"12 apples", CGENumberFormattingImp::fixed, 2, "12 apples"},
        {"", CGENumberFormattingImp::fixed, 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CGENumberFormattingImp::Format(c.value, c.format, c.places), c.text)
            << c.value << " " << c.format;
}

TEST(GridServices, TheStandardFactoryInstallsNumberFormatting) {
    gridtest::StartEngine();
    CGEAbstractNumberFormattingImp* pImp = GEGetLibraryState()->m_pNumberFormattingImp;
    ASSERT_NE(pImp, nullptr);
    GEInstallNumberFormatting();
    EXPECT_EQ(GEGetLibraryState()->m_pNumberFormattingImp, pImp) << "installing twice leaves one object";
    CGEStyle style;
    style.SetFormat(CGENumberFormattingImp::fixed);
    style.SetPlaces(3);
    EXPECT_STREQ(pImp->FormatValue("2", style), "2.000");
}

namespace {

// A selection-frame feature that only records what the grid forwards to it.
class RecordingFrame : public CGEAbstractGridExcelLikeFrameImp {
public:
    void DrawFrameRect(CGEGridCore*, CDC*, const CRect&, const CRect&, BOOL, BOOL, int, BOOL) override {}
    void DrawSelectionFrame(CGEGridCore*, CDC*, const CGECellRange*, int, BOOL) override {}
    // The paint draws the framed range once more over the cells it painted.
    void UpdateSelectionFrame(CGEGridCore*, CDC*, BOOL bErase, const CGECellRange* pNewRange) override {
        draws += bErase && pNewRange == nullptr;
    }
    void ToggleFrameHandle(CGEGridCore*) override {}
    BOOL HideSelectionFrame(CGEGridCore*, BOOL bHide, BOOL) override {
        calls.push_back(bHide);
        const BOOL bWas = hidden;
        hidden = bHide;
        return bWas;
    }
    BOOL hidden = FALSE;
    int draws = 0;
    std::vector<BOOL> calls;
};

} // namespace

TEST(GridServices, TheFrameGuardHidesAndRestores) {
    TestGrid grid(5, 5);
    auto* pFrame = new RecordingFrame;
    grid.m_pExcelLikeFrameImp = pFrame;
    grid.AddAutoDeleteObject(pFrame);
    {
        CGESelectionFrameHider hider(&grid);
        EXPECT_TRUE(pFrame->hidden);
    }
    EXPECT_FALSE(pFrame->hidden) << "shown again";
    pFrame->hidden = TRUE;
    {
        CGESelectionFrameHider hider(&grid);
        hider.Restore();
        hider.Restore();
    }
    EXPECT_TRUE(pFrame->hidden) << "a frame hidden before stays hidden";
    EXPECT_EQ(pFrame->calls, (std::vector<BOOL>{TRUE, FALSE, TRUE}));
    gridtest::PixelCanvas canvas(100, 100);
    grid.OnGridDraw(canvas.DC());
    EXPECT_EQ(pFrame->draws, 1) << "the paint draws the frame over the cells";
}

TEST(GridServices, TheDragLineShowsWhereItIsPut) {
    CGEGridWnd grid;
    GridHost host(grid);
    CGEDragLineWnd line(&grid);
    ASSERT_TRUE(line.Create(&grid));
    EXPECT_FALSE(line.IsWindowVisible());
    line.ShowLine(1, CRect(50, 0, 51, 120), 2);
    EXPECT_TRUE(line.IsWindowVisible());
    CRect rect;
    line.GetWindowRect(&rect);
    grid.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(50, 0, 51, 120));
    line.HideLine();
    EXPECT_FALSE(line.IsWindowVisible());
    line.DestroyWindow();
}
