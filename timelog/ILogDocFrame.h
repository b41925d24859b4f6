// What the time-log document and its objects ask of the main window: the log view's document and
// columns, the error list, the views to reload, and what timing tells the shell (tray icon, inactivity,
// task windows, the sibling product). The main frame implements it and registers itself
// while it exists (SetLogDocFrame); without a registered frame every call is skipped, as the program
// does when it has no main window.
#pragma once

#include "framework/core/CDWordArray.h"

class CLogDoc;
class CTask;
class ILogView;

class ILogDocFrame {
public:
    virtual ~ILogDocFrame() = default;

    // The document of the log view the frame keeps; nullptr when there is none.
    virtual CLogDoc* GetLogViewDocument() = 0;
    // The log view the frame keeps; nullptr when there is none.
    virtual ILogView* GetLogView() { return nullptr; }
    // The column ids of the log grid in display order; false when there is no log grid.
    virtual bool GetLogColumnIds(CDWordArray& ids) = 0;

    // One entry of the errors list (message, code, detail); the frame shows the code in decimal, from
    // 100000 on as "0x%X", and refreshes its error display. Ignored while errors are suppressed.
    virtual void ReportError(const char* message, long code, const char* detail) = 0;
    virtual void SetErrorSuppression(bool suppress) = 0;
    virtual bool GetErrorSuppression() const = 0;
    virtual int GetErrorCount() const = 0;
    virtual void ClearErrors() = 0;

    // Reload the view when it exists.
    virtual void RefreshTimesheetView() = 0;
    virtual void RefreshInvoiceView() = 0;
    virtual void RefreshTaskView() = 0;

    // ---- timing
    // False when the frame keeps no project-task view; otherwise pTask is its first selected project
    // task (nullptr when none is selected).
    virtual bool GetSelectedProjectTask(CTask*& pTask) = 0;
    // The main tray icon shows timing (animated) or idle.
    virtual void ShowTimingIcon(bool timing) = 0;
    // The inactivity monitor counts again from now (timing started).
    virtual void ResetInactivity() = 0;
    // Re-marks the project task of the entry being timed in the task windows.
    virtual void MarkRunningTask() = 0;
    // Tells the sibling product which task is timed: its GUID in "Send value1" (empty: none), command 107.
    virtual void NotifySiblingTask(const char* taskGUID) = 0;
    // Fills the quick task window again from the document's quick tasks, marking the running one.
    virtual void RefillQuickTaskWindow() {}
};

// The registered frame, or nullptr.
ILogDocFrame* GetLogDocFrame();
// Registers the frame (nullptr when it goes).
void SetLogDocFrame(ILogDocFrame* pFrame);
// The registered frame's log view, or nullptr.
ILogView* GetLogView();
