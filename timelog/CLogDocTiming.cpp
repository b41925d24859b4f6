// CLogDoc: the timer operations — start, stop, stop now, switch, pause, interrupt, completed time — and
// the primitives they all pass through (StartTiming, StopTiming, StoreStoppedEntry, AddNewEntry).
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/ILogDocDialogs.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"

#include <memory>

namespace {
const CTime kNoTime{static_cast<__time64_t>(0)};
// The document's "&Projects..." command.
constexpr UINT kProjectsCommand = 32788;
constexpr DWORD kSwitchPauseMs = 200;

bool UseOldDialogs() {
    bool old = false;
    RegReadBool(REG_PREFS, "Old log dlg", &old);
    return old;
}

// The project task selected in the project-task view, summaries counting as none. False without a view.
bool SelectedTimableTask(CTask*& pTask) {
    pTask = nullptr;
    ILogDocFrame* pFrame = GetLogDocFrame();
    if (pFrame == nullptr || !pFrame->GetSelectedProjectTask(pTask))
        return false;
    if (pTask != nullptr && pTask->m_Summary != 0)
        pTask = nullptr;
    return true;
}

void NotifySibling(const char* taskGUID) {
    if (ILogDocFrame* pFrame = GetLogDocFrame())
        pFrame->NotifySiblingTask(taskGUID);
}
} // namespace

// ---------------------------------------------------------------- operations with dialogs

bool CLogDoc::IsGridEditing() {
    ILogView* pView = GetLogView();
    if (pView == nullptr || !pView->HasUnfinishedRow())
        return false;
    AfxMessageBox(IDS_GRID_ROW_UNFINISHED, MB_OK);
    return true;
}

int CLogDoc::StartTimer() {
    return StartTimerAt(CTime::GetCurrentTime());
}

int CLogDoc::StartTimerAt(CTime start) {
    if (IsGridEditing())
        return 2;
    if (m_Projects.GetSize() == 0 && AfxMessageBox(IDS_NO_PROJECTS_YET, MB_YESNO) == IDYES)
        OnCmdMsg(kProjectsCommand, 0, nullptr, nullptr);
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (pDialogs == nullptr)
        return 0;
    if (UseOldDialogs())
        return pDialogs->RunStartLogging(*this, *GetCurrentEntry(), ILogDocDialogs::StartLoggingMode::start,
                                         start);
    return RunLogTaskForSelection(*pDialogs, start);
}

int CLogDoc::RunLogTaskForSelection(ILogDocDialogs& dialogs, CTime start) {
    CTask* pTask = nullptr;
    if (!SelectedTimableTask(pTask))
        return 0;
    std::unique_ptr<CLogEntry> pInitial;
    if (pTask != nullptr) {
        pInitial = std::make_unique<CLogEntry>(pTask);
        pInitial->m_pUser = GetCurrentUser();
    }
    return dialogs.RunLogTask(*this, ILogDocDialogs::LogTaskMode::start, start, pInitial.get());
}

int CLogDoc::StopTimer(CTime stop) {
    if (IsGridEditing())
        return 2;
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (pDialogs == nullptr)
        return 0;
    if (UseOldDialogs())
        return pDialogs->RunStartLogging(*this, m_CurrentEntry, ILogDocDialogs::StartLoggingMode::stop, stop);
    CLogEntry* pRunning = GetRunningEntry();
    if (pRunning == nullptr)
        return 0;
    return pDialogs->RunLogTask(*this, ILogDocDialogs::LogTaskMode::stop, stop, pRunning);
}

int CLogDoc::StopNow() {
    if (!IsGridEditing())
        StopTiming(kNoTime);
    return 0;
}

