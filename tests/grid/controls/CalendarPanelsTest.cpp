// The calendar's panels: borders by their flags, refused selection and marks, an inner rectangle that
// the borders can use up, the layers they draw, and the sizes they ask for.
#include "CalendarSupport.h"

#include "framework/win/CClientDC.h"
#include "grid/controls/gadgets/CGEBDayBar.h"
#include "grid/controls/gadgets/CGEBDayBox.h"
#include "grid/controls/gadgets/GELocaleNames.h"
#include "grid/core/CGESysDrawInfo.h"

#include <gtest/gtest.h>

using ctltest::PixelCanvas;

namespace {

constexpr DWORD kAll = GEB_CAL_SELECTABLE | GEB_CAL_MARKABLE;

} // namespace

TEST(CalendarPanels, InsetsFollowTheFlagsOfTheState) {
    struct Case {
        DWORD flags;
        BOOL selected, marked;
        int frame, bevel, mark;
    } const cases[] = {
        {0x17F, FALSE, FALSE, 1, 3, 3}, // frame and bevel; not marked
        {0x17F, FALSE, TRUE, 1, 3, 5},  // the mark border inside the bevel
        {0x17F, TRUE, TRUE, 1, 3, 5},
        {0x83, FALSE, TRUE, 0, 0, 0}, // the pop-up's month days: no border when not selected
        {0x83, TRUE, FALSE, 0, 2, 2}, // a bevel when selected
        {0x101, TRUE, TRUE, 0, 0, 0},
        {0x10, TRUE, FALSE, 0, 0, 0}, // a frame only when not selected
        {0x10, FALSE, FALSE, 1, 1, 1},
    };
    for (const Case& c : cases) {
        CGEBPanel panel;
        panel.Create(RECT{0, 0, 29, 19}, nullptr, c.selected, c.marked, c.flags, kAll, 2);
        const int nExpectedBevel = c.bevel;
        EXPECT_EQ(panel.GetInset(0), 0);
        EXPECT_EQ(panel.GetInset(1), c.frame) << std::hex << c.flags;
        EXPECT_EQ(panel.GetInset(2), nExpectedBevel) << std::hex << c.flags;
        EXPECT_EQ(panel.GetInset(3), c.mark) << std::hex << c.flags;
    }
}

TEST(CalendarPanels, SelectionAndMarkNeedTheirBits) {
    CGEBPanel panel;
    panel.Create(RECT{0, 0, 20, 20}, nullptr, FALSE, FALSE, 0x17F, 0, 2);
    EXPECT_EQ(panel.SetSelected(TRUE, FALSE), 0);
    EXPECT_FALSE(panel.IsSelected());
    EXPECT_EQ(panel.SetMarked(TRUE, FALSE), 0);
    EXPECT_FALSE(panel.IsMarked());

    panel.SetCalendarFlags(kAll);
    EXPECT_EQ(panel.SetSelected(TRUE, FALSE), 1);
    EXPECT_EQ(panel.SetMarked(TRUE, FALSE), 1);
    EXPECT_TRUE(panel.IsSelected());
    EXPECT_TRUE(panel.IsMarked());
    // Losing the markable bit takes the mark away at the next setting; selection stays as it was.
    panel.SetCalendarFlags(GEB_CAL_SELECTABLE);
    EXPECT_EQ(panel.SetMarked(TRUE, FALSE), 0);
    EXPECT_FALSE(panel.IsMarked());
}

TEST(CalendarPanels, OtherMonthDaysCannotBeMarkedAndAreSelectableOnlyWhenAllowed) {
    struct Case {
        DWORD calendar;
        BOOL outside;
        bool selectable, markable;
    } const cases[] = {
        {0, FALSE, true, true},
        {0, TRUE, false, false},
        {GEB_CAL_SELECT_OTHER_MONTH, TRUE, true, false},
    };
    for (const Case& c : cases) {
        CGEBDayBox box;
        box.Create(RECT{0, 0, 20, 20}, nullptr, FALSE, FALSE, 0x17F, c.calendar | kAll, 2);
        box.SetOutsideMonth(c.outside);
        EXPECT_EQ((box.GetCalendarFlags() & GEB_CAL_SELECTABLE) != 0, c.selectable) << c.outside;
        EXPECT_EQ((box.GetCalendarFlags() & GEB_CAL_MARKABLE) != 0, c.markable) << c.outside;
    }
}

