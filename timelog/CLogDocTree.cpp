// CLogDoc: the project-task outline: pruning, sorting, summary tasks per project and subsystem, their
// roll-up and collapsed state, and the addition and deletion of project tasks.
#include "timelog/CLogDoc.h"

#include "foundation/TextRoutines.h"

#include "framework/win/CWaitCursor.h"
#include "timelog/IProjectServerTasks.h"
#include "timelog/ITaskView.h"

namespace {

ITaskView* g_pTaskView = nullptr;
IProjectServerTasks* g_pProjectServer = nullptr;

// Parent chains and summary nesting deeper than this are loops in damaged data.
constexpr int kMaxDepth = 1000;

} // namespace

ITaskView* GetTaskView() {
    return g_pTaskView;
}
void SetTaskView(ITaskView* pView) {
    g_pTaskView = pView;
}
IProjectServerTasks* GetProjectServerTasks() {
    return g_pProjectServer;
}
void SetProjectServerTasks(IProjectServerTasks* pServer) {
    g_pProjectServer = pServer;
}

// ---------------------------------------------------------------- building the outline

void CLogDoc::LoadProjectTasks() {
    ClearProjectTasks();
    m_ProjectTaskSet.LoadProjectTasks(this);
    BuildProjectTaskTree();
    RollUpSummary(nullptr);
    ApplyCollapsedState();
}

void CLogDoc::BuildProjectTaskTree() {
    PruneProjectTasks();
    SortProjectTasks();
    if (s_bShowTaskSummaries)
        InsertSummaryTasks();
}

void CLogDoc::DropProjectTask(CTask* pTask) {
    for (INT_PTR i = m_ProjectTasks.GetSize() - 1; i >= 0; --i) {
        if (m_ProjectTasks.GetAt(i) == pTask)
            m_ProjectTasks.RemoveAt(i);
    }
    void* pMapped = nullptr;
    if (m_ProjectTaskMap.Lookup(pTask->GetGUID(), pMapped) && pMapped == pTask)
        m_ProjectTaskMap.RemoveKey(pTask->GetGUID());
    ForgetReferences(pTask);
    delete pTask;
}

void CLogDoc::PruneProjectTasks() {
    for (INT_PTR i = m_ProjectTasks.GetSize() - 1; i >= 0; --i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        bool remove = false;
        if (const CProject* pProject = pTask->GetProject()) {
            remove = !pProject->m_Active && !s_bShowInactiveProjects ? true : !pProject->m_Visible;
        }
        if (!remove) {
            const CSubsystem* pSubsystem = pTask->GetSubsystem();
            remove =
                pSubsystem != nullptr && (pSubsystem->m_Active & 0xFF) == 0 && !s_bShowInactiveSubsystems;
        }
        if (remove)
            DropProjectTask(pTask);
    }
}

void CLogDoc::SortProjectTasks() {
    ITaskView* pView = GetTaskView();
    if (pView == nullptr)
        return;
    UINT column = pView->GetPrimarySortColumn();
    if (column == 0)
        column = CTask::kColumnName;
    const bool ascending = pView->IsSortAscending();
    CTaskArray old;
    old.Copy(m_ProjectTasks);
    m_ProjectTasks.RemoveAll();
    for (INT_PTR n = 0; n < old.GetSize(); ++n) {
        CTask* pTask = old.GetAt(n);
        // Bisection that places a task after every equal one: the sort is stable.
        INT_PTR lo = 0;
        INT_PTR hi = m_ProjectTasks.GetSize();
        while (lo < hi) {
            const INT_PTR mid = lo + (hi - lo) / 2;
            if (pTask->Compare(*m_ProjectTasks.GetAt(mid), column, ascending, s_bShowTaskSummaries) < 0)
                hi = mid;
            else
                lo = mid + 1;
        }
        m_ProjectTasks.InsertAt(lo, pTask);
    }
}

CTask* CLogDoc::NewSummaryTask(CProject* pProject, CSubsystem* pSubsystem, const CString& name) {
    auto* pSummary = new CTask;
    pSummary->m_pDoc = this;
    pSummary->m_Summary = 1;
    pSummary->m_TaskType = 0;
    pSummary->m_Stored = 0;
    pSummary->SetProject(pProject);
    pSummary->SetSubsystem(pSubsystem);
    pSummary->m_Name = name;
    return pSummary;
}

CTask* CLogDoc::FindSummaryTask(const CTask* pExcluded, CProject* pProject, CSubsystem* pSubsystem) {
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask != pExcluded && pTask->m_Summary && pTask->GetProject() == pProject &&
            pTask->GetSubsystem() == pSubsystem)
            return pTask;
    }
    return nullptr;
}

