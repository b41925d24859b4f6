// Measures how fast the program's recordsets load a large [Tasks] table: 100,000 rows shaped like the
// program's own [Tasks] (its 26 columns and types), read once through a CBaseRecordset that binds every
// column and once through plain ODBC calls with bound column buffers, on SQLite and, when
// TEST_PG_CONNSTR names a PostgreSQL server, on PostgreSQL. Prints the times and their ratio.
//
//   bench_recordset_load.exe [rows [set|raw]]
#include "data/CBaseRecordset.h"
#include "data/CLogDatabase.h"
#include "data/DatabaseSchema.h"
#include "foundation/SharedHelpers.h"
#include "framework/db/CSqlDialect.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// "set" or "raw" measures only that way of loading (for profiling); anything else both.
std::string g_mode;

// One [Tasks] row as the program keeps it.
struct TaskRow {
    CString text[15]; // the varchar(255) columns, in table order
    CString desc;
    CTime times[3];
    long numbers[5] = {};
    BOOL flags[2] = {};
    double money[2] = {};
};

class TaskRows : public CObject {
public:
    std::vector<TaskRow> rows;
};

std::vector<const SchemaRow*> TaskColumns() {
    std::vector<const SchemaRow*> columns;
    for (const SchemaRow* row = g_databaseSchema; *row->column; ++row)
        if (CString(row->table) == "Tasks")
            columns.push_back(row);
    return columns;
}

enum class Kind { text, desc, time, number, flag, money };

Kind KindOf(const SchemaRow& row) {
    const CString type = row.type;
    if (type == "ntext")
        return Kind::desc;
    if (type == "datetime")
        return Kind::time;
    if (type == "integer")
        return Kind::number;
    if (type == "bit")
        return Kind::flag;
    if (type == "money")
        return Kind::money;
    return Kind::text;
}

// Every column of [Tasks] bound to a field member.
class CTaskLoadSet : public CBaseRecordset {
public:
    explicit CTaskLoadSet(CDatabase* db) : CBaseRecordset(db), m_columns(TaskColumns()) {
        m_nFields = static_cast<UINT>(m_columns.size());
        for (const SchemaRow* column : m_columns) {
            m_names.push_back(CString("[") + column->column + "]");
            m_kinds.push_back(KindOf(*column));
        }
    }
    CString GetDefaultSQL() override { return "[Tasks]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        int text = 0, time = 0, number = 0, flag = 0, money = 0;
        for (size_t i = 0; i < m_columns.size(); ++i) {
            const CString& name = m_names[i];
            switch (m_kinds[i]) {
            case Kind::text:
                RFX_Text(pFX, name, m_row.text[text++], 255);
                break;
            case Kind::desc:
                RFX_Text(pFX, name, m_row.desc, 65536);
                break;
            case Kind::time:
                RFX_Date(pFX, name, m_row.times[time++]);
                break;
            case Kind::number:
                RFX_Long(pFX, name, m_row.numbers[number++]);
                break;
            case Kind::flag:
                RFX_Bool(pFX, name, m_row.flags[flag++]);
                break;
            case Kind::money:
                RFX_Double(pFX, name, m_row.money[money++]);
                break;
            }
        }
    }
    CString GetGUID() const override { return m_row.text[0]; }
    void TransferRow(CObject* target) override { static_cast<TaskRows*>(target)->rows.push_back(m_row); }

private:
    std::vector<const SchemaRow*> m_columns;
    std::vector<CString> m_names; // made once, as a set's literal names are
    std::vector<Kind> m_kinds;
    TaskRow m_row;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Processor time of this thread: steadier than the wall clock on a busy machine.
double ThreadSeconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

struct Timing {
    double wall = 1e9;
    double cpu = 1e9;
};

// Keeps the best wall and processor time of the runs.
template <typename Work> void Time(Timing& best, Work work) {
    LARGE_INTEGER start, end;
    const double cpuStart = ThreadSeconds();
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    best.wall = std::min(best.wall, Seconds(start, end));
    best.cpu = std::min(best.cpu, ThreadSeconds() - cpuStart);
}

CString Literal(const SchemaRow& column, int row) {
    CString value;
    switch (KindOf(column)) {
    case Kind::text:
        value.Format("%s %d", column.column, row);
        return CSqlDialect::QuoteText(value);
    case Kind::desc:
        value.Format("Worked on item %d of the plan, with notes that make the text a little longer.", row);
        return CSqlDialect::QuoteText(value);
    case Kind::time:
        return CSqlDialect::TimestampLiteral(CTime(2024, 1 + row % 12, 1 + row % 28, row % 24, row % 60, 0));
    case Kind::number:
        value.Format("%d", row % 100000);
        return value;
    case Kind::flag:
        return row % 2 ? "1" : "0";
    case Kind::money:
        value.Format("%d.25", row % 1000);
        return value;
    }
    return "NULL";
}

// Runs a statement as it stands (no dialect translation), on the database's connection.
void ExecRaw(CDatabase& db, const CString& sql) {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, db.m_hdbc, &stmt);
    const SQLRETURN rc =
        SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.GetString())), SQL_NTS);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    if (!SQL_SUCCEEDED(rc))
        AfxThrowDBException(rc, &db, SQL_NULL_HSTMT);
}

