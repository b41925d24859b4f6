// Toggling the timing from a task list and removing log entries, over the states of the timer: after
// each operation the log, the timing flag, the "Logging\" mirror, the tray icon and the rows another copy
// of the program reads from [Tasks] must agree.
#include "TableTestSupport.h"

#include "../timelog/ModelTestSupport.h"
#include "../timelog/TimingTestSupport.h"
#include "foundation/Registry.h"
#include "timelog/LogClock.h"

#include <set>
#include <string>
#include <vector>

using namespace datatest;

namespace {

const CTime kNoTime{static_cast<__time64_t>(0)};

// A log view with one header row above the entries, in log order (row 2 shows the first entry).
class LogRowsView : public timingtest::RecordingLogView {
public:
    CLogEntry* GetEntryAtRow(DWORD row) override {
        return row >= 2 && doc ? doc->GetLogEntryAt(row - 2) : nullptr;
    }
    CLogDoc* doc = nullptr;
};

class LogDocDelete : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks", "Projects", "Categories", "Clients", "Subsystems", "Users", "Update"});
        Fresh();
    }
    // A new document over an empty [Tasks], idle (each case of a table starts here).
    void Fresh() {
        Exec("DELETE FROM [Tasks]");
        m_doc = std::make_unique<CLogDoc>();
        RegWriteBool(REG_LOGGING, "Logging", false);
        CLogDoc::SetRunningGUID("");
        m_frame.timingIcon = false;
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        m_view.doc = m_doc.get();
        m_frame.doc = m_doc.get();
        m_frame.logView = &m_view;
        m_alpha = m_doc->FindOrAddProject("Alpha", "");
        m_beta = m_doc->FindOrAddProject("Beta", "");
        RegWriteInt(REG_SYNC, "Num objects", 7);
    }

    CLogEntry Task(CProject* project, const char* desc) {
        CLogEntry entry;
        entry.m_pProject = project;
        entry.m_Desc = desc;
        return entry;
    }
    // A finished entry of the log, stored.
    void AddStopped(const char* desc, int hoursAgo) {
        CLogEntry entry = Task(m_alpha, desc);
        entry.SetStartTime(LogClock::Now() - CTimeSpan(0, hoursAgo, 0, 0));
        entry.SetStopTime(LogClock::Now() - CTimeSpan(0, hoursAgo, 0, 0) + CTimeSpan(0, 0, 30, 0));
        m_doc->AddNewEntry(&entry, false, false);
    }
    void StartRunning(CProject* project, const char* desc) {
        CLogEntry entry = Task(project, desc);
        entry.SetStartTime(LogClock::Now());
        m_doc->StartTiming(&entry);
        ASSERT_TRUE(m_doc->IsTiming());
    }

    std::vector<std::string> LogDescs() const {
        std::vector<std::string> descs;
        for (int i = 0; i < m_doc->GetLogEntryCount(); ++i)
            descs.emplace_back(m_doc->GetLogEntryAt(i)->m_Desc.GetString());
        return descs;
    }
    // Descriptions of the rows another copy finds, marking a running row with "*".
    std::multiset<std::string> StoredDescs() {
        std::unique_ptr<CLogDoc> other = OtherCopy();
        bool more = true;
        for (bool restart = true; more; restart = false)
            EXPECT_TRUE(other->m_TaskSet.LoadNextBatch(other.get(), restart, &more));
        std::multiset<std::string> descs;
        for (int i = 0; i < other->GetLogEntryCount(); ++i) {
            const CLogEntry* entry = other->GetLogEntryAt(i);
            descs.insert(std::string(entry->m_Desc.GetString()) + (entry->IsRunning() ? "*" : ""));
        }
        return descs;
    }
    // Timing state, mirror and icon agree with runningDesc (nullptr: idle).
    void ExpectTiming(const char* runningDesc) {
        EXPECT_EQ(m_doc->IsTiming(), runningDesc != nullptr);
        EXPECT_EQ(m_frame.timingIcon, runningDesc != nullptr);
        bool logging = !m_doc->IsTiming();
        RegReadBool(REG_LOGGING, "Logging", &logging);
        EXPECT_EQ(logging, m_doc->IsTiming());
        const CLogEntry* running = m_doc->GetRunningEntry();
        ASSERT_EQ(running != nullptr, runningDesc != nullptr);
        EXPECT_EQ(CLogDoc::GetRunningGUID(), running != nullptr ? running->m_GUID : CString());
        if (running != nullptr) {
            EXPECT_EQ(running->m_Desc, runningDesc);
        }
    }
    int NumObjects() {
        int n = 0;
        RegReadInt(REG_SYNC, "Num objects", &n);
        return n;
    }

    LogRowsView m_view;
    modeltest::RecordingFrame m_frame;
    timingtest::ScriptedDialogs m_dialogs;
    CProject* m_alpha = nullptr;
    CProject* m_beta = nullptr;
};

