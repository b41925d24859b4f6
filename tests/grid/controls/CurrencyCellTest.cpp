// Currency cells: amounts stored as C-locale text and shown through the cell's currency attributes; the
// editor over the current cell changes them digit by digit, flips the sign, takes the calculator's result
// and stores the amount back when the cell is left.
#include "ControlsTestSupport.h"

#include "grid/controls/gadgets/CGEBPopupCalculator.h"
#include "grid/controls/gadgets/CGECurrencyEdit.h"
#include "grid/core/CGEFindReplaceState.h"

#include <string>

using namespace ctltest;

namespace {

// A currency cell with "$", "," and "." and two fraction digits, whatever the locale says.
CGEStyle MoneyStyle(LPCSTR pszValue, LPCSTR pszSeparators = ",.") {
    CGEStyle style = ControlStyle(GE_IDS_CTRL_CURRENCY, nullptr, pszValue);
    style.SetUserAttribute(GE_IDS_UA_CURRENCY_SEPARATORS, pszSeparators)
        .SetUserAttribute(GE_IDS_UA_CURRENCY_SYMBOL, "$")
        .SetUserAttribute(GE_IDS_UA_CURRENCY_FRACDIGITS, "2")
        .SetUserAttribute(GE_IDS_UA_CURRENCY_POSITIVE, "0")
        .SetUserAttribute(GE_IDS_UA_CURRENCY_NEGATIVE, "0");
    return style;
}

std::string Shown(CGECurrencyEdit& control, const CGEStyle& style) {
    CString strText;
    control.GetControlText(strText, 1, 1, nullptr, style);
    return std::string(strText);
}

} // namespace

TEST(CurrencyCell, DisplayTextsFollowTheAttributes) {
    TestGrid grid;
    PutStyle(grid, 1, 1, MoneyStyle("1234.5"));
    auto* pControl = ControlOf<CGECurrencyEdit>(grid, 1, 1);
    ASSERT_NE(pControl, nullptr);
    EXPECT_TRUE(pControl->IsKindOfControlClass(&CGEStatic::controlClass));

    EXPECT_EQ(Shown(*pControl, MoneyStyle("1234.5")), "$1,234.50");
    EXPECT_EQ(Shown(*pControl, MoneyStyle("-1234.5")), "($1,234.50)");
    EXPECT_EQ(Shown(*pControl, MoneyStyle("1234.5", ".,")), "$1.234,50");
    EXPECT_EQ(Shown(*pControl, MoneyStyle("1234.5", "0.")), "$1234.50");
    EXPECT_EQ(Shown(*pControl, MoneyStyle("1234.5", "xyz")), "$1,234.50"); // a bad length means ",."
    CGEStyle noSymbol = MoneyStyle("7");
    noSymbol.SetUserAttribute(GE_IDS_UA_CURRENCY_SYMBOL, "0");
    EXPECT_EQ(Shown(*pControl, noSymbol), "7.00");
    CGEStyle fill = MoneyStyle("0.5");
    fill.SetUserAttribute(GE_IDS_UA_CURRENCY_ATTRIBUTES, "01*0")
        .SetUserAttribute(GE_IDS_UA_CURRENCY_INTDIGITS, "3");
    EXPECT_EQ(Shown(*pControl, fill), "$***.50"); // no leading zero, filled to three integer digits
    EXPECT_FALSE(CGECurrencyEdit::WantsCalculatorButton(fill));
    EXPECT_TRUE(CGECurrencyEdit::WantsCalculatorButton(
        MoneyStyle("1").SetUserAttribute(GE_IDS_UA_CURRENCY_ATTRIBUTES, "11 1")));
    EXPECT_FALSE(CGECurrencyEdit::WantsCalculatorButton(MoneyStyle("1"))); // no attribute: no button
    EXPECT_EQ(Shown(*pControl, MoneyStyle("")), "");
    EXPECT_EQ(Shown(*pControl, MoneyStyle("twelve")), "");
}

TEST(CurrencyCell, TypedTextsConvertToStoredAmounts) {
    TestGrid grid;
    PutStyle(grid, 1, 1, MoneyStyle("1"));
    auto* pControl = ControlOf<CGECurrencyEdit>(grid, 1, 1);
    ASSERT_NE(pControl, nullptr);
    const struct {
        const char* typed;
        BOOL accepted;
        const char* stored;
    } cases[] = {
        {"(1,234.50)", TRUE, "-1234.50"}, {"$12", TRUE, "12.00"},
        {"-0.126", TRUE, "-0.13"},        {"", TRUE, ""},
        {"abc", FALSE, nullptr},          {"1.2.3", FALSE, nullptr},
    };
    for (const auto& c : cases) {
        CString str = c.typed;
        const CGEStyle style = MoneyStyle("1");
        EXPECT_EQ(pControl->ConvertControlTextToValue(str, 1, 1, &style), c.accepted) << c.typed;
        if (c.stored != nullptr) {
            EXPECT_STREQ(str, c.stored) << c.typed;
        }
    }
    // Without a style the cell's own is composed.
    CString str = "$5";
    EXPECT_TRUE(pControl->ConvertControlTextToValue(str, 1, 1, nullptr));
    EXPECT_STREQ(str, "5.00");
    // The value for export is the stored amount in its canonical form.
    CString strExport;
    pControl->GetDisplayValue(1, 1, 0, MoneyStyle("1234.5"), strExport);
    EXPECT_STREQ(strExport, "1234.50");
}

