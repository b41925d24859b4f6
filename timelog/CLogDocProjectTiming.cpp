// CLogDoc: project tasks timed directly — quick tasks, time worked added to a task, rescheduling — and the
// task's logged totals kept up to date from the log.
#include "timelog/CLogDoc.h"

#include "framework/win/CCmdUI.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/ILogDocDialogs.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/IProjectTaskServices.h"
#include "timelog/ITaskView.h"
#include "timelog/LogClock.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

IProjectTaskServices* g_pTaskServices = nullptr;

const CTime kNoTime{static_cast<__time64_t>(0)};
// A user who holds it may log time against project tasks from the task view.
constexpr int kRightProjectTasks = 4;
constexpr std::array<int, 13> kTimeWorkedMinutes{15, 30, 45, 60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
static_assert(ID_ADD_TIME_WORKED_LAST - ID_ADD_TIME_WORKED_FIRST + 1 == kTimeWorkedMinutes.size());

struct Reschedule {
    int weeks;
    int months;
};
constexpr std::array<Reschedule, 7> kReschedules{{{1, 0}, {2, 0}, {3, 0}, {0, 1}, {0, 2}, {0, 4}, {0, 6}}};
static_assert(ID_RESCHEDULE_LAST - ID_RESCHEDULE_FIRST + 1 == kReschedules.size());

bool IsTimable(const CTask* pTask) {
    return pTask != nullptr && pTask->m_Summary == 0;
}

void NotifySibling(const char* taskGUID) {
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->NotifySiblingTask(taskGUID);
}

// The position of the item with that command id in the menu, and the menu that holds it (submenus
// searched depth first); -1 when absent.
int FindMenuCommand(HMENU hMenu, UINT id, HMENU& owner) {
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        if (::GetMenuItemID(hMenu, i) == id) {
            owner = hMenu;
            return i;
        }
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            if (const int found = FindMenuCommand(hSub, id, owner); found >= 0)
                return found;
        }
    }
    return -1;
}

} // namespace

IProjectTaskServices* GetProjectTaskServices() {
    return g_pTaskServices;
}
void SetProjectTaskServices(IProjectTaskServices* pServices) {
    g_pTaskServices = pServices;
}

CTask* CLogDoc::GetSelectedTimableTask() {
    ITaskView* pView = GetTaskView();
    CTask* pTask = pView != nullptr ? pView->GetSelectedTask() : nullptr;
    return IsTimable(pTask) ? pTask : nullptr;
}

// ---------------------------------------------------------------- quick tasks

void CLogDoc::StartQuickTaskAt(CTask* pTask, CTime start) {
    if (m_bTiming || !IsTimable(pTask))
        return;
    auto pEntry = std::make_unique<CLogEntry>(pTask);
    pEntry->m_pUser = GetCurrentUser();
    if (start.GetTime() != 0)
        pEntry->SetStartTime(start);
    StartTiming(pEntry.get());
}

void CLogDoc::StartQuickTask(CTask* pTask) {
    if (!m_bTiming) {
        StartQuickTaskAt(pTask, kNoTime);
        return;
    }
    const CString timedTask = GetCurrentEntry()->m_ProjectTaskID;
    StopTiming(kNoTime);
    // Choosing the task being timed stops it.
    if (pTask != nullptr && timedTask == pTask->m_GUID)
        return;
    StartQuickTaskAt(pTask, m_CurrentEntry.m_EndTime);
}

int CLogDoc::StartTaskFromSibling(CTask* pTask) {
    if (m_bTiming) {
        const CString timedTask = GetCurrentEntry()->m_ProjectTaskID;
        StopTiming(kNoTime);
        if (pTask != nullptr && timedTask == pTask->m_GUID)
            return 0;
    }
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (pDialogs == nullptr || !IsTimable(pTask))
        return 0;
    CLogEntry entry(pTask);
    entry.m_pUser = GetCurrentUser();
    return pDialogs->RunLogTask(*this, ILogDocDialogs::LogTaskMode::start, LogClock::Now(), &entry);
}

