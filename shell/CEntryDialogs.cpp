#include "shell/CEntryDialogs.h"

#include "framework/win/CWinApp.h"
#include "timelog/CCompletedTimeDlg.h"
#include "timelog/CInterruptDlg.h"
#include "timelog/CPauseDlg.h"
#include "timelog/CStartLoggingDlg.h"
#include "timelog/CSwitchNoticeDlg.h"
#include "timelog/CTaskDlg.h"

int CEntryDialogs::RunLogTask(CLogDoc& doc, LogTaskMode mode, CTime time, CLogEntry* initial) {
    CTaskDlg dlg(&doc, AfxGetMainWnd());
    if (time.GetTime() != 0)
        dlg.SetTime(time);
    dlg.m_pSourceEntry = initial;
    dlg.m_bStartMode = mode == LogTaskMode::start;
    dlg.m_bStopMode = mode == LogTaskMode::stop;
    dlg.m_bCompletedMode = mode == LogTaskMode::completedTime;
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::RunEditLogEntry(CLogDoc& doc, CLogEntry& entry, DWORD row) {
    CTaskDlg dlg(&doc, AfxGetMainWnd());
    dlg.m_pSourceEntry = &entry;
    dlg.m_bEditMode = true;
    dlg.m_EditRow = row;
    return static_cast<int>(dlg.DoModal());
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

int CEntryDialogs::RunPause(CLogDoc& doc) {
    CPauseDlg dlg(&doc, AfxGetMainWnd());
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::RunInterrupt(CLogDoc& doc) {
    CInterruptDlg dlg(&doc, AfxGetMainWnd());
    return static_cast<int>(dlg.DoModal());
}

int CEntryDialogs::RunLogin(CLogDoc&) {
    return 0;
}

int CEntryDialogs::RunDataAccess() {
    return 0;
}
