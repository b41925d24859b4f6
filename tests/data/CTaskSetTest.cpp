#include "TableTestSupport.h"

#include "data/CTaskSet.h"
#include "foundation/Registry.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <vector>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// "prefix" followed by the number.
std::string Numbered(const char* prefix, int n) {
    CString text;
    text.Format("%s%d", prefix, n);
    return text.GetString();
}

class TaskSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks"});
        m_project = new CProject("Alpha", 0.0);
        m_doc->AddProject(m_project);
        m_none = m_doc->EnsureNoneProject();
        m_client = new CClient;
        m_client->SetCompanyName("Acme");
        m_doc->AddClient(m_client);
        m_category = new CCategory("Design", "");
        m_doc->AddCategory(m_category);
        m_subsystem = new CSubsystem("Phase 1");
        m_doc->AddSubsystem(m_subsystem);
        m_person = new CUser(m_user);
        m_doc->AddUser(m_person);
    }

    // A stopped entry of the current user.
    CLogEntry Entry(const char* guid, const CTime& start, const CTime& end) {
        CLogEntry entry;
        entry.m_GUID = guid;
        entry.SetUserName(m_user);
        entry.m_pProject = m_project;
        entry.m_pClient = m_client;
        entry.m_pCategory = m_category;
        entry.m_pSubsystem = m_subsystem;
        entry.m_pUser = m_person;
        entry.SetStartTime(start);
        entry.SetStopTime(end);
        return entry;
    }
    void Save(CLogEntry entry) {
        ASSERT_TRUE(Tasks().SaveEntry(m_doc.get(), &entry)) << entry.m_GUID.GetString();
    }
    void Set(const char* guid, const CString& assignments) {
        Exec("UPDATE [Tasks] SET " + assignments + " WHERE [GUID] = " + CSqlDialect::QuoteText(guid));
    }

    CTaskSet& Tasks() { return m_doc->m_TaskSet; }
    CProject* m_project = nullptr;
    CProject* m_none = nullptr;
    CClient* m_client = nullptr;
    CCategory* m_category = nullptr;
    CSubsystem* m_subsystem = nullptr;
    CUser* m_person = nullptr;
};

TEST_P(TaskSetTest, EntryComesBackAsItWasStored) {
    const std::string longText = LongText(10000);
    std::vector<std::string> texts(std::begin(kAwkwardTexts), std::end(kAwkwardTexts));
    texts.push_back(longText);
    int n = 0;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        CLogEntry entry = Entry(Numbered("guid-", ++n).c_str(), At(3, 1, 9), At(3, 1, 10, 30));
        entry.m_Desc = text.c_str();
        entry.m_UserText1 = text.size() > 255 ? "t1" : text.c_str();
        entry.m_UserText3 = "third";
        entry.m_Billed = 1;
        entry.m_Billable = 0;
        entry.m_ProjProjectID = 7;
        entry.m_MSTaskID = 12;
        entry.m_ProjectTaskID = "task-guid";
        entry.m_OrganizationID = "group-guid";
        Save(entry);

        OwnedEntries loaded;
        ASSERT_TRUE(
            Tasks().LoadEntries(nullptr, nullptr, nullptr, CTime(), CTime(), &loaded.list, m_doc.get()));
        const CLogEntry* back = loaded.At(loaded.list.GetSize() - 1);
        EXPECT_EQ(back->m_GUID, entry.m_GUID);
        EXPECT_EQ(back->m_Desc.GetString(), text);
        EXPECT_EQ(back->m_UserText1, entry.m_UserText1);
        EXPECT_EQ(back->m_UserText2, "");
        EXPECT_EQ(back->m_UserText3, "third");
        EXPECT_EQ(back->m_Username, m_user);
        EXPECT_EQ(back->m_StartTime, At(3, 1, 9));
        EXPECT_EQ(back->m_EndTime, At(3, 1, 10, 30));
        EXPECT_EQ(back->m_Created, entry.m_Created);
        EXPECT_EQ(back->m_Billed, 1);
        EXPECT_EQ(back->m_Billable, 0);
        EXPECT_EQ(back->m_ProjProjectID, 7);
        EXPECT_EQ(back->m_ProjResourceID, -1);
        EXPECT_EQ(back->m_MSTaskID, 12);
        EXPECT_EQ(back->m_ProjectTaskID, "task-guid");
        EXPECT_EQ(back->m_OrganizationID, "group-guid");
        EXPECT_EQ(back->m_pProject, m_project);
        EXPECT_EQ(back->m_pClient, m_client);
        EXPECT_EQ(back->m_pCategory, m_category);
        EXPECT_EQ(back->m_pSubsystem, m_subsystem);
        EXPECT_EQ(back->m_pUser, m_person);
    }
    EXPECT_EQ(Count("Tasks"), static_cast<long>(texts.size()));
}

