#include "DataTestSupport.h"

#include "data/CBaseRecordset.h"
#include "data/CLogDatabase.h"
#include "foundation/Registry.h"

#include <gmock/gmock.h>

#include <functional>

using namespace datatest;
using ::testing::HasSubstr;

namespace {

// What LoadAll fills: the names of the rows, and the filter to load with.
class ItemList : public CObject {
public:
    std::vector<CString> names;
    CString filter;
    int failAt = -1; // the row whose transfer fails (database error)
};

class CItemSet : public CBaseRecordset {
public:
    explicit CItemSet(CDatabase* db) : CBaseRecordset(db) { m_nFields = 2; }

    CString m_guid;
    CString m_name;
    // Runs after a row was found by FindByGUID (another user at work).
    std::function<void()> afterFind;

    CString GetDefaultSQL() override { return "[Items]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[GUID]", m_guid);
        RFX_Text(pFX, "[Name]", m_name);
    }
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    bool FindByGUID(const CString& guid) override {
        const bool found = CBaseRecordset::FindByGUID(guid);
        if (found && afterFind)
            afterFind();
        return found;
    }
    void TransferRow(CObject* target) override {
        auto* list = static_cast<ItemList*>(target);
        if (static_cast<int>(list->names.size()) == list->failAt)
            AfxThrowDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, m_pDatabase, SQL_NULL_HSTMT);
        list->names.push_back(m_name);
    }
    CString GetLoadFilter(CObject* target) override { return static_cast<ItemList*>(target)->filter; }
};

// The same set with its own caption for database errors.
class CNamedItemSet : public CItemSet {
public:
    using CItemSet::CItemSet;
    void OnDatabaseError(CObject* context, CDBException* e) override {
        if (context && e)
            ReportDatabaseError("Items", e);
    }
};

class BaseRecordsetTest : public DataSourceTest {
protected:
    void SetUp() override {
        DataSourceTest::SetUp();
        if (IsSkipped())
            return;
        Exec("CREATE TABLE [Items] ([GUID] varchar(255), [Name] varchar(255))");
        for (const char* row : {"('6F9619FF-8B86-D011-b42d-00C04FC964FF', 'first')",
                                "('A1B2C3D4-0000-1111-2222-333344445555', 'second')",
                                "('B0000000-0000-1111-2222-333344445555', 'third')"})
            Exec(CString("INSERT INTO [Items] ([GUID], [Name]) VALUES ") + row);
    }
    long Rows() { return QueryNumber("SELECT COUNT(*) FROM [Items]"); }
    // A data source that cannot be connected.
    void BreakDataSource() { RegWriteString(REG_DATABASE, "DataSource", "Broken"); }

    CErrorList& Errors() { return CErrorList::Get(); }

    CLogDatabase m_db;
    ItemList m_owner; // the context of deletes and loads
};

constexpr const char* kSecond = "A1B2C3D4-0000-1111-2222-333344445555";

TEST_P(BaseRecordsetTest, OfflineRefusesEveryOpenSilently) {
    CBaseRecordset::offline = true;
    CItemSet set(&m_db);
    set.m_strSort = "[Name]";
    ItemList list;

    EXPECT_FALSE(set.Open());
    EXPECT_FALSE(set.FindByGUID(kSecond));
    EXPECT_FALSE(set.DeleteByGUID(&m_owner, kSecond));
    EXPECT_FALSE(set.LoadAll(&list));
    EXPECT_FALSE(set.CanOpen(&m_owner));
    EXPECT_FALSE(set.Refresh());

    EXPECT_FALSE(set.IsOpen());
    EXPECT_FALSE(m_db.IsOpen()) << "not even the connection is made";
    EXPECT_EQ(Errors().GetCount(), 0);
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(list.names.empty());
    set.m_strSort = "[Name]";
    set.FindByGUID(kSecond);
    EXPECT_EQ(set.m_strFilter, "") << "the GUID filter is dropped by the fallback";
    EXPECT_EQ(set.m_strSort, "[Name]");
}

