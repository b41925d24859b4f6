// Measures how long stopping the timed entry takes until it is durable: the running row of [Tasks]
// updated, the "Logging\" mirror written and the log file saved, over a log of 100,000 entries (the whole
// log loaded, as after the first idle pass). Next to it, in the same run, the reference: one plain ODBC
// update of one [Tasks] row by its GUID. On SQLite, and on PostgreSQL when TEST_PG_CONNSTR names a
// server.
//
//   bench_StopDurable.exe [rows]
#include "TaskRowsSupport.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace bench_tasks;

// The main window and its log grid as far as the timer asks them: present, and showing nothing.
class BenchLogView : public ILogView {
public:
    bool HasUnfinishedRow() override { return false; }
    CLogEntry* GetEntryAtRow(DWORD) override { return nullptr; }
    CLogEntry* GetSelectedEntry() override { return nullptr; }
    void RefreshEntryRow(CLogEntry*) override {}
    void RefreshAllRows() override {}
    void ApplySort() override {}
    void ApplyFilter(const CViewFilter&) override {}
    void ApplyGrayBar() override {}
    void ResetRowHeights() override {}
    void Redraw() override {}
    void GetSelectedRows(CDWordArray&, CDWordArray&) override {}
    void SelectRows(const CDWordArray&, const CDWordArray&) override {}
    void SelectEntryRow(CLogEntry*) override {}
    void ClearSelection() override {}
};

class BenchFrame : public ILogDocFrame {
public:
    explicit BenchFrame(CLogDoc* pDoc) : m_pDoc(pDoc) { SetLogDocFrame(this); }
    ~BenchFrame() override { SetLogDocFrame(nullptr); }
    BenchFrame(const BenchFrame&) = delete;
    BenchFrame& operator=(const BenchFrame&) = delete;
    CLogDoc* GetLogViewDocument() override { return m_pDoc; }
    ILogView* GetLogView() override { return &m_view; }
    bool GetLogColumnIds(CDWordArray&) override { return false; }
    void ReportError(const char* message, long, const char*) override { std::printf("error: %s\n", message); }
    void SetErrorSuppression(bool) override {}
    bool GetErrorSuppression() const override { return false; }
    int GetErrorCount() const override { return 0; }
    void ClearErrors() override {}
    void RefreshTimesheetView() override {}
    void RefreshInvoiceView() override {}
    void RefreshTaskView() override {}
    bool GetSelectedProjectTask(CTask*& pTask) override {
        pTask = nullptr;
        return false;
    }
    void ShowTimingIcon(bool) override {}
    void ResetInactivity() override {}
    void MarkRunningTask() override {}
    void NotifySiblingTask(const char*) override {}

private:
    CLogDoc* m_pDoc;
    BenchLogView m_view;
};

void Run(const char* engine, const CString& connect, int rows, const CString& path) {
    CLogDoc setup;
    setup.m_Database.UseConnectString(connect, engine);
    setup.m_Database.OpenEx(connect);
    const Model model = MakeModel(setup);
    std::printf("%s: creating %d rows ...\n", engine, rows);
    CreateTasks(setup.m_Database, model, rows);

    auto doc = std::make_unique<CLogDoc>();
    doc->m_bAutoDelete = FALSE;
    doc->m_Database.UseConnectString(connect, engine);
    BenchFrame frame(doc.get());
    if (!doc->OnOpenDocument(path) || !doc->IsDatabaseUsable()) {
        std::printf("%s: the open did not reach a usable database\n", engine);
        return;
    }
    bool more = true;
    for (bool first = true; more && doc->m_TaskSet.LoadNextBatch(doc.get(), first, &more); first = false) {
    }
    doc->DoAutoSave(true); // the first save writes the whole log once, as the first idle pass does

    Timing raw, stop;
    const CString guid = "00000007-0000-0000-0000-000000000007";
    for (int round = 0; round < 7; ++round) {
        raw.Measure([&] {
            setup.m_Database.ExecuteSQL("UPDATE [Tasks] SET [Desc] = 'round', [EndTime] = " +
                                        CSqlDialect::TimestampLiteral(CTime::GetCurrentTime()) +
                                        " WHERE [GUID] = '" + guid + "'");
        });
        CLogEntry entry;
        entry.m_Desc = "timed";
        entry.SetStartTime(CTime::GetCurrentTime());
        doc->StartTiming(&entry);
        stop.Measure([&] { doc->StopTiming(CTime(static_cast<__time64_t>(0))); });
    }
    std::printf("%s: %-40s %.2f ms wall, %.2f ms processor\n", engine, "raw ODBC update of one row",
                raw.wall * 1e3, raw.cpu * 1e3);
    std::printf("%s: %-40s %.2f ms wall, %.2f ms processor = %.1f x raw (wall) (target: 50 ms)\n", engine,
                "stop the timed entry, durable", stop.wall * 1e3, stop.cpu * 1e3, stop.wall / raw.wall);
    std::printf("%s: log of %d entries\n", engine, doc->GetLogEntryCount());
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const CString path = CString(temp) + "bench_stop_" + NewGuidString() + ".bmk";
    RunOnEngines("bench_stop_", [rows, &path](const char* engine, const CString& connect) {
        RegWriteBool(REG_DATABASE, "Use ODBC", true);
        Run(engine, connect, rows, path);
    });
    DeleteFileA(path);
    return 0;
}
