// The choices of an export of time entries (the export options dialog implements it): which rows of
// [Tasks] to read, which of their entries to write, and whether written entries become billed.
#pragma once

#include "framework/core/CString.h"

class CLogEntry;

class IExportEntryOptions {
public:
    virtual ~IExportEntryOptions() = default;
    // The [Tasks] filter of the chosen rows (ExportEntriesFilter builds it).
    virtual CString GetFilter() const = 0;
    // Whether an entry passes the choices (project, range, not billed).
    virtual bool IncludesEntry(const CLogEntry* entry) const = 0;
    // Whether the entries written are marked as billed.
    virtual bool MarkAsBilled() const = 0;
};
