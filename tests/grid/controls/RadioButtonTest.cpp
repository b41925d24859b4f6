// Radio-button cells: the items of a choice list, their bands and hits, the space bar's cycle over the
// cell's own items, clicks on a button or its text, read-only cells, the drawn selection, and the
// variant that keeps its change until the grid stores the current cell, laid out side by side.
#include "ControlsTestSupport.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGERadioButton.h"
#include "grid/controls/CGERadioButtonEx.h"

using namespace ctltest;

namespace {

CGEStyle RadioStyle(LPCSTR pszChoices, LPCSTR pszValue, WORD nControl = GE_IDS_CTRL_RADIOBTN) {
    return ControlStyle(nControl, pszChoices, pszValue);
}

// A point on the text of item nItem of the bound cell (vertical layout).
CPoint OnItemText(CGEGridCore& grid, CGEControl& control, ROWCOL nRow, ROWCOL nCol, int nItem) {
    const CRect rectText = control.ComputeTextRect(nRow, nCol, nullptr, nullptr);
    CDC* pDC = grid.GetGridDC();
    CFont* pOldFont = control.SelectStyleFont(pDC, grid.LookupStyleRowCol(nRow, nCol), nullptr);
    const int cyItem = CGERadioButton::ItemHeight(pDC);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return CPoint(rectText.left + CGERadioButton::textOffset + 2, rectText.top + nItem * cyItem + cyItem / 2);
}

} // namespace

TEST(RadioButton, ItemsIndexesAndTheSpaceBarCycle) {
    struct Case {
        const char* choices;
        size_t items;
        const char* second;
    } const lists[] = {
        {"A\nB\nC", 3, "B"},
        {"A\n\nB", 2, "B"},         // an empty line is no item
        {"A\r\n\r\nB\r\n", 2, "B"}, // CR LF breaks as well
        {"", 0, nullptr},
    };
    for (const Case& c : lists) {
        const std::vector<CString> items = CGERadioButton::ItemsOf(RadioStyle(c.choices, nullptr));
        ASSERT_EQ(items.size(), c.items) << c.choices;
        if (c.second != nullptr) {
            EXPECT_STREQ(items[1], c.second) << c.choices;
        }
    }
    struct Value {
        const char* value;
        int index;
    } const values[] = {{"", -1}, {"0", 0}, {"2", 2}, {"x", -1}, {"1x", -1}, {"-1", -1}};
    for (const Value& v : values)
        EXPECT_EQ(CGERadioButton::SelectedIndex(RadioStyle("A", v.value)), v.index) << v.value;
    EXPECT_EQ(CGERadioButton::SelectedIndex(RadioStyle("A", nullptr)), -1);
    struct Step {
        int current;
        int count;
        int next;
    } const steps[] = {{-1, 3, 0}, {0, 3, 1}, {2, 3, 0}, {7, 3, 0}, {-1, 0, -1}, {0, 1, 0}};
    for (const Step& s : steps)
        EXPECT_EQ(CGERadioButton::NextIndex(s.current, s.count), s.next) << s.current << " of " << s.count;
}

TEST(RadioButton, BandsAndHitsFollowTheLayout) {
    TestGrid grid;
    CDC* pDC = grid.GetGridDC();
    const int cyItem = CGERadioButton::ItemHeight(pDC);
    EXPECT_GE(cyItem, 12);
    const std::vector<CString> items = {"One", "Two", "Three"};
    const CRect rectText(10, 20, 200, 120);
    const std::vector<CRect> vertical = CGERadioButton::ItemBands(pDC, rectText, items, FALSE);
    ASSERT_EQ(vertical.size(), 3u);
    EXPECT_EQ(vertical[2], CRect(10, 20 + 2 * cyItem, 200, 20 + 3 * cyItem));
    const std::vector<CRect> horizontal = CGERadioButton::ItemBands(pDC, rectText, items, TRUE);
    ASSERT_EQ(horizontal.size(), 3u);
    const int cxOne = pDC->GetTextExtent("One", 3).cx;
    EXPECT_EQ(horizontal[1].left, 10 + 18 + cxOne) << "each item takes 18 pixels and its text";
    EXPECT_EQ(horizontal[1].top, 20);

    const int cxTwo = pDC->GetTextExtent("Two", 3).cx;
    struct Hit {
        CPoint point;
        BOOL horizontal;
        int item;
        const char* what;
    } const hits[] = {
        {CPoint(12, 20 + cyItem / 2), FALSE, 0, "the first button"},
        {CPoint(10 + 18 + 2, 20 + cyItem + cyItem / 2), FALSE, 1, "the second item's text"},
        {CPoint(10 + 18 + cxTwo + 20, 20 + cyItem + cyItem / 2), FALSE, -1, "right of a text"},
        {CPoint(12, 20 + 3 * cyItem + 2), FALSE, -1, "below the last item"},
        {CPoint(10 + 18 + cxOne + 4, 20 + 3), TRUE, 1, "side by side: the second button"},
        {CPoint(12, 20 + cyItem + 2), TRUE, -1, "side by side: below the row"},
    };
    for (const Hit& h : hits)
        EXPECT_EQ(CGERadioButton::HitTestItems(pDC, rectText, items, h.horizontal, h.point), h.item)
            << h.what;
}

