// The log entry: times and rounding, amounts, identity and the same-task test.
#include "ModelTestSupport.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "data/CUser.h"

using namespace modeltest;

namespace {

class LogEntry : public ModelTest {};

CRoundingSettings Rounding(long minutes, bool upAndDown, bool neverZero) {
    CRoundingSettings s;
    s.enabled = true;
    s.unit = minutes * 60;
    s.halfUnit = s.unit / 2;
    s.upAndDown = upAndDown;
    s.neverZero = neverZero;
    return s;
}

TEST_F(LogEntry, RoundingTable) {
    struct Case {
        bool upAndDown;
        bool neverZero;
        long seconds;
        long expected;
    };
    const Case cases[] = {
        // Round up to the next unit of 15 minutes; nothing rounds to zero.
        {false, false, 0, 900},
        {false, false, 1, 900},
        {false, false, 900, 900},
        {false, false, 901, 1800},
        {false, true, 0, 900},
        // Round to the nearest unit.
        {true, false, 449, 0},
        {true, true, 449, 900},
        {true, false, 450, 900},
        {true, false, 1349, 900},
        {true, false, 1350, 1800},
        {true, true, 0, 900},
    };
    for (const Case& c : cases) {
        CLogEntry::SetRoundingSettings(Rounding(15, c.upAndDown, c.neverZero));
        EXPECT_EQ(CLogEntry::RoundElapsed(c.seconds), c.expected)
            << c.seconds << " s, up and down " << c.upAndDown << ", never zero " << c.neverZero;
    }
    CLogEntry::SetRoundingSettings(CRoundingSettings{});
    EXPECT_EQ(CLogEntry::RoundElapsed(901), 901) << "rounding off";
}

TEST_F(LogEntry, RoundingPreferencesComeFromTheRegistry) {
    CLogEntry::LoadRoundingSettings();
    EXPECT_FALSE(CLogEntry::GetRoundingSettings().enabled) << "absent bools are false";
    EXPECT_EQ(CLogEntry::GetRoundingSettings().unit, 900) << "15 minutes when absent";

    RegWriteBool(REG_ROUNDING, "Enabled", true);
    RegWriteInt(REG_ROUNDING, "Minutes", 6);
    RegWriteBool(REG_ROUNDING, "Up and down", true);
    RegWriteBool(REG_ROUNDING, "Never Zero", true);
    CLogEntry::LoadRoundingSettings();
    const CRoundingSettings& s = CLogEntry::GetRoundingSettings();
    EXPECT_TRUE(s.enabled);
    EXPECT_EQ(s.unit, 360);
    EXPECT_EQ(s.halfUnit, 180);
    EXPECT_TRUE(s.upAndDown);
    EXPECT_TRUE(s.neverZero);
    EXPECT_EQ(CLogEntry::RoundElapsed(179), 360);
}

TEST_F(LogEntry, ADamagedUnitLeavesTimesAsTheyAre) {
    RegWriteBool(REG_ROUNDING, "Enabled", true);
    RegWriteInt(REG_ROUNDING, "Minutes", 0);
    CLogEntry::LoadRoundingSettings();
    EXPECT_EQ(CLogEntry::RoundElapsed(61), 61);
    RegWriteInt(REG_ROUNDING, "Minutes", -5);
    CLogEntry::LoadRoundingSettings();
    EXPECT_EQ(CLogEntry::RoundElapsed(61), 61);
}

TEST_F(LogEntry, ARunningEntryHasNoDurationAndNoAmounts) {
    CProject project("P", 0.0);
    project.m_BillingType = 2;
    CLogEntry e;
    e.m_pProject = &project;
    e.SetStartTime(At(2024, 3, 10, 9));
    EXPECT_TRUE(e.IsRunning());
    EXPECT_EQ(e.m_Duration.GetTotalSeconds(), 0);
    EXPECT_EQ(e.m_CostClient, 0.0);
    CString text = "x";
    e.GetColumnText(text, CLogEntry::colElapsed);
    EXPECT_EQ(text, "");
    e.GetColumnText(text, CLogEntry::colRounded);
    EXPECT_EQ(text, "");
    e.SetStopTime(At(2024, 3, 10, 10, 30));
    EXPECT_FALSE(e.IsRunning());
    EXPECT_EQ(e.m_Duration.GetTotalSeconds(), 5400);
    EXPECT_DOUBLE_EQ(e.m_CostClient, 150.0);
}

TEST_F(LogEntry, SettersRoundTheDuration) {
    CLogEntry::SetRoundingSettings(Rounding(15, false, false));
    CLogEntry e;
    e.SetStartTime(At(2024, 3, 10, 9));
    e.SetStopTime(At(2024, 3, 10, 9, 0, 1));
    EXPECT_EQ(e.m_Duration.GetTotalSeconds(), 900);
    e.MoveStopToStartDate();
    EXPECT_EQ(e.m_EndTime, At(2024, 3, 10, 9, 0, 1));
    e.m_EndTime = At(2024, 3, 12, 17, 5, 0);
    e.MoveStopToStartDate();
    EXPECT_EQ(e.m_EndTime, At(2024, 3, 10, 17, 5, 0));
    EXPECT_EQ(e.m_Duration.GetTotalSeconds(), 8 * 3600 + 900);
}

TEST_F(LogEntry, AmountsTable) {
    CCategory category("Design", "");
    category.m_Rate = 80.0;
    category.m_HourlyRate = 30.0;
    CUser user("ann");
    user.m_BillingRate = 120.0;
    user.m_HourlyRate = 50.0;
    struct Case {
        int billingType; // -1: no project
        bool withCategory;
        bool withUser;
        BYTE billable;
        long seconds;
        double client;
        double salary;
    };
    const Case cases[] = {
        {-1, true, true, 1, 5400, 120.0, 45.0}, // no project counts as type 0: the category
        {0, true, true, 1, 1800, 40.0, 15.0},
        {0, false, true, 1, 1800, 0.0, 0.0},   // no category: nothing
        {1, true, true, 1, 3600, 120.0, 50.0}, // the entry's user
        {1, true, false, 1, 3600, 0.0, 0.0},
        {2, true, true, 1, 7200, 400.0, 300.0}, // the project's own rates
        {2, true, true, 0, 7200, 0.0, 300.0},   // not billable: no client cost
        {7, true, true, 1, 3600, 0.0, 0.0},     // unknown type
        {0, true, true, 1, -3600, 0.0, 0.0},    // negative durations count 0
    };
    for (const Case& c : cases) {
        CProject project("P", 0.0);
        project.m_BillingType = c.billingType;
        project.m_BillingRate = 200.0;
        project.m_SalaryRate = 150.0;
        CLogEntry e;
        e.m_pProject = c.billingType >= 0 ? &project : nullptr;
        e.m_pCategory = c.withCategory ? &category : nullptr;
        e.m_pUser = c.withUser ? &user : nullptr;
        e.m_Billable = c.billable;
        e.m_Duration = CTimeSpan(c.seconds);
        e.UpdateAmounts();
        EXPECT_NEAR(e.m_CostClient, c.client, 1e-9) << "type " << c.billingType << ", " << c.seconds << " s";
        EXPECT_NEAR(e.m_CostSalary, c.salary, 1e-9) << "type " << c.billingType << ", " << c.seconds << " s";
    }
}

TEST_F(LogEntry, CopiesKeepEverythingButTheModifiedFlag) {
    CProject project("P", 0.0);
    CLogEntry e;
    e.m_pProject = &project;
    e.m_Desc = "Work";
    e.m_GUID = "G1";
    e.m_ProjProjectID = 7;
    e.m_SecondSpan = CTimeSpan(42);
    e.m_ExtraText = "extra";
    e.m_Pending = 1;
    e.SetModified(TRUE);
    CLogEntry copy(e);
    EXPECT_EQ(copy.m_pProject, &project);
    EXPECT_EQ(copy.m_Desc, "Work");
    EXPECT_EQ(copy.m_GUID, "G1");
    EXPECT_EQ(copy.m_ProjProjectID, 7);
    EXPECT_EQ(copy.m_SecondSpan.GetTotalSeconds(), 42);
    EXPECT_EQ(copy.m_ExtraText, "extra");
    EXPECT_EQ(copy.m_Pending, 1);
    EXPECT_FALSE(copy.IsModified());
    CLogEntry assigned;
    assigned = e;
    EXPECT_EQ(assigned.m_GUID, "G1");
    EXPECT_FALSE(assigned.IsModified());
    assigned = assigned;
    EXPECT_EQ(assigned.m_Desc, "Work");
}

TEST_F(LogEntry, GUIDAndUserAreMadeOnFirstRequest) {
    CLogEntry e;
    EXPECT_TRUE(e.m_GUID.IsEmpty());
    const CString guid = e.GetGUID();
    EXPECT_EQ(guid.GetLength(), 36);
    EXPECT_EQ(e.GetGUID(), guid);
    EXPECT_EQ(e.GetUserName(), "tester") << "from Database\\Username";

    RegWriteString(REG_DATABASE, "Username", "");
    CLogEntry fresh;
    const CString name = fresh.GetUserName();
    EXPECT_FALSE(name.IsEmpty()) << "the logon name or a default";
    CString stored;
    RegReadString(REG_DATABASE, "Username", stored);
    EXPECT_EQ(stored, name) << "the name found is written back";
}

TEST_F(LogEntry, GroupComesFromTheOpenDocument) {
    CLogDoc doc;
    auto* group = new CUser("Staff");
    group->m_Workgroup = 1;
    auto* tester = new CUser("tester");
    tester->m_pParent = group;
    doc.AddUser(group);
    doc.AddUser(tester);

    CLogEntry withoutFrame;
    withoutFrame.SetUserName("tester");
    EXPECT_EQ(withoutFrame.GetGroupGUID(), "");

    RecordingFrame frame;
    frame.doc = &doc;
    CLogEntry e;
    e.SetUserName("tester");
    EXPECT_EQ(e.m_OrganizationID, group->GetGUID());
    CLogEntry stranger;
    stranger.SetUserName("stranger");
    EXPECT_EQ(stranger.GetGroupGUID(), "");
}

TEST_F(LogEntry, SameTaskTable) {
    CProject alpha("Alpha", 0.0);
    CProject beta("Beta", 0.0);
    CCategory design("Design", "");
    struct Case {
        const char* what;
        void (*change)(CLogEntry& self, CLogEntry& other, CProject& beta);
        bool same;
    };
    const Case cases[] = {
        {"identical", [](CLogEntry&, CLogEntry&, CProject&) {}, true},
        {"description differs in case only", [](CLogEntry&, CLogEntry& o, CProject&) { o.m_Desc = "WORK"; },
         true},
        {"other description", [](CLogEntry&, CLogEntry& o, CProject&) { o.m_Desc = "Play"; }, false},
        {"other project", [](CLogEntry&, CLogEntry& o, CProject& b) { o.m_pProject = &b; }, false},
        {"other category", [](CLogEntry&, CLogEntry& o, CProject&) { o.m_pCategory = nullptr; }, false},
        {"server ids ignored while this entry has none",
         [](CLogEntry&, CLogEntry& o, CProject&) { o.m_ProjProjectID = 5; }, true},
        {"server ids compared when this entry has them",
         [](CLogEntry& s, CLogEntry& o, CProject&) {
             s.m_ProjProjectID = o.m_ProjProjectID = 5;
             o.m_ProjResourceID = 9;
         },
         false},
        {"plan task ignored below 1",
         [](CLogEntry& s, CLogEntry& o, CProject&) {
             s.m_MSTaskID = 0;
             o.m_MSTaskID = 3;
         },
         true},
        {"plan task compared from 1",
         [](CLogEntry& s, CLogEntry& o, CProject&) {
             s.m_MSTaskID = 1;
             o.m_MSTaskID = 3;
         },
         false},
    };
    for (const Case& c : cases) {
        CLogEntry self;
        CLogEntry other;
        for (CLogEntry* e : {&self, &other}) {
            e->m_pProject = &alpha;
            e->m_pCategory = &design;
            e->m_Desc = "Work";
        }
        c.change(self, other, beta);
        EXPECT_EQ(self.IsSameTask(other), c.same) << c.what;
    }
}

TEST_F(LogEntry, MadeFromAProjectTask) {
    CLogDoc doc;
    auto* project = new CProject("Alpha", 0.0);
    doc.AddProject(project);
    CTask task;
    task.m_pDoc = &doc;
    task.m_ProjectID = project->GetGUID();
    task.m_Name = "Write report";
    task.m_Billable = 0;
    task.m_MSTaskID = 12;
    task.m_UserText2 = "t2";
    CLogEntry e(&task);
    EXPECT_EQ(e.m_pProject, project);
    EXPECT_EQ(e.m_Name, "Write report");
    EXPECT_EQ(e.m_Desc, "Write report") << "an empty description takes the task's name";
    EXPECT_EQ(e.m_Billable, 0);
    EXPECT_EQ(e.m_MSTaskID, 12);
    EXPECT_EQ(e.m_UserText2, "t2");
    EXPECT_EQ(e.m_ProjectTaskID, task.m_GUID);
    EXPECT_EQ(e.m_Username, "tester");
    EXPECT_EQ(e.m_GUID.GetLength(), 36);
    EXPECT_EQ(e.m_StartTime, e.m_EndTime);
    EXPECT_TRUE(e.IsModified());
}

} // namespace
