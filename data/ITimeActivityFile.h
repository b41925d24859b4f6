// The accounting file that the export of time entries writes to: the QuickBooks IIF time file
// implements it.
#pragma once

#include "framework/core/CString.h"

class CLogEntry;

class ITimeActivityFile {
public:
    virtual ~ITimeActivityFile() = default;
    // Appends one time-activity row for the entry under the employee's name.
    virtual void AddTimeActivity(const CLogEntry* entry, int value, const CString& employee) = 0;
};
