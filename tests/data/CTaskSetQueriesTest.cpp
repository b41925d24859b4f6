#include "TableTestSupport.h"

#include "data/CTaskSet.h"
#include "data/IExportEntryOptions.h"
#include "data/IProjectServerWork.h"
#include "data/ITimeActivityFile.h"
#include "data/SqlFilter.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

#include <utility>
#include <vector>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

namespace {

class TaskQueryTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks"});
        m_alpha = Add(new CProject("Alpha", 0.0));
        m_beta = Add(new CProject("Beta", 0.0));
        m_none = m_doc->EnsureNoneProject();
        m_client = new CClient;
        m_doc->AddClient(m_client);
        m_design = new CCategory("Design", "");
        m_design->m_Rate = 100.0;
        m_design->m_HourlyRate = 50.0;
        m_doc->AddCategory(m_design);
        m_group = new CUser("Sales");
        m_group->m_Workgroup = 1;
        m_doc->AddUser(m_group);
        m_person = new CUser(m_user);
        m_person->m_pParent = m_group;
        m_doc->AddUser(m_person);
    }
    CProject* Add(CProject* project) {
        m_doc->AddProject(project);
        return project;
    }
    // Writes an entry of the current user, one hour from start unless told.
    void Save(const char* guid, const CTime& start, CProject* project,
              const CTimeSpan& length = CTimeSpan(0, 1, 0, 0)) {
        CLogEntry entry;
        entry.m_GUID = guid;
        entry.SetUserName(m_user);
        entry.m_pProject = project;
        entry.m_pClient = m_client;
        entry.m_pCategory = m_design;
        entry.m_pUser = m_person;
        entry.SetStartTime(start);
        entry.SetStopTime(start + length);
        ASSERT_TRUE(Tasks().SaveEntry(m_doc.get(), &entry));
    }
    void Set(const char* guid, const CString& assignments) {
        Exec("UPDATE [Tasks] SET " + assignments + " WHERE [GUID] = " + CSqlDialect::QuoteText(guid));
    }
    CString Column(const char* guid, const char* column) {
        return QueryText(CString("SELECT [") + column +
                         "] FROM [Tasks] WHERE [GUID] = " + CSqlDialect::QuoteText(guid));
    }

    CTaskSet& Tasks() { return m_doc->m_TaskSet; }
    CProject* m_alpha = nullptr;
    CProject* m_beta = nullptr;
    CProject* m_none = nullptr;
    CClient* m_client = nullptr;
    CCategory* m_design = nullptr;
    CUser* m_group = nullptr;
    CUser* m_person = nullptr;
};

TEST_P(TaskQueryTest, EntriesOfAProjectAndDaysInStartOrder) {
    Save("late", At(3, 4, 15), m_alpha);
    Save("early", At(3, 3, 9), m_alpha);
    Save("other project", At(3, 3, 10), m_beta);
    Save("day before", At(3, 2, 23), m_alpha);
    Save("ends on the fifth", At(3, 4, 23, 30), m_alpha);
    OwnedEntries found;
    ASSERT_TRUE(Tasks().LoadEntries(nullptr, m_alpha, m_person, At(3, 3, 12), At(3, 5, 12), &found.list,
                                    m_doc.get()));
    EXPECT_THAT(found.Guids(), ElementsAre("early", "late"));

    // The "<None>" project and a group select nothing by themselves.
    OwnedEntries all;
    ASSERT_TRUE(Tasks().LoadEntries(m_client, m_none, m_group, CTime(), CTime(), &all.list, m_doc.get()));
    EXPECT_EQ(all.list.GetSize(), 5);
}

TEST_P(TaskQueryTest, RecalculationChangesOnlyTheAmounts) {
    Save("known", At(3, 1, 9), m_alpha);
    Save("strangers", At(3, 1, 11), m_alpha, CTimeSpan(0, 2, 0, 0));
    Set("known", "[CostClient] = 0, [CostSalary] = 0, [ProjectTaskID] = 'T1'");
    Set("strangers", "[CostClient] = 0, [CostSalary] = 0, [ProjectID] = 'gone', [UserID] = 'nobody', "
                     "[Username] = 'ann', [ProjectTaskID] = 't1'");
    // The log holds the first entry with old amounts.
    auto* inLog = new CLogEntry;
    inLog->m_GUID = "known";
    m_doc->AddLogEntry(inLog);

    CStringArray taskIds;
    ASSERT_TRUE(Tasks().RecalculateEntries(nullptr, nullptr, m_design, nullptr, &taskIds, m_doc.get()));
    EXPECT_EQ(Column("known", "CostClient").Left(3), "100");
    EXPECT_EQ(Column("known", "CostSalary").Left(2), "50");
    EXPECT_EQ(Column("strangers", "CostClient").Left(3), "200");
    EXPECT_EQ(Column("strangers", "ProjectID"), "gone");
    EXPECT_EQ(Column("strangers", "UserID"), "nobody");
    EXPECT_EQ(Column("strangers", "Username"), "ann");
    EXPECT_EQ(inLog->m_CostClient, 100.0);
    EXPECT_EQ(inLog->m_CostSalary, 50.0);
    ASSERT_EQ(taskIds.GetSize(), 1) << "task ids are gathered once, ignoring case";
    EXPECT_EQ(taskIds.GetAt(0), "T1");
}