TEST(CalendarPanels, BordersThatFillThePanelLeaveNoInnerRectangle) {
    CGEBPanel panel;
    panel.Create(RECT{10, 10, 15, 15}, nullptr, FALSE, TRUE, 0x17F, kAll, 3); // 6 x 6 with 7 of border
    RECT inner;
    EXPECT_FALSE(panel.GetInnerArea(inner));
    EXPECT_TRUE(::IsRectEmpty(&inner));
    panel.SetMarked(FALSE, FALSE); // 4 of border: nothing left either
    EXPECT_FALSE(panel.GetInnerArea(inner));
    panel.SetRect(RECT{10, 10, 19, 19}); // 10 x 10: a 2 x 2 middle
    ASSERT_TRUE(panel.GetInnerArea(inner));
    EXPECT_EQ(inner.left, 14);
    EXPECT_EQ(inner.right, 15);

    // Nothing is painted inside when the borders take it all.
    PixelCanvas canvas(40, 40, RGB(0, 0, 255));
    CGEBPanel tiny;
    tiny.Create(RECT{0, 0, 5, 5}, nullptr, FALSE, TRUE, 0x17F, kAll, 3);
    tiny.SetText("8");
    tiny.Draw(canvas.DC());
    EXPECT_EQ(canvas.At(20, 20), RGB(0, 0, 255));
}

TEST(CalendarPanels, EachBorderLayerKeepsItsWidth) {
    ctltest::StartEngine();
    PixelCanvas canvas(60, 40, RGB(0, 0, 255));
    CGEBPanel panel;
    panel.Create(RECT{0, 0, 39, 29}, nullptr, FALSE, TRUE, 0x17F, kAll, 2);
    panel.Draw(canvas.DC());
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    EXPECT_EQ(canvas.At(0, 15), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(canvas.At(1, 15), pInfo->m_clrBtnHilite) << "the bevel, light at the top-left";
    EXPECT_EQ(canvas.At(2, 15), pInfo->m_clrBtnHilite);
    EXPECT_EQ(canvas.At(38, 15), pInfo->m_clrBtnShadow) << "the bevel, dark at the bottom-right";
    EXPECT_EQ(canvas.At(3, 15), RGB(255, 0, 0)) << "the mark border";
    EXPECT_EQ(canvas.At(4, 15), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(5, 15), pInfo->m_clrBtnFace) << "the background starts after the mark border";
    EXPECT_EQ(canvas.At(45, 15), RGB(0, 0, 255)) << "nothing outside the panel";

    // Selected, the bevel is pressed in: dark at the top-left.
    PixelCanvas pressed(60, 40, RGB(0, 0, 255));
    panel.SetSelected(TRUE, FALSE);
    panel.Draw(pressed.DC());
    EXPECT_EQ(pressed.At(1, 15), pInfo->m_clrBtnShadow);
    EXPECT_EQ(pressed.At(38, 15), pInfo->m_clrBtnHilite);
}

TEST(CalendarPanels, GreyDaysOutsideTheMonth) {
    ctltest::StartEngine();
    for (const BOOL bOutside : {FALSE, TRUE}) {
        PixelCanvas canvas(40, 40, RGB(0, 0, 255));
        CGEBDayBox box;
        box.Create(RECT{0, 0, 39, 39}, nullptr, FALSE, FALSE, 0x181, kAll, 2);
        box.SetDate(caltest::Day(2023, 5, 8));
        box.SetOutsideMonth(bOutside);
        box.SetTextColor(RGB(0, 0, 0));
        box.SetGreyColor(RGB(0, 200, 0));
        box.Draw(canvas.DC());
        int nGreen = 0;
        int nBlack = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                nGreen += canvas.At(x, y) == RGB(0, 200, 0);
                nBlack += canvas.At(x, y) == RGB(0, 0, 0);
            }
        EXPECT_EQ(box.GetText(), CString("8"));
        EXPECT_EQ(nGreen > 0, bOutside == TRUE) << "grey digits only outside the month";
        EXPECT_EQ(nBlack > 0, bOutside == FALSE);
    }
}

