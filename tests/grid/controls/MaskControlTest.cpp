// The masked edit cell control in a real grid window: typed keys go through the mask (literals jumped,
// wrong kinds refused, prompts shown), the cell stores the value without literals and shows them again,
// the keys that move and delete keep to the editable positions, pasting takes what fits, and the cell
// draws its display text.
#include "ControlsTestSupport.h"

#include "grid/controls/edit/CGEMaskControl.h"
#include "grid/core/CGEAbstractControlFactory.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStylesMap.h"

#include <cstring>
#include <memory>
#include <vector>

using namespace ctltest;

namespace {

constexpr const char* kPhone = "(###) ###-####";

CGEStyle MaskStyle(LPCSTR pszMask, LPCSTR pszPrompt = nullptr, LPCSTR pszValue = nullptr) {
    CGEStyle style = ControlStyle(GE_IDS_CTRL_MASKEDIT, nullptr, pszValue);
    style.SetUserAttribute(GE_IDS_UA_MASKEDIT_MASK, pszMask);
    if (pszPrompt != nullptr)
        style.SetUserAttribute(GE_IDS_UA_MASKEDIT_PROMPT, pszPrompt);
    return style;
}

// Types one character at a time, letting the grid paint in between (the first character activates).
void TypeKeys(WindowGrid& window, const char* pszKeys) {
    for (const char* p = pszKeys; *p != '\0'; ++p) {
        ::SendMessageA(KeyTarget(), WM_CHAR, static_cast<unsigned char>(*p), 1);
        window.Update();
    }
}

// A masked cell made current and active with a value, the caret at a position.
CGEMaskControl* StartMasked(WindowGrid& window, ROWCOL nRow, ROWCOL nCol, LPCSTR pszMask, LPCSTR pszValue,
                            int nCaret) {
    PutStyle(window.grid, nRow, nCol, MaskStyle(pszMask, nullptr, pszValue));
    window.Select(nRow, nCol);
    auto* pMask = ControlOf<CGEMaskControl>(window.grid, nRow, nCol);
    if (pMask == nullptr)
        return nullptr;
    pMask->SetActive(TRUE);
    pMask->Refresh();
    window.Update();
    pMask->SetSel(nCaret, nCaret);
    return pMask;
}

int Caret(CGEMaskControl* pMask) {
    int nStart = 0;
    int nEnd = 0;
    pMask->GetSel(nStart, nEnd);
    return nStart;
}

struct TypingCase {
    const char* mask;
    const char* prompt;
    const char* keys;
    const char* shown;  // the window text after typing
    const char* stored; // the cell's value after Enter
};

// Each case in its own row: type, check the window, press Enter (which moves down) and check the value.
void CheckTyping(const std::vector<TypingCase>& cases) {
    WindowGrid window(static_cast<ROWCOL>(cases.size() + 2), 3, 420, 600);
    window.grid.GetParam()->m_wEnterKeyDirection = GE_DOWN;
    for (size_t i = 0; i < cases.size(); ++i)
        PutStyle(window.grid, static_cast<ROWCOL>(i + 1), 2, MaskStyle(cases[i].mask, cases[i].prompt));
    for (size_t i = 0; i < cases.size(); ++i) {
        const TypingCase& c = cases[i];
        const ROWCOL nRow = static_cast<ROWCOL>(i + 1);
        window.Select(nRow, 2);
        auto* pMask = ControlOf<CGEMaskControl>(window.grid, nRow, 2);
        ASSERT_NE(pMask, nullptr) << c.mask;
        TypeKeys(window, c.keys);
        EXPECT_STREQ(TextOf(pMask), c.shown) << c.mask << " <- " << c.keys;
        PressKey(VK_RETURN);
        window.Update();
        EXPECT_STREQ(window.Value(nRow, 2), c.stored) << c.mask << " <- " << c.keys;
        EXPECT_FALSE(pMask->IsWindowVisible()) << c.mask;
    }
}

const std::vector<TypingCase> kTypingCases = {
    {kPhone, nullptr, "5551234567", "(555) 123-4567", "5551234567"},
    {kPhone, nullptr, "55x51", "(555) 1__-____", "5551"},
    {"LLL", nullptr, "AbC", "abc", "abc"},
    {"UU-##", nullptr, "ab12", "AB-12", "AB12"},
    {"\\###", nullptr, "78", "#78", "78"},
    {"&&&", nullptr, "a 1", "a_1", "a 1"},
    {"A?", nullptr, "x1", "x_", "x"},
    {"###", "*", "12", "12*", "12"},
    {"?#?", nullptr, "1", "___", ""},
    {"", nullptr, "free", "free", "free"},
    // Separators of dates and amounts are literals whatever the user's locale.
    {"##/##/####", nullptr, "12242026", "12/24/2026", "12242026"},
    {"##.##.####", nullptr, "24122026", "24.12.2026", "24122026"},
    {"#,###.##", nullptr, "123456", "1,234.56", "123456"},
    {"#.###,##", nullptr, "12a3456", "1.234,56", "123456"},
    // Letters of the code page beyond ASCII are letters.
    {"U????", nullptr, "\xE4pfel", "\xC4pfel", "\xC4pfel"},
};

} // namespace

