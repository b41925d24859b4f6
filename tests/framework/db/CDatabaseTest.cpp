#include "DbTestSupport.h"
#include "TestRecordsets.h"

#include "framework/db/CSqlDialect.h"

namespace dbtest {
namespace {

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name") != nullptr;
}

class DatabaseTest : public EngineTest {};

TEST_P(DatabaseTest, OpenReportsTheEngineAndClosesCleanly) {
    EXPECT_TRUE(m_db.IsOpen());
    EXPECT_EQ(m_db.GetConnect().Left(5), "ODBC;");
    EXPECT_STREQ(m_db.GetDBMSName(), IsPostgres() ? "PostgreSQL" : "SQLite");
    EXPECT_EQ(m_db.GetDialect().GetEngine(),
              IsPostgres() ? CSqlDialect::enginePostgreSQL : CSqlDialect::engineSQLite);
    EXPECT_TRUE(m_db.CanTransact());
    EXPECT_TRUE(m_db.CanUpdate());
    EXPECT_FALSE(m_db.GetInfoText(SQL_DBMS_VER).IsEmpty());
    const CString name = m_db.GetDatabaseName();
    EXPECT_FALSE(name.IsEmpty());
    // The database the connection string names; SQLite names its file by the path the driver opened.
    const CString named =
        IsPostgres() ? "Database=" + name + ";" : "\\" + name.Mid(name.ReverseFind('/') + 1) + ";";
    EXPECT_GE(m_connect.Find(named), 0) << static_cast<LPCSTR>(name);
    m_db.Close();
    EXPECT_TRUE(m_db.GetDatabaseName().IsEmpty());
    EXPECT_FALSE(m_db.IsOpen());
    EXPECT_TRUE(m_db.GetConnect().IsEmpty());
    m_db.Close();
    DbError e(CatchDb([&] { m_db.ExecuteSQL("SELECT 1"); }));
    EXPECT_EQ(e.e ? e->m_nRetCode : 0, AFX_SQL_ERROR_DATABASE_NOT_OPEN);
    // Reopened the way the program's database object opens: the connection string as DSN and as
    // connection.
    EXPECT_TRUE(m_db.Open(m_connect, FALSE, FALSE, m_connect, TRUE));
    EXPECT_TRUE(m_db.IsOpen());
}

TEST_P(DatabaseTest, BadStatementThrowsWithStateAndDriverMessage) {
    DbError e(CatchDb([&] { m_db.ExecuteSQL("SELEC 1 FROMM nowhere"); }));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nRetCode, SQL_ERROR);
    const CString state = IsPostgres() ? "42601" : "HY000";
    EXPECT_GE(e->m_strError.Find("(SQLSTATE " + state + ")"), 0) << static_cast<LPCSTR>(e->m_strError);
    EXPECT_GE(e->m_strError.Find("syntax error"), 0) << static_cast<LPCSTR>(e->m_strError);
    EXPECT_EQ(e->m_strStateNativeOrigin.Find("State:" + state + ",Native:"), 0)
        << static_cast<LPCSTR>(e->m_strStateNativeOrigin);
    char text[512];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, e->m_strError);
}

TEST_P(DatabaseTest, UnknownDataSourceThrowsTheDriverManagersError) {
    CDatabase other;
    DbError e(CatchDb([&] {
        CString name;
        name.Format("No Such Source %lu", GetCurrentProcessId());
        other.Open(name, FALSE, FALSE, "ODBC;", TRUE);
    }));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nRetCode, SQL_ERROR);
    EXPECT_GE(e->m_strStateNativeOrigin.Find("State:IM002"), 0)
        << static_cast<LPCSTR>(e->m_strStateNativeOrigin);
    EXPECT_FALSE(other.IsOpen());
}

