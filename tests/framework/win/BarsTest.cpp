// Control bars in a frame window: a tool bar from a TOOLBAR resource, its buttons updated at idle time
// through the frame's update handlers, tool tips and commands; the status bar's panes and indicators;
// a dialog bar; docking to the frame's edges, floating and the saved bar state.
#include "WinTestSupport.h"

#include "BarsTestsResource.h"
#include "FrameBarsSupport.h"
#include "framework/win/CDialogBar.h"
#include "framework/win/CDockBar.h"
#include "framework/win/CDockState.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMiniDockFrameWnd.h"
#include "framework/win/CStatusBar.h"
#include "framework/win/CToolBar.h"

#include <string>

using namespace wintest;

namespace {

class BarsFrame : public CFrameWnd {
public:
    CToolBar toolBar;
    CToolBar toolBar2;
    CStatusBar statusBar;
    CDialogBar dialogBar;
    CWnd pane;

    int commandsA = 0;
    int goClicks = 0;
    bool enableB = false;
    int checkMine = 1;
    int checkNoTip = 0;
    CString hoursText = "7.5 hours";

    BOOL CreateFrame() {
        if (!Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)))
            return FALSE;
        return pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                           AFX_IDW_PANE_FIRST);
    }

    // Rectangle of a window in this frame's client coordinates.
    CRect RectOf(const CWnd& wnd) const {
        CRect rect;
        wnd.GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }

protected:
    afx_msg void OnCmdA() { ++commandsA; }
    afx_msg void OnCmdB() {}
    afx_msg void OnUpdateB(CCmdUI* pCmdUI) { pCmdUI->Enable(enableB); }
    afx_msg void OnGo() { ++goClicks; }
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(checkMine); }
    afx_msg void OnUpdateNoTip(CCmdUI* pCmdUI) {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(checkNoTip);
    }
    afx_msg void OnUpdateHours(CCmdUI* pCmdUI) { pCmdUI->SetText(hoursText); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarsFrame, CFrameWnd)
ON_COMMAND(ID_BARS_CMD_A, OnCmdA)
ON_COMMAND(ID_BARS_CMD_B, OnCmdB)
ON_UPDATE_COMMAND_UI(ID_BARS_CMD_B, OnUpdateB)
ON_BN_CLICKED(IDC_BARS_GO, OnGo)
ON_UPDATE_COMMAND_UI(IDC_BARS_CHECK, OnUpdateCheck)
ON_UPDATE_COMMAND_UI(ID_BARS_NOTIP, OnUpdateNoTip)
ON_UPDATE_COMMAND_UI(IDS_BARS_HOURS, OnUpdateHours)
END_MESSAGE_MAP()

class Bars : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new BarsFrame; // a frame deletes itself with its window
        ASSERT_TRUE(frame->CreateFrame());
        hFrame = frame->m_hWnd;
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        if (::IsWindow(hFrame))
            ::DestroyWindow(hFrame);
        app.m_pMainWnd = nullptr;
        PumpPending();
    }

    void CreateToolBar(DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) {
        ASSERT_TRUE(frame->toolBar.CreateEx(frame, TBSTYLE_FLAT, dwStyle));
        ASSERT_TRUE(frame->toolBar.LoadToolBar(IDR_BARS_TOOLBAR));
    }
    void CreateStatusBar() {
        static const UINT indicators[] = {ID_SEPARATOR,      IDS_BARS_HOURS,   IDS_BARS_FILTERED,
                                          ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
        ASSERT_TRUE(frame->statusBar.Create(frame));
        ASSERT_TRUE(frame->statusBar.SetIndicators(indicators, 6));
    }
    void Idle() { app.OnIdle(0); }

    // The button's state as the control has it.
    bool ButtonEnabled(UINT nID) const {
        return frame->toolBar.GetToolBarCtrl().IsButtonEnabled(static_cast<int>(nID));
    }

    TestApp app;
    BarsFrame* frame = nullptr;
    HWND hFrame = nullptr;
};