TEST(MaskControl, TheFactoryMakesItAndRegistersItsAttributes) {
    TestGrid grid;
    std::unique_ptr<CGEControl> pControl(GEGetLibraryState()->m_pControlFactory->CreateControl(52535, &grid));
    ASSERT_NE(dynamic_cast<CGEMaskControl*>(pControl.get()), nullptr);
    EXPECT_TRUE(pControl->IsKindOfControlClass(&CGEStatic::controlClass));
    EXPECT_FALSE(pControl->IsKindOfControlClass(&CGEEditControl::controlClass));
    const CGEStylesMap* pMap = grid.GetStylesMap();
    const CGEStylesMap::UserAttribute* pMask = pMap->LookupUserAttribute(GE_IDS_UA_MASKEDIT_MASK);
    ASSERT_NE(pMask, nullptr);
    EXPECT_STREQ(pMask->name, "Maskedit: Input Mask");
    ASSERT_NE(pMask->style, nullptr);
    EXPECT_TRUE(pMask->style->GetWrapText());
    EXPECT_TRUE(pMask->style->GetAutoSize());
    const CGEStylesMap::UserAttribute* pPrompt = pMap->LookupUserAttribute(GE_IDS_UA_MASKEDIT_PROMPT);
    ASSERT_NE(pPrompt, nullptr);
    EXPECT_STREQ(pPrompt->name, "Maskedit: Prompt Char");
    ASSERT_NE(pPrompt->style, nullptr);
    EXPECT_EQ(pPrompt->style->GetMaxLength(), 1);
}

TEST(MaskControl, TypedKeysGoThroughTheMask) {
    CheckTyping(kTypingCases);
}

TEST(MaskControl, TypedKeysGoThroughTheMaskDeDE) {
    CheckTyping(kTypingCases);
}

TEST(MaskControl, TheCellKeepsTheValueAndShowsTheLiterals) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MaskStyle(kPhone));
    auto* pMask = ControlOf<CGEMaskControl>(window.grid, 2, 2);
    ASSERT_NE(pMask, nullptr);
    CString strText;
    struct Case {
        const char* given; // a text given to the cell, with or without literals
        BOOL taken;
        const char* stored; // the value afterwards
        const char* shown;  // the cell's text afterwards
    } const cases[] = {
        {"(555) 123-4567", TRUE, "5551234567", "(555) 123-4567"},
        {"5559876543", TRUE, "5559876543", "(555) 987-6543"},
        {"555", TRUE, "555", "(555) ___-____"},
        {"", TRUE, "", ""},                // an empty value shows no prompts
        {"55512345678", FALSE, "", ""},    // one digit too many
        {"(555) 12a-4567", FALSE, "", ""}, // a letter where a digit belongs
        {"abc", FALSE, "", ""},
    };
    for (const Case& c : cases) {
        window.grid.SetValueRange(CGECellRange(2, 2, 2, 2), "", geOverride, 0, GE_NOREDRAW);
        EXPECT_EQ(pMask->SetControlText(2, 2, c.given, GE_NOREDRAW, nullptr), c.taken) << c.given;
        EXPECT_STREQ(window.Value(2, 2), c.stored) << c.given;
        const CGEStyle& style = window.grid.LookupStyleRowCol(2, 2);
        EXPECT_TRUE(pMask->GetControlText(strText, 2, 2, nullptr, style)) << c.given;
        EXPECT_STREQ(strText, c.shown) << c.given;
    }
}