void CLogDoc::InsertSummaryTasks() {
    CProject* pProject = nullptr;
    CSubsystem* pSubsystem = nullptr;
    CTask* pParent = nullptr;
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->GetProject() != pProject) {
            pProject = pTask->GetProject();
            CTask* pSummary =
                NewSummaryTask(pProject, nullptr, pProject != nullptr ? pProject->m_Name : CString());
            m_ProjectTasks.InsertAt(i, pSummary);
            m_ProjectTaskMap.SetAt(pSummary->GetGUID(), pSummary);
            pSubsystem = nullptr;
            pParent = pSummary;
            ++i;
        }
        if (pTask->GetSubsystem() != pSubsystem) {
            i += InsertSubsystemSummaries(i, pTask);
            pSubsystem = pTask->GetSubsystem();
            // The summary of the task's subsystem: the one just made, or the one made for an earlier run
            // of tasks of that subsystem (never the task that happens to stand before this one).
            pParent = FindSummaryTask(pTask, pProject, pSubsystem);
        }
        pTask->SetParent(pParent);
    }
}

int CLogDoc::InsertSubsystemSummaries(INT_PTR index, CTask* pTask) {
    CProject* pProject = pTask->GetProject();
    CSubsystem* pSubsystem = pTask->GetSubsystem();
    if (pSubsystem == nullptr || FindSummaryTask(pTask, pProject, pSubsystem) != nullptr)
        return 0;
    int made = 0;
    CTask* pChild = pTask;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        CTask* pSummary = NewSummaryTask(pProject, pSubsystem, pSubsystem->m_Name);
        // Each ancestor goes in front of the summaries already made, so ancestors come first.
        m_ProjectTasks.InsertAt(index, pSummary);
        m_ProjectTaskMap.SetAt(pSummary->GetGUID(), pSummary);
        ++made;
        pChild->SetParent(pSummary);
        pSubsystem = pSubsystem->m_pParent;
        pChild = pSummary;
        if (CTask* pAbove = FindSummaryTask(pTask, pProject, pSubsystem)) {
            pSummary->SetParent(pAbove);
            break;
        }
        // Without a summary of the project above the chain it ends at the topmost subsystem.
        if (pSubsystem == nullptr)
            break;
    }
    return made;
}

void CLogDoc::GetChildTasks(CTaskArray& out, const CTask* pParent, bool recursive) const {
    // Collected level by level into a fresh list, so that a loop in damaged parents cannot recurse.
    CTaskArray children;
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->m_pParent == pParent && pTask != pParent)
            children.Add(pTask);
    }
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        CTask* pChild = children.GetAt(i);
        bool seen = false;
        for (INT_PTR j = 0; j < out.GetSize() && !seen; ++j)
            seen = out.GetAt(j) == pChild;
        if (seen)
            continue;
        out.Add(pChild);
        if (recursive)
            GetChildTasks(out, pChild, true);
    }
}

void CLogDoc::AttachToSummaries(CTask* pTask) {
    if (pTask == nullptr)
        return;
    CreateSummaryChain(pTask, pTask->GetProject(), pTask->GetSubsystem());
}

void CLogDoc::CreateSummaryChain(CTask* pTask, CProject* pProject, CSubsystem* pSubsystem) {
    if (CTask* pFound = FindSummaryTask(pTask, pProject, pSubsystem)) {
        pTask->SetParent(pFound);
        return;
    }
    CTask* pPrevious = pTask;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        CString name;
        if (pSubsystem != nullptr)
            name = pSubsystem->m_Name;
        else if (pProject != nullptr)
            name = pProject->m_Name;
        CTask* pSummary = NewSummaryTask(pProject, pSubsystem, name);
        pPrevious->SetParent(pSummary);
        AddProjectTask(pSummary);
        if (pSubsystem == nullptr)
            return;
        pSubsystem = pSubsystem->m_pParent;
        if (CTask* pAbove = FindSummaryTask(pTask, pProject, pSubsystem)) {
            pSummary->SetParent(pAbove);
            return;
        }
        pPrevious = pSummary;
    }
}

// ---------------------------------------------------------------- roll-up and collapsed state

void CLogDoc::RollUpFromRoot(CTask* pTask) {
    if (pTask == nullptr || pTask->m_pParent == nullptr)
        return;
    RollUpSummary(pTask->GetTopmostAncestor());
}

void CLogDoc::RollUpSummary(CTask* pSummary) {
    RollUpSummary(pSummary, 0);
}

