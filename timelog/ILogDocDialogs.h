// The dialogs the time-log document runs for the timer operations and the log-in: each is modal and its
// result is the dialog's (IDOK = 1). The entry dialogs store what the user chose through the document's
// own operations (StartTiming, StoreStoppedEntry, SaveEditedEntry ...) before they return. The program's
// dialog classes implement it; they are registered once at start (SetLogDocDialogs). Without them no
// dialog can run, and the operations that need one do nothing (result 0).
#pragma once

#include "framework/core/CTime.h"

class CLogDoc;
class CLogEntry;

class ILogDocDialogs {
public:
    // The three ways the Log Task dialog opens.
    enum class LogTaskMode { start, stop, completedTime };
    // The two ways the older Start Logging Time dialog opens (its own mode numbers).
    enum class StartLoggingMode { start = 0, stop = 1 };

    virtual ~ILogDocDialogs() = default;

    // The Log Task dialog on the document. time: its preset time (0 = none); initial: the entry it starts
    // from (nullptr = none).
    virtual int RunLogTask(CLogDoc& doc, LogTaskMode mode, CTime time, CLogEntry* initial) = 0;
    // The Log Task dialog on an existing log entry shown in a log-grid row, with "<" and ">" to the
    // neighbouring rows. Dialogs that do not offer it do nothing (0).
    virtual int RunEditLogEntry(CLogDoc& /*doc*/, CLogEntry& /*entry*/, DWORD /*row*/) { return 0; }
    // The older Start Logging Time dialog on an entry (the current one); time presets both of its time
    // fields (0 = none).
    virtual int RunStartLogging(CLogDoc& doc, CLogEntry& entry, StartLoggingMode mode, CTime time) = 0;
    // The older Enter Completed Time dialog.
    virtual int RunCompletedTime(CLogDoc& doc) = 0;
    // Pause and Interrupt (the document's paused flag is set around the Pause dialog).
    virtual int RunPause(CLogDoc& doc) = 0;
    virtual int RunInterrupt(CLogDoc& doc) = 0;
    // "The previous task was stopped ..." between the stop and the start of a switch.
    virtual int ShowSwitchNotice() = 0;

    // "User Name and Password Verification" for the current user.
    virtual int RunLogin(CLogDoc& doc) = 0;
    // "Data Access": the user is told that the stored user name or password is wrong.
    virtual int RunDataAccess() = 0;
};

// The registered dialogs, or nullptr.
ILogDocDialogs* GetLogDocDialogs();
// Registers them (nullptr when they go).
void SetLogDocDialogs(ILogDocDialogs* pDialogs);
