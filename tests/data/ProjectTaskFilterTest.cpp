// The project-task view's filter, checked by the tasks a load returns: who may see a task, the projects
// a chosen user may see, completion, due and start dates, task types and subsystems; the filter's
// values in the registry and its one-line description.
#include "ProjectTaskTestSupport.h"

#include "foundation/Registry.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr LONGLONG kDay = 86400;

class ProjectTaskFilterTest : public ProjectTaskTest {
protected:
    void SetUp() override {
        ProjectTaskTest::SetUp();
        if (IsSkipped())
            return;
        Set().ClearFilters();
    }
    // Tasks as the task dialogs assign them: the user lists and the groups above the assigned ones.
    void WriteOrganisation() {
        Write("open", alpha);
        Write("mine", alpha, [&](CTask& t) { Assign(t, me, sales); });
        Write("anns", alpha, [&](CTask& t) { Assign(t, ann, sales); });
        Write("fays", alpha, [&](CTask& t) { Assign(t, fay, field); });
        Write("bobs", alpha, [&](CTask& t) { Assign(t, bob, support); });
        Write("sales group", alpha, [&](CTask& t) { AssignGroup(t, sales, company); });
        Write("field group", alpha, [&](CTask& t) { AssignGroup(t, field, sales); });
        Write("support group", alpha, [&](CTask& t) { AssignGroup(t, support, company); });
        Write("company group", alpha, [&](CTask& t) { AssignGroup(t, company, nullptr); });
    }
    static void Assign(CTask& t, CUser* user, CUser* group) {
        t.m_OwnerID = user->m_GUID;
        t.m_UserIDs = user->m_GUID;
        t.m_OrganizationIDs = group->m_GUID;
    }
    static void AssignGroup(CTask& t, CUser* group, CUser* parent) {
        t.m_GroupIDs = group->m_GUID;
        t.m_OrganizationIDs = parent ? CString(parent->m_GUID) : CString();
    }
    void Filter(const char* name, const char* text) { RegWriteString(REG_FILTER_PROJECT_TASKS, name, text); }
};

TEST_P(ProjectTaskFilterTest, AdministratorWithoutFilterSeesEveryTask) {
    WriteOrganisation();
    me->m_Admin = 1;
    Set().BuildFilter(m_doc.get());
    EXPECT_EQ(Set().m_strFilter, "");
    EXPECT_EQ(Loaded().size(), 9u);
}

