// The project-task table: rows and tasks both ways with the repairs of read values, single tasks, the
// references to other objects and their replacement, copies of tasks, and the other task queries.
#include "ProjectTaskTestSupport.h"

#include "data/CCategory.h"
#include "data/CClient.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

class ProjectTaskSetTest : public ProjectTaskTest {
protected:
    // The task of that GUID as the table holds it.
    CTask Read(const CString& guid) {
        CTask task;
        task.m_GUID = guid;
        EXPECT_TRUE(Set().LoadTask(m_doc.get(), &task));
        return task;
    }
    CString Column(const CString& guid, const char* column) {
        return QueryText(CString("SELECT [") + column + "] FROM [ProjectTasks] WHERE [GUID] = '" + guid +
                         "'");
    }
};

TEST_P(ProjectTaskSetTest, TaskComesBackAsItWasStored) {
    const std::string longText = LongText(20000);
    for (const char* text : kAwkwardTexts) {
        SCOPED_TRACE(text);
        CTask& task = Write(text, alpha, [&](CTask& t) {
            t.m_ID = "42";
            t.m_Description = longText.c_str();
            t.m_StartDate = At(3, 1, 9);
            t.m_DueDate = At(3, 9);
            t.m_CompletedDate = At(3, 10, 17, 30);
            t.m_ReminderDate = At(2, 28, 8);
            t.m_Reminder = 1;
            t.m_Duration = CTimeSpan(36000);
            t.m_RemainingDuration = CTimeSpan(7200);
            t.m_ActualWork = CTimeSpan(28800);
            t.m_Completed = 1;
            t.m_Status = text;
            t.m_Priority = "High";
            t.m_PercentComplete = 80;
            t.m_OwnerID = ann->m_GUID;
            t.m_AssignedByID = me->m_GUID;
            t.m_Resources = "Ann,Bob";
            t.m_ClientID = "CLIENT";
            t.m_SubsystemID = "SUBSYSTEM";
            t.m_CategoryID = "CATEGORY";
            t.m_UserIDs = ann->m_GUID + "," + bob->m_GUID;
            t.m_GroupIDs = sales->m_GUID;
            t.m_OrganizationIDs = company->m_GUID;
            t.m_Usernames = "ann,bob";
            t.m_OutlineLevel = 3;
            t.m_Viewed = 1;
            t.m_ReminderSound = "Echobel1.wav";
            t.m_Billable = 0;
            t.m_QuickTask = 1;
            t.m_ProjProjectID = 7;
            t.m_ProjResourceID = 8;
            t.m_ProjAssignmentID = 9;
            t.m_MSTaskID = 10;
            t.m_PSTaskID = 11;
            t.m_ReferenceID = text;
            t.m_TaskType = 2;
            t.m_Attachments = "C:\\a.txt,C:\\b.txt";
            t.m_UserText1 = text;
            t.m_UserText3 = "three";
            t.m_CostSalary = 1.5;
            t.m_CostClient = 2.5;
            t.m_CostSalaryActual = 3.5;
            t.m_CostClientActual = 4.5;
            t.m_CostSalaryRemain = 5.5;
            t.m_CostClientRemain = 6.5;
            t.m_ParentGUID = "PARENT";
        });
        const CTask back = Read(task.m_GUID);
        EXPECT_EQ(back.m_Name, task.m_Name);
        EXPECT_EQ(back.m_Description, task.m_Description);
        EXPECT_EQ(back.m_ID, "42");
        EXPECT_EQ(back.m_Created, task.m_Created);
        EXPECT_EQ(back.m_StartDate, At(3, 1, 9));
        EXPECT_EQ(back.m_FinishDate, task.m_FinishDate);
        EXPECT_EQ(back.m_FinishStale, 0) << "a stored finish beside a start is taken as computed";
        EXPECT_EQ(back.m_DueDate, At(3, 9));
        EXPECT_EQ(back.m_CompletedDate, At(3, 10, 17, 30));
        EXPECT_EQ(back.m_ReminderDate, At(2, 28, 8));
        EXPECT_EQ(back.m_Reminder, 1);
        EXPECT_EQ(back.m_Duration.GetTimeSpan(), 36000);
        EXPECT_EQ(back.m_RemainingDuration.GetTimeSpan(), 7200);
        EXPECT_EQ(back.m_ActualWork.GetTimeSpan(), 28800);
        EXPECT_EQ(back.m_Completed, 1);
        EXPECT_EQ(back.m_Status, task.m_Status);
        EXPECT_EQ(back.m_PercentComplete, 80);
        EXPECT_EQ(back.m_OwnerID, ann->m_GUID);
        EXPECT_EQ(back.m_AssignedByID, me->m_GUID);
        EXPECT_EQ(back.m_Resources, "Ann,Bob");
        EXPECT_EQ(back.m_ProjectID, alpha->m_GUID);
        EXPECT_EQ(back.m_SubsystemID, "SUBSYSTEM");
        EXPECT_EQ(back.m_UserIDs, task.m_UserIDs);
        EXPECT_EQ(back.m_GroupIDs, sales->m_GUID);
        EXPECT_EQ(back.m_OrganizationIDs, company->m_GUID);
        EXPECT_EQ(back.m_Usernames, "ann,bob");
        EXPECT_EQ(back.m_OutlineLevel, 3);
        EXPECT_EQ(back.m_Viewed, 1);
        EXPECT_EQ(back.m_ReminderSound, "Echobel1.wav");
        EXPECT_EQ(back.m_Billable, 0);
        EXPECT_EQ(back.m_QuickTask, 1);
        EXPECT_EQ(back.m_ProjProjectID + back.m_ProjResourceID + back.m_ProjAssignmentID, 24);
        EXPECT_EQ(back.m_MSTaskID, 10);
        EXPECT_EQ(back.m_PSTaskID, 11);
        EXPECT_EQ(back.m_ReferenceID, task.m_ReferenceID);
        EXPECT_EQ(back.m_TaskType, 2);
        EXPECT_EQ(back.m_Attachments, "C:\\a.txt,C:\\b.txt");
        EXPECT_EQ(back.m_UserText1, task.m_UserText1);
        EXPECT_EQ(back.m_UserText3, "three");
        EXPECT_EQ(back.m_CostSalary + back.m_CostClient + back.m_CostSalaryActual + back.m_CostClientActual +
                      back.m_CostSalaryRemain + back.m_CostClientRemain,
                  24.0);
        EXPECT_EQ(back.m_pDoc, m_doc.get());
        EXPECT_EQ(Column(task.m_GUID, "ParentID"), "") << "the tree is rebuilt in memory";
    }
    EXPECT_EQ(Count("ProjectTasks"), static_cast<long>(std::size(kAwkwardTexts)));

    // Saving again edits the row.
    CTask& first = *m_tasks.front();
    first.m_Name = "Renamed";
    ASSERT_TRUE(Set().SaveTask(m_doc.get(), &first));
    EXPECT_EQ(Count("ProjectTasks"), static_cast<long>(std::size(kAwkwardTexts)));
    EXPECT_EQ(Read(first.m_GUID).m_Name, "Renamed");
}