TEST_P(TaskQueryTest, ProjectTaskTotals) {
    CTimeSpan duration(1);
    double client = 1, salary = 1;
    CTime first(1), last(1);
    ASSERT_TRUE(Tasks().SumProjectTaskEntries("T1", &duration, &client, &salary, &first, &last));
    EXPECT_EQ(duration.GetTotalSeconds(), 0);
    EXPECT_EQ(client, 0.0);
    EXPECT_EQ(first, CTime());

    Save("ten", At(3, 1, 10), m_alpha);
    Save("eight", At(3, 1, 8), m_alpha, CTimeSpan(0, 0, 30, 0));
    Save("other", At(3, 1, 7), m_alpha);
    Set("ten", "[ProjectTaskID] = 'T1'");
    Set("eight", "[ProjectTaskID] = 'T1'");
    Set("other", "[ProjectTaskID] = 'T%'");
    ASSERT_TRUE(Tasks().SumProjectTaskEntries("T1", &duration, &client, &salary, &first, &last));
    EXPECT_EQ(duration.GetTotalSeconds(), 5400);
    EXPECT_DOUBLE_EQ(client, 150.0);
    EXPECT_DOUBLE_EQ(salary, 75.0);
    EXPECT_EQ(first, At(3, 1, 8));
    EXPECT_EQ(last, At(3, 1, 11));
    ASSERT_TRUE(Tasks().SumProjectTaskEntries("T%", &duration, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(duration.GetTotalSeconds(), 3600) << "a wildcard in the id is a character";

    OwnedEntries entries;
    ASSERT_TRUE(Tasks().LoadProjectTaskEntries("T1", &entries.list, m_doc.get()));
    EXPECT_THAT(entries.Guids(), ElementsAre("eight", "ten"));
}

// Records what the project server is told.
class RecordingServer : public IProjectServerWork {
public:
    bool opens = true;
    bool released = false;
    std::vector<std::pair<CTime, long>> days;
    bool OpenWorkForAssignment() override { return opens; }
    void WriteDayWork(const CTime& day, long seconds) override { days.emplace_back(day, seconds); }
    void Release() override { released = true; }
};

TEST_P(TaskQueryTest, DailyWorkIsOneTotalPerDay) {
    Save("mon 1", At(3, 1, 9), m_alpha);
    Save("mon 2", At(3, 1, 13), m_alpha, CTimeSpan(0, 0, 30, 0));
    Save("tue", At(3, 2, 9), m_alpha);
    Save("wed empty", At(3, 3, 9), m_alpha, CTimeSpan(0));
    Save("other user", At(3, 1, 9), m_alpha);
    for (const char* guid : {"mon 1", "mon 2", "tue", "wed empty", "other user"})
        Set(guid, "[ProjectTaskID] = 'T1', [Duration] = 5");
    Set("other user", "[UserID] = 'someone'");

    RecordingServer server;
    ASSERT_TRUE(Tasks().WriteDailyWork(&server, "T1", m_person->m_GUID));
    EXPECT_THAT(server.days, ElementsAre(Pair(At(3, 1, 9), 5400L), Pair(At(3, 2, 9), 3600L)));
    EXPECT_FALSE(server.released);

    RecordingServer refusing;
    refusing.opens = false;
    EXPECT_FALSE(Tasks().WriteDailyWork(&refusing, "T1", ""));
    EXPECT_TRUE(refusing.released);
    EXPECT_TRUE(refusing.days.empty());
}

class RecordingFile : public ITimeActivityFile {
public:
    std::vector<std::string> written;
    void AddTimeActivity(const CLogEntry* entry, int value, const CString& employee) override {
        written.push_back(std::string(entry->m_GUID.GetString()) + "/" + employee.GetString() + "/" +
                          std::to_string(value));
    }
};

class Options : public IExportEntryOptions {
public:
    CString filter;
    bool markAsBilled = true;
    std::string excluded;
    CString GetFilter() const override { return filter; }
    bool IncludesEntry(const CLogEntry* entry) const override {
        return entry->m_GUID.GetString() != excluded;
    }
    bool MarkAsBilled() const override { return markAsBilled; }
};

TEST_P(TaskQueryTest, ExportMarksAsBilledOnlyTheEntriesWritten) {
    m_person->m_QBEmployee = "Kim Lee";
    CUser* offBooks = new CUser("ann");
    offBooks->m_QBInclude = 0;
    offBooks->m_QBEmployee = "Ann";
    m_doc->AddUser(offBooks);
    Save("written", At(3, 1, 9), m_alpha);
    Save("excluded", At(3, 1, 10), m_alpha);
    Save("not exported user", At(3, 1, 11), m_alpha);
    Save("other project", At(3, 1, 12), m_beta);
    Set("not exported user", "[UserID] = " + CSqlDialect::QuoteText(offBooks->m_GUID));

    RecordingFile file;
    Options options;
    options.filter = ExportEntriesFilter(m_alpha->m_GUID, false, CTime(), CTime(), true);
    options.excluded = "excluded";
    ASSERT_TRUE(Tasks().ExportEntriesToIIF(m_doc.get(), &file, &options));
    EXPECT_THAT(file.written, ElementsAre("written/Kim Lee/0"));
    EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Tasks] WHERE [Billed] = 1"), 1);
    EXPECT_EQ(Column("written", "Billed"), "1");

    // Billed rows are not exported again.
    RecordingFile again;
    ASSERT_TRUE(Tasks().ExportEntriesToIIF(m_doc.get(), &again, &options));
    EXPECT_TRUE(again.written.empty());
}

TEST_P(TaskQueryTest, ReferencesAreFoundAndMoved) {
    Save("a", At(3, 1, 9), m_alpha);
    Save("b", At(3, 1, 10), m_alpha);
    Save("c", At(3, 1, 11), m_beta);
    auto* phase = new CSubsystem("Phase");
    m_doc->AddSubsystem(phase);
    auto* other = new CSubsystem("Other");
    m_doc->AddSubsystem(other);
    Set("a", "[SubsystemID] = " + CSqlDialect::QuoteText(phase->m_GUID));

    EXPECT_TRUE(Tasks().HasProjectEntries(m_beta));
    EXPECT_TRUE(Tasks().HasClientEntries(m_client));
    EXPECT_TRUE(Tasks().HasSubsystemEntries(phase));
    EXPECT_FALSE(Tasks().HasSubsystemEntries(other));
    EXPECT_TRUE(Tasks().HasUserEntries(m_person));

    ASSERT_TRUE(Tasks().ReassignSubsystemEntries(m_doc.get(), phase, other));
    EXPECT_EQ(Column("a", "SubsystemID"), other->m_GUID);
    ASSERT_TRUE(Tasks().ReassignProjectEntries(m_doc.get(), m_alpha, m_beta));
    EXPECT_FALSE(Tasks().HasProjectEntries(m_alpha));
    EXPECT_EQ(Column("a", "SubsystemID"), "") << "a new project clears the subsystem";
    ASSERT_TRUE(Tasks().ReassignClientEntries(m_doc.get(), m_client, nullptr));
    EXPECT_FALSE(Tasks().HasClientEntries(m_client));
    auto* ann = new CUser("ann");
    m_doc->AddUser(ann);
    ASSERT_TRUE(Tasks().ReassignUserEntries(m_doc.get(), m_person, ann));
    EXPECT_EQ(Column("c", "Username"), "ann");
    EXPECT_EQ(Column("c", "UserID"), ann->m_GUID);
}

TEST_P(TaskQueryTest, UserRenamesAndGroups) {
    Save("a", At(3, 1, 9), m_alpha);
    Save("b", At(3, 1, 10), m_alpha);
    Set("a", "[OrganizationID] = " + CSqlDialect::QuoteText(m_group->m_GUID));
    Set("b", "[OrganizationID] = NULL");
    bool any = false, all = false, empty = false;
    Tasks().CheckUserEntries(m_user, m_group->m_GUID, &any, &all, &empty);
    EXPECT_TRUE(any);
    EXPECT_TRUE(all);
    EXPECT_TRUE(empty);
    Tasks().CheckUserEntries("nobody", m_group->m_GUID, &any, &all, &empty);
    EXPECT_FALSE(any);

    EXPECT_FALSE(Tasks().AssignGroupId(m_doc.get(), "")) << "no name, no change to every row";
    ASSERT_TRUE(Tasks().AssignGroupId(m_doc.get(), m_user));
    EXPECT_EQ(Count("Tasks", "[OrganizationID] = " + CSqlDialect::QuoteText(m_group->m_GUID)), 2);

    CString upper = m_user;
    upper.MakeUpper();
    EXPECT_FALSE(Tasks().RenameUserEntries(m_person, m_user, upper)) << "a change of letter case only";
    EXPECT_FALSE(Tasks().RenameUserEntries(m_person, m_user, ""));
    ASSERT_TRUE(Tasks().RenameUserEntries(m_person, m_user, "kim o'hara"));
    EXPECT_EQ(Count("Tasks", "[Username] = 'kim o''hara'"), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, TaskQueryTest, DATA_ENGINES);

} // namespace
