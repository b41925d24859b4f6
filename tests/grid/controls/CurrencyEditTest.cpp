// The currency edit: digit-by-digit edits that keep the amount well formed and the caret on its digit,
// the sign, the fraction jump, and the window around them: parsing set texts, notifications, selection
// messages, undo, the edit commands and the calculator's result.
#include "ControlsTestSupport.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CMenu.h"
#include "grid/GridResource.h"
#include "grid/controls/gadgets/CGEBCurrencyEdit.h"
#include "grid/controls/gadgets/CGEBPopupCalculator.h"

#include <cstring>
#include <string>
#include <vector>

using namespace ctltest;

namespace {

// A model under the fixed format "$1,234.50" / "($1,234.50)", showing an amount with the caret at an index.
CGEBCurrencyEditModel Model(double dAmount, int nCaret, BOOL bNegative = FALSE) {
    CGEBCurrencyEditModel model(FALSE);
    model.SetAmount(dAmount, bNegative);
    model.SetCaretIndex(nCaret);
    return model;
}

std::string Text(const CGEBCurrencyEditModel& model) {
    return std::string(model.GetText());
}

void PutClipboardText(HWND hWnd, const char* pszText) {
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    const size_t nBytes = std::strlen(pszText) + 1;
    const HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    std::memcpy(::GlobalLock(hMem), pszText, nBytes);
    ::GlobalUnlock(hMem);
    ::SetClipboardData(CF_TEXT, hMem);
    ::CloseClipboard();
}

} // namespace

TEST(CurrencyEditModel, TypedDigitsInsertOrOverwrite) {
    struct Case {
        double amount;
        int caret;
        BOOL overwrite;
        BOOL overflow;
        int intDigits;
        const char* typed;
        const char* text;
        int newCaret;
    };
    const Case cases[] = {
        {0.0, 1, FALSE, FALSE, -1, "5", "$50.00", 2},      // before the 0: inserted
        {0.0, 1, TRUE, FALSE, -1, "5", "$5.00", 2},        // overwritten
        {1.25, 5, FALSE, FALSE, -1, "7", "$1.25", 5},      // after a full fraction: nothing
        {1.25, 5, FALSE, TRUE, -1, "7", "$1.57", 5},       // unless the fraction overflows
        {1.25, 3, FALSE, FALSE, -1, "9", "$1.95", 4},      // in the fraction digits replace
        {1.25, 3, FALSE, FALSE, -1, "987", "$1.98", 5},    // and stop at the number's end
        {234.0, 1, FALSE, FALSE, -1, "1", "$1,234.00", 3}, // the caret follows the grouping
        {1234.0, 2, TRUE, FALSE, -1, "9", "$1,934.00", 4}, // overwrite steps over a group separator
        {0.0, 0, FALSE, FALSE, -1, "7", "$7.00", 2},       // a caret before the number goes to the separator
    };
    for (const Case& c : cases) {
        CGEBCurrencyEditModel model = Model(c.amount, c.caret);
        CGEBCurrencyFormat format = model.GetFormat();
        format.m_bOverflowMode = c.overflow;
        format.m_nIntDigits = c.intDigits;
        model.SetFormat(format);
        model.m_bOverwrite = c.overwrite;
        const std::string before = Text(model);
        const BOOL bChanged = model.InsertText(c.typed);
        EXPECT_EQ(Text(model), c.text) << before << " + " << c.typed;
        EXPECT_EQ(bChanged, before != c.text) << before << " + " << c.typed;
        EXPECT_EQ(model.GetCaret(), c.newCaret) << before << " + " << c.typed;
    }
}

