// The recent tasks: order by use, the ten-item limit, what a new run drops, the registry layout and the
// menu built from the items.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"
#include "TimingTestSupport.h"

#include "foundation/Registry.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "resource.h"
#include "timelog/ILogDocShell.h"

#include <string>

using namespace modeltest;

namespace {

class RecentTasks : public ModelTest {
protected:
    RecentTasks() : clock(At(2026, 6, 1, 12)) { doc.LoadRecentTasks(); }

    // A stopped entry of a new pair project N / category N.
    CLogEntry Pair(int n) {
        CLogEntry entry;
        entry.m_pProject = doc.FindOrAddProject(("Project " + std::to_string(n)).c_str(), "");
        entry.m_pCategory = doc.FindOrAddCategory(("Category " + std::to_string(n)).c_str(), "");
        return entry;
    }
    std::string Order() const {
        std::string order;
        for (int i = 0; i < doc.m_RecentTasks.GetCount(); ++i) {
            const CRecentTask* task = doc.m_RecentTasks.GetAt(i);
            if (i != 0)
                order += '|';
            order += task->m_Text.GetString();
            order += '#';
            order += std::to_string(task->m_TimesUsed);
        }
        return order;
    }

    FixedClock clock;
    RecordingApp app;
    CLogDoc doc;
};

TEST_F(RecentTasks, APairUsedAgainMovesUpPastSmallerCountsOnly) {
    const CLogEntry a = Pair(1);
    const CLogEntry b = Pair(2);
    const CLogEntry c = Pair(3);
    doc.RecordRecentTask(a);
    doc.RecordRecentTask(b);
    doc.RecordRecentTask(b);
    doc.RecordRecentTask(c);
    doc.RecordRecentTask(c);
    EXPECT_EQ(Order(), "Project 2, Category 2#2|Project 3, Category 3#2|Project 1, Category 1#1");
    doc.RecordRecentTask(c);
    EXPECT_EQ(Order(), "Project 3, Category 3#3|Project 2, Category 2#2|Project 1, Category 1#1");
    for (int i = 0; i < doc.m_RecentTasks.GetCount(); ++i)
        EXPECT_EQ(doc.m_RecentTasks.GetAt(i)->m_Number, i + 1);

    // An entry without project or category is not recorded.
    CLogEntry half = Pair(4);
    half.m_pCategory = nullptr;
    doc.RecordRecentTask(half);
    EXPECT_EQ(doc.m_RecentTasks.GetCount(), 3);
}

TEST_F(RecentTasks, AnEleventhPairPushesOutTheLastAndTheRegistryFollows) {
    for (int n = 1; n <= 10; ++n) {
        doc.RecordRecentTask(Pair(n));
        if (n <= 9)
            doc.RecordRecentTask(Pair(n)); // pairs 1-9 used twice, pair 10 once
    }
    doc.RecordRecentTask(Pair(11));
    ASSERT_EQ(doc.m_RecentTasks.GetCount(), 10);
    EXPECT_EQ(doc.m_RecentTasks.GetAt(9)->m_Text, "Project 11, Category 11") << "the newcomer is last";
    for (int i = 0; i < 10; ++i)
        EXPECT_NE(doc.m_RecentTasks.GetAt(i)->m_Text, "Project 10, Category 10");

    int count = 0;
    RegReadInt(REG_RECENT_TASKS, "Num tasks", &count);
    EXPECT_EQ(count, 10);
    CString project;
    CString category;
    CTime used;
    int times = 0;
    RegReadString(REG_RECENT_TASKS "Task 10\\", "Project", project);
    RegReadString(REG_RECENT_TASKS "Task 10\\", "Category", category);
    RegReadTime(REG_RECENT_TASKS "Task 10\\", "Last time used", &used);
    RegReadInt(REG_RECENT_TASKS "Task 10\\", "Num times used", &times);
    EXPECT_EQ(project, "Project 11");
    EXPECT_EQ(category, "Category 11");
    EXPECT_EQ(used, At(2026, 6, 1, 12));
    EXPECT_EQ(times, 1);
}

TEST_F(RecentTasks, ANewRunDropsStaleAndUnknownPairsAndSortsTheRest) {
    const auto write = [](int n, const char* project, const char* category, CTime used, int times) {
        CString key;
        key.Format(REG_RECENT_TASKS "Task %d\\", n);
        RegWriteString(key, "Project", project);
        RegWriteString(key, "Category", category);
        RegWriteTime(key, "Last time used", used);
        RegWriteInt(key, "Num times used", times);
    };
    Pair(1);
    Pair(2);
    Pair(3);
    const CTime now = At(2026, 6, 1, 12);
    write(1, "Project 1", "Category 1", now - CTimeSpan(CRecentTaskList::kMaxAgeSeconds + 60), 9); // stale
    write(2, "Project 2", "Category 2", now - CTimeSpan(86400), 1);
    write(3, "Gone", "Category 1", now, 5); // unknown
    write(4, "project 3", "CATEGORY 3", now - CTimeSpan(CRecentTaskList::kMaxAgeSeconds - 60), 4);
    RegWriteInt(REG_RECENT_TASKS, "Num tasks", 4);

    doc.LoadRecentTasks();
    EXPECT_EQ(Order(), "Project 3, Category 3#4|Project 2, Category 2#1");
    // What was dropped is gone from the registry too.
    int count = 0;
    RegReadInt(REG_RECENT_TASKS, "Num tasks", &count);
    EXPECT_EQ(count, 2);
    CString project;
    RegReadString(REG_RECENT_TASKS "Task 1\\", "Project", project);
    EXPECT_EQ(project, "Project 3");
    EXPECT_FALSE(RegReadString(REG_RECENT_TASKS "Task 3\\", "Project", project));

    // A damaged count is not followed beyond the ten items ever saved.
    RegWriteInt(REG_RECENT_TASKS, "Num tasks", 2000000000);
    doc.LoadRecentTasks();
    EXPECT_EQ(doc.m_RecentTasks.GetCount(), 2);
}

TEST_F(RecentTasks, DeletedProjectsLeaveNoDanglingItems) {
    CLogEntry a = Pair(1);
    doc.RecordRecentTask(a);
    EXPECT_TRUE(doc.m_RecentTasks.RefersToProject(a.m_pProject));
    EXPECT_TRUE(doc.m_RecentTasks.RefersToCategory(a.m_pCategory));
    CProject* other = doc.FindOrAddProject("Other", "");
    doc.m_RecentTasks.ReplaceProject(a.m_pProject, other);
    EXPECT_EQ(doc.m_RecentTasks.GetAt(0)->m_Text, "Other, Category 1");
    doc.ForgetReferences(other);
    EXPECT_EQ(doc.m_RecentTasks.GetAt(0)->m_pProject, nullptr);
    EXPECT_FALSE(doc.m_RecentTasks.RefersToProject(other));
}

// ---------------------------------------------------------------- the menu

// The application's side as far as the recent-task commands ask: which log is the active one.
class ActiveLogShell : public ILogDocShell {
public:
    ActiveLogShell() { SetLogDocShell(this); }
    ~ActiveLogShell() override { SetLogDocShell(nullptr); }
    ActiveLogShell(const ActiveLogShell&) = delete;
    ActiveLogShell& operator=(const ActiveLogShell&) = delete;