// ---------------------------------------------------------------------------------------------------
// Tool bar

TEST_F(Bars, ToolBarTakesButtonsSeparatorsAndImagesFromTheResource) {
    CreateToolBar();
    CToolBar& bar = frame->toolBar;
    EXPECT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 5);
    const UINT expected[] = {ID_BARS_CMD_A, ID_BARS_CMD_B, ID_SEPARATOR, ID_BARS_CMD_C, ID_BARS_NOTIP};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bar.GetItemID(i), expected[i]) << i;
    EXPECT_EQ(bar.CommandToIndex(ID_BARS_CMD_C), 3);
    EXPECT_EQ(bar.CommandToIndex(ID_BARS_CMD_D), -1);
    EXPECT_TRUE(bar.GetButtonStyle(2) & TBBS_SEPARATOR);

    // Buttons take the images in order; the separator is skipped.
    UINT nID = 0;
    UINT nStyle = 0;
    int iImage = -1;
    bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(nID, static_cast<UINT>(ID_BARS_CMD_C));
    EXPECT_EQ(iImage, 2);
    EXPECT_EQ(nStyle & 0xFFFF, static_cast<UINT>(TBSTYLE_BUTTON));
    EXPECT_EQ(bar.m_sizeImage, CSize(16, 15));
    EXPECT_EQ(bar.m_sizeButton, CSize(23, 22));

    // Buttons sit left to right, the separator between them narrower than a button.
    CRect first, sep, third;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(2, &sep);
    bar.GetItemRect(3, &third);
    EXPECT_EQ(first.Width(), 23);
    EXPECT_LT(sep.Width(), first.Width());
    EXPECT_EQ(sep.left, first.right + 23);
    EXPECT_EQ(third.left, sep.right);
}

TEST_F(Bars, LoadToolBarRefusesMissingAndMalformedResourcesAndKeepsTheButtons) {
    CreateToolBar();
    CToolBar& bar = frame->toolBar;
    EXPECT_FALSE(bar.LoadToolBar(6999));
    EXPECT_FALSE(bar.LoadToolBar(IDR_BARS_BADTOOLBAR));   // version 2
    EXPECT_FALSE(bar.LoadToolBar(IDR_BARS_SHORTTOOLBAR)); // 9 buttons announced, 1 present
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 5);
    EXPECT_EQ(bar.GetItemID(0), static_cast<UINT>(ID_BARS_CMD_A));

    CToolBar unborn;
    EXPECT_FALSE(unborn.LoadToolBar(IDR_BARS_TOOLBAR));
}

TEST_F(Bars, IdleUpdateEnablesButtonsByHandlerAndDisablesCommandsNobodyHandles) {
    CreateToolBar();
    frame->enableB = false;
    Idle();
    EXPECT_TRUE(ButtonEnabled(ID_BARS_CMD_A));  // a command handler, no update handler
    EXPECT_FALSE(ButtonEnabled(ID_BARS_CMD_B)); // its update handler says no
    EXPECT_FALSE(ButtonEnabled(ID_BARS_CMD_C)); // nobody handles it
    EXPECT_TRUE(frame->toolBar.GetButtonStyle(1) & TBBS_DISABLED);

    frame->enableB = true;
    Idle();
    EXPECT_TRUE(ButtonEnabled(ID_BARS_CMD_B));
    EXPECT_FALSE(frame->toolBar.GetButtonStyle(1) & TBBS_DISABLED);

    // Checked from its handler: the button becomes a check box, checked or indeterminate.
    EXPECT_FALSE(frame->toolBar.GetToolBarCtrl().IsButtonChecked(ID_BARS_NOTIP));
    frame->checkNoTip = 1;
    Idle();
    EXPECT_TRUE(frame->toolBar.GetToolBarCtrl().IsButtonChecked(ID_BARS_NOTIP));
    EXPECT_EQ(frame->toolBar.GetButtonStyle(4), static_cast<UINT>(TBBS_CHECKBOX | TBBS_CHECKED));
    frame->checkNoTip = 2;
    Idle();
    EXPECT_FALSE(frame->toolBar.GetToolBarCtrl().IsButtonChecked(ID_BARS_NOTIP));
    EXPECT_TRUE(frame->toolBar.GetToolBarCtrl().IsButtonIndeterminate(ID_BARS_NOTIP));

    // A hidden bar is not updated.
    frame->ShowControlBar(&frame->toolBar, FALSE, FALSE);
    frame->enableB = false;
    Idle();
    EXPECT_TRUE(ButtonEnabled(ID_BARS_CMD_B));
}

