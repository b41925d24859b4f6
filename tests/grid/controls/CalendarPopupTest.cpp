// The pop-up calendar: its place next to the anchor on the screen, its size from its fonts, and what
// losing the activation does in each deactivate mode.
#include "CalendarSupport.h"

#include "framework/win/CClientDC.h"

#include <gtest/gtest.h>

using namespace caltest;

TEST(CalendarPopup, PlacedNextToTheAnchorWithinTheScreen) {
    const CSize screen(800, 600);
    const CSize size(200, 150);
    struct Case {
        RECT anchor;
        DWORD style;
        CRect expected;
    } const cases[] = {
        {{100, 100, 300, 120}, 0x1, CRect(100, 120, 300, 270)}, // below, left-aligned
        {{100, 500, 300, 520}, 0x1, CRect(100, 350, 300, 500)}, // above: the screen ends below
        {{700, 100, 780, 120}, 0x1, CRect(580, 120, 780, 270)}, // right-aligned: the screen ends right
        {{100, 100, 300, 120}, 0x0, CRect(300, 120, 500, 270)}, // starting at the anchor's right edge
        {{500, 100, 700, 120}, 0x0, CRect(300, 120, 500, 270)}, // ending at its left edge
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGEBPopupCalendar::PlacePopup(size, c.anchor, c.style, screen), c.expected)
            << c.anchor.left << "," << c.anchor.top << " style " << c.style;
}

TEST(CalendarPopup, SizesItselfToItsFontsBelowTheAnchor) {
    OwnerWindow owner;
    TestPopupCalendar popup;
    EXPECT_EQ(popup.GetClassStyle(), static_cast<UINT>(CS_DBLCLKS | CS_SAVEBITS));
    EXPECT_EQ(popup.GetCalendarFlags(), 0x0039C100u);
    popup.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    popup.SelectDay(Day(2023, 3, 15), TRUE);
    const RECT anchor{60, 80, 200, 100};
    ASSERT_TRUE(popup.CreatePopup(WS_POPUP | WS_VISIBLE | WS_THICKFRAME | 0x1, anchor, owner.Wnd(), 0));
    EXPECT_EQ(popup.GetStyle() & WS_CHILD, 0u);
    CRect window;
    popup.GetWindowRect(&window);
    EXPECT_EQ(window.left, 60);
    EXPECT_EQ(window.top, 100);
    CRect client;
    popup.GetClientRect(&client);
    CSize wanted; // what an uncreated pop-up of the same flags asks for, before its fonts are fitted
    {
        TestPopupCalendar fresh;
        CClientDC dc(owner.Wnd());
        wanted = fresh.CalcWindowSize(&dc);
    }
    EXPECT_EQ(client.Size(), wanted);
    EXPECT_EQ(Text(popup.GetFocusDate()), "2023-03-15");
    // The fitted fonts fill the boxes: the day number's font is not the tiny default.
    EXPECT_GT(wanted.cx, 7 * 10);
    EXPECT_GT(wanted.cy, 6 * 10);
}

TEST(CalendarPopup, LosingTheActivationAcceptsOrCancels) {
    struct Case {
        int mode;
        bool selectDay;
        UINT expected;
    } const cases[] = {
        {1, true, GEB_CALN_ACCEPT},
        {1, false, GEB_CALN_CANCEL},
        {2, true, GEB_CALN_CANCEL},
        {0, true, GEB_CALN_CANCEL},
    };
    for (const Case& c : cases) {
        OwnerWindow owner;
        TestPopupCalendar popup;
        EXPECT_EQ(popup.SetDeactivateMode(c.mode), 1);
        popup.SetDisplayedDate(Day(2023, 3, 15), FALSE);
        if (c.selectDay)
            popup.SelectDay(Day(2023, 3, 15), TRUE);
        ASSERT_TRUE(popup.CreatePopup(WS_POPUP | WS_VISIBLE | 0x1, RECT{10, 10, 100, 30}, owner.Wnd(), 0));
        popup.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(owner.LastClose(), c.expected) << "mode " << c.mode << " day " << c.selectDay;
        EXPECT_FALSE(popup.IsWindowVisible());
        // Hidden, a further loss of the activation reports nothing more.
        popup.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(owner.LastClose(), 0u);
    }
}

TEST(CalendarPopup, BorderHitsAnswerClientUnlessResizable) {
    for (const DWORD flags : {DWORD{0x0039C100}, 0x0039C100 | GEB_CAL_RESIZABLE}) {
        OwnerWindow owner;
        TestPopupCalendar popup;
        popup.SetCalendarFlags(flags);
        ASSERT_TRUE(popup.CreatePopup(WS_POPUP | WS_VISIBLE | WS_THICKFRAME | 0x1, RECT{10, 10, 100, 30},
                                      owner.Wnd(), 0));
        CRect window;
        popup.GetWindowRect(&window);
        const LRESULT nHit = popup.SendMessage(
            WM_NCHITTEST, 0, MAKELPARAM(window.right - 1, (window.top + window.bottom) / 2));
        if ((flags & GEB_CAL_RESIZABLE) != 0)
            EXPECT_EQ(nHit, HTRIGHT);
        else
            EXPECT_EQ(nHit, HTCLIENT);
    }
}