    int MatchActiveLog(CLogDoc*, const char*) override { return 1; }
    void ForgetLogDocument(CLogDoc*) override {}
    bool IsActiveLogDocument(const CLogDoc* pDoc) const override { return pDoc == active; }
    void ShowTrayTiming(bool) override {}
    bool PostExit() override { return false; }
    bool ShowOptionsPage(UINT) override { return false; }
    bool HasUnfinishedLogRow() override { return false; }
    void AfterLogOpened(CLogDoc*, bool, bool) override {}

    const CLogDoc* active = nullptr;
};

class RecentTaskMenu : public RecentTasks {
protected:
    RecentTaskMenu() {
        shell.active = &doc;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 100, "Before");
        menu.AppendMenu(MF_STRING, ID_RECENT_TASK_FIRST, "placeholder");
        menu.AppendMenu(MF_STRING, 101, "After");
    }
    // The menu's update request for its first recent-task item, routed through the document; whether
    // the document handled it.
    bool Update() {
        CCmdUI ui;
        ui.m_pMenu = &menu;
        ui.m_nID = ID_RECENT_TASK_FIRST;
        ui.m_nIndex = 1;
        ui.m_nIndexMax = menu.GetMenuItemCount();
        const BOOL handled = doc.OnCmdMsg(ID_RECENT_TASK_FIRST, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        lastIndex = ui.m_nIndex;
        lastMax = ui.m_nIndexMax;
        return handled != FALSE;
    }
    // The recent-task command of item k (1-based) routed through the document; whether it was handled.
    bool Choose(int k) {
        return doc.OnCmdMsg(ID_RECENT_TASK_FIRST + k - 1, CN_COMMAND, nullptr, nullptr) != FALSE;
    }
    std::string Label(UINT position) {
        char text[256] = {};
        ::GetMenuStringA(menu.m_hMenu, position, text, sizeof text, MF_BYPOSITION);
        return text;
    }
    bool Grayed(UINT position) { return (menu.GetMenuState(position, MF_BYPOSITION) & MF_GRAYED) != 0; }

    ActiveLogShell shell;
    CMenu menu;
    UINT lastIndex = 0;
    UINT lastMax = 0;
};

TEST_F(RecentTaskMenu, ItemsReplaceThePlaceholderWithNumberedLabels) {
    CLogEntry amp = Pair(1);
    amp.m_pProject->m_Name = "R&D";
    for (int n = 1; n <= 10; ++n)
        doc.RecordRecentTask(n == 1 ? amp : Pair(n));
    Update();
    ASSERT_EQ(menu.GetMenuItemCount(), 12u);
    EXPECT_EQ(Label(0), "Before");
    EXPECT_EQ(Label(1), "&1 R&&D, Category 1");
    EXPECT_EQ(Label(10), "&0 Project 10, Category 10") << "the tenth item has the digit 0";
    EXPECT_EQ(Label(11), "After");
    EXPECT_EQ(menu.GetMenuItemID(10), static_cast<UINT>(ID_RECENT_TASK_FIRST + 9));
    EXPECT_EQ(doc.m_RecentTasks.FindByCommand(ID_RECENT_TASK_FIRST + 9), doc.m_RecentTasks.GetAt(9));
    EXPECT_FALSE(Grayed(1));
    EXPECT_EQ(lastIndex, 10u);
    EXPECT_EQ(lastMax, 12u);

    // Built again while timing: the same items, disabled.
    doc.m_bTiming = true;
    Update();
    EXPECT_EQ(menu.GetMenuItemCount(), 12u);
    EXPECT_TRUE(Grayed(1));
    EXPECT_TRUE(Grayed(10));
}

TEST_F(RecentTaskMenu, WithoutItemsThePlaceholderSaysSoAndIsDisabled) {
    Update();
    ASSERT_EQ(menu.GetMenuItemCount(), 3u);
    EXPECT_EQ(Label(1), "<No recently used tasks>");
    EXPECT_TRUE(Grayed(1));
    EXPECT_EQ(RecentTaskLabel(12, "a&b&&c"), "&2 a&&b&&&&c");
}

TEST_F(RecentTaskMenu, ChoosingAnItemTimesItsPairFromNow) {
    modeltest::RecordingFrame frame;
    timingtest::RecordingLogView view;
    frame.doc = &doc;
    frame.logView = &view;
    const CLogEntry first = Pair(1);
    const CLogEntry second = Pair(2);
    doc.RecordRecentTask(first);
    doc.RecordRecentTask(first);
    doc.RecordRecentTask(second);
    // The description of an earlier start must not carry over.
    doc.m_RecentTasks.m_Template.m_Desc = "left over";
    ASSERT_TRUE(Update());

    EXPECT_TRUE(Choose(2));
    ASSERT_TRUE(doc.IsTiming());
    const CLogEntry* running = doc.GetRunningEntry();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->m_pProject, second.m_pProject);
    EXPECT_EQ(running->m_pCategory, second.m_pCategory);
    EXPECT_EQ(running->m_Desc, "");
    EXPECT_EQ(running->m_StartTime, At(2026, 6, 1, 12));
    EXPECT_EQ(CLogDoc::GetRunningGUID(), running->m_GUID);

