// Whether the document still refers to an object, and whether a user may be deleted, without a
// database (the rows that are not loaded are tried in the data tests).
#include "ModelTestSupport.h"

#include "resource.h"

using namespace modeltest;

namespace {

class LogDocReferences : public ModelTest {
protected:
    LogDocReferences() {
        FillReferencedObjects();
        group = new CUser("Sales");
        group->m_Workgroup = 1;
        doc.AddUser(group);
        tester = new CUser("tester");
        doc.AddUser(tester);
        ann = new CUser("ann");
        doc.AddUser(ann);
    }
    // Two projects, a project type, a category and a client, none referred to yet.
    void FillReferencedObjects() {
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        other = new CProject("Beta", 0.0);
        doc.AddProject(other);
        type = new CProjectType("Fixed");
        doc.AddProjectType(type);
        category = new CCategory("Design", "");
        doc.AddCategory(category);
        client = new CClient;
        client->SetCompanyName("Acme");
        doc.AddClient(client);
    }
    CLogEntry* Entry() {
        auto* entry = new CLogEntry;
        doc.AddLogEntry(entry);
        return entry;
    }
    std::string LastPrompt() const { return app.prompts.empty() ? "" : app.prompts.back(); }

    RecordingApp app;
    CLogDoc doc;
    CProject* project;
    CProject* other;
    CProjectType* type;
    CCategory* category;
    CClient* client;
    CUser* group;
    CUser* tester;
    CUser* ann;
};

TEST_F(LogDocReferences, NothingReferredIsFreeExceptTheMissingClient) {
    EXPECT_FALSE(doc.IsCategoryInUse(category));
    EXPECT_FALSE(doc.IsProjectInUse(project));
    EXPECT_FALSE(doc.IsProjectTypeInUse(type));
    EXPECT_FALSE(doc.IsClientInUse(client));
    EXPECT_FALSE(doc.IsCategoryInUse(nullptr));
    EXPECT_FALSE(doc.IsProjectInUse(nullptr));
    EXPECT_TRUE(doc.IsClientInUse(nullptr));
}

TEST_F(LogDocReferences, EachPlaceInMemoryCountsAsAUse) {
    struct Case {
        const char* place;
        std::function<void()> refer;
        std::function<bool()> inUse;
    };
    const std::vector<Case> cases = {
        {"entry category", [&] { Entry()->m_pCategory = category; },
         [&] { return doc.IsCategoryInUse(category); }},
        {"quick pick category",
         [&] {
             auto* pick = new CLogEntry;
             pick->m_pCategory = category;
             doc.AddQuickPick(pick);
         },
         [&] { return doc.IsCategoryInUse(category); }},
        {"current category", [&] { doc.m_CurrentEntry.m_pCategory = category; },
         [&] { return doc.IsCategoryInUse(category); }},
        {"entry project", [&] { Entry()->m_pProject = project; },
         [&] { return doc.IsProjectInUse(project); }},
        {"current project", [&] { doc.m_CurrentEntry.m_pProject = project; },
         [&] { return doc.IsProjectInUse(project); }},
        {"view filter project", [&] { doc.m_ViewFilter.m_pProject = project; },
         [&] { return doc.IsProjectInUse(project); }},
        {"project task linked",
         [&] {
             auto* task = new CTask;
             task->m_pProject = project;
             doc.AddProjectTask(task);
         },
         [&] { return doc.IsProjectInUse(project); }},
        {"project task by GUID only",
         [&] {
             auto* task = new CTask;
             task->m_ProjectID = project->GetGUID();
             task->m_ProjectID.MakeLower();
             doc.AddProjectTask(task);
         },
         [&] { return doc.IsProjectInUse(project); }},
        {"project's type", [&] { other->m_pProjectType = type; },
         [&] { return doc.IsProjectTypeInUse(type); }},
        {"view filter type", [&] { doc.m_ViewFilter.m_pProjectType = type; },
         [&] { return doc.IsProjectTypeInUse(type); }},
        {"project's client", [&] { other->m_pClient = client; }, [&] { return doc.IsClientInUse(client); }},
        {"entry client", [&] { Entry()->m_pClient = client; }, [&] { return doc.IsClientInUse(client); }},
        {"current client", [&] { doc.m_CurrentEntry.m_pClient = client; },
         [&] { return doc.IsClientInUse(client); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        doc.DeleteContents();
        doc.m_CurrentEntry = CLogEntry();
        doc.m_ViewFilter = CViewFilter();
        FillReferencedObjects();
        EXPECT_FALSE(c.inUse());
        c.refer();
        EXPECT_TRUE(c.inUse());
    }
    doc.m_ViewFilter = CViewFilter();
}

TEST_F(LogDocReferences, TheRowsAreNotAskedWhileTheTablesCannotBeUsed) {
    // The database is not open: a check that asked it would report an error.
    doc.m_bUseDatabase = true;
    doc.m_bDatabaseUsable = false;
    EXPECT_FALSE(doc.IsCategoryInUse(category));
    EXPECT_FALSE(doc.IsClientInUse(client));
    EXPECT_FALSE(doc.IsAccountInUse(nullptr));
    EXPECT_FALSE(doc.IsExpenseTripInUse(nullptr));
}

TEST_F(LogDocReferences, GroupsWithMembersAndReplacementUsers) {
    EXPECT_FALSE(doc.HasGroupMembers(group));
    ann->m_pParent = group;
    EXPECT_TRUE(doc.HasGroupMembers(group));
    EXPECT_FALSE(doc.HasGroupMembers(nullptr));

    CObArray users;
    doc.GetReplacementUsers(users, ann);
    ASSERT_EQ(users.GetSize(), 1);
    EXPECT_EQ(users.GetAt(0), tester);
}

TEST_F(LogDocReferences, TheLoggedInUserIsNeverDeletedEvenUnreferred) {
    EXPECT_FALSE(doc.CanDeleteUser(tester, true));
    EXPECT_EQ(LastPrompt(), CString(MAKEINTRESOURCE(IDS_USER_IS_CURRENT)).GetString());
    app.prompts.clear();
    EXPECT_FALSE(doc.CanDeleteUser(tester, false));
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(LogDocReferences, AGroupWithMembersIsKeptAnEmptyOneGoes) {
    ann->m_pParent = group;
    EXPECT_FALSE(doc.CanDeleteUser(group, true));
    EXPECT_EQ(LastPrompt(), CString(MAKEINTRESOURCE(IDS_GROUP_HAS_MEMBERS)).GetString());
    ann->m_pParent = nullptr;
    app.prompts.clear();
    EXPECT_TRUE(doc.CanDeleteUser(group, true));
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(LogDocReferences, AReferredUserNeedsAnotherPersonToTakeItsPlace) {
    Entry()->m_pUser = ann;
    EXPECT_TRUE(doc.CanDeleteUser(ann, true));
    EXPECT_EQ(LastPrompt(), CString(MAKEINTRESOURCE(IDS_USER_IN_USE_REPLACE)).GetString());

    // Only the logged-in user and a group are left besides ann: the logged-in user may take over.
    // Without any other person the deletion is refused.
    CLogDoc lonely;
    auto* only = new CUser("solo");
    lonely.AddUser(only);
    auto* team = new CUser("Team");
    team->m_Workgroup = 1;
    lonely.AddUser(team);
    auto* entry = new CLogEntry;
    entry->m_pUser = only;
    lonely.AddLogEntry(entry);
    app.prompts.clear();
    EXPECT_FALSE(lonely.CanDeleteUser(only, true));
    EXPECT_EQ(LastPrompt(), CString(MAKEINTRESOURCE(IDS_USER_IN_USE_NO_REPLACEMENT)).GetString());
}

} // namespace