int CLogDoc::FillQuickTaskMenu(HMENU hMenu) {
    HMENU hOwner = nullptr;
    const int placeholder = hMenu != nullptr ? FindMenuCommand(hMenu, kQuickTaskPlaceholder, hOwner) : -1;
    if (placeholder < 0)
        return 0;
    const CString timedTask = m_bTiming ? m_CurrentEntry.m_ProjectTaskID : CString();
    bool checked = false;
    int inserted = 0;
    const int considered = std::min(static_cast<int>(m_QuickTasks.GetSize()), kMaxQuickTaskItems);
    for (int i = 0; i < considered; ++i) {
        CTask* pTask = m_QuickTasks[i];
        CProject* pProject = pTask != nullptr ? pTask->GetProject() : nullptr;
        if (pProject == nullptr || !pProject->m_Visible || (!pProject->m_Active && !s_bShowInactiveProjects))
            continue;
        UINT flags = MF_BYPOSITION | MF_STRING;
        if (!checked && !timedTask.IsEmpty() && timedTask == pTask->m_GUID) {
            flags |= MF_CHECKED;
            checked = true;
        }
        ::InsertMenuA(hOwner, static_cast<UINT>(placeholder + inserted), flags, kFirstQuickTaskCommand + i,
                      pTask->m_Name);
        ++inserted;
    }
    if (inserted > 0)
        ::DeleteMenu(hOwner, kQuickTaskPlaceholder, MF_BYCOMMAND);
    return inserted;
}

void CLogDoc::OnQuickTaskCommand(UINT id) {
    const int index = static_cast<int>(id) - static_cast<int>(kFirstQuickTaskCommand);
    if (CTask* pTask = GetQuickTaskAt(index))
        StartQuickTask(pTask);
}

void CLogDoc::RefreshQuickTasks() {
    LoadQuickTasks();
    if (ILogDocFrame* pFrame = GetLogDocFrame()) {
        pFrame->RefillQuickTaskWindow();
        pFrame->MarkRunningTask();
    }
}

// ---------------------------------------------------------------- time worked and rescheduling

void CLogDoc::OnUpdateAddTimeWorked(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetSelectedTimableTask() != nullptr && HasRight(kRightProjectTasks));
}

void CLogDoc::OnAddTimeWorked(UINT id) {
    if (id < ID_ADD_TIME_WORKED_FIRST || id > ID_ADD_TIME_WORKED_LAST || !HasRight(kRightProjectTasks))
        return;
    if (CTask* pTask = GetSelectedTimableTask())
        AddTimeWorked(pTask, kTimeWorkedMinutes[id - ID_ADD_TIME_WORKED_FIRST]);
}

void CLogDoc::AddTimeWorked(CTask* pTask, int minutes) {
    if (!IsTimable(pTask) || minutes <= 0)
        return;
    const CTime now = LogClock::Now();
    LoadLockedTimesheets(nullptr, true);
    if (!IsInLockedTimesheet(now, true)) {
        auto pEntry = std::make_unique<CLogEntry>(pTask);
        pEntry->m_pUser = GetCurrentUser();
        pEntry->m_StartTime = now - CTimeSpan(static_cast<LONGLONG>(minutes) * 60);
        pEntry->m_EndTime = now;
        pEntry->m_Duration = CTimeSpan(static_cast<LONGLONG>(minutes) * 60);
        pEntry->RecalcElapsed();
        AddNewEntry(pEntry.get(), false, true);
        UpdateTaskTotals(pTask, false, true);
    }
    NotifySibling(pTask->m_GUID);
}

void CLogDoc::OnRescheduleTask(UINT id) {
    if (id < ID_RESCHEDULE_FIRST || id > ID_RESCHEDULE_LAST)
        return;
    const Reschedule& step = kReschedules[id - ID_RESCHEDULE_FIRST];
    ITaskView* pView = GetTaskView();
    RescheduleTask(pView != nullptr ? pView->GetSelectedTask() : nullptr, step.weeks, step.months);
}

void CLogDoc::RescheduleTask(CTask* pTask, int weeks, int months) {
    if (IsTimable(pTask)) {
        pTask->m_StartDate = MoveTaskDate(pTask->m_StartDate, weeks, months);
        pTask->m_DueDate = MoveTaskDate(pTask->m_DueDate, weeks, months);
        pTask->m_FinishStale = 1;
        pTask->SetModified(TRUE);
        SaveProjectTask(pTask);
        NotifySibling(pTask->m_GUID);
    }
    RefreshTaskView();
}

CTime CLogDoc::MoveTaskDate(CTime date, int weeks, int months) {
    const bool wasEmpty = date.GetTime() == 0;
    if (wasEmpty)
        date = LogClock::Now();
    date = AddDaysToTime(date, 7 * weeks);
    if (months > 0) {
        const int day = date.GetDay();
        // Each month: on day by day until the month changes (the first of the next month).
        for (int m = 0; m < months; ++m) {
            const int month = date.GetMonth();
            while (date.GetMonth() == month)
                date = AddDaysToTime(date, 1);
        }
        // Then on to the old day of the month; a month without that day gives way to the next one.
        while (date.GetDay() != day)
            date = AddDaysToTime(date, 1);
    }
    if (wasEmpty)
        date = CTime(date.GetYear(), date.GetMonth(), date.GetDay(), 8, 0, 0);
    return date;
}

