// A frame with a static splitter, a docked tool bar and a status bar, seen through the frame's own
// members: the layout that follows docking, showing and hiding the bars and sizing the frame; status
// bar prompts from menus and tool bar buttons and the idle text after them; idle updates through the
// splitter's active view; the bars' state saved in the profile and restored into a new frame.
#include "WinTestSupport.h"

#include "FrameBarsSupport.h"
#include "framework/win/AfxPriv.h"
#include "framework/win/CDockBar.h"
#include "framework/win/CDockState.h"

#include <cstring>
#include <string>
#include <vector>

using namespace wintest;
using fbtest::TimesheetFrame;

namespace {

class FrameBars : public ::testing::Test {
protected:
    void SetUp() override {
        // The profile goes to a registry key of this process only.
        registryKey = "BrindlemarkTests\\FrameBars-" + std::to_string(::GetCurrentProcessId()) + "-" +
                      std::to_string(::GetTickCount());
        app.SetRegistryKey(registryKey.c_str());
        NewFrame();
    }
    void TearDown() override {
        DestroyFrame(frame);
        app.m_pMainWnd = nullptr;
        PumpPending();
        const std::string root = "Software\\" + registryKey;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
    }

    // Replaces the frame by a new one in the default layout; the idle prompt posted at its creation is
    // shown.
    void NewFrame() {
        DestroyFrame(frame);
        frame = fbtest::NewTimesheetFrame();
        ASSERT_NE(frame, nullptr);
        app.m_pMainWnd = frame;
        PumpPending();
    }
    static void DestroyFrame(TimesheetFrame*& pFrame) {
        if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd))
            pFrame->DestroyWindow();
        pFrame = nullptr;
    }

    void Idle() { app.OnIdle(0); }
    // The text the status bar's message pane shows.
    std::string Shown() const { return std::string(frame->statusBar.GetStatusBarCtrl().GetText(0)); }
    CRect Client() const {
        CRect client;
        frame->GetClientRect(&client);
        return client;
    }
    CRect SplitterRect() const { return frame->RectOf(frame->splitter); }
    CDockBar* DockBar(UINT nID) const { return CDockBar::FindDockBar(frame, nID); }
    HMENU SubMenu(int nPos) const { return ::GetSubMenu(::GetMenu(frame->m_hWnd), nPos); }
    bool MenuChecked(int nPos, UINT nID) const {
        frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(SubMenu(nPos)),
                           MAKELPARAM(nPos, FALSE));
        return (::GetMenuState(SubMenu(nPos), nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    // The splitter and the visible bars (the dock bars holding the tool bar, the status bar) tile the
    // frame's client area: each lies inside it, none overlaps another, and together they cover it.
    void ExpectChildrenTileTheClient(const char* where) const {
        const CRect client = Client();
        std::vector<CRect> rooms;
        for (HWND hChild = ::GetTopWindow(frame->m_hWnd); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            CRect rect;
            ::GetWindowRect(hChild, &rect);
            ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
            if (::IsWindowVisible(hChild) && !rect.IsRectEmpty())
                rooms.push_back(rect);
        }
        long long area = 0;
        for (size_t i = 0; i < rooms.size(); ++i) {
            CRect inside;
            inside.IntersectRect(&rooms[i], &client);
            EXPECT_EQ(inside, rooms[i]) << where << ": child " << i << " reaches outside the client area";
            area += static_cast<long long>(rooms[i].Width()) * rooms[i].Height();
            for (size_t j = i + 1; j < rooms.size(); ++j) {
                CRect overlap;
                EXPECT_FALSE(overlap.IntersectRect(&rooms[i], &rooms[j]))
                    << where << ": children " << i << " and " << j << " overlap";
            }
        }
        EXPECT_EQ(area, static_cast<long long>(client.Width()) * client.Height()) << where;
    }
    // The tree keeps its column, the view takes the rest; both fill the splitter's height.
    void ExpectPanesFillTheSplitter(const char* where) const {
        CRect inside;
        frame->splitter.GetClientRect(&inside);
        CRect tree;
        CRect view;
        frame->Tree()->GetWindowRect(&tree);
        frame->View()->GetWindowRect(&view);
        frame->splitter.ScreenToClient(&tree);
        frame->splitter.ScreenToClient(&view);
        EXPECT_EQ(tree.TopLeft(), CPoint(0, 0)) << where;
        EXPECT_EQ(tree.Width(), TimesheetFrame::kTreeWidth) << where;
        EXPECT_EQ(view.left, tree.right + frame->splitter.m_cxSplitter) << where;
        EXPECT_EQ(view.right, inside.right) << where;
        EXPECT_EQ(tree.Height(), inside.Height()) << where;
        EXPECT_EQ(view.Height(), inside.Height()) << where;
    }

    TestApp app;
    std::string registryKey;
    TimesheetFrame* frame = nullptr;
};

// ---------------------------------------------------------------------------------------------------
// Layout

TEST_F(FrameBars, SplitterTakesTheRoomTheBarsLeaveWhereverTheToolBarDocks) {
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->toolBar);
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_STATUS_BAR), &frame->statusBar);
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_PANE_FIRST), nullptr) << "the splitter is no bar";
    EXPECT_EQ(frame->GetActiveView(), frame->View()) << "the first view pane is the active view";

    struct Case {
        UINT nDockBar;
        const char* name;
    };
    for (const Case& c : {Case{AFX_IDW_DOCKBAR_LEFT, "left"}, Case{AFX_IDW_DOCKBAR_RIGHT, "right"},
                          Case{AFX_IDW_DOCKBAR_BOTTOM, "bottom"}, Case{AFX_IDW_DOCKBAR_TOP, "top"}}) {
        frame->DockControlBar(&frame->toolBar, c.nDockBar);
        ASSERT_EQ(frame->toolBar.GetParent(), DockBar(c.nDockBar)) << c.name;
        const CRect dock = frame->RectOf(*DockBar(c.nDockBar));
        const CRect split = SplitterRect();
        const CRect status = frame->RectOf(frame->statusBar);
        ExpectChildrenTileTheClient(c.name);
        ExpectPanesFillTheSplitter(c.name);
        EXPECT_EQ(status.bottom, Client().bottom) << c.name;
        EXPECT_EQ(status.Width(), Client().Width()) << c.name;
        EXPECT_LE(split.bottom, status.top) << c.name;
        const CRect tool = frame->RectOf(frame->toolBar);
        // The separator is a thin band across the row or column of buttons, the next button right
        // after it.
        const bool bVertical = c.nDockBar == AFX_IDW_DOCKBAR_LEFT || c.nDockBar == AFX_IDW_DOCKBAR_RIGHT;
        CRect first;
        CRect separator;
        CRect next;
        frame->toolBar.GetItemRect(0, &first);
        frame->toolBar.GetItemRect(2, &separator);
        frame->toolBar.GetItemRect(3, &next);
        if (bVertical) {
            EXPECT_EQ(separator.Width(), first.Width()) << c.name;
            EXPECT_LT(separator.Height(), first.Height()) << c.name;
            EXPECT_EQ(next.top, separator.bottom) << c.name;
        } else {
            EXPECT_EQ(separator.Height(), first.Height()) << c.name;
            EXPECT_LT(separator.Width(), first.Width()) << c.name;
            EXPECT_EQ(next.left, separator.right) << c.name;
        }
        // The bar's border stays on the side towards the splitter.
        const DWORD dwBorder = frame->toolBar.GetBarStyle() & CBRS_BORDER_ANY;
        switch (c.nDockBar) {
        case AFX_IDW_DOCKBAR_LEFT:
            EXPECT_EQ(dwBorder, static_cast<DWORD>(CBRS_BORDER_RIGHT)) << c.name;
            EXPECT_EQ(split.left, dock.right) << c.name;
            EXPECT_EQ(split.top, 0) << c.name;
            EXPECT_GT(tool.Height(), tool.Width()) << "docked on a side the buttons stand in a column";
            break;
        case AFX_IDW_DOCKBAR_RIGHT:
            EXPECT_EQ(dwBorder, static_cast<DWORD>(CBRS_BORDER_LEFT)) << c.name;
            EXPECT_EQ(split.right, dock.left) << c.name;
            EXPECT_EQ(dock.right, Client().right) << c.name;
            break;
        case AFX_IDW_DOCKBAR_BOTTOM:
            EXPECT_EQ(dwBorder, static_cast<DWORD>(CBRS_BORDER_TOP)) << c.name;
            EXPECT_EQ(split.bottom, dock.top) << c.name;
            EXPECT_EQ(split.top, 0) << c.name;
            break;
        default:
            EXPECT_EQ(dwBorder, static_cast<DWORD>(CBRS_BORDER_BOTTOM)) << c.name;
            EXPECT_EQ(dock.top, 0) << c.name;
            EXPECT_EQ(split.top, dock.bottom) << c.name;
            EXPECT_GT(tool.Width(), tool.Height()) << c.name;
            break;
        }
    }

    // Floating, the tool bar leaves the frame's edges to the splitter.
    frame->FloatControlBar(&frame->toolBar, CPoint(300, 200));
    EXPECT_EQ(SplitterRect().top, 0);
    EXPECT_EQ(SplitterRect().left, 0);
    ExpectChildrenTileTheClient("floating");
}

