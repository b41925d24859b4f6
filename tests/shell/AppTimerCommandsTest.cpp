// The timer commands as the user gives them (menu, keys, tray): sent to the main window, routed to the
// application and from there to the active log document, whose entry dialogs the test answers. Each
// command is checked by the dialogs it opened and the timing state it left; without an active log
// nothing happens. The enable rules follow the document's timing, open and Pause states.
#include "ShellTestSupport.h"

#include "../RecordingCmdUI.h"
#include "../timelog/TimingTestSupport.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

#include <string>
#include <vector>

using namespace shelltest;
using timingtest::ScriptedDialogs;

namespace {

class AppTimerCommands : public MainFrameFixture {
protected:
    CRuntimeClass* DocumentClass() override { return RUNTIME_CLASS(CLogDoc); }
    CRuntimeClass* LogViewClass() override { return RUNTIME_CLASS(CLogView); }
    void SetUp() override {
        MainFrameFixture::SetUp();
        logDoc = dynamic_cast<CLogDoc*>(doc);
        ASSERT_NE(logDoc, nullptr);
        ASSERT_NE(GetLogView(), nullptr);
        logDoc->FindOrAddProject("Alpha", "");
        // The Log Task dialog: start times a new task, stop ends the running one, completed time adds
        // a finished entry; each as the real dialog does on OK.
        dialogs.logTask[0] = [](CLogDoc& d, CTime time, CLogEntry*) {
            CLogEntry entry;
            entry.m_Desc = "Started";
            entry.SetStartTime(time);
            d.StartTiming(&entry);
            return IDOK;
        };
        dialogs.logTask[1] = [](CLogDoc& d, CTime, CLogEntry* initial) {
            CLogEntry entry(*initial);
            entry.SetStopTime(CTime::GetCurrentTime());
            d.StoreStoppedEntry(&entry);
            return IDOK;
        };
        dialogs.logTask[2] = [](CLogDoc& d, CTime, CLogEntry*) {
            CLogEntry entry;
            entry.m_Desc = "Completed";
            entry.SetStartTime(CTime::GetCurrentTime() - CTimeSpan(0, 1, 0, 0));
            entry.SetStopTime(CTime::GetCurrentTime());
            d.AddCompletedEntry(entry);
            return IDOK;
        };
    }
    void TearDown() override { app.ForgetLogDocument(logDoc); }