TEST_F(Bars, ButtonStylesAndStatesRoundTrip) {
    CreateToolBar();
    CToolBar& bar = frame->toolBar;
    bar.SetButtonStyle(0, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_EQ(bar.GetButtonStyle(0), static_cast<UINT>(TBBS_CHECKBOX | TBBS_CHECKED));
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonChecked(ID_BARS_CMD_A));
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonEnabled(ID_BARS_CMD_A));

    bar.SetButtonStyle(0, TBBS_BUTTON | TBBS_DISABLED);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_BARS_CMD_A));
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonChecked(ID_BARS_CMD_A));

    // A button can become another command with another image.
    bar.SetButtonInfo(4, ID_BARS_CMD_D, TBBS_BUTTON, 3);
    EXPECT_EQ(bar.GetItemID(4), static_cast<UINT>(ID_BARS_CMD_D));
    EXPECT_EQ(bar.CommandToIndex(ID_BARS_NOTIP), -1);
    UINT nID = 0;
    UINT nStyle = 0;
    int iImage = 0;
    bar.GetButtonInfo(4, nID, nStyle, iImage);
    EXPECT_EQ(iImage, 3);

    EXPECT_EQ(bar.GetButtonStyle(99), 0u);
}

TEST_F(Bars, ClickedButtonSendsItsCommandToTheFrameDockedOrNot) {
    CreateToolBar();
    Idle();
    auto click = [&](UINT nID) { fbtest::ClickButton(frame->toolBar, nID); };
    click(ID_BARS_CMD_A);
    EXPECT_EQ(frame->commandsA, 1);
    click(ID_BARS_CMD_C); // disabled: nothing happens
    EXPECT_EQ(frame->commandsA, 1);

    frame->EnableDocking(CBRS_ALIGN_ANY);
    frame->toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&frame->toolBar);
    click(ID_BARS_CMD_A);
    EXPECT_EQ(frame->commandsA, 2);

    frame->FloatControlBar(&frame->toolBar, CPoint(300, 300));
    click(ID_BARS_CMD_A);
    EXPECT_EQ(frame->commandsA, 3);
}

TEST_F(Bars, ToolTipIsThePartOfTheCommandStringAfterTheNewline) {
    CreateToolBar();
    CToolBar& bar = frame->toolBar;
    HWND hTip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(hTip, nullptr) << "CBRS_TOOLTIPS gives the tool bar its tool tip control";

    struct Case {
        UINT nID;
        const char* tip;
    };
    for (const Case& c :
         {Case{ID_BARS_CMD_A, "Command A"}, Case{ID_BARS_CMD_C, "Command C"}, Case{ID_BARS_NOTIP, ""}}) {
        NMTTDISPINFOA ansi{};
        ansi.hdr = NMHDR{hTip, c.nID, TTN_GETDISPINFOA};
        bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ansi));
        const char* shown = ansi.lpszText != nullptr && ansi.hinst == nullptr ? ansi.lpszText : "";
        EXPECT_STREQ(shown, c.tip) << c.nID;

        NMTTDISPINFOW wide{};
        wide.hdr = NMHDR{hTip, c.nID, TTN_GETDISPINFOW};
        bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        char narrow[80] = {};
        if (wide.lpszText != nullptr)
            ::WideCharToMultiByte(CP_ACP, 0, wide.lpszText, -1, narrow, sizeof narrow, nullptr, nullptr);
        EXPECT_STREQ(narrow, c.tip) << c.nID;
    }
}

