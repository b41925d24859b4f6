// CLogDoc: the timing primitives (running and current entry, storing an entry everywhere it belongs,
// appending and replacing log entries, the timer displays) and the sums of logged time.
#include "timelog/CLogDoc.h"

#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/LogClock.h"

#include <unordered_map>

namespace {

// Entries that ended this many times before the period end the scan of a sum: older ones cannot count.
constexpr int kMaxEntriesBeforePeriod = 100;

// Whether a project is the "<None>" placeholder, asked once per project in a scan (the test reads a
// resource text).
class NoneProjectTest {
public:
    bool operator()(const CProject* pProject) {
        auto [it, added] = m_known.try_emplace(pProject, false);
        if (added)
            it->second = pProject->IsNoneProject() != FALSE;
        return it->second;
    }

private:
    std::unordered_map<const CProject*, bool> m_known;
};

bool MatchesSelection(const CLogEntry& entry, const CLogDoc::LoggedTimeSelection& sel,
                      NoneProjectTest& isNone) {
    const CProject* pProject = entry.m_pProject;
    if (sel.pProject != nullptr && pProject != sel.pProject) {
        const bool noneAsked = isNone(sel.pProject);
        if (!noneAsked || (pProject != nullptr && !isNone(pProject)))
            return false;
    }
    if (sel.pProjectType == CLogDoc::kWithoutProjectType) {
        if (pProject == nullptr || isNone(pProject) || pProject->m_pProjectType != nullptr)
            return false;
    } else if (sel.pProjectType != nullptr) {
        if (pProject == nullptr || pProject->m_pProjectType != sel.pProjectType)
            return false;
    } else if (sel.pClient != nullptr && entry.m_pClient != sel.pClient) {
        return false;
    }
    if ((sel.billedMode == 1 && entry.m_Billed == 0) || (sel.billedMode == 2 && entry.m_Billed != 0))
        return false;
    if (sel.textColumn != 0) {
        CString text;
        entry.GetColumnText(text, sel.textColumn);
        if (text.CompareNoCase(sel.text) != 0)
            return false;
    }
    return true;
}

} // namespace

const CProjectType* const CLogDoc::kWithoutProjectType = reinterpret_cast<const CProjectType*>(-1);

// ---------------------------------------------------------------- running and current entry

CLogEntry* CLogDoc::GetRunningEntry() const {
    for (INT_PTR i = m_LogEntries.GetSize() - 1; i >= 0; --i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry != nullptr && pEntry->IsRunning())
            return pEntry;
    }
    return nullptr;
}

CLogEntry* CLogDoc::GetCurrentEntry() {
    if (const CLogEntry* pRunning = GetRunningEntry())
        m_CurrentEntry = *pRunning;
    return &m_CurrentEntry;
}

// ---------------------------------------------------------------- storing entries

void CLogDoc::CommitLogEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    pEntry->GetGUID();
    WriteEntryOrKeepPending(pEntry);
    QueueEntryForQuickBooks(pEntry, false, 0);
    UpdateEntryTask(pEntry, false, true);
    if (ILogView* pView = GetLogView())
        pView->RefreshEntryRow(pEntry);
    SaveNow();
}

void CLogDoc::AppendLogEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    pEntry->m_ProjProjectID = m_CurrentEntry.m_ProjProjectID;
    pEntry->m_ProjResourceID = m_CurrentEntry.m_ProjResourceID;
    pEntry->m_ProjAssignmentID = m_CurrentEntry.m_ProjAssignmentID;
    pEntry->m_MSTaskID = m_CurrentEntry.m_MSTaskID;
    AddLogEntry(pEntry);
    const CString guid = pEntry->GetGUID();
    pEntry->SetModified(TRUE);
    WriteEntryOrKeepPending(pEntry);
    if (pEntry->IsRunning())
        RegWriteString(REG_LOGGING, "Guid", guid);
    SaveNow();
}

void CLogDoc::ReplaceLogEntryAt(int index, CLogEntry* pEntry) {
    if (pEntry == nullptr || index < 0 || index >= GetLogEntryCount())
        return;
    m_LogEntries.SetAt(index, pEntry);
    SaveNow();
    pEntry->GetGUID();
    WriteEntryOrKeepPending(pEntry);
    QueueEntryForQuickBooks(pEntry, false, 1);
}

void CLogDoc::SaveNow() {
    SetModifiedFlag();
    DoAutoSave(true);
}

// ---------------------------------------------------------------- displays

void CLogDoc::UpdateTimingDisplay() {
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->MarkRunningTask();
    if (ILogView* pView = GetLogView()) {
        pView->RefreshAllRows();
        pView->ApplyFilter(m_ViewFilter);
        pView->ApplySort();
        pView->Redraw();
    }
    RefreshTimesheetView();
}

void CLogDoc::UpdateTimingDisplayKeepSelection() {
    ILogView* pView = GetLogView();
    CDWordArray starts;
    CDWordArray ends;
    if (pView != nullptr)
        pView->GetSelectedRows(starts, ends);
    UpdateTimingDisplay();
    if (pView != nullptr)
        pView->SelectRows(starts, ends);
}

// ---------------------------------------------------------------- sums

CTimeSpan CLogDoc::SumLoggedTime(CTime from, CTime to, const LoggedTimeSelection& selection,
                                 const CLogEntryArray* pList) const {
    const CLogEntryArray& list = pList != nullptr ? *pList : m_LogEntries;
    const CTime now = LogClock::Now();
    NoneProjectTest isNone;
    long long total = 0;
    int endedBefore = 0;
    for (INT_PTR i = list.GetSize() - 1; i >= 0; --i) {
        const CLogEntry* pEntry = list.GetAt(i);
        if (pEntry == nullptr)
            return CTimeSpan(0);
        const CTime start = std::max(pEntry->m_StartTime, from);
        CTime stop = pEntry->m_EndTime;
        if (stop.GetTime() != 0 && stop < from && ++endedBefore > kMaxEntriesBeforePeriod)
            break;
        if (stop.GetTime() == 0)
            stop = now;
        if (to.GetTime() != 0 && to < stop)
            stop = to;
        const long long span = (stop - start).GetTotalSeconds();
        if (span > 0 && MatchesSelection(*pEntry, selection, isNone))
            total += CLogEntry::RoundElapsed(static_cast<long>(span));
    }
    return CTimeSpan(total);
}

double CLogDoc::GetLoggedHours(CTime from, CTime to, const LoggedTimeSelection& selection,
                               const CLogEntryArray* pList) const {
    return static_cast<double>(SumLoggedTime(from, to, selection, pList).GetTotalSeconds()) / 3600.0;
}

CString CLogDoc::FormatLoggedHours(CTime from, CTime to, const LoggedTimeSelection& selection,
                                   const CLogEntryArray* pList) const {
    CString text;
    AfxFormatString1(text, IDS_HOURS_COUNT, AcxFormatNumber(GetLoggedHours(from, to, selection, pList), 2));
    return text;
}

// ---------------------------------------------------------------- time arithmetic

CTime CLogDoc::AddDaysToTime(CTime time, int days) {
    // Calendar arithmetic in local time: a day with a clock change is 23 or 25 hours long, and the time
    // of day stays what it was.
    struct tm local {};
    if (time.GetLocalTm(&local) == nullptr)
        return CTime(time.GetTime() + static_cast<long long>(days) * 86400);
    return CTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday + days, local.tm_hour, local.tm_min,
                 local.tm_sec, -1);
}

CTime CLogDoc::SubtractSeconds(CTime time, long seconds) {
    return time - CTimeSpan(seconds);
}