void CLogDoc::RollUpSummary(CTask* pSummary, int depth) {
    if (depth > kMaxDepth)
        return;
    if (pSummary != nullptr) {
        if (!pSummary->m_Summary)
            return;
        pSummary->m_Duration = CTimeSpan(0);
        pSummary->m_ActualWork = CTimeSpan(0);
        pSummary->m_RemainingDuration = CTimeSpan(0);
        pSummary->UpdatePercentComplete();
        pSummary->m_CostSalary = pSummary->m_CostClient = 0.0;
        pSummary->m_CostSalaryActual = pSummary->m_CostClientActual = 0.0;
        pSummary->m_CostSalaryRemain = pSummary->m_CostClientRemain = 0.0;
        pSummary->m_StartDate = CTime(0);
        pSummary->m_DueDate = CTime(0);
        pSummary->m_CompletedDate = CTime(0);
        pSummary->m_Completed = 1;
        pSummary->m_Resources.Empty();
    }
    const INT_PTR count = m_ProjectTasks.GetSize();
    for (INT_PTR i = 0; i < count && i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pChild = m_ProjectTasks.GetAt(i);
        if (pChild->m_pParent != pSummary || pChild == pSummary)
            continue;
        if (pChild->m_Summary)
            RollUpSummary(pChild, depth + 1);
        if (pSummary != nullptr)
            pSummary->RollUpChild(*pChild);
    }
}

void CLogDoc::ApplyCollapsedState() {
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->m_Summary)
            pTask->m_Collapsed = pTask->ReadCollapsedMark() ? 1 : 0;
    }
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->m_Summary && pTask->m_pParent == nullptr)
            ApplyCollapsedBelow(pTask, 0);
    }
}

void CLogDoc::ApplyCollapsedBelow(CTask* pSummary, int depth) {
    if (depth > kMaxDepth)
        return;
    CTaskArray below;
    GetChildTasks(below, pSummary, pSummary->m_Collapsed != 0);
    for (INT_PTR i = 0; i < below.GetSize(); ++i) {
        CTask* pTask = below.GetAt(i);
        pTask->m_Hidden = pSummary->m_Collapsed ? 1 : 0;
        if (!pSummary->m_Collapsed && pTask->m_Summary)
            ApplyCollapsedBelow(pTask, depth + 1);
    }
}

// ---------------------------------------------------------------- adding and deleting tasks

void CLogDoc::AddNewProjectTask(const CTask* pTask) {
    if (pTask == nullptr || GetTaskView() == nullptr)
        return;
    CWaitCursor wait;
    CTask copy(*pTask);
    copy.m_Created = copy.m_Modified = CTime::GetCurrentTime();
    CProject* pProject = copy.GetProject();
    if (pProject != nullptr && pProject->m_Integrate == 2) {
        IProjectServerTasks* pServer = GetProjectServerTasks();
        if (pServer == nullptr || !pServer->AddTask(*pProject, copy))
            AddErrorText("The task could not be added to the project server.", 0, copy.m_Name);
    }
    if (!copy.m_Summary)
        SaveProjectTask(&copy);
}

void CLogDoc::DeleteProjectTasks(const CStringArray& guids) {
    for (INT_PTR i = 0; i < guids.GetSize(); ++i)
        DeleteProjectTask(guids.GetAt(i));
}

void CLogDoc::CollectSubtaskGUIDs(const CTask* pSummary, CStringArray& guids) const {
    if (pSummary == nullptr || !pSummary->m_Summary)
        return;
    CTaskArray below;
    GetChildTasks(below, pSummary, true);
    // Depth first: the ordinary tasks at any depth, each once.
    for (INT_PTR i = 0; i < below.GetSize(); ++i) {
        const CTask* pTask = below.GetAt(i);
        if (!pTask->m_Summary && FindStringNoCase(guids, pTask->GetGUID()) < 0)
            guids.Add(pTask->GetGUID());
    }
}

void CLogDoc::DeleteProjectTask(const CString& guid) {
    CTask* pTask = FindProjectTaskByGUID(guid);
    if (pTask == nullptr)
        return;
    if (m_bUseDatabase) {
        CProject* pProject = pTask->GetProject();
        if (pProject != nullptr && pProject->m_Integrate == 2) {
            IProjectServerTasks* pServer = GetProjectServerTasks();
            if (pServer == nullptr || !pServer->DeleteTask(*pProject, *pTask))
                AddErrorText("The task could not be deleted from the project server.", 0, pTask->m_Name);
        }
        if (CanWriteTables())
            m_ProjectTaskSet.DeleteTask(this, pTask);
    }
    const CString taskGUID = pTask->GetGUID();
    if (!taskGUID.IsEmpty()) {
        for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
            CLogEntry* pEntry = m_LogEntries.GetAt(i);
            if (pEntry->m_ProjectTaskID == taskGUID) {
                pEntry->m_ProjectTaskID.Empty();
                SaveLogEntry(pEntry);
            }
        }
    }
    DropProjectTask(pTask);
}
