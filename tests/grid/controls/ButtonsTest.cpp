// Child buttons: the arrows' press-and-repeat sequence against a clock the test moves, and the glyphs
// of the arrow and hot-spot buttons.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEDownArrowButton.h"
#include "grid/controls/CGEHotSpotButton.h"
#include "grid/controls/CGEUpArrowButton.h"

#include <vector>

using namespace ctltest;

namespace {

// A control that counts the clicks its children report.
class ClickCounter : public CGEControl {
public:
    explicit ClickCounter(CGEGridCore* pGrid) : CGEControl(pGrid) {}
    void OnChildButtonClicked(CGEChild*) override { ++clicks; }
    int clicks = 0;
};

// An up arrow on the test's clock.
class ClockedArrow : public CGEUpArrowButton {
public:
    explicit ClockedArrow(CGEControl* pOwner) : CGEUpArrowButton(pOwner) {}
    DWORD CurrentTicks() const override { return now; }
    DWORD now = 1000;
};

// The widths of the runs of black pixels in each row of a rectangle (0 for rows without any).
std::vector<int> BlackRows(const PixelCanvas& canvas, const CRect& rect) {
    std::vector<int> rows;
    for (int y = rect.top; y < rect.bottom; ++y) {
        int n = 0;
        for (int x = rect.left; x < rect.right; ++x)
            n += canvas.At(x, y) == RGB(0, 0, 0);
        if (n > 0)
            rows.push_back(n);
    }
    return rows;
}

} // namespace

TEST(ArrowButton, AHeldArrowRepeatsFasterDownToFiftyMilliseconds) {
    TestGrid grid;
    ClickCounter owner(&grid);
    ClockedArrow arrow(&owner);
    arrow.SetRect(CRect(0, 0, 15, 10));
    const CPoint inside(5, 5);
    arrow.LButtonDown(MK_LBUTTON, inside);
    EXPECT_EQ(owner.clicks, 1) << "a click at once";
    arrow.now += 499;
    arrow.OnMouseMove(MK_LBUTTON, inside);
    EXPECT_EQ(owner.clicks, 1) << "not before 500 ms";
    arrow.now += 1;
    arrow.OnMouseMove(MK_LBUTTON, inside);
    EXPECT_EQ(owner.clicks, 2);
    EXPECT_EQ(arrow.GetRepeatInterval(), 150u);
    // Then every interval, 5 ms shorter each time, until 50 ms.
    std::vector<DWORD> intervals;
    for (int i = 0; i < 30; ++i) {
        const DWORD nWait = arrow.GetRepeatInterval();
        arrow.now += nWait;
        arrow.OnMouseMove(MK_LBUTTON, inside);
        intervals.push_back(nWait);
    }
    EXPECT_EQ(owner.clicks, 32);
    EXPECT_EQ(intervals[0], 150u);
    EXPECT_EQ(intervals[1], 145u);
    EXPECT_EQ(intervals[20], 50u);
    EXPECT_EQ(intervals[29], 50u) << "it stays at 50 ms";
    // Moving off the arrow pauses the repeat; releasing reports nothing more.
    arrow.now += 1000;
    arrow.OnMouseMove(MK_LBUTTON, CPoint(50, 50));
    EXPECT_EQ(owner.clicks, 32);
    arrow.LButtonUp(0, inside);
    EXPECT_EQ(owner.clicks, 32);
    EXPECT_FALSE(arrow.IsPressed());
}

TEST(ArrowButton, NextIntervalsFollowTheSteps) {
    struct Case {
        DWORD from, to;
    } const cases[] = {{500, 150}, {151, 150}, {150, 145}, {55, 50}, {51, 46}, {50, 50}, {20, 20}};
    for (const Case& c : cases)
        EXPECT_EQ(CGEArrowButton::NextInterval(c.from), c.to) << c.from;
}

TEST(ArrowButton, GlyphRowsByHeight) {
    TestGrid grid;
    ClickCounter owner(&grid);
    struct Case {
        int height;
        BOOL up;
        std::vector<int> rows;
    } const cases[] = {{6, TRUE, {1, 3, 5}},     {8, TRUE, {1, 3, 5, 7}}, {6, FALSE, {7, 5, 3}},
                       {9, FALSE, {7, 5, 3, 1}}, {4, TRUE, {}},           {4, FALSE, {}}};
    for (const Case& c : cases) {
        PixelCanvas canvas(40, 20, RGB(255, 255, 255));
        const CRect rect(5, 2, 20, 2 + c.height);
        CGEUpArrowButton up(&owner);
        CGEDownArrowButton down(&owner);
        CGEButton& button = c.up ? static_cast<CGEButton&>(up) : static_cast<CGEButton&>(down);
        button.SetRect(rect);
        button.Draw(canvas.DC(), FALSE);
        // The edge may draw black on the bottom and right: look left of and above it.
        EXPECT_EQ(BlackRows(canvas, CRect(rect.left + 2, rect.top, rect.right - 2, rect.bottom - 1)), c.rows)
            << (c.up ? "up " : "down ") << c.height;
    }
}

TEST(HotSpotButton, TheArrowNeedsTwelvePixels) {
    TestGrid grid;
    ClickCounter owner(&grid);
    for (int nHeight : {11, 12}) {
        PixelCanvas canvas(40, 20, RGB(255, 255, 255));
        CGEHotSpotButton button(&owner);
        const CRect rect(2, 2, 18, 2 + nHeight);
        button.SetRect(rect);
        button.Draw(canvas.DC(), FALSE);
        const int nBlack = canvas.DarkPixels(CRect(rect.left + 2, rect.top, rect.right - 2, rect.bottom - 1));
        if (nHeight < 12) {
            EXPECT_EQ(nBlack, 0) << "face and edge only";
        } else {
            EXPECT_EQ(nBlack, 12 + 9 - 3 + 7 + 5 + 3 + 1)
                << "the bent arrow's pixels (two parts overlap by 3)";
        }
    }
}
