// CLogDoc: moving every reference of a category, project, project type or client to its replacement
// before the old one is deleted, in memory and in the rows of the tables, and the amounts that follow.
#include "timelog/CLogDoc.h"

#include "foundation/TextRoutines.h"

#include "framework/win/CWaitCursor.h"
#include "timelog/CLogHint.h"
#include "timelog/IDocumentViews.h"

namespace {

bool TaskHasProject(CTask& task, const CProject* pProject) {
    return task.m_pProject == pProject ||
           (task.m_pProject == nullptr && task.m_ProjectID.CompareNoCase(pProject->GetGUID()) == 0);
}

// The views that show the replaced references reload.
void RefreshAfterReplacement(CLogDoc& doc) {
    CLogHint hint;
    doc.UpdateAllViews(nullptr, 0, &hint);
    RefreshTimesheetView();
    RefreshTaskView();
    if (IDocumentViews* pViews = GetDocumentViews())
        pViews->RefreshExpenseView();
}

} // namespace

bool CLogDoc::RecalculateAmounts(CClient* pClient, CProject* pProject, CCategory* pCategory, CUser* pUser) {
    if (!CanWriteTables())
        return false;
    CWaitCursor wait;
    CStringArray taskIds;
    const bool recalculated =
        m_TaskSet.RecalculateEntries(pClient, pProject, pCategory, pUser, &taskIds, this);
    CStringArray updated;
    bool tasksUpdated = m_ProjectTaskSet.UpdateTasksFromLog(this, pClient, pProject, pCategory, pUser,
                                                            nullptr, nullptr, nullptr, updated);
    // Tasks whose entries changed but which the selection above did not reach (another project, owner
    // or category than their entries) are brought up to date one by one.
    for (INT_PTR i = 0; i < taskIds.GetSize(); ++i) {
        const CString& id = taskIds.GetAt(i);
        if (id.IsEmpty() || FindStringNoCase(updated, id) >= 0)
            continue;
        CTask single;
        single.m_GUID = id;
        tasksUpdated = m_ProjectTaskSet.UpdateTasksFromLog(this, nullptr, nullptr, nullptr, nullptr, &single,
                                                           nullptr, nullptr, updated) &&
                       tasksUpdated;
    }
    return recalculated && tasksUpdated;
}

void CLogDoc::ReplaceCategory(CCategory* pOld, CCategory* pNew) {
    if (pOld == nullptr || pNew == nullptr || pOld == pNew)
        return;
    CWaitCursor wait;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry->m_pCategory == pOld) {
            pEntry->m_pCategory = pNew;
            pEntry->SetModified(TRUE);
            SaveLogEntry(pEntry);
        }
    }
    for (INT_PTR i = 0; i < m_QuickPicks.GetSize(); ++i) {
        if (m_QuickPicks.GetAt(i)->m_pCategory == pOld)
            m_QuickPicks.GetAt(i)->m_pCategory = pNew;
    }
    if (m_CurrentEntry.m_pCategory == pOld)
        m_CurrentEntry.m_pCategory = pNew;
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i) {
        CTask* pTask = m_ProjectTasks.GetAt(i);
        if (pTask->m_pCategory == pOld || pTask->m_CategoryID.CompareNoCase(pOld->GetGUID()) == 0)
            pTask->SetCategory(pNew);
    }
    if (CanWriteTables()) {
        m_ProjectTaskSet.ReplaceCategory(pOld, pNew);
        m_ExpenseSet.ReplaceCategory(this, pOld, pNew);
        RecalculateAmounts(nullptr, nullptr, pNew, nullptr);
    }
    RefreshAfterReplacement(*this);
}

void CLogDoc::ReplaceProject(CProject* pOld, CProject* pNew) {
    if (pOld == nullptr || pNew == nullptr || pOld == pNew)
        return;
    CWaitCursor wait;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        if (m_LogEntries.GetAt(i)->m_pProject == pOld)
            m_LogEntries.GetAt(i)->m_pProject = pNew;
    }
    for (CTaskArray* pTasks : {&m_ProjectTasks, &m_QuickTasks}) {
        for (INT_PTR i = 0; i < pTasks->GetSize(); ++i) {
            CTask* pTask = pTasks->GetAt(i);
            if (TaskHasProject(*pTask, pOld))
                pTask->SetProject(pNew);
        }
    }
    for (INT_PTR i = 0; i < m_QuickPicks.GetSize(); ++i) {
        if (m_QuickPicks.GetAt(i)->m_pProject == pOld)
            m_QuickPicks.GetAt(i)->m_pProject = pNew;
    }
    if (m_CurrentEntry.m_pProject == pOld)
        m_CurrentEntry.m_pProject = pNew;
    if (m_ViewFilter.m_pProject == pOld) {
        m_ViewFilter.m_pProject = pNew;
        if (m_bUseDatabase)
            m_ViewFilter.Save();
    }
    if (CanWriteTables()) {
        m_TaskSet.ReassignProjectEntries(this, pOld, pNew);
        m_ProjectTaskSet.ReplaceProject(pOld, pNew);
        m_ExpenseSet.ReplaceProject(this, pOld, pNew);
        RecalculateAmounts(nullptr, pNew, nullptr, nullptr);
    }
    RefreshAfterReplacement(*this);
}

void CLogDoc::ReplaceProjectType(CProjectType* pOld, CProjectType* pNew) {
    if (pOld == nullptr || pNew == nullptr || pOld == pNew)
        return;
    // Entries refer to a type through their project: changing each project of the list reaches them all,
    // the current entry's project included, each written once.
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        if (pProject->m_pProjectType == pOld) {
            pProject->m_pProjectType = pNew;
            pProject->SetModified(TRUE);
            SaveProject(pProject);
        }
    }
    if (m_CurrentEntry.m_pProject != nullptr && m_CurrentEntry.m_pProject->m_pProjectType == pOld) {
        m_CurrentEntry.m_pProject->m_pProjectType = pNew;
        SaveProject(m_CurrentEntry.m_pProject);
    }
    if (m_ViewFilter.m_pProjectType == pOld) {
        m_ViewFilter.m_pProjectType = pNew;
        if (m_bUseDatabase)
            m_ViewFilter.Save();
    }
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
}

void CLogDoc::ReplaceClient(CClient* pOld, CClient* pNew) {
    if (pOld == pNew)
        return;
    CWaitCursor wait;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry->m_pClient == pOld) {
            pEntry->m_pClient = pNew;
            pEntry->SetModified(TRUE);
            SaveLogEntry(pEntry);
        }
    }
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        if (pProject->m_pClient == pOld) {
            pProject->m_pClient = pNew;
            pProject->SetModified(TRUE);
            SaveProject(pProject);
        }
    }
    if (m_CurrentEntry.m_pClient == pOld)
        m_CurrentEntry.m_pClient = pNew;
    if (pOld == nullptr && m_bUseDatabase)
        m_ViewFilter.Save();
    if (CanWriteTables()) {
        m_TaskSet.ReassignClientEntries(this, pOld, pNew);
        m_ProjectTaskSet.ReplaceClient(pOld, pNew);
        m_ExpenseSet.ReplaceClient(this, pOld, pNew);
        m_InvoiceSet.ReplaceClient(this, pOld, pNew);
        m_PaymentSet.ReplaceClient(this, pOld, pNew);
    }
    RefreshInvoiceView();
    RefreshAfterReplacement(*this);
}