TEST(RadioButton, TheSpaceBarWrapsAtTheCurrentCellsOwnItems) {
    TestGrid grid;
    PutStyle(grid, 2, 2, RadioStyle("A\nB\nC", "1"));
    PutStyle(grid, 3, 2, RadioStyle("A\nB\nC\nD\nE\nF", ""));
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pRadio = ControlOf<CGERadioButton>(grid, 2, 2);
    ASSERT_NE(pRadio, nullptr);
    // A neighbour with six items drawn last must not change where the current cell's cycle wraps.
    PixelCanvas canvas(200, 200);
    pRadio->Draw(canvas.DC(), CRect(0, 0, 100, 120), 3, 2, grid.LookupStyleRowCol(3, 2), nullptr);
    EXPECT_EQ(pRadio->GetItemCount(), 6);
    const char* const expected[] = {"2", "0", "1"};
    for (const char* pszValue : expected) {
        EXPECT_TRUE(pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1));
        EXPECT_STREQ(grid.GetStoredCellValue(2, 2), pszValue);
    }
    grid.SetCurrentCell(3, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_STREQ(grid.GetStoredCellValue(3, 2), "0") << "an empty value: the first space selects item 0";
}

TEST(RadioButton, AClickOnAnItemStoresItsIndex) {
    TestGrid grid;
    PutStyle(grid, 2, 2, RadioStyle("A\n\nB\nC", ""));
    grid.SetRowHeight(2, 2, 80);
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pRadio = ControlOf<CGERadioButton>(grid, 2, 2);
    ASSERT_NE(pRadio, nullptr);
    pRadio->LButtonUp(0, OnItemText(grid, *pRadio, 2, 2, 1), GE_MR_UP);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "1") << "the text of B, the second item";
    pRadio->LButtonUp(0, OnItemText(grid, *pRadio, 2, 2, 3), GE_MR_UP);
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "1") << "below the last item nothing changes";

    CGEStyle readOnly = RadioStyle("A\nB", "0");
    readOnly.SetReadOnly(TRUE);
    PutStyle(grid, 4, 2, readOnly);
    grid.SetCurrentCell(4, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    pRadio->LButtonUp(0, OnItemText(grid, *pRadio, 4, 2, 1), GE_MR_UP);
    EXPECT_FALSE(pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1));
    EXPECT_STREQ(grid.GetStoredCellValue(4, 2), "0") << "a read-only cell ignores clicks and the space bar";
}

TEST(RadioButton, TheSelectedItemIsDrawnWithADot) {
    TestGrid grid;
    for (WORD nControl : {GE_IDS_CTRL_RADIOBTN, GE_IDS_CTRL_RADIOBTN3D}) {
        const CGEStyle style = RadioStyle("A\nB", "1", nControl);
        PutStyle(grid, 2, 2, style);
        auto* pRadio = ControlOf<CGERadioButton>(grid, 2, 2);
        ASSERT_NE(pRadio, nullptr);
        PixelCanvas canvas(120, 80, RGB(255, 255, 255));
        const CRect rect(0, 0, 100, 60);
        const CGEStyle& composed = grid.LookupStyleRowCol(2, 2);
        pRadio->Draw(canvas.DC(), rect, 2, 2, composed, nullptr);
        const CRect rectText = pRadio->ComputeTextRect(2, 2, &rect, &composed);
        pRadio->SelectStyleFont(canvas.DC(), composed, nullptr);
        const int cyItem = CGERadioButton::ItemHeight(canvas.DC());
        // The middle of each button: black under the dot of the selected one only.
        const int x = rectText.left + 3 + 6;
        const int y0 = rectText.top + (cyItem - 12) / 2 + 6;
        EXPECT_EQ(canvas.At(x, y0 + cyItem), RGB(0, 0, 0)) << nControl << ": B is selected";
        EXPECT_NE(canvas.At(x, y0), RGB(0, 0, 0)) << nControl << ": A is not";
        EXPECT_GT(
            canvas.DarkPixels(CRect(rectText.left, rectText.top, rectText.left + 16, rectText.top + cyItem)),
            8)
            << nControl << ": A's button is drawn";
    }
}

