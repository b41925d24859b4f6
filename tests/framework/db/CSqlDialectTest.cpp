#include "framework/db/CSqlDialect.h"

#include <gtest/gtest.h>

namespace {

struct TranslateCase {
    CSqlDialect::Engine engine;
    const char* in;
    const char* out;
};

const char* EngineLabel(CSqlDialect::Engine e) {
    switch (e) {
    case CSqlDialect::engineAccess:
        return "Access";
    case CSqlDialect::engineSQLite:
        return "SQLite";
    case CSqlDialect::enginePostgreSQL:
        return "PostgreSQL";
    default:
        return "generic";
    }
}

TEST(CSqlDialect, TranslatesStatementsPerEngine) {
    const CSqlDialect::Engine pg = CSqlDialect::enginePostgreSQL;
    const CSqlDialect::Engine lite = CSqlDialect::engineSQLite;
    const CSqlDialect::Engine access = CSqlDialect::engineAccess;
    const CSqlDialect::Engine generic = CSqlDialect::engineGeneric;
    const TranslateCase cases[] = {
        // Identifiers: PostgreSQL takes double quotes and folds unquoted names to lower case.
        {pg, "SELECT [Name], [Company name] FROM [Tasks]",
         "SELECT \"name\", \"company name\" FROM \"tasks\""},
        {pg, "SELECT \"GUID\" FROM \"Tasks\" WHERE Username = 'Ann'",
         "SELECT \"guid\" FROM \"tasks\" WHERE Username = 'Ann'"},
        {pg, "SELECT [Odd\"Name] FROM t", "SELECT \"odd\"\"name\" FROM t"},
        // String literals are never touched, whatever they hold.
        {pg, "SELECT 1 FROM t WHERE [A] = 'x [B] \"C\" it''s LIKE datetime'",
         "SELECT 1 FROM t WHERE \"a\" = 'x [B] \"C\" it''s LIKE datetime'"},
        // LIKE compares text, also on number columns.
        {pg, "Billed LIKE '0'", "CAST(Billed AS TEXT) LIKE '0'"},
        {pg, "[ProjectID] NOT LIKE 'x%' AND Name LIKE 'a'",
         "CAST(\"projectid\" AS TEXT) NOT LIKE 'x%' AND CAST(Name AS TEXT) LIKE 'a'"},
        {pg, "t.Billed LIKE '1'", "CAST(t.Billed AS TEXT) LIKE '1'"},
        {pg, "UPPER(Name) LIKE 'A%'", "UPPER(Name) LIKE 'A%'"},
        // Column types in table definitions only.
        {pg, "CREATE TABLE \"Tasks\" ( \"Created\" datetime )",
         "CREATE TABLE \"tasks\" ( \"created\" timestamp )"},
        {pg, "ALTER TABLE Tasks ADD  \"Desc\" ntext", "ALTER TABLE Tasks ADD  \"desc\" text"},
        {pg, "CREATE TABLE t (Memo memo, Amount currency, Rate money, Flag bit, F float, Id counter, N long)",
         "CREATE TABLE t (Memo text, Amount numeric(19,4), Rate numeric(19,4), Flag smallint, F double "
         "precision, "
         "Id serial, N integer)"},
        {pg, "CREATE TABLE t (a varchar(255) NOT NULL, b integer)",
         "CREATE TABLE t (a varchar(255) NOT NULL, b integer)"},
        {pg, "SELECT datetime, money FROM t", "SELECT datetime, money FROM t"},
        // Tables named after reserved words.
        {pg, "SELECT * FROM Update", "SELECT * FROM \"update\""},
        {pg, "ALTER TABLE Update ADD \"Objects\" integer", "ALTER TABLE \"update\" ADD \"objects\" integer"},
        {pg, "UPDATE Update SET Objects = 1", "UPDATE \"update\" SET Objects = 1"},
        {pg, "INSERT INTO Order (a) VALUES (1)", "INSERT INTO \"order\" (a) VALUES (1)"},
        {pg, "DELETE FROM User WHERE a = 1", "DELETE FROM \"user\" WHERE a = 1"},
        {pg, "SELECT * FROM Tasks ORDER BY StartTime DESC", "SELECT * FROM Tasks ORDER BY StartTime DESC"},
        // ODBC escapes pass to the driver.
        {pg, "StartTime >= {ts '2004-08-04 00:00:00'}", "StartTime >= {ts '2004-08-04 00:00:00'}"},
        // SQLite accepts brackets and LIKE on numbers; reserved table names and counters are adapted.
        {lite, "SELECT [Name] FROM [Tasks] WHERE Billed LIKE '0'",
         "SELECT [Name] FROM [Tasks] WHERE Billed LIKE '0'"},
        {lite, "SELECT * FROM Update", "SELECT * FROM \"Update\""},
        {lite, "CREATE TABLE t (ID counter, x datetime, m money)",
         "CREATE TABLE t (ID integer primary key autoincrement, x datetime, m money)"},
        {lite, "CREATE TABLE t (ID INTEGER PRIMARY KEY AUTOINCREMENT)",
         "CREATE TABLE t (ID INTEGER PRIMARY KEY AUTOINCREMENT)"},
        // Access is the program's own dialect.
        {access, "CREATE TABLE [T] ([D] datetime, [N] ntext)", "CREATE TABLE [T] ([D] datetime, [N] ntext)"},
        {access, "SELECT * FROM Update", "SELECT * FROM [Update]"},
        // Other engines: standard quotes.
        {generic, "SELECT [Name] FROM [Tasks]", "SELECT \"Name\" FROM \"Tasks\""},
    };
    for (const TranslateCase& c : cases) {
        const CSqlDialect dialect(c.engine);
        EXPECT_STREQ(dialect.Translate(c.in), c.out) << EngineLabel(c.engine) << ": " << c.in;
    }
}

TEST(CSqlDialect, EngineFromDbmsName) {
    const struct {
        const char* name;
        CSqlDialect::Engine engine;
    } cases[] = {
        {"ACCESS", CSqlDialect::engineAccess},
        {"Microsoft Access", CSqlDialect::engineAccess},
        {"SQLite", CSqlDialect::engineSQLite},
        {"PostgreSQL", CSqlDialect::enginePostgreSQL},
        {"Microsoft SQL Server", CSqlDialect::engineGeneric},
        {"", CSqlDialect::engineGeneric},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSqlDialect::FromDbmsName(c.name).GetEngine(), c.engine) << c.name;
    EXPECT_EQ(CSqlDialect::FromDbmsName(nullptr).GetEngine(), CSqlDialect::engineGeneric);
}

TEST(CSqlDialect, QuotedTextCannotEndTheLiteral) {
    const struct {
        const char* text;
        const char* literal;
    } cases[] = {
        {"", "''"},
        {"Ann", "'Ann'"},
        {"it's", "'it''s'"},
        {"x' OR '1'='1", "'x'' OR ''1''=''1'"},
        {"'; DROP TABLE Tasks; --", "'''; DROP TABLE Tasks; --'"},
        {"''", "''''''"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CSqlDialect::QuoteText(c.text), c.literal) << c.text;
}

TEST(CSqlDialect, QuoteIdentifierPerEngine) {
    EXPECT_STREQ(CSqlDialect(CSqlDialect::enginePostgreSQL).QuoteIdentifier("[Company name]"),
                 "\"company name\"");
    EXPECT_STREQ(CSqlDialect(CSqlDialect::engineSQLite).QuoteIdentifier("Company name"), "\"Company name\"");
    EXPECT_STREQ(CSqlDialect(CSqlDialect::engineAccess).QuoteIdentifier("\"Company name\""),
                 "[Company name]");
    EXPECT_STREQ(CSqlDialect(CSqlDialect::engineGeneric).QuoteIdentifier("a\"b"), "\"a\"\"b\"");
}

TEST(CSqlDialect, DateLiteralsAreOdbcEscapesIndependentOfLocale) {
    const CTime time(2004, 8, 4, 13, 5, 9);
    EXPECT_STREQ(CSqlDialect::DateLiteral(time), "{d '2004-08-04'}");
    EXPECT_STREQ(CSqlDialect::TimestampLiteral(time), "{ts '2004-08-04 13:05:09'}");
    const COleDateTime ole(1899, 12, 31, 23, 59, 58);
    EXPECT_STREQ(CSqlDialect::DateLiteral(ole), "{d '1899-12-31'}");
    EXPECT_STREQ(CSqlDialect::TimestampLiteral(ole), "{ts '1899-12-31 23:59:58'}");

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_STREQ(CSqlDialect::TimestampLiteral(invalid), "NULL");
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_STREQ(CSqlDialect::DateLiteral(null), "NULL");
}

TEST(CSqlDialect, ColumnTypeMapping) {
    const CSqlDialect pg(CSqlDialect::enginePostgreSQL);
    const struct {
        const char* from;
        const char* to;
    } cases[] = {{"datetime", "timestamp"},
                 {"NTEXT", "text"},
                 {"memo", "text"},
                 {"longtext", "text"},
                 {"money", "numeric(19,4)"},
                 {"currency", "numeric(19,4)"},
                 {"bit", "smallint"},
                 {"float", "double precision"},
                 {"counter", "serial"},
                 {"long", "integer"},
                 {"integer", "integer"},
                 {"varchar(255)", "varchar(255)"},
                 {"text", "text"}};
    for (const auto& c : cases)
        EXPECT_STREQ(pg.MapColumnType(c.from), c.to) << c.from;
    EXPECT_STREQ(CSqlDialect(CSqlDialect::engineSQLite).MapColumnType("datetime"), "datetime");
    EXPECT_STREQ(CSqlDialect(CSqlDialect::engineAccess).MapColumnType("ntext"), "ntext");
}

TEST(CSqlDialect, RowLocators) {
    const CSqlDialect lite(CSqlDialect::engineSQLite);
    ASSERT_EQ(lite.GetRowLocatorColumns().size(), 1u);
    EXPECT_STREQ(lite.RowLocatorCondition({"42"}), "rowid = 42");
    EXPECT_STREQ(lite.RowLocatorCondition({"4' OR 1=1"}), "rowid = '4'' OR 1=1'");
    const CSqlDialect pg(CSqlDialect::enginePostgreSQL);
    ASSERT_EQ(pg.GetRowLocatorColumns().size(), 2u);
    EXPECT_STREQ(pg.RowLocatorCondition({"(0,1)", "747"}), "ctid = '(0,1)' AND xmin = '747'");
    EXPECT_TRUE(CSqlDialect(CSqlDialect::engineAccess).GetRowLocatorColumns().empty());
}

} // namespace
