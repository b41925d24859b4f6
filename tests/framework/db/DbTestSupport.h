// Shared set-up of the database tests: every test runs against SQLite (a database file of its own) and,
// when TEST_PG_CONNSTR names a PostgreSQL server, against PostgreSQL too (tables of its own, dropped
// afterwards).
#pragma once

#include "DbQuery.h"
#include "framework/db/CDatabase.h"
#include "framework/db/CRecordset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dbtest {

// "sqlite" or "postgres", the parameter of the engine-parameterised tests.
inline std::string EngineName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

// A file name in the temp folder that no other test uses.
CString UniqueTempPath(const char* extension);

// Catches the CDBException of an action; nullptr when none was thrown. The caller owns the result.
template <typename Action> CDBException* CatchDb(Action action) {
    try {
        action();
    } catch (CDBException* e) {
        return e;
    }
    return nullptr;
}

// Owns a caught exception.
struct DbError {
    explicit DbError(CDBException* e) : e(e) {}
    ~DbError() {
        if (e)
            e->Delete();
    }
    DbError(const DbError&) = delete;
    DbError& operator=(const DbError&) = delete;
    CDBException* operator->() const { return e; }
    explicit operator bool() const { return e != nullptr; }
    CDBException* e;
};

class EngineTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override;
    void TearDown() override;

    bool IsPostgres() const { return std::string(GetParam()) == "postgres"; }
    // A new table name for this test (dropped at the end); the name as it goes between brackets.
    CString NewTable(const char* base);
    // "[name]"
    static CString Bracket(const CString& name) { return "[" + name + "]"; }
    void Exec(const CString& sql) { m_db.ExecuteSQL(sql); }
    long Count(const CString& table, const CString& where = CString());

    CString m_connect; // "ODBC;..." for this engine
    CDatabase m_db;

private:
    CString m_file;
    std::vector<CString> m_tables;
};

} // namespace dbtest
