// Keeping the views in step with the lists: the log view's refresh, the quick-task chooser, the Assign
// to User menu of the project-task view, and the views told after a subsystem is removed.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"
#include "TaskSelectionSupport.h"

#include "framework/win/CComboBoxEx.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/IDocumentViews.h"
#include "timelog/ITaskView.h"

#include <string>
#include <vector>

namespace {

class LastRowLogView : public modeltest::RecordingLogView {
public:
    void ShowLastRow() override { calls += "lastrow;"; }
};

class CountingDocumentViews : public IDocumentViews {
public:
    CountingDocumentViews() { SetDocumentViews(this); }
    ~CountingDocumentViews() override { SetDocumentViews(nullptr); }
    CountingDocumentViews(const CountingDocumentViews&) = delete;
    CountingDocumentViews& operator=(const CountingDocumentViews&) = delete;
    void RefreshExpenseView() override { ++expenseReloads; }
    void ClearTimesheetFilter() override {}
    void SetTimesheetUserFilter(CUser*) override {}
    int expenseReloads = 0;
};

// The item texts and check marks of a menu, "text" or "text*" when checked.
std::vector<std::string> MenuItems(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const bool checked = (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0;
        items.push_back(std::string(text) + (checked ? "*" : ""));
    }
    return items;
}

class MaintenanceTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        frame.doc = &doc;
        frame.logView = &view;
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        task = new CTask();
        task->m_pDoc = &doc;
        task->m_Name = "Write the report";
        task->SetProject(project);
        doc.AddProjectTask(task);
        taskView.selected = task;
    }
    CUser* AddUser(const char* name, bool group = false) {
        auto* user = new CUser(name);
        user->m_Workgroup = group ? 1 : 0;
        doc.AddUser(user);
        return user;
    }
    // A context menu whose second pop-up is the Assign to User menu ("<None>" placeholder first).
    static HMENU MakeContextMenu(HMENU& assign) {
        HMENU menu = CreatePopupMenu();
        HMENU other = CreatePopupMenu();
        AppendMenuA(other, MF_STRING, 40100, "Other");
        assign = CreatePopupMenu();
        AppendMenuA(assign, MF_STRING, ID_ASSIGN_USER_FIRST, "<None>");
        AppendMenuA(menu, MF_STRING, 40101, "Open");
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(other), "More");
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(assign), "Assign to User");
        return menu;
    }

    modeltest::RecordingApp app;
    CLogDoc doc;
    LastRowLogView view;
    modeltest::RecordingFrame frame;
    modeltest::SelectedTaskView taskView;
    CProject* project = nullptr;
    CTask* task = nullptr;
};

TEST_F(MaintenanceTest, RefreshingTheLogViewSortsFiltersShadesAndLeavesTheDocumentUnmodified) {
    doc.SetModifiedFlag(TRUE);
    doc.RefreshLogView();
    EXPECT_EQ(view.calls, "sort;filter;graybar;lastrow;");
    EXPECT_FALSE(doc.IsModified());

    frame.logView = nullptr;
    doc.SetModifiedFlag(TRUE);
    doc.RefreshLogView();
    EXPECT_TRUE(doc.IsModified()) << "without a log view nothing happens";
}

TEST_F(MaintenanceTest, TheQuickTaskChooserListsTheQuickTasksWithTheirTasks) {
    CTask first;
    first.m_Name = "Plan";
    CTask second;
    second.m_Name = "Review";
    doc.m_QuickTasks.Add(&first);
    doc.m_QuickTasks.Add(&second);
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                               nullptr, nullptr));
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 150, 200), &owner, 1000));
    COMBOBOXEXITEMA stale = {};
    stale.mask = CBEIF_TEXT;
    stale.pszText = const_cast<char*>("stale");
    combo.InsertItem(&stale);
    doc.FillQuickTaskCombo(combo);
    ASSERT_EQ(combo.GetCount(), 2);
    const std::vector<std::pair<const char*, CTask*>> expected = {{"Plan", &first}, {"Review", &second}};
    for (int i = 0; i < 2; ++i) {
        char text[32] = {};
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ASSERT_TRUE(combo.GetItem(&item));
        EXPECT_STREQ(text, expected[i].first);
        EXPECT_EQ(reinterpret_cast<CTask*>(item.lParam), expected[i].second);
    }
    doc.m_QuickTasks.RemoveAll(); // not the document's to delete
    owner.DestroyWindow();
}

TEST_F(MaintenanceTest, TheAssignToUserMenuListsThePersonsWithTheOwnerChecked) {
    CUser* ann = AddUser("Ann");
    AddUser("Team", true);
    CUser* bob = AddUser("Bob");
    task->m_pOwner = bob;
    task->m_OwnerID = bob->GetGUID();
    HMENU assign = nullptr;
    HMENU menu = MakeContextMenu(assign);
    ASSERT_TRUE(doc.FillAssignToUserMenu(menu));
    EXPECT_EQ(MenuItems(assign), (std::vector<std::string>{"Ann", "Bob*"}));
    EXPECT_EQ(GetMenuItemID(assign, 0), static_cast<UINT>(ID_ASSIGN_USER_FIRST));

    const int before = frame.refreshes;
    doc.OnCmdMsg(ann->m_nMenuCommand, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(task->GetOwner(), ann);
    EXPECT_EQ(task->m_OwnerID, ann->GetGUID());
    EXPECT_GT(frame.refreshes, before) << "the task view reloads";
    DestroyMenu(menu);
}

TEST_F(MaintenanceTest, ASummaryLosesTheAssignToUserMenuAndNothingChangesWithoutATask) {
    AddUser("Ann");
    HMENU assign = nullptr;
    HMENU menu = MakeContextMenu(assign);
    taskView.selected = nullptr;
    EXPECT_FALSE(doc.FillAssignToUserMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), 3);

    taskView.selected = task;
    task->m_Summary = 1;
    ASSERT_TRUE(doc.FillAssignToUserMenu(menu));
    EXPECT_EQ(MenuItems(menu), (std::vector<std::string>{"Open", "More"}));
    doc.OnAssignToUser(ID_ASSIGN_USER_FIRST);
    EXPECT_EQ(task->GetOwner(), nullptr) << "a summary has no owner";
    DestroyMenu(menu);

    HMENU plain = CreatePopupMenu();
    AppendMenuA(plain, MF_STRING, 40101, "Open");
    task->m_Summary = 0;
    EXPECT_FALSE(doc.FillAssignToUserMenu(plain)) << "no Assign to User pop-up";
    DestroyMenu(plain);
}

