#include "DataTestSupport.h"

#include "data/CBaseRecordset.h"
#include "data/CDatabaseStartup.h"
#include "data/CLogDatabase.h"
#include "data/DatabaseSetup.h"
#include "data/FileDataSource.h"
#include "foundation/Registry.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::HasSubstr;

namespace {

class DatabaseSetupTest : public DataTest {
protected:
    CString Tools(const char* name) const { return m_folder.Path() + "Database tools\\" + name; }
    bool IsReadOnly(const CString& path) const {
        const DWORD attributes = GetFileAttributesA(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    }
    static CString SqliteConnect(const CString& file) {
        return "ODBC;DRIVER={SQLite3};Database=" + file + ";";
    }
    // Runs sql on the SQLite database file.
    static void ExecOn(const CString& file, const CString& sql) {
        CDatabase db;
        db.OpenEx(SqliteConnect(file));
        db.ExecuteSQL(sql);
    }
    // Whether the statement runs on the SQLite database file.
    static bool RunsOn(const CString& file, const CString& sql) {
        return DbErrorOf([&] { ExecOn(file, sql); }).empty();
    }
    static bool HasProgramTables(const CString& file) {
        return RunsOn(file, "SELECT [GUID], [Desc], [CostClient] FROM [Tasks] WHERE 1 = 0") &&
               RunsOn(file, "SELECT [Objects] FROM [Update] WHERE 1 = 0") &&
               RunsOn(file, "SELECT [Version], [Comment] FROM [Version] WHERE 1 = 0");
    }
    CString Setting(const char* name) {
        CString value;
        RegReadString(REG_DATABASE, name, value);
        return value;
    }
};

TEST_F(DatabaseSetupTest, FirstRunInAnEmptyProgramFolderMakesAWorkingDatabaseAndItsTemplate) {
    ASSERT_TRUE(SetupDefaultDatabase());

    EXPECT_EQ(Setting("DataSource"), "Brindlemark mdb");
    EXPECT_EQ(Setting("Run compat.exe"), "T");
    EXPECT_TRUE(FileExists(m_folder.File("Brindlemark.mdb")));
    EXPECT_FALSE(IsReadOnly(m_folder.File("Brindlemark.mdb")));
    EXPECT_TRUE(FileExists(m_folder.File("Brindlemark mdb.dsn")))
        << "the data source lives beside the program";
    EXPECT_FALSE(FileExists(Tools("Install.mdb"))) << "the installed database was taken";
    EXPECT_TRUE(IsReadOnly(Tools("Empty.mdb")));
    EXPECT_TRUE(HasProgramTables(Tools("Empty.mdb")));
    EXPECT_TRUE(m_app.prompts.empty());

    // The program's database connection reaches it, and finds it current.
    CLogDatabase db;
    EXPECT_TRUE(db.CheckCompatibility(false));
    db.OpenEx(db.GetConnectString());
    EXPECT_TRUE(db.ColumnExists("Update", "Objects"));
    db.ExecuteSQL("INSERT INTO [Tasks] ([GUID]) VALUES ('stored')");
    db.Close();
    EXPECT_TRUE(RunsOn(m_folder.File("Brindlemark.mdb"), "DELETE FROM [Tasks] WHERE [GUID] = 'stored'"));

    // Later runs only test the data source.
    RegRemoveValue(REG_DATABASE, "Run compat.exe");
    EXPECT_TRUE(SetupDefaultDatabase());
    EXPECT_EQ(Setting("Run compat.exe"), "");
    EXPECT_FALSE(FileExists(Tools("Install.mdb")));
}

TEST_F(DatabaseSetupTest, InstalledDatabaseBecomesTheWorkingOneAndTheReadOnlyTemplate) {
    ASSERT_TRUE(CreateDatabaseTemplate(Tools("Install.mdb")));
    ExecOn(Tools("Install.mdb"), "CREATE TABLE [Shipped] ([Mark] integer)");

    ASSERT_TRUE(SetupDefaultDatabase());

    EXPECT_FALSE(FileExists(Tools("Install.mdb")));
    EXPECT_TRUE(RunsOn(m_folder.File("Brindlemark.mdb"), "SELECT * FROM [Shipped]"));
    EXPECT_TRUE(RunsOn(Tools("Empty.mdb"), "SELECT * FROM [Shipped]"));
    EXPECT_TRUE(IsReadOnly(Tools("Empty.mdb")));
}

TEST_F(DatabaseSetupTest, ReinstallKeepsTheWorkingDatabaseAndReplacesTheReadOnlyTemplate) {
    ExecOn(m_folder.File("Brindlemark.mdb"), "CREATE TABLE [Mine] ([Mark] integer)");
    ASSERT_TRUE(CreateDatabaseTemplate(Tools("Install.mdb")));
    ExecOn(Tools("Install.mdb"), "CREATE TABLE [Shipped] ([Mark] integer)");
    WriteTextFile(Tools("Empty.mdb"), "an old template");
    SetFileAttributesA(Tools("Empty.mdb"), FILE_ATTRIBUTE_READONLY);

    ASSERT_TRUE(SetupDefaultDatabase());

    EXPECT_TRUE(RunsOn(m_folder.File("Brindlemark.mdb"), "SELECT * FROM [Mine]"));
    EXPECT_FALSE(RunsOn(m_folder.File("Brindlemark.mdb"), "SELECT * FROM [Shipped]"));
    EXPECT_FALSE(FileExists(Tools("Install.mdb")));
    EXPECT_TRUE(RunsOn(Tools("Empty.mdb"), "SELECT * FROM [Shipped]"))
        << "the old read-only template is replaced";
    EXPECT_TRUE(IsReadOnly(Tools("Empty.mdb")));
}

TEST_F(DatabaseSetupTest, WithoutAnyDatabaseTheEmptyDataSourceIsReported) {
    // A file where the tools folder belongs: no database can be made.
    WriteTextFile(m_folder.File("Database tools"), "");

    EXPECT_FALSE(SetupDefaultDatabase());

    EXPECT_EQ(Setting("DataSource"), "");
    EXPECT_FALSE(FileExists(m_folder.File("Brindlemark.mdb")));
    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_EQ(m_app.prompts[0],
              "The File DSN \"\" does not exist, or cannot be used.\n\nYou may need to open the ODBC "
              "Administrator in the Control Panel to create a File DSN with this name.\n\n"
              "SQLDriverConnect error: (0xFFFFFFFF).");
}

TEST_F(DatabaseSetupTest, StoredDataSourceWhoseFileIsGoneIsNotRecreated) {
    ASSERT_TRUE(SetupDefaultDatabase());
    ASSERT_TRUE(DeleteFileA(m_folder.File("Brindlemark mdb.dsn")));

    EXPECT_FALSE(SetupDefaultDatabase());

    EXPECT_FALSE(FileExists(m_folder.File("Brindlemark mdb.dsn")));
    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_THAT(m_app.prompts[0], HasSubstr("The File DSN \"Brindlemark mdb\" does not exist"));
}

TEST_F(DatabaseSetupTest, SavedDataSourceFileConnectsToItsDatabase) {
    const CString database = m_folder.File("mine.db");
    EXPECT_TRUE(CreateFileDsn("Mine", GetDefaultDriverName(), database));
    EXPECT_TRUE(FileExists(m_folder.File("Mine.dsn")));
    short rc = SQL_ERROR;
    EXPECT_TRUE(ConnectFileDsn("Mine", &rc));
    EXPECT_TRUE(SQL_SUCCEEDED(rc));
    EXPECT_FALSE(ConnectFileDsn("Other", &rc));
    EXPECT_EQ(rc, SQL_ERROR);
    EXPECT_TRUE(TestFileDsn("Mine", true));
    EXPECT_TRUE(m_app.prompts.empty());
}

TEST_F(DatabaseSetupTest, TemplateThatCannotBeMadeLeavesNothingBehind) {
    const CString path = m_folder.File("missing\\deeper\\Install.mdb");
    EXPECT_FALSE(CreateDatabaseTemplate(path));
    EXPECT_FALSE(FileExists(path));
}

// ---------------------------------------------------------------- start-up choice

class DatabaseStartupTest : public DatabaseSetupTest {
protected:
    int m_asked = 0;
    CString m_shownDataSource;
    CDatabaseStartup::OfflinePrompt Answer(int button, bool options) {
        return [this, button, options](const CString& dataSource, bool& optionsRequested) {
            ++m_asked;
            m_shownDataSource = dataSource;
            optionsRequested = options;
            return button;
        };
    }
};

TEST_F(DatabaseStartupTest, UsableDatabaseStartsOnlineWithoutAsking) {
    bool openOptions = true;
    EXPECT_EQ(CDatabaseStartup::Run(Answer(IDCANCEL, true), &openOptions), CDatabaseStartup::online);
    EXPECT_EQ(m_asked, 0);
    EXPECT_FALSE(openOptions);
    EXPECT_FALSE(CBaseRecordset::offline);
}

TEST_F(DatabaseStartupTest, WorkingOfflineStopsEveryRecordsetFromOpening) {
    RegWriteString(REG_DATABASE, "DataSource", "Team server");
    bool openOptions = false;
    EXPECT_EQ(CDatabaseStartup::Run(Answer(IDOK, true), &openOptions), CDatabaseStartup::workOffline);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(m_shownDataSource, "Team server");
    EXPECT_TRUE(openOptions);
    EXPECT_TRUE(CBaseRecordset::offline);
    ASSERT_EQ(m_app.prompts.size(), 1u) << "the data source message comes first";
    EXPECT_THAT(m_app.prompts[0], HasSubstr("\"Team server\""));

    CLogDatabase db;
    CBaseRecordset set(&db);
    EXPECT_FALSE(set.Open(AFX_DB_USE_DEFAULT_TYPE, "SELECT 1"));
    EXPECT_EQ(CErrorList::Get().GetCount(), 0);
}

TEST_F(DatabaseStartupTest, ClosingLeavesTheProgramOnline) {
    RegWriteString(REG_DATABASE, "DataSource", "Team server");
    bool openOptions = true;
    EXPECT_EQ(CDatabaseStartup::Run(Answer(IDCANCEL, false), &openOptions), CDatabaseStartup::closeProgram);
    EXPECT_FALSE(openOptions);
    EXPECT_FALSE(CBaseRecordset::offline);
}

// ---------------------------------------------------------------- configured data sources

class ConfiguredDataSourceTest : public EngineTest {};

TEST_P(ConfiguredDataSourceTest, IsTestedAndUsedWithoutFirstRunFiles) {
    UseDataSource("Team data");

    EXPECT_TRUE(SetupDefaultDatabase());
    EXPECT_TRUE(m_app.prompts.empty());
    EXPECT_FALSE(FileExists(m_folder.File("Brindlemark.mdb")));
    EXPECT_FALSE(FileExists(m_folder.File("Database tools\\Empty.mdb")));
    CString runCompat;
    RegReadString(REG_DATABASE, "Run compat.exe", runCompat);
    EXPECT_EQ(runCompat, "");

    CLogDatabase db;
    ASSERT_TRUE(db.CheckCompatibility(false));
    EXPECT_TRUE(ColumnExists("Tasks", "ProjectTaskID"));
}

TEST_P(ConfiguredDataSourceTest, ServerDataSourceNeedsTheStoredCredentials) {
    if (!IsPostgres())
        GTEST_SKIP() << "a database file needs no login";
    UseDataSource("Team data");
    RegWriteString(REG_DATABASE, "DriverSync", "");

    EXPECT_FALSE(TestFileDsn("Team data", false)) << "the data source file names no user";
    CLogDatabase db;
    EXPECT_THAT(db.GetConnectString().GetString(), ::testing::Not(HasSubstr("UID=")));
}

INSTANTIATE_TEST_SUITE_P(Engines, ConfiguredDataSourceTest, DATA_ENGINES);

} // namespace
