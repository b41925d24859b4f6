#include "TableTestSupport.h"

#include "data/CQuickPickSet.h"
#include "data/IProjectTaskWriter.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::UnorderedElementsAre;

namespace {

class QuickPickSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"QuickPicks"});
        m_project = new CProject("Alpha", 0.0);
        m_doc->AddProject(m_project);
        m_none = m_doc->EnsureNoneProject();
    }
    void Insert(const char* guid, const CString& user, const char* project = "",
                const char* modified = nullptr) {
        Exec(CString("INSERT INTO [QuickPicks] ([GUID], [Name], [Desc], [Username], [ProjectID], [Modified]) "
                     "VALUES (") +
             CSqlDialect::QuoteText(guid) + ", " + CSqlDialect::QuoteText(CString("name ") + guid) + ", " +
             CSqlDialect::QuoteText(CString("desc ") + guid) + ", " +
             (user.IsEmpty() ? CString("NULL") : CSqlDialect::QuoteText(user)) + ", " +
             CSqlDialect::QuoteText(project) + ", " +
             (modified ? CString("{ts '") + modified + "'}" : CString("NULL")) + ")");
    }
    std::vector<std::string> Picks() {
        std::vector<std::string> guids;
        for (INT_PTR i = 0; i < m_doc->m_QuickPicks.GetSize(); ++i)
            guids.emplace_back(m_doc->m_QuickPicks.GetAt(i)->m_GUID.GetString());
        return guids;
    }
    CQuickPickSet& Set() { return m_doc->m_QuickPickSet; }
    CProject* m_project = nullptr;
    CProject* m_none = nullptr;
};

TEST_P(QuickPickSetTest, LoadsTheUsersAndTheSharedTemplates) {
    Insert("mine", m_user, m_project->GetGUID());
    Insert("shared", "");
    Insert("bob's", "bob");
    Insert("wildcard", "%");
    Exec("INSERT INTO [QuickPicks] ([GUID], [Username]) VALUES ('empty owner', '')");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_THAT(Picks(), UnorderedElementsAre("mine", "shared", "empty owner"));
    const CLogEntry* mine = m_doc->FindQuickPickByGUID("mine");
    EXPECT_EQ(mine->m_Name, "name mine");
    EXPECT_EQ(mine->m_Desc, "desc mine");
    EXPECT_EQ(mine->m_ExtraText, m_user);
    EXPECT_EQ(mine->m_pProject, m_project);
    EXPECT_EQ(m_doc->FindQuickPickByGUID("shared")->m_pProject, m_none);
    EXPECT_NE(mine->m_Created, CTime()) << "no time stored: now";
}

TEST_P(QuickPickSetTest, OnlyALaterRowReplacesATemplate) {
    Insert("pick", m_user, "", "2004-01-01 00:00:00");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    CLogEntry* pick = m_doc->FindQuickPickByGUID("pick");
    ASSERT_NE(pick, nullptr);
    Exec("UPDATE [QuickPicks] SET [Name] = 'same time'");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(pick->m_Name, "name pick");
    Exec("UPDATE [QuickPicks] SET [Name] = 'later', [Modified] = {ts '2004-01-01 00:00:01'}");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(pick->m_Name, "later");
    EXPECT_EQ(m_doc->m_QuickPicks.GetSize(), 1);
}

// Keeps the tasks it is given, as the project-task table would.
class RecordingWriter : public IProjectTaskWriter {
public:
    std::vector<std::string> saved;
    bool SaveProjectTask(CTask* task) override {
        saved.push_back(std::string(task->m_Name.GetString()) + (task->m_QuickTask ? " (quick)" : "") +
                        (task->m_pProject ? " in " + std::string(task->m_pProject->m_Name.GetString()) : ""));
        return true;
    }
};

TEST_P(QuickPickSetTest, EveryTemplateOfEveryUserBecomesAQuickTask) {
    Insert("mine", m_user, m_project->GetGUID());
    Insert("bob's", "bob");
    RecordingWriter writer;
    ASSERT_TRUE(Set().ConvertToProjectTasks(m_doc.get(), &writer));
    EXPECT_THAT(writer.saved,
                UnorderedElementsAre("name mine (quick) in Alpha", "name bob's (quick) in <None>"));
    EXPECT_FALSE(Set().ConvertToProjectTasks(m_doc.get(), nullptr)) << "nowhere to store them";
}

INSTANTIATE_TEST_SUITE_P(Engines, QuickPickSetTest, DATA_ENGINES);

} // namespace
