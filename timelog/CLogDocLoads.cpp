// CLogDoc: the lists loaded from their tables after the reference data (expenses, invoices, quick tasks),
// the links made once everything is loaded (account parents, project subsystems), and the removal of the
// project tasks selected in the project-task view.
#include "timelog/CLogDoc.h"

#include "foundation/TextRoutines.h"
#include "timelog/ITaskView.h"

#include <algorithm>

void CLogDoc::LoadExpenses() {
    ClearExpenses();
    m_ExpenseSet.LoadExpenses(this);
}

void CLogDoc::LoadInvoices() {
    ClearInvoices();
    m_InvoiceSet.LoadInvoices(this);
}

void CLogDoc::LoadQuickTasks() {
    ClearQuickTasks();
    if (!m_bDatabaseUsable)
        return;
    CObArray tasks;
    m_ProjectTaskSet.LoadQuickTasks(this, tasks, GetCurrentUser(), nullptr, false);
    for (INT_PTR i = 0; i < tasks.GetSize(); ++i)
        m_QuickTasks.Add(static_cast<CTask*>(tasks.GetAt(i)));
}

void CLogDoc::LinkAccountParents() {
    for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
        CAccount* pAccount = m_Accounts.GetAt(i);
        CAccount* pParent =
            pAccount->m_ParentID.IsEmpty() ? nullptr : FindAccountByGUID(pAccount->m_ParentID);
        // An account cannot be its own parent: that would loop every walk up the tree.
        if (pParent == pAccount)
            pParent = nullptr;
        pAccount->SetParent(pParent);
        if (pParent == nullptr)
            pAccount->m_ParentID.Empty();
    }
}

void CLogDoc::AttachSubsystems() {
    for (INT_PTR i = 0; i < m_Subsystems.GetSize(); ++i) {
        CSubsystem* pSubsystem = m_Subsystems.GetAt(i);
        CProject* pProject = FindProjectByGUID(pSubsystem->m_ProjectUID, false);
        if (pProject == nullptr)
            continue;
        pSubsystem->m_pProject = pProject;
        if (pProject->IndexOfSubsystem(pSubsystem) < 0)
            pProject->AddSubsystem(pSubsystem);
    }
}

void CLogDoc::SaveModifiedSubsystems() {
    if (!CanWriteTables())
        return;
    for (INT_PTR i = 0; i < m_Subsystems.GetSize(); ++i) {
        CSubsystem* pSubsystem = m_Subsystems.GetAt(i);
        if (pSubsystem->m_bModified && m_SubsystemSet.SaveSubsystem(this, pSubsystem))
            pSubsystem->SetModified(FALSE);
    }
}

void CLogDoc::DeleteSelectedProjectTasks(const CDWordArray& firstRows, const CDWordArray& lastRows) {
    ITaskView* pView = GetTaskView();
    if (pView == nullptr)
        return;
    CStringArray guids;
    for (INT_PTR range = std::min(firstRows.GetSize(), lastRows.GetSize()) - 1; range >= 0; --range) {
        for (DWORD row = lastRows.GetAt(range); row >= firstRows.GetAt(range) && row > 0; --row) {
            const CTask* pTask = pView->GetTaskAtRow(row);
            // A row without task means the selection no longer matches the list: nothing is deleted.
            if (pTask == nullptr)
                return;
            if (pTask->m_Summary)
                CollectSubtaskGUIDs(pTask, guids);
            else if (FindStringNoCase(guids, pTask->GetGUID()) < 0)
                guids.Add(pTask->GetGUID());
        }
    }
    DeleteProjectTasks(guids);
    DoAutoSave(true);
}