TEST_P(BaseRecordsetTest, FindByGUIDComparesExactlyAndStaysOnTheRow) {
    CItemSet set(&m_db);
    ASSERT_TRUE(set.FindByGUID(kSecond));
    EXPECT_TRUE(set.IsOpen());
    EXPECT_EQ(set.m_name, "second");

    CString lower = kSecond;
    lower.MakeLower();
    EXPECT_FALSE(set.FindByGUID(lower)) << "letter case counts";
    EXPECT_FALSE(set.FindByGUID("A1B2C3D4-0000-1111-2222-33334444555"));
    EXPECT_FALSE(set.FindByGUID("x' OR '1' = '1")) << "a GUID is compared as a text";
    EXPECT_EQ(Errors().GetCount(), 0);

    set.m_name = "changed";
    ASSERT_TRUE(set.FindByGUID(kSecond));
    set.Edit();
    set.m_name = "edited";
    set.Update();
    EXPECT_EQ(QueryText(CString("SELECT [Name] FROM [Items] WHERE [GUID] = '") + kSecond + "'"), "edited");

    // Once the row is gone, the GUID the set last read must not count as found.
    Exec(CString("DELETE FROM [Items] WHERE [GUID] = '") + kSecond + "'");
    EXPECT_FALSE(set.FindByGUID(kSecond));
}

TEST_P(BaseRecordsetTest, FindByGUIDIsFalseWhenTheSetCannotOpen) {
    BreakDataSource();
    CItemSet set(&m_db);
    EXPECT_FALSE(set.FindByGUID("none")) << "the GUID member's own text must not count as found";
    EXPECT_FALSE(set.IsOpen());
}