TEST(MaskControl, KeysMoveAndDeleteOverTheEditablePositions) {
    WindowGrid window;
    CGEMaskControl* pMask = StartMasked(window, 2, 2, kPhone, "5551234", 6);
    ASSERT_NE(pMask, nullptr);
    EXPECT_STREQ(TextOf(pMask), "(555) 123-4___");
    // Backspace after the literals removes the digit before them and closes the gap.
    PressKey(VK_BACK);
    EXPECT_STREQ(TextOf(pMask), "(551) 234-____");
    EXPECT_EQ(Caret(pMask), 3);
    EXPECT_TRUE(pMask->GetModify());
    PressKey(VK_RIGHT);
    EXPECT_EQ(Caret(pMask), 6) << "Right jumps the literals";
    PressKey(VK_END);
    EXPECT_EQ(Caret(pMask), 9) << "End stops after the entered digits";
    PressKey(VK_HOME);
    EXPECT_EQ(Caret(pMask), 1) << "Home goes to the first editable position";
    PressKey(VK_DELETE);
    EXPECT_STREQ(TextOf(pMask), "(512) 34_-____");
    EXPECT_EQ(Caret(pMask), 1);
    // A letter at a digit position is refused and changes nothing.
    TypeText("x");
    EXPECT_STREQ(TextOf(pMask), "(512) 34_-____");
    // Typing over a selection replaces it.
    pMask->SetSel(1, 4);
    TypeText("9");
    EXPECT_STREQ(TextOf(pMask), "(934) ___-____");
    EXPECT_EQ(Caret(pMask), 2);
    pMask->SetSel(0, 0);
    PressKey(VK_LEFT);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 1)) << "Left at the start leaves the cell";
    EXPECT_STREQ(window.Value(2, 2), "934");
}

TEST(MaskControl, RightAtTheEndLeavesTheCell) {
    WindowGrid window;
    CGEMaskControl* pMask = StartMasked(window, 2, 2, kPhone, "5551234567", 13);
    ASSERT_NE(pMask, nullptr);
    PressKey(VK_RIGHT);
    EXPECT_EQ(Caret(pMask), 14) << "from the last editable position to the end of the input";
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 2));
    PressKey(VK_RIGHT);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
}

TEST(MaskControl, InsertSwitchesBetweenInsertingAndOverwriting) {
    WindowGrid window;
    CGEMaskControl* pMask = StartMasked(window, 2, 2, kPhone, "5551234567", 1);
    ASSERT_NE(pMask, nullptr);
    EXPECT_TRUE(pMask->GetInsertMode());
    TypeText("9");
    EXPECT_STREQ(TextOf(pMask), "(555) 123-4567") << "a full mask has no room to insert";
    PressKey(VK_INSERT);
    EXPECT_FALSE(pMask->GetInsertMode());
    TypeText("9");
    EXPECT_STREQ(TextOf(pMask), "(955) 123-4567");
    EXPECT_EQ(Caret(pMask), 2);
    PressKey(VK_INSERT);
    EXPECT_TRUE(pMask->GetInsertMode());
    PressKey(VK_END);
    PressKey(VK_BACK);
    pMask->SetSel(1, 1);
    TypeText("1");
    EXPECT_STREQ(TextOf(pMask), "(195) 512-3456") << "inserting shifts the digits to the right";
}

