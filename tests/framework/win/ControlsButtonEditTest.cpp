// Buttons, static controls and edit controls: check states, owner drawing reached through the
// parent's WM_DRAWITEM, pictures, and the single- and multi-line edit operations.
#include "ControlsTestSupport.h"

#include <string>

using namespace ctltest;

namespace {

constexpr UINT IDC_CHECK_BUTTON = 3101;
constexpr UINT IDC_DRAWN_BUTTON = 3102;
constexpr UINT IDC_EDIT = 3103;
constexpr UINT IDC_STATIC_PICTURE = 3104;

class DrawnButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        ++drawCount;
        lastCtlId = lpDrawItemStruct->CtlID;
        lastWindow = lpDrawItemStruct->hwndItem;
        // Paint something the test can see.
        ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem,
                   static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    int drawCount = 0;
    UINT lastCtlId = 0;
    HWND lastWindow = nullptr;
};

class DrawnStatic : public CStatic {
public:
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawCount; }
    int drawCount = 0;
};

std::string Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

} // namespace

using ButtonTest = ControlsTest;
using EditTest = ControlsTest;

TEST_F(ButtonTest, CheckStatesAndStyles) {
    CButton box;
    ASSERT_TRUE(box.Create("Billable", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, Area(10, 10, 120, 20), &parent,
                           IDC_CHECK_BUTTON));
    EXPECT_EQ(box.GetDlgCtrlID(), static_cast<int>(IDC_CHECK_BUTTON));
    EXPECT_EQ(Text(box), "Billable");
    EXPECT_EQ(box.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTO3STATE));
    EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);

    // A click cycles an automatic three-state box and reaches the parent as BN_CLICKED.
    box.SendMessage(BM_CLICK);
    EXPECT_EQ(box.GetCheck(), BST_CHECKED);
    box.SendMessage(BM_CLICK);
    EXPECT_EQ(box.GetCheck(), BST_INDETERMINATE);
    EXPECT_EQ(parent.CountCommands(IDC_CHECK_BUTTON, BN_CLICKED), 2);

    box.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(box.GetState() & BST_PUSHED, 0u);
    box.SetState(TRUE);
    EXPECT_NE(box.GetState() & BST_PUSHED, 0u);
    box.SetState(FALSE);
    EXPECT_EQ(box.GetState() & BST_PUSHED, 0u);

    box.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(box.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTOCHECKBOX));
    box.SendMessage(BM_CLICK);
    box.SendMessage(BM_CLICK);
    EXPECT_EQ(box.GetCheck(), BST_UNCHECKED); // two states only now
    EXPECT_TRUE(box.IsKindOf(RUNTIME_CLASS(CButton)));
}

TEST_F(ButtonTest, OwnerDrawnButtonIsDrawnThroughItsParent) {
    DrawnButton button;
    ASSERT_TRUE(button.Create("Drawn", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Area(10, 40, 60, 30), &parent,
                              IDC_DRAWN_BUTTON));
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GE(button.drawCount, 1);
    EXPECT_EQ(button.lastCtlId, IDC_DRAWN_BUTTON);
    EXPECT_EQ(button.lastWindow, button.m_hWnd);

    // What DrawItem painted is on the screen.
    HDC hDC = ::GetDC(button.m_hWnd);
    EXPECT_EQ(::GetPixel(hDC, 30, 15), RGB(0, 0, 0));
    ::ReleaseDC(button.m_hWnd, hDC);
}

TEST_F(ButtonTest, PicturesOfButtonsAndStatics) {
    CButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_BITMAP, Area(10, 80, 40, 40), &parent,
                              IDC_DRAWN_BUTTON));
    HBITMAP first = SolidBitmap(16, 16, RGB(255, 0, 0));
    HBITMAP second = SolidBitmap(16, 16, RGB(0, 255, 0));
    EXPECT_EQ(button.SetBitmap(first), nullptr);
    EXPECT_EQ(button.GetBitmap(), first);
    EXPECT_EQ(button.SetBitmap(second), first);
    EXPECT_EQ(button.GetBitmap(), second);

    CStatic picture;
    ASSERT_TRUE(picture.Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, Area(60, 80, 40, 40), &parent,
                               IDC_STATIC_PICTURE));
    EXPECT_EQ(picture.SetBitmap(first), nullptr);
    EXPECT_EQ(picture.GetBitmap(), first);

    CStatic icon;
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | SS_ICON, Area(110, 80, 40, 40), &parent));
    HICON hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    icon.SetIcon(hIcon);
    EXPECT_EQ(icon.GetIcon(), hIcon);

    button.DestroyWindow();
    picture.DestroyWindow();
    ::DeleteObject(first);
    ::DeleteObject(second);
}

