// The project task's links to the document's objects, its visibility, its estimates and percent
// complete, its costs and the finish date laid out on working days.
#include "../timelog/ModelTestSupport.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "projecttasks/CTask.h"

using namespace modeltest;

namespace {

constexpr LONGLONG kHour = 3600;

class TaskTest : public ModelTest {
protected:
    TaskTest() {
        none = new CProject("<None>", 0.0);
        doc.AddProject(none);
        project = new CProject("Alpha", 0.0);
        project->m_BillingRate = 200.0;
        project->m_SalaryRate = 60.0;
        doc.AddProject(project);
        subsystem = new CSubsystem("Build");
        doc.AddSubsystem(subsystem);
        category = new CCategory("Design", "");
        category->m_Rate = 100.0;
        category->m_HourlyRate = 40.0;
        doc.AddCategory(category);
        group = new CUser("Sales");
        group->m_Workgroup = 1;
        doc.AddUser(group);
        ann = new CUser("ann");
        ann->m_FullName = "Ann Lee";
        ann->m_BillingRate = 150.0;
        ann->m_HourlyRate = 50.0;
        ann->m_pParent = group;
        doc.AddUser(ann);
        bob = new CUser("bob");
        doc.AddUser(bob);
        task.m_pDoc = &doc;
        task.m_ProjectID = project->GetGUID();
        CLogDoc::s_bShowInactiveProjects = false;
        CLogDoc::s_bShowInactiveSubsystems = false;
    }
    ~TaskTest() override {
        CLogDoc::s_bShowInactiveProjects = false;
        CLogDoc::s_bShowInactiveSubsystems = false;
    }

