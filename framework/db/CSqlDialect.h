// The SQL differences between the database engines the program meets. The program writes its SQL in one
// form (bracketed names, Access / SQL Server column types, ODBC date escapes); Translate turns it into
// what the connected engine accepts. The engine is found from the driver's DBMS name.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

#include <vector>

class CSqlDialect {
public:
    enum Engine { engineGeneric, engineAccess, engineSQLite, enginePostgreSQL };

    CSqlDialect() noexcept = default;
    explicit CSqlDialect(Engine engine) noexcept : m_engine(engine) {}
    // From SQLGetInfo(SQL_DBMS_NAME): "ACCESS" (any case) anywhere gives Access, "SQLite" SQLite,
    // "PostgreSQL" PostgreSQL, anything else the generic dialect.
    static CSqlDialect FromDbmsName(LPCSTR dbmsName);

    Engine GetEngine() const noexcept { return m_engine; }

    // Rewrites a statement for this engine; string literals are never touched.
    // - PostgreSQL: [Name] and "Name" become "name" (lower case, so that unquoted names in filters, which
    //   PostgreSQL folds to lower case, find the same columns); a LIKE whose left side is a column
    //   compares the column's text (CAST(col AS TEXT)), so LIKE works on number columns too.
    // - All engines: a table name that is a reserved word (Update, Order, User, Group ...) right after
    //   FROM, INTO, TABLE, JOIN or a leading UPDATE is quoted.
    // - In CREATE TABLE and ALTER TABLE, column types are mapped with MapColumnType.
    CString Translate(LPCSTR sql) const;

    // Maps one column type name of the program's schema to this engine's:
    // PostgreSQL: datetime -> timestamp, ntext/memo/longtext/longchar -> text, money/currency ->
    // numeric(19,4), bit/yesno/byte -> smallint, float/double -> double precision, single -> real,
    // long -> integer, counter/autoincrement -> serial, image/longbinary/oleobject -> bytea.
    // SQLite: counter/autoincrement -> integer primary key autoincrement; the rest is accepted as is.
    // Access and generic: unchanged.
    CString MapColumnType(LPCSTR type) const;

    // A name as a quoted identifier of this engine ([Name] on Access, "Name" elsewhere, lower case on
    // PostgreSQL). A name already in brackets or quotes is requoted.
    CString QuoteIdentifier(LPCSTR name) const;

    // A text as an SQL string literal: apostrophes doubled, so no text can end the literal.
    static CString QuoteText(LPCSTR text);
    // ODBC escape literals, {d 'yyyy-mm-dd'} and {ts 'yyyy-mm-dd hh:mm:ss'}, from the local date and time.
    // A time without fields (CTime outside 1970-3000, COleDateTime not valid) gives NULL.
    static CString DateLiteral(const CTime& time);
    static CString TimestampLiteral(const CTime& time);
    static CString DateLiteral(const COleDateTime& time);
    static CString TimestampLiteral(const COleDateTime& time);

    // SQLite keeps timestamps as text: they are bound as "yyyy-mm-dd hh:mm:ss" text so that stored values
    // compare equal to the {ts ...} literals of filters.
    bool BindsTimestampsAsText() const noexcept { return m_engine == engineSQLite; }

    // Hidden columns that identify a fetched row, so that an edit or delete reaches exactly that row
    // even in a table without a key: "rowid" on SQLite, "ctid, xmin" (place and row version) on
    // PostgreSQL; none elsewhere.
    std::vector<CString> GetRowLocatorColumns() const;
    // The WHERE condition that picks the row with these locator values (in GetRowLocatorColumns order).
    CString RowLocatorCondition(const std::vector<CString>& values) const;
    // PostgreSQL gives a changed row a new place: UPDATE ... RETURNING hands back the new locator.
    bool UpdateReturnsNewLocator() const noexcept { return m_engine == enginePostgreSQL; }

private:
    Engine m_engine = engineGeneric;
};