TEST_F(FrameBars, HiddenBarsGiveTheirRoomToTheSplitterAndTakeItBackWhenShown) {
    const CRect split0 = SplitterRect();
    const CRect tree0 = frame->RectOf(*frame->Tree());
    const CRect dock0 = frame->RectOf(*DockBar(AFX_IDW_DOCKBAR_TOP));
    const CRect status0 = frame->RectOf(frame->statusBar);
    ASSERT_GT(dock0.Height(), 0);
    ASSERT_GT(status0.Height(), 0);
    EXPECT_EQ(split0.top, dock0.bottom);
    EXPECT_TRUE(MenuChecked(1, ID_VIEW_TOOLBAR));
    EXPECT_TRUE(MenuChecked(1, ID_VIEW_STATUS_BAR));

    frame->ShowControlBar(&frame->toolBar, FALSE, FALSE);
    EXPECT_FALSE(frame->toolBar.IsWindowVisible());
    EXPECT_EQ(SplitterRect().top, 0) << "a dock bar without a visible bar takes no room";
    EXPECT_EQ(SplitterRect().Height(), split0.Height() + dock0.Height());
    EXPECT_EQ(frame->RectOf(*frame->Tree()).Height(), tree0.Height() + dock0.Height());
    frame->ShowControlBar(&frame->statusBar, FALSE, FALSE);
    EXPECT_EQ(SplitterRect(), Client());
    ExpectChildrenTileTheClient("both hidden");
    ExpectPanesFillTheSplitter("both hidden");
    EXPECT_FALSE(MenuChecked(1, ID_VIEW_TOOLBAR));
    EXPECT_FALSE(MenuChecked(1, ID_VIEW_STATUS_BAR));

    // Shown again through the View menu: everything is back where it was.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_EQ(SplitterRect(), split0);
    EXPECT_EQ(frame->RectOf(*frame->Tree()), tree0);
    EXPECT_EQ(frame->RectOf(frame->toolBar).top, 0);
    EXPECT_EQ(frame->RectOf(frame->statusBar), status0);
    EXPECT_TRUE(MenuChecked(1, ID_VIEW_TOOLBAR));
    EXPECT_TRUE(MenuChecked(1, ID_VIEW_STATUS_BAR));

    // Hidden later: the layout follows at the next idle time.
    frame->ShowControlBar(&frame->toolBar, FALSE, TRUE);
    EXPECT_EQ(SplitterRect(), split0);
    Idle();
    EXPECT_FALSE(frame->toolBar.IsWindowVisible());
    EXPECT_EQ(SplitterRect().top, 0);
    frame->ShowControlBar(&frame->toolBar, TRUE, TRUE);
    Idle();
    EXPECT_EQ(SplitterRect(), split0);
}