void CreateTasks(CDatabase& db, int rows) {
    const std::vector<const SchemaRow*> columns = TaskColumns();
    const CSqlDialect& dialect = db.GetDialect();
    CString create = "CREATE TABLE [Tasks] (", names;
    for (const SchemaRow* c : columns) {
        create += CString(c == columns.front() ? "" : ", ") + "[" + c->column + "] " + c->type;
        names += CString(c == columns.front() ? "" : ", ") + dialect.QuoteIdentifier(c->column);
    }
    db.ExecuteSQL(create + ")");
    // The rows go in large statements written for the engine already, so that filling the table takes
    // little of the run.
    db.BeginTrans();
    const int batch = 500;
    for (int first = 0; first < rows; first += batch) {
        CString insert = "INSERT INTO " + dialect.QuoteIdentifier("Tasks") + " (" + names + ") VALUES ";
        for (int row = first; row < std::min(rows, first + batch); ++row) {
            insert += row == first ? "(" : ", (";
            for (const SchemaRow* c : columns)
                insert += (c == columns.front() ? "" : ", ") + Literal(*c, row);
            insert += ")";
        }
        ExecRaw(db, insert);
    }
    db.CommitTrans();
}

// The same rows through plain ODBC: one statement, column buffers bound once, one SQLFetch per row.
// copy false: the rows are only fetched into the buffers (what the driver alone costs).
size_t RawLoad(CDatabase& db, TaskRows& target, bool copy = true) {
    const std::vector<const SchemaRow*> columns = TaskColumns();
    CString select = "SELECT ";
    for (const SchemaRow* c : columns)
        select += CString(c == columns.front() ? "" : ", ") + "[" + c->column + "]";
    select = db.GetDialect().Translate(select + " FROM [Tasks]");

    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, db.m_hdbc, &stmt);
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(select.GetString())),
                                     SQL_NTS))) {
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        return 0;
    }
    // Buffers sized as the columns are: some drivers fill the whole buffer on every fetch.
    struct Buffer {
        char text[4096];
        TIMESTAMP_STRUCT time;
        long number;
        double real;
        SQLLEN indicator;
    };
    std::vector<Buffer> buffers(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        Buffer& b = buffers[i];
        const auto n = static_cast<SQLUSMALLINT>(i + 1);
        switch (KindOf(*columns[i])) {
        case Kind::text:
            SQLBindCol(stmt, n, SQL_C_CHAR, b.text, 256, &b.indicator);
            break;
        case Kind::desc:
            SQLBindCol(stmt, n, SQL_C_CHAR, b.text, sizeof b.text, &b.indicator);
            break;
        case Kind::time:
            SQLBindCol(stmt, n, SQL_C_TYPE_TIMESTAMP, &b.time, sizeof b.time, &b.indicator);
            break;
        case Kind::number:
        case Kind::flag:
            SQLBindCol(stmt, n, SQL_C_SLONG, &b.number, sizeof b.number, &b.indicator);
            break;
        case Kind::money:
            SQLBindCol(stmt, n, SQL_C_DOUBLE, &b.real, sizeof b.real, &b.indicator);
            break;
        }
    }
    size_t fetched = 0;
    while (SQL_SUCCEEDED(SQLFetch(stmt))) {
        ++fetched;
        if (!copy)
            continue;
        TaskRow row;
        int text = 0, time = 0, number = 0, flag = 0, money = 0;
        for (size_t i = 0; i < columns.size(); ++i) {
            const Buffer& b = buffers[i];
            const bool null = b.indicator == SQL_NULL_DATA;
            switch (KindOf(*columns[i])) {
            case Kind::text:
                row.text[text++] = null ? "" : b.text;
                break;
            case Kind::desc:
                row.desc = null ? "" : b.text;
                break;
            case Kind::time:
                row.times[time++] = null ? CTime()
                                         : CTime(b.time.year, b.time.month, b.time.day, b.time.hour,
                                                 b.time.minute, b.time.second);
                break;
            case Kind::number:
                row.numbers[number++] = b.number;
                break;
            case Kind::flag:
                row.flags[flag++] = b.number != 0;
                break;
            case Kind::money:
                row.money[money++] = b.real;
                break;
            }
        }
        target.rows.push_back(std::move(row));
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return fetched;
}

