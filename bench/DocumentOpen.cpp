// Measures opening the time log over a database whose [Tasks] table holds 100,000 rows of the user:
// the open itself (check, every reference table, first-run guards, log-in), and the open followed by the
// log's batched load until the whole log is in memory, each next to a plain ODBC fetch of the same rows
// measured in the same run. On SQLite, and on PostgreSQL when TEST_PG_CONNSTR names a server.
//
//   bench_DocumentOpen.exe [rows]
#include "TaskRowsSupport.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace bench_tasks;

// A document as the program opens it, on the benchmark's database.
std::unique_ptr<CLogDoc> OpenDocument(const char* engine, const CString& connect, const CString& path) {
    auto doc = std::make_unique<CLogDoc>();
    doc->m_bAutoDelete = FALSE;
    doc->m_Database.UseConnectString(connect, engine);
    if (!doc->OnOpenDocument(path) || !doc->IsDatabaseUsable())
        std::printf("%s: the open did not reach a usable database\n", engine);
    return doc;
}

void LoadWholeLog(CLogDoc& doc) {
    bool more = true;
    for (bool first = true; more && doc.m_TaskSet.LoadNextBatch(&doc, first, &more); first = false) {
    }
}

void Run(const char* engine, const CString& connect, int rows, const CString& path) {
    CLogDoc setup;
    setup.m_Database.UseConnectString(connect, engine);
    setup.m_Database.OpenEx(connect);
    const Model model = MakeModel(setup);
    std::printf("%s: creating %d rows ...\n", engine, rows);
    CreateTasks(setup.m_Database, model, rows);
    OpenDocument(engine, connect, path); // the first open builds the other tables and the first-run data

    size_t rawRows = 0, logRows = 0;
    Timing raw, open, openAndLog;
    for (int round = 0; round < 3; ++round) {
        std::vector<RawRow> rawTarget;
        raw.Measure([&] { rawRows = RawFetch(setup.m_Database, rawTarget); });
        open.Measure([&] { OpenDocument(engine, connect, path); });
        openAndLog.Measure([&] {
            auto doc = OpenDocument(engine, connect, path);
            LoadWholeLog(*doc);
            logRows = static_cast<size_t>(doc->GetLogEntryCount());
        });
    }
    const auto line = [&](const char* what, size_t count, const Timing& t, const char* note) {
        std::printf("%s: %-32s %zu rows: %.3f s wall, %.3f s processor = %.2f x raw (wall), %.2f x raw "
                    "(processor)%s\n",
                    engine, what, count, t.wall, t.cpu, t.wall / raw.wall, t.cpu / raw.cpu, note);
    };
    line("raw ODBC fetch", rawRows, raw, "");
    line("open the log", rawRows, open, " (the log itself loads later, in idle time)");
    line("open, then the whole log loaded", logRows, openAndLog, " (target: 3 x raw, 1.5 s)");
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const CString path = CString(temp) + "bench_open_" + NewGuidString() + ".bmk";
    RunOnEngines("bench_open_", [rows, &path](const char* engine, const CString& connect) {
        RegWriteBool(REG_DATABASE, "Use ODBC", true);
        Run(engine, connect, rows, path);
    });
    DeleteFileA(path);
    return 0;
}
