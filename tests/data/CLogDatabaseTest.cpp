#include "DataTestSupport.h"

#include "data/CLogDatabase.h"
#include "data/CVersionSet.h"
#include "data/DatabaseSchema.h"
#include "foundation/Registry.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdlib>

using namespace datatest;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

constexpr const char* kCompatibleLine =
    "The data source 'Test data' is compatible with version '5.00' of this product.";

class LogDatabaseTest : public DataSourceTest {
protected:
    int CountLines(const std::string& start) {
        const auto lines = LogLines();
        return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                              [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
    }
    // Every column of the schema answers (one statement per table; column by column when one fails).
    void ExpectFullSchema() {
        for (const SchemaRow* first = g_databaseSchema; *first->column;) {
            const SchemaRow* end = first;
            CString columns;
            for (; *end->column && CString(end->table) == first->table; ++end)
                columns += CString(columns.IsEmpty() ? "[" : ", [") + end->column + "]";
            const std::string error =
                DbErrorOf([&] { Exec("SELECT " + columns + " FROM [" + first->table + "] WHERE 1 = 0"); });
            EXPECT_EQ(error, "") << first->table;
            if (!error.empty()) {
                for (const SchemaRow* row = first; row != end; ++row)
                    EXPECT_TRUE(ColumnExists(row->table, row->column)) << row->table << "." << row->column;
            }
            first = end;
        }
    }
    void CreateVersionTable(std::initializer_list<const char*> versions) {
        Exec("CREATE TABLE [Version] ([Version] float, [Upgraded] datetime, [By] varchar(255), [Verified] "
             "bit, "
             "[Comment] varchar(255))");
        for (const char* v : versions)
            Exec(CString("INSERT INTO [Version] ([Version]) VALUES (") + v + ")");
    }

    CLogDatabase m_db;
};

TEST_P(LogDatabaseTest, EmptyDataSourceGetsEveryTableColumnAndAVersionRow) {
    EXPECT_TRUE(m_db.CheckCompatibility(false));

    ExpectFullSchema();
    EXPECT_EQ(m_db.GetSchemaRowCount(), 341);
    EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Version] WHERE [Version] = 5 AND [Verified] = 1 AND "
                          "[Comment] = 'Updated by Brindlemark'"),
              1);
    bool compatible = false;
    EXPECT_TRUE(RegReadBool(REG_DATABASE, "Is DB compatible", &compatible));
    EXPECT_TRUE(compatible);

    const auto lines = LogLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "The table: 'Accounts' was added to the data source 'Test data'.");
    EXPECT_EQ(lines[1], "The column 'Created' was added to 'Accounts' in the data source 'Test data'.");
    EXPECT_THAT(lines, Contains("The table: 'Update' was added to the data source 'Test data'."));
    EXPECT_THAT(lines, Contains("The column 'Desc' was added to 'Tasks' in the data source 'Test data'."));
    EXPECT_EQ(lines[lines.size() - 2], kCompatibleLine);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(CountLines("The table: "), 22);
    EXPECT_EQ(CountLines("The column "), 341 - 22);
}

TEST_P(LogDatabaseTest, PartialDataSourceGetsItsMissingTablesAndColumnsAndKeepsItsRows) {
    Exec("CREATE TABLE [Tasks] ([GUID] varchar(255))");
    Exec("INSERT INTO [Tasks] ([GUID]) VALUES ('kept')");
    Exec("CREATE TABLE [Update] ([Other] integer)");
    CreateVersionTable({"4.9"});

    EXPECT_TRUE(m_db.CheckCompatibility(false));

    ExpectFullSchema();
    EXPECT_EQ(QueryText("SELECT [GUID] FROM [Tasks]"), "kept");
    const auto lines = LogLines();
    EXPECT_THAT(lines, Not(Contains("The table: 'Tasks' was added to the data source 'Test data'.")));
    EXPECT_THAT(lines,
                Contains("The column 'StartTime' was added to 'Tasks' in the data source 'Test data'."));
    EXPECT_THAT(lines,
                Contains("The column 'Objects' was added to 'Update' in the data source 'Test data'."));
    EXPECT_THAT(lines, Contains("The table: 'Accounts' was added to the data source 'Test data'."));
    EXPECT_THAT(lines, Contains(kCompatibleLine));
    EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Version]"), 2);
}

struct VersionCase {
    std::vector<const char*> stored;
    bool upgrades;
};

