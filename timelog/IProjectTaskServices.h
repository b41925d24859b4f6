// What the time-log document asks of the project-task subsystem when project tasks are timed: the task
// details window and the write-back of a task's logged work to the plan of its project. That subsystem
// implements it and registers itself (SetProjectTaskServices); without it no details are shown and no
// plan is written.
#pragma once

#include "framework/core/CObArray.h"

class CLogDoc;
class CProject;
class CTask;

class IProjectTaskServices {
public:
    virtual ~IProjectTaskServices() = default;
    // "Project Task Details" (modal) for the task and the log entries logged against it.
    virtual void ShowTaskDetails(CLogDoc& doc, CTask& task, CObArray& entries) = 0;
    // Writes the task's duration, actual work, remaining work and percent complete to the plan of its
    // project (a Microsoft Project file or the project server); false when it was not written.
    virtual bool WriteBackTask(CProject& project, CTask& task) = 0;
};

// The registered services, or nullptr.
IProjectTaskServices* GetProjectTaskServices();
void SetProjectTaskServices(IProjectTaskServices* pServices);
