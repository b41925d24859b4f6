// The timer operations as a table of transitions between idle, timing, paused and interrupted: after
// each step the log, its running entry, the "Logging\" mirror, the tray icon and what another copy of
// the program reads back from [Tasks] must agree. Dialogs are answered by the test the way the real ones
// answer on OK (through the document's own operations); the log view records what it was told.
#include "TableTestSupport.h"

#include "../timelog/ModelTestSupport.h"
#include "../timelog/TimingTestSupport.h"
#include "foundation/Registry.h"
#include "framework/db/COdbcApi.h"

#include <algorithm>
#include <functional>
#include <map>

using namespace datatest;
using timingtest::RecordingLogView;
using timingtest::ScriptedDialogs;

namespace {

// What another copy of the program finds in [Tasks]: entry GUID to entry.
struct StoredEntry {
    CString desc;
    CTime start;
    CTime end;
};

class LogDocTiming : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables(
            {"Tasks", "Projects", "Categories", "Clients", "Subsystems", "Users", "Update", "OrgObjects"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        m_frame.doc = m_doc.get();
        m_frame.logView = &m_view;
        m_alpha = m_doc->FindOrAddProject("Alpha", "");
        m_beta = m_doc->FindOrAddProject("Beta", "");
        // The Log Task dialog: start with a new task (project and description chosen), stop with the
        // running entry's data and the stop time shown.
        m_dialogs.logTask[0] = [this](CLogDoc& doc, CTime time, CLogEntry*) {
            CLogEntry entry;
            entry.m_pProject = m_nextProject;
            entry.m_Desc = m_nextDesc;
            entry.SetStartTime(time);
            doc.StartTiming(&entry);
            return IDOK;
        };
        m_dialogs.logTask[1] = [](CLogDoc& doc, CTime time, CLogEntry* initial) {
            CLogEntry entry(*initial);
            entry.SetStopTime(time.GetTime() != 0 ? time : CTime::GetCurrentTime());
            doc.StoreStoppedEntry(&entry);
            return IDOK;
        };
    }
    void TearDown() override {
        COdbcApi::ClearFailures();
        TableSetTest::TearDown();
    }

    std::map<std::string, StoredEntry> Stored() {
        std::unique_ptr<CLogDoc> other = OtherCopy();
        bool more = true;
        bool restart = true;
        while (more) {
            EXPECT_TRUE(other->m_TaskSet.LoadNextBatch(other.get(), restart, &more));
            restart = false;
        }
        std::map<std::string, StoredEntry> stored;
        for (int i = 0; i < other->GetLogEntryCount(); ++i) {
            CLogEntry* entry = other->GetLogEntryAt(i);
            EXPECT_TRUE(stored
                            .emplace(entry->m_GUID.GetString(),
                                     StoredEntry{entry->m_Desc, entry->m_StartTime, entry->m_EndTime})
                            .second)
                << "stored twice: " << entry->m_GUID.GetString();
        }
        return stored;
    }

    // The log, its running entry, the mirror, the icon and the table agree; the running entry (if any) has
    // the description runningDesc.
    void ExpectConsistent(const char* step, const char* runningDesc, int entries) {
        SCOPED_TRACE(step);
        CLogEntry* running = m_doc->GetRunningEntry();
        EXPECT_EQ(m_doc->IsTiming(), runningDesc != nullptr);
        EXPECT_EQ(m_frame.timingIcon, runningDesc != nullptr);
        ASSERT_EQ(running != nullptr, runningDesc != nullptr);
        bool logging = false;
        RegReadBool(REG_LOGGING, "Logging", &logging);
        EXPECT_EQ(logging, m_doc->IsTiming());
        EXPECT_EQ(CLogDoc::GetRunningGUID(), running != nullptr ? running->m_GUID : CString());
        if (running != nullptr) {
            EXPECT_EQ(running->m_Desc, runningDesc);
            EXPECT_EQ(m_doc->GetCurrentEntry()->m_GUID, running->m_GUID);
            CString mirrored;
            RegReadString(REG_LOGGING, "Description", mirrored);
            EXPECT_EQ(mirrored, runningDesc);
        }
        ASSERT_EQ(m_doc->GetLogEntryCount(), entries);
        const auto stored = Stored();
        ASSERT_EQ(stored.size(), static_cast<size_t>(entries));
        for (int i = 0; i < entries; ++i) {
            CLogEntry* entry = m_doc->GetLogEntryAt(i);
            EXPECT_EQ(entry->m_Pending, 0);
            const auto found = stored.find(entry->m_GUID.GetString());
            ASSERT_NE(found, stored.end()) << "not stored: " << entry->m_Desc.GetString();
            EXPECT_EQ(found->second.desc, entry->m_Desc);
            EXPECT_EQ(found->second.start, entry->m_StartTime);
            EXPECT_EQ(found->second.end, entry->m_EndTime) << entry->m_Desc.GetString();
            EXPECT_EQ(entry->IsRunning(), entry == running);
        }
    }

    void Next(CProject* project, const char* desc) {
        m_nextProject = project;
        m_nextDesc = desc;
    }

    RecordingLogView m_view;
    modeltest::RecordingFrame m_frame;
    ScriptedDialogs m_dialogs;
    CProject* m_alpha = nullptr;
    CProject* m_beta = nullptr;
    CProject* m_nextProject = nullptr;
    CString m_nextDesc;
};

TEST_P(LogDocTiming, TransitionsKeepLogMirrorAndTableInStep) {
    const CTime pauseStart = CTime::GetCurrentTime() - CTimeSpan(0, 0, 5, 0);
    m_dialogs.pause = [&](CLogDoc& doc) {
        // "Resume the original task": it ends when the pause began and goes on in a new row.
        CLogEntry paused(*doc.GetCurrentEntry());
        doc.StopTiming(pauseStart);
        paused.SetStartTime(CTime::GetCurrentTime());
        doc.StartTiming(&paused);
        return IDOK;
    };
    m_dialogs.interrupt = [&](CLogDoc& doc) {
        // Start the interruption, then "Resume the original task".
        CLogEntry interrupted(*doc.GetCurrentEntry());
        doc.StopTiming(CTime(static_cast<__time64_t>(0)));
        CLogEntry call;
        call.m_pProject = m_beta;
        call.m_Desc = "phone call";
        call.SetStartTime(CTime::GetCurrentTime());
        doc.StartTiming(&call);
        ExpectConsistent("interruption running", "phone call", 3);
        doc.StopTiming(CTime(static_cast<__time64_t>(0)));
        interrupted.SetStartTime(CTime::GetCurrentTime());
        doc.StartTiming(&interrupted);
        return IDOK;
    };
    m_dialogs.logTask[2] = [&](CLogDoc& doc, CTime, CLogEntry*) {
        CLogEntry done;
        done.m_pProject = m_alpha;
        done.m_Desc = "yesterday";
        done.SetStartTime(CTime::GetCurrentTime() - CTimeSpan(1, 2, 0, 0));
        done.SetStopTime(CTime::GetCurrentTime() - CTimeSpan(1, 0, 0, 0));
        doc.AddNewEntry(&done, true, false);
        return IDOK;
    };

    struct Step {
        const char* name;
        std::function<int()> action;
        int result;
        const char* running; // description of the running entry; nullptr: idle
        int entries;
    };
    const Step steps[] = {
        {"stop now while idle", [&] { return m_doc->StopNow(); }, 0, nullptr, 0},
        {"stop while idle", [&] { return m_doc->StopTimer(CTime(static_cast<__time64_t>(0))); }, 0, nullptr,
         0},
        {"start",
         [&] {
             Next(m_alpha, "design");
             return m_doc->StartTimer();
         },
         IDOK, "design", 1},
        {"pause and resume", [&] { return m_doc->PauseTimer(); }, IDOK, "design", 2},
        {"interrupt and resume", [&] { return m_doc->InterruptTimer(); }, IDOK, "design", 4},
        {"switch",
         [&] {
             Next(m_beta, "review");
             return m_doc->SwitchTask();
         },
         0, "review", 5},
        {"stop", [&] { return m_doc->StopTimer(CTime(static_cast<__time64_t>(0))); }, IDOK, nullptr, 5},
        {"start again",
         [&] {
             Next(m_alpha, "write-up");
             return m_doc->StartTimer();
         },
         IDOK, "write-up", 6},
        {"stop now", [&] { return m_doc->StopNow(); }, 0, nullptr, 6},
        {"completed time", [&] { return m_doc->EnterCompletedTime(); }, 2, nullptr, 7},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.action(), step.result) << step.name;
        ExpectConsistent(step.name, step.running, step.entries);
    }
    EXPECT_TRUE(m_dialogs.pausedWhileOpen);
    EXPECT_FALSE(m_doc->IsPaused());
    // The paused row ended when the pause began; the switch started where the stopped task ended.
    EXPECT_EQ(m_doc->GetLogEntryAt(0)->m_EndTime, pauseStart);
    EXPECT_EQ(m_doc->GetLogEntryAt(4)->m_StartTime, m_doc->GetLogEntryAt(3)->m_EndTime);
    EXPECT_EQ(std::count(m_dialogs.opened.begin(), m_dialogs.opened.end(), "switch-notice"), 1);
}