int CLogDoc::SwitchTask() {
    if (IsGridEditing())
        return 0;
    CLogEntry* pCurrent = GetCurrentEntry();
    if (StopTimer(kNoTime) != IDOK)
        return 0;
    if (ILogDocDialogs* pDialogs = GetLogDocDialogs())
        pDialogs->ShowSwitchNotice();
    ::Sleep(kSwitchPauseMs);
    // The current entry now holds the stopped task: the new one starts where it ended.
    StartTimerAt(pCurrent->m_EndTime);
    return 0;
}

int CLogDoc::PauseTimer() {
    if (IsGridEditing())
        return 2;
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (pDialogs == nullptr)
        return 0;
    m_bPaused = true;
    const int result = pDialogs->RunPause(*this);
    m_bPaused = false;
    return result;
}

int CLogDoc::InterruptTimer() {
    if (IsGridEditing())
        return 2;
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    return pDialogs != nullptr ? pDialogs->RunInterrupt(*this) : 0;
}

int CLogDoc::EnterCompletedTime() {
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (pDialogs == nullptr)
        return 0;
    if (UseOldDialogs())
        return pDialogs->RunCompletedTime(*this);
    CTask* pTask = nullptr;
    if (!SelectedTimableTask(pTask))
        return 0;
    EnterCompletedTimeForTask(pTask);
    return 2;
}

int CLogDoc::EnterCompletedTimeForTask(CTask* pTask) {
    if (pTask != nullptr && pTask->m_Summary != 0)
        pTask = nullptr;
    std::unique_ptr<CLogEntry> pInitial;
    if (pTask != nullptr) {
        pInitial = std::make_unique<CLogEntry>(pTask);
        pInitial->m_pUser = GetCurrentUser();
    }
    int result = 0;
    if (ILogDocDialogs* pDialogs = GetLogDocDialogs())
        result =
            pDialogs->RunLogTask(*this, ILogDocDialogs::LogTaskMode::completedTime, kNoTime, pInitial.get());
    NotifySibling(pTask != nullptr ? pTask->GetGUID() : CString());
    return result;
}

// ---------------------------------------------------------------- primitives

void CLogDoc::StartTiming(CLogEntry* pEntry) {
    ILogView* pView = GetLogView();
    if (pView == nullptr || pEntry == nullptr)
        return;
    const CTime now = CTime::GetCurrentTime();
    m_bStarting = true;
    if (pEntry != &m_CurrentEntry)
        m_CurrentEntry = *pEntry;
    m_CurrentEntry.m_Created = m_CurrentEntry.m_Modified = now;
    m_CurrentEntry.SetStopTime(kNoTime);
    m_CurrentEntry.m_Duration = CTimeSpan(0);
    m_CurrentEntry.m_GUID.Empty();
    const CString guid = m_CurrentEntry.GetGUID();
    if (!m_bTiming) {
        SetTimingShown(true);
        m_TimingStart = m_CurrentEntry.m_StartTime;
        SetModifiedFlag();
        if (ILogDocFrame* pFrame = GetLogDocFrame())
            pFrame->ResetInactivity();
        if (m_bUseDatabase)
            m_CurrentEntry.SaveRunning();
        SetRunningGUID(guid);
        AddNewEntry(&m_CurrentEntry, false, true);
        UpdateTimingDisplay();
        pView->ClearSelection();
        DoAutoSave(true);
    }
    m_bStarting = false;
}

bool CLogDoc::StopTiming(CTime stop) {
    if (!m_bTiming)
        return false;
    if (stop.GetTime() == 0)
        stop = CTime::GetCurrentTime();
    if (CLogEntry* pRunning = GetRunningEntry())
        m_CurrentEntry = *pRunning;
    m_CurrentEntry.SetStopTime(stop);
    StoreStoppedEntry(&m_CurrentEntry);
    return DoAutoSave(true);
}

