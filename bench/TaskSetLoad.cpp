// Measures the time entries' table as the time log uses it: 100,000 rows of [Tasks] loaded through
// CTaskSet into log entries (all at once, and in the idle-time batches of the log), next to a plain
// ODBC fetch of the same rows into bound buffers in the same run; and the write of one stopped entry
// (SaveEntry), which is durable when it returns. On SQLite, and on PostgreSQL when TEST_PG_CONNSTR names
// a server.
//
//   bench_TaskSetLoad.exe [rows]
#include "data/CTaskSet.h"
#include "data/DatabaseSchema.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/db/CSqlDialect.h"
#include "timelog/CLogDoc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kUser = "bench user";

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
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

// The best wall and processor times of the runs measured into it.
struct Timing {
    double wall = 1e9;
    double cpu = 1e9;
    template <typename Work> void Measure(Work work) {
        const double wallStart = Now(), cpuStart = ThreadSeconds();
        work();
        wall = std::min(wall, Now() - wallStart);
        cpu = std::min(cpu, ThreadSeconds() - cpuStart);
    }
};

std::vector<const SchemaRow*> TaskColumns() {
    std::vector<const SchemaRow*> columns;
    for (const SchemaRow* row = g_databaseSchema; *row->column; ++row)
        if (CString(row->table) == "Tasks")
            columns.push_back(row);
    return columns;
}

// The objects the rows refer to, as a document holds them.
struct Model {
    std::vector<CString> projects, clients, categories, subsystems;
    CString user;
};

CString Numbered(const char* prefix, int n) {
    CString text;
    text.Format("%s %d", prefix, n);
    return text;
}

Model MakeModel(CLogDoc& doc) {
    Model model;
    for (int i = 0; i < 5; ++i) {
        auto* project = new CProject(Numbered("Project", i), 0.0);
        doc.AddProject(project);
        model.projects.push_back(project->GetGUID());
        auto* client = new CClient;
        doc.AddClient(client);
        model.clients.push_back(client->GetGUID());
        auto* category = new CCategory(Numbered("Category", i), "");
        doc.AddCategory(category);
        model.categories.push_back(category->GetGUID());
        auto* subsystem = new CSubsystem(Numbered("Subsystem", i));
        doc.AddSubsystem(subsystem);
        model.subsystems.push_back(subsystem->GetGUID());
    }
    auto* user = new CUser(kUser);
    doc.AddUser(user);
    model.user = user->GetGUID();
    doc.EnsureNoneProject();
    return model;
}

CString Row(const Model& model, int i) {
    const auto q = [](const CString& text) { return CSqlDialect::QuoteText(text); };
    const CTime start = CTime(2020, 1, 1, 8, 0, 0) + CTimeSpan(0, 0, 20 * i, 0);
    CString guid;
    guid.Format("%08X-0000-0000-0000-%012d", i, i);
    CString desc;
    desc.Format("Worked on item %d of the plan, with notes that make the text a little longer.", i);
    CString values = "(" + q(guid) + ", " + CSqlDialect::TimestampLiteral(start) + ", " +
                     CSqlDialect::TimestampLiteral(start) + ", " + q(kUser) + ", " +
                     CSqlDialect::TimestampLiteral(start) + ", " +
                     CSqlDialect::TimestampLiteral(start + CTimeSpan(0, 0, 15, 0)) + ", 900, " +
                     q(model.clients[i % 5]) + ", " + q(model.projects[i % 5]) + ", " +
                     q(model.categories[i % 5]) + ", " + q(model.subsystems[i % 5]) + ", " + q(model.user) +
                     ", " + q(desc) + ", 0, 1, '', " + "-1, -1, -1, 'text one', '', '', -1, '', 12.5, 25)";
    return values;
}

void CreateTasks(CDatabase& db, const Model& model, int rows) {
    CString create = "CREATE TABLE [Tasks] (";
    bool first = true;
    for (const SchemaRow* c : TaskColumns()) {
        create += CString(first ? "" : ", ") + "[" + c->column + "] " + c->type;
        first = false;
    }
    db.ExecuteSQL(create + ")");
    const CString columns =
        "([GUID], [Created], [Modified], [Username], [StartTime], [EndTime], [Duration], "
        "[ClientID], [ProjectID], [CategoryID], [SubsystemID], [UserID], [Desc], [Billed], "
        "[Billable], [OrganizationID], [ProjProjectID], [ProjResourceID], [ProjAssignmentID], "
        "[UserText1], [UserText2], [UserText3], [MSTaskID], [ProjectTaskID], [CostSalary], "
        "[CostClient])";
    db.BeginTrans();
    for (int firstRow = 0; firstRow < rows; firstRow += 500) {
        CString insert = "INSERT INTO [Tasks] " + columns + " VALUES ";
        for (int i = firstRow; i < std::min(rows, firstRow + 500); ++i)
            insert += (i == firstRow ? "" : ", ") + Row(model, i);
        db.ExecuteSQL(insert);
    }
    db.CommitTrans();
}