TEST_P(TaskSetTest, SavingAgainEditsTheRowAndMissingTimesAreFilled) {
    CLogEntry entry = Entry("one", At(3, 1, 9), At(3, 1, 10));
    entry.m_Created = CTime();
    entry.m_Modified = CTime();
    entry.m_pUser = nullptr; // the document's current user stands in
    Save(entry);
    entry.m_Desc = "changed";
    Save(entry);
    EXPECT_EQ(Count("Tasks"), 1);
    EXPECT_EQ(QueryText("SELECT [Desc] FROM [Tasks]"), "changed");
    EXPECT_EQ(QueryText("SELECT [UserID] FROM [Tasks]"), m_person->m_GUID);

    OwnedEntries loaded;
    ASSERT_TRUE(Tasks().LoadEntries(nullptr, nullptr, nullptr, CTime(), CTime(), &loaded.list, m_doc.get()));
    const CTime yearAgo = CTime::GetCurrentTime() - CTimeSpan(366, 0, 0, 0);
    EXPECT_LE(std::abs(static_cast<long>((loaded.At(0)->m_Created - yearAgo).GetTotalSeconds())), 5);
}

TEST_P(TaskSetTest, RowsAreReadWithTheirRepairs) {
    Save(Entry("costs", At(3, 1, 9), At(3, 1, 10)));
    Save(Entry("big", At(3, 1, 11), At(3, 1, 12)));
    Save(Entry("negative", At(3, 1, 13), At(3, 1, 14)));
    Save(Entry("unknown", At(3, 1, 15), At(3, 1, 16)));
    Set("costs", "[CostClient] = 100000, [CostSalary] = 12.5, [Duration] = 5, [Created] = NULL");
    Set("big", "[CostClient] = 150000");
    Set("negative", "[CostClient] = -5");
    Set("unknown", "[ProjectID] = 'gone', [ClientID] = 'gone', [CategoryID] = 'gone', [UserID] = 'gone', "
                   "[SubsystemID] = 'gone', [ProjProjectID] = NULL");
    OwnedEntries loaded;
    ASSERT_TRUE(Tasks().LoadEntries(nullptr, nullptr, nullptr, CTime(), CTime(), &loaded.list, m_doc.get()));
    ASSERT_EQ(loaded.list.GetSize(), 4);
    EXPECT_EQ(loaded.At(0)->m_CostClient, 100000.0);
    EXPECT_EQ(loaded.At(0)->m_CostSalary, 12.5);
    EXPECT_EQ(loaded.At(0)->m_Duration.GetTotalSeconds(), 3600) << "the stored duration is not read";
    EXPECT_EQ(loaded.At(0)->m_Created, At(3, 1, 9)) << "no creation time: the start";
    EXPECT_EQ(loaded.At(1)->m_CostClient, 0.0);
    EXPECT_EQ(loaded.At(2)->m_CostClient, 0.0);
    const CLogEntry* unknown = loaded.At(3);
    EXPECT_EQ(unknown->m_pProject, m_none);
    EXPECT_EQ(unknown->m_pClient, nullptr);
    EXPECT_EQ(unknown->m_pCategory, nullptr);
    EXPECT_EQ(unknown->m_pSubsystem, nullptr);
    EXPECT_EQ(unknown->m_pUser, nullptr);
    EXPECT_EQ(unknown->m_ProjProjectID, -1) << "a NULL id is none";
}

TEST_P(TaskSetTest, BatchesLoadTheUsersLogNewestFirstIntoStartOrder) {
    std::vector<std::string> expected;
    for (int i = 0; i < 250; ++i) {
        const std::string guid = Numbered("e", 1000 + i);
        Save(Entry(guid.c_str(), At(1, 1) + CTimeSpan(0, i, 0, 0), At(1, 1) + CTimeSpan(0, i, 30, 0)));
        expected.push_back(guid);
    }
    CLogEntry other = Entry("someone else", At(1, 1), At(1, 1, 1));
    other.SetUserName("bob");
    Save(other);

    std::vector<bool> mores;
    for (int pass = 0; pass < 3; ++pass) {
        bool more = false;
        ASSERT_TRUE(Tasks().LoadNextBatch(m_doc.get(), false, &more));
        mores.push_back(more);
        EXPECT_EQ(m_doc->GetLogEntryCount(), std::min(250, 100 * (pass + 1)));
        // Other work on the document's set between passes does not disturb the batch.
        CLogEntry extra = Entry("written meanwhile", At(6, 1), At(6, 1, 1));
        ASSERT_TRUE(Tasks().SaveEntry(m_doc.get(), &extra));
        OwnedEntries elsewhere;
        Tasks().LoadEntries(nullptr, nullptr, nullptr, CTime(), CTime(), &elsewhere.list, m_doc.get());
    }
    EXPECT_THAT(mores, ElementsAre(true, true, false));
    std::vector<std::string> log;
    for (int i = 0; i < m_doc->GetLogEntryCount(); ++i)
        log.emplace_back(m_doc->GetLogEntryAt(i)->m_GUID.GetString());
    EXPECT_THAT(log, ElementsAreArray(expected));

    // Starting again loads nothing twice, only what is new.
    bool more = true;
    ASSERT_TRUE(Tasks().LoadNextBatch(m_doc.get(), true, &more));
    EXPECT_TRUE(more);
    EXPECT_EQ(m_doc->GetLogEntryCount(), 251);
    EXPECT_EQ(m_doc->GetLogEntryAt(0)->m_GUID, "written meanwhile");
    while (more)
        ASSERT_TRUE(Tasks().LoadNextBatch(m_doc.get(), false, &more));
    EXPECT_EQ(m_doc->GetLogEntryCount(), 251);
}

