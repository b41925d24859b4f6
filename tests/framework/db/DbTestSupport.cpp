#include "DbTestSupport.h"

#include "framework/db/COdbcApi.h"

#include <atomic>
#include <cstdlib>

namespace dbtest {

namespace {
std::atomic<int> g_counter{0};
} // namespace

CString UniqueTempPath(const char* extension) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    CString path;
    path.Format("%sbm_db_%lu_%d.%s", folder, GetCurrentProcessId(), ++g_counter, extension);
    DeleteFileA(path);
    return path;
}

void EngineTest::SetUp() {
    COdbcApi::ClearFailures();
    if (IsPostgres()) {
        const char* pg = std::getenv("TEST_PG_CONNSTR");
        if (!pg || !*pg)
            GTEST_SKIP() << "TEST_PG_CONNSTR is not set";
        m_connect = CString("ODBC;") + pg;
    } else {
        m_file = UniqueTempPath("db");
        // A Windows path: the database layer hands the driver the path it needs.
        m_connect = "ODBC;DRIVER={SQLite3};Database=" + m_file + ";";
    }
    m_db.OpenEx(m_connect, CDatabase::noOdbcDialog);
}

void EngineTest::TearDown() {
    COdbcApi::ClearFailures();
    if (m_db.IsOpen()) {
        if (m_db.IsTransactionPending())
            m_db.Rollback();
        for (const CString& table : m_tables) {
            try {
                m_db.ExecuteSQL("DROP TABLE " + Bracket(table));
            } catch (CDBException* e) {
                e->Delete();
            }
        }
    }
    m_db.Close();
    if (!m_file.IsEmpty())
        DeleteFileA(m_file);
}

CString EngineTest::NewTable(const char* base) {
    CString name;
    name.Format("%s_%lu_%d", base, GetCurrentProcessId(), ++g_counter);
    m_tables.push_back(name);
    return name;
}

long EngineTest::Count(const CString& table, const CString& where) {
    return QueryNumber(m_db,
                       "SELECT COUNT(*) FROM " + Bracket(table) + (where.IsEmpty() ? "" : " WHERE " + where));
}

} // namespace dbtest