// One row as a plain reader keeps it.
struct RawRow {
    std::vector<CString> texts;
    TIMESTAMP_STRUCT times[3] = {};
    long numbers[6] = {};
    double money[2] = {};
};

// The same rows through plain ODBC: one statement, buffers bound once, one fetch per row, each row's
// values copied out into a row that is kept (as any reader must).
size_t RawFetch(CDatabase& db, std::vector<RawRow>& rows) {
    const std::vector<const SchemaRow*> columns = TaskColumns();
    CString select = "SELECT ";
    for (const SchemaRow* c : columns)
        select += CString(c == columns.front() ? "" : ", ") + "[" + c->column + "]";
    select = db.GetDialect().Translate(select + " FROM [Tasks] WHERE [Username] = '" + kUser + "'");
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, db.m_hdbc, &stmt);
    enum Kind { textKind, timeKind, numberKind, moneyKind };
    struct Buffer {
        Kind kind = textKind;
        char text[1024];
        TIMESTAMP_STRUCT time;
        SQLINTEGER number;
        double real;
        SQLLEN indicator;
    };
    std::vector<Buffer> buffers(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        const CString type = columns[i]->type;
        Buffer& b = buffers[i];
        const auto n = static_cast<SQLUSMALLINT>(i + 1);
        if (type == "datetime") {
            b.kind = timeKind;
            SQLBindCol(stmt, n, SQL_C_TYPE_TIMESTAMP, &b.time, sizeof b.time, &b.indicator);
        } else if (type == "integer" || type == "bit") {
            b.kind = numberKind;
            SQLBindCol(stmt, n, SQL_C_SLONG, &b.number, sizeof b.number, &b.indicator);
        } else if (type == "money") {
            b.kind = moneyKind;
            SQLBindCol(stmt, n, SQL_C_DOUBLE, &b.real, sizeof b.real, &b.indicator);
        } else {
            SQLBindCol(stmt, n, SQL_C_CHAR, b.text, sizeof b.text, &b.indicator);
        }
    }
    if (SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(select.GetString())),
                                    SQL_NTS))) {
        while (SQL_SUCCEEDED(SQLFetch(stmt))) {
            RawRow& row = rows.emplace_back();
            int times = 0, numbers = 0, amounts = 0;
            for (const Buffer& b : buffers) {
                const bool null = b.indicator == SQL_NULL_DATA;
                switch (b.kind) {
                case textKind:
                    row.texts.emplace_back(null ? "" : b.text);
                    break;
                case timeKind:
                    row.times[times++] = b.time;
                    break;
                case numberKind:
                    row.numbers[numbers++] = b.number;
                    break;
                case moneyKind:
                    row.money[amounts++] = b.real;
                    break;
                }
            }
        }
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return rows.size();
}

void DeleteEntries(CObArray& entries) {
    for (INT_PTR i = 0; i < entries.GetSize(); ++i)
        delete entries.GetAt(i);
    entries.RemoveAll();
}

