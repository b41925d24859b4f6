// CLogDoc: the idle poll — background work done in small steps from the application's idle handler.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "timelog/CLogHint.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"

namespace {
constexpr DWORD kStartDelayMs = 100;
constexpr DWORD kRetryMs = 2000;
constexpr DWORD kViewRefreshDelayMs = 1000;
constexpr DWORD kCounterPollMs = 900000;

// Tick differences are unsigned: they stay right when the 32-bit counter wraps.
bool Elapsed(DWORD now, DWORD since, DWORD interval) {
    return static_cast<DWORD>(now - since) >= interval;
}

// Adds to queue each GUID of queued it does not hold (GUIDs compare without case).
bool AddMissing(CStringArray& queue, const CStringArray& queued) {
    bool added = false;
    for (INT_PTR i = 0; i < queued.GetSize(); ++i) {
        bool held = false;
        for (INT_PTR j = 0; j < queue.GetSize() && !held; ++j)
            held = queue.GetAt(j).CompareNoCase(queued.GetAt(i)) == 0;
        if (!held) {
            queue.Add(queued.GetAt(i));
            added = true;
        }
    }
    return added;
}
} // namespace

int CLogDoc::OnIdleCheck() {
    return OnIdleCheck(::GetTickCount());
}

int CLogDoc::OnIdleCheck(DWORD tick) {
    if (!m_bIdleStarted) {
        m_bIdleStarted = true;
        m_nFirstIdleTick = m_nRetryTick = m_nCounterPollTick = tick;
    }
    if (!Elapsed(tick, m_nFirstIdleTick, kStartDelayMs))
        return WantsMoreIdleTime();
    LoadLogPortion();
    const bool loaded = !IsLogLoading();
    if (loaded)
        MergeCaches();
    if (loaded && !m_bFirstPassDone)
        RunFirstIdlePass();
    if (Elapsed(tick, m_nRetryTick, kRetryMs)) {
        m_nRetryTick = tick;
        FlushCachedEntry();
    }
    if (m_nViewRefreshTick != 0 && static_cast<DWORD>(tick - m_nViewRefreshTick) > kViewRefreshDelayMs) {
        m_nViewRefreshTick = 0;
        RefreshViewsNow();
    }
    if (Elapsed(tick, m_nCounterPollTick, kCounterPollMs)) {
        m_nCounterPollTick = tick;
        PollSharedChanges();
    }
    return WantsMoreIdleTime();
}

int CLogDoc::WantsMoreIdleTime() const {
    // An untouched window gets no messages: without more idle time a large log would load only as
    // messages happen to arrive.
    return IsLogLoading() || !m_bFirstPassDone ? 1 : 0;
}

void CLogDoc::ArmViewRefresh(DWORD tick) {
    // 0 means "not armed": a message at tick 0 counts from tick 1.
    m_nViewRefreshTick = tick != 0 ? tick : 1;
}

void CLogDoc::LoadLogPortion() {
    if (!IsLogLoading())
        return;
    if (!CanWriteTables()) {
        m_bLogLoadPending = m_bLogLoading = false;
        return;
    }
    bool more = false;
    if (!m_TaskSet.LoadNextBatch(this, m_bLogLoadPending, &more))
        more = false;
    m_bLogLoadPending = false;
    m_bLogLoading = more;
}

void CLogDoc::MergeCaches() {
    // Once the log is loaded, the entries a previous run could not write come back from the time cache;
    // until then the cache file is left as that run wrote it.
    MergeTimeCache();
    if (m_bQBCacheLoaded)
        return;
    m_bQBCacheLoaded = true;
    // Entries queued while the log loaded stay queued beside those the cache kept.
    CStringArray queued;
    queued.Copy(m_QBQueue);
    LoadQuickBooksCache();
    if (AddMissing(m_QBQueue, queued))
        SaveQuickBooksCache();
}

void CLogDoc::RunFirstIdlePass() {
    m_bFirstPassDone = true;
    if (ILogView* pView = GetLogView()) {
        pView->ApplySort();
        pView->ApplyFilter(m_ViewFilter);
        pView->RefreshAllRows();
        pView->ApplyGrayBar();
        pView->ResetRowHeights();
    }
    DoAutoSave(true);
    ApplyUserVisibility(true, true, true);
    bool checkStatus = false;
    RegReadBool(REG_LOGGING, "Check status", &checkStatus);
    RegWriteBool(REG_LOGGING, "Check status", false);
    SyncTimingState();
    ::RefreshTimesheetView();
}

void CLogDoc::RefreshViewsNow() {
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    if (ILogView* pView = GetLogView()) {
        pView->Redraw();
        pView->ApplySort();
        pView->ApplyGrayBar();
        pView->RefreshAllRows();
        pView->ResetRowHeights();
    }
    ::RefreshTimesheetView();
    DoAutoSave(true);
}

void CLogDoc::PollSharedChanges() {
    if (!CanWriteTables())
        return;
    m_UpdateSet.PollCounter(this);
    ::RefreshTaskView();
    ::RefreshTimesheetView();
}
