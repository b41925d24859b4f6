// The document's copies of its log into the database, as the "Writing Database" window runs them. Each
// shows its progress in the window's status text and progress bar, and its outcome in the status text.
#pragma once

class CWnd;
class CStatic;
class CProgressCtrl;

class ILogDatabaseCopy {
public:
    virtual ~ILogDatabaseCopy() = default;
    // Every log entry (the user may add projects, categories and clients); deleteFirst empties the task
    // table before.
    virtual void CopyLogToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress,
                                   bool deleteFirst) = 0;
    // Every log entry, nothing else.
    virtual void CopyTasksToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress) = 0;
};
