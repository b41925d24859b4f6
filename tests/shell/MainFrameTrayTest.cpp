// The tray icons: which are added, the timing animation and its tips, the clicks on the main icon and
// the tray menu.
#include "ShellTestSupport.h"

#include "foundation/Registry.h"

using namespace shelltest;

namespace {

constexpr UINT kMainId = 0;
constexpr UINT kQuickInfoId = 1;

using MainFrameTray = MainFrameFixture;

TEST_F(MainFrameTray, AddsBothIconsOnceWithTheirTipsAndCallbacks) {
    frame->AddTrayIcons();
    frame->AddTrayIcons();
    frame->OnIdleWork();
    const std::vector<TrayCall> main = frame->CallsFor(NIM_ADD, kMainId);
    const std::vector<TrayCall> quickInfo = frame->CallsFor(NIM_ADD, kQuickInfoId);
    ASSERT_EQ(main.size(), 1u);
    ASSERT_EQ(quickInfo.size(), 1u);
    EXPECT_EQ(main[0].Tip(), "Brindlemark is idle");
    EXPECT_EQ(main[0].data.uCallbackMessage, static_cast<UINT>(WM_USER));
    EXPECT_EQ(main[0].data.hWnd, frame->m_hWnd);
    EXPECT_EQ(main[0].data.uFlags, static_cast<UINT>(NIF_ICON | NIF_TIP | NIF_MESSAGE));
    EXPECT_NE(main[0].data.hIcon, nullptr);
    EXPECT_EQ(quickInfo[0].Tip(), "Open Brindlemark Quick Info panel");
    EXPECT_EQ(quickInfo[0].data.uCallbackMessage, static_cast<UINT>(WM_USER + 1));
    EXPECT_NE(quickInfo[0].data.hIcon, main[0].data.hIcon);
    EXPECT_EQ(frame->trayCalls.size(), 2u);
}

TEST_F(MainFrameTray, IconSettingsDecideWhichIconsAreAdded) {
    RegWriteBool(REG_PREFS_ICONS, "Main", false);
    RegWriteBool(REG_PREFS_ICONS, "Quick Info", true);
    frame->AddTrayIcons();
    EXPECT_TRUE(frame->CallsFor(NIM_ADD, kMainId).empty());
    EXPECT_EQ(frame->CallsFor(NIM_ADD, kQuickInfoId).size(), 1u);
    // Without the main icon the animation shows nothing.
    frame->StartTimingIcon();
    frame->SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(frame->CallsFor(NIM_MODIFY, kMainId).empty());
    EXPECT_TRUE(frame->IsAnimating());
}

TEST_F(MainFrameTray, AnimationCyclesFourFramesWhileTimingAndReturnsToIdle) {
    frame->AddTrayIcons();
    const HICON idle = frame->CallsFor(NIM_ADD, kMainId).at(0).data.hIcon;
    frame->trayCalls.clear();

    frame->StartTimingIcon();
    frame->StartTimingIcon(); // already running: nothing more
    EXPECT_TRUE(frame->IsAnimating());
    EXPECT_EQ(frame->GetAnimationFrame(), 0);
    std::vector<int> frames{frame->GetAnimationFrame()};
    for (int i = 0; i < 5; ++i) {
        frame->SendMessage(WM_TIMER, 1);
        frames.push_back(frame->GetAnimationFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 0, 1}));

    const std::vector<TrayCall> steps = frame->CallsFor(NIM_MODIFY, kMainId);
    ASSERT_EQ(steps.size(), 6u);
    for (const TrayCall& step : steps) {
        EXPECT_EQ(step.Tip(), "Brindlemark is timing");
        EXPECT_NE(step.data.hIcon, idle);
    }
    // Four different pictures, the fifth step showing the first again.
    EXPECT_NE(steps[0].data.hIcon, steps[1].data.hIcon);
    EXPECT_NE(steps[1].data.hIcon, steps[2].data.hIcon);
    EXPECT_NE(steps[2].data.hIcon, steps[3].data.hIcon);
    EXPECT_EQ(steps[4].data.hIcon, steps[0].data.hIcon);

    frame->trayCalls.clear();
    frame->StopTimingIcon();
    EXPECT_FALSE(frame->IsAnimating());
    const std::vector<TrayCall> idleAgain = frame->CallsFor(NIM_MODIFY, kMainId);
    ASSERT_EQ(idleAgain.size(), 1u);
    EXPECT_EQ(idleAgain[0].data.hIcon, idle);
    EXPECT_EQ(idleAgain[0].Tip(), "Brindlemark is idle");
    // Stopped: further timer messages and a second stop change nothing.
    frame->SendMessage(WM_TIMER, 1);
    frame->StopTimingIcon();
    EXPECT_EQ(frame->trayCalls.size(), 1u);
}

TEST_F(MainFrameTray, TheApplicationForwardsTimingAndIdleToTheFrame) {
    app.ShowTimingIcon();
    EXPECT_TRUE(frame->IsAnimating());
    app.ShowIdleIcon();
    EXPECT_FALSE(frame->IsAnimating());
}