TEST_P(DatabaseTest, TransactionsCommitAndRollBack) {
    const CString t = NewTable("tx");
    Exec(CItemSet::CreateSql(t));
    ASSERT_TRUE(m_db.BeginTrans());
    EXPECT_FALSE(m_db.BeginTrans()); // no nesting
    Exec("INSERT INTO " + Bracket(t) + " ([Item]) VALUES ('a')");
    CItemSet set(&m_db, t);
    set.Open();
    set.AddNew();
    set.m_item = "b";
    set.Update();
    EXPECT_EQ(Count(t), 2);
    ASSERT_TRUE(m_db.Rollback());
    EXPECT_FALSE(m_db.IsTransactionPending());
    EXPECT_EQ(Count(t), 0);

    ASSERT_TRUE(m_db.BeginTrans());
    Exec("INSERT INTO " + Bracket(t) + " ([Item]) VALUES ('c')");
    ASSERT_TRUE(m_db.CommitTrans());
    EXPECT_FALSE(m_db.CommitTrans());
    EXPECT_FALSE(m_db.Rollback());
    // Back to automatic commits: a second connection sees the row.
    CDatabase second;
    second.OpenEx(m_connect);
    EXPECT_EQ(QueryNumber(second, "SELECT COUNT(*) FROM " + Bracket(t)), 1);
}

TEST_P(DatabaseTest, StatementLongerThanTheQueryTimeoutIsStopped) {
    if (!IsPostgres())
        GTEST_SKIP() << "SQLite has no statement that waits";
    m_db.SetQueryTimeout(1);
    DbError e(CatchDb([&] { m_db.ExecuteSQL("SELECT pg_sleep(30)"); }));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->m_nRetCode, SQL_ERROR);
    // The server cancels the statement (query_canceled).
    EXPECT_GE(e->m_strStateNativeOrigin.Find("State:57014"), 0)
        << static_cast<LPCSTR>(e->m_strStateNativeOrigin);
    // The connection goes on working.
    m_db.SetQueryTimeout(0);
    EXPECT_EQ(QueryNumber(m_db, "SELECT 42"), 42);
}

TEST_P(DatabaseTest, ReadOnlyConnectionRefusesRecordsetChanges) {
    const CString t = NewTable("ro");
    Exec(CItemSet::CreateSql(t));
    Exec("INSERT INTO " + Bracket(t) + " ([Item], [Qty]) VALUES ('a', 1)");
    CDatabase reader;
    reader.OpenEx(m_connect, CDatabase::openReadOnly | CDatabase::noOdbcDialog);
    EXPECT_FALSE(reader.CanUpdate());
    CItemSet set(&reader, t);
    set.Open();
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_FALSE(set.CanAppend());
    DbError e(CatchDb([&] { set.Edit(); }));
    EXPECT_EQ(e.e ? e->m_nRetCode : 0, AFX_SQL_ERROR_RECORDSET_READONLY);
    EXPECT_STREQ(set.m_item, "a");
}

TEST_P(DatabaseTest, AnsiTextKeepsItsCharactersOnTheServer) {
    const CString t = NewTable("text");
    Exec(CItemSet::CreateSql(t));
    const CString name = "J\xFCrgen \x80\xE9";
    Exec("INSERT INTO " + Bracket(t) + " ([Item]) VALUES (" + CSqlDialect::QuoteText(name) + ")");
    CItemSet set(&m_db, t);
    set.m_strFilter = "[Item] = " + CSqlDialect::QuoteText(name);
    set.Open();
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_STREQ(set.m_item, name);
    // Stored as the characters, not as this code page's bytes.
    EXPECT_EQ(QueryNumber(m_db, "SELECT LENGTH([Item]) FROM " + Bracket(t)), 9);
    EXPECT_STREQ(QueryText(m_db, "SELECT UPPER([Item]) FROM " + Bracket(t)).Left(1), "J");
}