TEST_P(ProjectTaskSetTest, ValuesOutOfRangeOrMissingAreRepairedWhenRead) {
    Exec("INSERT INTO [ProjectTasks] ([GUID], [Name], [TaskType], [QuickTask], [Billable], [Reminder], "
         "[Completed], [PSTaskID], [Summary], [CostClient], [CostSalary]) VALUES "
         "('big', 'big', 20000000, 20000000, 20000000, 20000000, 20000000, 20000000, 2, -5, 100000001)");
    Exec("INSERT INTO [ProjectTasks] ([GUID], [Name]) VALUES ('empty', 'empty')");
    Exec("INSERT INTO [ProjectTasks] ([GUID], [Name], [Completed], [Reminder], [Summary], [TaskType]) VALUES "
         "('flags', 'flags', 2, 5, 1, 0)");
    const CTask big = Read("big");
    EXPECT_EQ(big.m_TaskType, 1);
    EXPECT_EQ(big.m_QuickTask, 0);
    EXPECT_EQ(big.m_Billable, 0);
    EXPECT_EQ(big.m_Reminder, 0);
    EXPECT_EQ(big.m_Completed, 0);
    EXPECT_EQ(big.m_PSTaskID, 0);
    EXPECT_EQ(big.m_Summary, 0) << "only 1 is a summary";
    EXPECT_EQ(big.m_CostClient, 0.0);
    EXPECT_EQ(big.m_CostSalary, 0.0);

    const CTask empty = Read("empty");
    EXPECT_EQ(empty.m_Billable, 0);
    EXPECT_EQ(empty.m_QuickTask, 0);
    EXPECT_EQ(empty.m_TaskType, 1);
    EXPECT_EQ(empty.m_MSTaskID, -1) << "no plan id";
    EXPECT_EQ(empty.m_ProjProjectID, -1);
    EXPECT_EQ(empty.m_Duration.GetTimeSpan(), 0);
    EXPECT_EQ(empty.m_OutlineLevel, 1);
    EXPECT_NE(empty.m_Created.GetTime(), 0) << "a missing time is now";
    EXPECT_EQ(empty.m_FinishStale, 1);

    const CTask flags = Read("flags");
    EXPECT_EQ(flags.m_Completed, 0) << "only 1 is completed";
    EXPECT_EQ(flags.m_Reminder, 1) << "any other number switches the reminder on";
    EXPECT_EQ(flags.m_Summary, 1);
    EXPECT_EQ(flags.m_TaskType, 0);
}