// ---------------------------------------------------------------- toggling

TEST_P(LogDocDelete, ToggleStopsTheTimedTaskAndStartsAnotherUnlessItIsTheSame) {
    struct Case {
        const char* name;
        const char* timed;       // the task timed before (Alpha), nullptr: idle
        bool chooseBeta;         // the task chosen: Beta "review", else Alpha with the timed description
        const char* runningDesc; // afterwards; nullptr: idle
        std::multiset<std::string> stored;
    };
    const Case cases[] = {
        {"idle, a task chosen", nullptr, false, "design", {"design*"}},
        {"the timed task chosen again", "design", false, nullptr, {"design"}},
        {"the same task in other letters", "DESIGN", false, nullptr, {"DESIGN"}},
        {"another task chosen", "design", true, "review", {"design", "review*"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        if (c.timed != nullptr)
            StartRunning(m_alpha, c.timed);
        CLogEntry chosen = c.chooseBeta ? Task(m_beta, "review") : Task(m_alpha, "design");
        m_doc->ToggleTiming(&chosen);
        ExpectTiming(c.runningDesc);
        EXPECT_EQ(StoredDescs(), c.stored);
        for (int i = 0; i < m_doc->GetLogEntryCount(); ++i)
            EXPECT_EQ(m_doc->GetLogEntryAt(i)->m_Pending, 0);
    }
}

TEST_P(LogDocDelete, ToggleWithoutAnEntryChangesNothing) {
    StartRunning(m_alpha, "design");
    m_doc->ToggleTiming(nullptr);
    ExpectTiming("design");
    EXPECT_EQ(StoredDescs(), (std::multiset<std::string>{"design*"}));
}

TEST_P(LogDocDelete, StoreStoppedEntryAndNotifyStoresTheStoppedEntry) {
    StartRunning(m_alpha, "design");
    CLogEntry stopped(*m_doc->GetCurrentEntry());
    stopped.m_Desc = "design, done";
    stopped.SetStopTime(LogClock::Now());
    m_doc->StoreStoppedEntryAndNotify(&stopped);
    ExpectTiming(nullptr);
    EXPECT_EQ(StoredDescs(), (std::multiset<std::string>{"design, done"}));
}

// ---------------------------------------------------------------- deleting by GUID

TEST_P(LogDocDelete, DeletingByGuidRemovesEveryEntryOfItAndEndsTheTimingOnlyForTheTimedOne) {
    struct Case {
        const char* name;
        int index; // the entry whose GUID is given, -1: an unknown GUID
        bool lowerCase;
        bool removed;
        std::vector<std::string> left;
        const char* runningDesc;
    };
    const Case cases[] = {
        {"a stopped entry", 0, false, true, {"second", "running"}, "running"},
        {"the timed entry, GUID in small letters", 2, true, true, {"first", "second"}, nullptr},
        {"an unknown GUID", -1, false, false, {"first", "second", "running"}, "running"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        AddStopped("first", 3);
        AddStopped("second", 2);
        StartRunning(m_alpha, "running");
        CString guid = c.index >= 0 ? m_doc->GetLogEntryAt(c.index)->m_GUID : CString("0-0-0-0-0");
        if (c.lowerCase)
            guid.MakeLower();
        LogClock::SetTickCountForTests(4242);
        EXPECT_EQ(m_doc->DeleteLogEntryByGUID(guid, true), c.removed);
        LogClock::ClearTickCountForTests();
        EXPECT_EQ(LogDescs(), c.left);
        ExpectTiming(c.runningDesc);
        std::multiset<std::string> stored;
        for (const std::string& desc : c.left)
            stored.insert(desc == "running" ? desc + "*" : desc);
        EXPECT_EQ(StoredDescs(), stored);
        EXPECT_EQ(NumObjects(), c.removed ? -1 : 7);
        EXPECT_EQ(m_doc->GetLastDeletionTick(), c.removed ? 4242u : 0u);
    }
}

TEST_P(LogDocDelete, DeletingByGuidTakesEveryCopyAndNotesTheTimeOnlyWhenAsked) {
    AddStopped("first", 3);
    AddStopped("copy", 2);
    // Two entries of one GUID (a merge of the time cache can leave them): both go.
    m_doc->GetLogEntryAt(1)->m_GUID = m_doc->GetLogEntryAt(0)->m_GUID;
    EXPECT_TRUE(m_doc->DeleteLogEntryByGUID(m_doc->GetLogEntryAt(0)->m_GUID, false));
    EXPECT_EQ(m_doc->GetLogEntryCount(), 0);
    EXPECT_EQ(m_doc->GetLastDeletionTick(), 0u);
    // The copy's row was stored under its own GUID before it was changed here: only that row stays.
    EXPECT_EQ(Count("Tasks"), 1);
}

TEST_P(LogDocDelete, AnOlderOpenEntryIsNotTheTimedOneWhenNoGuidIsMirrored) {
    // An entry left open by another machine, older than the one timed here.
    CLogEntry open = Task(m_beta, "left open");
    open.SetStartTime(LogClock::Now() - CTimeSpan(1, 0, 0, 0));
    m_doc->AddNewEntry(&open, false, false);
    StartRunning(m_alpha, "running");
    CLogDoc::SetRunningGUID("");
    ASSERT_TRUE(m_doc->DeleteLogEntryByGUID(m_doc->GetLogEntryAt(0)->m_GUID, false));
    EXPECT_TRUE(m_doc->IsTiming());
    EXPECT_EQ(m_doc->GetRunningEntry()->m_Desc, "running");
}

TEST_P(LogDocDelete, AnEntryRemovedFromTheLogLeavesTheTimeCacheList) {
    AddStopped("pending", 1);
    CLogEntry* entry = m_doc->GetLogEntryAt(0);
    m_doc->m_TimeCacheEntries.Add(entry);
    ASSERT_TRUE(m_doc->DeleteLogEntryByGUID(entry->m_GUID, false));
    EXPECT_EQ(m_doc->m_TimeCacheEntries.GetSize(), 0);
}

// ---------------------------------------------------------------- deleting the selection

struct Range {
    DWORD first;
    DWORD last;
};

class LogDocDeleteSelection : public LogDocDelete {
protected:
    // Log rows 2..5: "a", "b", "c" stopped and "run" timed.
    void MakeLog() {
        AddStopped("a", 4);
        AddStopped("b", 3);
        AddStopped("c", 2);
        StartRunning(m_alpha, "run");
    }
    static void Ranges(const std::vector<Range>& ranges, CDWordArray& starts, CDWordArray& ends) {
        for (const Range& r : ranges) {
            starts.Add(r.first);
            ends.Add(r.last);
        }
    }
};

TEST_P(LogDocDeleteSelection, SelectedRowsGoAndTheTimingEndsWheneverTheTimedEntryIsAmongThem) {
    struct Case {
        const char* name;
        std::vector<Range> ranges;
        std::vector<std::string> left;
        const char* runningDesc;
    };
    const Case cases[] = {
        {"one stopped row", {{3, 3}}, {"a", "c", "run"}, "run"},
        {"the timed row alone", {{5, 5}}, {"a", "b", "c"}, nullptr},
        {"the timed row last of a range", {{3, 5}}, {"a"}, nullptr},
        {"the timed row in a later range", {{2, 2}, {4, 5}}, {"b"}, nullptr},
        {"the timed row in an earlier range", {{5, 5}, {2, 3}}, {"c"}, nullptr},
        {"ranges given bottom up", {{4, 5}, {2, 2}}, {"b"}, nullptr},
        {"overlapping ranges", {{2, 4}, {3, 5}}, {}, nullptr},
        {"the header row and rows beyond the log", {{0, 1}, {4, 4000000000u}}, {"a", "b"}, nullptr},
        {"nothing but rows without entries", {{0, 1}, {6, 9}}, {"a", "b", "c", "run"}, "run"},
        {"a range given upside down", {{4, 3}}, {"a", "b", "c", "run"}, "run"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        MakeLog();
        CDWordArray starts;
        CDWordArray ends;
        Ranges(c.ranges, starts, ends);
        const int refreshes = m_frame.refreshes;
        m_doc->DeleteSelectedLogEntries(starts, ends);
        EXPECT_EQ(LogDescs(), c.left);
        ExpectTiming(c.runningDesc);
        std::multiset<std::string> stored;
        for (const std::string& desc : c.left)
            stored.insert(desc == "run" ? desc + "*" : desc);
        EXPECT_EQ(StoredDescs(), stored);
        EXPECT_GT(m_frame.refreshes, refreshes) << "the timesheet reloads";
    }
}

TEST_P(LogDocDeleteSelection, OpenPendingEntriesAreFoundInTheSelection) {
    MakeLog();
    m_doc->GetLogEntryAt(1)->m_OpenPending = 1; // row 3
    struct Case {
        std::vector<Range> ranges;
        bool found;
    };
    const Case cases[] = {
        {{{2, 2}}, false},         {{{2, 3}}, true},           {{{4, 5}, {3, 3}}, true},
        {{{0, 2}, {4, 9}}, false}, {{{1, 4000000000u}}, true}, {{}, false},
    };
    for (const Case& c : cases) {
        CDWordArray starts;
        CDWordArray ends;
        Ranges(c.ranges, starts, ends);
        EXPECT_EQ(m_doc->SelectionHasOpenPendingEntry(starts, ends), c.found)
            << c.ranges.size() << " ranges from row " << (c.ranges.empty() ? 0 : c.ranges[0].first);
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocDelete, DATA_ENGINES);
INSTANTIATE_TEST_SUITE_P(Engines, LogDocDeleteSelection, DATA_ENGINES);

} // namespace
