// The calculator: arithmetic left to right without precedence, entry limits, percent, errors that only
// Clear leaves; its window pressing buttons from characters and keys, the pop-up placing itself by its
// anchor and reporting "=" to its owner.
#include "ControlsTestSupport.h"

#include "grid/controls/gadgets/CGEBCalcEngine.h"
#include "grid/controls/gadgets/CGEBPopupCalculator.h"

#include <string>
#include <vector>

using namespace ctltest;

namespace {

using E = CGEBCalcEngine;

// Runs a line of keys through an engine: digits, "." (the separator), + - * / % =, C (clear), E (clear
// entry), B (backspace). Returns how many keys were refused.
int Keys(CGEBCalcEngine& engine, const std::string& keys) {
    int nRefused = 0;
    for (char c : keys) {
        UINT nCommand = 0;
        if (c >= '0' && c <= '9')
            nCommand = E::cmdDigit0 + static_cast<UINT>(c - '0');
        else if (c == '.')
            nCommand = E::cmdDecimal;
        else
            nCommand = std::string("*+-/%=CEB").find(c) + 1;
        if (c == 'B')
            nCommand = E::cmdBackspace;
        BOOL bRefused = FALSE;
        engine.HandleEvent(nCommand, bRefused);
        nRefused += bRefused ? 1 : 0;
    }
    return nRefused;
}

struct Case {
    const char* keys;
    const char* shown; // the display as painted, or "error"
    int refused;
};

} // namespace

TEST(Calculator, SequencesShowTheirResults) {
    const Case cases[] = {
        {"1+2*3=", "9.", 0},   // left to right
        {"2=", "2.", 0},       // a result always shows its separator
        {"2++", "4.", 0},      // the shown result is the next operand
        {"200*10%", "20.", 0}, // percent of the accumulator under * and /
        {"200/10%", "20.", 0},
        {"200+10%", "0.", 0}, // and 0 otherwise
        {"10-4=", "6.", 0},   // subtraction keeps its order
        {"3-10=", "-7.", 0},
        {"1/4=", "0.25", 0}, // trailing zeros of the fraction are cut
        {"1/3=", "0.333333333333333", 0},
        {"00", "0.", 0},        // no leading zeros
        {".", "0.", 0},         // an entry starting with the separator
        {"1..5", "1.5", 0},     // a second separator is ignored without a beep
        {"12B", "1.", 0},       // backspace takes the last character
        {"12=B", "12.", 0},     // but not from a result
        {"12+34E5=", "17.", 0}, // clear entry keeps the pending operation
        {"1234567890123", "1234567890123.", 0},
        {"12345678901234", "1234567890123.", 1}, // the 14th integer digit beeps
        {"8/0=", "error", 0},
        {"8/0=5+", "error", 2}, // in error every key but C beeps
        {"8/0=C", "0.", 0},
        {"8/0=E", "0.", 0},               // clear entry acts as clear
        {"9999999*9999999=", "error", 0}, // more than 13 integer digits
        {"5-10=*0=", "0.", 0},            // no negative zero
    };
    for (const Case& c : cases) {
        CGEBCalcEngine engine;
        const int nRefused = Keys(engine, c.keys);
        const std::string shown = engine.IsError() ? "error" : std::string(engine.GetShownText());
        EXPECT_EQ(shown, c.shown) << c.keys;
        EXPECT_EQ(nRefused, c.refused) << c.keys;
    }
}

TEST(Calculator, ErrorStateAndClearRestoreAWorkingCalculator) {
    CGEBCalcEngine engine;
    Keys(engine, "8/0=");
    ASSERT_TRUE(engine.IsError());
    Keys(engine, "C2+3=");
    EXPECT_FALSE(engine.IsError());
    EXPECT_DOUBLE_EQ(engine.GetValue(), 5.0);
}

TEST(Calculator, EntryAndResultsFitTheDisplay) {
    CGEBCalcEngine engine;
    engine.SetDigitCapacity(8);
    EXPECT_EQ(engine.GetDecimals(), 8);
    Keys(engine, "1/3=");
    EXPECT_EQ(std::string(engine.GetDisplayText()), "0.3333333"); // 8 digits with the leading 0
    EXPECT_EQ(Keys(engine, "C123456789"), 1);                     // the ninth digit does not fit
    EXPECT_EQ(std::string(engine.GetDisplayText()), "12345678");
    engine.SetValue(123456789.0); // a value wider than the display
    EXPECT_TRUE(engine.IsError());
}

