// CLogDoc: timing started from what the active view has selected (a project task or a log entry), and the
// menu texts and states of the timer commands that name the selection.
#include "timelog/CLogDoc.h"

#include "framework/win/CCmdUI.h"
#include "resource.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/ITaskView.h"
#include "timelog/LogClock.h"

namespace {

constexpr int kTimesheetView = 2;
constexpr int kLogView = 3;
constexpr int kTaskView = 4;
constexpr int kExpenseView = 5;
constexpr int kInvoiceView = 6;
constexpr int kMaxMenuNameLength = 20;

// The one selected row of the log view when exactly one is selected and it shows an entry; else 0.
DWORD SingleSelectedEntryRow(ILogView& view) {
    CDWordArray starts;
    CDWordArray ends;
    view.GetSelectedRows(starts, ends);
    if (starts.GetSize() != 1 || ends.GetSize() != 1 || starts[0] != ends[0])
        return 0;
    return view.GetEntryAtRow(starts[0]) != nullptr ? starts[0] : 0;
}

} // namespace

void CLogDoc::StartTimerFromSelection() {
    const int activeView = GetActiveView();
    if (activeView == kTaskView) {
        CTask* pTask = GetSelectedTimableTask();
        if (pTask == nullptr)
            return;
        CTime start = LogClock::Now();
        if (m_bTiming) {
            StopTiming(start);
            start = m_CurrentEntry.m_EndTime;
        }
        StartQuickTaskAt(pTask, start);
    } else if (activeView == kLogView) {
        ILogView* pView = GetLogView();
        const DWORD row = pView != nullptr ? SingleSelectedEntryRow(*pView) : 0;
        if (row == 0)
            return;
        // Copied before the stop: storing the stopped entry may rebuild and re-sort the grid's rows.
        CLogEntry copy(*pView->GetEntryAtRow(row));
        const CTime now = LogClock::Now();
        if (m_bTiming)
            StopTiming(now);
        copy.m_StartTime = now;
        copy.SetStopTime(CTime(static_cast<__time64_t>(0)));
        copy.m_GUID.Empty();
        copy.GetGUID();
        StartTiming(&copy);
    }
}

void CLogDoc::SetTaskMenuText(CCmdUI* pCmdUI, UINT formatId, UINT fallbackId) {
    if (pCmdUI->m_pMenu == nullptr)
        return;
    CString name;
    if (const CTask* pTask = GetSelectedTimableTask()) {
        name = pTask->m_Name;
        if (name.GetLength() > kMaxMenuNameLength)
            name = name.Left(kMaxMenuNameLength) + "...";
    } else {
        name.LoadString(fallbackId);
    }
    CString format;
    format.LoadString(formatId);
    CString text;
    text.Format(format, name.GetString());
    pCmdUI->SetText(text);
}

void CLogDoc::OnUpdateStartTimer(CCmdUI* pCmdUI) {
    SetTaskMenuText(pCmdUI, IDS_START_TIMER_TASK_FORMAT, IDS_NO_PROJECT_TASK_START);
    pCmdUI->Enable(!m_bTiming && !m_bCacheHoldBack);
}

void CLogDoc::OnUpdateEnterCompletedTime(CCmdUI* pCmdUI) {
    SetTaskMenuText(pCmdUI, IDS_COMPLETED_TASK_FORMAT, IDS_NO_PROJECT_TASK_COMPLETED);
    pCmdUI->Enable(!m_bCacheHoldBack);
}

void CLogDoc::OnUpdateStartLikeSelected(CCmdUI* pCmdUI) {
    switch (GetActiveView()) {
    case kTimesheetView:
    case kExpenseView:
    case kInvoiceView:
        pCmdUI->Enable(FALSE);
        break;
    case kTaskView: {
        if (GetTaskView() == nullptr)
            break;
        const CTask* pTask = GetSelectedTimableTask();
        const bool timedTask =
            pTask != nullptr && m_bTiming && m_CurrentEntry.m_ProjectTaskID == pTask->m_GUID;
        pCmdUI->Enable(pTask != nullptr && !timedTask);
        break;
    }
    case kLogView: {
        ILogView* pView = GetLogView();
        pCmdUI->Enable(pView != nullptr && SingleSelectedEntryRow(*pView) != 0);
        if (pView != nullptr && pCmdUI->m_pMenu != nullptr) {
            CString text;
            text.LoadString(m_bTiming ? IDS_SWITCH_LIKE_THIS_ONE : IDS_START_LIKE_THIS_ONE);
            pCmdUI->SetText(text);
        }
        break;
    }
    default:
        break;
    }
}

DWORD FindTaskRowInTaskView(const char* guid) {
    ITaskView* pView = GetTaskView();
    return pView != nullptr && guid != nullptr ? pView->FindTaskRow(guid) : 0;
}