void Run(const char* engine, const CString& connect, int rows) {
    CLogDoc doc;
    doc.m_Database.UseConnectString(connect, engine);
    doc.m_Database.OpenEx(connect);
    const Model model = MakeModel(doc);
    std::printf("%s: creating %d rows ...\n", engine, rows);
    CreateTasks(doc.m_Database, model, rows);

    // Each way three times, in turns, so that both meet the same load of the machine; the best counts.
    size_t rawRows = 0, setRows = 0;
    Timing raw, load, walk, batches;
    CTaskSet& tasks = doc.m_TaskSet;
    for (int round = 0; round < 3; ++round) {
        std::vector<RawRow> rawTarget;
        raw.Measure([&] { rawRows = RawFetch(doc.m_Database, rawTarget); });
        CObArray entries;
        load.Measure([&] { tasks.LoadEntries(nullptr, nullptr, nullptr, CTime(), CTime(), &entries, &doc); });
        setRows = static_cast<size_t>(entries.GetSize());
        DeleteEntries(entries);
        walk.Measure([&] {
            tasks.m_strFilter.Empty();
            tasks.Open();
            while (!tasks.IsEOF())
                tasks.MoveNext();
            tasks.Close();
        });
        for (int i = 0; i < doc.GetLogEntryCount(); ++i)
            delete doc.GetLogEntryAt(i);
        doc.m_LogEntries.RemoveAll();
        batches.Measure([&] {
            bool more = true;
            for (bool first = true; more && tasks.LoadNextBatch(&doc, first, &more); first = false) {
            }
        });
    }
    const auto line = [&](const char* what, size_t count, const Timing& t, const char* note) {
        std::printf("%s: %-28s %zu rows: %.3f s wall, %.3f s processor = %.2f x raw (wall), %.2f x raw "
                    "(processor)%s\n",
                    engine, what, count, t.wall, t.cpu, t.wall / raw.wall, t.cpu / raw.cpu, note);
    };
    line("raw ODBC fetch", rawRows, raw, "");
    line("CTaskSet rows only", setRows, walk, " (into its members, no entries)");
    line("CTaskSet into entries", setRows, load, " (target: 2 x raw, 1.5 s)");
    line("batched load of the log", static_cast<size_t>(doc.GetLogEntryCount()), batches, " (100 a pass)");

    // One stopped entry at a time, as the timer stores it; each is on disk when SaveEntry returns. The
    // first write adds the index on [GUID] once.
    std::vector<double> saves;
    for (int i = 0; i <= 20; ++i) {
        CLogEntry entry;
        entry.SetUserName(kUser);
        entry.m_pProject = doc.GetProjectAt(0);
        entry.m_Desc = "A stopped entry";
        entry.SetStartTime(CTime::GetCurrentTime() - CTimeSpan(0, 1, 0, 0));
        entry.SetStopTime(CTime::GetCurrentTime());
        bool saved = false;
        const double start = Now();
        saved = tasks.SaveEntry(&doc, &entry);
        saves.push_back(Now() - start);
        if (!saved)
            std::printf("%s: SaveEntry failed\n", engine);
    }
    const double first = saves.front();
    saves.erase(saves.begin());
    std::sort(saves.begin(), saves.end());
    std::printf("%s: SaveEntry of a stopped entry into %d rows: median %.1f ms, slowest %.1f ms of 20 "
                "(target: 50 ms); the first, which adds the index: %.1f ms\n",
                engine, rows, saves[saves.size() / 2] * 1000, saves.back() * 1000, first * 1000);
}

void Report(const char* engine, CException* e) {
    char text[1000] = {};
    e->GetErrorMessage(text, sizeof text);
    std::printf("%s: failed: %s\n", engine, text);
    e->Delete();
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const CString root = "Software\\BrindlemarkBench\\" + NewGuidString();
    RegSetTestRoot(root);
    RegWriteString(REG_DATABASE, "Username", kUser);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const CString file = CString(temp) + "bench_task_set_" + NewGuidString() + ".db";
    try {
        Run("SQLite", "ODBC;DRIVER={SQLite3};Database=" + file + ";", rows);
    } catch (CException* e) {
        Report("SQLite", e);
    }
    DeleteFileA(file);

    const char* pg = std::getenv("TEST_PG_CONNSTR");
    if (pg && *pg) {
        const CString schema = "bench_tasks_" + CString(std::to_string(GetCurrentProcessId()).c_str());
        CDatabase admin;
        try {
            admin.OpenEx(CString("ODBC;") + pg);
            admin.ExecuteSQL("CREATE SCHEMA " + schema);
            Run("PostgreSQL", CString("ODBC;") + pg + ";ConnSettings={SET search_path TO " + schema + "};",
                rows);
        } catch (CException* e) {
            Report("PostgreSQL", e);
        }
        try {
            if (admin.IsOpen())
                admin.ExecuteSQL("DROP SCHEMA " + schema + " CASCADE");
        } catch (CException* e) {
            e->Delete();
        }
    } else {
        std::printf("PostgreSQL: TEST_PG_CONNSTR is not set\n");
    }
    RegSetTestRoot(nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, root);
    RegDeleteKeyA(HKEY_CURRENT_USER, root);
    return 0;
}