TEST_P(BaseRecordsetTest, DeleteByGUIDDeletesOnlyThatRow) {
    CItemSet set(&m_db);
    EXPECT_TRUE(set.DeleteByGUID(&m_owner, kSecond));
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(QueryNumber(CString("SELECT COUNT(*) FROM [Items] WHERE [GUID] = '") + kSecond + "'"), 0);

    EXPECT_TRUE(set.DeleteByGUID(&m_owner, kSecond)) << "a GUID without a row is no failure";
    EXPECT_FALSE(set.DeleteByGUID(nullptr, "6F9619FF-8B86-D011-b42d-00C04FC964FF"));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(BaseRecordsetTest, DatabaseErrorWhileDeletingReachesTheSetsErrorHook) {
    struct Case {
        bool named;
        const char* caption;
    };
    for (const Case c : {Case{false, "Database error"}, Case{true, "Items"}}) {
        SCOPED_TRACE(c.caption);
        Errors().RemoveAll();
        Exec(CString("INSERT INTO [Items] ([GUID], [Name]) VALUES ('gone', 'x')"));
        std::unique_ptr<CItemSet> set =
            c.named ? std::make_unique<CNamedItemSet>(&m_db) : std::make_unique<CItemSet>(&m_db);
        // Another user deletes the row between finding and deleting it.
        set->afterFind = [&] { Exec("DELETE FROM [Items] WHERE [GUID] = 'gone'"); };

        EXPECT_FALSE(set->DeleteByGUID(&m_owner, "gone"));

        EXPECT_FALSE(set->IsOpen());
        ASSERT_EQ(Errors().GetCount(), 1);
        EXPECT_EQ(Errors().GetEntry(0).message, c.caption);
        EXPECT_EQ(Errors().GetEntry(0).code, AFX_SQL_ERROR_NO_ROWS_AFFECTED);
        EXPECT_THAT(Errors().GetEntry(0).detail.GetString(), HasSubstr("another user"));
    }
}

TEST_P(BaseRecordsetTest, LoadAllHandsEveryRowOfTheTargetsFilterOver) {
    CItemSet set(&m_db);
    set.m_strSort = "[Name] DESC";
    ItemList list;
    list.filter = "[Name] <> 'second'";
    ASSERT_TRUE(set.LoadAll(&list));
    EXPECT_EQ(list.names, (std::vector<CString>{"first", "third"}))
        << "sorted as stored, not by the old sort";
    EXPECT_FALSE(set.IsOpen());
    EXPECT_FALSE(set.LoadAll(nullptr));

    ItemList failing;
    failing.failAt = 1;
    EXPECT_FALSE(set.LoadAll(&failing));
    EXPECT_EQ(failing.names.size(), 1u);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(Errors().GetCount(), 0) << "a failed row of a load is not reported";
}

TEST_P(BaseRecordsetTest, CanOpenTellsWhetherTheTableOpens) {
    CItemSet set(&m_db);
    EXPECT_TRUE(set.CanOpen(&m_owner));
    EXPECT_FALSE(set.IsOpen());
    EXPECT_FALSE(set.CanOpen(nullptr));
    Exec("DROP TABLE [Items]");
    EXPECT_FALSE(set.CanOpen(&m_owner));
    ASSERT_EQ(Errors().GetCount(), 1);
    EXPECT_EQ(Errors().GetEntry(0).message, "Opening database [Items]");
}

TEST_P(BaseRecordsetTest, FailedOpenFilesTheDriversMessageAndReturnCode) {
    CItemSet set(&m_db);
    set.m_strFilter = "[NoSuchColumn] = 1";
    EXPECT_FALSE(set.Open());
    ASSERT_EQ(Errors().GetCount(), 1);
    const CErrorList::Entry& entry = Errors().GetEntry(0);
    EXPECT_EQ(entry.message, "Opening database [Items]");
    EXPECT_EQ(entry.code, SQL_ERROR);
    EXPECT_THAT(entry.detail.GetString(), HasSubstr("SQLSTATE"));
}

TEST_P(BaseRecordsetTest, UnreachableDataSourceIsReportedOnceEitherWay) {
    BreakDataSource();
    for (const bool suppress : {false, true}) {
        SCOPED_TRACE(suppress ? "Supress errors" : "errors shown");
        Errors().RemoveAll();
        RegWriteBool(REG_PREFS, "Supress errors", suppress);
        CItemSet set(&m_db);
        EXPECT_FALSE(set.Open());
        ASSERT_EQ(Errors().GetCount(), 1);
        const CErrorList::Entry& entry = Errors().GetEntry(0);
        if (suppress) {
            // The connection test reports, with the data source in the text.
            EXPECT_EQ(entry.message, "Opening database");
            EXPECT_THAT(entry.detail.GetString(),
                        HasSubstr("Database: Broken.  The database cannot be opened."));
        } else {
            EXPECT_EQ(entry.message, "Opening database [Items]");
            EXPECT_EQ(entry.code, SQL_ERROR);
        }
    }
}

TEST_P(BaseRecordsetTest, ConnectionTestReportsOnlyWhenAsked) {
    CItemSet set(&m_db);
    CBaseRecordset::accessDataSource = true;
    EXPECT_TRUE(set.TestConnection(true));
    EXPECT_FALSE(CBaseRecordset::accessDataSource);
    EXPECT_FALSE(m_db.IsOpen()) << "the test connects on its own";

    BreakDataSource();
    EXPECT_FALSE(set.TestConnection(false));
    EXPECT_EQ(Errors().GetCount(), 0);
    EXPECT_FALSE(set.TestConnection(true));
    ASSERT_EQ(Errors().GetCount(), 1);
    EXPECT_EQ(Errors().GetEntry(0).message, "Opening database");
    EXPECT_THAT(Errors().GetEntry(0).detail.GetString(), HasSubstr("Database: Broken."));
}

TEST_P(BaseRecordsetTest, RefreshDropsAFilterThatCannotOpenAndRequeriesAnOpenSet) {
    CItemSet set(&m_db);
    set.m_strFilter = "[NoSuchColumn] = 1";
    set.m_strSort = "[Name]";
    ASSERT_TRUE(set.Refresh());
    EXPECT_EQ(set.m_strFilter, "");
    EXPECT_EQ(set.m_strSort, "");
    EXPECT_EQ(set.GetRecordCount(), 3);
    EXPECT_EQ(Errors().GetCount(), 1) << "the failed open is reported";

    Exec("INSERT INTO [Items] ([GUID], [Name]) VALUES ('new', 'fourth')");
    set.m_strFilter = "[Name] = 'fourth'";
    ASSERT_TRUE(set.Refresh());
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.m_guid, "new");

    // A requery keeps the options of the open; a set opened to execute directly is opened again, with
    // none.
    for (const DWORD direct : {DWORD{0}, DWORD{CRecordset::executeDirect}}) {
        SCOPED_TRACE(direct);
        CItemSet other(&m_db);
        ASSERT_TRUE(other.Open(AFX_DB_USE_DEFAULT_TYPE, nullptr, CRecordset::readOnly | direct));
        ASSERT_FALSE(other.CanUpdate());
        ASSERT_TRUE(other.Refresh());
        EXPECT_EQ(other.CanUpdate(), direct != 0);
    }
}

