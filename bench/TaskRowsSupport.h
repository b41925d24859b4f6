// Shared by the benchmarks of the time entries' table: a model of the objects the rows refer to, a
// [Tasks] table of n rows of one user, the plain ODBC fetch of those rows that the figures are measured
// against, and the best-of-runs timing.
#pragma once

#include "data/CTaskSet.h"
#include "data/DatabaseSchema.h"
#include "framework/db/CSqlDialect.h"
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace bench_tasks {

inline const char* const kUser = "bench user";

inline double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Processor time of this thread: steadier than the wall clock on a busy machine.
inline double ThreadSeconds() {
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

inline std::vector<const SchemaRow*> TaskColumns() {
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

inline CString Numbered(const char* prefix, int n) {
    CString text;
    text.Format("%s %d", prefix, n);
    return text;
}

inline Model MakeModel(CLogDoc& doc) {
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

inline CString Row(const Model& model, int i) {
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

// Adds n rows of the model's user to an existing [Tasks] table, in one transaction.
inline void InsertTasks(CDatabase& db, const Model& model, int rows) {
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

inline void CreateTasks(CDatabase& db, const Model& model, int rows) {
    CString create = "CREATE TABLE [Tasks] (";
    bool first = true;
    for (const SchemaRow* c : TaskColumns()) {
        create += CString(first ? "" : ", ") + "[" + c->column + "] " + c->type;
        first = false;
    }
    db.ExecuteSQL(create + ")");
    InsertTasks(db, model, rows);
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
inline size_t RawFetch(CDatabase& db, std::vector<RawRow>& rows) {
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

inline void ReportFailure(const char* engine, CException* e) {
    char text[1000] = {};
    e->GetErrorMessage(text, sizeof text);
    std::printf("%s: failed: %s\n", engine, text);
    e->Delete();
}

// Runs run(engine, connect) on a scratch SQLite file, then on a schema of its own on the PostgreSQL server
// of TEST_PG_CONNSTR when it is set, under a registry root of its own whose user is kUser; prefix names
// the scratch files and schemas.
inline void RunOnEngines(const char* prefix, const std::function<void(const char*, const CString&)>& run) {
    const CString root = "Software\\BrindlemarkBench\\" + NewGuidString();
    RegSetTestRoot(root);
    RegWriteString(REG_DATABASE, "Username", kUser);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const CString file = CString(temp) + prefix + NewGuidString() + ".db";
    try {
        run("SQLite", "ODBC;DRIVER={SQLite3};Database=" + file + ";");
    } catch (CException* e) {
        ReportFailure("SQLite", e);
    }
    DeleteFileA(file);

    const char* pg = std::getenv("TEST_PG_CONNSTR");
    if (pg && *pg) {
        const CString schema = prefix + CString(std::to_string(GetCurrentProcessId()).c_str());
        CDatabase admin;
        try {
            admin.OpenEx(CString("ODBC;") + pg);
            admin.ExecuteSQL("CREATE SCHEMA " + schema);
            run("PostgreSQL", CString("ODBC;") + pg + ";ConnSettings={SET search_path TO " + schema + "};");
        } catch (CException* e) {
            ReportFailure("PostgreSQL", e);
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
}

} // namespace bench_tasks
