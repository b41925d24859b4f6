// The project server's side of writing the time logged on one project task as daily actual work: the
// project-server integration implements it for the task's assignment.
#pragma once

#include "framework/core/CTime.h"

class IProjectServerWork {
public:
    virtual ~IProjectServerWork() = default;
    // Prepares the task's work records on the server; false when it cannot (nothing is then written).
    virtual bool OpenWorkForAssignment() = 0;
    // Records one day's actual work (day: the start of the day's first entry).
    virtual void WriteDayWork(const CTime& day, long seconds) = 0;
    // Lets the server side go.
    virtual void Release() = 0;
};
