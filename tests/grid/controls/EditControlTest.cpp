// The edit control: which keys its window keeps, the window style a cell asks for, and in a real grid
// window the ways editing starts, what typed text becomes, find and replace, and the clipboard keys.
#include "ControlsTestSupport.h"

#include "grid/controls/edit/CGEEditControl.h"
#include "grid/core/CGEFindReplaceState.h"

#include <mbctype.h>

#include <string>

using namespace ctltest;
using Route = CGEEditControl::KeyRoute;

namespace {

// An edit cell made current and active with a text, the caret at nCaret.
CGEEditControl* StartEditing(WindowGrid& window, ROWCOL nRow, ROWCOL nCol, LPCSTR pszText, int nCaret) {
    window.grid.SetValueRange(CGECellRange(nRow, nCol, nRow, nCol), pszText, geOverride, 0, GE_NOREDRAW);
    window.Select(nRow, nCol);
    auto* pEdit = ControlOf<CGEEditControl>(window.grid, nRow, nCol);
    pEdit->SetActive(TRUE);
    pEdit->Refresh();
    window.Update();
    pEdit->SetSel(nCaret, nCaret);
    return pEdit;
}

} // namespace

TEST(EditKeys, WhichKeysTheWindowKeeps) {
    CGEEditControl::KeyState middle;
    middle.nSelStart = middle.nSelEnd = 2;
    middle.nTextLength = 5;
    CGEEditControl::KeyState start = middle;
    start.nSelStart = start.nSelEnd = 0;
    CGEEditControl::KeyState end = middle;
    end.nSelStart = end.nSelEnd = 5;
    CGEEditControl::KeyState selectedFromStart = middle;
    selectedFromStart.nSelStart = 0;
    selectedFromStart.nSelEnd = 3;
    CGEEditControl::KeyState secondLine = middle;
    secondLine.nSelStartLine = secondLine.nSelEndLine = 1;
    secondLine.nLineCount = 3;
    CGEEditControl::KeyState ctrl = middle;
    ctrl.bCtrl = TRUE;
    CGEEditControl::KeyState shift = middle;
    shift.bShift = TRUE;
    CGEEditControl::KeyState shiftSelected = selectedFromStart;
    shiftSelected.bShift = TRUE;
    CGEEditControl::KeyState wantReturn = middle;
    wantReturn.bWantReturn = TRUE;
    struct Case {
        UINT key;
        CGEEditControl::KeyState state;
        Route route;
        const char* what;
    } const cases[] = {
        {VK_LEFT, middle, Route::keep, "Left inside the text"},
        {VK_LEFT, start, Route::grid, "Left at the start leaves the cell"},
        {VK_LEFT, selectedFromStart, Route::keep, "Left on a selection from the start stays"},
        {VK_RIGHT, end, Route::grid, "Right at the end leaves the cell"},
        {VK_RIGHT, middle, Route::keep, "Right inside the text"},
        {VK_UP, middle, Route::grid, "Up on the first line"},
        {VK_UP, secondLine, Route::keep, "Up below the first line"},
        {VK_DOWN, middle, Route::grid, "Down on the last line"},
        {VK_DOWN, secondLine, Route::keep, "Down above the last line"},
        {VK_RETURN, middle, Route::grid, "Enter without want-return"},
        {VK_RETURN, wantReturn, Route::keep, "Enter with want-return"},
        {VK_TAB, middle, Route::grid, "Tab"},
        {VK_ESCAPE, middle, Route::grid, "Esc"},
        {VK_NEXT, middle, Route::grid, "Page Down"},
        {VK_F2, middle, Route::grid, "F2"},
        {VK_F24, middle, Route::grid, "F24"},
        {VK_HOME, middle, Route::keep, "Home"},
        {VK_DELETE, middle, Route::keep, "Delete"},
        {VK_BACK, middle, Route::keep, "Backspace"},
        {'A', middle, Route::keep, "a letter"},
        {'A', ctrl, Route::grid, "every key with Ctrl"},
        {VK_INSERT, shift, Route::paste, "Shift+Insert pastes"},
        {VK_DELETE, shift, Route::keep, "Shift+Delete without a selection"},
        {VK_DELETE, shiftSelected, Route::cut, "Shift+Delete cuts a selection"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGEEditControl::RouteKey(c.key, c.state), c.route) << c.what;
}

TEST(EditStyle, TheWindowStyleACellAsksFor) {
    CGEEditControl::StyleInput single;
    single.nAlign = 2;
    single.cxClient = 100;
    single.cyClient = 20;
    single.cxText = 40;
    single.cyLine = 16;
    single.cxWidest = 10;
    const DWORD dwSingle = CGEEditControl::ComposeEditStyle(single);
    EXPECT_EQ(dwSingle & 0xFFFF0000, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(dwSingle & (ES_AUTOHSCROLL | ES_MULTILINE | ES_RIGHT),
              static_cast<DWORD>(ES_AUTOHSCROLL | ES_MULTILINE | ES_RIGHT));
    CGEEditControl::StyleInput wide = single;
    wide.cxText = 95;
    EXPECT_EQ(CGEEditControl::ComposeEditStyle(wide) & (ES_RIGHT | ES_CENTER), 0u)
        << "a text wider than the window scrolls from the left whatever the alignment";
    CGEEditControl::StyleInput lowWrap = single;
    lowWrap.bWrap = TRUE;
    lowWrap.cyClient = 21; // 21 - 16 / 3 = 16: not above one line
    EXPECT_NE(CGEEditControl::ComposeEditStyle(lowWrap) & ES_AUTOHSCROLL, 0u) << "too low to wrap: one line";
    CGEEditControl::StyleInput highWrap = lowWrap;
    highWrap.cyClient = 40;
    highWrap.bAllowEnter = TRUE;
    const DWORD dwWrap = CGEEditControl::ComposeEditStyle(highWrap);
    EXPECT_EQ(dwWrap & ES_AUTOHSCROLL, 0u);
    EXPECT_NE(dwWrap & ES_WANTRETURN, 0u);
    CGEEditControl::StyleInput scroll = lowWrap;
    scroll.bVScroll = TRUE;
    EXPECT_NE(CGEEditControl::ComposeEditStyle(scroll) & WS_VSCROLL, 0u) << "wrapped with a scroll bar";
}

TEST(EditKeys, ADoubleByteCharacterArrivesAsOneText) {
    const int nOldCodePage = _getmbcp();
    ASSERT_EQ(_setmbcp(932), 0) << "the Japanese code page has lead bytes";
    GELeadByteState lead;
    EXPECT_STREQ(CGEEditControl::CombineLeadByte(lead, 0x82, FALSE), "") << "a lead byte waits";
    EXPECT_TRUE(lead.bPending);
    EXPECT_STREQ(CGEEditControl::CombineLeadByte(lead, 0xA0, FALSE), "\x82\xA0") << "its trail completes it";
    EXPECT_FALSE(lead.bPending);
    EXPECT_STREQ(CGEEditControl::CombineLeadByte(lead, 'a', FALSE), "a");
    EXPECT_STREQ(CGEEditControl::CombineLeadByte(lead, 0x82, TRUE), "\x82") << "a Korean locale passes it on";
    EXPECT_FALSE(lead.bPending);
    _setmbcp(nOldCodePage);
}

TEST(EditWindow, TypingIntoAnInactiveCellReplacesItsValue) {
    WindowGrid window;
    window.grid.SetValueRange(CGECellRange(1, 1, 1, 1), "old value", geOverride, 0, GE_NOREDRAW);
    window.Select(1, 1);
    auto* pEdit = ControlOf<CGEEditControl>(window.grid, 1, 1);
    TypeText("x");
    window.Update();
    EXPECT_STREQ(TextOf(pEdit), "x");
    int nStart = 0;
    int nEnd = 0;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1) << "the caret follows the typed character";
    PressKey(VK_ESCAPE);
    window.Update();
    EXPECT_STREQ(window.Value(1, 1), "old value") << "Esc drops the edit";
}

TEST(EditWindow, LeftAtTheStartLeavesTheCellAndStoresIt) {
    WindowGrid window;
    CGEEditControl* pEdit = StartEditing(window, 2, 3, "abc", 1);
    TypeText("Z");
    pEdit->SetSel(0, 2);
    PressKey(VK_LEFT);
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3)) << "a selection from the start keeps Left in the cell";
    pEdit->SetSel(0, 0);
    PressKey(VK_LEFT);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 2));
    EXPECT_STREQ(window.Value(2, 3), "aZbc");
}