TEST_F(FrameBars, SizingTheFrameStretchesTheBarsAndTheViewPane) {
    struct Case {
        int cx;
        int cy;
        bool roomy; // room for the tree's column and the status bar's panes
    };
    for (const Case& c : {Case{900, 640, true}, Case{500, 300, true}, Case{200, 150, false},
                          Case{120, 90, false}, Case{720, 480, true}}) {
        const std::string name = std::to_string(c.cx) + "x" + std::to_string(c.cy);
        frame->SetWindowPos(nullptr, 0, 0, c.cx, c.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CRect client = Client();
        EXPECT_EQ(frame->RectOf(*DockBar(AFX_IDW_DOCKBAR_TOP)).Width(), client.Width()) << name;
        EXPECT_EQ(frame->RectOf(frame->statusBar).Width(), client.Width()) << name;
        EXPECT_EQ(frame->RectOf(frame->statusBar).bottom, client.bottom) << name;
        EXPECT_EQ(SplitterRect().Width(), client.Width()) << name;
        // However small the frame, nothing overlaps and nothing sticks out.
        ExpectChildrenTileTheClient(name.c_str());
        if (!c.roomy)
            continue;
        ExpectPanesFillTheSplitter(name.c_str());
        // The message pane stretches with the bar; the indicators keep their widths at its end.
        CRect message;
        frame->statusBar.GetItemRect(0, &message);
        CRect last;
        frame->statusBar.GetItemRect(frame->statusBar.GetCount() - 1, &last);
        EXPECT_GT(message.Width(), client.Width() / 3) << name;
        EXPECT_LE(last.right, client.Width()) << name;
    }
}

// ---------------------------------------------------------------------------------------------------
// Status bar prompts

TEST_F(FrameBars, MenuItemsShowTheirPromptsAndClosingTheMenuShowsTheIdleText) {
    EXPECT_EQ(Shown(), "Ready") << "a new frame shows the idle text";
    const HMENU hEntry = SubMenu(0);
    const HMENU hSystem = ::GetSystemMenu(frame->m_hWnd, FALSE);
    struct Case {
        UINT nItem;
        UINT nFlags;
        HMENU hMenu;
        const char* shown;
    };
    const Case cases[] = {
        {ID_FB_ADD_ENTRY, MF_STRING | MF_HILITE, hEntry, "Adds a time entry"},
        {ID_FB_PLAIN, MF_STRING | MF_HILITE, hEntry, "Shows the entries without a project"}, // no tip
        {1, MF_POPUP | MF_HILITE, ::GetMenu(frame->m_hWnd), ""},                             // "View"
        {ID_FB_START_TIMER, MF_STRING | MF_HILITE, hEntry, "Starts the timer for the selected task"},
        {0, MF_SEPARATOR, hEntry, ""},
        {ID_FB_REPORT, MF_STRING | MF_HILITE, SubMenu(1), "Opens the weekly report"},
        {ID_FB_NOSTRING, MF_STRING | MF_HILITE, hEntry, ""},
        {ID_FB_DELETE_ENTRY, MF_STRING | MF_HILITE, hEntry, "Deletes the selected entry"},
        {SC_CLOSE, MF_STRING | MF_HILITE | MF_SYSMENU, hSystem, ""},
        {ID_FB_FILTER, MF_STRING | MF_HILITE, SubMenu(1), "Shows only the entries of the selected project"},
    };
    for (const Case& c : cases) {
        frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(c.nItem, c.nFlags), reinterpret_cast<LPARAM>(c.hMenu));
        EXPECT_EQ(Shown(), c.shown) << c.nItem;
        EXPECT_EQ(TextOf(frame->statusBar.m_hWnd), c.shown) << c.nItem;
    }
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Shown(), "Ready");

    // The next menu shows its prompts again.
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FB_FILTER, MF_STRING | MF_HILITE),
                       reinterpret_cast<LPARAM>(SubMenu(1)));
    EXPECT_EQ(Shown(), "Shows only the entries of the selected project");
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Shown(), "Ready");
}

