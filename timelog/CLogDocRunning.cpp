// CLogDoc: the running entry — the timing state, its mirror under "Logging\", the reconciliation with the
// log after a load, entries received from the handheld, and the timer displays.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "timelog/CLogHint.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"

CString CLogDoc::GetRunningGUID() {
    CString guid;
    RegReadString(REG_LOGGING, "Guid", guid);
    return guid;
}

void CLogDoc::SetRunningGUID(const char* guid) {
    RegWriteString(REG_LOGGING, "Guid", guid);
}

void CLogDoc::SetTimingShown(bool timing) {
    m_bTiming = timing;
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->ShowTimingIcon(timing);
}

void CLogDoc::RestoreRunningState() {
    if (!m_bUseDatabase)
        return;
    m_CurrentEntry.LoadRunningState(this);
    if (m_bTiming)
        SetTimingShown(true);
}

void CLogDoc::SyncTimingState() {
    CLogEntry* pRunning = GetRunningEntry();
    bool changed = false;
    if (pRunning != nullptr) {
        const CString guid = pRunning->GetGUID();
        if (!m_bTiming || GetRunningGUID().CompareNoCase(guid) != 0) {
            m_CurrentEntry = *pRunning;
            if (!m_bTiming)
                SetTimingShown(true);
            SetRunningGUID(guid);
            changed = true;
        }
    } else if (m_bTiming) {
        SetTimingShown(false);
        SetRunningGUID("");
        changed = true;
    }
    if (changed) {
        m_CurrentEntry.SaveRunning();
        UpdateTimingDisplay();
        CLogHint hint;
        UpdateAllViews(nullptr, 0, &hint);
        DoAutoSave(true);
    }
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->MarkRunningTask();
}

void CLogDoc::ApplySyncedRunningState(CLogEntry* pSynced) {
    if (pSynced == nullptr)
        return;
    const CString syncedGUID = pSynced->GetGUID();
    const bool syncedRuns = pSynced->IsRunning();
    if (m_bTiming && syncedRuns && syncedGUID != m_CurrentEntry.GetGUID())
        StopTiming(CTime(0));
    if (m_bTiming) {
        if (!syncedRuns && syncedGUID == m_CurrentEntry.GetGUID()) {
            SetTimingShown(false);
            m_CurrentEntry.SaveRunning();
            if (ILogView* pView = GetLogView())
                pView->RefreshEntryRow(FindLogEntryByGUIDNoCase(syncedGUID));
        }
        return;
    }
    if (!syncedRuns)
        return;
    SetTimingShown(true);
    m_TimingStart = pSynced->m_StartTime;
    m_CurrentEntry = *pSynced;
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->ResetInactivity();
    UpdateTimingDisplay();
    m_CurrentEntry.SaveRunning();
}