TEST(EditWindow, CtrlEnterBreaksTheLineOfAWrappedCell) {
    WindowGrid window;
    CGEStyle wrap;
    wrap.SetWrapText(TRUE);
    PutStyle(window.grid, 3, 1, wrap);
    window.grid.GetParam()->StoreRowHeight(3, 60);
    CGEEditControl* pEdit = StartEditing(window, 3, 1, "one", 3);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, '\n', 1);
    window.grid.ctrl = FALSE;
    TypeText("two");
    EXPECT_STREQ(TextOf(pEdit), "one\r\ntwo");
    window.Select(5, 1);
    EXPECT_STREQ(window.Value(3, 1), "one\r\ntwo");
}

TEST(EditWindow, DeleteOnACurrentCellEmptiesIt) {
    WindowGrid window;
    window.grid.GetParam()->m_bRangeClipboard = FALSE;
    window.grid.SetValueRange(CGECellRange(2, 2, 2, 2), "gone", geOverride, 0, GE_NOREDRAW);
    window.Select(2, 2);
    PressKey(VK_DELETE);
    window.Update();
    window.Select(3, 3);
    EXPECT_STREQ(window.Value(2, 2), "");
}

TEST(EditWindow, AReadOnlyCellRefusesTyping) {
    WindowGrid window;
    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE).SetValue("fixed");
    PutStyle(window.grid, 2, 2, readOnly);
    window.Select(2, 2);
    auto* pEdit = ControlOf<CGEEditControl>(window.grid, 2, 2);
    TypeText("x");
    window.Update();
    EXPECT_FALSE(pEdit->IsActive());
    EXPECT_STREQ(window.Value(2, 2), "fixed");
}

