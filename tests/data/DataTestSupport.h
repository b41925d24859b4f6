// Shared set-up of the data tests: each test has its own registry tree, its own program folder and its
// own data source "Test data" ("<program folder>\Test data.dsn"): an SQLite database file in the program
// folder, or, when TEST_PG_CONNSTR names a PostgreSQL server, a schema of its own on that server
// (dropped afterwards). Message boxes are recorded instead of shown.
#pragma once

#include "../foundation/ScratchRegistry.h"
#include "data/CErrorList.h"
#include "framework/db/CDatabase.h"
#include "framework/win/CWinApp.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace datatest {

// Records message boxes instead of showing them (or as well, when told to show them).
class RecordingApp : public CWinApp {
public:
    RecordingApp() : CWinApp("Data Tests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        prompts.emplace_back(lpszPrompt);
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        }
        return showMessageBoxes ? CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt) : IDOK;
    }
    std::vector<std::string> prompts;
    // The answers of the next message boxes, in order (IDOK once they run out).
    std::vector<int> answers;
    bool showMessageBoxes = false;
};

// A program folder whose files may be read-only (templates): they are made writable before the folder
// is removed.
class ProgramFolder {
public:
    ProgramFolder() { SetProgramFolderForTests(m_folder.Path()); }
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const CString& Path() const { return m_folder.Path(); }
    CString File(const char* name) const { return m_folder.File(name); }

private:
    ScratchFolder m_folder;
};

// The fields of TEST_PG_CONNSTR; empty when it is not set.
std::map<std::string, std::string> PostgresSettings();

// Reads a whole text file ("" when it is missing).
std::string ReadTextFile(const CString& path);
// The lines of a text file, line breaks removed.
std::vector<std::string> ReadLines(const CString& path);
void WriteTextFile(const CString& path, const std::string& text);

// Catches the CDBException of an action; its text, or "" when none was thrown.
template <typename Action> std::string DbErrorOf(Action action) {
    try {
        action();
    } catch (CDBException* e) {
        std::string text = e->m_strError.GetString();
        e->Delete();
        return text.empty() ? "<error>" : text;
    }
    return {};
}

// Registry, program folder, recorded message boxes and a clean error list, for tests without database.
class DataTest : public ::testing::Test {
protected:
    DataTest();
    ~DataTest() override;

    ScratchRegistry m_registry;
    ProgramFolder m_folder;
    RecordingApp m_app;
};

// Runs once with "sqlite" and once with "postgres" (skipped without TEST_PG_CONNSTR).
class EngineTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override;
    void TearDown() override;

    bool IsPostgres() const { return std::string(GetParam()) == "postgres"; }
    // Writes "<program folder>\<name>.dsn" for this test's database (without credentials on
    // PostgreSQL: they come from the stored user name and password) and makes it the configured data
    // source ("DataSource").
    void UseDataSource(const char* name);
    // A direct connection to this test's database, for preparing and checking it.
    CDatabase& Admin();
    void Exec(const CString& sql) { Admin().ExecuteSQL(sql); }
    // The single value sql selects, as text; "<no row>" when there is none.
    CString QueryText(const CString& sql);
    long QueryNumber(const CString& sql);
    // Whether the table (and column) answer on the admin connection.
    bool TableExists(const char* table);
    bool ColumnExists(const char* table, const char* column);
    // "<program folder>\Database tools\Database updates.txt"
    std::vector<std::string> LogLines();

    ScratchRegistry m_registry;
    ProgramFolder m_folder;
    RecordingApp m_app;
    CString m_adminConnect; // "ODBC;..." straight to the database, without a data source file
    CString m_schema;       // PostgreSQL: this test's schema
    CString m_sqliteFile;   // SQLite: the database file

private:
    CDatabase m_admin;
};

// An EngineTest whose database is the configured data source "Test data".
class DataSourceTest : public EngineTest {
protected:
    void SetUp() override;
};

inline std::string EngineName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

} // namespace datatest

#define DATA_ENGINES ::testing::Values("sqlite", "postgres"), datatest::EngineName
