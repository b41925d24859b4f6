#include "timelog/CLogDoc.h"

CLogEntry* CLogDoc::AddCompletedEntry(const CLogEntry& entry) {
    auto* pEntry = new CLogEntry(entry);
    pEntry->GetGUID();
    pEntry->SetModified(TRUE);
    AddLogEntry(pEntry);
    // Before anything else can fail: the entry is in the database or waits there as pending.
    WriteEntryOrKeepPending(pEntry);
    SetModifiedFlag();
    DoAutoSave(true);
    return pEntry;
}
