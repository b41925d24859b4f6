// What the time-log document asks of the project-task view (the grid of project tasks the main window
// keeps). The view implements it and registers itself while it exists (SetTaskView); without one the
// document skips the work that needs the view (sorting the outline, deleting the selected tasks).
#pragma once

#include "framework/core/CString.h"

class CTask;

class ITaskView {
public:
    virtual ~ITaskView() = default;

    // The column the view sorts by first (0 = none) and its direction.
    virtual UINT GetPrimarySortColumn() = 0;
    virtual bool IsSortAscending() = 0;
    // The first selected project task, or nullptr.
    virtual CTask* GetSelectedTask() = 0;
    // The task shown in a grid row (rows count from 1), or nullptr for a row without a task.
    virtual CTask* GetTaskAtRow(DWORD row) = 0;
    virtual void ClearSelection() = 0;
    // Repaints the grid (after a task's figures changed).
    virtual void Redraw() {}
    // The grid row that shows the task with that GUID; 0 when no row shows it.
    virtual DWORD FindTaskRow(const char* /*guid*/) { return 0; }
};

// The registered view, or nullptr.
ITaskView* GetTaskView();
void SetTaskView(ITaskView* pView);
