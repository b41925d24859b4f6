// The project server's side of adding and deleting one project task of a project integrated with the
// project server (Integrate = 2): the project-server integration implements it and registers itself
// (SetProjectServerTasks). Without it the server is not written, and the document says so in its errors.
#pragma once

class CProject;
class CTask;

class IProjectServerTasks {
public:
    virtual ~IProjectServerTasks() = default;
    // Sends a new task to the project's server database; false when it was not written.
    virtual bool AddTask(CProject& project, CTask& task) = 0;
    // Deletes the task from the project's server database; false when it was not deleted.
    virtual bool DeleteTask(CProject& project, CTask& task) = 0;
};

IProjectServerTasks* GetProjectServerTasks();
void SetProjectServerTasks(IProjectServerTasks* pServer);