TEST(RadioButton, PreferredSizes) {
    TestGrid grid;
    CDC* pDC = grid.GetGridDC();
    CGERadioButton radio(&grid, FALSE);
    CGERadioButtonEx radioEx(&grid, FALSE);
    CGEStyle style = RadioStyle("Short\nA longer item\nMid", "");
    // Measured in the font the controls select for the style.
    radio.SelectStyleFont(pDC, style, nullptr);
    CSize vertical;
    radio.CalcSize(vertical, pDC, 1, 1, style, nullptr, FALSE);
    CSize sideBySide;
    radioEx.CalcSize(sideBySide, pDC, 1, 1, style, nullptr, FALSE);
    style.SetUserAttribute(GE_IDS_UA_RADIOBTN_ALIGN, "1");
    CSize horizontal;
    radioEx.CalcSize(horizontal, pDC, 1, 1, style, nullptr, FALSE);
    const int cyItem = CGERadioButton::ItemHeight(pDC);
    const CSize margins = radio.AddTextMarginsToSize(pDC, CSize(0, 0), style);
    EXPECT_EQ(vertical.cy - margins.cy, 3 * cyItem + 4);
    EXPECT_EQ(vertical.cx - margins.cx, pDC->GetTextExtent("A longer item", 13).cx + 22);
    EXPECT_EQ(sideBySide, horizontal) << "one item high whatever the alignment";
    EXPECT_EQ(horizontal.cy - margins.cy, cyItem + 4);
    EXPECT_EQ(horizontal.cx - margins.cx, pDC->GetTextExtent("Short", 5).cx +
                                              pDC->GetTextExtent("A longer item", 13).cx +
                                              pDC->GetTextExtent("Mid", 3).cx + 3 * 18 + 4);
}

TEST(RadioButtonEx, ChangesStayInTheControlUntilTheCellIsStored) {
    TestGrid grid;
    PutStyle(grid, 2, 2, RadioStyle("A\nB\nC", "0", GE_IDS_CTRL_RADIOBTN_EX));
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pRadio = ControlOf<CGERadioButtonEx>(grid, 2, 2);
    ASSERT_NE(pRadio, nullptr);
    EXPECT_FALSE(pRadio->IsActive());
    EXPECT_TRUE(pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1));
    EXPECT_TRUE(pRadio->IsActive());
    EXPECT_TRUE(pRadio->GetModify());
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "0") << "not stored yet";
    CString strValue;
    pRadio->GetValue(strValue);
    EXPECT_STREQ(strValue, "1");
    pRadio->OnGridWindowMessage(WM_KEYDOWN, VK_DELETE, 1);
    pRadio->GetValue(strValue);
    EXPECT_STREQ(strValue, "") << "Delete empties the value";
    pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(pRadio->Store());
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "0");
    EXPECT_FALSE(pRadio->IsActive());
    // A reset discards an unstored change.
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    pRadio->OnGridWindowMessage(WM_CHAR, VK_SPACE, 1);
    pRadio->Reset();
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "0");
}

TEST(RadioButtonEx, SideBySideItemsAreClickedWhereTheyAreDrawn) {
    TestGrid grid;
    CGEStyle style = RadioStyle("Left\nRight", "", GE_IDS_CTRL_RADIOBTN3D_EX);
    style.SetUserAttribute(GE_IDS_UA_RADIOBTN_ALIGN, "1");
    PutStyle(grid, 2, 2, style);
    grid.SetColWidth(2, 2, 160);
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pRadio = ControlOf<CGERadioButtonEx>(grid, 2, 2);
    ASSERT_NE(pRadio, nullptr);
    const CRect rectText = pRadio->ComputeTextRect(2, 2, nullptr, nullptr);
    const int cxLeft = grid.GetGridDC()->GetTextExtent("Left", 4).cx;
    pRadio->LButtonUp(0, CPoint(rectText.left + 18 + cxLeft + 5, rectText.top + 4), GE_MR_UP);
    EXPECT_TRUE(pRadio->IsActive());
    EXPECT_TRUE(pRadio->Store());
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "1");
}

TEST(RadioButtonWindow, AClickInAGridWindowPicksTheItem) {
    WindowGrid window;
    window.grid.SetRowHeight(2, 2, 60);
    PutStyle(window.grid, 2, 2, RadioStyle("Red\nGreen\nBlue", "", GE_IDS_CTRL_RADIOBTN_EX));
    PutStyle(window.grid, 3, 2, RadioStyle("Red\nGreen\nBlue", ""));
    window.Select(2, 2);
    auto* pRadio = ControlOf<CGERadioButtonEx>(window.grid, 2, 2);
    ASSERT_NE(pRadio, nullptr);
    Click(window.Hwnd(), OnItemText(window.grid, *pRadio, 2, 2, 2));
    window.Update();
    EXPECT_TRUE(pRadio->IsActive());
    PressKey(VK_DOWN); // leaving the cell stores the pick
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "2");
    EXPECT_TRUE(window.grid.IsCurrentCell(3, 2));
    TypeText(" ");
    window.Update();
    EXPECT_STREQ(window.Value(3, 2), "0") << "the plain radio buttons store a space press at once";
}
