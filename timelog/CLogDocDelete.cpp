// CLogDoc: toggling the timing from a task list, and removing log entries (by GUID and the log grid's
// selection), which ends the timing when the timed entry goes.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/LogClock.h"

#include <algorithm>

namespace {
// The log grid's rows above its first entry (its headers) are fewer than this: a selected row further
// than this beyond the log's size cannot show an entry.
constexpr DWORD kRowsAboveEntries = 16;
} // namespace

// ---------------------------------------------------------------- toggling

void CLogDoc::ToggleTiming(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    if (m_bTiming) {
        CLogEntry stopped(*GetCurrentEntry());
        stopped.SetStopTime(LogClock::Now());
        StoreStoppedEntry(&stopped);
        DoAutoSave(true);
        if (pEntry->IsSameTask(stopped))
            return;
    }
    pEntry->SetStartTime(LogClock::Now());
    StartTiming(pEntry);
    DoAutoSave(true);
}

void CLogDoc::StoreStoppedEntryAndNotify(CLogEntry* pEntry) {
    StoreStoppedEntry(pEntry);
    OnStoppedEntryStored(pEntry);
}

// ---------------------------------------------------------------- removing entries

bool CLogDoc::IsTimedEntry(const CLogEntry* pEntry) const {
    if (!m_bTiming || !pEntry->IsRunning())
        return false;
    const CString timed = GetRunningGUID();
    // Without a mirrored GUID only the newest running entry is the timed one: an older entry left open
    // (by another machine) does not end the timing.
    return timed.IsEmpty() ? pEntry == GetRunningEntry() : timed.CompareNoCase(pEntry->m_GUID) == 0;
}

void CLogDoc::EndTimingOfRemovedEntry() {
    SetTimingShown(false);
    m_CurrentEntry.SaveRunning();
    // Nothing is timed any more: the mirror must not name the removed entry.
    SetRunningGUID("");
    SetModifiedFlag();
}

void CLogDoc::RemoveLogEntryAt(INT_PTR index) {
    CLogEntry* pEntry = m_LogEntries.GetAt(index);
    if (IsTimedEntry(pEntry))
        EndTimingOfRemovedEntry();
    if (m_bUseDatabase)
        m_TaskSet.DeleteEntry(this, pEntry);
    m_LogEntries.RemoveAt(index);
    // The time-cache list points into the log; it must not keep a deleted entry.
    for (INT_PTR i = m_TimeCacheEntries.GetSize() - 1; i >= 0; --i)
        if (m_TimeCacheEntries.GetAt(i) == pEntry)
            m_TimeCacheEntries.RemoveAt(i);
    delete pEntry;
}

bool CLogDoc::DeleteLogEntryByGUID(const char* guid, bool noteTime) {
    bool removed = false;
    for (INT_PTR i = m_LogEntries.GetSize() - 1; i >= 0; --i) {
        if (m_LogEntries.GetAt(i)->m_GUID.CompareNoCase(guid) == 0) {
            RemoveLogEntryAt(i);
            removed = true;
        }
    }
    if (!removed)
        return false;
    RegWriteInt(REG_SYNC, "Num objects", -1);
    SaveNow();
    if (noteTime)
        m_nLastDeletionTick = LogClock::TickCount();
    return true;
}

CLogEntry* CLogDoc::GetEntryAtLogRow(DWORD row) {
    if (ILogView* pView = GetLogView())
        return pView->GetEntryAtRow(row);
    return row >= 1 ? GetLogEntryAt(static_cast<int>(row) - 1) : nullptr;
}

DWORD CLogDoc::LastLogRow() const {
    return static_cast<DWORD>(GetLogEntryCount()) + kRowsAboveEntries;
}

void CLogDoc::CollectSelectedGUIDs(const CDWordArray& starts, const CDWordArray& ends, CStringArray& guids) {
    const INT_PTR ranges = std::min(starts.GetSize(), ends.GetSize());
    for (INT_PTR r = ranges - 1; r >= 0; --r) {
        const DWORD first = std::max<DWORD>(starts.GetAt(r), 1);
        for (DWORD row = std::min(ends.GetAt(r), LastLogRow()); row >= first; --row) {
            CLogEntry* pEntry = GetEntryAtLogRow(row);
            if (pEntry == nullptr)
                continue;
            const CString guid = pEntry->GetGUID();
            bool known = false;
            for (INT_PTR g = 0; g < guids.GetSize() && !known; ++g)
                known = guids.GetAt(g).CompareNoCase(guid) == 0;
            // Overlapping ranges name a row twice; its entry is removed once.
            if (!known)
                guids.Add(guid);
        }
    }
}

void CLogDoc::DeleteSelectedLogEntries(const CDWordArray& starts, const CDWordArray& ends) {
    // The rows are read before anything is removed: a removal must not move the rows still to be read.
    CStringArray guids;
    CollectSelectedGUIDs(starts, ends, guids);
    for (INT_PTR g = 0; g < guids.GetSize(); ++g) {
        CString taskGUID;
        if (CLogEntry* pEntry = FindLogEntryByGUIDNoCase(guids.GetAt(g))) {
            QueueEntryForQuickBooks(pEntry, true, 0);
            taskGUID = pEntry->m_ProjectTaskID;
        }
        DeleteLogEntryByGUID(guids.GetAt(g), false);
        // The task's logged totals are summed from [Tasks]: only once the row is gone do they leave the
        // removed entry out.
        if (!taskGUID.IsEmpty())
            UpdateTaskTotals(FindProjectTaskByGUID(taskGUID), false, true);
    }
    DoAutoSave(true);
    RefreshTimesheetView();
}

bool CLogDoc::SelectionHasOpenPendingEntry(const CDWordArray& starts, const CDWordArray& ends) {
    const INT_PTR ranges = std::min(starts.GetSize(), ends.GetSize());
    for (INT_PTR r = 0; r < ranges; ++r) {
        const DWORD last = std::min(ends.GetAt(r), LastLogRow());
        for (DWORD row = std::max<DWORD>(starts.GetAt(r), 1); row <= last; ++row) {
            const CLogEntry* pEntry = GetEntryAtLogRow(row);
            if (pEntry != nullptr && pEntry->m_OpenPending != 0)
                return true;
        }
    }
    return false;
}