    void OpenAsActiveLog() {
        app.SetActiveLogPath("C:\\Logs\\Time Log.bmk");
        ASSERT_EQ(app.MatchActiveLog(logDoc, "C:\\Logs\\Time Log.bmk"), 0);
    }
    void StartTask() {
        CLogEntry entry;
        entry.m_Desc = "Running";
        entry.SetStartTime(CTime::GetCurrentTime());
        logDoc->StartTiming(&entry);
        ASSERT_TRUE(logDoc->IsTiming());
        dialogs.opened.clear();
    }
    void Send(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    bool Enabled(UINT id) {
        RecordingCmdUI ui(id);
        ui.DoUpdate(frame, TRUE);
        return ui.enabled;
    }
    int StoppedEntries() const {
        int stopped = 0;
        for (int i = 0; i < logDoc->GetLogEntryCount(); ++i)
            stopped += logDoc->GetLogEntryAt(i)->IsRunning() ? 0 : 1;
        return stopped;
    }

    ScriptedDialogs dialogs;
    CLogDoc* logDoc = nullptr;
};

struct CommandCase {
    const char* name;
    UINT id;
    bool timingBefore;
    std::vector<std::string> opened; // the document's dialogs, in order
    bool timingAfter;
    int stoppedAfter; // stopped entries in the log afterwards
};

TEST_F(AppTimerCommands, EachCommandReachesItsDocumentOperation) {
    const CommandCase cases[] = {
        {"start", ID_TIMER_START, false, {"logtask-start"}, true, 0},
        {"stop", ID_TIMER_STOP, true, {"logtask-stop"}, false, 1},
        {"stop now", ID_TIMER_STOP_NOW, true, {}, false, 1},
        {"pause", ID_TIMER_PAUSE, true, {"pause"}, true, 0},
        {"interrupt", ID_TIMER_INTERRUPT, true, {"interrupt"}, true, 0},
        {"completed time", ID_TIMER_COMPLETED, false, {"logtask-completed"}, false, 1},
        {"switch", ID_TIMER_SWITCH, true, {"logtask-stop", "switch-notice", "logtask-start"}, true, 1},
    };
    OpenAsActiveLog();
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        logDoc->StopTiming(CTime(static_cast<__time64_t>(0)));
        logDoc->DeleteContents();
        logDoc->FindOrAddProject("Alpha", "");
        if (c.timingBefore)
            StartTask();
        dialogs.opened.clear();
        Send(c.id);
        EXPECT_EQ(dialogs.opened, c.opened);
        EXPECT_EQ(logDoc->IsTiming(), c.timingAfter);
        EXPECT_EQ(StoppedEntries(), c.stoppedAfter);
    }
    EXPECT_TRUE(dialogs.pausedWhileOpen) << "the Pause dialog ran with the document's paused flag set";
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(AppTimerCommands, WithoutAnActiveLogNothingHappensAndEverythingIsDisabled) {
    // The frame shows the document, but it is not the application's active log.
    StartTask();
    const UINT commands[] = {ID_TIMER_START,     ID_TIMER_STOP,   ID_TIMER_STOP_NOW,  ID_TIMER_PAUSE,
                             ID_TIMER_INTERRUPT, ID_TIMER_SWITCH, ID_TIMER_COMPLETED, ID_TIMER_START_COPY};
    for (const UINT id : commands) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(Enabled(id));
        Send(id);
        // Straight to the application too, as the tray menu's commands may arrive without a view.
        app.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
    }
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(logDoc->IsTiming());
    EXPECT_EQ(StoppedEntries(), 0);
    EXPECT_TRUE(app.prompts.empty());
}

TEST_F(AppTimerCommands, TheCommandsOnATimedTaskFollowTheTimingState) {
    OpenAsActiveLog();
    const UINT timedCommands[] = {ID_TIMER_STOP, ID_TIMER_STOP_NOW, ID_TIMER_PAUSE, ID_TIMER_INTERRUPT,
                                  ID_TIMER_SWITCH};
    auto expectTimed = [&](bool enabled, const char* state) {
        SCOPED_TRACE(state);
        for (const UINT id : timedCommands)
            EXPECT_EQ(Enabled(id), enabled) << id;
        // Start and Completed Time are the document's to decide; it leaves them on while a log is open.
        EXPECT_TRUE(Enabled(ID_TIMER_COMPLETED));
    };
    expectTimed(false, "idle");
    StartTask();
    expectTimed(true, "timing");

    // While the Pause dialog is open its own buttons decide; the menu's timed commands wait.
    dialogs.pause = [&](CLogDoc&) {
        expectTimed(false, "pause dialog open");
        return IDCANCEL;
    };
    Send(ID_TIMER_PAUSE);
    ASSERT_EQ(dialogs.opened, std::vector<std::string>{"pause"});
    expectTimed(true, "after the pause dialog");

    Send(ID_TIMER_STOP_NOW);
    expectTimed(false, "stopped");
}

TEST(AppTimerRules, TheTimedTaskCommandsWaitWhileTheLogOpens) {
    ScratchRegistry registry;
    // A log whose open runs (its log-in dialogs pump messages) takes no stop or switch yet.
    class OpeningLogDoc : public CLogDoc {
    public:
        void SetState(bool timing, bool opening) {
            m_bTiming = timing;
            m_bOpening = opening;
        }
    };
    OpeningLogDoc doc;
    EXPECT_FALSE(CBrindlemarkWinApp::CanActOnTimedTask(nullptr));
    doc.SetState(true, false);
    EXPECT_TRUE(CBrindlemarkWinApp::CanActOnTimedTask(&doc));
    doc.SetState(true, true);
    EXPECT_FALSE(CBrindlemarkWinApp::CanActOnTimedTask(&doc));
    doc.SetState(false, false);
    EXPECT_FALSE(CBrindlemarkWinApp::CanActOnTimedTask(&doc));
}

} // namespace