TEST_P(ProjectTaskSetTest, SingleTasksByGUID) {
    CTask& task = Write("Plan", alpha);
    CString name;
    EXPECT_TRUE(Set().GetTaskName(task.m_GUID, name));
    EXPECT_EQ(name, "Plan");
    EXPECT_FALSE(Set().GetTaskName(task.m_GUID.Left(35), name));
    EXPECT_EQ(name, "");
    CString lower = task.m_GUID;
    lower.MakeLower();
    EXPECT_FALSE(Set().GetTaskName(lower, name)) << "GUIDs compare exactly";

    CTask missing;
    missing.m_Name = "kept";
    EXPECT_FALSE(Set().LoadTask(m_doc.get(), &missing)) << "no row has its GUID";
    EXPECT_EQ(missing.m_Name, "kept");
    EXPECT_FALSE(Set().SaveTask(nullptr, &task));
    EXPECT_FALSE(Set().LoadTask(m_doc.get(), nullptr));

    EXPECT_TRUE(Set().DeleteTask(m_doc.get(), &task));
    EXPECT_EQ(Count("ProjectTasks"), 0);
    EXPECT_TRUE(Set().DeleteTask(m_doc.get(), &task)) << "nothing to delete is no error";
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(ProjectTaskSetTest, DetailsOfAListOfGUIDs) {
    CTask& plan = Write("Plan", alpha, [&](CTask& t) {
        t.m_StartDate = At(4, 1);
        t.m_OwnerID = ann->m_GUID;
    });
    CTask& build = Write("Build", alpha, [&](CTask& t) {
        t.m_StartDate = At(4, 2, 9, 30);
        t.m_Usernames = "ann,bob";
    });
    CStringArray guids;
    guids.Add(build.m_GUID);
    guids.Add("MISSING");
    guids.Add(plan.m_GUID);
    CStringArray starts;
    CStringArray names;
    CStringArray users;
    ASSERT_TRUE(Set().LoadTaskDetails(m_doc.get(), guids, starts, names, users));
    ASSERT_EQ(starts.GetSize(), 3);
    EXPECT_EQ(names.GetAt(0), "Build");
    EXPECT_EQ(starts.GetAt(0), "4/2/2004 9:30:00 AM");
    EXPECT_EQ(users.GetAt(0), "ann,bob");
    EXPECT_EQ(names.GetAt(1) + starts.GetAt(1) + users.GetAt(1), "");
    EXPECT_EQ(names.GetAt(2), "Plan");
    EXPECT_EQ(starts.GetAt(2), "4/1/2004");
    EXPECT_EQ(users.GetAt(2), "ann") << "the owner's name";
}

TEST_P(ProjectTaskSetTest, ExternalIdsFindTheirTask) {
    Write("ms", alpha, [](CTask& t) { t.m_MSTaskID = 5; });
    Write("ps", beta, [](CTask& t) { t.m_PSTaskID = 5; });
    Write("ref", alpha, [](CTask& t) { t.m_ReferenceID = "R_1%'"; });
    Write("other ref", alpha, [](CTask& t) { t.m_ReferenceID = "RX1%'"; });
    struct Case {
        int ps;
        int ms;
        const char* reference;
        CProject* project;
        const char* found; // "" for none
    };
    const Case cases[] = {
        {0, 5, "", nullptr, "ms"},      {5, 0, "", nullptr, "ps"}, {5, 0, "", alpha, ""},
        {0, 0, "R_1%'", alpha, "ref"},  {0, 0, "R%", nullptr, ""}, {0, 0, "", nullptr, ""},
        {9, 5, "R_1%'", nullptr, "ms"}, {0, 6, "", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ps) + " " + std::to_string(c.ms) + " " + c.reference);
        CTask task;
        const bool found = Set().FindByExternalId(m_doc.get(), &task, c.ps, c.ms, c.reference, c.project);
        EXPECT_EQ(found, *c.found != '\0');
        if (found) {
            EXPECT_EQ(task.m_Name, c.found);
        }
    }
}

