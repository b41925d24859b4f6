// List-box cells: which lines an inactive cell shows so that its value's line is in sight and inverted,
// a click that activates the cell and picks a line at once, keys with Ctrl that move the grid's current
// cell, a value left alone when nothing was picked, and read-only cells that are never stored.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEListBox.h"

using namespace ctltest;

namespace {

constexpr const char* kTen = "L0\nL1\nL2\nL3\nL4\nL5\nL6\nL7\nL8\nL9";

CGEStyle ListStyle(LPCSTR pszValue, LPCSTR pszChoices = kTen) {
    return ControlStyle(GE_IDS_CTRL_LISTBOX, pszChoices, pszValue);
}

// The height of a line of the cell's font.
int LineHeight(CGEGridCore& grid, CGEControl& control, ROWCOL nRow, ROWCOL nCol) {
    CDC* pDC = grid.GetGridDC();
    CFont* pOldFont = control.SelectStyleFont(pDC, grid.LookupStyleRowCol(nRow, nCol), nullptr);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return tm.tmHeight + tm.tmExternalLeading;
}

} // namespace

TEST(ListBox, TheValuesLineIsScrolledIntoSight) {
    const std::vector<CString> lines = CGEListBox::LinesOf(ListStyle(""));
    ASSERT_EQ(lines.size(), 10u);
    struct Case {
        const char* value;
        int cellHeight; // in lines
        int skipped;
        const char* what;
    } const cases[] = {
        {"L4", 2, 3, "the fifth of ten in a cell two lines high is its last line"},
        {"L1", 2, 0, "a line that shows anyway"},
        {"L9", 3, 7, "the last line"},
        {"L9", 20, 0, "a cell high enough for all"},
        {"missing", 2, 0, "no line equals the value: from the first line"},
        {"l4", 2, 0, "lines compare exactly"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGEListBox::SkippedLines(lines, c.value, c.cellHeight * 16, 16), c.skipped) << c.what;
    EXPECT_EQ(CGEListBox::LinesOf(ListStyle("", "A\n\nB")).size(), 3u) << "an empty line is a line";
}

TEST(ListBox, AnInactiveCellInvertsTheValuesLine) {
    TestGrid grid;
    PutStyle(grid, 2, 2, ListStyle("L4"));
    auto* pList = ControlOf<CGEListBox>(grid, 2, 2);
    ASSERT_NE(pList, nullptr);
    const int h = LineHeight(grid, *pList, 2, 2);
    PixelCanvas canvas(120, 80, RGB(255, 255, 255));
    const CRect rect(0, 0, 100, 2 * h + 3);
    const CGEStyle& style = grid.LookupStyleRowCol(2, 2);
    pList->Draw(canvas.DC(), rect, 2, 2, style, nullptr);
    const CRect rectText = pList->ComputeTextRect(2, 2, &rect, &style);
    const CRect first(rectText.left + 2, rectText.top, rectText.right, rectText.top + h);
    const CRect second(first.left, first.bottom, first.right, first.bottom + h);
    // Inverted: dark background with light text, most of the line dark.
    EXPECT_GT(canvas.DarkPixels(second), second.Width() * second.Height() / 2)
        << "L4 is the second line shown";
    EXPECT_LT(canvas.DarkPixels(first), first.Width() * first.Height() / 4) << "L3 above it is not inverted";

    PutStyle(grid, 3, 2, ListStyle("missing"));
    PixelCanvas plain(120, 80, RGB(255, 255, 255));
    pList->Draw(plain.DC(), rect, 3, 2, grid.LookupStyleRowCol(3, 2), nullptr);
    EXPECT_LT(plain.DarkPixels(rect), rect.Width() * h / 4) << "nothing inverted";
    EXPECT_GT(plain.DarkPixels(first), 0) << "the first line's text is drawn";
}

TEST(ListBox, PreferredSize) {
    TestGrid grid;
    CGEListBox list(&grid, GE_IDS_CTRL_LISTBOX);
    const CGEStyle style = ListStyle("", "ab\nlonger line\nc");
    CDC* pDC = grid.GetGridDC();
    CSize size;
    list.CalcSize(size, pDC, 1, 1, style, nullptr, FALSE);
    list.SelectStyleFont(pDC, style, nullptr);
    const CSize widest = pDC->GetTextExtent("longer line", 11);
    const CSize margins = list.AddTextMarginsToSize(pDC, CSize(0, 0), style);
    EXPECT_EQ(size.cx - margins.cx, widest.cx + 4);
    EXPECT_EQ(size.cy - margins.cy, 3 * widest.cy + 4);
    const int m = std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
    EXPECT_EQ(margins.cx - CGEControl(&grid).AddTextMarginsToSize(pDC, CSize(0, 0), style).cx, m / 2 + m);
}

TEST(ListBoxWindow, OneClickActivatesAndPicksTheLine) {
    WindowGrid window;
    window.grid.SetRowHeight(2, 2, 80);
    PutStyle(window.grid, 2, 2, ListStyle("L0"));
    window.Select(2, 2);
    auto* pList = ControlOf<CGEListBox>(window.grid, 2, 2);
    ASSERT_NE(pList, nullptr);
    EXPECT_FALSE(pList->IsActive());
    const int h = LineHeight(window.grid, *pList, 2, 2);
    const CRect rectText = pList->ComputeTextRect(2, 2, nullptr, nullptr);
    Click(window.Hwnd(), CPoint(rectText.left + 10, rectText.top + 2 * h + h / 2));
    window.Update();
    ASSERT_TRUE(pList->IsActive());
    EXPECT_TRUE(pList->IsWindowVisible());
    EXPECT_EQ(pList->GetCurSel(), 2) << "the line under the click";
    EXPECT_TRUE(pList->GetModify());
    CString strValue;
    pList->GetValue(strValue);
    EXPECT_STREQ(strValue, "L2");
    window.grid.ctrl = TRUE;
    PressKey(VK_DOWN);
    window.grid.ctrl = FALSE;
    window.Update();
    ROWCOL nRow = 0;
    ROWCOL nCol = 0;
    ASSERT_TRUE(window.grid.GetCurrentCell(nRow, nCol));
    EXPECT_GT(nRow, 2u) << "Ctrl+Down moves the grid's current cell";
    EXPECT_STREQ(window.Value(2, 2), "L2");
    EXPECT_FALSE(pList->IsWindowVisible());
}

TEST(ListBoxWindow, KeysMoveTheSelectionAndLeavingWithoutAPickKeepsTheValue) {
    WindowGrid window;
    window.grid.SetRowHeight(2, 2, 80);
    PutStyle(window.grid, 2, 2, ListStyle("not in the list"));
    PutStyle(window.grid, 4, 2, ListStyle("L1"));
    window.Select(2, 2);
    auto* pList = ControlOf<CGEListBox>(window.grid, 2, 2);
    ASSERT_NE(pList, nullptr);
    pList->SetActive(TRUE);
    pList->Refresh();
    window.Update();
    EXPECT_EQ(pList->GetCurSel(), -1) << "no line equals the value";
    PressKey(VK_TAB);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3)) << "Tab leaves the list";
    EXPECT_STREQ(window.Value(2, 2), "not in the list") << "nothing picked, nothing lost";

    window.Select(4, 2);
    PressKey(VK_DOWN);
    window.Update();
    EXPECT_TRUE(pList->IsActive()) << "an arrow key activates the list";
    EXPECT_TRUE(window.grid.IsCurrentCell(4, 2));
    EXPECT_EQ(pList->GetCurSel(), 2) << "and moves its selection";
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(4, 2), "L3");
}

