// Measures the time entries' table as the time log uses it: 100,000 rows of [Tasks] loaded through
// CTaskSet into log entries (all at once, and in the idle-time batches of the log), next to a plain
// ODBC fetch of the same rows into bound buffers in the same run; and the write of one stopped entry
// (SaveEntry), which is durable when it returns. On SQLite, and on PostgreSQL when TEST_PG_CONNSTR names
// a server.
//
//   bench_TaskSetLoad.exe [rows]
#include "TaskRowsSupport.h"
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

using namespace bench_tasks;

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

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    RunOnEngines("bench_tasks_",
                 [rows](const char* engine, const CString& connect) { Run(engine, connect, rows); });
    return 0;
}
