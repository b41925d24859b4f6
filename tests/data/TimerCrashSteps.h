// What the timer crash tests and their child program share: the timer steps, how the child reports that
// it was ended at a step, and the idle work that brings an opened log up to date.
#pragma once

#include "../timelog/TimingTestSupport.h"
#include "timelog/CLogDoc.h"
#include "timelog/LogClock.h"

#include <functional>

namespace timercrash {

// The exit code of a child that ended itself at its step, as a killed process would.
constexpr UINT kKilledExitCode = 3;

// The steps of RunTimerSteps, each reported when it is done.
enum TimerStep {
    kOpened = 0,
    kAlphaStarted,  // "alpha" timed
    kSwitchStopped, // the switch stopped "alpha"
    kBetaStarted,   // the switch started "beta"
    kPauseStopped,  // the pause stopped "beta" where it began
    kResumed,       // "beta" timed again, as a new row
    kStopped,       // nothing timed
    kStepCount
};

// Idle calls, 200 ms apart from *pTick on, until the log is loaded and its first pass has run; false
// when that does not happen within a minute of ticks. *pTick becomes the tick after the last call.
inline bool RunFirstPass(CLogDoc& doc, DWORD& tick) {
    const DWORD end = tick + 60000;
    bool done = false;
    for (; tick < end && !done; tick += 200)
        done = doc.OnIdleCheck(tick) == 0;
    return done;
}

// Start, switch, pause and resume, stop on the opened log, through the timer operations, answered as the
// entry dialogs answer on OK. step is told each TimerStep after kOpened as soon as it is done. False
// when an operation did not run.
inline bool RunTimerSteps(CLogDoc& doc, timingtest::ScriptedDialogs& dialogs,
                          const std::function<void(int)>& step) {
    const char* nextDesc = "alpha";
    dialogs.logTask[0] = [&](CLogDoc& d, CTime time, CLogEntry*) {
        CLogEntry entry;
        entry.m_Desc = nextDesc;
        entry.SetStartTime(time);
        d.StartTiming(&entry);
        return IDOK;
    };
    dialogs.logTask[1] = [&](CLogDoc& d, CTime time, CLogEntry* initial) {
        CLogEntry entry(*initial);
        entry.SetStopTime(time.GetTime() != 0 ? time : LogClock::Now());
        d.StoreStoppedEntry(&entry);
        step(kSwitchStopped);
        return IDOK;
    };
    // Resume the original task, as the Pause dialog does on OK: the task ends where the pause began and
    // starts again as a new row.
    dialogs.pause = [&](CLogDoc& d) {
        const CTime pauseStart = LogClock::Now();
        CLogEntry paused(*d.GetCurrentEntry());
        d.StopTiming(pauseStart);
        step(kPauseStopped);
        paused.SetStartTime(LogClock::Now());
        d.StartTiming(&paused);
        return IDOK;
    };
    if (doc.StartTimer() != IDOK)
        return false;
    step(kAlphaStarted);
    nextDesc = "beta";
    doc.SwitchTask();
    step(kBetaStarted);
    if (doc.PauseTimer() != IDOK)
        return false;
    step(kResumed);
    doc.StopNow();
    step(kStopped);
    return !doc.IsTiming();
}

} // namespace timercrash