TEST_F(Bars, MouseOverAButtonShowsItsPromptInTheStatusBar) {
    CreateStatusBar();
    CreateToolBar();
    CRect rect;
    frame->toolBar.GetItemRect(frame->toolBar.CommandToIndex(ID_BARS_CMD_B), &rect);
    frame->toolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_STREQ(frame->statusBar.GetPaneText(0), "Runs command B");
}

// ---------------------------------------------------------------------------------------------------
// Status bar

TEST_F(Bars, StatusBarPanesFollowTheIndicators) {
    CreateStatusBar();
    CStatusBar& bar = frame->statusBar;
    EXPECT_EQ(bar.GetCount(), 6);
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_NUM), 4);
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_OVR), -1);
    EXPECT_EQ(bar.GetItemID(1), static_cast<UINT>(IDS_BARS_HOURS));
    EXPECT_STREQ(bar.GetPaneText(2), "Filtered");
    EXPECT_STREQ(bar.GetPaneText(3), "CAP");
    EXPECT_STREQ(bar.GetPaneText(5), "SCRL");

    UINT nID = 0;
    UINT nStyle = 0;
    int cxWidth = 0;
    bar.GetPaneInfo(0, nID, nStyle, cxWidth);
    EXPECT_EQ(nID, static_cast<UINT>(ID_SEPARATOR));
    EXPECT_TRUE(nStyle & SBPS_STRETCH);
    int cxCap = 0;
    int cxScrl = 0;
    bar.GetPaneInfo(3, nID, nStyle, cxCap);
    bar.GetPaneInfo(5, nID, nStyle, cxScrl);
    EXPECT_GT(cxCap, 0);
    EXPECT_GT(cxScrl, cxCap) << "an indicator pane is as wide as its text";

    // The panes run left to right, the message pane taking what the others leave.
    frame->RecalcLayout();
    CRect client;
    bar.GetClientRect(&client);
    CRect previous;
    bar.GetItemRect(0, &previous);
    for (int i = 1; i < 6; ++i) {
        CRect rect;
        bar.GetItemRect(i, &rect);
        EXPECT_GE(rect.left, previous.right) << i;
        previous = rect;
    }
    CRect message;
    bar.GetItemRect(0, &message);
    EXPECT_GT(message.Width(), client.Width() / 2);
    EXPECT_LE(previous.right, client.right);
    EXPECT_TRUE(bar.GetStyle() & SBARS_SIZEGRIP) << "a sizable frame's status bar has a size grip";

    // Changed width and text.
    bar.SetPaneInfo(1, IDS_BARS_HOURS, SBPS_NORMAL, 150);
    CRect hours;
    bar.GetItemRect(1, &hours);
    EXPECT_GE(hours.Width(), 150);
    EXPECT_TRUE(bar.SetPaneText(2, "Everything"));
    EXPECT_STREQ(bar.GetPaneText(2), "Everything");
    EXPECT_STREQ(bar.GetStatusBarCtrl().GetText(2), "Everything");
    EXPECT_FALSE(bar.SetPaneText(9, "nowhere"));
}

TEST_F(Bars, MissingIndicatorStringFailsSetIndicators) {
    const UINT indicators[] = {ID_SEPARATOR, 6998};
    ASSERT_TRUE(frame->statusBar.Create(frame));
    EXPECT_FALSE(frame->statusBar.SetIndicators(indicators, 2));
    EXPECT_EQ(frame->statusBar.GetCount(), 2);
}