TEST(MaskControl, AnActiveCellDrawsItsWindowOverTheCell) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MaskStyle(kPhone, nullptr, "5551234567"));
    PutStyle(window.grid, 3, 2, ControlStyle(GE_IDS_CTRL_STATIC, nullptr, "(555) 123-4567"));
    PutStyle(window.grid, 4, 2, MaskStyle(kPhone));
    PutStyle(window.grid, 5, 2, ControlStyle(GE_IDS_CTRL_STATIC));
    window.Select(1, 1);
    // Inactive: the masked cell draws its display text as a static cell does, an empty one nothing.
    PixelCanvas canvas(420, 300, RGB(255, 255, 255));
    window.grid.OnGridDraw(canvas.DC());
    auto same = [&](ROWCOL nRowA, ROWCOL nRowB) {
        const CRect a = window.grid.GetCellRect(nRowA, 2);
        const CRect b = window.grid.GetCellRect(nRowB, 2);
        for (int y = 1; y < a.Height() - 1; ++y)
            for (int x = 1; x < a.Width() - 1; ++x)
                if (canvas.At(a.left + x, a.top + y) != canvas.At(b.left + x, b.top + y))
                    return false;
        return true;
    };
    EXPECT_GT(canvas.DarkPixels(window.grid.GetCellRect(2, 2)), 0);
    EXPECT_TRUE(same(2, 3));
    EXPECT_TRUE(same(4, 5));
    // Active: the edit window shows over the cell with the display text.
    window.Select(2, 2);
    TypeKeys(window, "9");
    auto* pMask = ControlOf<CGEMaskControl>(window.grid, 2, 2);
    ASSERT_NE(pMask, nullptr);
    EXPECT_TRUE(pMask->IsWindowVisible());
    EXPECT_STREQ(TextOf(pMask), "(9__) ___-____");
    CRect rectWnd;
    pMask->GetWindowRect(&rectWnd);
    window.grid.ScreenToClient(&rectWnd);
    const CRect rectCell = window.grid.GetCellRect(2, 2);
    CRect inside;
    inside.IntersectRect(&rectWnd, &rectCell);
    EXPECT_EQ(inside, rectWnd);
    EXPECT_FALSE(rectWnd.IsRectEmpty());
}

TEST(MaskControl, ReplaceAllWorksOnTheDisplayTextAndStoresTheValue) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, MaskStyle(kPhone, nullptr, "5551235557"));
    auto* pMask = ControlOf<CGEMaskControl>(window.grid, 2, 2);
    ASSERT_NE(pMask, nullptr);
    CGEFindReplaceState state;
    state.SetFindText("555", FALSE);
    state.m_strReplace = "999";
    EXPECT_TRUE(pMask->ReplaceAll(state, 2, 2));
    EXPECT_STREQ(window.Value(2, 2), "9991239997");
    state.SetFindText(") 1", FALSE); // across the literals
    state.m_strReplace = ") 7";
    EXPECT_TRUE(pMask->ReplaceAll(state, 2, 2));
    EXPECT_STREQ(window.Value(2, 2), "9997239997");
    state.SetFindText("x", FALSE);
    EXPECT_FALSE(pMask->ReplaceAll(state, 2, 2));
}

namespace {

void PutTextOnClipboard(HWND hWnd, const char* pszText) {
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    const size_t nSize = std::strlen(pszText) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(::GlobalLock(hData), pszText, nSize);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}

CString ClipboardText(UINT nFormat) {
    CString strText;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE hData = ::GetClipboardData(nFormat)) {
            strText = static_cast<const char*>(::GlobalLock(hData));
            ::GlobalUnlock(hData);
        }
        ::CloseClipboard();
    }
    return strText;
}

} // namespace

