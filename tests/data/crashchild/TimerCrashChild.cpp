// The child program of the timer crash tests. It opens a log kept in the database, times tasks through
// the timer operations (start, switch, pause and resume, stop) and ends itself hard, as a killed process
// would end, right after the step it is told.
//
// Usage: timer_crash_child <registry root> <program folder> <log file> <last step>
// Ending at a step gives exit code kKilledExitCode; a last step beyond the steps ends normally (0); a
// failure gives 1.
#include "../../timelog/ModelTestSupport.h"
#include "../TimerCrashSteps.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

int g_lastStep = -1;

// Ends the process at once when this is the step to end after: no destructor, no save, no clean-up.
void Step(int step) {
    if (step == g_lastStep)
        ::TerminateProcess(::GetCurrentProcess(), timercrash::kKilledExitCode);
}

int Run(const char* logFile) {
    modeltest::RecordingApp app;
    modeltest::RecordingFrame frame;
    timingtest::RecordingLogView view;
    timingtest::ScriptedDialogs dialogs;
    auto doc = std::make_unique<CLogDoc>();
    doc->m_bAutoDelete = FALSE;
    frame.doc = doc.get();
    frame.logView = &view;
    if (!doc->OnOpenDocument(logFile) || !doc->IsDatabaseUsable()) {
        std::fprintf(stderr, "the log did not open on its database\n");
        return 1;
    }
    DWORD tick = 1000;
    if (!timercrash::RunFirstPass(*doc, tick)) {
        std::fprintf(stderr, "the log did not finish loading\n");
        return 1;
    }
    Step(timercrash::kOpened);
    if (!timercrash::RunTimerSteps(*doc, dialogs, Step)) {
        std::fprintf(stderr, "a timer operation did not run\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    if (argc != 5) {
        std::fprintf(stderr, "usage: timer_crash_child <registry root> <program folder> <log file> <step>\n");
        return 1;
    }
    RegSetTestRoot(argv[1]);
    SetProgramFolderForTests(argv[2]);
    g_lastStep = std::atoi(argv[4]);
    return Run(argv[3]);
}