TEST(DatabasePaths, WindowsPathsBecomeDriverPaths) {
    if (!UnderWine())
        GTEST_SKIP() << "only Wine runs Linux drivers";
    const CString file = UniqueTempPath("db");
    const CString unix = CDatabase::GetDriverFilePath(file);
    ASSERT_EQ(unix.Left(1), "/");
    EXPECT_GE(unix.Find(file.Mid(file.ReverseFind('\\') + 1)), 0);

    const struct {
        CString in;
        CString out;
    } cases[] = {
        {"ODBC;DRIVER={SQLite3};Database=" + file + ";", "DRIVER={SQLite3};Database=" + unix + ";"},
        {"DRIVER={SQLite3};DBQ=" + file, "DRIVER={SQLite3};DBQ=" + unix + ";"},
        {"FILEDSN=" + file + ";UID=a;PWD={x;y}", "FILEDSN=" + unix + ";UID=a;PWD={x;y};"},
        {"SAVEFILE=" + file + ";DRIVER={SQLite3};Database=" + file,
         "SAVEFILE=" + unix + ";DRIVER={SQLite3};Database=" + unix + ";"},
        // Left as they are: a DSN file name without a folder, an in-memory database, other drivers, Unix
        // paths.
        {"ODBC;FILEDSN=Brindlemark mdb;UID=a", "FILEDSN=Brindlemark mdb;UID=a"},
        {"DRIVER={SQLite3};Database=:memory:;", "DRIVER={SQLite3};Database=:memory:;"},
        {"DRIVER={PostgreSQL Unicode};Database=brindlemark;Server=h",
         "DRIVER={PostgreSQL Unicode};Database=brindlemark;Server=h"},
        {"DRIVER={SQLite3};Database=/tmp/x.db", "DRIVER={SQLite3};Database=/tmp/x.db"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CDatabase::PrepareConnectString(c.in), c.out) << static_cast<LPCSTR>(c.in);
}

TEST(DatabasePaths, FileDataSourceSavedAndUsedWithWindowsPaths) {
    if (!UnderWine())
        GTEST_SKIP() << "checks the driver manager of Wine's host";
    const CString dsn = UniqueTempPath("dsn");
    const CString file = UniqueTempPath("db");
    {
        CDatabase create;
        create.OpenEx("ODBC;SAVEFILE=" + dsn + ";DRIVER={SQLite3};Database=" + file + ";");
        create.ExecuteSQL("CREATE TABLE [Made] ([A] integer)");
        create.ExecuteSQL("INSERT INTO [Made] ([A]) VALUES (41)");
    }
    EXPECT_NE(GetFileAttributesA(dsn), INVALID_FILE_ATTRIBUTES);
    CDatabase db;
    db.Open("ODBC;FILEDSN=" + dsn, FALSE, FALSE, "ODBC;FILEDSN=" + dsn, TRUE);
    EXPECT_EQ(QueryNumber(db, "SELECT [A] FROM [Made]"), 41);
    db.Close();
    DeleteFileA(dsn);
    DeleteFileA(file);
}

// A drive letter that this Wine prefix does not map; 0 when every letter is mapped.
char UnmappedDrive() {
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR)
            return letter;
    }
    return 0;
}

TEST(DatabasePaths, PathWithoutUnixNameNeverReachesTheDriver) {
    if (!UnderWine())
        GTEST_SKIP() << "only Wine translates paths for the drivers";
    const char drive = UnmappedDrive();
    ASSERT_NE(drive, 0) << "no unmapped drive letter to test with";
    const CString unmapped = CString(drive) + ":\\brindlemark\\refused.db";
    const CString missingFolder = UniqueTempPath("dir") + "\\deeper\\refused.db";

    for (const CString& path : {unmapped, missingFolder}) {
        SCOPED_TRACE(static_cast<LPCSTR>(path));
        EXPECT_EQ(CDatabase::GetDriverFilePath(path), "");
        for (const CString& connect : {"DRIVER={SQLite3};Database=" + path + ";",
                                       "SAVEFILE=" + path + ".dsn;DRIVER={SQLite3};Database=" + path + ";",
                                       "ODBC;FILEDSN=" + path + ".dsn"}) {
            SCOPED_TRACE(static_cast<LPCSTR>(connect));
            DbError e(CatchDb([&] { CDatabase::PrepareConnectString(connect); }));
            ASSERT_TRUE(e);
            EXPECT_EQ(e->m_nRetCode, AFX_SQL_ERROR_CONNECT_FAIL);
            EXPECT_GE(e->m_strError.Find(path), 0) << static_cast<LPCSTR>(e->m_strError);
        }
        // The connection fails with that error instead of making a database somewhere else.
        CDatabase db;
        DbError e(CatchDb([&] { db.OpenEx("ODBC;DRIVER={SQLite3};Database=" + path + ";"); }));
        ASSERT_TRUE(e);
        EXPECT_EQ(e->m_nRetCode, AFX_SQL_ERROR_CONNECT_FAIL);
        EXPECT_FALSE(db.IsOpen());
    }
    // A file that does not exist yet, in a folder that does, is fine.
    EXPECT_EQ(CDatabase::GetDriverFilePath(UniqueTempPath("db")).Left(1), "/");
}

INSTANTIATE_TEST_SUITE_P(Engines, DatabaseTest, ::testing::Values("sqlite", "postgres"), EngineName);

} // namespace
} // namespace dbtest
