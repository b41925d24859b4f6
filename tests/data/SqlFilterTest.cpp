#include "TableTestSupport.h"

#include "data/SqlFilter.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

#include <set>

using namespace datatest;
using ::testing::UnorderedElementsAre;

namespace {

// Rows of [Tasks] inserted as text, and the GUIDs a filter selects: filters are judged by the rows they
// return.
class SqlFilterTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks", "Timesheets"});
    }

    struct Row {
        const char* guid;
        CTime start;
        CTime end;
        const char* client = "";
        const char* project = "";
        int billed = 0;
    };
    void Insert(const Row& row) {
        Exec(
            CString("INSERT INTO [Tasks] ([GUID], [StartTime], [EndTime], [ClientID], [ProjectID], [Billed]) "
                    "VALUES (") +
            CSqlDialect::QuoteText(row.guid) + ", " + CSqlDialect::TimestampLiteral(row.start) + ", " +
            CSqlDialect::TimestampLiteral(row.end) + ", " + CSqlDialect::QuoteText(row.client) + ", " +
            CSqlDialect::QuoteText(row.project) + ", " + (row.billed ? "1" : "0") + ")");
    }
    std::set<std::string> Select(const char* table, const CString& filter, const char* column = "GUID") {
        CRecordset rs(&Admin());
        rs.m_strFilter = filter;
        rs.Open(CRecordset::snapshot, CString("SELECT [") + column + "] FROM [" + table + "]",
                CRecordset::readOnly);
        std::set<std::string> found;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CString value;
            rs.GetFieldValue(static_cast<short>(0), value);
            found.insert(value.GetString());
        }
        return found;
    }
    std::set<std::string> Tasks(const CString& filter) { return Select("Tasks", filter); }
};

// The same bounds in every locale: the filter holds no locale date text (the day-first run shows it).
TEST_P(SqlFilterTest, DateBoundsTakeWholeDaysDeDE) {
    Insert({"before", At(3, 2, 23, 59, 59), At(3, 3, 1)});
    Insert({"first", At(3, 3), At(3, 3, 2)});
    Insert({"fourth", At(3, 4, 12), At(3, 4, 23, 59, 59)});
    Insert({"ends-on-fifth", At(3, 4, 22), At(3, 5)});
    Insert({"running", At(3, 4, 8), CTime()});
    // Times of day in the bounds do not matter: whole days count.
    TaskEntryQuery query;
    query.from = At(3, 3, 17, 30);
    query.to = At(3, 5, 9);
    EXPECT_THAT(Tasks(TaskEntriesFilter(query)), UnorderedElementsAre("first", "fourth"));

    query.to = CTime();
    EXPECT_THAT(Tasks(TaskEntriesFilter(query)),
                UnorderedElementsAre("first", "fourth", "ends-on-fifth", "running"));
    query = {};
    query.to = At(3, 4);
    EXPECT_THAT(Tasks(TaskEntriesFilter(query)), UnorderedElementsAre("before", "first"));
}

TEST_P(SqlFilterTest, ReferencesMatchTheirTextOnlyWhateverItHolds) {
    const char* clients[] = {"a%c", "abc", "a_c", "aXc", "O'Brien", "back\\slash", "b"};
    for (const char* client : clients)
        Insert({client, At(1, 5), At(1, 5, 1), client, "project"});
    for (const char* client : clients) {
        SCOPED_TRACE(client);
        TaskEntryQuery query;
        query.clientId = client;
        EXPECT_THAT(Tasks(TaskEntriesFilter(query)), UnorderedElementsAre(client));
        EXPECT_THAT(Tasks(SqlEquals("ClientID", client)), UnorderedElementsAre(client));
    }
    TaskEntryQuery query;
    query.clientId = "abc";
    query.projectId = "other project";
    EXPECT_TRUE(Tasks(TaskEntriesFilter(query)).empty());
    EXPECT_EQ(Tasks(TaskEntriesFilter({})).size(), std::size(clients)) << "no condition, every row";
}

TEST_P(SqlFilterTest, ExportTakesTheProjectTheDaysAndTheUnbilled) {
    Insert({"in", At(2, 1, 0, 0), At(2, 1, 1), "", "P"});
    Insert({"last-day", At(2, 29, 23, 59, 59), At(3, 1, 1), "", "P"});
    Insert({"after", At(3, 1), At(3, 1, 1), "", "P"});
    Insert({"billed", At(2, 10), At(2, 10, 1), "", "P", 1});
    Insert({"other", At(2, 10), At(2, 10, 1), "", "Q"});
    EXPECT_THAT(Tasks(ExportEntriesFilter("P", true, At(2, 1, 15), At(2, 29, 8), true)),
                UnorderedElementsAre("in", "last-day"));
    EXPECT_THAT(Tasks(ExportEntriesFilter("P", false, CTime(), CTime(), false)),
                UnorderedElementsAre("in", "last-day", "after", "billed"));
    EXPECT_EQ(Tasks(ExportEntriesFilter("", false, CTime(), CTime(), false)).size(), 5u);
}

TEST_P(SqlFilterTest, TimesheetRowIsTheOwnersSheetDay) {
    const auto insert = [&](const char* guid, const CTime& date, const char* owner) {
        Exec(CString("INSERT INTO [Timesheets] ([GUID], [SheetDate], [OwnerID]) VALUES (") +
             CSqlDialect::QuoteText(guid) + ", " + CSqlDialect::TimestampLiteral(date) + ", " +
             CSqlDialect::QuoteText(owner) + ")");
    };
    insert("monday", At(3, 1), "ann's");
    insert("monday-noon", At(3, 8, 12), "ann's");
    insert("other-owner", At(3, 1), "bob");
    insert("sunday", At(2, 29, 23, 59, 59), "ann's");
    EXPECT_THAT(Select("Timesheets", TimesheetFilter(At(3, 1), "ann's")), UnorderedElementsAre("monday"));
    EXPECT_THAT(Select("Timesheets", TimesheetFilter(At(3, 8), "ann's")),
                UnorderedElementsAre("monday-noon"));
}

TEST(SqlFilterText, DaysFollowTheLocalCalendar) {
    EXPECT_EQ(StartOfDay(CTime(2004, 3, 31, 18, 5, 1)), CTime(2004, 3, 31, 0, 0, 0));
    EXPECT_EQ(StartOfNextDay(CTime(2004, 12, 31, 18, 5, 1)), CTime(2005, 1, 1, 0, 0, 0));
    EXPECT_EQ(StartOfDay(CTime()), CTime());
    EXPECT_EQ(SqlAnd("", "b"), "b");
    EXPECT_EQ(SqlAnd("a", ""), "a");
    EXPECT_EQ(SqlAnd("a", "b"), "a AND b");
}

INSTANTIATE_TEST_SUITE_P(Engines, SqlFilterTest, DATA_ENGINES);

} // namespace