TEST(ListBoxWindow, AReadOnlyCellIsNeverStored) {
    WindowGrid window;
    window.grid.SetRowHeight(2, 2, 80);
    CGEStyle style = ListStyle("L1");
    style.SetReadOnly(TRUE);
    PutStyle(window.grid, 2, 2, style);
    window.Select(2, 2);
    auto* pList = ControlOf<CGEListBox>(window.grid, 2, 2);
    ASSERT_NE(pList, nullptr);
    pList->SetActive(TRUE);
    pList->Refresh();
    window.Update();
    pList->SetCurSel(4);
    pList->SetModify(TRUE);
    EXPECT_TRUE(pList->Store());
    EXPECT_STREQ(window.Value(2, 2), "L1");
    EXPECT_FALSE(pList->GetModify());
}

TEST(ListBoxWindow, SetValueSelectsOnlyALineOfTheList) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ListStyle("L1"));
    window.Select(2, 2);
    auto* pList = ControlOf<CGEListBox>(window.grid, 2, 2);
    ASSERT_NE(pList, nullptr);
    pList->SetValue("nonsense");
    EXPECT_FALSE(pList->GetModify());
    pList->SetValue("L7");
    EXPECT_TRUE(pList->GetModify());
    CString strValue;
    pList->GetValue(strValue);
    EXPECT_STREQ(strValue, "L7");
    EXPECT_TRUE(pList->Store());
    EXPECT_STREQ(window.Value(2, 2), "L7");
}
