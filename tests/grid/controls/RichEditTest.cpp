// Rich-edit cells (the system's rich edit windows): plain text becomes RTF with its special characters
// escaped, typed text is stored as RTF and reads back as the same plain text, formats applied to a cell
// go into its RTF, long text is cut before it becomes RTF, Delete empties a cell, and inactive cells are
// drawn from their RTF.
#include "ControlsTestSupport.h"

#include "grid/controls/edit/CGERichEditCtrl.h"
#include "grid/core/CGEFont.h"

using namespace ctltest;

namespace {

CGEStyle RichStyle(LPCSTR pszValue = nullptr) {
    return ControlStyle(GE_IDS_CTRL_RICHEDIT, nullptr, pszValue);
}

// The plain text of a cell's stored value, read by the control.
CString PlainTextOf(WindowGrid& window, CGERichEditCtrl& control, ROWCOL nRow, ROWCOL nCol) {
    CString strText;
    const CString strValue = window.Value(nRow, nCol);
    control.GetControlText(strText, nRow, nCol, strValue, window.grid.LookupStyleRowCol(nRow, nCol));
    return strText;
}

} // namespace

TEST(RichEdit, PlainTextBecomesRtfWithItsSpecialCharactersEscaped) {
    struct Case {
        const char* text;
        const char* rtf;
    } const cases[] = {
        {"plain", "{\\rtf1\\ansi plain}"},
        {"a{b}c\\d", "{\\rtf1\\ansi a\\{b\\}c\\\\d}"},
        {"{\\b not bold}", "{\\rtf1\\ansi \\{\\\\b not bold\\}}"},
        {"Gr\xFC\xDF"
         "e",
         "{\\rtf1\\ansi Gr\\'fc\\'dfe}"},
        {"one\r\ntwo\nthree", "{\\rtf1\\ansi one\\par two\\par three}"},
        {"", "{\\rtf1\\ansi }"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CGERichEditCtrl::PlainTextToRtf(c.text), c.rtf) << c.text;
    EXPECT_TRUE(CGERichEditCtrl::IsRtf("{\\rtf1 x}"));
    EXPECT_FALSE(CGERichEditCtrl::IsRtf("{x}"));
    EXPECT_STREQ(CGERichEditCtrl::controlClass.m_pBaseClass->m_pszClassName, "CGEControl");
}

TEST(RichEditWindow, TypedTextIsStoredAsRtfAndReadsBackAsTyped) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, RichStyle());
    PutStyle(window.grid, 4, 2,
             RichStyle("Gr\xFC\xDF"
                       "e {x} \\y"));
    window.Select(2, 2);
    auto* pRich = ControlOf<CGERichEditCtrl>(window.grid, 2, 2);
    ASSERT_NE(pRich, nullptr);
    TypeText("H");
    window.Update();
    ASSERT_TRUE(pRich->IsActive());
    EXPECT_KEYS_GO_TO(pRich->m_hWnd);
    TypeText("ello {world}");
    PressKey(VK_DOWN);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(3, 2)) << "Down on the last line leaves the cell";
    EXPECT_TRUE(CGERichEditCtrl::IsRtf(window.Value(2, 2))) << window.Value(2, 2).GetString();
    EXPECT_STREQ(PlainTextOf(window, *pRich, 2, 2), "Hello {world}");
    // A plain value shows as its own text, braces, backslashes and accents included.
    window.Select(4, 2);
    CString strText;
    pRich->GetWindowText(strText);
    EXPECT_STREQ(strText, "Gr\xFC\xDF"
                          "e {x} \\y");
}

TEST(RichEditWindow, FormatsGoIntoTheRtfOfTheValue) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, RichStyle("Heavy"));
    PutStyle(window.grid, 5, 2, RichStyle());
    window.Select(5, 2); // the rich edit windows exist once a rich cell was current
    CGEStyle bold;
    bold.SetFont(CGEFont().SetWeight(FW_BOLD));
    window.grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &bold, geOverride, 1, nullptr, GE_NOREDRAW);
    const CString strValue = window.Value(2, 2);
    EXPECT_TRUE(CGERichEditCtrl::IsRtf(strValue));
    EXPECT_NE(strValue.Find("\\b"), -1) << strValue.GetString();
    auto* pRich = ControlOf<CGERichEditCtrl>(window.grid, 2, 2);
    ASSERT_NE(pRich, nullptr);
    EXPECT_STREQ(PlainTextOf(window, *pRich, 2, 2), "Heavy");
    CGEStyle stored;
    window.grid.GetStyleRowCol(2, 2, stored);
    EXPECT_FALSE(stored.GetIncludeFont()) << "the font lives in the RTF, not in the cell's style";
    // A style with only a value is stored as it is.
    CGEStyle valueOnly;
    valueOnly.SetValue("just text");
    window.grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &valueOnly, geOverride, 1, nullptr, GE_NOREDRAW);
    EXPECT_STREQ(window.Value(2, 2), "just text");
}

TEST(RichEditWindow, LongTextIsCutAndDeleteEmptiesTheCell) {
    WindowGrid window;
    CGEStyle limited = RichStyle("kept");
    limited.SetMaxLength(4);
    PutStyle(window.grid, 2, 2, limited);
    window.grid.GetParam()->m_bRangeClipboard = FALSE; // Delete is the control's
    window.Select(2, 2);
    auto* pRich = ControlOf<CGERichEditCtrl>(window.grid, 2, 2);
    ASSERT_NE(pRich, nullptr);
    CString str("abcdefgh");
    EXPECT_TRUE(pRich->ConvertControlTextToValue(str, 2, 2, nullptr));
    EXPECT_STREQ(str, CGERichEditCtrl::PlainTextToRtf("abcd")) << "cut to the maximum length before RTF";
    PressKey(VK_DELETE);
    window.Update();
    EXPECT_TRUE(pRich->IsActive());
    PressKey(VK_TAB);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
    EXPECT_STREQ(PlainTextOf(window, *pRich, 2, 2), "") << "Delete stored an empty text";
    // A text given the cell is cut as plain text, never as RTF.
    EXPECT_TRUE(window.grid.SetControlTextRowCol(2, 2, "vwxyz", GE_NOREDRAW));
    EXPECT_STREQ(PlainTextOf(window, *pRich, 2, 2), "vwxy");
}

TEST(RichEditWindow, InactiveCellsAreDrawnFromTheirRtf) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, RichStyle("{\\rtf1\\ansi {\\b WWWW}}"));
    PutStyle(window.grid, 3, 2, RichStyle(""));
    window.Select(3, 2); // the rich edit windows exist once a rich cell was current
    auto* pRich = ControlOf<CGERichEditCtrl>(window.grid, 2, 2);
    ASSERT_NE(pRich, nullptr);
    const CRect rect(0, 0, 120, 30);
    PixelCanvas drawn(120, 30, RGB(255, 255, 255));
    pRich->Draw(drawn.DC(), rect, 2, 2, window.grid.LookupStyleRowCol(2, 2), nullptr);
    EXPECT_GT(drawn.DarkPixels(rect), 20) << "the bold text is drawn";
    PixelCanvas empty(120, 30, RGB(255, 255, 255));
    pRich->Draw(empty.DC(), rect, 3, 2, window.grid.LookupStyleRowCol(3, 2), nullptr);
    EXPECT_EQ(empty.DarkPixels(rect), 0);
}