TEST_F(MaintenanceTest, RemovingASubsystemWithRefreshTellsEveryView) {
    CountingDocumentViews views;
    auto* subsystem = new CSubsystem();
    subsystem->m_Name = "Build";
    subsystem->m_pProject = project;
    doc.AddSubsystem(subsystem);
    project->AddSubsystem(subsystem);
    const int before = frame.refreshes;
    doc.RemoveSubsystem(subsystem, true);
    EXPECT_EQ(doc.GetSubsystemAt(0), nullptr);
    EXPECT_EQ(project->IndexOfSubsystem(subsystem), -1) << "no longer in its project";
    EXPECT_EQ(views.expenseReloads, 1);
    EXPECT_GE(frame.refreshes, before + 2) << "timesheet and task views";
    EXPECT_NE(view.calls.find("sort;"), std::string::npos) << "the log's timing display";
}

TEST_F(MaintenanceTest, TheLearningSetupMakesItsProjectAndExampleTasksOnce) {
    doc.FindOrAddCategory("Research", "");
    const int tasksBefore = static_cast<int>(doc.m_ProjectTasks.GetSize());
    ASSERT_TRUE(doc.RunLearningSetup());
    CProject* learning = doc.FindProjectByName("Brindlemark");
    ASSERT_NE(learning, nullptr);
    EXPECT_EQ(learning->m_Description, "Learning Brindlemark");
    ASSERT_EQ(learning->m_Subsystems.GetSize(), 1);
    EXPECT_EQ(learning->m_Subsystems.GetAt(0)->m_Name, "Learning Brindlemark");
    ASSERT_NE(learning->m_pClient, nullptr);
    EXPECT_EQ(learning->m_pClient, doc.FindClientByName("My company"));
    EXPECT_TRUE(learning->m_pClient->IsThisCompany());
    ASSERT_NE(learning->m_pProjectType, nullptr);
    EXPECT_EQ(learning->m_pProjectType->m_Name, "In-house Projects");

    ASSERT_EQ(doc.m_ProjectTasks.GetSize(), tasksBefore + 7);
    const CTask* first = doc.m_ProjectTasks.GetAt(tasksBefore);
    EXPECT_EQ(first->m_Name, "Task 1: Explore Project Tasks View");
    EXPECT_EQ(first->m_Duration.GetTotalSeconds(), 3600);
    const CTask* last = doc.m_ProjectTasks.GetAt(tasksBefore + 6);
    EXPECT_EQ(last->m_Name, "Task 7: Print a report");
    EXPECT_EQ(last->m_Duration.GetTotalSeconds(), 900);
    for (int i = 0; i < 7; ++i) {
        CTask* example = doc.m_ProjectTasks.GetAt(tasksBefore + i);
        EXPECT_EQ(example->GetProject(), learning);
        EXPECT_EQ(example->GetSubsystem(), learning->m_Subsystems.GetAt(0));
        EXPECT_EQ(example->m_pCategory, doc.FindCategoryByName("Research"));
        EXPECT_FALSE(example->m_Description.IsEmpty());
    }

    EXPECT_FALSE(doc.RunLearningSetup()) << "once per user";
    EXPECT_EQ(doc.m_ProjectTasks.GetSize(), tasksBefore + 7);
}

TEST_F(MaintenanceTest, TheLearningTaskIsTimedOnceOnAnEmptyLog) {
    ASSERT_TRUE(doc.RunLearningSetup());
    ASSERT_TRUE(doc.RunLearningTask());
    ASSERT_TRUE(doc.IsTiming());
    const CProject* learning = doc.FindProjectByName("Brindlemark");
    const CTask* first = doc.m_ProjectTasks.GetAt(doc.m_ProjectTasks.GetSize() - 7);
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, first->m_GUID);
    EXPECT_EQ(doc.GetRunningEntry()->m_pProject, learning);
    bool done = false;
    RegReadBool(REG_PREFS, "Learning task", &done);
    EXPECT_TRUE(done);
    EXPECT_FALSE(doc.RunLearningTask()) << "once";
}

TEST_F(MaintenanceTest, ALogWithEntriesGetsNoLearningTask) {
    auto* entry = new CLogEntry();
    entry->SetStartTime(CTime(2026, 3, 2, 9, 0, 0));
    entry->SetStopTime(CTime(2026, 3, 2, 10, 0, 0));
    doc.AddLogEntry(entry);
    ASSERT_TRUE(doc.RunLearningSetup());
    EXPECT_FALSE(doc.RunLearningTask());
    EXPECT_FALSE(doc.IsTiming());
    bool done = false;
    RegReadBool(REG_PREFS, "Learning task", &done);
    EXPECT_TRUE(done) << "not asked again";
}

} // namespace
