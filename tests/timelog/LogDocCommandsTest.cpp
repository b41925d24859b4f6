// The document's commands: menus trimmed to the user's rights, the active view checked against them,
// the reference-list editors' routing, default reference data, filters by active view, and the
// replacement of referenced objects in memory.
#include "ModelTestSupport.h"

#include "resource.h"
#include "timelog/IListEditors.h"

#include <string>
#include <vector>

using namespace modeltest;

namespace {

// The current user, holding exactly the rights listed.
CUser* AddCurrentUser(CLogDoc& doc, const std::vector<int>& rights) {
    auto* user = new CUser("tester");
    user->m_Rights = "000000000000";
    for (int n : rights)
        user->m_Rights.SetAt(n - 1, '1');
    doc.AddUser(user);
    return user;
}

// A menu from ids (0 = separator); read back the same way.
HMENU MakeMenu(const std::vector<UINT>& ids) {
    HMENU menu = CreatePopupMenu();
    for (UINT id : ids) {
        if (id == 0)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING, id, "item");
    }
    return menu;
}

std::vector<UINT> MenuIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

class LogDocCommands : public ModelTest {
protected:
    RecordingApp app;
    CLogDoc doc;
};

TEST_F(LogDocCommands, MenusLoseTheCommandsOfMissingRightsWithTheirSeparators) {
    const std::vector<UINT> fileMenu = {ID_EDIT_USERS,
                                        ID_EDIT_PROJECTS,
                                        0,
                                        ID_EDIT_PROJECT_TYPES,
                                        ID_EDIT_CATEGORIES,
                                        ID_EDIT_CLIENTS,
                                        0,
                                        ID_REFRESH_PROJECT_TASKS,
                                        0,
                                        ID_EXPENSE_TRIPS,
                                        0,
                                        ID_OPTIONS};
    const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    struct Case {
        const char* what;
        std::vector<int> rights;
        bool open;
        std::vector<UINT> expected;
    };
    const std::vector<Case> cases = {
        {"every right", all, true, fileMenu},
        {"no reference lists: their commands and the separator left at position 2 go",
         {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         true,
         {ID_EDIT_USERS, 0, ID_REFRESH_PROJECT_TASKS, 0, ID_EXPENSE_TRIPS, 0, ID_OPTIONS}},
        {"no document: the lists and the refresh with its separator go",
         all,
         false,
         {ID_EXPENSE_TRIPS, 0, ID_OPTIONS}},
        {"no expenses: trips go with the separator above",
         {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12},
         true,
         {ID_EDIT_USERS, ID_EDIT_PROJECTS, 0, ID_EDIT_PROJECT_TYPES, ID_EDIT_CATEGORIES, ID_EDIT_CLIENTS, 0,
          ID_REFRESH_PROJECT_TASKS, 0, ID_OPTIONS}},
        {"no options and no users: no separator is left at the end or the start",
         {2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         true,
         {ID_EDIT_PROJECTS, 0, ID_EDIT_PROJECT_TYPES, ID_EDIT_CATEGORIES, ID_EDIT_CLIENTS, 0,
          ID_REFRESH_PROJECT_TASKS, 0, ID_EXPENSE_TRIPS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CLogDoc fresh;
        AddCurrentUser(fresh, c.rights);
        HMENU menu = MakeMenu(fileMenu);
        fresh.TrimMenu(menu, c.open);
        EXPECT_EQ(MenuIds(menu), c.expected);
        DestroyMenu(menu);
    }
}

TEST_F(LogDocCommands, NoSeparatorOpensTheMenuAfterTrimming) {
    CLogDoc fresh;
    AddCurrentUser(fresh, {});
    HMENU menu = MakeMenu({ID_OPTIONS, 0, ID_EDIT_USERS, 0, ID_LOG_IMPORT, 0, ID_CHANGE_PASSWORD});
    fresh.TrimMenu(menu, true);
    EXPECT_EQ(MenuIds(menu), (std::vector<UINT>{ID_LOG_IMPORT}));
    DestroyMenu(menu);
}

TEST_F(LogDocCommands, TheActiveViewFallsBackToOneTheRightsAllow) {
    struct Case {
        int stored;
        std::vector<int> rights;
        int expected;
    };
    const Case cases[] = {
        {3, {6}, 3}, {4, {5, 6}, 2}, {2, {6, 7}, 3}, {5, {8}, 6}, {6, {}, 4},
        {0, {}, 0},  {4, {4}, 4},    {3, {4, 5}, 4}, {7, {7}, 7}, {5, {4, 7}, 5},
    };
    for (const Case& c : cases) {
        CLogDoc fresh;
        AddCurrentUser(fresh, c.rights);
        RegWriteInt(REG_PREFS, "Active View", c.stored);
        EXPECT_EQ(fresh.CheckActiveView(), c.expected) << "stored " << c.stored;
        int written = -1;
        RegReadInt(REG_PREFS, "Active View", &written);
        EXPECT_EQ(written, c.expected);
    }
}

// Dialogs that record what they were asked and mark one object as the user's change.
class RecordingEditors : public IListEditors {
public:
    RecordingEditors() { SetListEditors(this); }
    ~RecordingEditors() override { SetListEditors(nullptr); }
    RecordingEditors(const RecordingEditors&) = delete;
    RecordingEditors& operator=(const RecordingEditors&) = delete;
    void EditProjects(CLogDoc& doc) override {
        calls.push_back("projects");
        marksClearedBefore = doc.GetProjectAt(0)->m_Dirty == 0;
    }
    void EditProjectTypes(CLogDoc&) override { calls.push_back("project types"); }
    void EditCategories(CLogDoc&) override { calls.push_back("categories"); }
    void EditExpenseAccounts(CLogDoc&) override { calls.push_back("accounts"); }
    void EditExpenseTypes(CLogDoc&) override { calls.push_back("expense types"); }
    void EditClients(CLogDoc&) override { calls.push_back("clients"); }
    void EditUsers(CLogDoc&) override { calls.push_back("users"); }
    void EditSubsystems(CLogDoc&, CProject& project) override {
        calls.push_back("subsystems of " + std::string(project.m_Name));
    }
    void CreateBill() override { calls.push_back("bill"); }
    bool RunDatabaseRequired() override {
        calls.push_back("database required");
        return false;
    }
    void ImportUTBMSCodes(CLogDoc&, const CString&) override { calls.push_back("utbms"); }
    void ImportProjectTasks(CLogDoc&, const CString&) override { calls.push_back("project tasks"); }
    std::vector<std::string> calls;
    bool marksClearedBefore = false;
};

TEST_F(LogDocCommands, ListCommandsReachTheirDialogsOnlyForAnOpenDocumentAndRight2) {
    RecordingEditors editors;
    auto* project = new CProject("Alpha", 0.0);
    project->SetModified(TRUE);
    doc.AddProject(project);
    AddCurrentUser(doc, {2});

    doc.OnEditProjects(); // not loaded yet: not open
    EXPECT_TRUE(editors.calls.empty());

    doc.m_bLoadFinished = true;
    doc.OnEditProjects();
    doc.OnEditProjectTypes();
    doc.OnEditCategories();
    doc.OnEditExpenseAccounts();
    doc.OnEditExpenseTypes();
    doc.OnEditClients();
    doc.EditSubsystems(project);
    doc.EditSubsystems(nullptr);
    doc.OnEditUsers(); // without the database: the notice that one is needed
    doc.OnCreateBill();
    EXPECT_EQ(editors.calls, (std::vector<std::string>{"projects", "project types", "categories", "accounts",
                                                       "expense types", "clients", "subsystems of Alpha",
                                                       "database required", "bill"}));
    EXPECT_TRUE(editors.marksClearedBefore);

    editors.calls.clear();
    doc.GetCurrentUser()->m_Rights = "101111111111";
    doc.OnEditProjects();
    doc.OnEditClients();
    doc.EditSubsystems(project);
    EXPECT_TRUE(editors.calls.empty());
}

TEST_F(LogDocCommands, DefaultCategoriesAreMadeOncePerUser) {
    doc.CreateDefaultCategories();
    ASSERT_EQ(doc.GetCategoryCount(), 12);
    EXPECT_EQ(doc.GetCategoryAt(0)->m_Name, "Administration");
    EXPECT_EQ(doc.GetCategoryAt(11)->m_Name, "Travel");
    EXPECT_EQ(doc.GetDefaultCategory(), doc.FindCategoryByName("Implementation"));

    CLogDoc second;
    second.CreateDefaultCategories(); // already made for this user
    EXPECT_EQ(second.GetCategoryCount(), 0);
    auto* only = new CCategory("Only", "");
    second.AddCategory(only);
    EXPECT_EQ(second.GetDefaultCategory(), only);

    second.CreateDefaultExpenseTypes();
    EXPECT_NE(second.FindExpenseTypeByName("Airfare"), nullptr);
    EXPECT_NE(second.FindExpenseTypeByName("Train"), nullptr);
    second.CreateDefaultProjectTypes();
    second.CreateDefaultProjectTypes();
    EXPECT_NE(second.FindProjectTypeByName("Customer Service Projects"), nullptr);
    EXPECT_EQ(second.GetProjectTypeAt(5), nullptr) << "five types, made once";
}

TEST_F(LogDocCommands, FiltersFollowTheActiveView) {
    auto* project = new CProject("Alpha", 0.0);
    doc.AddProject(project);
    doc.m_bLoadFinished = true;

    RegWriteInt(REG_PREFS, "Active View", 2);
    doc.FilterActiveViewByProject(project);
    EXPECT_FALSE(doc.m_ViewFilter.IsActive());
    EXPECT_FALSE(doc.m_ProjectTaskSet.IsFilterActive());
    EXPECT_FALSE(doc.IsActiveViewFiltered());

    RegWriteInt(REG_PREFS, "Active View", 4);
    doc.FilterActiveViewByProject(project);
    EXPECT_TRUE(doc.IsActiveViewFiltered());
    EXPECT_FALSE(doc.m_ViewFilter.IsActive());
    doc.ClearActiveFilter();
    EXPECT_FALSE(doc.IsActiveViewFiltered());

    RegWriteInt(REG_PREFS, "Active View", 3);
    doc.FilterActiveViewByProject(project);
    EXPECT_TRUE(doc.IsActiveViewFiltered());
    EXPECT_EQ(doc.m_ViewFilter.m_pProject, project);
    CString text;
    doc.GetActiveFilterText(text);
    EXPECT_NE(std::string(text).find("Alpha"), std::string::npos) << text.GetString();
    doc.FilterActiveViewByDate(3);
    EXPECT_EQ(doc.m_ViewFilter.m_FilterType, CViewFilter::byProject | CViewFilter::byDateRange);
    EXPECT_EQ(doc.m_ViewFilter.m_DateChoice, 3);
    doc.ClearActiveFilter();
    EXPECT_FALSE(doc.IsActiveViewFiltered());

    // Before the first load the log's filter is not touched.
    CLogDoc unloaded;
    unloaded.FilterActiveViewByProject(project);
    EXPECT_FALSE(unloaded.m_ViewFilter.IsActive());
}

TEST_F(LogDocCommands, ReplacementsMoveEveryReferenceInMemory) {
    auto* oldCategory = new CCategory("Old", "");
    auto* newCategory = new CCategory("New", "");
    doc.AddCategory(oldCategory);
    doc.AddCategory(newCategory);
    auto* oldProject = new CProject("Old", 0.0);
    auto* newProject = new CProject("New", 0.0);
    doc.AddProject(oldProject);
    doc.AddProject(newProject);
    auto* oldType = new CProjectType("Old");
    auto* newType = new CProjectType("New");
    doc.AddProjectType(oldType);
    doc.AddProjectType(newType);
    oldProject->m_pProjectType = oldType;
    auto* client = new CClient;
    doc.AddClient(client);

    auto* entry = new CLogEntry;
    entry->m_pCategory = oldCategory;
    entry->m_pProject = oldProject;
    doc.AddLogEntry(entry);
    auto* pick = new CLogEntry;
    pick->m_pCategory = oldCategory;
    pick->m_pProject = oldProject;
    doc.AddQuickPick(pick);
    doc.m_CurrentEntry.m_pCategory = oldCategory;
    doc.m_CurrentEntry.m_pProject = oldProject;
    auto* task = new CTask;
    task->m_pDoc = &doc;
    task->SetProject(oldProject);
    task->SetCategory(oldCategory);
    doc.AddProjectTask(task);
    doc.m_ViewFilter.m_pProject = oldProject;
    doc.m_ViewFilter.m_pProjectType = oldType;

    doc.ReplaceCategory(oldCategory, newCategory);
    doc.ReplaceProject(oldProject, newProject);
    doc.ReplaceProjectType(oldType, newType);
    doc.ReplaceClient(nullptr, client);

    for (CLogEntry* e : {entry, pick, &doc.m_CurrentEntry}) {
        EXPECT_EQ(e->m_pCategory, newCategory);
        EXPECT_EQ(e->m_pProject, newProject);
    }
    EXPECT_EQ(task->GetCategory(), newCategory);
    EXPECT_EQ(task->GetProject(), newProject);
    EXPECT_EQ(task->m_ProjectID, newProject->GetGUID());
    EXPECT_EQ(doc.m_ViewFilter.m_pProject, newProject);
    EXPECT_EQ(doc.m_ViewFilter.m_pProjectType, newType);
    EXPECT_EQ(oldProject->m_pProjectType, newType);
    EXPECT_EQ(entry->m_pClient, client);
    EXPECT_EQ(doc.m_CurrentEntry.m_pClient, client);
    EXPECT_EQ(newProject->m_pClient, client);
    EXPECT_FALSE(doc.IsCategoryInUse(oldCategory));
    EXPECT_FALSE(doc.IsProjectInUse(oldProject));
    EXPECT_FALSE(doc.IsProjectTypeInUse(oldType));
}

} // namespace
