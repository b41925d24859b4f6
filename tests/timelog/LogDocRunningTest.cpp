// The running entry: its mirror under "Logging\", read back at a restart, the reconciliation with the
// log on the first idle pass, entries received from the handheld, and the idle poll's timing of its
// steps. Without a database.
#include "ModelTestSupport.h"
#include "TimingTestSupport.h"

#include "data/CSubsystem.h"

#include <algorithm>

using namespace modeltest;
using timingtest::RecordingLogView;

namespace {

class LogDocRunning : public ModelTest {
protected:
    LogDocRunning() {
        frame.doc = &doc;
        frame.logView = &view;
        client = doc.FindOrAddClient("Acme", "");
        project = doc.FindOrAddProject("Alpha", "");
        category = doc.FindOrAddCategory("Design", "");
        subsystem = new CSubsystem("Engine");
        subsystem->m_pProject = project;
        project->AddSubsystem(subsystem);
        doc.AddSubsystem(subsystem);
    }
    // A log entry still running (stop time 0), appended to the log.
    CLogEntry* Running(const char* desc) {
        auto* entry = new CLogEntry;
        entry->m_pProject = project;
        entry->m_Desc = desc;
        entry->SetStartTime(CTime::GetCurrentTime() - CTimeSpan(0, 1, 0, 0));
        entry->GetGUID();
        doc.AddLogEntry(entry);
        return entry;
    }
    bool Logging() {
        bool logging = false;
        RegReadBool(REG_LOGGING, "Logging", &logging);
        return logging;
    }
    long Count(const char* call) const { return std::count(view.calls.begin(), view.calls.end(), call); }

