#include "DataTestSupport.h"

#include "../framework/db/DbQuery.h"

#include "data/CBaseRecordset.h"
#include "data/CLogDatabase.h"
#include "framework/db/COdbcApi.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace datatest {

namespace {

void MakeWritable(const CString& folder) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(folder + "*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const CString name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            MakeWritable(folder + name + "\\");
        else
            SetFileAttributesA(folder + name, FILE_ATTRIBUTE_NORMAL);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Process-wide state of the data layer, back to what a new program has.
void ResetDataLayer() {
    CErrorList::Get().RemoveAll();
    CErrorList::Get().SetHold(false);
    CErrorList::Get().SetChangeHandler(nullptr);
    CBaseRecordset::offline = false;
    CBaseRecordset::accessDataSource = false;
    CLogDatabase::SetProgressFactory(nullptr);
    COdbcApi::ClearFailures();
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

ProgramFolder::~ProgramFolder() {
    SetProgramFolderForTests(nullptr);
    MakeWritable(m_folder.Path());
}

std::map<std::string, std::string> PostgresSettings() {
    std::map<std::string, std::string> settings;
    const char* text = std::getenv("TEST_PG_CONNSTR");
    if (!text || !*text)
        return settings;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ';')) {
        const size_t eq = part.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = part.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '{' && value.back() == '}')
            value = value.substr(1, value.size() - 2);
        settings[Lower(part.substr(0, eq))] = value;
    }
    return settings;
}

std::string ReadTextFile(const CString& path) {
    std::ifstream in(path.GetString(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> ReadLines(const CString& path) {
    std::vector<std::string> lines;
    std::stringstream in(ReadTextFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteTextFile(const CString& path, const std::string& text) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path.GetString();
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

DataTest::DataTest() {
    ResetDataLayer();
}

DataTest::~DataTest() {
    ResetDataLayer();
}

void EngineTest::SetUp() {
    ResetDataLayer();
    if (IsPostgres()) {
        const auto pg = PostgresSettings();
        if (pg.empty())
            GTEST_SKIP() << "TEST_PG_CONNSTR is not set";
        m_schema = ("bmtest_" + Lower(NewGuidString().Left(8).GetString()) + "_" +
                    std::to_string(GetCurrentProcessId()))
                       .c_str();
        const CString plain = CString("ODBC;") + std::getenv("TEST_PG_CONNSTR");
        m_admin.OpenEx(plain, CDatabase::noOdbcDialog);
        m_admin.ExecuteSQL("CREATE SCHEMA " + m_schema);
        m_admin.Close();
        m_adminConnect = plain + ";ConnSettings={SET search_path TO " + m_schema + "};";
    } else {
        m_sqliteFile = m_folder.File("test.db");
        m_adminConnect = "ODBC;DRIVER={SQLite3};Database=" + m_sqliteFile + ";";
    }
}

void EngineTest::TearDown() {
    m_admin.Close();
    if (!m_schema.IsEmpty()) {
        try {
            m_admin.OpenEx(CString("ODBC;") + std::getenv("TEST_PG_CONNSTR"), CDatabase::noOdbcDialog);
            m_admin.ExecuteSQL("DROP SCHEMA " + m_schema + " CASCADE");
        } catch (CDBException* e) {
            e->Delete();
        }
        m_admin.Close();
    }
    ResetDataLayer();
}

void DataSourceTest::SetUp() {
    EngineTest::SetUp();
    if (!IsSkipped())
        UseDataSource("Test data");
}

CDatabase& EngineTest::Admin() {
    if (!m_admin.IsOpen())
        m_admin.OpenEx(m_adminConnect, CDatabase::noOdbcDialog);
    return m_admin;
}

void EngineTest::UseDataSource(const char* name) {
    std::string text = "[ODBC]\r\n";
    if (IsPostgres()) {
        auto pg = PostgresSettings();
        text += "DRIVER=" + pg["driver"] + "\r\n";
        text += "Server=" + pg["server"] + "\r\n";
        text += "Port=" + pg["port"] + "\r\n";
        text += "Database=" + pg["database"] + "\r\n";
        text += "ConnSettings=SET search_path TO " + std::string(m_schema.GetString()) + "\r\n";
        // The program logs in with its stored user name and password.
        const std::string password = pg["pwd"].empty() ? "trusted" : pg["pwd"];
        RegWriteString(REG_DATABASE, "Username", pg["uid"].c_str());
        RegWriteString(REG_DATABASE, "DriverSync", ScrambleText(password.c_str()));
    } else {
        text += "DRIVER=SQLite3\r\n";
        text += "Database=" + std::string(CDatabase::GetDriverFilePath(m_sqliteFile).GetString()) + "\r\n";
    }
    WriteTextFile(m_folder.File(name) + ".dsn", text);
    RegWriteString(REG_DATABASE, "DataSource", name);
}

CString EngineTest::QueryText(const CString& sql) {
    return dbtest::QueryText(Admin(), sql);
}

long EngineTest::QueryNumber(const CString& sql) {
    return dbtest::QueryNumber(Admin(), sql);
}

bool EngineTest::TableExists(const char* table) {
    // Brackets: SQLite takes a double-quoted name that matches nothing for a text.
    return DbErrorOf([&] { Exec(CString("SELECT * FROM [") + table + "] WHERE 1 = 0"); }).empty();
}

bool EngineTest::ColumnExists(const char* table, const char* column) {
    return DbErrorOf([&] { Exec(CString("SELECT [") + column + "] FROM [" + table + "] WHERE 1 = 0"); })
        .empty();
}

std::vector<std::string> EngineTest::LogLines() {
    return ReadLines(m_folder.File("Database tools\\Database updates.txt"));
}

} // namespace datatest
