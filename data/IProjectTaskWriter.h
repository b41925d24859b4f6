// Writes project tasks to their table ([ProjectTasks]): the time-log document does, through its
// project-task recordset.
#pragma once

class CTask;

class IProjectTaskWriter {
public:
    virtual ~IProjectTaskWriter() = default;
    // Stores the task; false when it was not written.
    virtual bool SaveProjectTask(CTask* task) = 0;
};
