#include "TableTestSupport.h"

#include "data/CProjectSet.h"
#include "data/CUpdateSet.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

// Two copies of the program (two documents, each with its own connection) on one database.
class UpdateSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Update", "Users", "ProjectTypes", "Clients", "Organization", "Projects", "Categories",
                      "OrgObjects"});
        m_other = OtherCopy();
    }
    void TearDown() override {
        m_other.reset();
        TableSetTest::TearDown();
    }
    long Counter() { return QueryNumber("SELECT [Objects] FROM [Update]"); }
    // A project saved by one copy (which bumps the counter).
    void SaveProject(CLogDoc& doc, const char* name) {
        auto* project = new CProject(name, 0.0);
        doc.AddProject(project);
        ASSERT_TRUE(doc.m_ProjectSet.SaveProject(&doc, project));
    }
    static bool Has(CLogDoc& doc, const char* name) { return doc.FindProjectByName(name) != nullptr; }

    std::unique_ptr<CLogDoc> m_other;
};

TEST_P(UpdateSetTest, CounterStartsAtOneAndWrapsAfterTenThousand) {
    CUpdateSet& counter = m_doc->m_UpdateSet;
    counter.BumpCounter(m_doc.get());
    EXPECT_EQ(Counter(), 1) << "an empty table gets its row";
    EXPECT_EQ(Count("Update"), 1);
    counter.BumpCounter(m_doc.get());
    EXPECT_EQ(Counter(), 2);
    Exec("UPDATE [Update] SET [Objects] = 10000");
    counter.BumpCounter(m_doc.get());
    EXPECT_EQ(Counter(), 1);
    EXPECT_EQ(counter.GetLastSeen(), 1);
    Exec("UPDATE [Update] SET [Objects] = NULL");
    counter.BumpCounter(m_doc.get());
    EXPECT_EQ(Counter(), 1);
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(UpdateSetTest, AChangeOfOneCopyReachesTheOtherAtItsPoll) {
    m_doc->m_UpdateSet.InitCounter(m_doc.get());
    m_other->m_UpdateSet.InitCounter(m_other.get());

    SaveProject(*m_doc, "Alpha");
    m_other->m_UpdateSet.PollCounter(m_other.get());
    EXPECT_TRUE(Has(*m_other, "Alpha"));

    // A copy's own change does not make it reload: a row written behind its back stays unseen.
    Exec("INSERT INTO [Projects] ([GUID], [Name], [Modified]) VALUES ('quiet', 'Quiet', {ts '2004-01-01 "
         "00:00:00'})");
    m_doc->m_UpdateSet.PollCounter(m_doc.get());
    EXPECT_FALSE(Has(*m_doc, "Quiet"));
    m_other->m_UpdateSet.PollCounter(m_other.get());
    EXPECT_FALSE(Has(*m_other, "Quiet")) << "nothing changed since its last poll";
}

TEST_P(UpdateSetTest, AChangeJustBeforeTheOthersOwnBumpIsNotSwallowed) {
    m_doc->m_UpdateSet.InitCounter(m_doc.get());
    m_other->m_UpdateSet.InitCounter(m_other.get());

    SaveProject(*m_doc, "Alpha");  // counter 1
    SaveProject(*m_other, "Beta"); // counter 2, before the other copy polled
    EXPECT_EQ(Counter(), 2);
    EXPECT_TRUE(m_other->m_UpdateSet.IsReloadPending());

    m_other->m_UpdateSet.PollCounter(m_other.get());
    EXPECT_TRUE(Has(*m_other, "Alpha"));
    EXPECT_FALSE(m_other->m_UpdateSet.IsReloadPending());
    m_doc->m_UpdateSet.PollCounter(m_doc.get());
    EXPECT_TRUE(Has(*m_doc, "Beta"));
}

TEST_P(UpdateSetTest, CountersOfZeroOrBelowNeverReload) {
    Exec("INSERT INTO [Update] ([Objects]) VALUES (0)");
    m_other->m_UpdateSet.PollCounter(m_other.get()); // initialises
    for (const char* value : {"-3", "0"}) {
        SCOPED_TRACE(value);
        Exec(CString("UPDATE [Update] SET [Objects] = ") + value);
        Exec("INSERT INTO [Projects] ([GUID], [Name]) VALUES ('p" + CString(value) + "', 'P" + value + "')");
        m_other->m_UpdateSet.PollCounter(m_other.get());
        EXPECT_EQ(m_other->GetProjectCount(), 0);
    }
    m_other->m_UpdateSet.PollCounter(nullptr);
    Exec("UPDATE [Update] SET [Objects] = 7");
    m_other->m_UpdateSet.PollCounter(m_other.get());
    EXPECT_EQ(m_other->GetProjectCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, UpdateSetTest, DATA_ENGINES);

} // namespace