TEST(CalendarPanels, PreferredSizes) {
    ctltest::StartEngine();
    CClientDC dc(nullptr);
    const CSize eights = dc.GetTextExtent("88", 2);

    // Centred (0x80) with a bevel of 2 when selected; at the top-left with frame, bevel and mark border.
    CGEBDayBox centred;
    centred.Create(RECT{}, nullptr, FALSE, FALSE, 0x183, kAll, 2);
    EXPECT_EQ(centred.CalcPreferredSize(&dc, nullptr),
              CSize(std::max<LONG>(static_cast<LONG>(eights.cx * 1.25), eights.cx + 2 * 2),
                    std::max<LONG>(static_cast<LONG>(eights.cy * 1.25), eights.cy + 2 * 2)));
    CGEBDayBox topLeft;
    topLeft.Create(RECT{}, nullptr, FALSE, FALSE, 0x17F, kAll, 2);
    EXPECT_EQ(topLeft.CalcPreferredSize(&dc, nullptr),
              CSize(std::max<LONG>(static_cast<LONG>(eights.cx * 1.25 * 1.5), eights.cx + 2 * 5),
                    std::max<LONG>(static_cast<LONG>(eights.cy * 1.25 * 1.5), eights.cy + 2 * 5)));

    for (const DWORD flags : {DWORD{0x17F}, 0x17F | GEB_PANEL_FULL_DAY_NAMES}) {
        CGEBDayBar bar;
        bar.Create(RECT{}, nullptr, FALSE, FALSE, flags, 0, 2);
        CString strWednesday;
        ASSERT_EQ(GEGetDayName(strWednesday, 4, (flags & GEB_PANEL_FULL_DAY_NAMES) != 0), 1);
        const CSize extent = dc.GetTextExtent(strWednesday);
        EXPECT_EQ(bar.CalcPreferredSize(&dc, nullptr), CSize(7 * extent.cx, extent.cy)) << strWednesday;
    }
}

TEST(CalendarPanels, DayBarStartsOnSunday) {
    CGEBDayBar bar;
    EXPECT_EQ(bar.GetFirstDayOfWeek(), 1);
    EXPECT_EQ(bar.DayOfColumn(1), 1);
    EXPECT_EQ(bar.DayOfColumn(7), 7);
}

// A panel's font grows until the preferred size fills its rectangle, and shrinks to fit a smaller one.
TEST(CalendarPanels, FontFittingFillsWithoutOverflowing) {
    ctltest::StartEngine();
    CClientDC dc(nullptr);
    for (const RECT& rect : {RECT{0, 0, 39, 29}, RECT{0, 0, 199, 119}, RECT{0, 0, 5, 4}}) {
        CGEBDayBox box;
        box.Create(rect, nullptr, FALSE, FALSE, 0x17F, kAll, 2);
        LOGFONTA logFont{};
        logFont.lfHeight = 16;
        lstrcpyA(logFont.lfFaceName, "Arial");
        box.FitFont(&dc, logFont, 0.9, 1);
        if (logFont.lfHeight < 1)
            continue; // nothing fits a tiny box
        const CSize size = box.CalcPreferredSize(&dc, &logFont);
        EXPECT_LE(size.cx, rect.right + 1);
        EXPECT_LE(size.cy, rect.bottom + 1);
        LOGFONTA bigger = logFont;
        bigger.lfHeight = logFont.lfHeight * 2;
        const CSize big = box.CalcPreferredSize(&dc, &bigger);
        EXPECT_TRUE(big.cx > rect.right + 1 || big.cy > rect.bottom + 1) << "twice the font would overflow";
    }
    CGEBDayBox empty;
    empty.Create(RECT{}, nullptr, FALSE, FALSE, 0x17F, kAll, 2);
    LOGFONTA logFont{};
    logFont.lfHeight = 16;
    empty.FitFont(&dc, logFont, 0.9, 1);
    EXPECT_EQ(logFont.lfHeight, 0);
}
