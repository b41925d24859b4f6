#include "TableTestSupport.h"

#include "data/CReportSet.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::ElementsAre;

namespace {

// A report file object of the list.
class ListedReport : public CObject {};

// Records what reaches the report tree.
class RecordingTree : public IReportTree {
public:
    std::vector<std::string> added;
    CObject* MakeReportFile(const ReportRecord& report) override {
        added.push_back("file " + std::string(report.path.GetString()));
        return new ListedReport;
    }
    void AddReportFile(const ReportRecord& report) override {
        added.push_back("tree file " + std::string(report.path.GetString()) + " " +
                        std::to_string(report.type));
    }
    void AddReportFolder(const ReportRecord& report) override {
        added.push_back("tree folder " + std::string(report.path.GetString()));
    }
};

class ReportSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Reports", "Update"});
        IReportTree::SetMain(&m_tree);
        m_me = new CUser(m_user);
        m_me->m_Admin = 0;
        m_doc->AddUser(m_me);
    }
    void TearDown() override {
        IReportTree::SetMain(nullptr);
        TableSetTest::TearDown();
    }
    void Insert(const char* path, int admin, int folder, int type) {
        CString sql;
        sql.Format(
            "INSERT INTO [Reports] ([GUID], [ReportPath], [Admin], [Folder], [RptType]) VALUES ('%s', '%s', "
            "%d, %d, %d)",
            path, path, admin, folder, type);
        Exec(sql);
    }
    CReportSet& Set() { return m_doc->m_ReportSet; }
    RecordingTree m_tree;
    CUser* m_me = nullptr;
};

TEST_P(ReportSetTest, UsersSeeTheReportsForEveryoneAdministratorsAll) {
    Insert("a.rpt", 0, 0, 12);
    Insert("folder", 0, 1, 2);
    Insert("admin.rpt", 1, 0, 3);
    bool any = false;
    ASSERT_TRUE(Set().LoadReports(m_doc.get(), &any, true, nullptr));
    EXPECT_TRUE(any);
    EXPECT_THAT(m_tree.added, ElementsAre("tree file a.rpt 1", "tree folder folder"));

    m_me->m_Admin = 1;
    m_tree.added.clear();
    CObArray list;
    ASSERT_TRUE(Set().LoadReports(m_doc.get(), &any, false, &list));
    EXPECT_EQ(list.GetSize(), 3);
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        delete list.GetAt(i);

    IReportTree::SetMain(nullptr);
    EXPECT_FALSE(Set().LoadReports(m_doc.get(), &any, true, nullptr)) << "no report tree";
}

TEST_P(ReportSetTest, SavingAReportBumpsTheCounterDeletingDoesNot) {
    ReportRecord report;
    report.path = "C:\\Reports\\O'Brien's 100%.rpt";
    report.type = 4;
    report.adminOnly = true;
    ASSERT_TRUE(Set().SaveReport(m_doc.get(), &report));
    EXPECT_FALSE(report.guid.IsEmpty());
    EXPECT_EQ(QueryNumber("SELECT [Objects] FROM [Update]"), 1);
    report.type = 5;
    ASSERT_TRUE(Set().SaveReport(m_doc.get(), &report));
    EXPECT_EQ(Count("Reports"), 1);
    EXPECT_EQ(QueryNumber("SELECT [RptType] FROM [Reports]"), 5);
    EXPECT_EQ(QueryText("SELECT [ReportPath] FROM [Reports]"), report.path);
    EXPECT_EQ(Count("Reports", "[Created] IS NOT NULL AND [Admin] = 1"), 1);
    ASSERT_TRUE(Set().DeleteReport(m_doc.get(), &report));
    EXPECT_EQ(Count("Reports"), 0);
    EXPECT_EQ(QueryNumber("SELECT [Objects] FROM [Update]"), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, ReportSetTest, DATA_ENGINES);

} // namespace