TEST_P(ProjectTaskSetTest, ReferencesAreFoundAndReplaced) {
    auto* design = new CCategory("Design", "");
    m_doc->AddCategory(design);
    auto* admin = new CCategory("Admin", "");
    m_doc->AddCategory(admin);
    auto* acme = new CClient;
    m_doc->AddClient(acme);
    CSubsystem* build = AddSubsystem("Build", alpha);
    CSubsystem* test = AddSubsystem("Test", alpha);
    CTask& a = Write("a", alpha, [&](CTask& t) {
        t.SetSubsystem(build);
        t.SetCategory(design);
        t.SetClient(acme);
    });
    CTask& b = Write("b", alpha, [&](CTask& t) { t.SetSubsystem(test); });

    EXPECT_TRUE(Set().IsProjectUsed(alpha));
    EXPECT_FALSE(Set().IsProjectUsed(beta));
    EXPECT_TRUE(Set().IsSubsystemUsed(build));
    EXPECT_TRUE(Set().IsCategoryUsed(design));
    EXPECT_FALSE(Set().IsCategoryUsed(admin));
    EXPECT_TRUE(Set().IsClientUsed(acme));
    EXPECT_FALSE(Set().IsClientUsed(nullptr));

    EXPECT_TRUE(Set().ReplaceSubsystem(build, test));
    EXPECT_EQ(Read(a.m_GUID).m_SubsystemID, test->m_GUID);
    EXPECT_TRUE(Set().ReplaceCategory(design, admin));
    EXPECT_EQ(Read(a.m_GUID).m_CategoryID, admin->m_GUID);
    EXPECT_TRUE(Set().ReplaceClient(acme, nullptr));
    EXPECT_EQ(Read(a.m_GUID).m_ClientID, "");
    EXPECT_TRUE(Set().ReplaceProject(alpha, beta));
    EXPECT_EQ(Count("ProjectTasks", "[ProjectID] = '" + beta->m_GUID + "'"), 2);
    EXPECT_EQ(Read(b.m_GUID).m_SubsystemID, "") << "the old project's subsystem goes with it";
    EXPECT_FALSE(Set().IsProjectUsed(alpha));
}

TEST_P(ProjectTaskSetTest, ReplacingAUserRewritesTheListsItemByItem) {
    CUser* al = AddUser("Al", sales);
    CUser* alice = AddUser("Alice", support);
    CUser* carl = AddUser("Carl, Jr.", support);
    // Al and Alice on one task: only Al's items move to Carl.
    CTask& both = Write("both", alpha, [&](CTask& t) {
        t.m_OwnerID = al->m_GUID;
        t.m_AssignedByID = al->m_GUID;
        t.m_UserIDs = al->m_GUID + "," + alice->m_GUID;
        t.m_OrganizationIDs = sales->m_GUID + "," + support->m_GUID;
        t.m_Usernames = "Alice,Al";
    });
    // Al with ann, who stays in Sales: Sales stays listed.
    CTask& shared = Write("shared", alpha, [&](CTask& t) {
        t.m_OwnerID = ann->m_GUID;
        t.m_UserIDs = ann->m_GUID + "," + al->m_GUID;
        t.m_OrganizationIDs = sales->m_GUID;
        t.m_Usernames = "ann,Al";
    });
    CTask& alices = Write("alices", alpha, [&](CTask& t) {
        t.m_OwnerID = alice->m_GUID;
        t.m_UserIDs = alice->m_GUID;
        t.m_OrganizationIDs = support->m_GUID;
        t.m_Usernames = "Alice";
    });
    ASSERT_TRUE(Set().ReplaceUser(m_doc.get(), al, carl));

    const CTask b = Read(both.m_GUID);
    EXPECT_EQ(b.m_OwnerID, carl->m_GUID);
    EXPECT_EQ(b.m_AssignedByID, carl->m_GUID);
    EXPECT_EQ(b.m_UserIDs, alice->m_GUID + "," + carl->m_GUID);
    EXPECT_EQ(b.m_OrganizationIDs, support->m_GUID) << "nobody left in Sales";
    EXPECT_EQ(b.m_Usernames, "Alice,Carl, Jr.");
    const CTask s = Read(shared.m_GUID);
    EXPECT_EQ(s.m_OwnerID, ann->m_GUID);
    EXPECT_EQ(s.m_UserIDs, ann->m_GUID + "," + carl->m_GUID);
    EXPECT_EQ(s.m_OrganizationIDs, sales->m_GUID + "," + support->m_GUID);
    EXPECT_EQ(s.m_Usernames, "ann,Carl, Jr.");
    const CTask a = Read(alices.m_GUID);
    EXPECT_EQ(a.m_UserIDs, alice->m_GUID);
    EXPECT_EQ(a.m_Usernames, "Alice") << "Alice is not Al";
}