TEST_P(LogDatabaseTest, StoredVersionDecidesWhetherTheUpgradeRuns) {
    const VersionCase cases[] = {{{"4.9"}, true}, {{}, true}, {{"5.0"}, false}, {{"4.0", "5.1"}, false}};
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.stored.empty() ? "no version" : c.stored.back());
        for (const char* table : {"Version", "Accounts"})
            DbErrorOf([&] { Exec(CString("DROP TABLE [") + table + "]"); });
        DeleteFileA(m_folder.File("Database tools\\Database updates.txt"));
        Exec("CREATE TABLE [Version] ([Version] float, [Upgraded] datetime, [By] varchar(255), [Verified] "
             "bit, "
             "[Comment] varchar(255))");
        for (const char* v : c.stored)
            Exec(CString("INSERT INTO [Version] ([Version]) VALUES (") + v + ")");

        CLogDatabase db;
        EXPECT_TRUE(db.CheckCompatibility(false));

        EXPECT_EQ(TableExists("Accounts"), c.upgrades);
        EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Version]"),
                  static_cast<long>(c.stored.size()) + (c.upgrades ? 1 : 0));
        EXPECT_EQ(LogLines().empty(), !c.upgrades);
    }
}

TEST_P(LogDatabaseTest, ForceRunsTheUpgradeOnACurrentDataSourceAndRecordsIt) {
    ASSERT_TRUE(m_db.CheckCompatibility(false));
    DeleteFileA(m_folder.File("Database tools\\Database updates.txt"));

    EXPECT_TRUE(m_db.CheckCompatibility(true));

    EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Version]"), 2);
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 2u) << "nothing was missing, so only the result is logged";
    EXPECT_EQ(lines[0], kCompatibleLine);
}

TEST_P(LogDatabaseTest, VersionRowNamesTheConfiguredUserAndTheTime) {
    CString user;
    if (!IsPostgres()) // PostgreSQL logs in with the stored user name, which must stay
        RegWriteString(REG_DATABASE, "Username", "Ann O'Neil");
    RegReadString(REG_DATABASE, "Username", user);
    const CTime before = CTime::GetCurrentTime();
    ASSERT_TRUE(m_db.CheckCompatibility(false));

    CVersionSet versions(&m_db);
    ASSERT_TRUE(versions.Open());
    ASSERT_FALSE(versions.IsEOF());
    EXPECT_DOUBLE_EQ(versions.m_version, 5.0);
    EXPECT_EQ(versions.m_by, user);
    EXPECT_TRUE(versions.m_verified);
    EXPECT_EQ(versions.m_comment, "Updated by Brindlemark");
    EXPECT_GE(versions.m_upgraded.GetTime(), before.GetTime() - 1);
    EXPECT_LE(versions.m_upgraded.GetTime(), CTime::GetCurrentTime().GetTime() + 1);
}

TEST_P(LogDatabaseTest, UpdateTableIsCreatedAndItsColumnAddedDespiteTheReservedName) {
    Exec("CREATE TABLE [Update] ([Other] integer)");
    m_db.OpenEx(m_db.GetConnectString());

    EXPECT_TRUE(m_db.EnsureTable("Update", "Objects", "integer", true));
    EXPECT_TRUE(m_db.EnsureColumn("Update", "Objects", "integer", true));

    EXPECT_TRUE(ColumnExists("Update", "Objects"));
    EXPECT_THAT(LogLines(),
                Contains("The column 'Objects' was added to 'Update' in the data source 'Test data'."));
    Exec("DROP TABLE [Update]");
    EXPECT_TRUE(m_db.EnsureTable("Update", "Objects", "integer", true));
    EXPECT_THAT(LogLines(), Contains("The table: 'Update' was added to the data source 'Test data'."));
    EXPECT_TRUE(m_db.ColumnExists("Update", "Objects"));
}

TEST_P(LogDatabaseTest, FailedUpgradeIsReportedWithTheRealLogAndRecordsNoVersion) {
    // An object the program cannot add columns to stands where a table belongs.
    Exec("CREATE VIEW [Accounts] AS SELECT 1 AS [x]");

    EXPECT_FALSE(m_db.CheckCompatibility(false));

    ASSERT_EQ(CErrorList::Get().GetCount(), 1);
    const CErrorList::Entry& entry = CErrorList::Get().GetEntry(0);
    EXPECT_EQ(entry.message, "Checking database compatibility");
    EXPECT_EQ(entry.code, 0);
    EXPECT_THAT(entry.detail.GetString(), HasSubstr("The data source Test data cannot be verified"));
    EXPECT_THAT(entry.detail.GetString(), HasSubstr("Database tools\\Database updates.txt"));
    EXPECT_THAT(entry.detail.GetString(), Not(HasSubstr("Compatdb.log")));

    bool compatible = true;
    RegReadBool(REG_DATABASE, "Is DB compatible", &compatible);
    EXPECT_FALSE(compatible);
    EXPECT_EQ(QueryNumber("SELECT COUNT(*) FROM [Version]"), 0);
    EXPECT_TRUE(TableExists("Tasks")) << "the other tables are still made";

    // One message per column that could not be added, on the reported second attempt.
    EXPECT_EQ(m_app.prompts.size(), 9u);
    const auto lines = LogLines();
    EXPECT_THAT(lines,
                Contains("The column 'GUID' could not be added to 'Accounts' in data source 'Test data'.  "
                         "Make sure you have rights to add new columns."));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2],
              "The data source 'Test data' cannot be verified to be compatible with version '5.00' of this "
              "product.  "
              "Make sure you have rights to create new tables and add columns in the database.");
    EXPECT_EQ(lines.back(), "");
}