TEST_F(Bars, MessagePaneShowsTheFramesPromptsAndIdleText) {
    CreateStatusBar();
    frame->SetMessageText("Copying files");
    EXPECT_STREQ(frame->statusBar.GetPaneText(0), "Copying files");
    EXPECT_STREQ(frame->statusBar.GetStatusBarCtrl().GetText(0), "Copying files");
    frame->SendMessage(WM_SETMESSAGESTRING, ID_BARS_CMD_A);
    EXPECT_STREQ(frame->statusBar.GetPaneText(0), "Runs command A");
    EXPECT_EQ(TextOf(frame->statusBar.m_hWnd), "Runs command A");
}

TEST_F(Bars, PaneTextComesFromUpdateHandlersAndKeyIndicatorsFollowTheirKeys) {
    CreateStatusBar();
    CStatusBar& bar = frame->statusBar;
    BYTE keys[256];
    ASSERT_TRUE(::GetKeyboardState(keys));
    const BYTE saved = keys[VK_CAPITAL];

    frame->hoursText = "12.25 hours";
    keys[VK_CAPITAL] = static_cast<BYTE>(saved | 1);
    ::SetKeyboardState(keys);
    Idle();
    EXPECT_STREQ(bar.GetPaneText(1), "12.25 hours");
    EXPECT_STREQ(bar.GetStatusBarCtrl().GetText(3), "CAP");
    EXPECT_FALSE(bar.GetPaneStyle(3) & SBPS_DISABLED);

    keys[VK_CAPITAL] = static_cast<BYTE>(saved & ~1);
    ::SetKeyboardState(keys);
    Idle();
    EXPECT_STREQ(bar.GetStatusBarCtrl().GetText(3), "") << "caps lock off: the indicator shows nothing";
    EXPECT_TRUE(bar.GetPaneStyle(3) & SBPS_DISABLED);
    EXPECT_STREQ(bar.GetPaneText(3), "CAP") << "the pane keeps its text";
    EXPECT_STREQ(bar.GetStatusBarCtrl().GetText(2), "Filtered") << "no handler: the pane stays as it is";

    keys[VK_CAPITAL] = saved;
    ::SetKeyboardState(keys);
}

// ---------------------------------------------------------------------------------------------------
// Layout and docking

TEST_F(Bars, FrameLayoutPutsTheToolBarOnTopTheStatusBarBelowAndThePaneBetween) {
    CreateToolBar();
    CreateStatusBar();
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    const CRect tool = frame->RectOf(frame->toolBar);
    const CRect status = frame->RectOf(frame->statusBar);
    const CRect pane = frame->RectOf(frame->pane);
    EXPECT_EQ(tool.top, 0);
    EXPECT_EQ(tool.Width(), client.Width()) << "a bar along the frame's edge stretches";
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.Width(), client.Width());
    EXPECT_EQ(pane.top, tool.bottom);
    EXPECT_EQ(pane.bottom, status.top);
    EXPECT_GT(status.Height(), 10);

    // Hiding the tool bar gives its room to the pane.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(frame->toolBar.IsWindowVisible());
    EXPECT_EQ(frame->RectOf(frame->pane).top, 0);

    // Hidden later: at the next idle time.
    frame->ShowControlBar(&frame->statusBar, FALSE, TRUE);
    EXPECT_TRUE(frame->statusBar.IsWindowVisible());
    EXPECT_FALSE(frame->statusBar.IsVisible());
    Idle();
    EXPECT_FALSE(frame->statusBar.IsWindowVisible());
    EXPECT_EQ(frame->RectOf(frame->pane).bottom, client.bottom);
}