TEST_P(ProjectTaskSetTest, CopiesOfAProjectsTasks) {
    CSubsystem* build = AddSubsystem("Build", alpha);
    CSubsystem* copyOfBuild = AddSubsystem("Build", beta);
    Write("loose", alpha);
    Write("built", alpha, [&](CTask& t) { t.SetSubsystem(build); });
    Exec("INSERT INTO [ProjectTasks] ([GUID], [Name], [ProjectID], [SubsystemID]) VALUES ('e', 'empty text', "
         "'" +
         alpha->m_GUID + "', '')");
    ASSERT_TRUE(Set().CopyTasks(m_doc.get(), alpha->m_GUID, beta->m_GUID, "", ""));
    EXPECT_EQ(Count("ProjectTasks", "[ProjectID] = '" + beta->m_GUID + "'"), 2)
        << "only tasks without subsystem";
    ASSERT_TRUE(
        Set().CopyTasks(m_doc.get(), alpha->m_GUID, beta->m_GUID, build->m_GUID, copyOfBuild->m_GUID));
    EXPECT_EQ(Count("ProjectTasks", "[SubsystemID] = '" + copyOfBuild->m_GUID + "' AND [Name] = 'built'"), 1);
    EXPECT_EQ(Count("ProjectTasks"), 6);
    EXPECT_EQ(QueryNumber("SELECT COUNT(DISTINCT [GUID]) FROM [ProjectTasks]"), 6)
        << "every copy has a GUID of its own";
}

TEST_P(ProjectTaskSetTest, CopiesOfAUsersTasksBelongToTheNewOwner) {
    Write("mine", alpha, [&](CTask& t) { t.m_OwnerID = ann->m_GUID; });
    Write("bobs", alpha, [&](CTask& t) { t.m_OwnerID = bob->m_GUID; });
    Write("sales", alpha, [&](CTask& t) {
        t.m_OwnerID = bob->m_GUID;
        t.m_GroupIDs = sales->m_GUID;
    });
    CUser* newcomer = AddUser("newcomer", sales);
    ASSERT_TRUE(Set().CopyTasksForUser(m_doc.get(), ann->m_GUID, newcomer->m_GUID));
    EXPECT_EQ(Count("ProjectTasks", "[OwnerID] = '" + newcomer->m_GUID + "'"), 2)
        << "ann's own and her group's";
    EXPECT_FALSE(Set().CopyTasksForUser(m_doc.get(), "NOBODY", newcomer->m_GUID));
}

