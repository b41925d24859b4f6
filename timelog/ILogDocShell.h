// What the time-log document asks of the application when a log is opened, saved or closed: the active
// log, the tray icon, the exit command, the Options sheet and the main window's refresh after an open.
// The timelog code does not know the shell; the application implements this and registers itself while
// it runs (SetLogDocShell). Without a registered shell every call is skipped, as without a main window.
#pragma once

#include "framework/core/AfxDefs.h"

class CLogDoc;

class ILogDocShell {
public:
    virtual ~ILogDocShell() = default;
    // Compares the path with the active log path ignoring case; when equal the document becomes the
    // active one. The comparison's result (0: equal).
    virtual int MatchActiveLog(CLogDoc* pDoc, const char* path) = 0;
    // Clears the active document when it is pDoc.
    virtual void ForgetLogDocument(CLogDoc* pDoc) = 0;
    // Whether pDoc is the application's active log document.
    virtual bool IsActiveLogDocument(const CLogDoc* pDoc) const = 0;
    // The main tray icon shows timing or idle.
    virtual void ShowTrayTiming(bool timing) = 0;
    // Posts the exit command to the main window; false when there is none.
    virtual bool PostExit() = 0;
    // The Options sheet opened on the page with that dialog id; false when there is no main window.
    virtual bool ShowOptionsPage(UINT pageId) = 0;
    // Whether the log grid holds a row whose data are not complete yet.
    virtual bool HasUnfinishedLogRow() = 0;
    // After a log was opened: the quick task window, the tray icons (set up once), the navigation tree,
    // the view tabs and the layout. showTree false collapses the navigation pane; trimMenus deletes the
    // fourth and then the second top-level menu of the main window.
    virtual void AfterLogOpened(CLogDoc* pDoc, bool showTree, bool trimMenus) = 0;
};

// The registered shell, or nullptr.
ILogDocShell* GetLogDocShell();
// Registers the shell (nullptr when it goes).
void SetLogDocShell(ILogDocShell* pShell);
