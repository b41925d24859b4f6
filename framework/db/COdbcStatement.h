// One ODBC statement on a database: parameters, execution and reading of the result. The statement
// handle is freed with the object, so no cursor outlives the operation that needed it.
#pragma once

#include "framework/db/AfxDb.h"
#include "framework/db/CDBVariant.h"
#include "framework/db/CODBCFieldInfo.h"
#include "framework/db/COdbcHandle.h"

#include <memory>
#include <string>
#include <vector>

class CDatabase;

class COdbcStatement {
public:
    // Allocates the statement on the open database (CDBException when it is not open or the driver
    // fails) and applies the database's query timeout.
    explicit COdbcStatement(CDatabase& db);
    ~COdbcStatement();
    COdbcStatement(const COdbcStatement&) = delete;
    COdbcStatement& operator=(const COdbcStatement&) = delete;

    HSTMT GetHandle() const noexcept { return m_stmt.Get(); }

    // Adds the value of the next "?" marker (copied). A NULL value is declared with nullSqlType.
    void AddParam(const CDBVariant& value, SQLSMALLINT nullSqlType = SQL_VARCHAR);
    // Binds the parameters and executes sql as it stands (no dialect translation). Throws CDBException.
    void Execute(const CString& sql);
    // Rows changed by an INSERT, UPDATE or DELETE (-1 when the driver cannot tell).
    SQLLEN GetRowCount();
    short GetColumnCount();
    CODBCFieldInfo DescribeColumn(short column); // 1-based
    // Next row; false at the end. Throws CDBException.
    bool Fetch();
    // The value of a column (1-based) of the current row, read as the ODBC C type cType (SQL_C_CHAR,
    // SQL_C_SLONG ...) or, with cType 0, as the natural type of its SQL type. Each column is read once.
    CDBVariant GetValue(short column, SQLSMALLINT cType, SQLSMALLINT sqlType = 0);

private:
    struct Param;
    void BindParams();
    [[noreturn]] void Fail(SQLRETURN rc);
    CString ReadText(short column, bool binary, bool& isNull);

    CDatabase& m_db;
    COdbcHandle m_stmt{SQL_HANDLE_STMT};
    std::vector<std::unique_ptr<Param>> m_params;
    bool m_bNoData = false;
};