TEST_P(LogDocTiming, StopThroughADialogEntryOfAnotherGuidUpdatesTheRunningRowInPlace) {
    Next(m_alpha, "design");
    ASSERT_EQ(m_doc->StartTimer(), IDOK);
    const CString rowGUID = m_doc->GetRunningEntry()->m_GUID;
    m_dialogs.logTask[1] = [](CLogDoc& doc, CTime, CLogEntry* initial) {
        CLogEntry entry(*initial);
        entry.m_GUID = "00000000-0000-0000-0000-000000000001";
        entry.m_Desc = "design, reviewed";
        entry.SetStopTime(CTime::GetCurrentTime());
        doc.StoreStoppedEntry(&entry);
        return IDOK;
    };
    EXPECT_EQ(m_doc->StopTimer(CTime(static_cast<__time64_t>(0))), IDOK);
    ASSERT_EQ(m_doc->GetLogEntryCount(), 1);
    EXPECT_EQ(m_doc->GetLogEntryAt(0)->m_GUID, rowGUID);
    ExpectConsistent("stopped", nullptr, 1);
    EXPECT_EQ(Stored().begin()->second.desc, "design, reviewed");
}

TEST_P(LogDocTiming, SwitchCancelledInTheStopDialogStartsNothing) {
    Next(m_alpha, "design");
    ASSERT_EQ(m_doc->StartTimer(), IDOK);
    m_dialogs.logTask[1] = nullptr;
    EXPECT_EQ(m_doc->SwitchTask(), 0);
    ExpectConsistent("switch cancelled", "design", 1);
    EXPECT_EQ(std::count(m_dialogs.opened.begin(), m_dialogs.opened.end(), "switch-notice"), 0);
    EXPECT_EQ(std::count(m_dialogs.opened.begin(), m_dialogs.opened.end(), "logtask-start"), 1);
}