TEST_P(ProjectTaskFilterTest, AUserSeesHisOwnTasksHisGroupsAndTheUnassigned) {
    WriteOrganisation();
    EXPECT_THAT(Loaded(), ElementsAre("company group", "mine", "open", "sales group"));
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(ProjectTaskFilterTest, AGroupSeesItsMembersTasksAndTheTasksOfItsGroupsBelow) {
    WriteOrganisation();
    me->m_Admin = 1;
    Set().SetUserFilter(sales);
    EXPECT_THAT(Loaded(), ElementsAre("anns", "fays", "field group", "mine", "open", "sales group"));
}

TEST_P(ProjectTaskFilterTest, AChosenUserLimitsTheTasksToTheProjectsHeMaySee) {
    Write("alpha open", alpha);
    Write("beta open", beta);
    Write("beta anns", beta, [&](CTask& t) { Assign(t, ann, sales); });
    // Alpha is for Sales only: bob (Support) may not see it.
    AssignUnits(alpha->GetGUID(), {sales});
    Set().SetUserFilter(bob);
    EXPECT_THAT(Loaded(), ElementsAre("beta open")) << "what the current user may see, of bob's projects";
    me->m_Admin = 1;
    EXPECT_THAT(Loaded(), ElementsAre("beta open")) << "an administrator sees as bob";
    Set().SetUserFilter(ann);
    EXPECT_THAT(Loaded(), ElementsAre("alpha open", "beta anns", "beta open"));
}

TEST_P(ProjectTaskFilterTest, AChosenUserWhoMaySeeNoProjectSeesNoTask) {
    Write("alpha open", alpha);
    Write("beta open", beta);
    for (CProject* project : {alpha, beta, none})
        AssignUnits(project->GetGUID(), {sales});
    Set().SetUserFilter(bob);
    EXPECT_THAT(Loaded(), IsEmpty());
    EXPECT_EQ(Errors().GetCount(), 0) << "the filter is a valid statement";
}

TEST_P(ProjectTaskFilterTest, CompletionDueDatesAndTaskTypes) {
    me->m_Admin = 1;
    const CTime now = CTime::GetCurrentTime();
    const CTime yesterday = now - CTimeSpan(kDay);
    Write("due yesterday", alpha, [&](CTask& t) { t.m_DueDate = yesterday; });
    Write("done yesterday", alpha, [&](CTask& t) {
        t.m_DueDate = yesterday;
        t.m_Completed = 1;
    });
    Write("all done yesterday", alpha, [&](CTask& t) {
        t.m_DueDate = yesterday;
        t.m_PercentComplete = 100;
    });
    Write("due in 3 days", alpha, [&](CTask& t) { t.m_DueDate = now + CTimeSpan(3 * kDay); });
    Write("due in 10 days", alpha, [&](CTask& t) { t.m_DueDate = now + CTimeSpan(10 * kDay); });
    Write("due in 700 days", alpha, [&](CTask& t) { t.m_DueDate = now + CTimeSpan(700 * kDay); });
    Write("started", alpha, [&](CTask& t) {
        t.m_StartDate = yesterday;
        t.m_TaskType = 2;
    });
    Write("starts tomorrow", alpha, [&](CTask& t) { t.m_StartDate = now + CTimeSpan(kDay); });
    Exec("INSERT INTO [ProjectTasks] ([GUID], [Name], [ProjectID]) VALUES ('g', 'never written', '" +
         alpha->m_GUID + "')");

    Set().SetCompletedFilter(2);
    EXPECT_THAT(Loaded(), ElementsAre("done yesterday"));
    Set().SetCompletedFilter(1);
    EXPECT_EQ(Loaded().size(), 8u) << "a completion never written counts as not completed";
    Set().SetCompletedFilter(3);
    EXPECT_THAT(Loaded(), ElementsAre("due yesterday"));
    Set().ClearFilters();

    Set().SetDateFilter(CProjectTaskSet::dueWithin7);
    EXPECT_THAT(Loaded(), ElementsAre("all done yesterday", "due in 3 days", "due yesterday"));
    Set().SetDateFilter(CProjectTaskSet::allFuture);
    EXPECT_EQ(Loaded().size(), 5u);
    Set().SetDateFilter(CProjectTaskSet::startingBeforeToday);
    EXPECT_THAT(Loaded(), ElementsAre("started"));
    Set().ClearFilters();

    Set().SetTaskTypeFilter(2);
    EXPECT_THAT(Loaded(), ElementsAre("started"));
    Set().SetTaskTypeFilter(1);
    EXPECT_EQ(Loaded().size(), 8u) << "a type never written counts as a project task";
}

TEST_P(ProjectTaskFilterTest, ProjectAndSubsystemWithTheSubsystemsBelowIt) {
    me->m_Admin = 1;
    CSubsystem* build = AddSubsystem("Build", alpha);
    CSubsystem* unit = AddSubsystem("Unit", alpha, build);
    CSubsystem* test = AddSubsystem("Test", alpha);
    Write("build", alpha, [&](CTask& t) { t.SetSubsystem(build); });
    Write("unit", alpha, [&](CTask& t) { t.SetSubsystem(unit); });
    Write("test", alpha, [&](CTask& t) { t.SetSubsystem(test); });
    Write("beta", beta);
    Set().SetProjectFilter(alpha);
    EXPECT_THAT(Loaded(), ElementsAre("build", "test", "unit"));
    Set().SetSubsystemFilter(build);
    EXPECT_THAT(Loaded(), ElementsAre("build", "unit"));
    Filter("Subsystem", "UNKNOWN");
    EXPECT_THAT(Loaded(), ElementsAre("build", "test", "unit")) << "an unknown subsystem adds nothing";
}

// Whether a task assigned to the list is visible to a user (or group) of that GUID: items match whole
// and exactly, apostrophes and LIKE wildcards are plain characters.
struct VisibilityCase {
    const char* viewer;
    const char* column;
    const char* list;
    bool visible;
};

TEST_P(ProjectTaskFilterTest, ListMembershipCases) {
    const VisibilityCase cases[] = {
        {"G1", "UserIDs", "G10", false},
        {"G10", "UserIDs", "G1,G10", true},
        {"G1", "UserIDs", "G10,G1", true},
        {"G1", "UserIDs", "XG1,G1X", false},
        {"G1", "UserIDs", "A,G1,B", true},
        {"O'K", "UserIDs", "O'K", true},
        {"O'K", "UserIDs", "O,K", false},
        {"A%", "UserIDs", "AB", false},
        {"A%", "UserIDs", "X,A%", true},
        {"A_", "UserIDs", "AB", false},
        {"A_C", "UserIDs", "A_C,B", true},
        {"back\\slash", "UserIDs", "back\\slash", true},
        {"back\\slash", "UserIDs", "backslash", false},
        {"Smith, John", "UserIDs", "Smith", false},
        {"G1", "GroupIDs", "G10", false},
        {"G1", "GroupIDs", "G2,G1", true},
        {"%", "GroupIDs", "G1", false},
        {"G1", "OrganizationIDs", "G1", true},
        {"G_", "OrganizationIDs", "G1", false},
    };
    for (const VisibilityCase& c : cases) {
        SCOPED_TRACE(CString(c.viewer) + " in " + c.column + " " + c.list);
        Exec("DELETE FROM [ProjectTasks]");
        Exec(CString("INSERT INTO [ProjectTasks] ([GUID], [Name], [OwnerID], [") + c.column +
             "]) VALUES ('t', 't', "
             "'SOMEONE ELSE', " +
             CSqlDialect::QuoteText(c.list) + ")");
        // UserIDs are seen by that user, GroupIDs by a member, OrganizationIDs by that group.
        CUser node(c.column == CString("UserIDs") ? "viewer" : "group");
        node.m_GUID = c.viewer;
        CUser member("member");
        CUser* viewer = &node;
        if (c.column == CString("GroupIDs")) {
            node.m_Workgroup = 1;
            member.m_pParent = &node;
            viewer = &member;
        } else if (c.column == CString("OrganizationIDs")) {
            node.m_Workgroup = 1;
        }
        const CString filter = Set().VisibilityFilter(m_doc.get(), viewer);
        EXPECT_EQ(Count("ProjectTasks", filter), c.visible ? 1 : 0) << filter.GetString();
    }
}

TEST_P(ProjectTaskFilterTest, FilterValuesAndTheirDescription) {
    CSubsystem* build = AddSubsystem("Build", alpha);
    EXPECT_FALSE(Set().IsFilterActive());
    EXPECT_EQ(Set().GetFilterDescription(m_doc.get()), "");
    Set().SetProjectFilter(alpha);
    Set().SetSubsystemFilter(build);
    Set().SetUserFilter(ann);
    Set().SetCompletedFilter(1);
    Set().SetOverdueFilter(true);
    Set().SetDateFilter(CProjectTaskSet::dueWithin7);
    Set().SetTaskTypeFilter(2);
    EXPECT_TRUE(Set().IsFilterActive());
    int completed = -1;
    RegReadInt(REG_FILTER_PROJECT_TASKS, "Completed", &completed);
    EXPECT_EQ(completed, 0) << "past due takes the place of the completion choice";
    EXPECT_EQ(Set().GetFilterDescription(m_doc.get()),
              "Alpha, Build, ann, Past due tasks, Due within 7 days, Issues");
    Set().SetCompletedFilter(2);
    EXPECT_EQ(Set().GetFilterDescription(m_doc.get()),
              "Alpha, Build, ann, Completed tasks, Due within 7 days, Issues");

    Filter("Project", "GONE");
    Set().SetUserFilter(company);
    CString user;
    RegReadString(REG_FILTER_PROJECT_TASKS, "User", user);
    EXPECT_EQ(user, "") << "the whole organisation is nobody in particular";
    Set().ClearFilters();
    Set().SetTaskTypeFilter(1);
    Set().SetDateFilter(CProjectTaskSet::startingBeforeToday);
    Filter("Project", "GONE");
    EXPECT_EQ(Set().GetFilterDescription(m_doc.get()), "All tasks starting before today, Project tasks");
    Set().ClearFilters();
    EXPECT_FALSE(Set().IsFilterActive());
}

// In a German locale the due and start dates of the filter are the same days.
class ProjectTaskFilterDeDETest : public ProjectTaskFilterTest {};

TEST_P(ProjectTaskFilterDeDETest, DateFiltersMeanTheSameDays) {
    me->m_Admin = 1;
    const CTime now = CTime::GetCurrentTime();
    Write("due in 5 days", alpha, [&](CTask& t) { t.m_DueDate = now + CTimeSpan(5 * kDay); });
    Write("due in 9 days", alpha, [&](CTask& t) { t.m_DueDate = now + CTimeSpan(9 * kDay); });
    Write("due 2 days ago", alpha, [&](CTask& t) { t.m_DueDate = now - CTimeSpan(2 * kDay); });
    Set().SetDateFilter(CProjectTaskSet::dueWithin7);
    EXPECT_THAT(Loaded(), ElementsAre("due 2 days ago", "due in 5 days"));
    Set().SetCompletedFilter(3);
    Set().SetDateFilter(CProjectTaskSet::dateNone);
    EXPECT_THAT(Loaded(), ElementsAre("due 2 days ago"));
}

INSTANTIATE_TEST_SUITE_P(Engines, ProjectTaskFilterTest, DATA_ENGINES);
INSTANTIATE_TEST_SUITE_P(Engines, ProjectTaskFilterDeDETest, DATA_ENGINES);

} // namespace