TEST_F(Bars, DockedBarsTakeTheirSideAndOrientation) {
    CreateToolBar();
    CreateStatusBar();
    frame->EnableDocking(CBRS_ALIGN_ANY);
    frame->toolBar.EnableDocking(CBRS_ALIGN_ANY);

    frame->DockControlBar(&frame->toolBar);
    CDockBar* pTop = CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTop, nullptr);
    EXPECT_EQ(frame->toolBar.GetParent(), pTop);
    EXPECT_EQ(frame->toolBar.m_pDockBar, pTop);
    EXPECT_EQ(frame->RectOf(frame->toolBar).top, 0);
    EXPECT_EQ(frame->RectOf(frame->pane).top, frame->RectOf(frame->toolBar).bottom);
    EXPECT_FALSE(frame->toolBar.IsFloating());
    EXPECT_EQ(frame->toolBar.GetDockingFrame(), frame);

    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    const CRect left = frame->RectOf(frame->toolBar);
    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(left.left, 0);
    EXPECT_GT(left.Height(), left.Width()) << "docked on the left the buttons stand in a column";
    EXPECT_EQ(frame->RectOf(frame->pane).left, left.right);
    EXPECT_EQ(frame->RectOf(frame->pane).top, 0);
    EXPECT_EQ(pTop->GetDockedCount(), 0);

    // A bar that may only dock at the top stays where it is when asked to dock on the right.
    frame->toolBar.EnableDocking(CBRS_ALIGN_TOP);
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_LEFT));
}

TEST_F(Bars, TwoBarsDockedWithoutAPlaceGetARowEachAndAPlaceJoinsARow) {
    CreateToolBar();
    ASSERT_TRUE(frame->toolBar2.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                                         CRect(0, 0, 0, 0), IDW_BARS_TOOLBAR2));
    // This resource comes from windres's TOOLBAR statement.
    ASSERT_TRUE(frame->toolBar2.LoadToolBar(IDR_BARS_TOOLBAR2));
    EXPECT_EQ(frame->toolBar2.GetCount(), 3);
    EXPECT_EQ(frame->toolBar2.GetItemID(1), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(frame->toolBar2.CommandToIndex(ID_BARS_CMD_A), 2);
    frame->EnableDocking(CBRS_ALIGN_ANY);
    frame->toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame->toolBar2.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&frame->toolBar);
    frame->DockControlBar(&frame->toolBar2);
    CDockBar* pTop = CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(pTop->GetRows().size(), 2u);
    EXPECT_EQ(frame->RectOf(frame->toolBar2).top, frame->RectOf(frame->toolBar).bottom);

    // Docked right of the first bar, on its row.
    CRect first;
    frame->toolBar.GetWindowRect(&first);
    CRect place(first.right + 10, first.top, first.right + 40, first.bottom);
    frame->DockControlBar(&frame->toolBar2, AFX_IDW_DOCKBAR_TOP, &place);
    ASSERT_EQ(pTop->GetRows().size(), 1u);
    const CRect second = frame->RectOf(frame->toolBar2);
    EXPECT_EQ(second.top, frame->RectOf(frame->toolBar).top);
    EXPECT_GE(second.left, frame->RectOf(frame->toolBar).right);
}

TEST_F(Bars, FloatingBarLivesInAMiniFrameAndStillUpdatesAtIdle) {
    CreateToolBar();
    frame->EnableDocking(CBRS_ALIGN_ANY);
    frame->toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&frame->toolBar);

    frame->FloatControlBar(&frame->toolBar, CPoint(200, 150));
    EXPECT_TRUE(frame->toolBar.IsFloating());
    auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(frame->toolBar.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    const HWND hMini = pMini->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hMini));
    CRect miniRect;
    pMini->GetWindowRect(&miniRect);
    EXPECT_EQ(miniRect.TopLeft(), CPoint(200, 150));
    CRect barRect;
    frame->toolBar.GetWindowRect(&barRect);
    EXPECT_TRUE(miniRect.PtInRect(barRect.CenterPoint()));
    EXPECT_EQ(frame->RectOf(frame->pane).top, 0) << "the frame's top edge is free";
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->toolBar);

    frame->enableB = true;
    Idle();
    EXPECT_TRUE(ButtonEnabled(ID_BARS_CMD_B));
    frame->enableB = false;
    Idle();
    EXPECT_FALSE(ButtonEnabled(ID_BARS_CMD_B));

    // Closing the floating frame hides the bar; docking it again ends the floating frame.
    ::SendMessageA(hMini, WM_CLOSE, 0, 0);
    EXPECT_FALSE(frame->toolBar.IsVisible());
    EXPECT_FALSE(::IsWindowVisible(hMini));
    frame->ShowControlBar(&frame->toolBar, TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hMini));
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_FALSE(frame->toolBar.IsFloating());
    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_BOTTOM));
}