    // While timing, another item starts nothing and the menu shows its items disabled.
    EXPECT_TRUE(Choose(1));
    EXPECT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetRunningEntry()->m_pProject, second.m_pProject);
    ASSERT_TRUE(Update());
    EXPECT_TRUE(Grayed(1));
    EXPECT_TRUE(Grayed(2));
}

TEST_F(RecentTaskMenu, OnlyTheActiveLogAnswersTheCommands) {
    modeltest::RecordingFrame frame;
    timingtest::RecordingLogView view;
    frame.doc = &doc;
    frame.logView = &view;
    doc.RecordRecentTask(Pair(1));
    struct Case {
        const char* name;
        bool registered;
        bool active;
    };
    const Case cases[] = {
        {"another log is active", true, false},
        {"no application", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLogDoc other;
        shell.active = c.active ? &doc : &other;
        if (!c.registered)
            SetLogDocShell(nullptr);
        EXPECT_FALSE(Update()) << "the update routes on";
        EXPECT_EQ(menu.GetMenuItemCount(), 3u);
        EXPECT_EQ(Label(1), "placeholder");
        EXPECT_FALSE(Choose(1)) << "the command routes on";
        EXPECT_FALSE(doc.IsTiming());
        EXPECT_EQ(doc.GetLogEntryCount(), 0);
        SetLogDocShell(&shell);
    }
    // An id the menu never gave an item starts nothing either.
    shell.active = &doc;
    EXPECT_TRUE(Choose(5));
    EXPECT_FALSE(doc.IsTiming());
}

} // namespace