TEST_F(FrameBars, ToolBarButtonUnderTheMouseShowsItsPromptUntilTheMouseLeavesIt) {
    auto hover = [&](CPoint point) {
        frame->toolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        return Shown();
    };
    auto button = [&](UINT nID) {
        CRect rect;
        frame->toolBar.GetItemRect(frame->toolBar.CommandToIndex(nID), &rect);
        return rect;
    };
    EXPECT_EQ(hover(button(ID_FB_START_TIMER).CenterPoint()), "Starts the timer for the selected task");
    CRect separator;
    frame->toolBar.GetItemRect(2, &separator);
    EXPECT_EQ(hover(separator.CenterPoint()), "Ready");
    EXPECT_EQ(hover(button(ID_FB_ADD_ENTRY).CenterPoint()), "Adds a time entry");
    EXPECT_EQ(hover(button(ID_FB_DELETE_ENTRY).CenterPoint()), "Deletes the selected entry");
    const CRect last = button(ID_FB_REPORT);
    EXPECT_EQ(hover(CPoint(last.right + 12, last.CenterPoint().y)), "Ready");

    // Docked on the left the buttons stand in a column and still show their prompts.
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    const CRect report = button(ID_FB_REPORT);
    EXPECT_GT(report.top, button(ID_FB_ADD_ENTRY).bottom);
    EXPECT_EQ(hover(report.CenterPoint()), "Opens the weekly report");
    EXPECT_EQ(hover(CPoint(report.CenterPoint().x, report.bottom + 12)), "Ready");

    // A menu opened meanwhile and closed again leaves the idle text too.
    EXPECT_EQ(hover(report.CenterPoint()), "Opens the weekly report");
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Shown(), "Ready");

    // The mouse leaves the bar without another move over it: the idle text comes back shortly after.
    // The mouse goes to the screen's far corner, away from every test's windows, and back afterwards.
    POINT saved{};
    ::GetCursorPos(&saved);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    EXPECT_EQ(hover(button(ID_FB_START_TIMER).CenterPoint()), "Starts the timer for the selected task");
    const DWORD start = ::GetTickCount();
    while (Shown() != "Ready" && ::GetTickCount() - start < 3000) {
        PumpPending();
        ::Sleep(20);
    }
    EXPECT_EQ(Shown(), "Ready");
    ::SetCursorPos(saved.x, saved.y);
}

