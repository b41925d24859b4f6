#include "shell/CEntryDialogs.h"

#include "framework/win/CWinApp.h"
#include "timelog/CCompletedTimeDlg.h"
#include "timelog/CStartLoggingDlg.h"
#include "timelog/CSwitchNoticeDlg.h"

int CEntryDialogs::RunLogTask(CLogDoc&, LogTaskMode, CTime, CLogEntry*) {
    return 0;
}

int CEntryDialogs::RunStartLogging(CLogDoc& doc, CLogEntry& entry, StartLoggingMode mode, CTime time) {
    CStartLoggingDlg dlg(&doc, entry, static_cast<int>(mode), AfxGetMainWnd());
    if (time.GetTime() != 0)
        dlg.SetTime(time);
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::RunCompletedTime(CLogDoc& doc) {
    CCompletedTimeDlg dlg(&doc, AfxGetMainWnd());
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::ShowSwitchNotice() {
    CSwitchNoticeDlg dlg(AfxGetMainWnd());
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::RunPause(CLogDoc&) {
    return 0;
}

int CEntryDialogs::RunInterrupt(CLogDoc&) {
    return 0;
}

int CEntryDialogs::RunLogin(CLogDoc&) {
    return 0;
}

int CEntryDialogs::RunDataAccess() {
    return 0;
}