TEST(EditFind, FindAndReplaceAllInCellsOfAnyLength) {
    WindowGrid window;
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += "ab-";
    window.grid.SetValueRange(CGECellRange(4, 1, 4, 1), longText.c_str(), geOverride, 0, GE_NOREDRAW);
    window.grid.SetValueRange(CGECellRange(5, 1, 5, 1), "nothing", geOverride, 0, GE_NOREDRAW);
    auto* pEdit = ControlOf<CGEEditControl>(window.grid, 4, 1);
    CGEFindReplaceState state;
    state.SetFindText("AB", FALSE);
    state.m_strReplace = "xyz";
    EXPECT_TRUE(pEdit->FindText(state, 4, 1, TRUE, FALSE));
    EXPECT_FALSE(pEdit->FindText(state, 5, 1, TRUE, FALSE));
    state.SetFindText("AB", TRUE);
    EXPECT_FALSE(pEdit->FindText(state, 4, 1, TRUE, FALSE)) << "match case";
    state.SetFindText("ab", TRUE);
    EXPECT_TRUE(pEdit->ReplaceAll(state, 4, 1));
    std::string expected;
    for (int i = 0; i < 300; ++i)
        expected += "xyz-";
    EXPECT_EQ(std::string(window.Value(4, 1).GetString()), expected) << "1,200 characters, nothing cut";
    EXPECT_FALSE(pEdit->ReplaceAll(state, 5, 1));
    // In the active cell the search starts at the selection.
    CGEEditControl* pActive = StartEditing(window, 6, 1, "one two one", 4);
    state.SetFindText("one", TRUE);
    EXPECT_TRUE(pActive->FindText(state, 6, 1, TRUE, TRUE));
    int nStart = 0;
    int nEnd = 0;
    pActive->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 8);
    EXPECT_EQ(nEnd, 11);
}

TEST(EditClipboard, CopyAndPasteWithTheKeys) {
    WindowGrid window;
    CGEEditControl* pEdit = StartEditing(window, 2, 2, "hello world", 0);
    pEdit->SetSel(6, 11);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, 3, 1); // Ctrl+C
    window.grid.ctrl = FALSE;
    pEdit->SetSel(0, 5);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, 22, 1); // Ctrl+V
    window.grid.ctrl = FALSE;
    EXPECT_STREQ(TextOf(pEdit), "world world");
    EXPECT_TRUE(pEdit->GetModify());
    pEdit->SetSel(0, 6);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, 24, 1); // Ctrl+X
    window.grid.ctrl = FALSE;
    EXPECT_STREQ(TextOf(pEdit), "world");
    EXPECT_TRUE(pEdit->CanPaste());
}