TEST(TrayIconData, CutsTheTipTo63CharactersAndSetsOnlyTheGivenParts) {
    const std::string longTip(100, 'x');
    NOTIFYICONDATAA data = CMainFrame::MakeTrayIconData(nullptr, WM_USER + 1, nullptr, longTip.c_str());
    EXPECT_EQ(std::string(data.szTip), std::string(63, 'x'));
    EXPECT_EQ(data.uID, 1u);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_TIP | NIF_MESSAGE));
    data = CMainFrame::MakeTrayIconData(nullptr, WM_USER, reinterpret_cast<HICON>(1), nullptr);
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_ICON | NIF_MESSAGE));
}

// The messages the main icon's callbacks posted to the frame: the command id for WM_COMMAND, 1 for the
// tray menu request.
std::vector<UINT> Requests(const std::vector<MSG>& posted) {
    std::vector<UINT> requests;
    for (const MSG& msg : posted) {
        if (msg.message == WM_COMMAND)
            requests.push_back(LOWORD(msg.wParam));
        else if (msg.message == CMainFrame::TrackTrayMenuMessage())
            requests.push_back(1);
    }
    return requests;
}

TEST_F(MainFrameTray, TwoQuickButtonUpsOpenTheMainWindowInsteadOfTheMenu) {
    TakePosted();
    frame->SendMessage(WM_USER, 0, WM_LBUTTONUP);
    EXPECT_EQ(Requests(TakePosted()), (std::vector<UINT>{1}));
    frame->now += 250;
    frame->SendMessage(WM_USER, 0, WM_RBUTTONUP);
    EXPECT_EQ(Requests(TakePosted()), (std::vector<UINT>{ID_OPEN_MAIN_WINDOW}));
    frame->now += 1000;
    frame->SendMessage(WM_USER, 0, WM_RBUTTONUP);
    EXPECT_EQ(Requests(TakePosted()), (std::vector<UINT>{1}));
    // Mouse moves and other messages of the icon do nothing.
    frame->now += 1000;
    frame->SendMessage(WM_USER, 0, WM_MOUSEMOVE);
    frame->SendMessage(WM_USER, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(Requests(TakePosted()).empty());
}

TEST_F(MainFrameTray, ADoubleClickOpensTheMainWindowAndTheButtonUpAfterItNothing) {
    TakePosted();
    frame->SendMessage(WM_USER, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(Requests(TakePosted()), (std::vector<UINT>{ID_OPEN_MAIN_WINDOW}));
    frame->now += 1000;
    frame->SendMessage(WM_USER, 0, WM_LBUTTONUP);
    EXPECT_TRUE(Requests(TakePosted()).empty());
    frame->now += 1000;
    frame->SendMessage(WM_USER, 0, WM_LBUTTONUP);
    EXPECT_EQ(Requests(TakePosted()), (std::vector<UINT>{1}));
}

TEST_F(MainFrameTray, TrayMenuOffersTheTrayCommandsWithOpenAsDefault) {
    frame->SendMessage(CMainFrame::TrackTrayMenuMessage());
    ASSERT_EQ(frame->trayMenus, 1);
    EXPECT_EQ(frame->trayMenuDefault, static_cast<UINT>(ID_OPEN_MAIN_WINDOW));
    const std::vector<UINT> expected = {ID_TIMER_START,
                                        ID_TIMER_STOP,
                                        ID_TIMER_STOP_NOW,
                                        ID_TIMER_SWITCH,
                                        ID_TIMER_PAUSE,
                                        ID_TIMER_INTERRUPT,
                                        0,
                                        ID_EXPENSE_NEW,
                                        ID_QUICK_TASKS_MENU,
                                        ID_TIMER_COMPLETED,
                                        ID_QUICK_INFO,
                                        0,
                                        ID_OPEN_MAIN_WINDOW,
                                        ID_VIEW_QUICK_TASKS,
                                        0,
                                        ID_APP_EXIT};
    EXPECT_EQ(frame->trayMenuItems, expected);

    // While a double click is opening the main window, no menu.
    frame->SendMessage(WM_USER, 0, WM_LBUTTONDBLCLK);
    frame->SendMessage(CMainFrame::TrackTrayMenuMessage());
    EXPECT_EQ(frame->trayMenus, 1);
}

TEST_F(MainFrameTray, OpenMainWindowCommandShowsTheHiddenFrame) {
    ASSERT_FALSE(frame->IsWindowVisible());
    frame->SendMessage(WM_COMMAND, ID_OPEN_MAIN_WINDOW);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(app.IsFirstShowPending());
    frame->ShowWindow(SW_HIDE);
    frame->SendMessage(WM_COMMAND, ID_OPEN_MAIN_WINDOW);
    EXPECT_TRUE(frame->IsWindowVisible());
}

} // namespace