    RecordingApp app;
    RecordingFrame frame;
    RecordingLogView view;
    CLogDoc doc;
    CClient* client = nullptr;
    CProject* project = nullptr;
    CCategory* category = nullptr;
    CSubsystem* subsystem = nullptr;
};

TEST_F(LogDocRunning, MirrorReadsBackIntoAnotherDocument) {
    CLogEntry& current = doc.m_CurrentEntry;
    current.m_pClient = client;
    current.m_pProject = project;
    current.m_pSubsystem = subsystem;
    current.m_pCategory = category;
    current.m_Desc = "O'Brien's \"design\"";
    current.m_Name = "task name";
    current.m_ProjProjectID = 7;
    current.m_ProjResourceID = 8;
    current.m_ProjAssignmentID = 9;
    current.m_MSTaskID = 10;
    current.SetStartTime(CTime(2004, 2, 29, 9, 30, 0));
    const CTime started(2004, 2, 29, 9, 0, 0);
    doc.SetLoggingStarted(started);
    doc.SetTimingFlag(true);
    const CTime before = CTime::GetCurrentTime();
    current.SaveRunning();

    // A running entry's "End time" is the time of writing, never 0.
    CTime end;
    ASSERT_TRUE(RegReadTime(REG_LOGGING, "End time", &end));
    EXPECT_GE(end, before);
    EXPECT_LE(end, CTime::GetCurrentTime());
    CString guid = "unchanged";
    EXPECT_FALSE(RegReadString(REG_LOGGING, "Guid", guid)) << "the mirror itself leaves Guid alone";

    CLogDoc restarted;
    frame.doc = &restarted;
    restarted.FindOrAddClient("Acme", "");
    CProject* sameProject = restarted.FindOrAddProject("Alpha", "");
    auto* sameSubsystem = new CSubsystem("Engine");
    sameSubsystem->m_pProject = sameProject;
    sameProject->AddSubsystem(sameSubsystem);
    restarted.AddSubsystem(sameSubsystem);
    restarted.FindOrAddCategory("Design", "");
    CLogEntry& read = restarted.m_CurrentEntry;
    read.LoadRunningState(&restarted);
    EXPECT_TRUE(restarted.IsTiming());
    EXPECT_EQ(restarted.GetLoggingStarted(), started);
    EXPECT_EQ(read.m_StartTime, current.m_StartTime);
    EXPECT_EQ(read.m_pClient, restarted.FindClientByName("Acme"));
    EXPECT_EQ(read.m_pProject, sameProject);
    EXPECT_EQ(read.m_pSubsystem, sameSubsystem);
    EXPECT_EQ(read.m_pCategory, restarted.FindCategoryByName("Design"));
    EXPECT_EQ(read.m_Desc, current.m_Desc);
    EXPECT_EQ(read.m_Name, "task name");
    EXPECT_EQ(read.m_ProjProjectID, 7);
    EXPECT_EQ(read.m_ProjResourceID, 8);
    EXPECT_EQ(read.m_ProjAssignmentID, 9);
    EXPECT_EQ(read.m_MSTaskID, 10);
}

TEST_F(LogDocRunning, MissingOrStaleMirrorFallsBack) {
    // Nothing written yet: times become now, ids stay, names find nothing, the timing flag is off.
    CLogEntry entry;
    entry.m_pProject = project;
    entry.m_MSTaskID = 42;
    const CTime before = CTime::GetCurrentTime();
    entry.LoadRunningState(&doc);
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_GE(entry.m_StartTime, before);
    EXPECT_GE(entry.m_EndTime, before);
    EXPECT_EQ(entry.m_pProject, nullptr);
    EXPECT_EQ(entry.m_MSTaskID, 42);
    EXPECT_GE(doc.GetLoggingStarted(), before);

    // Names of objects that are gone leave no pointer; a subsystem needs its project.
    RegWriteString(REG_LOGGING, "Project", "Gone");
    RegWriteString(REG_LOGGING, "Subsystem", "Engine");
    RegWriteString(REG_LOGGING, "Category", "Design");
    entry.LoadRunning(&doc);
    EXPECT_EQ(entry.m_pProject, nullptr);
    EXPECT_EQ(entry.m_pSubsystem, nullptr);
    EXPECT_EQ(entry.m_pCategory, category);
}

TEST_F(LogDocRunning, NothingIsMirroredWithoutAnActiveDocument) {
    frame.doc = nullptr;
    doc.m_CurrentEntry.m_Desc = "nobody";
    doc.m_CurrentEntry.SaveRunning();
    CString desc;
    EXPECT_FALSE(RegReadString(REG_LOGGING, "Description", desc));
}

// The reconciliation of the first idle pass, case by case.
TEST_F(LogDocRunning, ReconciliationMakesFlagMirrorAndCurrentEntryAgreeWithTheLog) {
    struct Case {
        const char* name;
        bool timing;
        bool running;
        bool guidMatches;
        bool changed;
    };
    const Case cases[] = {
        {"idle, entry running (restart with Logging false)", false, true, false, true},
        {"timing the running entry", true, true, true, false},
        {"timing, mirror names another entry", true, true, false, true},
        {"timing, nothing runs (stopped elsewhere)", true, false, false, true},
        {"idle, nothing runs", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegRemoveValue(REG_LOGGING, "Logging");
        CLogDoc fresh;
        frame.doc = &fresh;
        view.calls.clear();
        frame.runningMarks = 0;
        CLogEntry* entry = nullptr;
        if (c.running) {
            entry = new CLogEntry;
            entry->m_Desc = "running";
            entry->SetStartTime(CTime::GetCurrentTime() - CTimeSpan(0, 0, 10, 0));
            fresh.AddLogEntry(entry);
        }
        fresh.SetTimingFlag(c.timing);
        frame.timingIcon = c.timing;
        CLogDoc::SetRunningGUID(c.guidMatches ? entry->GetGUID()
                                              : CString("11111111-2222-3333-4444-555555555555"));

        fresh.SyncTimingState();

        EXPECT_EQ(fresh.IsTiming(), c.running);
        EXPECT_EQ(frame.timingIcon, c.running);
        EXPECT_EQ(frame.runningMarks, c.changed ? 2 : 1);
        EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "rows"), c.changed ? 1 : 0);
        if (c.changed) {
            EXPECT_EQ(Logging(), c.running);
        }
        if (c.running) {
            EXPECT_EQ(CLogDoc::GetRunningGUID(), entry->m_GUID);
            if (c.changed) {
                EXPECT_EQ(fresh.m_CurrentEntry.m_GUID, entry->m_GUID);
            }
        } else if (c.timing) {
            EXPECT_EQ(CLogDoc::GetRunningGUID(), "");
        }
    }
    frame.doc = &doc;
}