void CLogDoc::StoreStoppedEntry(CLogEntry* pEntry) {
    ILogView* pView = GetLogView();
    if (pView == nullptr || !m_bTiming || pEntry == nullptr)
        return;
    if (pEntry != &m_CurrentEntry)
        m_CurrentEntry = *pEntry;
    SetTimingShown(false);
    SetModifiedFlag();

    CLogEntry* pRunning = GetRunningEntry();
    if (pRunning == nullptr) {
        pRunning = new CLogEntry;
        pRunning->GetGUID();
        AddLogEntry(pRunning);
    }
    const CString rowGUID = pRunning->m_GUID;
    *pRunning = m_CurrentEntry;
    pRunning->m_GUID = rowGUID;
    pRunning->SetModified(TRUE);
    CommitLogEntry(pRunning);

    m_CurrentEntry.SaveRunning();
    UpdateTimingDisplay();
    pView->ClearSelection();
    DoAutoSave(true);

    m_CurrentEntry.m_ProjProjectID = m_CurrentEntry.m_ProjResourceID = -1;
    m_CurrentEntry.m_ProjAssignmentID = m_CurrentEntry.m_MSTaskID = -1;
    m_CurrentEntry.m_ProjectTaskID.Empty();
    SetRunningGUID("");
    NotifySibling("");
}

void CLogDoc::AddNewEntry(CLogEntry* pEntry, bool select, bool reselect) {
    ILogView* pView = GetLogView();
    if (pView == nullptr || pEntry == nullptr)
        return;
    CWaitCursor wait;
    auto* pNew = new CLogEntry(*pEntry);
    pNew->m_Created = pNew->m_Modified = CTime::GetCurrentTime();
    const CTimeSpan before = pNew->m_Duration;
    pNew->RecalcElapsed();
    if (pNew->m_Duration != before)
        pNew->SetModified(TRUE);
    AddLogEntry(pNew);
    WriteEntryOrKeepPending(pNew);
    UpdateEntryTask(pNew, false, true);
    ReloadLogView(*pView);
    SetModifiedFlag();
    DoAutoSave(true);
    if (reselect)
        UpdateTimingDisplayKeepSelection();
    if (select) {
        pView->ClearSelection();
        pView->SelectEntryRow(pNew);
    }
}

void CLogDoc::SaveEditedEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    CLogEntry* pStored = FindLogEntryByGUIDNoCase(pEntry->GetGUID());
    const bool running = pStored != nullptr && pStored == GetRunningEntry();
    if (pStored != nullptr && pStored != pEntry)
        *pStored = *pEntry;
    else
        pStored = pEntry;
    pStored->SetModified(TRUE);
    if (running)
        pStored->SetStopTime(kNoTime);
    else
        pStored->RecalcElapsed();
    WriteEntryOrKeepPending(pStored);
    UpdateEntryTask(pStored, false, true);
    SetModifiedFlag();
    DoAutoSave(true);
}

void CLogDoc::ReloadLogView(ILogView& view) {
    view.ApplySort();
    view.ApplyFilter(m_ViewFilter);
    view.ApplyGrayBar();
}

// ---------------------------------------------------------------- type-ahead project timing

void CLogDoc::TypeAheadProject(char ch, DWORD tick) {
    constexpr DWORD kKeyGapMs = 500;
    constexpr int kMaxTyped = 50;
    if (tick - m_nTypeAheadTick > kKeyGapMs || m_TypeAhead.GetLength() > kMaxTyped)
        m_TypeAhead.Empty();
    m_nTypeAheadTick = tick;
    m_TypeAhead += ch;
    CProject* pProject = FindProjectByName(m_TypeAhead);
    if (pProject == nullptr)
        return;
    m_TypeAhead.Empty();
    ILogView* pView = GetLogView();
    if (pView == nullptr)
        return;
    if (m_bTiming) {
        const bool same = GetCurrentEntry()->m_pProject == pProject;
        StopTiming(kNoTime);
        if (same)
            return;
    }
    m_CurrentEntry.m_pProject = pProject;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnCmdMsg(ID_TIMER_START, 0, nullptr, nullptr);
    pView->ClearSelection();
    DoAutoSave(true);
}
