// CEntryDialogs: the program's entry dialogs as the time-log document opens them (ILogDocDialogs): Log Task,
// Start Logging Time, Enter Completed Time and the switch notice, each run modally over the main window. The
// application registers one at start and removes it at the end.
#pragma once

#include "timelog/ILogDocDialogs.h"

class CEntryDialogs : public ILogDocDialogs {
public:
    int RunLogTask(CLogDoc& doc, LogTaskMode mode, CTime time, CLogEntry* initial) override;
    int RunEditLogEntry(CLogDoc& doc, CLogEntry& entry, DWORD row) override;
    int RunStartLogging(CLogDoc& doc, CLogEntry& entry, StartLoggingMode mode, CTime time) override;
    int RunCompletedTime(CLogDoc& doc) override;
    int ShowSwitchNotice() override;
    int RunPause(CLogDoc& doc) override;
    int RunInterrupt(CLogDoc& doc) override;
    // Not offered by this program yet: nothing is done (0).
    int RunLogin(CLogDoc& doc) override;
    int RunDataAccess() override;
};