TEST(CurrencyEditModel, DeletionsKeepTheNumberWellFormed) {
    // Deleting the only digit leaves 0 with the caret on the separator.
    CGEBCurrencyEditModel model = Model(5.0, 1);
    EXPECT_TRUE(model.DeleteChar());
    EXPECT_EQ(Text(model), "$0.00");
    EXPECT_EQ(model.GetCaret(), 2);
    EXPECT_DOUBLE_EQ(model.GetAmount(), 0.0);

    // In the integer part the digit goes and the caret stays on the next one; in the fraction it becomes 0.
    model = Model(1234.56, 3); // "$1,234.56", caret before "2"
    EXPECT_TRUE(model.DeleteChar());
    EXPECT_EQ(Text(model), "$134.56");
    EXPECT_EQ(model.GetCaret(), 2); // on "3", the digit after the deleted one
    model.SetCaretIndex(5);         // before "5"
    EXPECT_TRUE(model.DeleteChar());
    EXPECT_EQ(Text(model), "$134.06");
    EXPECT_EQ(model.GetCaret(), 6);
    model.SetCaretIndex(static_cast<int>(Text(model).size()));
    EXPECT_FALSE(model.DeleteChar()); // at the end of the text

    // Backspace takes the digit before the caret, over a group separator.
    model = Model(1234.0, 3); // caret after "1,"
    EXPECT_TRUE(model.Backspace());
    EXPECT_EQ(Text(model), "$234.00");
    EXPECT_EQ(model.GetCaret(), 1);
    model = Model(12.34, 6); // after the last fraction digit
    EXPECT_TRUE(model.Backspace());
    EXPECT_EQ(Text(model), "$12.30");
    EXPECT_EQ(model.GetCaret(), 5);
    model = Model(12.0, 1);
    EXPECT_FALSE(model.Backspace()); // nothing before the first digit

    // A selection goes as a whole.
    model = Model(1234.5, 0);
    model.SetSel(1, 4); // "1,2"
    EXPECT_TRUE(model.DeleteChar());
    EXPECT_EQ(Text(model), "$34.50");
    EXPECT_FALSE(model.HasSelection());
}

TEST(CurrencyEditModel, SignDecimalJumpAndWholeSelection) {
    CGEBCurrencyEditModel model = Model(12.0, 3);
    model.ToggleSign();
    EXPECT_EQ(Text(model), "($12.00)");
    EXPECT_TRUE(model.IsNegative());
    model.ToggleSign();
    EXPECT_EQ(Text(model), "$12.00");
    EXPECT_DOUBLE_EQ(model.GetSignedValue(), 12.0);

    // The whole text selected: "-" makes it negative (twice stays negative) and selects the number.
    model.SetSel(0, -1);
    model.ToggleSign();
    EXPECT_TRUE(model.IsNegative());
    model.SetSel(0, -1);
    model.ToggleSign();
    EXPECT_TRUE(model.IsNegative());
    EXPECT_EQ(model.GetSelStart(), 2);
    EXPECT_EQ(model.GetSelEnd(), 7);

    // A digit typed over the whole number replaces the amount; the caret goes to the separator.
    model = Model(987.65, 0);
    model.SetSel(0, -1);
    EXPECT_TRUE(model.InsertText("7"));
    EXPECT_EQ(Text(model), "$7.00");
    EXPECT_EQ(model.GetCaret(), 2);

    model = Model(3.5, 0);
    EXPECT_TRUE(model.JumpToDecimal());
    EXPECT_EQ(model.GetCaret(), 3);
}

TEST(CurrencyEditModel, ReadOnlyAndUnparsableTextsChangeNothing) {
    CGEBCurrencyEditModel model = Model(8.0, 1);
    model.m_bReadOnly = TRUE;
    EXPECT_FALSE(model.InsertText("1"));
    EXPECT_FALSE(model.DeleteChar());
    EXPECT_FALSE(model.Backspace());
    EXPECT_EQ(Text(model), "$8.00");
    model.m_bReadOnly = FALSE;
    EXPECT_FALSE(model.SetTextParsed("abc"));
    EXPECT_FALSE(model.SetTextParsed("1.2.3"));
    EXPECT_EQ(Text(model), "$8.00");
    EXPECT_TRUE(model.SetTextParsed("(1,234.5)"));
    EXPECT_EQ(Text(model), "($1,234.50)");
    EXPECT_FALSE(model.SetSel(0, 40)); // outside the text
}

namespace {

// The WM_COMMAND notification codes the parent received.
thread_local std::vector<WORD> t_codes;

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        t_codes.push_back(HIWORD(wParam));
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// A currency edit whose modifier keys the test holds.
class TestCurrencyEdit : public CGEBCurrencyEdit {
public:
    BOOL shift = FALSE;
    BOOL ctrl = FALSE;

protected:
    BOOL IsShiftDown() const override { return shift; }
    BOOL IsCtrlDown() const override { return ctrl; }
};

// A parent window and a currency edit under the fixed format.
class CurrencyEditHost {
public:
    explicit CurrencyEditHost(UINT nBitmap = 0) {
        StartEngine();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "CurrencyEditTestParent";
        ::RegisterClassA(&wc);
        m_hParent = ::CreateWindowExA(0, "CurrencyEditTestParent", "", WS_POPUP | WS_VISIBLE, 50, 50, 300,
                                      100, nullptr, nullptr, wc.hInstance, nullptr);
        edit.SetFormat(CGEBCurrencyFormat(FALSE));
        edit.SetBitmap(nBitmap);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 36), CWnd::FromHandle(m_hParent),
                    61);
        t_codes.clear();
    }
    ~CurrencyEditHost() {
        edit.DestroyWindow();
        ::DestroyWindow(m_hParent);
    }
    CurrencyEditHost(const CurrencyEditHost&) = delete;
    CurrencyEditHost& operator=(const CurrencyEditHost&) = delete;

    void Char(char c) { ::SendMessageA(edit.m_hWnd, WM_CHAR, static_cast<unsigned char>(c), 1); }
    void Key(UINT nKey) { ::SendMessageA(edit.m_hWnd, WM_KEYDOWN, nKey, 1); }
    std::string WindowText() { return std::string(TextOf(&edit)); }
    int Count(WORD wCode) const {
        int n = 0;
        for (WORD w : t_codes)
            n += w == wCode ? 1 : 0;
        return n;
    }

    TestCurrencyEdit edit;