TEST_P(LogDatabaseTest, FailedColumnLogsTheDriverErrorBeforeItsLine) {
    m_db.OpenEx(m_db.GetConnectString());
    EXPECT_FALSE(m_db.AddColumn("NoSuchTable", "Extra", "integer", true));

    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_THAT(m_app.prompts[0], HasSubstr("SQLSTATE"));
    // The driver's message comes first, then the line of the column.
    std::string log = ReadTextFile(m_folder.File("Database tools\\Database updates.txt"));
    log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
    EXPECT_EQ(log,
              m_app.prompts[0] +
                  "\nThe column 'Extra' could not be added to 'NoSuchTable' in data source 'Test data'.  "
                  "Make sure you have rights to add new columns.\n");

    EXPECT_FALSE(m_db.AddColumn("NoSuchTable", "Extra", "integer", false));
    EXPECT_EQ(m_app.prompts.size(), 1u) << "unreported attempts show nothing";
}

TEST_P(LogDatabaseTest, UnconnectedObjectNeitherFindsNorAddsColumns) {
    Exec("CREATE TABLE [Tasks] ([GUID] varchar(255))");
    EXPECT_FALSE(m_db.ColumnExists("Tasks", "GUID"));
    EXPECT_FALSE(m_db.AddColumn("Tasks", "Desc", "ntext", true));
    EXPECT_FALSE(m_db.IsAccess());
    EXPECT_TRUE(LogLines().empty());
    EXPECT_FALSE(ColumnExists("Tasks", "Desc"));
}

TEST_P(LogDatabaseTest, UnreachableDataSourceCreatesAndLogsNothing) {
    RegWriteString(REG_DATABASE, "DataSource", "Not there");
    EXPECT_FALSE(m_db.EnsureTable("Accounts", "GUID", "varchar(255)", true));
    EXPECT_FALSE(TableExists("Accounts"));
    EXPECT_TRUE(LogLines().empty());
    EXPECT_FALSE(DbErrorOf([&] { m_db.CheckCompatibility(false); }).empty())
        << "the failure to open the database object reaches the caller";
}

TEST_P(LogDatabaseTest, TableTheProgramsConnectionNeverSeesIsNotReportedAsCreated) {
    // The program's own connection looks at another database than the data source's file.
    if (IsPostgres())
        m_db.OpenEx(CString("ODBC;") + std::getenv("TEST_PG_CONNSTR") +
                    ";ConnSettings={SET search_path TO nowhere};");
    else
        m_db.OpenEx("ODBC;DRIVER={SQLite3};Database=" + m_folder.File("other.db") + ";");

    EXPECT_FALSE(m_db.EnsureTable("Accounts", "GUID", "varchar(255)", true));

    EXPECT_TRUE(TableExists("Accounts")) << "it was created, but never answered";
    EXPECT_THAT(LogLines(),
                Contains("The table: 'Accounts' could not be added to the data source 'Test data'.  "
                         "Make sure you have rights to add new tables."));
}

TEST_P(LogDatabaseTest, WaitForTableAnswersOnlyForATableThatExists) {
    Exec("CREATE TABLE [Update] ([Objects] integer)");
    m_db.OpenEx(m_db.GetConnectString());
    CDatabase other;
    EXPECT_TRUE(m_db.WaitForTable(other, "Update", 300));
    EXPECT_FALSE(other.IsOpen()) << "the waiting connection is closed again";
    const DWORD start = GetTickCount();
    EXPECT_FALSE(m_db.WaitForTable(other, "Missing", 300));
    EXPECT_GE(GetTickCount() - start, 300u);
}

class RecordingProgress : public IValidateDatabaseProgress {
public:
    RecordingProgress(std::vector<std::pair<int, int>>& steps, bool& closed)
        : m_steps(steps), m_closed(closed) {}
    ~RecordingProgress() override { m_closed = true; }
    void SetProgress(int step, int total) override { m_steps.emplace_back(step, total); }

private:
    std::vector<std::pair<int, int>>& m_steps;
    bool& m_closed;
};

