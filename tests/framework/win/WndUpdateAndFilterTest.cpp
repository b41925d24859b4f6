// Update regions and redrawing of a window (validate, redraw off, lock, scroll), scrolling a multi-line
// edit, what a command's update handler is told about its menu item or control, and the application's
// message filter inside a popup menu's loop.
#include "WinTestSupport.h"

#include "framework/win/AfxCmn.h"

#include <vector>

using namespace wintest;

namespace {

// Another test file has a window class of this name with an OnPaint handler of its own; each file's
// message map must still reach its own class's handler (the names are kept alike on purpose).
class PaintWnd : public CWnd {
public:
    std::vector<CRect> painted; // the areas painted, in order

    int Paints() const { return static_cast<int>(painted.size()); }

    BOOL CreateTest() {
        return CreateEx(0, AfxRegisterWndClass(0), "Paint", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100),
                        nullptr, 0);
    }
    CRect UpdateRect() {
        CRect rect;
        if (!::GetUpdateRect(m_hWnd, &rect, FALSE))
            return CRect(0, 0, 0, 0);
        return rect;
    }

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        painted.emplace_back(dc.m_ps.rcPaint);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

class WndUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.CreateTest());
        wnd.UpdateWindow();
        ASSERT_TRUE(wnd.UpdateRect().IsRectEmpty());
    }
    TestApp app;
    PaintWnd wnd;
};

} // namespace

TEST_F(WndUpdate, InvalidatedAreasAreValidatedAgainAndPaintedOnUpdate) {
    wnd.InvalidateRect(CRect(0, 0, 10, 10), FALSE);
    wnd.InvalidateRect(CRect(50, 20, 60, 30), FALSE);
    EXPECT_EQ(wnd.UpdateRect(), CRect(0, 0, 60, 30));
    wnd.ValidateRect(CRect(0, 0, 10, 10));
    EXPECT_EQ(wnd.UpdateRect(), CRect(50, 20, 60, 30));
    wnd.ValidateRect(nullptr);
    EXPECT_TRUE(wnd.UpdateRect().IsRectEmpty());

    const int before = wnd.Paints();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.Paints(), before) << "nothing left to paint";
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.Paints(), before + 1);
    EXPECT_TRUE(wnd.RedrawWindow(CRect(5, 5, 15, 15)));
    ASSERT_EQ(wnd.Paints(), before + 2) << "the default flags paint at once";
    EXPECT_EQ(wnd.painted.back(), CRect(5, 5, 15, 15));
    EXPECT_TRUE(wnd.UpdateRect().IsRectEmpty());
}

TEST_F(WndUpdate, RedrawOffSuppressesPaintingUntilTurnedOn) {
    const int before = wnd.Paints();
    wnd.SetRedraw(FALSE);
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.Paints(), before);
    wnd.SetRedraw(TRUE);
    EXPECT_TRUE(wnd.IsWindowVisible());
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.Paints(), before + 1);
}

TEST_F(WndUpdate, OnlyOneWindowIsLockedAtATime) {
    PaintWnd other;
    ASSERT_TRUE(other.CreateTest());
    ASSERT_TRUE(wnd.LockWindowUpdate());
    EXPECT_FALSE(other.LockWindowUpdate());
    wnd.UnlockWindowUpdate();
    EXPECT_TRUE(other.LockWindowUpdate());
    other.UnlockWindowUpdate();
}

TEST_F(WndUpdate, ScrollingReportsAndInvalidatesTheUncoveredStrip) {
    CRgn exposed;
    ASSERT_TRUE(exposed.CreateRectRgn(0, 0, 0, 0));
    CRect updated;
    EXPECT_NE(wnd.ScrollWindowEx(0, -10, nullptr, nullptr, &exposed, &updated, SW_INVALIDATE), ERROR);
    EXPECT_EQ(updated, CRect(0, 90, 200, 100));
    CRect box;
    exposed.GetRgnBox(&box);
    EXPECT_EQ(box, updated);
    EXPECT_EQ(wnd.UpdateRect(), updated);

    wnd.ValidateRect(nullptr);
    // Without SW_INVALIDATE the strip is only reported; a clip rectangle limits it.
    EXPECT_NE(wnd.ScrollWindowEx(15, 0, nullptr, CRect(0, 0, 100, 100), nullptr, &updated, 0), ERROR);
    EXPECT_EQ(updated, CRect(0, 0, 15, 100));
    EXPECT_TRUE(wnd.UpdateRect().IsRectEmpty());
}

TEST_F(WndUpdate, MultiLineEditScrollsByLines) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL,
                            CRect(0, 0, 150, 60), &wnd, 10));
    CString text;
    for (int i = 0; i < 30; ++i) {
        CString line;
        line.Format("line %d\r\n", i);
        text += line;
    }
    edit.SetWindowText(text);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    edit.LineScroll(5);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 5);
    edit.LineScroll(-2);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 3);
    edit.LineScroll(-10);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
}

// ---------------------------------------------------------------------------------------------------
// What update handlers are told