// ---------------------------------------------------------------------------------------------------
// Dialog bar

TEST_F(Bars, DialogBarRoutesItsControlsToTheFrameAndUpdatesThemAtIdle) {
    CDialogBar& bar = frame->dialogBar;
    ASSERT_TRUE(bar.Create(frame, IDD_BARS_DIALOGBAR, WS_VISIBLE | CBRS_TOP, IDW_BARS_DIALOGBAR));
    EXPECT_EQ(bar.GetDlgCtrlID(), IDW_BARS_DIALOGBAR);
    EXPECT_TRUE(bar.GetStyle() & WS_CHILD);
    EXPECT_FALSE(bar.GetStyle() & WS_CAPTION);
    CRect units(0, 0, 200, 20);
    ::MapDialogRect(bar.m_hWnd, &units);
    EXPECT_EQ(bar.m_sizeDefault, units.Size());
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), units.Size());
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE).cy, units.Height());

    ::SendMessageA(::GetDlgItem(bar.m_hWnd, IDC_BARS_GO), BM_CLICK, 0, 0);
    EXPECT_EQ(frame->goClicks, 1);

    frame->checkMine = 1;
    Idle();
    EXPECT_EQ(bar.IsDlgButtonChecked(IDC_BARS_CHECK), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_BARS_NOHANDLER)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar.m_hWnd, IDC_BARS_GO)));
    frame->checkMine = 0;
    Idle();
    EXPECT_EQ(bar.IsDlgButtonChecked(IDC_BARS_CHECK), static_cast<UINT>(BST_UNCHECKED));

    // Docks at the top or bottom only.
    frame->EnableDocking(CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(bar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_BOTTOM));
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_BOTTOM));
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(frame->RectOf(bar).bottom, client.bottom);
    EXPECT_EQ(frame->RectOf(bar).Height(), units.Height());

    ::SendMessageA(::GetDlgItem(bar.m_hWnd, IDC_BARS_GO), BM_CLICK, 0, 0);
    EXPECT_EQ(frame->goClicks, 2) << "docked, its commands still reach the frame";
}

// ---------------------------------------------------------------------------------------------------
// Saved bar state

class BarState : public Bars {
protected:
    void SetUp() override {
        key = "BrindlemarkBarsTest" + std::to_string(::GetCurrentProcessId());
        app.SetRegistryKey(key.c_str());
        Bars::SetUp();
    }
    void TearDown() override {
        Bars::TearDown();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + key).c_str());
    }

    // The bars of a frame in their default places: both tool bars at the top, the dialog bar at the
    // bottom, the status bar shown.
    void BuildBars(BarsFrame* pFrame, bool withSecondToolBar = true) {
        ASSERT_TRUE(pFrame->toolBar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(pFrame->toolBar.LoadToolBar(IDR_BARS_TOOLBAR));
        if (withSecondToolBar) {
            ASSERT_TRUE(pFrame->toolBar2.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                                                  CRect(0, 0, 0, 0), IDW_BARS_TOOLBAR2));
            ASSERT_TRUE(pFrame->toolBar2.LoadToolBar(IDR_BARS_TOOLBAR2));
        }
        ASSERT_TRUE(
            pFrame->dialogBar.Create(pFrame, IDD_BARS_DIALOGBAR, WS_VISIBLE | CBRS_TOP, IDW_BARS_DIALOGBAR));
        ASSERT_TRUE(pFrame->statusBar.Create(pFrame));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->toolBar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&pFrame->toolBar);
        if (withSecondToolBar) {
            pFrame->toolBar2.EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(&pFrame->toolBar2);
        }
        pFrame->dialogBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        pFrame->DockControlBar(&pFrame->dialogBar, AFX_IDW_DOCKBAR_BOTTOM);
    }
    BarsFrame* NewFrame() {
        ::DestroyWindow(hFrame);
        frame = new BarsFrame;
        EXPECT_TRUE(frame->CreateFrame());
        hFrame = frame->m_hWnd;
        app.m_pMainWnd = frame;
        return frame;
    }

    std::string key;
    const char* section = "Positions\\Dockbars";
};