TEST_P(BaseRecordsetTest, DefaultConnectionIsTheProgramDatabases) {
    CItemSet set(&m_db);
    EXPECT_EQ(set.GetDefaultConnect(), m_db.GetConnectString());
    CItemSet alone(nullptr);
    EXPECT_EQ(alone.GetDefaultConnect(), "ODBC;DSN=");
    EXPECT_FALSE(alone.Open());
    EXPECT_EQ(Errors().GetCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, BaseRecordsetTest, DATA_ENGINES);

// ---------------------------------------------------------------- error list

class ErrorListTest : public DataTest {};

TEST_F(ErrorListTest, KeepsEntriesInOrderAndIgnoresThemWhileOnHold) {
    CErrorList& list = CErrorList::Get();
    list.Add("Opening database [Tasks]", -1, "first");
    list.SetHold(true);
    list.Add("Checking database compatibility", 0, "held");
    EXPECT_EQ(list.GetCount(), 1);
    list.SetHold(false);
    list.Add("Database error", 0x80004005L, "second");
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetEntry(0).code, -1);
    EXPECT_EQ(list.GetEntry(1).message, "Database error");
    EXPECT_EQ(list.GetEntry(1).detail, "second");
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ErrorListTest, ChangeHandlerLearnsOfEveryEntryAddedOnceItIsThere) {
    CErrorList& list = CErrorList::Get();
    std::vector<std::string> seen; // the newest entry, as the handler finds it
    list.SetChangeHandler([&] { seen.emplace_back(list.GetEntry(list.GetCount() - 1).message.GetString()); });

    list.Add("Opening database [Tasks]", -1, "first");
    list.SetHold(true);
    list.Add("Checking database compatibility", 0, "held");
    list.SetHold(false);
    // An entry from the database layer reaches the handler the same way.
    CLogDatabase db;
    CItemSet set(&db);
    RegWriteString(REG_DATABASE, "DataSource", "Nowhere");
    EXPECT_FALSE(set.Open());
    EXPECT_THAT(seen, ::testing::ElementsAre("Opening database [Tasks]", "Opening database [Items]"));

    // A handler may remove itself while it runs; none is called afterwards.
    list.SetChangeHandler([&] {
        seen.emplace_back("last");
        list.SetChangeHandler(nullptr);
    });
    list.Add("Database error", 0, "one");
    list.Add("Database error", 0, "two");
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.back(), "last");
    EXPECT_EQ(list.GetCount(), 4);
}

} // namespace