TEST_F(FrameBars, MessageTextAndToolTipsFromStringsIdsAndThePromptStack) {
    struct Case {
        UINT nID;
        const char* prompt;
    };
    for (const Case& c : {Case{ID_FB_ADD_ENTRY, "Adds a time entry"},
                          Case{ID_FB_PLAIN, "Shows the entries without a project"}, Case{ID_FB_NOSTRING, ""},
                          Case{AFX_IDS_IDLEMESSAGE, "Ready"}}) {
        CString prompt;
        frame->GetMessageString(c.nID, prompt);
        EXPECT_STREQ(prompt, c.prompt) << c.nID;
        frame->SetMessageText("something else");
        frame->SetMessageText(c.nID);
        EXPECT_EQ(Shown(), c.prompt) << c.nID;
    }
    frame->SetMessageText("Saving the week");
    EXPECT_EQ(Shown(), "Saving the week");
    frame->SetMessageText(static_cast<LPCSTR>(nullptr));
    EXPECT_EQ(Shown(), "");

    // A prompt shown over another hands back the one it hides, so it can be shown again.
    frame->SetMessageText(ID_FB_FILTER);
    const LRESULT hidden = frame->SendMessage(WM_SETMESSAGESTRING, ID_FB_REPORT);
    EXPECT_EQ(hidden, ID_FB_FILTER);
    EXPECT_EQ(Shown(), "Opens the weekly report");
    frame->SendMessage(WM_POPMESSAGESTRING, static_cast<WPARAM>(hidden));
    EXPECT_EQ(Shown(), "Shows only the entries of the selected project");
    frame->SendMessage(WM_POPMESSAGESTRING, 0);
    EXPECT_EQ(Shown(), "Ready");

    // The same strings give the tool tips: the part after the newline, nothing without one.
    struct TipCase {
        UINT nID;
        const char* tip;
    };
    for (const TipCase& c :
         {TipCase{ID_FB_ADD_ENTRY, "Add entry"}, TipCase{ID_FB_PLAIN, ""}, TipCase{ID_FB_NOSTRING, ""}}) {
        NMTTDISPINFOA info{};
        info.hdr = NMHDR{frame->toolBar.m_hWnd, c.nID, TTN_NEEDTEXTA};
        std::strcpy(info.szText, "stale");
        frame->SendMessage(WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(info.lpszText != nullptr ? info.lpszText : "(none)", c.tip) << c.nID;
    }
}

// ---------------------------------------------------------------------------------------------------
// Idle updates and commands

TEST_F(FrameBars, IdleUpdateAndButtonsGoThroughTheSplittersActiveView) {
    CToolBarCtrl& buttons = frame->toolBar.GetToolBarCtrl();
    Idle();
    EXPECT_TRUE(buttons.IsButtonEnabled(ID_FB_ADD_ENTRY)) << "the view handles it";
    EXPECT_FALSE(buttons.IsButtonEnabled(ID_FB_DELETE_ENTRY)) << "the view's update handler says no";
    EXPECT_TRUE(buttons.IsButtonEnabled(ID_FB_START_TIMER)) << "the frame handles it";
    EXPECT_FALSE(buttons.IsButtonEnabled(ID_FB_FILTER)) << "nobody handles it";
    EXPECT_STREQ(frame->statusBar.GetStatusBarCtrl().GetText(1), "Total 37:30");

    frame->View()->canDelete = true;
    frame->totalText = "Total 38:15";
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_TRUE(buttons.IsButtonEnabled(ID_FB_DELETE_ENTRY));
    EXPECT_STREQ(frame->statusBar.GetStatusBarCtrl().GetText(1), "Total 38:15");

    auto click = [&](UINT nID) { fbtest::ClickButton(frame->toolBar, nID); };
    click(ID_FB_ADD_ENTRY);
    click(ID_FB_START_TIMER);
    click(ID_FB_FILTER); // disabled: nothing happens
    EXPECT_EQ(frame->View()->added, 1);
    EXPECT_EQ(frame->timersStarted, 1);

    // Without an active view the view's commands have no handler and their buttons are disabled.
    frame->SetActiveView(nullptr);
    Idle();
    EXPECT_FALSE(buttons.IsButtonEnabled(ID_FB_ADD_ENTRY));
    EXPECT_TRUE(buttons.IsButtonEnabled(ID_FB_START_TIMER));
}

// ---------------------------------------------------------------------------------------------------
// Saved bar state

TEST_F(FrameBars, SavedBarStateComesBackInANewFrame) {
    struct Case {
        const char* section;
        UINT nDockBar;
        bool toolBarShown;
        bool statusBarShown;
    };
    for (const Case& c : {Case{"Layout\\Left", AFX_IDW_DOCKBAR_LEFT, true, false},
                          Case{"Layout\\Right", AFX_IDW_DOCKBAR_RIGHT, false, true},
                          Case{"Layout\\Bottom", AFX_IDW_DOCKBAR_BOTTOM, true, true}}) {
        NewFrame();
        frame->DockControlBar(&frame->toolBar, c.nDockBar);
        frame->ShowControlBar(&frame->toolBar, c.toolBarShown, FALSE);
        frame->ShowControlBar(&frame->statusBar, c.statusBarShown, FALSE);
        const CRect split = SplitterRect();
        frame->SaveBarState(c.section);

        const std::string summary =
            "Software\\" + registryKey + "\\Window Framework Tests\\" + c.section + "-Summary";
        HKEY hKey = nullptr;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, summary.c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS)
            << summary;
        ::RegCloseKey(hKey);

        NewFrame();
        ASSERT_EQ(frame->toolBar.GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP)) << "a new frame starts as built";
        ASSERT_TRUE(frame->statusBar.IsVisible());
        frame->LoadBarState(c.section);
        EXPECT_EQ(frame->toolBar.GetParent(), DockBar(c.nDockBar)) << c.section;
        EXPECT_EQ(frame->toolBar.IsVisible() != FALSE, c.toolBarShown) << c.section;
        EXPECT_EQ(frame->statusBar.IsVisible() != FALSE, c.statusBarShown) << c.section;
        EXPECT_EQ(SplitterRect(), split) << c.section;
        ExpectChildrenTileTheClient(c.section);
    }
}

