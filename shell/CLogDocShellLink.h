// The application's answers to the time-log document (ILogDocShell): the active log, the tray icon, the
// exit command, the Options sheet, the log grid's unfinished row and the main window's refresh after a
// log was opened. One instance, registered for the program's run.
#pragma once

#include "timelog/ILogDocShell.h"

class CLogDocShellLink : public ILogDocShell {
public:
    // Registers the one instance with the document (Register) or takes it away again (Unregister).
    static void Register();
    static void Unregister();

    int MatchActiveLog(CLogDoc* pDoc, const char* path) override;
    void ForgetLogDocument(CLogDoc* pDoc) override;
    bool IsActiveLogDocument(const CLogDoc* pDoc) const override;
    void ShowTrayTiming(bool timing) override;
    bool PostExit() override;
    bool ShowOptionsPage(UINT pageId) override;
    bool HasUnfinishedLogRow() override;
    void AfterLogOpened(CLogDoc* pDoc, bool showTree, bool trimMenus) override;
};