TEST_P(ProjectTaskSetTest, LoggedTimeUpdatesTheTasksFigures) {
    CTask& task = Write("Work", alpha, [&](CTask& t) {
        t.m_OwnerID = me->m_GUID;
        t.m_Duration = CTimeSpan(10 * 3600);
        t.m_RemainingDuration = CTimeSpan(10 * 3600);
        t.m_CostClient = 1000.0;
    });
    Write("Other", beta, [&](CTask& t) { t.m_OwnerID = me->m_GUID; });
    for (int hour : {10, 8}) {
        CString row;
        row.Format(
            "INSERT INTO [Tasks] ([GUID], [StartTime], [EndTime], [Duration], [CostClient], [CostSalary], "
            "[ProjectTaskID]) VALUES ('%s', {ts '2004-05-03 %02d:00:00'}, {ts '2004-05-03 %02d:00:00'}, "
            "7200, 150, 60, '%s')",
            static_cast<LPCSTR>(NewGuidString()), hour, hour + 2, static_cast<LPCSTR>(task.m_GUID));
        Exec(row);
    }
    CStringArray updated;
    updated.Add(task.m_GUID);
    CTime first;
    CTime last;
    ASSERT_TRUE(
        Set().UpdateTasksFromLog(m_doc.get(), nullptr, alpha, nullptr, me, nullptr, &first, &last, updated));
    EXPECT_EQ(updated.GetSize(), 1) << "a GUID is listed once";
    EXPECT_EQ(first, CTime(2004, 5, 3, 8, 0, 0));
    EXPECT_EQ(last, CTime(2004, 5, 3, 12, 0, 0));
    const CTask back = Read(task.m_GUID);
    EXPECT_EQ(back.m_ActualWork.GetTimeSpan(), 4 * 3600);
    EXPECT_EQ(back.m_RemainingDuration.GetTimeSpan(), 6 * 3600);
    EXPECT_EQ(back.m_CostClientActual, 300.0);
    EXPECT_EQ(back.m_CostSalaryActual, 120.0);
    EXPECT_EQ(back.m_PercentComplete, 40);
}

TEST_P(ProjectTaskSetTest, QuickResourceAndChangedTaskQueries) {
    Write("quick", alpha, [&](CTask& t) {
        t.m_QuickTask = 1;
        t.m_StartDate = At(5, 2);
    });
    Write("quick done", alpha, [&](CTask& t) {
        t.m_QuickTask = 1;
        t.m_Completed = 1;
    });
    Write("quick beta", beta, [&](CTask& t) { t.m_QuickTask = 1; });
    Write("bobs quick", alpha, [&](CTask& t) {
        t.m_QuickTask = 1;
        t.m_OwnerID = bob->m_GUID;
    });
    Write("late start", alpha, [&](CTask& t) { t.m_StartDate = At(7, 1); });
    auto names = [](CObArray& tasks) {
        std::vector<std::string> found;
        for (INT_PTR i = 0; i < tasks.GetSize(); ++i) {
            found.emplace_back(static_cast<CTask*>(tasks.GetAt(i))->m_Name.GetString());
            delete tasks.GetAt(i);
        }
        tasks.RemoveAll();
        return found;
    };
    CObArray out;
    ASSERT_TRUE(Set().LoadQuickTasks(m_doc.get(), out, nullptr, nullptr, false));
    EXPECT_THAT(names(out), ElementsAre("quick", "quick beta", "quick done"));
    ASSERT_TRUE(Set().LoadQuickTasks(m_doc.get(), out, nullptr, alpha, true));
    EXPECT_THAT(names(out), ElementsAre("quick"));
    ASSERT_TRUE(Set().LoadQuickTasks(m_doc.get(), out, bob, alpha, false));
    EXPECT_THAT(names(out), UnorderedElementsAre("bobs quick", "quick", "quick done"));

    ASSERT_TRUE(Set().LoadResourceTasks(m_doc.get(), me, alpha, At(6, 1), out));
    EXPECT_THAT(names(out), UnorderedElementsAre("quick"))
        << "uncompleted, visible, starting before the end or never";

    Exec("UPDATE [ProjectTasks] SET [Modified] = {ts '2004-01-01 00:00:00'}");
    Exec("UPDATE [ProjectTasks] SET [Modified] = {ts '2004-06-01 10:00:00'} WHERE [Name] = 'late start'");
    Exec("UPDATE [ProjectTasks] SET [Modified] = {ts '2004-06-01 10:00:01'} WHERE [Name] = 'quick'");
    ASSERT_TRUE(Set().LoadChangedTasks(m_doc.get(), alpha, CTime(2004, 6, 1, 10, 0, 0), out));
    EXPECT_THAT(names(out), ElementsAre("quick")) << "changed after the time, not at it";
    ASSERT_TRUE(Set().LoadChangedTasks(m_doc.get(), alpha, CTime(static_cast<__time64_t>(0)), out));
    EXPECT_EQ(names(out).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Engines, ProjectTaskSetTest, DATA_ENGINES);

} // namespace