TEST(Calculator, AnotherSeparatorReadsAndWritesNumbers) {
    CGEBCalcEngine engine;
    engine.SetDecimalSeparator(",");
    Keys(engine, "1.5*2=");
    EXPECT_EQ(std::string(engine.GetShownText()), "3,");
    engine.SetValue(0.75);
    EXPECT_EQ(std::string(engine.GetDisplayText()), "0,75");
    EXPECT_TRUE(engine.IsNewEntry());
    Keys(engine, "+1=");
    EXPECT_DOUBLE_EQ(engine.GetValue(), 1.75);
}

TEST(Calculator, PopupGoesBelowItsAnchorUnlessTheWorkAreaEnds) {
    const RECT work{0, 0, 800, 600};
    const CSize size(150, 200);
    EXPECT_EQ(CGEBPopupCalculator::PlacePopup(size, CRect(100, 100, 300, 120), work),
              CRect(100, 120, 250, 320));
    // Near the bottom: above the anchor.
    EXPECT_EQ(CGEBPopupCalculator::PlacePopup(size, CRect(100, 500, 300, 520), work),
              CRect(100, 300, 250, 500));
    // Near the right edge: right-aligned with the anchor.
    EXPECT_EQ(CGEBPopupCalculator::PlacePopup(size, CRect(700, 100, 790, 120), work),
              CRect(640, 120, 790, 320));
}

namespace {

// The results a window received from a calculator.
thread_local std::vector<std::string> t_results;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == GEB_CALC_RESULT)
        t_results.emplace_back(reinterpret_cast<LPCSTR>(lParam));
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// A top-level owner window for calculators.
class CalcOwner {
public:
    CalcOwner() {
        StartEngine();
        WNDCLASSA wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "CalculatorTestOwner";
        ::RegisterClassA(&wc);
        hWnd = ::CreateWindowExA(0, "CalculatorTestOwner", "", WS_POPUP | WS_VISIBLE, 40, 40, 300, 60,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        t_results.clear();
    }
    ~CalcOwner() { ::DestroyWindow(hWnd); }
    CalcOwner(const CalcOwner&) = delete;
    CalcOwner& operator=(const CalcOwner&) = delete;
    CWnd* Wnd() const { return CWnd::FromHandle(hWnd); }
    HWND hWnd = nullptr;
};

void Chars(HWND hWnd, const char* pszText) {
    for (const char* p = pszText; *p != '\0'; ++p)
        ::SendMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

} // namespace

TEST(Calculator, WindowLaysOutButtonsAndTakesKeys) {
    CalcOwner owner;
    CGEBCalculator calc;
    calc.SetValue(42.0); // kept through creation
    ASSERT_TRUE(
        calc.Create(0, WS_CHILD | WS_VISIBLE | CGEBCalculator::styleEtchedLine, 5, 5, owner.Wnd(), 9));
    EXPECT_EQ(std::string(calc.GetDisplayString()), "42.");
    const auto& buttons = calc.GetButtons();
    ASSERT_EQ(buttons.size(), 20u);
    // Six rows; the display spans the widest row; "0" is two columns wide, Enter four.
    const CRect& zero = buttons[16]->GetRect();
    EXPECT_EQ(zero.Width(), 2 * buttons[0]->GetRect().Width());
    EXPECT_EQ(buttons[19]->GetRect().Width(), 4 * buttons[0]->GetRect().Width());
    EXPECT_EQ(calc.GetDisplayRect().right, buttons[3]->GetRect().right);
    EXPECT_GT(buttons[4]->GetRect().top, buttons[0]->GetRect().top);
    EXPECT_GT(buttons[0]->GetRect().top, calc.GetDisplayRect().bottom);
    EXPECT_EQ(::SendMessageA(calc.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_WANTALLKEYS);

    Chars(calc.m_hWnd, "C12*3");
    ::SendMessageA(calc.m_hWnd, WM_KEYDOWN, VK_RETURN, 1); // Enter is "="
    EXPECT_EQ(std::string(calc.GetDisplayString()), "36.");
    Chars(calc.m_hWnd, "7");
    ::SendMessageA(calc.m_hWnd, WM_KEYDOWN, VK_DELETE, 1); // Delete is backspace
    Chars(calc.m_hWnd, "x");                               // no button: nothing
    EXPECT_EQ(std::string(calc.GetDisplayString()), "0.");
    // A click on "9": pressed while held, run when released over it.
    const CPoint nine = buttons[6]->GetRect().CenterPoint();
    ::SendMessageA(calc.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nine.x, nine.y));
    EXPECT_NE(buttons[6]->GetState() & CGEBCalcBtn::statePressed, 0u);
    ::SendMessageA(calc.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(nine.x, nine.y));
    EXPECT_EQ(buttons[6]->GetState() & CGEBCalcBtn::statePressed, 0u);
    EXPECT_EQ(std::string(calc.GetDisplayString()), "9.");
    // A press released elsewhere runs nothing.
    ::SendMessageA(calc.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nine.x, nine.y));
    ::SendMessageA(calc.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(zero.CenterPoint().x, zero.CenterPoint().y));
    EXPECT_EQ(std::string(calc.GetDisplayString()), "9.");
    EXPECT_TRUE(t_results.empty()); // a calculator that is not a pop-up reports nothing
}