TEST_F(BarState, SavedLayoutComesBackInANewFrame) {
    BuildBars(frame);
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    frame->FloatControlBar(&frame->toolBar2, CPoint(150, 160));
    frame->ShowControlBar(&frame->dialogBar, FALSE, FALSE);
    CDockState::SaveBarState(frame, section);

    HKEY hKey = nullptr;
    const std::string summary = "Software\\" + key + "\\Window Framework Tests\\Positions\\Dockbars-Summary";
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, summary.c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS);
    ::RegCloseKey(hKey);
    EXPECT_GE(app.GetProfileInt("Positions\\Dockbars-Summary", "Bars", 0), 4u);

    NewFrame();
    BuildBars(frame);
    ASSERT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_TOP));
    CDockState::LoadBarState(frame, section);

    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_LEFT));
    EXPECT_TRUE(frame->toolBar.IsVisible());
    EXPECT_TRUE(frame->toolBar2.IsFloating());
    auto* pMini = dynamic_cast<CMiniDockFrameWnd*>(frame->toolBar2.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    CRect miniRect;
    pMini->GetWindowRect(&miniRect);
    EXPECT_EQ(miniRect.TopLeft(), CPoint(150, 160));
    EXPECT_FALSE(frame->dialogBar.IsVisible());
    EXPECT_TRUE(frame->statusBar.IsVisible());
    EXPECT_EQ(frame->RectOf(frame->pane).left, frame->RectOf(frame->toolBar).right);
}

TEST_F(BarState, RowsAndOffsetsOfADockBarAreKept) {
    BuildBars(frame);
    CRect first;
    frame->toolBar.GetWindowRect(&first);
    CRect place(first.right + 30, first.top, first.right + 60, first.bottom);
    frame->DockControlBar(&frame->toolBar2, AFX_IDW_DOCKBAR_TOP, &place);
    const int offset = frame->RectOf(frame->toolBar2).left;
    ASSERT_GE(offset, frame->RectOf(frame->toolBar).right + 30);
    CDockState::SaveBarState(frame, section);

    NewFrame();
    BuildBars(frame);
    CDockState::LoadBarState(frame, section);
    CDockBar* pTop = CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(pTop->GetRows().size(), 1u);
    EXPECT_EQ(frame->RectOf(frame->toolBar2).left, offset);
    EXPECT_EQ(frame->RectOf(frame->toolBar2).top, frame->RectOf(frame->toolBar).top);
}

TEST_F(BarState, UnknownBarsAndAMissingStateChangeNothing) {
    BuildBars(frame);
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_RIGHT);
    CDockState::SaveBarState(frame, section);

    // A frame without the second tool bar ignores its entry.
    NewFrame();
    BuildBars(frame, false);
    CDockState::LoadBarState(frame, section);
    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_EQ(frame->GetControlBar(IDW_BARS_TOOLBAR2), nullptr);

    // Nothing saved under another name: the bars stay where they are.
    CDockState::LoadBarState(frame, "Positions\\Nothing");
    EXPECT_EQ(frame->toolBar.GetParent(), CDockBar::FindDockBar(frame, AFX_IDW_DOCKBAR_RIGHT));

    // A smaller state replaces a larger one completely.
    CDockState::SaveBarState(frame, section);
    CDockState reread;
    reread.LoadState(section);
    CDockState current;
    CDockState::GetDockState(frame, current);
    EXPECT_EQ(reread.m_arrBarInfo.size(), current.m_arrBarInfo.size());
}

} // namespace
