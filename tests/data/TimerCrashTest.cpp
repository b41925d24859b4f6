// The timer operations survive an end at any step: a child program times tasks on a log kept in the
// database (start, switch, pause and resume, stop) and is ended after each step in turn; opening the log
// again must find every started task exactly once, running or completed as it was when the child ended,
// in the log and in [Tasks]. The same when the database is lost part of the way.
#include "TableTestSupport.h"
#include "TimerCrashSteps.h"

#include "../timelog/ModelTestSupport.h"
#include "foundation/Registry.h"
#include "framework/db/COdbcApi.h"

#include <algorithm>
#include <set>
#include <string>

using namespace datatest;

namespace {

using Entries = std::multiset<std::string>; // descriptions, a running entry marked with "*"

// What the log holds after each step.
const Entries kAfterStep[timercrash::kStepCount] = {
    {},
    {"alpha*"},
    {"alpha"},
    {"alpha", "beta*"},
    {"alpha", "beta"},
    {"alpha", "beta", "beta*"},
    {"alpha", "beta", "beta"},
};

std::string Marked(const CLogEntry& entry) {
    std::string marked = entry.m_Desc.GetString();
    if (entry.IsRunning())
        marked.push_back('*');
    return marked;
}

// A trace line "what n".
std::string Trace(const char* what, long n) {
    CString text;
    text.Format("%s %ld", what, n);
    return text.GetString();
}

class TimerCrash : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        RegWriteBool(REG_DATABASE, "Use ODBC", true);
        m_logFile = m_folder.File("Crash log.bmk");
        // A first open builds the tables and the first-run data.
        std::unique_ptr<CLogDoc> doc = Open();
        ASSERT_TRUE(doc && doc->IsDatabaseUsable());
    }
    // Nothing timed, nothing logged, no log file and no cache: as before a first run.
    void Fresh() {
        Exec("DELETE FROM [Tasks]");
        RegWriteBool(REG_LOGGING, "Logging", false);
        CLogDoc::SetRunningGUID("");
        ::DeleteFileA(m_logFile);
        ::DeleteFileA(m_folder.File("Time cache.bmk"));
    }

    // The log opened as the program opens it (nullptr when the open fails), its first idle pass run.
    std::unique_ptr<CLogDoc> Open() {
        auto doc = std::make_unique<CLogDoc>();
        doc->m_bAutoDelete = FALSE;
        m_frame.doc = doc.get();
        m_frame.logView = &m_view;
        if (!doc->OnOpenDocument(m_logFile))
            return nullptr;
        EXPECT_TRUE(timercrash::RunFirstPass(*doc, m_tick));
        return doc;
    }
    // Idle calls over 20 seconds: a pending entry is retried every 2 seconds.
    void IdleWhile(CLogDoc& doc) {
        for (const DWORD end = m_tick + 20000; m_tick < end; m_tick += 500)
            doc.OnIdleCheck(m_tick);
    }

    // Runs the child until it ends after lastStep; its exit code.
    DWORD RunChild(int lastStep) {
        char exe[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
        CString command = exe;
        command = command.Left(command.ReverseFind('\\') + 1) + "timer_crash_child.exe";
        CString arguments;
        arguments.Format(" %s %s \"%s\" %d", m_registry.Root().GetString(), m_folder.Path().GetString(),
                         m_logFile.GetString(), lastStep);
        command += arguments;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessA(nullptr, command.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                              &pi))
            return ~0u;
        DWORD code = ~0u;
        if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(pi.hProcess, &code);
        else
            ::TerminateProcess(pi.hProcess, 99);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        return code;
    }

    // The log, the timing state, its mirror and [Tasks] all hold exactly the entries expected.
    void ExpectLog(CLogDoc& doc, const Entries& expected) {
        Entries logged;
        for (int i = 0; i < doc.GetLogEntryCount(); ++i) {
            const CLogEntry* entry = doc.GetLogEntryAt(i);
            logged.insert(Marked(*entry));
            EXPECT_EQ(entry->m_Pending, 0) << Marked(*entry) << " is still pending";
        }
        EXPECT_EQ(logged, expected);
        const bool running = std::any_of(expected.begin(), expected.end(),
                                         [](const std::string& desc) { return desc.back() == '*'; });
        EXPECT_EQ(doc.IsTiming(), running);
        const CLogEntry* runningEntry = doc.GetRunningEntry();
        EXPECT_EQ(CLogDoc::GetRunningGUID(), runningEntry != nullptr ? runningEntry->m_GUID : CString());
        EXPECT_EQ(Stored(), expected);
    }
    // What another copy of the program reads from [Tasks]; each GUID once.
    Entries Stored() {
        std::unique_ptr<CLogDoc> other = OtherCopy();
        bool more = true;
        for (bool restart = true; more; restart = false)
            EXPECT_TRUE(other->m_TaskSet.LoadNextBatch(other.get(), restart, &more));
        Entries stored;
        std::set<std::string> guids;
        for (int i = 0; i < other->GetLogEntryCount(); ++i) {
            stored.insert(Marked(*other->GetLogEntryAt(i)));
            EXPECT_TRUE(guids.insert(other->GetLogEntryAt(i)->m_GUID.GetString()).second) << "a GUID twice";
        }
        return stored;
    }

    modeltest::RecordingFrame m_frame;
    timingtest::RecordingLogView m_view;
    timingtest::ScriptedDialogs m_dialogs; // no dialog opens while the log is opened again
    CString m_logFile;
    DWORD m_tick = 1000;
};

// Each run starts under Wine (about a second each): eight runs.
TEST_P(TimerCrash, AnEndAtAnyStepLeavesEachStartedTaskOnceOnTheNextOpen) {
    for (int step = timercrash::kOpened; step <= timercrash::kStepCount; ++step) {
        SCOPED_TRACE(Trace("ended after step", step));
        Fresh();
        const bool killed = step < timercrash::kStepCount;
        ASSERT_EQ(RunChild(step), killed ? timercrash::kKilledExitCode : 0u);
        std::unique_ptr<CLogDoc> doc = Open();
        ASSERT_TRUE(doc && doc->IsDatabaseUsable());
        IdleWhile(*doc);
        ExpectLog(*doc, kAfterStep[killed ? step : timercrash::kStopped]);
    }
}

// The database is lost before a step and stays lost until the program ends without closing the log:
// what was timed meanwhile waits in the time cache and reaches the log and [Tasks] after the next open.
TEST_P(TimerCrash, WhatIsTimedWhileTheDatabaseIsLostArrivesAfterTheNextOpen) {
    for (int lost = timercrash::kAlphaStarted; lost <= timercrash::kStopped; ++lost) {
        SCOPED_TRACE(Trace("database lost before step", lost));
        Fresh();
        {
            std::unique_ptr<CLogDoc> doc = Open();
            ASSERT_TRUE(doc && doc->IsDatabaseUsable());
            timingtest::ScriptedDialogs dialogs;
            const auto loseBefore = [lost](int step) {
                if (step + 1 == lost)
                    COdbcApi::FailCall(1, "08S01", -1);
            };
            loseBefore(timercrash::kOpened);
            const bool ran = timercrash::RunTimerSteps(*doc, dialogs, loseBefore);
            COdbcApi::ClearFailures();
            ASSERT_TRUE(ran);
        } // the document is dropped unsaved, as by a program that was ended
        std::unique_ptr<CLogDoc> doc = Open();
        ASSERT_TRUE(doc && doc->IsDatabaseUsable());
        IdleWhile(*doc);
        ExpectLog(*doc, kAfterStep[timercrash::kStopped]);
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, TimerCrash, DATA_ENGINES);

} // namespace