TEST_F(LogDocRunning, EntriesFromTheHandheldChangeWhatIsTimed) {
    // Idle: a running entry received becomes the timed one.
    CLogEntry received;
    received.m_Desc = "from the handheld";
    received.SetStartTime(CTime(2004, 3, 1, 8, 0, 0));
    received.GetGUID();
    doc.ApplySyncedRunningState(&received);
    EXPECT_TRUE(doc.IsTiming());
    EXPECT_TRUE(frame.timingIcon);
    EXPECT_EQ(doc.GetLoggingStarted(), received.m_StartTime);
    EXPECT_EQ(doc.m_CurrentEntry.m_GUID, received.m_GUID);
    EXPECT_EQ(frame.inactivityResets, 1);
    EXPECT_TRUE(Logging());

    // The same entry, now ended: timing ends, nothing else.
    received.SetStopTime(CTime(2004, 3, 1, 9, 0, 0));
    doc.ApplySyncedRunningState(&received);
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_FALSE(frame.timingIcon);
    EXPECT_FALSE(Logging());

    // Timing a log entry, another running entry received: the log's entry is stopped and stored.
    CLogEntry* mine = Running("mine");
    doc.SyncTimingState();
    ASSERT_TRUE(doc.IsTiming());
    CLogEntry other;
    other.m_Desc = "other";
    other.SetStartTime(CTime::GetCurrentTime());
    other.GetGUID();
    doc.ApplySyncedRunningState(&other);
    EXPECT_FALSE(mine->IsRunning());
    EXPECT_TRUE(doc.IsTiming());
    EXPECT_EQ(doc.m_CurrentEntry.m_GUID, other.m_GUID);
}

TEST_F(LogDocRunning, IdleStepsWaitForTheStartDelayAndViewRefreshesAreDebounced) {
    // Until the first pass has run, the poll asks for more idle time: an untouched window gets no
    // messages that would call it again.
    EXPECT_NE(doc.OnIdleCheck(5000), 0);
    EXPECT_NE(doc.OnIdleCheck(5099), 0);
    EXPECT_EQ(Count("sort"), 0) << "nothing happens in the first 100 ms";
    EXPECT_EQ(doc.OnIdleCheck(5100), 0) << "loaded and first pass done: no more idle time wanted";
    EXPECT_TRUE(doc.IsFirstIdlePassDone());
    EXPECT_EQ(Count("heights"), 1);

    // Ten messages within a second: one refresh, a second after the last.
    view.calls.clear();
    for (DWORD tick = 6000; tick < 7000; tick += 100) {
        doc.ArmViewRefresh(tick);
        doc.OnIdleCheck(tick);
    }
    doc.OnIdleCheck(7900);
    EXPECT_EQ(Count("redraw"), 0);
    doc.OnIdleCheck(7901);
    EXPECT_EQ(Count("redraw"), 1);
    doc.OnIdleCheck(9000);
    EXPECT_EQ(Count("redraw"), 1);
}

TEST_F(LogDocRunning, IdlePollGoesOnAfterTheTickCounterWraps) {
    const DWORD nearWrap = 0xFFFFFF00u;
    doc.OnIdleCheck(nearWrap);
    doc.OnIdleCheck(nearWrap + 0x20);
    EXPECT_FALSE(doc.IsFirstIdlePassDone());
    doc.OnIdleCheck(0x00000010u); // 0x110 ms later, past the wrap
    EXPECT_TRUE(doc.IsFirstIdlePassDone());

    view.calls.clear();
    doc.ArmViewRefresh(0xFFFFFFF0u);
    doc.OnIdleCheck(0x00000100u); // 0x110 ms later: too early
    EXPECT_EQ(Count("redraw"), 0);
    doc.OnIdleCheck(0x00000400u); // 0x410 ms later
    EXPECT_EQ(Count("redraw"), 1);
}

} // namespace