// A write of the stopped entry that fails (a timeout on either engine, a lost connection) keeps the
// entry in the log as pending; the idle poll writes it at its next 2-second step.
TEST_P(LogDocTiming, FailedWriteOfAStoppedEntryStaysPendingUntilTheIdlePollWritesIt) {
    DWORD tick = 1000;
    for (const char* state : {"HYT00", "57014", "08S01"}) {
        SCOPED_TRACE(state);
        Next(m_alpha, state);
        ASSERT_EQ(m_doc->StartTimer(), IDOK);
        CLogEntry* running = m_doc->GetRunningEntry();
        ASSERT_NE(running, nullptr);
        COdbcApi::FailCall(1, state, -1);
        m_doc->StopNow();
        COdbcApi::ClearFailures();
        EXPECT_FALSE(m_doc->IsTiming());
        EXPECT_EQ(running->m_Pending, 1);
        EXPECT_FALSE(running->IsRunning());
        EXPECT_TRUE(Stored().at(running->m_GUID.GetString()).end.GetTime() == 0)
            << "the table still shows it running";

        m_doc->OnIdleCheck(tick);
        m_doc->OnIdleCheck(tick + 2000);
        tick += 10000;
        EXPECT_EQ(running->m_Pending, 0);
        EXPECT_EQ(Stored().at(running->m_GUID.GetString()).end, running->m_EndTime);
    }
}

TEST_P(LogDocTiming, PendingEntriesStayPendingWhileTheDatabaseIsNotUsable) {
    Next(m_alpha, "offline");
    ASSERT_EQ(m_doc->StartTimer(), IDOK);
    m_doc->m_bDatabaseUsable = false;
    m_doc->StopNow();
    CLogEntry* entry = m_doc->GetLogEntryAt(0);
    EXPECT_EQ(entry->m_Pending, 1);
    for (DWORD tick = 0; tick <= 10000; tick += 500)
        m_doc->OnIdleCheck(tick);
    EXPECT_EQ(entry->m_Pending, 1);
    m_doc->m_bDatabaseUsable = true;
    m_doc->OnIdleCheck(12000);
    EXPECT_EQ(entry->m_Pending, 0);
    EXPECT_EQ(Stored().at(entry->m_GUID.GetString()).end, entry->m_EndTime);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocTiming, DATA_ENGINES);

} // namespace