// ---------------------------------------------------------------- logged totals

bool CLogDoc::UpdateTaskTotals(CTask* pTask, bool force, bool redraw) {
    ITaskView* pView = GetTaskView();
    // Summaries made in memory are never written; their figures come from the roll-up.
    if (pView == nullptr || pTask == nullptr || pTask->m_Stored == 0 || !CanWriteTables())
        return false;
    CWaitCursor wait;
    CTimeSpan duration;
    double costClient = 0.0;
    double costSalary = 0.0;
    CTime first;
    CTime last;
    if (!m_TaskSet.SumProjectTaskEntries(pTask->m_GUID, &duration, &costClient, &costSalary, &first, &last))
        return false;
    const std::string key = pTask->m_GUID.GetString();
    const auto known = m_TaskLastLogged.find(key);
    const bool lastChanged = known == m_TaskLastLogged.end() || known->second != last.GetTime();
    const bool changed = lastChanged || duration != pTask->m_ActualWork ||
                         costClient != pTask->m_CostClientActual || costSalary != pTask->m_CostSalaryActual;
    if (!changed && !force)
        return false;
    m_TaskLastLogged[key] = last.GetTime();
    pTask->m_CostClientActual = costClient;
    pTask->m_CostSalaryActual = costSalary;
    pTask->SetActualWork(duration);
    pTask->SetModified(TRUE);
    if (!SaveProjectTask(pTask))
        return false;
    RollUpFromRoot(pTask);
    if (redraw)
        pView->Redraw();
    CProject* pProject = pTask->GetProject();
    if (pProject != nullptr && pProject->m_Integrate != 0 && pProject->m_DeferUpdate == 0) {
        if (g_pTaskServices != nullptr)
            g_pTaskServices->WriteBackTask(*pProject, *pTask);
        // The idle poll closes the plans a little later, once the writes have settled.
        m_nPlanWriteTick = std::max<DWORD>(LogClock::TickCount(), 1);
    }
    return true;
}

void CLogDoc::UpdateEntryTask(const CLogEntry* pEntry, bool force, bool redraw) {
    if (pEntry == nullptr || pEntry->m_ProjectTaskID.IsEmpty() || GetTaskView() == nullptr)
        return;
    UpdateTaskTotals(FindProjectTaskByGUID(pEntry->m_ProjectTaskID), force, redraw);
}

// ---------------------------------------------------------------- time logged

void CLogDoc::OnUpdateShowTimeLogged(CCmdUI* pCmdUI) {
    ITaskView* pView = GetTaskView();
    pCmdUI->Enable(pView != nullptr && pView->GetSelectedTask() != nullptr);
}

void CLogDoc::GatherTaskEntries(const CString& taskGUID, CObArray& entries) {
    if (taskGUID.IsEmpty())
        return;
    if (CanWriteTables()) {
        m_TaskSet.LoadProjectTaskEntries(taskGUID, &entries, this);
        return;
    }
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        if (m_LogEntries[i]->m_ProjectTaskID == taskGUID)
            entries.Add(new CLogEntry(*m_LogEntries[i]));
    }
}

void CLogDoc::ShowTimeLogged() {
    ITaskView* pView = GetTaskView();
    CTask* pTask = pView != nullptr ? pView->GetSelectedTask() : nullptr;
    if (pTask == nullptr)
        return;
    CObArray entries;
    {
        CWaitCursor wait;
        CStringArray guids;
        if (pTask->m_Summary != 0)
            CollectSubtaskGUIDs(pTask, guids);
        else
            guids.Add(pTask->m_GUID);
        for (INT_PTR i = 0; i < guids.GetSize(); ++i)
            GatherTaskEntries(guids[i], entries);
    }
    if (entries.GetSize() == 0)
        AfxMessageBox(IDS_NO_TIME_LOGGED, MB_OK | MB_ICONINFORMATION);
    else if (g_pTaskServices != nullptr)
        g_pTaskServices->ShowTaskDetails(*this, *pTask, entries);
    for (INT_PTR i = 0; i < entries.GetSize(); ++i)
        delete entries[i];
}