TEST(CurrencyCell, TheMinusKeyAndLeavingTheCellStoreTheNegativeAmount) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MoneyStyle("1234.5"));
    PutStyle(window.grid, 3, 2, MoneyStyle("10"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGECurrencyEdit>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    EXPECT_STREQ(TextOf(pControl), "$1,234.50");
    EXPECT_FALSE(pControl->IsActive());
    TypeText("-"); // starts editing, the character reaches the editor
    PumpPending();
    EXPECT_TRUE(pControl->IsActive());
    EXPECT_STREQ(TextOf(pControl), "($1,234.50)");
    EXPECT_TRUE(pControl->GetModify());
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "-1234.50");
    EXPECT_STREQ(window.Value(3, 2), "10");
}

TEST(CurrencyCell, TypedDigitsReplaceTheAmountAndTheCalculatorResultIsTaken) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MoneyStyle("99"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGECurrencyEdit>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    TypeText("7");
    PumpPending();
    TypeText("5");
    EXPECT_STREQ(TextOf(pControl), "$75.00");
    // The calculator reports "12." for 12.
    ::SendMessageA(pControl->m_hWnd, GEB_CALC_RESULT, 0, reinterpret_cast<LPARAM>("12."));
    EXPECT_STREQ(TextOf(pControl), "$12.00");
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "12.00");
}

TEST(CurrencyCell, ReadOnlyCellsRefuseTypingAndTheCalculator) {
    WindowGrid window;
    CGEStyle style = MoneyStyle("5");
    style.SetReadOnly(TRUE);
    PutStyle(window.grid, 2, 2, style);
    window.Select(2, 2);
    auto* pControl = ControlOf<CGECurrencyEdit>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    TypeText("8");
    PressKey(VK_SPACE);
    PumpPending();
    ::SendMessageA(pControl->m_hWnd, GEB_CALC_RESULT, 0, reinterpret_cast<LPARAM>("3."));
    EXPECT_STREQ(TextOf(pControl), "$5.00");
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "5");
}

TEST(CurrencyCell, FindAndReplaceWorkOnTheShownAmounts) {
    TestGrid grid;
    PutStyle(grid, 1, 1, MoneyStyle("1234.5"));
    auto* pControl = ControlOf<CGECurrencyEdit>(grid, 1, 1);
    ASSERT_NE(pControl, nullptr);
    CGEFindReplaceState state;
    state.SetFindText("1,234", FALSE);
    EXPECT_TRUE(pControl->FindText(state, 1, 1, TRUE, FALSE));
    state.SetFindText("999", FALSE);
    EXPECT_FALSE(pControl->FindText(state, 1, 1, TRUE, FALSE));
    state.SetFindText("1,2", FALSE);
    state.m_strReplace = "9,8";
    EXPECT_TRUE(pControl->ReplaceAll(state, 1, 1));
    EXPECT_STREQ(grid.GetStoredCellValue(1, 1), "9834.50"); // stored as an amount, not as shown
    // A replacement that leaves no amount stores nothing.
    state.SetFindText("34", FALSE);
    state.m_strReplace = "x";
    EXPECT_FALSE(pControl->ReplaceAll(state, 1, 1));
    EXPECT_STREQ(grid.GetStoredCellValue(1, 1), "9834.50");
}

TEST(CurrencyCell, AValueStoredIntoTheUnchangedCurrentCellEndsItsEditing) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MoneyStyle("1234.5"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGECurrencyEdit>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    pControl->SetActive(TRUE);
    pControl->Refresh();
    window.Update();
    ASSERT_FALSE(pControl->GetModify());
    window.grid.SetValueRange(CGECellRange(2, 2, 2, 2), "99", geOverride, 1); // through the control
    window.Update();
    EXPECT_FALSE(pControl->IsActive());
    EXPECT_FALSE(pControl->GetModify());
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "99") << "leaving the cell writes nothing back";

    // A cell being changed keeps its editing.
    window.Select(2, 2);
    TypeText("7");
    PumpPending();
    ASSERT_TRUE(pControl->GetModify());
    CGEStyle attribute;
    attribute.SetUserAttribute(GE_IDS_UA_CURRENCY_FRACDIGITS, "0");
    window.grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &attribute, geOverride, 1);
    EXPECT_TRUE(pControl->IsActive());
    EXPECT_TRUE(pControl->GetModify());
}

TEST(CurrencyCell, APressInsideTheSelectionKeepsItForDraggingTheText) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MoneyStyle("1234.5"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGECurrencyEdit>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    pControl->SetActive(TRUE);
    pControl->Refresh();
    window.Update();
    ASSERT_TRUE(pControl->IsWindowVisible());
    CRect text;
    pControl->GetTextRect(text);
    const CPoint middle(text.CenterPoint());

    pControl->SetSel(0, -1);
    ::SendMessageA(pControl->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    ::SendMessageA(pControl->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    int nStart = 0;
    int nEnd = 0;
    ASSERT_TRUE(pControl->GetModel().GetSelection(nStart, nEnd));
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, TextOf(pControl).GetLength());
    EXPECT_EQ(window.grid.drags, 1);
    EXPECT_EQ(window.grid.dragRow, 2u);
    EXPECT_EQ(window.grid.dragCol, 2u);

    // Without a selection a press only places the caret.
    pControl->SetSel(-1, 0);
    ::SendMessageA(pControl->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    ::SendMessageA(pControl->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    EXPECT_FALSE(pControl->GetModel().HasSelection());
    EXPECT_EQ(window.grid.drags, 1);
}