private:
    HWND m_hParent = nullptr;
};

} // namespace

TEST(CurrencyEdit, SetTextParsesAndRefusesWhatDoesNotParse) {
    CurrencyEditHost host;
    EXPECT_EQ(host.WindowText(), "$0.00");
    EXPECT_EQ(::SendMessageA(host.edit.m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-1234.5")), 1);
    EXPECT_EQ(host.WindowText(), "($1,234.50)");
    double dValue = 0.0;
    host.edit.GetValue(dValue);
    EXPECT_DOUBLE_EQ(dValue, -1234.5);
    EXPECT_EQ(::SendMessageA(host.edit.m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc")), 0);
    EXPECT_EQ(host.WindowText(), "($1,234.50)");
    host.edit.GetValue(dValue);
    EXPECT_DOUBLE_EQ(dValue, -1234.5);
}

TEST(CurrencyEdit, TypingNotifiesAndUndoSwapsWithTheLastState) {
    CurrencyEditHost host;
    host.edit.SetValue(1.25);
    host.edit.SetSel(-1, 0);
    host.edit.SetCaret(1, FALSE);
    host.Char('3');
    EXPECT_EQ(host.WindowText(), "$31.25");
    EXPECT_EQ(host.Count(EN_UPDATE), 1);
    EXPECT_EQ(host.Count(EN_CHANGE), 1);
    host.Char('x'); // ignored
    host.Char('-'); // the sign changes without a notification
    EXPECT_EQ(host.WindowText(), "($31.25)");
    EXPECT_EQ(host.Count(EN_CHANGE), 1);
    host.Char('-');
    ASSERT_TRUE(host.edit.CanUndo());
    host.edit.Undo();
    EXPECT_EQ(host.WindowText(), "$1.25");
    host.edit.Undo(); // a second undo redoes
    EXPECT_EQ(host.WindowText(), "$31.25");
    host.Char('.'); // the decimal separator jumps into the fraction
    EXPECT_EQ(host.edit.GetModel().GetCaret(), 4);
    host.Char('9');
    EXPECT_EQ(host.WindowText(), "$31.95");

    host.edit.SetReadOnly(TRUE);
    host.Char('4');
    host.Key(VK_DELETE);
    host.edit.Undo();
    EXPECT_EQ(host.WindowText(), "$31.95");
}

TEST(CurrencyEdit, KeysMoveTheCaretAndExtendTheSelectionWithShift) {
    CurrencyEditHost host;
    host.edit.SetValue(1234.5); // "$1,234.50"
    host.edit.SetSel(-1, 0);
    host.edit.SetCaret(0, FALSE);
    host.Key(VK_END);
    EXPECT_EQ(host.edit.GetModel().GetCaret(), 9);
    host.edit.shift = TRUE;
    host.Key(VK_LEFT);
    host.Key(VK_LEFT);
    host.edit.shift = FALSE;
    EXPECT_EQ(::SendMessageA(host.edit.m_hWnd, EM_GETSEL, 0, 0), MAKELONG(9, 7));
    host.Key(VK_DELETE); // deletes the selected fraction: a zero fraction
    EXPECT_EQ(host.WindowText(), "$1,234.00");
    host.Key(VK_HOME);
    host.Key(VK_RIGHT);
    host.Key(VK_DELETE); // removes "1"
    EXPECT_EQ(host.WindowText(), "$234.00");
    host.Key(VK_BACK);
    EXPECT_EQ(host.WindowText(), "$234.00"); // nothing before the first digit
}

TEST(CurrencyEdit, SelectionMessagesFollowTheEditRules) {
    CurrencyEditHost host;
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    host.edit.SetSel(0, -1);
    EXPECT_EQ(
        static_cast<DWORD>(::SendMessageA(host.edit.m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                          reinterpret_cast<LPARAM>(&dwEnd))),
        0xFFFF0000u);
    EXPECT_EQ(dwStart, 0u);
    EXPECT_EQ(dwEnd, 0xFFFFFFFFu);
    host.edit.SetSel(-1, 0);
    EXPECT_EQ(static_cast<DWORD>(::SendMessageA(host.edit.m_hWnd, EM_GETSEL, 0, 0)), 0x0000FFFFu);
    EXPECT_FALSE(host.edit.SetSel(0, 70000)); // outside the text: refused, unchanged
    EXPECT_EQ(static_cast<DWORD>(::SendMessageA(host.edit.m_hWnd, EM_GETSEL, 0, 0)), 0x0000FFFFu);
    ::SendMessageA(host.edit.m_hWnd, EM_SETSEL, 1, 3);
    EXPECT_EQ(::SendMessageA(host.edit.m_hWnd, EM_GETSEL, 0, 0), MAKELONG(1, 3));
    EXPECT_EQ(::SendMessageA(host.edit.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    ::SendMessageA(host.edit.m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(3, 5));
    host.edit.SetAlignment(2);
    EXPECT_EQ(host.edit.GetAlignment(), 2);
    RECT text{};
    host.edit.GetTextRect(text);
    RECT client{};
    host.edit.GetClientRect(&client);
    EXPECT_EQ(text.right, client.right - 5 - ::GetSystemMetrics(SM_CXBORDER));
}

TEST(CurrencyEdit, ContextMenuGreysWhatCannotRun) {
    CurrencyEditHost host;
    host.edit.SetValue(5.0);
    host.edit.SetSel(-1, 0);
    CMenu* pMenu = host.edit.BuildContextMenu();
    ASSERT_NE(pMenu, nullptr);
    EXPECT_NE(pMenu->GetMenuState(ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(pMenu->GetMenuState(ID_EDIT_CUT, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(pMenu->GetMenuState(ID_EDIT_SELECT_ALL, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(pMenu->GetMenuState(ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED, 0u); // SetValue saved a state
    host.edit.DestroyContextMenu(pMenu);
    host.edit.SetSel(0, -1);
    host.edit.SetReadOnly(TRUE);
    pMenu = host.edit.BuildContextMenu();
    EXPECT_EQ(pMenu->GetMenuState(ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(pMenu->GetMenuState(ID_EDIT_CUT, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(pMenu->GetMenuState(ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED, 0u);
    host.edit.DestroyContextMenu(pMenu);
}

TEST(CurrencyEdit, CopyAndPasteThroughTheClipboard) {
    CurrencyEditHost host;
    host.edit.SetValue(42.0);
    host.edit.SetSel(1, 3); // "42"
    host.edit.Copy();
    host.edit.SetValue(0.0);
    host.edit.SetSel(-1, 0);
    host.edit.SetCaret(1, FALSE);
    host.edit.Paste();
    EXPECT_EQ(host.WindowText(), "$420.00");
    // Text with other characters pastes its digits over a caret.
    PutClipboardText(host.edit.m_hWnd, "12abc");
    host.edit.SetValue(0.0);
    host.edit.SetSel(-1, 0);
    host.edit.SetCaret(1, FALSE);
    host.edit.Paste();
    EXPECT_EQ(host.WindowText(), "$120.00");
    // Over the whole number the text stays whole and is read as an amount.
    PutClipboardText(host.edit.m_hWnd, "(3.50)");
    host.edit.SetSel(0, -1);
    host.edit.Paste();
    EXPECT_EQ(host.WindowText(), "($3.50)");
}

TEST(CurrencyEdit, CalculatorOpensUnderTheEditWithItsAmount) {
    CurrencyEditHost host(GE_IDB_CALC_BUTTON);
    ASSERT_TRUE(host.edit.HasButton());
    host.edit.SetValue(-7.5);
    host.Key(VK_F2);
    // The calculator is the pop-up of this thread that the edit owns.
    HWND hCalc = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (dynamic_cast<CGEBPopupCalculator*>(CWnd::FromHandlePermanent(hWnd)) == nullptr)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hCalc));
    ASSERT_NE(hCalc, nullptr);
    auto* pCalc = dynamic_cast<CGEBPopupCalculator*>(CWnd::FromHandlePermanent(hCalc));
    EXPECT_EQ(std::string(pCalc->GetDisplayString()), "-7.5");
    CRect edit;
    CRect calc;
    host.edit.GetWindowRect(&edit);
    ::GetWindowRect(hCalc, &calc);
    EXPECT_EQ(calc.top, edit.bottom);
    EXPECT_EQ(calc.left, edit.left);
    ::SendMessageA(hCalc, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_FALSE(::IsWindow(hCalc));
    EXPECT_FALSE(GEGetLibraryState()->m_bPopupCreating);
}