TEST_P(LogDatabaseTest, ProgressWindowFollowsEverySchemaRowAndClosesAfterwards) {
    std::vector<std::pair<int, int>> steps;
    bool closed = false;
    int made = 0;
    CLogDatabase::SetProgressFactory([&] {
        ++made;
        return std::make_unique<RecordingProgress>(steps, closed);
    });

    ASSERT_TRUE(m_db.CheckCompatibility(false));
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(closed);
    ASSERT_EQ(steps.size(), 341u);
    EXPECT_EQ(steps.front(), std::make_pair(1, 341));
    EXPECT_EQ(steps.back(), std::make_pair(341, 341));

    ASSERT_TRUE(m_db.CheckCompatibility(false));
    EXPECT_EQ(made, 1) << "a current data source shows no progress window";
}

// What this thread's windows are sent while it is watched: the dialogs that start, those of them that
// end, and the range and positions given to progress bars.
class WindowWatch {
public:
    WindowWatch() {
        s_current = this;
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~WindowWatch() {
        ::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    std::vector<std::string> dialogs; // captions
    int dialogsEnded = 0;
    std::vector<std::pair<int, int>> progress; // (position, top of the range when it was set)

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && s_current != nullptr)
            s_current->Seen(*reinterpret_cast<const CWPSTRUCT*>(lParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void Seen(const CWPSTRUCT& m) {
        if (m.message == WM_INITDIALOG) {
            char caption[128] = {};
            ::GetWindowTextA(m.hwnd, caption, sizeof caption);
            dialogs.emplace_back(caption);
            m_dialogs.push_back(m.hwnd);
        } else if (m.message == WM_DESTROY &&
                   std::find(m_dialogs.begin(), m_dialogs.end(), m.hwnd) != m_dialogs.end()) {
            ++dialogsEnded;
        } else if (m.message == PBM_SETRANGE32) {
            m_rangeTop = static_cast<int>(m.lParam);
        } else if (m.message == PBM_SETPOS) {
            progress.emplace_back(static_cast<int>(m.wParam), m_rangeTop);
        }
    }

    static inline WindowWatch* s_current = nullptr;
    HHOOK m_hook = nullptr;
    std::vector<HWND> m_dialogs;
    int m_rangeTop = -1;
};

TEST_P(LogDatabaseTest, CheckShowsTheValidatingWindowWhileItUpgrades) {
    {
        WindowWatch watch;
        ASSERT_TRUE(m_db.CheckCompatibility(false));
        EXPECT_THAT(watch.dialogs, ::testing::ElementsAre("Validating Database"));
        EXPECT_EQ(watch.dialogsEnded, 1);
        ASSERT_EQ(watch.progress.size(), 341u);
        EXPECT_EQ(watch.progress.front(), std::make_pair(1, 341));
        EXPECT_EQ(watch.progress.back(), std::make_pair(341, 341));
    }
    WindowWatch watch;
    ASSERT_TRUE(m_db.CheckCompatibility(false));
    EXPECT_TRUE(watch.dialogs.empty()) << "a current data source shows no window";
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDatabaseTest, DATA_ENGINES);

// ---------------------------------------------------------------- connection string

class ConnectStringTest : public DataTest {};

TEST_F(ConnectStringTest, NamesTheDataSourceFileBesideTheProgramWithStoredCredentials) {
    struct Case {
        const char* dataSource;
        const char* user;
        const char* password;
        CString expected;
    };
    const CString folder = m_folder.Path();
    const Case cases[] = {
        {"", "", "", "ODBC;FILEDSN=" + folder + "Brindlemark mdb.dsn"},
        {"Shared", "bob", "", "ODBC;FILEDSN=" + folder + "Shared.dsn"},
        {"Shared", "bob", "s3cret", "ODBC;FILEDSN=" + folder + "Shared.dsn;UID=bob;PWD=s3cret"},
        {"Shared.dsn", "", "pw", "ODBC;FILEDSN=" + folder + "Shared.dsn;UID=;PWD=pw"},
        {"D:\\sources\\team.dsn", "bob", "a;b", "ODBC;FILEDSN=D:\\sources\\team.dsn;UID=bob;PWD={a;b}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.GetString());
        RegWriteString(REG_DATABASE, "DataSource", c.dataSource);
        RegWriteString(REG_DATABASE, "Username", c.user);
        RegWriteString(REG_DATABASE, "DriverSync", ScrambleText(c.password));
        EXPECT_EQ(CLogDatabase().GetConnectString(), c.expected);
    }
}

TEST_F(ConnectStringTest, UpdateLogLivesInTheToolsFolderOfTheProgram) {
    EXPECT_EQ(CLogDatabase::GetUpdateLogPath(), m_folder.Path() + "Database tools\\Database updates.txt");
}

} // namespace
