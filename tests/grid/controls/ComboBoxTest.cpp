// The combo box's choice-list rules without a window (display-choice indexes, text-fit matching, where a
// list goes on the desktop), and in a real grid window the ways its list closes.
#include "ControlsTestSupport.h"

#include "framework/win/CListBox.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/controls/combo/CGEComboBoxButton.h"
#include "grid/controls/combo/CGEComboListBox.h"
#include "grid/core/CGEFindReplaceState.h"

using namespace ctltest;

namespace {

const char* const kColours = "Red\r\nGreen\nBlue";

} // namespace

TEST(ComboBox, AOneBasedDisplayChoiceShowsTheItemOfItsNumber) {
    TestGrid grid;
    CGEComboBox combo(&grid, 52531, 52531, CGEComboBox::flagDisplayChoice | CGEComboBox::flagOneBased);
    struct Case {
        const char* value;
        BOOL found;
        const char* shown;
    } const cases[] =
        {
            {"2", TRUE, "Green"}, {"3", TRUE, "Blue"}, {"0", TRUE, ""},
            {"-1", TRUE, ""},     {"65535", TRUE, ""}, {"4", TRUE, ""},
            {"", FALSE, ""},      {"65538", TRUE, ""} /* past a 16-bit index: no item, not the second */};
    for (const Case& c : cases) {
        CString strShown("?");
        const CGEStyle style = ControlStyle(52531, kColours, c.value);
        EXPECT_EQ(combo.GetControlText(strShown, 1, 1, nullptr, style), c.found) << c.value;
        EXPECT_STREQ(strShown, c.shown) << c.value;
    }
    EXPECT_STREQ(combo.MapTextToValue("Red", kColours), "1") << "choosing the first item stores 1";
    EXPECT_STREQ(combo.MapTextToValue("bl", kColours), "3");
    EXPECT_STREQ(combo.MapTextToValue("Purple", kColours), "") << "no such item";
    CGEComboBox zeroBased(&grid, 52532, 52532, CGEComboBox::flagDisplayChoice | CGEComboBox::flagZeroBased);
    EXPECT_STREQ(zeroBased.MapTextToValue("Red", kColours), "0");
    CString strShown;
    EXPECT_TRUE(zeroBased.GetControlText(strShown, 1, 1, "2", ControlStyle(52532, kColours)));
    EXPECT_STREQ(strShown, "Blue");
}

TEST(ComboBox, ATextFitComboAcceptsOnlyItsChoices) {
    TestGrid grid;
    PutStyle(grid, 2, 2, ControlStyle(GE_IDS_CTRL_TEXTFIT, kColours));
    grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    auto* pCombo = ControlOf<CGEComboBox>(grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    EXPECT_TRUE(pCombo->ValidateString("")) << "an empty text";
    EXPECT_TRUE(pCombo->ValidateString("gr")) << "the start of a choice";
    EXPECT_FALSE(pCombo->ValidateString("Purple"));
    CString str("gre");
    EXPECT_TRUE(pCombo->ConvertControlTextToValue(str, 2, 2, nullptr));
    EXPECT_STREQ(str, "Green") << "the text becomes the choice it starts";
    grid.SetValueRange(CGECellRange(3, 2, 3, 2), "Blue", geOverride, 0, GE_NOREDRAW);
    PutStyle(grid, 3, 2, ControlStyle(GE_IDS_CTRL_TEXTFIT, kColours));
    EXPECT_FALSE(grid.SetControlTextRowCol(3, 2, "Purple", GE_NOREDRAW, nullptr)) << "no such choice";
    EXPECT_STREQ(grid.GetStoredCellValue(3, 2), "Blue") << "the value is kept, not emptied";
    EXPECT_TRUE(grid.SetControlTextRowCol(3, 2, "", GE_NOREDRAW, nullptr)) << "emptying is a choice";
    EXPECT_STREQ(grid.GetStoredCellValue(3, 2), "");
    PutStyle(grid, 4, 2, ControlStyle(52532, kColours, "1"));
    EXPECT_FALSE(grid.SetControlTextRowCol(4, 2, "Purple", GE_NOREDRAW, nullptr));
    EXPECT_STREQ(grid.GetStoredCellValue(4, 2), "1") << "a display-choice combo keeps its index";
    EXPECT_TRUE(grid.SetControlTextRowCol(4, 2, "blue", GE_NOREDRAW, nullptr));
    EXPECT_STREQ(grid.GetStoredCellValue(4, 2), "2");
    CGEComboBox free(&grid, 52517, 52517, CGEComboBox::flagNoTextFit);
    free.Init(2, 2);
    EXPECT_TRUE(free.ValidateString("Purple")) << "no text-fit: any text";
}

TEST(ComboBox, AListPastTheDesktopsEdgeComesBackOntoIt) {
    const CRect desktop(0, 0, 800, 600);
    const CRect text(700, 100, 780, 120);
    EXPECT_EQ(CGEComboBox::FitToDesktop(CRect(700, 120, 780, 220), text, desktop), CRect(700, 120, 780, 220));
    EXPECT_EQ(CGEComboBox::FitToDesktop(CRect(700, 120, 900, 220), text, desktop), CRect(580, 120, 780, 220))
        << "moved left so that its right edge lines up with the cell's";
    const CRect low(100, 560, 180, 580);
    EXPECT_EQ(CGEComboBox::FitToDesktop(CRect(100, 580, 180, 680), low, desktop), CRect(100, 460, 180, 560))
        << "moved above the cell";
    EXPECT_EQ(CGEComboBox::FitToDesktop(CRect(-50, 130, 400, 300), text, desktop), CRect(0, 130, 400, 300))
        << "clipped to the desktop";
}

TEST(ComboBox, ReplacingInTheShownTextStoresAChoiceOrNothing) {
    TestGrid grid;
    PutStyle(grid, 2, 2, ControlStyle(52531, kColours, "1"));
    auto* pCombo = ControlOf<CGEComboBox>(grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    CGEFindReplaceState state;
    state.SetFindText("Red", TRUE);
    state.m_strReplace = "Blue";
    EXPECT_TRUE(pCombo->ReplaceAll(state, 2, 2));
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "3") << "the shown Red became Blue, the third choice";
    state.SetFindText("Blue", TRUE);
    state.m_strReplace = "Purple";
    EXPECT_FALSE(pCombo->ReplaceAll(state, 2, 2)) << "Purple is no choice";
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "3") << "the index is kept, never replaced by a text";
    CGEStyle readOnly = ControlStyle(GE_IDS_CTRL_EDIT, nullptr, "Blue sky");
    readOnly.SetReadOnly(TRUE);
    PutStyle(grid, 3, 3, readOnly);
    state.SetFindText("sky", TRUE);
    state.m_strReplace = "sea";
    EXPECT_FALSE(grid.GetControl(3, 3)->ReplaceAll(state, 3, 3)) << "a read-only cell";
    EXPECT_STREQ(grid.GetStoredCellValue(3, 3), "Blue sky");
}

