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
class CRowStore;

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
    // Binds the columns of fixed-size values (numbers, dates) and of texts among cTypes (the C type of
    // column index + 1; sizes: their column sizes, where known) where the driver allows, so that Fetch
    // fills them without a call per value; ReadInto takes them from there (a text longer than its buffer
    // is read again whole).
    void BindColumns(const std::vector<SQLSMALLINT>& cTypes, const std::vector<SQLULEN>& sizes);
    // Reads a column (1-based) of the current row straight into a row of the store, as the store
    // column's C type; NULL leaves the value NULL. Each column is read once.
    void ReadInto(short column, CRowStore& store, size_t row, size_t storeColumn);
    // The C type GetValue reads with: cType itself, or for 0 the natural C type of the SQL type.
    static SQLSMALLINT ResolveCType(SQLSMALLINT cType, SQLSMALLINT sqlType) noexcept;

private:
    struct Param;
    // Room for any fixed-size value (number, date).
    union FixedValue {
        unsigned char bytes[sizeof(TIMESTAMP_STRUCT)];
        TIMESTAMP_STRUCT timestamp;
        double real;
    };
    struct BoundColumn {
        FixedValue value;
        std::vector<char> text; // texts: the buffer
        SQLLEN indicator = 0;
        bool bound = false;
    };
    const BoundColumn* BoundAt(short column) const noexcept;
    // Stores a text of the driver in the program's code page.
    void StoreText(CRowStore& store, size_t row, size_t storeColumn, const CString& text);
    void BindParams();
    [[noreturn]] void Fail(SQLRETURN rc);
    CString ReadText(short column, bool binary, bool& isNull);
    // Reads a fixed-size value as cType; false for NULL.
    bool ReadFixed(short column, SQLSMALLINT cType, FixedValue& buffer);
    // Reads a text or binary value in pieces into the room sink.Begin / sink.Grow give; false for NULL.
    // start and length describe the bytes read (a text's closing '\0' not counted).
    template <typename Sink>
    bool ReadPieces(short column, bool binary, Sink& sink, char*& start, size_t& length);

    CDatabase& m_db;
    COdbcHandle m_stmt{SQL_HANDLE_STMT};
    std::vector<std::unique_ptr<Param>> m_params;
    std::vector<BoundColumn> m_columns; // by column - 1; sized once, as the driver holds their addresses
    bool m_bNoData = false;
};
