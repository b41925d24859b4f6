// The main frame as the start-up makes it: bars, panes, views, the view commands, the idle work, the
// start-up follow-up and the navigation column.
#include "ShellTestSupport.h"

#include "foundation/Registry.h"
#include "shell/CMainTreeView.h"
#include "shell/CMainViewFrame.h"
#include "shell/CUnavailableView.h"
#include "shell/IOptionsSheet.h"

#include <algorithm>

using namespace shelltest;

namespace {

int ActiveView() {
    int number = 0;
    RegReadInt(REG_PREFS, "Active View", &number);
    return number;
}

// The command ids of a popup of the frame's menu, after the frame's update handlers ran on it.
std::vector<UINT> UpdatedPopupItems(CMainFrame* frame, int popupIndex) {
    HMENU popup = ::GetSubMenu(::GetMenu(frame->m_hWnd), popupIndex);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), popupIndex);
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
        ids.push_back(::GetMenuItemID(popup, i));
    return ids;
}

UINT MenuState(CMainFrame* frame, UINT id) {
    return ::GetMenuState(::GetMenu(frame->m_hWnd), id, MF_BYCOMMAND);
}

using MainFrame = MainFrameFixture;

TEST_F(MainFrame, HasItsBarsPanesAndStatusIndicators) {
    // Tool bar from its resource: 9 buttons and 4 separators.
    EXPECT_EQ(frame->GetToolBar().GetCount(), 13);
    EXPECT_EQ(frame->GetToolBar().GetItemID(0), static_cast<UINT>(ID_TIMER_START));
    EXPECT_TRUE(frame->GetToolBar().GetStyle() & WS_VISIBLE);
    // The filter bar exists with its title but starts hidden.
    ASSERT_NE(frame->GetFilterBar().m_hWnd, nullptr);
    EXPECT_EQ(TextOf(frame->GetFilterBar().m_hWnd), "Filter Tasks");
    EXPECT_FALSE(frame->GetFilterBar().GetStyle() & WS_VISIBLE);

    CErrorStatusBar& status = frame->GetStatusBar();
    EXPECT_EQ(status.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    ASSERT_EQ(status.GetCount(), 6);
    const UINT panes[] = {ID_SEPARATOR,      ID_INDICATOR_HOURS, ID_INDICATOR_FILTERED,
                          ID_INDICATOR_CAPS, ID_INDICATOR_NUM,   ID_INDICATOR_SCRL};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(status.GetItemID(i), panes[i]) << i;
    EXPECT_EQ(std::string(status.GetPaneText(1)).find("0.0 hours") != std::string::npos, true);
    EXPECT_TRUE(status.GetStyle() & SBARS_SIZEGRIP);

    // Splitter: the tree at 250 pixels, the view host beside it.
    int width = 0;
    int minimum = 0;
    frame->GetSplitter().GetColumnInfo(0, width, minimum);
    EXPECT_EQ(minimum, 25);
    ASSERT_NE(frame->GetTreeView(), nullptr);
    ASSERT_NE(frame->GetViewHost(), nullptr);
    EXPECT_EQ(frame->GetSplitter().GetPane(0, 1), frame->GetViewHost());

    frame->ShowNavigationTree(false);
    frame->GetSplitter().GetColumnInfo(0, width, minimum);
    EXPECT_EQ(minimum, 0);
    frame->ShowNavigationTree(true);
    frame->GetSplitter().GetColumnInfo(0, width, minimum);
    EXPECT_EQ(minimum, 25);
}

TEST_F(MainFrame, ShowsTheTemplatesLogViewAndOffersOnlyTheViewsItHas) {
    CMainViewFrame* host = frame->GetViewHost();
    EXPECT_EQ(host->GetShownView(), viewTimeLog);
    CView* logView = host->GetView(viewTimeLog);
    ASSERT_NE(logView, nullptr);
    EXPECT_NE(dynamic_cast<TestLogView*>(logView), nullptr);
    EXPECT_EQ(logView->GetDocument(), doc);
    // Commands reach the shown view first.
    EXPECT_EQ(frame->GetActiveView(), logView);

    // Tabs and tree name the views this version has: the time log alone.
    ASSERT_EQ(host->GetTabs().GetItemCount(), 1);
    CTreeCtrl& tree = frame->GetTreeView()->GetTree();
    ASSERT_EQ(tree.GetCount(), 1u);
    EXPECT_EQ(std::string(tree.GetItemText(tree.GetRootItem())), "Time Log");
    EXPECT_EQ(frame->GetTreeView()->GetSelectedView(), viewTimeLog);

    // The View menu loses the views that are not there and checks the one shown.
    const std::vector<UINT> items = UpdatedPopupItems(frame, 1);
    for (UINT missing : {ID_VIEW_TIMESHEET, ID_VIEW_PROJECT_TASKS, ID_VIEW_EXPENSES, ID_VIEW_BILLING})
        EXPECT_EQ(std::count(items.begin(), items.end(), missing), 0) << missing;
    ASSERT_EQ(items.front(), static_cast<UINT>(ID_VIEW_TIME_LOG));
    EXPECT_TRUE(MenuState(frame, ID_VIEW_TIME_LOG) & MF_CHECKED);
    EXPECT_FALSE(MenuState(frame, ID_VIEW_TIME_LOG) & MF_GRAYED);
}

TEST_F(MainFrame, AViewThatIsNotThereFallsBackToTheTimeLog) {
    frame->SwitchView(viewExpenses);
    EXPECT_EQ(frame->GetViewHost()->GetShownView(), viewTimeLog);
    EXPECT_EQ(ActiveView(), viewTimeLog);
    EXPECT_EQ(frame->GetViewHost()->GetView(viewExpenses), nullptr);

    // A command of a missing view that reaches the frame anyway changes nothing either.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TIMESHEET);
    EXPECT_EQ(ActiveView(), viewTimeLog);
    EXPECT_EQ(frame->GetActiveView(), frame->GetViewHost()->GetView(viewTimeLog));
}

TEST_F(MainFrame, HoursPaneIsOffOnlyForTheTimesheetAndNothingShowsFiltered) {
    CErrorStatusBar& status = frame->GetStatusBar();
    status.SetPaneText(1, "5.5 hours");
    status.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(status.GetPaneStyle(2) & SBPS_DISABLED);
    RegWriteInt(REG_PREFS, "Active View", viewTimesheet);
    status.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(status.GetPaneStyle(1) & SBPS_DISABLED);
    RegWriteInt(REG_PREFS, "Active View", viewTimeLog);
    status.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(status.GetPaneStyle(1) & SBPS_DISABLED);
}

// A template without a view class for the time log: the host says the view is not there.
class MainFrameWithoutLogView : public MainFrameFixture {
protected:
    CRuntimeClass* LogViewClass() override { return nullptr; }
};

TEST_F(MainFrameWithoutLogView, ShowsTheTimeLogAsUnavailable) {
    auto* notice = dynamic_cast<CUnavailableView*>(frame->GetViewHost()->GetView(viewTimeLog));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(std::string(notice->GetNotice()),
              "The Time Log view is not available in this version of Brindlemark.");
    EXPECT_EQ(notice->GetDocument(), doc);
    EXPECT_TRUE(notice->IsWindowVisible() || !frame->IsWindowVisible());
}

TEST_F(MainFrame, StartupFollowUpAsksForTheWizardOnlyBeforeItRan) {
    TakePosted();
    frame->SendMessage(WM_COMMAND, ID_STARTUP_FOLLOW_UP);
    std::vector<MSG> posted = TakePosted();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(LOWORD(posted[0].wParam), ID_STARTUP_WIZARD);

    RegWriteInt(REG_ROOT, "Startup Wizard Ver", 100);
    frame->SendMessage(WM_COMMAND, ID_STARTUP_FOLLOW_UP);
    EXPECT_TRUE(TakePosted().empty());
}

class RecordingOptionsSheet : public IOptionsSheet {
public:
    void Show(CWnd* pParent, UINT pageId) override { shown.push_back({pParent, pageId}); }
    std::vector<std::pair<CWnd*, UINT>> shown;
};

TEST_F(MainFrame, OptionsCommandsOpenTheSheetOnTheirPageOnlyWhenTheProgramHasOne) {
    UpdatedPopupItems(frame, 3);
    EXPECT_TRUE(MenuState(frame, ID_OPTIONS) & MF_GRAYED);
    EXPECT_TRUE(MenuState(frame, ID_OPTIONS_DATABASE) & MF_GRAYED);
    frame->SendMessage(WM_COMMAND, ID_OPTIONS_DATABASE);

    RecordingOptionsSheet sheet;
    SetOptionsSheet(&sheet);
    UpdatedPopupItems(frame, 3);
    EXPECT_FALSE(MenuState(frame, ID_OPTIONS) & MF_GRAYED);
    frame->SendMessage(WM_COMMAND, ID_OPTIONS_DATABASE);
    frame->SendMessage(WM_COMMAND, ID_OPTIONS);
    // The active log command of the application opens the database page too.
    frame->SendMessage(WM_COMMAND, ID_SET_ACTIVE_LOG);
    SetOptionsSheet(nullptr);
    const std::vector<std::pair<CWnd*, UINT>> expected = {
        {frame, kOptionsDatabasePage}, {frame, 0u}, {frame, kOptionsDatabasePage}};
    EXPECT_EQ(sheet.shown, expected);
}

} // namespace