namespace {

// The top-left dark pixel inside a button (its edges left out), or (-1, -1).
CPoint FirstDarkPixel(const PixelCanvas& canvas, const CRect& rect) {
    for (int y = rect.top + 3; y < rect.bottom - 3; ++y) {
        for (int x = rect.left + 3; x < rect.right - 3; ++x) {
            const COLORREF c = canvas.At(x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 150)
                return CPoint(x, y);
        }
    }
    return CPoint(-1, -1);
}

} // namespace

TEST(ComboBox, TheButtonShowsInTheCurrentCellOrEverywhereWhenAsked) {
    StartEngine();
    TestGrid grid;
    CGEComboBox combo(&grid, 52517, 52517, CGEComboBox::flagNoTextFit);
    CGEComboBoxButton* pButton = combo.GetButton();
    const CRect rect(0, 0, 16, 20);
    pButton->SetRect(rect);
    const COLORREF fill = RGB(255, 0, 255);
    PixelCanvas other(16, 20, fill);
    pButton->Draw(other.DC(), FALSE);
    EXPECT_EQ(other.At(8, 10), fill) << "not in other cells";
    combo.SetButtonInEveryCell(TRUE);
    PixelCanvas every(16, 20, fill);
    pButton->Draw(every.DC(), FALSE);
    EXPECT_EQ(every.At(2, 2), ::GetSysColor(COLOR_3DFACE)) << "in every cell when asked";
    const CPoint arrow = FirstDarkPixel(every, rect);
    ASSERT_NE(arrow, CPoint(-1, -1)) << "the arrow";
    combo.SetActiveChild(pButton);
    pButton->OnGridKeyDown(VK_SPACE, 1, 0); // held down
    PixelCanvas otherPressed(16, 20, fill);
    pButton->Draw(otherPressed.DC(), FALSE);
    EXPECT_EQ(FirstDarkPixel(otherPressed, rect), arrow) << "never pushed outside the current cell";
    PixelCanvas pushed(16, 20, fill);
    pButton->Draw(pushed.DC(), TRUE);
    EXPECT_EQ(FirstDarkPixel(pushed, rect), arrow + CPoint(1, 1)) << "a press moves the arrow";
    pButton->OnGridCancelMode();
}

TEST(ComboWindow, AltDownInTheListClosesItWithoutAChoice) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_COMBOBOX, kColours, "Red"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    ASSERT_TRUE(pCombo->IsListShown());
    ::SendMessageA(KeyTarget(), WM_KEYDOWN, VK_END, 1);
    PressAltKey(VK_DOWN);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    window.Select(5, 5);
    EXPECT_STREQ(window.Value(2, 2), "Red");
}

TEST(ComboWindow, TabTakesTheChoiceAndMovesOn) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_ZEROBASED, kColours, "0"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    ASSERT_TRUE(pCombo->IsListShown());
    EXPECT_EQ(pCombo->GetListWindow()->GetCurSel(), 0) << "the index value is preselected";
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_TAB);
    window.Update(); // the Tab posted to the edit window moves the current cell
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
    EXPECT_STREQ(window.Value(2, 2), "2") << "a zero-based combo stores the index";
}

TEST(ComboWindow, ScrollingOrClickingTheGridClosesTheList) {
    WindowGrid window(40, 5);
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_COMBOBOX, kColours, "Red"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    ASSERT_TRUE(pCombo->IsListShown());
    MSG scroll{window.Hwnd(), WM_VSCROLL, SB_LINEDOWN, 0, 0, {0, 0}};
    pCombo->OnGridScroll(&scroll);
    EXPECT_FALSE(pCombo->IsListShown());
    PressAltKey(VK_DOWN);
    ASSERT_TRUE(pCombo->IsListShown());
    const LRESULT nResult = ::SendMessageA(window.Hwnd(), WM_MOUSEACTIVATE,
                                           reinterpret_cast<WPARAM>(::GetAncestor(window.Hwnd(), GA_ROOT)),
                                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(nResult, MA_ACTIVATEANDEAT) << "the click that closes the list is eaten";
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_KEYS_GO_TO(pCombo->m_hWnd);
}

TEST(ComboWindow, ATextFitComboRefusesTypingThatMatchesNoChoice) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_TEXTFIT, kColours, "Red"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    TypeText("b");
    window.Update();
    TypeText("x");
    EXPECT_STREQ(TextOf(pCombo), "b") << "bx starts no choice";
    TypeText("l");
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "Blue") << "the typed start becomes the choice";
}
