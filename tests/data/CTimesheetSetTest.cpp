#include "TableTestSupport.h"

#include "data/CTimesheetSet.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class TimesheetSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Timesheets"});
    }
    CTimesheetSet& Set() { return m_doc->m_TimesheetSet; }
    const CTime m_monday{2004, 3, 1, 0, 0, 0};
};

TEST_P(TimesheetSetTest, StatusIsKeptPerWeekAndOwnerDeDE) {
    bool submitted = true, approved = true, locked = true;
    CTime submitDate(1);
    ASSERT_TRUE(
        Set().GetStatus(m_doc.get(), m_monday, "o'wner", &submitted, &approved, &locked, &submitDate));
    EXPECT_FALSE(submitted || approved || locked);
    EXPECT_EQ(submitDate, CTime());

    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday, "o'wner", "boss", true, true, false, false));
    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday, "o'wner", "boss", true, false, true, true));
    EXPECT_EQ(Count("Timesheets"), 1) << "one row per week and owner";
    EXPECT_EQ(QueryText("SELECT [ApproveUserID] FROM [Timesheets]"), "boss");
    ASSERT_TRUE(
        Set().GetStatus(m_doc.get(), m_monday, "o'wner", &submitted, &approved, &locked, &submitDate));
    EXPECT_TRUE(submitted && approved && locked);
    EXPECT_NE(submitDate, CTime());
    // Another owner and another week are other sheets.
    ASSERT_TRUE(
        Set().GetStatus(m_doc.get(), m_monday, "o'wner2", &submitted, &approved, &locked, &submitDate));
    EXPECT_FALSE(submitted);
    ASSERT_TRUE(Set().GetStatus(m_doc.get(), m_monday + CTimeSpan(7, 0, 0, 0), "o'wner", &submitted,
                                &approved, &locked, &submitDate));
    EXPECT_FALSE(submitted);

    const CString created = QueryText("SELECT [Created] FROM [Timesheets]");
    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday, "o'wner", "boss", false, true, true, false));
    EXPECT_EQ(QueryText("SELECT [Created] FROM [Timesheets]"), created);
    EXPECT_EQ(QueryText("SELECT [ApproveUserID] FROM [Timesheets]"), "");
    EXPECT_EQ(QueryNumber("SELECT [Submitted] FROM [Timesheets]"), 0);
    EXPECT_EQ(Count("Timesheets", "[SubmitDate] IS NULL"), 1);
    EXPECT_EQ(Set().m_strFilter, "");
}

TEST_P(TimesheetSetTest, LockedWeeksAndOnlyOneCountsAsSet) {
    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday, "ann", "boss", true, false, false, true));
    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday + CTimeSpan(7, 0, 0, 0), "ann", "boss", true, true,
                                false, false));
    ASSERT_TRUE(Set().SetStatus(m_doc.get(), m_monday, "bob", "boss", true, false, false, true));
    CDWordArray starts, ends;
    starts.Add(99);
    ASSERT_TRUE(Set().GetLockedWeeks(m_doc.get(), "ann", &starts, &ends));
    ASSERT_EQ(starts.GetSize(), 1);
    EXPECT_EQ(starts.GetAt(0), static_cast<DWORD>(m_monday.GetTime()));
    EXPECT_EQ(ends.GetAt(0), static_cast<DWORD>(CTime(2004, 3, 7, 23, 59, 59).GetTime()));

    Exec("UPDATE [Timesheets] SET [Submitted] = 2");
    bool submitted = true;
    ASSERT_TRUE(Set().GetStatus(m_doc.get(), m_monday, "ann", &submitted, nullptr, nullptr, nullptr));
    EXPECT_FALSE(submitted);
    EXPECT_FALSE(Set().GetLockedWeeks(nullptr, "ann", &starts, &ends));
}

INSTANTIATE_TEST_SUITE_P(Engines, TimesheetSetTest, DATA_ENGINES);

} // namespace