namespace {

constexpr UINT ID_POPUP_FIRST = 0x8101;
constexpr UINT ID_PLAIN = 0x8102;
constexpr UINT IDC_PUSH = 0x8103;

struct Seen {
    UINT id;
    UINT index;
    UINT indexMax;
    HMENU menu;
    HMENU subMenu;
    HWND other;
};

class UpdateTarget : public CWnd {
public:
    std::vector<Seen> seen;
    BOOL enable = FALSE;

    BOOL CreateTest() {
        return CreateEx(0, AfxRegisterWndClass(0), "Target", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0);
    }

protected:
    afx_msg void OnUpdate(CCmdUI* pCmdUI) {
        seen.push_back({pCmdUI->m_nID, pCmdUI->m_nIndex, pCmdUI->m_nIndexMax, pCmdUI->m_pMenu->GetSafeHmenu(),
                        pCmdUI->m_pSubMenu->GetSafeHmenu(), pCmdUI->m_pOther->GetSafeHwnd()});
        pCmdUI->Enable(enable);
        pCmdUI->SetCheck(1);
    }
    afx_msg void OnCommandStub() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdateTarget, CWnd)
ON_UPDATE_COMMAND_UI(ID_POPUP_FIRST, OnUpdate)
ON_UPDATE_COMMAND_UI(ID_PLAIN, OnUpdate)
ON_UPDATE_COMMAND_UI(IDC_PUSH, OnUpdate)
ON_COMMAND(ID_PLAIN, OnCommandStub)
END_MESSAGE_MAP()

} // namespace

TEST(CmdUIState, MenuItemsOpeningAPopupAreUpdatedThroughTheirFirstCommandButKeepTheirState) {
    TestApp app;
    UpdateTarget target;
    ASSERT_TRUE(target.CreateTest());
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_POPUP_FIRST, "First");
    const HMENU hPopup = popup.Detach();
    bar.AppendMenu(MF_STRING, ID_PLAIN, "Plain");
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), "Popup");

    CCmdUI::UpdateMenu(&target, &bar, TRUE);
    ASSERT_EQ(target.seen.size(), 2u);
    const Seen& plain = target.seen[0];
    EXPECT_EQ(plain.id, ID_PLAIN);
    EXPECT_EQ(plain.index, 0u);
    EXPECT_EQ(plain.indexMax, 2u);
    EXPECT_EQ(plain.menu, bar.m_hMenu);
    EXPECT_EQ(plain.subMenu, nullptr);
    EXPECT_EQ(plain.other, nullptr);
    const Seen& opener = target.seen[1];
    EXPECT_EQ(opener.id, ID_POPUP_FIRST);
    EXPECT_EQ(opener.index, 1u);
    EXPECT_EQ(opener.subMenu, hPopup);
    // The plain item follows its handler; the popup's opener is neither disabled nor checked.
    EXPECT_TRUE(bar.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(bar.GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(bar.GetMenuState(1, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED));
}

TEST(CmdUIState, ControlsAreUpdatedAsThemselvesAndLoseTheFocusWhenDisabled) {
    TestApp app;
    UpdateTarget target;
    ASSERT_TRUE(target.CreateTest());
    target.ShowWindow(SW_SHOW);
    CButton push;
    ASSERT_TRUE(push.Create("Push", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(0, 0, 60, 20),
                            &target, IDC_PUSH));
    CButton check;
    ASSERT_TRUE(check.Create("Check", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, CRect(0, 30, 60, 50),
                             &target, ID_PLAIN));
    push.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &push);

    target.UpdateDialogControls(&target, FALSE);
    ASSERT_EQ(target.seen.size(), 2u);
    for (const Seen& s : target.seen) {
        EXPECT_EQ(s.menu, nullptr);
        EXPECT_EQ(s.other, s.id == IDC_PUSH ? push.m_hWnd : check.m_hWnd);
    }
    EXPECT_FALSE(push.IsWindowEnabled());
    EXPECT_NE(CWnd::GetFocus(), &push) << "a disabled control keeps no focus";
    EXPECT_EQ(check.GetCheck(), 1);

    target.enable = TRUE;
    target.UpdateDialogControls(&target, FALSE);
    EXPECT_TRUE(push.IsWindowEnabled());
}

// ---------------------------------------------------------------------------------------------------
// The message filter inside a popup menu

namespace {

class MenuHostWnd : public CWnd {
public:
    BOOL CreateTest() {
        return CreateEx(0, AfxRegisterWndClass(0), "Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 300, 200), nullptr, 0);
    }
};

} // namespace

TEST(MenuMessageFilter, TheApplicationSeesMessagesOfAPopupMenusLoop) {
    TestApp app;
    MenuHostWnd host;
    ASSERT_TRUE(host.CreateTest());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_PLAIN, "Plain");

    // A thread timer, dispatched by the menu's own loop, closes the menu after a few ticks.
    static int s_ticks;
    static UINT_PTR s_timer;
    s_ticks = 0;
    s_timer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        if (++s_ticks < 3)
            return;
        ::KillTimer(nullptr, s_timer);
        ::EndMenu();
    });
    app.filterCodes.clear();
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &host), 0);
    EXPECT_GE(s_ticks, 3) << "the menu ended by the timer";
    bool sawMenuFilter = false;
    for (int code : app.filterCodes)
        sawMenuFilter = sawMenuFilter || code == MSGF_MENU;
    EXPECT_TRUE(sawMenuFilter);
}