TEST_F(ButtonTest, OwnerDrawnStaticIsDrawnThroughItsParent) {
    DrawnStatic label;
    ASSERT_TRUE(label.Create("", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, Area(10, 130, 60, 20), &parent,
                             IDC_STATIC_PICTURE));
    label.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GE(label.drawCount, 1);
}

TEST_F(EditTest, MultiLineLinesAndSelection) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                            Area(10, 10, 300, 100), &parent, IDC_EDIT));
    edit.SetWindowText("first line\r\nsecond\r\n\r\nlast");
    EXPECT_EQ(edit.GetLineCount(), 4);
    EXPECT_EQ(edit.LineIndex(0), 0);
    EXPECT_EQ(edit.LineIndex(1), 12);
    EXPECT_EQ(edit.LineIndex(3), 22);
    EXPECT_EQ(edit.LineIndex(4), -1);
    // LineLength takes a character index: the length of the line holding it.
    EXPECT_EQ(edit.LineLength(edit.LineIndex(1)), 6);
    EXPECT_EQ(edit.LineLength(edit.LineIndex(2)), 0);
    EXPECT_EQ(edit.LineLength(14), 6);
    EXPECT_EQ(edit.LineFromChar(23), 3);

    char line[32];
    EXPECT_EQ(edit.GetLine(1, line, sizeof line), 6);
    EXPECT_STREQ(line, "second");
    // A short buffer gets as much as fits.
    char shortLine[3];
    EXPECT_EQ(edit.GetLine(0, shortLine, 3), 3);
    EXPECT_EQ(std::string(shortLine, 3), "fir");
    char one[1];
    EXPECT_EQ(edit.GetLine(3, one, 1), 1);
    EXPECT_EQ(one[0], 'l');
    EXPECT_EQ(edit.GetLine(9, line, sizeof line), 0);
    // The classic form reads the size from the buffer's first WORD.
    char sized[16] = {};
    *reinterpret_cast<WORD*>(sized) = sizeof sized;
    EXPECT_EQ(edit.GetLine(3, sized), 4);
    EXPECT_EQ(std::string(sized, 4), "last");

    edit.SetSel(12, 18);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 12);
    EXPECT_EQ(end, 18);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(12, 18)));
    edit.ReplaceSel("2nd", TRUE);
    EXPECT_EQ(Text(edit), "first line\r\n2nd\r\n\r\nlast");
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(Text(edit), "first line\r\nsecond\r\n\r\nlast");

    edit.SetSel(0, -1);
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, edit.GetWindowTextLength());
    edit.SetSel(MAKELONG(2, 5));
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(2, 5)));
}

TEST_F(EditTest, LimitsModifyFlagReadOnlyPasswordAndMargins) {
    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Area(10, 10, 200, 24), &parent, IDC_EDIT));
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5u);
    edit.SetSel(0, -1);
    edit.ReplaceSel("abcdefgh");
    EXPECT_EQ(Text(edit), "abcde");
    EXPECT_EQ(parent.CountCommands(IDC_EDIT, EN_MAXTEXT), 1);
    edit.SetLimitText(8);
    EXPECT_EQ(edit.GetLimitText(), 8u);

    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
    edit.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_EQ(Text(edit), "abcdex");
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
    edit.SendMessage(WM_CHAR, 'y', 1);
    EXPECT_EQ(Text(edit), "abcdex");
    EXPECT_TRUE(edit.SetReadOnly(FALSE));
    EXPECT_EQ(edit.GetStyle() & ES_READONLY, 0u);

    edit.SetPasswordChar('*');
    EXPECT_EQ(edit.GetPasswordChar(), '*');
    EXPECT_EQ(Text(edit), "abcdex"); // the text itself is kept
    edit.SetPasswordChar(0);
    EXPECT_EQ(edit.GetPasswordChar(), 0);

    edit.SetMargins(3, 7);
    EXPECT_EQ(edit.GetMargins(), static_cast<DWORD>(MAKELONG(3, 7)));
}

TEST_F(EditTest, ClipboardOperations) {
    CEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Area(10, 10, 200, 24), &parent, IDC_EDIT));
    edit.SetWindowText("hello world");
    edit.SetSel(0, 6);
    edit.Clear();
    EXPECT_EQ(Text(edit), "world");
    edit.SetSel(0, 3);
    edit.Copy();
    edit.SetSel(5, 5);
    edit.Paste();
    EXPECT_EQ(Text(edit), "worldwor");
    edit.SetSel(0, 5);
    edit.Cut();
    EXPECT_EQ(Text(edit), "wor");
    edit.SetSel(3, 3);
    edit.Paste();
    EXPECT_EQ(Text(edit), "worworld");
}