TEST_P(TaskSetTest, WholeLogIsWrittenWithProgressAndAFailureDoesNotStopIt) {
    for (int i = 0; i < 5; ++i)
        m_doc->AddLogEntry(new CLogEntry(Entry(Numbered("e", i).c_str(), At(2, 1 + i), At(2, 1 + i, 1))));
    m_doc->GetLogEntryAt(2)->m_UserText1 = LongText(300).c_str(); // more than the column keeps
    ProgressWindow window;
    EXPECT_FALSE(Tasks().SaveAllEntries(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Tasks"), 4);
    EXPECT_EQ(Count("Tasks", "[GUID] = 'e2'"), 0) << "the text is not cut";
    EXPECT_EQ(window.Text(), "Writing tasks");
    EXPECT_EQ(window.Upper(), 5);
    EXPECT_EQ(window.Position(), 5);
    ASSERT_EQ(Errors().GetCount(), 1);
    EXPECT_EQ(Errors().GetEntry(0).message, "Tasks");
    EXPECT_FALSE(Tasks().SaveAllEntries(m_doc.get(), nullptr, IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
}

TEST_P(TaskSetTest, DeletingTheUsersEntriesNeedsAUser) {
    Save(Entry("mine", At(2, 1), At(2, 1, 1)));
    Save(Entry("mine too", At(2, 2), At(2, 2, 1)));
    CLogEntry other = Entry("bob's", At(2, 1), At(2, 1, 1));
    other.SetUserName("bob");
    Save(other);
    EXPECT_TRUE(Tasks().HasCurrentUserEntries());

    ProgressWindow window;
    const CString user = m_user;
    RegWriteString(REG_DATABASE, "Username", "");
    EXPECT_FALSE(Tasks().DeleteUserEntries(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Tasks"), 3) << "without a user nothing is deleted";
    RegWriteString(REG_DATABASE, "Username", user);

    ASSERT_TRUE(Tasks().DeleteUserEntries(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Tasks"), 1);
    EXPECT_EQ(QueryText("SELECT [GUID] FROM [Tasks]"), "bob's");
    EXPECT_EQ(window.Text(), "Deleting user tasks");
    EXPECT_EQ(window.Position(), 2);
    EXPECT_FALSE(Tasks().HasCurrentUserEntries());

    CLogEntry entry = Entry("bob's", At(2, 1), At(2, 1, 1));
    EXPECT_TRUE(Tasks().DeleteEntry(m_doc.get(), &entry));
    EXPECT_EQ(Count("Tasks"), 0);
}

TEST_P(TaskSetTest, UserNamesWithQuotesAndWildcardsSelectOnlyTheirRows) {
    for (const char* name : {"o'neil", "a%", "a_b", "axb"}) {
        CLogEntry entry = Entry(name, At(2, 1), At(2, 1, 1));
        entry.SetUserName(name);
        Save(entry);
    }
    for (const char* name : {"o'neil", "a%", "a_b"}) {
        SCOPED_TRACE(name);
        RegWriteString(REG_DATABASE, "Username", name);
        CLogDoc doc;
        bool more = true;
        ASSERT_TRUE(Tasks().LoadNextBatch(&doc, true, &more));
        ASSERT_EQ(doc.GetLogEntryCount(), 1);
        EXPECT_EQ(doc.GetLogEntryAt(0)->m_GUID, name);
        bool any = false, all = false, empty = true;
        Tasks().CheckUserEntries(name, "", &any, &all, &empty);
        EXPECT_TRUE(any);
    }
}

TEST_P(TaskSetTest, TheTableCheckPassesOnlyWhenEveryColumnCanBeReadAndKeepsTheSetsQuery) {
    Save(Entry("mine", At(2, 1), At(2, 1, 1)));
    Tasks().m_strFilter = "[Username] = 'bob'";
    Tasks().m_strSort = "[StartTime]";
    EXPECT_TRUE(Tasks().CanReadTable());
    EXPECT_FALSE(Tasks().IsOpen());
    EXPECT_EQ(Tasks().m_strFilter, "[Username] = 'bob'");
    EXPECT_EQ(Tasks().m_strSort, "[StartTime]");
    EXPECT_EQ(Errors().GetCount(), 0);

    Exec("DROP TABLE [Tasks]");
    Exec("CREATE TABLE [Tasks] ([GUID] varchar(50), [Username] varchar(255))");
    EXPECT_FALSE(Tasks().CanReadTable()) << "a table without the set's columns";
    EXPECT_FALSE(Tasks().IsOpen());
    EXPECT_EQ(Errors().GetCount(), 1) << "the failure is reported";
    Exec("DROP TABLE [Tasks]");
    EXPECT_FALSE(Tasks().CanReadTable()) << "no table";
}

INSTANTIATE_TEST_SUITE_P(Engines, TaskSetTest, DATA_ENGINES);

} // namespace
