// The edit variants: the spin edit's steps inside its bounds, the places of the hot-spot and spin buttons,
// the text kept clear of buttons and scroll bar, a spin cell stepped by its arrows in a grid window, and
// the password cell that shows its mask, edits the plain text and gives nothing to the clipboard.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEDownArrowButton.h"
#include "grid/controls/CGEHotSpotButton.h"
#include "grid/controls/CGEUpArrowButton.h"
#include "grid/controls/edit/CGEHotSpotEdit.h"
#include "grid/controls/edit/CGEPasswordControl.h"
#include "grid/controls/edit/CGESpinEdit.h"
#include "grid/controls/edit/CGEVScrollEdit.h"
#include "grid/core/CGEFindReplaceState.h"

#include <memory>
#include <string>

using namespace ctltest;

namespace {

CGESpinEdit::Bounds SpinBounds(const char* pszMin, const char* pszMax, const char* pszWrap = "",
                               const char* pszStart = "") {
    CGEStyle style;
    style.SetUserAttribute(GE_IDS_UA_SPINBOUND_MIN, pszMin)
        .SetUserAttribute(GE_IDS_UA_SPINBOUND_MAX, pszMax)
        .SetUserAttribute(GE_IDS_UA_SPINBOUND_WRAP, pszWrap)
        .SetUserAttribute(GE_IDS_UA_SPINEDIT_START, pszStart);
    return CGESpinEdit::BoundsOf(style);
}

// Held while a test uses the clipboard that every test program of the prefix shares.
class ClipboardLock {
public:
    ClipboardLock() : m_hMutex(::CreateMutexA(nullptr, FALSE, "BrindlemarkTestClipboard")) {
        ::WaitForSingleObject(m_hMutex, INFINITE);
    }
    ~ClipboardLock() {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;

private:
    HANDLE m_hMutex;
};

void PutClipboardText(HWND hOwner, const char* pszText) {
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    const size_t n = std::strlen(pszText) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(::GlobalLock(hData), pszText, n);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}

std::string ClipboardText() {
    if (!::OpenClipboard(nullptr))
        return "<closed>";
    std::string text = "<none>";
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

} // namespace

TEST(SpinEdit, StepsStayInsideTheBounds) {
    struct Case {
        const char* text;
        BOOL up;
        CGESpinEdit::Bounds bounds;
        long expected;
        const char* what;
    } const cases[] = {
        {"3", TRUE, SpinBounds("", ""), 4, "no bounds: up"},
        {"3", FALSE, SpinBounds("", ""), 2, "no bounds: down"},
        {"10", TRUE, SpinBounds("0", "10", "1"), 0, "up at the maximum wraps to the minimum"},
        {"10", TRUE, SpinBounds("0", "10"), 10, "without wrap it stays at the maximum"},
        {"0", FALSE, SpinBounds("0", "10", "1"), 10, "down at the minimum wraps to the maximum"},
        {"0", FALSE, SpinBounds("0", "10"), 0, "without wrap it stays at the minimum"},
        {"10", TRUE, SpinBounds("", "10", "1"), 10, "wrap needs a minimum to wrap to"},
        {"", TRUE, SpinBounds("0", "10", "", "5"), 5, "an empty cell shows its start value first"},
        {"", FALSE, SpinBounds("0", "10", "", "5"), 5, "either arrow"},
        {"", TRUE, SpinBounds("0", "3", "", "5"), 3, "a start value outside the bounds is clamped"},
        {"57", FALSE, SpinBounds("0", "10"), 10, "a typed value above the bounds is clamped"},
        {"-8", TRUE, SpinBounds("0", "10"), 0, "and one below them"},
        {"abc", TRUE, SpinBounds("", ""), 1, "a text that is no number counts as 0"},
        {"", TRUE, SpinBounds("", ""), 1, "empty without a start value counts as 0"},
        {"2147483647", TRUE, SpinBounds("", ""), 2147483647, "the largest number does not overflow"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGESpinEdit::Step(c.text, c.up, c.bounds), c.expected) << c.what;
    const CGESpinEdit::Bounds none = SpinBounds("", "", "0", "");
    EXPECT_FALSE(none.bHasMin || none.bHasMax || none.bHasStart || none.bWrap)
        << "empty attributes set nothing";
}

TEST(EditVariants, ButtonsSitAtTheCellsRight) {
    struct Hot {
        CRect cell;
        CRect button;
        const char* what;
    } const hot[] = {
        {CRect(0, 0, 100, 22), CRect(86, 1, 99, 14), "a high cell: one pixel down"},
        {CRect(0, 0, 100, 10), CRect(86, 0, 99, 10), "a cell lower than the button: clipped, not moved"},
        {CRect(0, 0, 10, 22), CRect(0, 1, 9, 14), "a narrow cell: clipped at its left"},
    };
    for (const Hot& h : hot)
        EXPECT_EQ(CGEHotSpotEdit::ButtonRect(h.cell), h.button) << h.what;
    CRect up;
    CRect down;
    CGESpinEdit::ArrowRects(CRect(0, 0, 100, 22), up, down);
    EXPECT_EQ(up, CRect(85, 1, 99, 11));
    EXPECT_EQ(down, CRect(85, 11, 99, 21));
}

TEST(EditVariants, TextKeepsClearOfButtonsAndScrollBar) {
    TestGrid grid;
    CGEStatic plain(&grid);
    CGEHotSpotEdit hotSpot(&grid, GE_IDS_CTRL_HOTSPOT);
    CGESpinEdit spin(&grid, GE_IDS_CTRL_SPINEDIT);
    CGEVScrollEdit scroll(&grid, GE_IDS_CTRL_SCROLLEDIT);
    const CRect cell(10, 10, 110, 40);
    CGEStyle style;
    const CRect text = plain.ComputeTextRect(1, 1, &cell, &style);
    EXPECT_EQ(hotSpot.ComputeTextRect(1, 1, &cell, &style).right, text.right - 13);
    EXPECT_EQ(spin.ComputeTextRect(1, 1, &cell, &style).right, text.right - 14);
    EXPECT_EQ(scroll.ComputeTextRect(1, 1, &cell, &style), text) << "no scroll bar asked for";
    style.SetVerticalScrollbar(TRUE);
    EXPECT_EQ(scroll.ComputeTextRect(1, 1, &cell, &style).right,
              text.right - ::GetSystemMetrics(SM_CXVSCROLL));
    CDC* pDC = grid.GetGridDC();
    const CSize size(40, 16);
    EXPECT_EQ(hotSpot.AddTextMarginsToSize(pDC, size, style).cx,
              plain.AddTextMarginsToSize(pDC, size, style).cx + 13);
    EXPECT_EQ(spin.AddTextMarginsToSize(pDC, size, style).cx,
              plain.AddTextMarginsToSize(pDC, size, style).cx + 14);
    // None of them lets its text float.
    CGEStyle withText;
    withText.SetValue("a long text");
    for (CGEControl* pControl : std::initializer_list<CGEControl*>{&hotSpot, &spin, &scroll}) {
        EXPECT_FALSE(pControl->CanFloatCell(1, 1, withText, TRUE))
            << pControl->GetControlClass()->m_pszClassName;
    }
}

TEST(EditVariants, TheFactoryGivesEachItsOwnWindowId) {
    TestGrid grid;
    for (WORD nId :
         {GE_IDS_CTRL_SCROLLEDIT, GE_IDS_CTRL_HOTSPOT, GE_IDS_CTRL_SPINEDIT, GE_IDS_CTRL_PASSWORD}) {
        PutStyle(grid, 1, 1, ControlStyle(nId));
        auto* pEdit = ControlOf<CGEEditControl>(grid, 1, 1);
        ASSERT_NE(pEdit, nullptr) << nId;
        EXPECT_EQ(pEdit->GetWindowId(), nId);
        EXPECT_TRUE(pEdit->IsKindOfControlClass(&CGEEditControl::controlClass)) << nId;
    }
    EXPECT_EQ(ControlOf<CGEHotSpotEdit>(grid, 1, 1), nullptr);
    PutStyle(grid, 1, 1, ControlStyle(GE_IDS_CTRL_SPINEDIT));
    auto* pSpin = ControlOf<CGESpinEdit>(grid, 1, 1);
    ASSERT_NE(pSpin, nullptr);
    EXPECT_EQ(pSpin->GetChildCount(), 2);
    EXPECT_EQ(pSpin->GetChild(0), static_cast<CGEChild*>(pSpin->GetUpButton())) << "up first, then down";
}

TEST(SpinEditWindow, TheArrowsStepTheValueAndLeavingStoresIt) {
    WindowGrid window;
    CGEStyle style = ControlStyle(GE_IDS_CTRL_SPINEDIT);
    style.SetUserAttribute(GE_IDS_UA_SPINBOUND_MIN, "1")
        .SetUserAttribute(GE_IDS_UA_SPINBOUND_MAX, "3")
        .SetUserAttribute(GE_IDS_UA_SPINBOUND_WRAP, "1")
        .SetUserAttribute(GE_IDS_UA_SPINEDIT_START, "2");
    PutStyle(window.grid, 2, 2, style);
    window.Select(2, 2);
    auto* pSpin = ControlOf<CGESpinEdit>(window.grid, 2, 2);
    ASSERT_NE(pSpin, nullptr);
    pSpin->LayoutChildren(2, 2, pSpin->ComputeTextRect(2, 2, nullptr, nullptr));
    const CPoint up = pSpin->GetUpButton()->GetRect().CenterPoint();
    const CPoint down = pSpin->GetDownButton()->GetRect().CenterPoint();
    Click(window.Hwnd(), up);
    window.Update();
    EXPECT_TRUE(pSpin->IsActive());
    EXPECT_STREQ(TextOf(pSpin), "2") << "the start value";
    Click(window.Hwnd(), up);
    Click(window.Hwnd(), up);
    EXPECT_STREQ(TextOf(pSpin), "1") << "2 -> 3 -> wrapped to 1";
    Click(window.Hwnd(), down);
    EXPECT_STREQ(TextOf(pSpin), "3");
    EXPECT_STREQ(window.Value(2, 2), "") << "not stored while the cell is edited";
    TypeText("2");
    PressKey(VK_DOWN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "2") << "a typed value replaces the selected one and is stored";
    EXPECT_TRUE(window.grid.IsCurrentCell(3, 2));
}

TEST(PasswordEdit, ShowsTheMaskAndEditsThePlainText) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_PASSWORD, nullptr, "s3cret"));
    auto* pPassword = ControlOf<CGEPasswordControl>(window.grid, 2, 2);
    ASSERT_NE(pPassword, nullptr);
    CString strText;
    EXPECT_TRUE(pPassword->GetControlText(strText, 2, 2, nullptr, window.grid.LookupStyleRowCol(2, 2)));
    EXPECT_STREQ(strText, "******") << "the drawn text";
    window.Select(2, 2);
    TypeText("x");
    window.Update();
    ASSERT_TRUE(pPassword->IsActive());
    EXPECT_STREQ(TextOf(pPassword), "x") << "typing replaces the plain value in the window";
    EXPECT_EQ(pPassword->SendMessage(EM_GETPASSWORDCHAR), static_cast<LRESULT>('*'));
    EXPECT_EQ(pPassword->GetStyle() & ES_MULTILINE, 0u) << "always single-line";
    TypeText("yz");
    PressKey(VK_DOWN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "xyz") << "the plain text is stored, not its mask";
    window.Select(2, 2);
    EXPECT_STREQ(TextOf(pPassword), "xyz") << "the window holds the plain value again";
}

TEST(PasswordEdit, NothingReachesTheClipboardOrAReplacement) {
    ClipboardLock lock;
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_PASSWORD, nullptr, "s3cret"));
    PutStyle(window.grid, 3, 2, ControlStyle(GE_IDS_CTRL_PASSWORD, nullptr, "other"));
    window.Select(2, 2);
    auto* pPassword = ControlOf<CGEPasswordControl>(window.grid, 2, 2);
    ASSERT_NE(pPassword, nullptr);
    PutClipboardText(window.Hwnd(), "kept");
    EXPECT_TRUE(pPassword->Copy());
    EXPECT_TRUE(pPassword->Cut());
    pPassword->SetActive(TRUE);
    pPassword->SetSel(0, -1);
    EXPECT_TRUE(pPassword->Copy());
    EXPECT_TRUE(pPassword->Cut());
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_STREQ(TextOf(pPassword), "s3cret") << "Cut deletes nothing";
    // Replacing "*" in a cell that is not edited would write over its secret.
    CGEFindReplaceState state;
    state.SetFindText("*", TRUE);
    state.m_strReplace = "x";
    EXPECT_FALSE(pPassword->ReplaceAll(state, 3, 2));
    EXPECT_STREQ(window.Value(3, 2), "other");
}