void Run(const char* engine, const CString& connect, int rows) {
    CLogDatabase db;
    db.UseConnectString(connect, engine);
    db.OpenEx(connect);
    std::printf("%s: creating %d rows ...\n", engine, rows);
    Timing insert;
    Time(insert, [&] { CreateTasks(db, rows); });
    std::printf("%s: inserted in %.2f s\n", engine, insert.wall);

    Timing set, open, walk, raw, driver;
    size_t setRows = 0, rawRows = 0, driverRows = 0;
    for (int round = 0; round < 3; ++round) {
        if (g_mode != "raw") {
            TaskRows loaded;
            CTaskLoadSet tasks(&db);
            Time(set, [&] { tasks.LoadAll(&loaded); });
            setRows = loaded.rows.size();
            // The select and fetch alone, without handing the rows over.
            Time(open, [&] {
                tasks.Open();
                tasks.Close();
            });
            // Select, fetch and every row into the field members, without handing the rows over.
            Time(walk, [&] {
                tasks.Open();
                while (!tasks.IsEOF())
                    tasks.MoveNext();
                tasks.Close();
            });
        }
        if (g_mode != "set") {
            TaskRows loaded;
            Time(raw, [&] { rawRows = RawLoad(db, loaded); });
            TaskRows none;
            Time(driver, [&] { driverRows = RawLoad(db, none, false); });
        }
    }
    std::printf("%s: recordset LoadAll %zu rows: %.3f s wall, %.3f s processor (best of 3)\n", engine,
                setRows, set.wall, set.cpu);
    std::printf("%s:   of which Open  %zu rows: %.3f s wall, %.3f s processor (select and fetch)\n", engine,
                setRows, open.wall, open.cpu);
    std::printf("%s:   Open and walk  %zu rows: %.3f s wall, %.3f s processor (rows into the field "
                "members, not handed over)\n",
                engine, setRows, walk.wall, walk.cpu);
    std::printf("%s: raw ODBC fetch   %zu rows: %.3f s wall, %.3f s processor (best of 3)\n", engine, rawRows,
                raw.wall, raw.cpu);
    std::printf("%s: driver alone     %zu rows: %.3f s wall, %.3f s processor (fetch into bound buffers, "
                "nothing copied)\n",
                engine, driverRows, driver.wall, driver.cpu);
    std::printf("%s: recordset / raw = %.2f (wall), %.2f (processor)\n", engine, set.wall / raw.wall,
                set.cpu / raw.cpu);
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    g_mode = argc > 2 ? argv[2] : "";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const CString file = CString(temp) + "bench_recordset_load_" + NewGuidString() + ".db";
    try {
        Run("SQLite", "ODBC;DRIVER={SQLite3};Database=" + file + ";", rows);
    } catch (CException* e) {
        char text[1000] = {};
        e->GetErrorMessage(text, sizeof text);
        std::printf("SQLite: failed: %s\n", text);
        e->Delete();
    }
    DeleteFileA(file);

    const char* pg = std::getenv("TEST_PG_CONNSTR");
    if (!pg || !*pg) {
        std::printf("PostgreSQL: TEST_PG_CONNSTR is not set\n");
        return 0;
    }
    const CString schema = "bench_" + CString(std::to_string(GetCurrentProcessId()).c_str());
    CDatabase admin;
    try {
        admin.OpenEx(CString("ODBC;") + pg);
        admin.ExecuteSQL("CREATE SCHEMA " + schema);
        Run("PostgreSQL", CString("ODBC;") + pg + ";ConnSettings={SET search_path TO " + schema + "};", rows);
    } catch (CException* e) {
        char text[1000] = {};
        e->GetErrorMessage(text, sizeof text);
        std::printf("PostgreSQL: failed: %s\n", text);
        e->Delete();
    }
    try {
        if (admin.IsOpen())
            admin.ExecuteSQL("DROP SCHEMA " + schema + " CASCADE");
    } catch (CException* e) {
        e->Delete();
    }
    return 0;
}