TEST_F(FrameBars, FrameSavesItsBarsWhenClosedAndRestoresThemWhileItIsCreated) {
    DestroyFrame(frame);
    frame = fbtest::NewTimesheetFrame(20, 20, 720, 480, "Layout\\Main");
    ASSERT_NE(frame, nullptr);
    app.m_pMainWnd = frame;
    EXPECT_EQ(frame->toolBar.GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP)) << "nothing saved yet";
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_BOTTOM);
    frame->ShowControlBar(&frame->statusBar, FALSE, FALSE);
    const CRect split = SplitterRect();
    frame->SendMessage(WM_CLOSE);
    ASSERT_EQ(app.m_pMainWnd, nullptr) << "the frame closed";
    frame = nullptr;

    frame = fbtest::NewTimesheetFrame(20, 20, 720, 480, "Layout\\Main");
    ASSERT_NE(frame, nullptr);
    app.m_pMainWnd = frame;
    EXPECT_EQ(frame->toolBar.GetParent(), DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_TRUE(frame->toolBar.IsVisible());
    EXPECT_FALSE(frame->statusBar.IsVisible());
    EXPECT_FALSE(frame->statusBar.IsWindowVisible());
    EXPECT_EQ(SplitterRect(), split);
    ExpectChildrenTileTheClient("restored while created");
}