TEST(MaskControlClipboard, PastedTextTakesWhatFitsTheMask) {
    WindowGrid window;
    window.grid.GetParam()->m_bRangeClipboard = FALSE;
    struct Case {
        const char* value; // the cell's value before
        const char* clip;  // plain text on the clipboard
        const char* shown; // the window text after Ctrl+V
    } const cases[] = {
        {"", "abc", "(___) ___-____"},            // nothing fits
        {"", "(555) 123-4567", "(555) 123-4567"}, // display text with literals
        {"", "5551234567", "(555) 123-4567"},     // a value
        {"", "555123456789", "(555) 123-4567"},   // too long: what has room
        {"12", "9x", "(912) ___-____"},           // a value cut at a refused character
    };
    ROWCOL nRow = 1;
    for (const Case& c : cases) {
        CGEMaskControl* pMask = StartMasked(window, ++nRow, 2, kPhone, c.value, 1);
        ASSERT_NE(pMask, nullptr);
        PutTextOnClipboard(pMask->m_hWnd, c.clip);
        EXPECT_TRUE(pMask->CanPaste()) << c.clip;
        window.grid.ctrl = TRUE;
        ::SendMessageA(KeyTarget(), WM_CHAR, 22, 1); // Ctrl+V
        window.grid.ctrl = FALSE;
        EXPECT_STREQ(TextOf(pMask), c.shown) << c.clip;
        PressKey(VK_ESCAPE);
        window.Update();
    }
}

TEST(MaskControlClipboard, CopiedValuePastesIntoAnotherMask) {
    WindowGrid window;
    window.grid.GetParam()->m_bRangeClipboard = FALSE;
    CGEMaskControl* pMask = StartMasked(window, 2, 2, kPhone, "5551234567", 0);
    ASSERT_NE(pMask, nullptr);
    pMask->SetSel(0, -1);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, 3, 1); // Ctrl+C
    window.grid.ctrl = FALSE;
    EXPECT_STREQ(ClipboardText(CGEMaskControl::GetClipboardFormat()), "5551234567");
    EXPECT_STREQ(ClipboardText(CF_TEXT), "(555) 123-4567");
    PressKey(VK_ESCAPE);
    // The other mask could not take the text with its literals; it takes the value.
    CGEMaskControl* pOther = StartMasked(window, 3, 2, "###-###-####", "", 0);
    ASSERT_NE(pOther, nullptr);
    window.grid.ctrl = TRUE;
    ::SendMessageA(KeyTarget(), WM_CHAR, 22, 1); // Ctrl+V
    window.grid.ctrl = FALSE;
    EXPECT_STREQ(TextOf(pOther), "555-123-4567");
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(3, 2), "5551234567");
}

TEST(MaskControl, AClickPutsTheCaretWithinTheEnteredText) {
    WindowGrid window;
    struct Case {
        const char* mask;
        const char* value;
        bool atRight; // clicked at the window's right end, else its left end
        int caret;    // where the caret lands
        const char* typed;
        const char* shown;
    } const cases[] = {
        {"###", "", false, 0, "7", "7__"},
        {kPhone, "555", false, 1, "9", "(955) 5__-____"},
        {kPhone, "555", true, 4, "1", "(555) 1__-____"},
    };
    ROWCOL nRow = 1;
    for (const Case& c : cases) {
        CGEMaskControl* pMask = StartMasked(window, ++nRow, 2, c.mask, c.value, 0);
        ASSERT_NE(pMask, nullptr);
        CRect client;
        pMask->GetClientRect(&client);
        const CPoint point(c.atRight ? client.right - 1 : 0, client.Height() / 2);
        Click(pMask->m_hWnd, point);
        EXPECT_EQ(Caret(pMask), c.caret) << c.mask << " " << c.value;
        TypeText(c.typed);
        EXPECT_STREQ(TextOf(pMask), c.shown) << c.mask << " " << c.value;
        PressKey(VK_ESCAPE);
        window.Update();
    }
}

TEST(MaskControl, DeleteOnTheCurrentCellEmptiesItsValue) {
    WindowGrid window;
    window.grid.GetParam()->m_bRangeClipboard = FALSE;
    window.grid.GetParam()->m_wEnterKeyDirection = GE_DOWN;
    PutStyle(window.grid, 2, 2, MaskStyle(kPhone, nullptr, "5551234567"));
    window.Select(2, 2);
    auto* pMask = ControlOf<CGEMaskControl>(window.grid, 2, 2);
    ASSERT_NE(pMask, nullptr);
    EXPECT_FALSE(pMask->IsActive());
    PressKey(VK_DELETE);
    window.Update();
    EXPECT_TRUE(pMask->IsActive());
    EXPECT_STREQ(TextOf(pMask), "(___) ___-____");
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "");
}