TEST(Calculator, PopupReportsEnterAndClosesWithoutReportOnEscape) {
    CalcOwner owner;
    {
        auto* pCalc = new CGEBPopupCalculator;
        pCalc->SetValue(2.5);
        pCalc->SetAutoDelete(TRUE);
        ASSERT_TRUE(pCalc->CreatePopup(WS_POPUP | WS_VISIBLE, CRect(40, 40, 200, 60), owner.Wnd()));
        const HWND hCalc = pCalc->m_hWnd;
        Chars(hCalc, "*4");
        ::SendMessageA(hCalc, WM_KEYDOWN, VK_RETURN, 1);
        EXPECT_FALSE(::IsWindow(hCalc));
        ASSERT_EQ(t_results.size(), 1u);
        EXPECT_EQ(t_results[0], "10.");
    }
    t_results.clear();
    {
        auto* pCalc = new CGEBPopupCalculator;
        pCalc->SetAutoDelete(TRUE);
        ASSERT_TRUE(pCalc->CreatePopup(WS_POPUP | WS_VISIBLE, CRect(40, 40, 200, 60), owner.Wnd()));
        const HWND hCalc = pCalc->m_hWnd;
        Chars(hCalc, "5");
        ::SendMessageA(hCalc, WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_FALSE(::IsWindow(hCalc));
        EXPECT_TRUE(t_results.empty());
    }
    {
        // "=" under style bit 0x0010 reports once and closes; an error is not reported.
        auto* pCalc = new CGEBPopupCalculator;
        pCalc->SetAutoDelete(TRUE);
        ASSERT_TRUE(pCalc->CreatePopup(WS_POPUP | WS_VISIBLE | CGEBCalculator::stylePopupCloseOnEquals,
                                       CRect(40, 40, 200, 60), owner.Wnd()));
        const HWND hCalc = pCalc->m_hWnd;
        Chars(hCalc, "1/0=");
        PumpPending();
        EXPECT_FALSE(::IsWindow(hCalc));
        EXPECT_TRUE(t_results.empty());
    }
    {
        auto* pCalc = new CGEBPopupCalculator;
        pCalc->SetAutoDelete(TRUE);
        ASSERT_TRUE(pCalc->CreatePopup(WS_POPUP | WS_VISIBLE, CRect(40, 40, 200, 60), owner.Wnd()));
        const HWND hCalc = pCalc->m_hWnd;
        Chars(hCalc, "7");
        ::SendMessageA(hCalc, WM_SYSKEYDOWN, VK_DOWN, 0x20000001); // Alt+Down accepts
        EXPECT_FALSE(::IsWindow(hCalc));
        ASSERT_EQ(t_results.size(), 1u);
        EXPECT_EQ(t_results[0], "7.");
    }
}

TEST(Calculator, CommaSeparatorOfTheUserDeDE) {
    CalcOwner owner;
    CGEBCalculator calc;
    ASSERT_TRUE(calc.Create(0, WS_CHILD | WS_VISIBLE, 5, 5, owner.Wnd(), 9));
    EXPECT_EQ(std::string(calc.GetButtons()[17]->GetCaption()), ",");
    Chars(calc.m_hWnd, "1,5*2=");
    EXPECT_EQ(std::string(calc.GetDisplayString()), "3,");
    Chars(calc.m_hWnd, "1.5"); // a point presses nothing
    EXPECT_EQ(std::string(calc.GetDisplayString()), "15,");
}