    CLogDoc doc;
    CProject* none;
    CProject* project;
    CSubsystem* subsystem;
    CCategory* category;
    CUser* group;
    CUser* ann;
    CUser* bob;
    CTask task;
};

TEST_F(TaskTest, LinksResolveThroughTheDocumentAndAnUnknownProjectIsTheNoneProject) {
    task.m_SubsystemID = subsystem->GetGUID();
    task.m_OwnerID = ann->GetGUID();
    EXPECT_EQ(task.GetProject(), project);
    EXPECT_EQ(task.GetSubsystem(), subsystem);
    EXPECT_EQ(task.GetOwner(), ann);
    EXPECT_EQ(task.GetCategory(), nullptr);

    CTask lost;
    lost.m_pDoc = &doc;
    lost.m_ProjectID = "GONE";
    EXPECT_EQ(lost.GetProject(), none);
    EXPECT_EQ(lost.m_ProjectID, none->GetGUID());
    CTask detached;
    detached.m_ProjectID = project->GetGUID();
    EXPECT_EQ(detached.GetProject(), nullptr) << "no document, no lookup";
}

TEST_F(TaskTest, DisplayNamesOfSummariesAndUsers) {
    task.m_Name = "Write specs";
    EXPECT_EQ(task.GetDisplayName(), "Write specs");
    task.m_Summary = 1;
    EXPECT_EQ(task.GetDisplayName(), "Alpha");
    task.SetSubsystem(subsystem);
    EXPECT_EQ(task.GetDisplayName(), "Build");

    EXPECT_EQ(task.GetUsersDisplay(), "<All users>");
    task.m_OwnerID = ann->GetGUID();
    EXPECT_EQ(task.GetUsersDisplay(), "Ann Lee");
    task.m_Usernames = "ann,bob";
    EXPECT_EQ(task.GetUsersDisplay(), "ann,bob");
}

TEST_F(TaskTest, VisibilityFollowsProjectSubsystemAndAssignedUsers) {
    EXPECT_TRUE(task.IsVisible());
    project->m_Active = 0;
    EXPECT_FALSE(task.IsVisible());
    CLogDoc::s_bShowInactiveProjects = true;
    EXPECT_TRUE(task.IsVisible());
    project->m_Visible = 0;
    EXPECT_FALSE(task.IsVisible()) << "a project the user may not see hides its tasks";
    project->m_Visible = 1;

    task.SetSubsystem(subsystem);
    subsystem->m_Active = 0;
    EXPECT_FALSE(task.IsVisible());
    CLogDoc::s_bShowInactiveSubsystems = true;
    EXPECT_TRUE(task.IsVisible());

    task.m_UserIDs = ann->GetGUID() + "," + bob->GetGUID();
    ann->m_Active = 0;
    bob->m_Visible = 0;
    EXPECT_FALSE(task.IsVisible()) << "every assigned user is unavailable";
    bob->m_Visible = 1;
    EXPECT_TRUE(task.IsVisible());
    bob->m_Visible = 0;
    task.m_GroupIDs = group->GetGUID();
    EXPECT_TRUE(task.IsVisible()) << "a group always counts";
    task.m_GroupIDs.Empty();
    task.m_UserIDs = "UNKNOWN-1,UNKNOWN-2";
    EXPECT_TRUE(task.IsVisible()) << "GUIDs nobody has assign nobody";
    task.m_UserIDs.Empty();
    task.m_OwnerID = ann->GetGUID();
    EXPECT_FALSE(task.IsVisible()) << "without users the owner counts";
}

TEST_F(TaskTest, PercentCompleteFollowsTheEstimates) {
    task.UpdatePercentComplete();
    EXPECT_EQ(task.m_PercentComplete, 0) << "no duration";
    task.SetActualWork(CTimeSpan(3 * kHour));
    task.SetDuration(CTimeSpan(4 * kHour));
    EXPECT_EQ(task.m_RemainingDuration.GetTimeSpan(), kHour);
    EXPECT_EQ(task.m_PercentComplete, 75);
    task.SetDuration(CTimeSpan(kHour));
    EXPECT_EQ(task.m_Duration.GetTimeSpan(), 3 * kHour) << "never below the actual work";
    EXPECT_EQ(task.m_RemainingDuration.GetTimeSpan(), 0);
    EXPECT_EQ(task.m_PercentComplete, 100);
    task.SetActualWork(CTimeSpan(5 * kHour));
    EXPECT_EQ(task.m_Duration.GetTimeSpan(), 5 * kHour);

    task.m_Completed = 1;
    task.m_RemainingDuration = CTimeSpan(kHour);
    task.UpdatePercentComplete();
    EXPECT_EQ(task.m_PercentComplete, 100);
    EXPECT_EQ(task.m_RemainingDuration.GetTimeSpan(), 0);
    task.m_Summary = 1;
    task.m_RemainingDuration = CTimeSpan(kHour);
    task.UpdatePercentComplete();
    EXPECT_EQ(task.m_PercentComplete, 80) << "a summary takes nothing from its own flag";
}

TEST_F(TaskTest, CostsFollowTheProjectsCostingBasis) {
    task.SetCategory(category);
    task.m_OwnerID = ann->GetGUID();
    task.m_CostClientActual = 150.0;
    task.m_CostSalaryActual = 500.0;
    task.SetDuration(CTimeSpan(2 * kHour));
    EXPECT_DOUBLE_EQ(task.m_CostClient, 200.0) << "the category's rates";
    EXPECT_DOUBLE_EQ(task.m_CostSalary, 80.0);
    EXPECT_DOUBLE_EQ(task.m_CostClientRemain, 50.0);
    EXPECT_DOUBLE_EQ(task.m_CostSalaryRemain, 0.0) << "never below 0";

    project->m_BillingType = 1;
    task.UpdateCosts();
    EXPECT_DOUBLE_EQ(task.m_CostClient, 300.0) << "the owner's rates";
    EXPECT_DOUBLE_EQ(task.m_CostSalary, 100.0);
    project->m_BillingType = 2;
    task.UpdateCosts();
    EXPECT_DOUBLE_EQ(task.m_CostClient, 400.0) << "the project's own rates";
    EXPECT_DOUBLE_EQ(task.m_CostSalary, 120.0);
    task.m_Billable = 0;
    task.UpdateCosts();
    EXPECT_DOUBLE_EQ(task.m_CostClient, 0.0);

    task.m_OwnerID.Empty();
    task.ClearLinks();
    project->m_BillingType = 1;
    task.UpdateCosts();
    EXPECT_DOUBLE_EQ(task.m_CostSalary, 0.0) << "no owner, no rates";
}

TEST_F(TaskTest, FinishIsLaidOutOnWorkingDays) {
    // Friday 2 April 2004 at midnight: the work starts at 08:00.
    task.m_StartDate = At(2004, 4, 2);
    EXPECT_EQ(task.GetWorkStart(), At(2004, 4, 2, 8));
    task.SetDuration(CTimeSpan(20 * kHour));
    // Friday 8 hours, Monday 8 hours, Tuesday 4 hours with a lunch hour.
    EXPECT_EQ(task.GetFinishDate(), At(2004, 4, 6, 13));
    EXPECT_EQ(task.m_FinishStale, 0);

    task.m_StartDate = At(2004, 4, 3, 10); // a Saturday
    EXPECT_EQ(task.GetWorkStart(), At(2004, 4, 5, 10));
    task.SetDuration(CTimeSpan(3 * kHour));
    EXPECT_EQ(task.GetFinishDate(), At(2004, 4, 5, 13)) << "a short day has no lunch hour";

    task.m_Summary = 1;
    task.m_FinishDate = At(2010, 1, 1);
    task.m_FinishStale = 1;
    EXPECT_EQ(task.GetFinishDate(), At(2010, 1, 1)) << "a summary keeps its rolled-up finish";
}

} // namespace