TEST_F(FrameBars, StateNeverSavedLeavesTheDefaultLayout) {
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_LEFT);
    frame->ShowControlBar(&frame->statusBar, FALSE, FALSE);
    frame->SaveBarState("Layout\\Saved");

    NewFrame();
    const CRect split = SplitterRect();
    frame->LoadBarState("Layout\\Never saved");
    EXPECT_EQ(frame->toolBar.GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_TRUE(frame->toolBar.IsVisible());
    EXPECT_TRUE(frame->statusBar.IsVisible());
    EXPECT_EQ(SplitterRect(), split);
    ExpectPanesFillTheSplitter("never saved");
}

TEST_F(FrameBars, DockStateTakenFromOneFrameArrangesAnother) {
    frame->DockControlBar(&frame->toolBar, AFX_IDW_DOCKBAR_RIGHT);
    frame->ShowControlBar(&frame->statusBar, FALSE, FALSE);
    CDockState state;
    frame->GetDockState(state);
    EXPECT_FALSE(state.m_arrBarInfo.empty());

    TimesheetFrame* other = fbtest::NewTimesheetFrame();
    ASSERT_NE(other, nullptr);
    other->SetDockState(state);
    EXPECT_EQ(other->toolBar.GetParent(), CDockBar::FindDockBar(other, AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_FALSE(other->statusBar.IsVisible());
    EXPECT_EQ(other->RectOf(other->splitter), SplitterRect());
    // The frame the state came from is as it was.
    EXPECT_EQ(frame->toolBar.GetParent(), DockBar(AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->toolBar);
    EXPECT_EQ(other->GetControlBar(AFX_IDW_TOOLBAR), &other->toolBar);
    DestroyFrame(other);
}

} // namespace
