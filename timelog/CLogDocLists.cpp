// CLogDoc: list maintenance: subsystems in use and their replacement or removal, the clearing of the
// loaded lists, indices, and the removal of single expenses and invoices.
#include "timelog/CLogDoc.h"

#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/CLogHint.h"
#include "timelog/IDocumentViews.h"
#include "timelog/IExpenseView.h"
#include "timelog/IInvoiceView.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/IReplacementChooser.h"

#include <algorithm>

namespace {

template <typename Array, typename Item> int IndexIn(const Array& items, const Item* pItem) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        if (items.GetAt(i) == pItem)
            return static_cast<int>(i);
    }
    return -1;
}

// Deletes every object of the list and empties it and its map.
template <typename Array> void DeleteAll(Array& items, CMapStringToPtr* pMap) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        delete items.GetAt(i);
    items.RemoveAll();
    if (pMap != nullptr)
        pMap->RemoveAll();
}

// Takes the object out of its list and map; false when it was not in the list.
template <typename Array, typename Item>
bool TakeOut(Array& items, CMapStringToPtr& map, Item* pItem, const CString& guid) {
    const int index = IndexIn(items, pItem);
    if (index < 0)
        return false;
    items.RemoveAt(index);
    void* pMapped = nullptr;
    if (map.Lookup(guid, pMapped) && pMapped == pItem)
        map.RemoveKey(guid);
    return true;
}

// Project tasks not yet linked name their subsystem by GUID only.
bool TaskHasSubsystem(const CTask& task, CSubsystem* pSubsystem) {
    return task.m_pSubsystem == pSubsystem ||
           (task.m_pSubsystem == nullptr && !task.m_SubsystemID.IsEmpty() &&
            task.m_SubsystemID.CompareNoCase(pSubsystem->GetGUID()) == 0);
}

} // namespace

// ---------------------------------------------------------------- indices

int CLogDoc::GetProjectTaskIndex(const CTask* pTask) const {
    return IndexIn(m_ProjectTasks, pTask);
}
int CLogDoc::GetExpenseIndex(const CExpense* pExpense) const {
    return IndexIn(m_Expenses, pExpense);
}
int CLogDoc::GetInvoiceIndex(const CInvoice* pInvoice) const {
    return IndexIn(m_Invoices, pInvoice);
}
int CLogDoc::GetSubsystemIndex(const CSubsystem* pSubsystem) const {
    return IndexIn(m_Subsystems, pSubsystem);
}

// ---------------------------------------------------------------- clearing the loaded lists

void CLogDoc::ClearProjectTasks() {
    // The quick tasks are separate objects, but other pointers at the project tasks must not outlive them.
    for (INT_PTR i = 0; i < m_ProjectTasks.GetSize(); ++i)
        ForgetReferences(m_ProjectTasks.GetAt(i));
    DeleteAll(m_ProjectTasks, &m_ProjectTaskMap);
}

void CLogDoc::ClearExpenses() {
    DeleteAll(m_Expenses, &m_ExpenseMap);
}

void CLogDoc::ClearInvoices() {
    DeleteAll(m_Invoices, &m_InvoiceMap);
}

void CLogDoc::ClearQuickTasks() {
    DeleteAll(m_QuickTasks, nullptr);
}

void CLogDoc::ClearSubsystems() {
    for (INT_PTR i = 0; i < m_Subsystems.GetSize(); ++i)
        ForgetReferences(m_Subsystems.GetAt(i));
    DeleteAll(m_Subsystems, &m_SubsystemMap);
}

void CLogDoc::RemoveExpense(CExpense* pExpense) {
    if (pExpense == nullptr || !TakeOut(m_Expenses, m_ExpenseMap, pExpense, pExpense->GetGUID()))
        return;
    delete pExpense;
}

void CLogDoc::RemoveInvoice(CInvoice* pInvoice) {
    if (pInvoice == nullptr || !TakeOut(m_Invoices, m_InvoiceMap, pInvoice, pInvoice->GetGUID()))
        return;
    delete pInvoice;
}

// ---------------------------------------------------------------- subsystems

void CLogDoc::ReplaceSubsystem(CSubsystem* pOld, CSubsystem* pNew) {
    if (pOld == nullptr)
        return;
    auto replace = [pOld, pNew](CLogEntry& e) {
        if (e.m_pSubsystem == pOld)
            e.m_pSubsystem = pNew;
    };
    replace(m_CurrentEntry);
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i)
        replace(*m_LogEntries.GetAt(i));
    for (CTaskArray* pTasks : {&m_ProjectTasks, &m_QuickTasks}) {
        for (INT_PTR i = 0; i < pTasks->GetSize(); ++i) {
            CTask* pTask = pTasks->GetAt(i);
            if (TaskHasSubsystem(*pTask, pOld))
                pTask->SetSubsystem(pNew);
        }
    }
}

bool CLogDoc::IsSubsystemUsedByRows(CSubsystem* pSubsystem) {
    return CanWriteTables() &&
           (m_TaskSet.HasSubsystemEntries(pSubsystem) || m_ProjectTaskSet.IsSubsystemUsed(pSubsystem) ||
            m_ExpenseSet.SubsystemHasExpenses(pSubsystem));
}

bool CLogDoc::IsSubsystemInUse(CSubsystem* pSubsystem, bool ask) {
    if (pSubsystem == nullptr || pSubsystem->m_pProject == nullptr)
        return false;
    CWaitCursor wait;
    const CProject* pProject = pSubsystem->m_pProject;
    for (INT_PTR i = 0; i < pProject->m_Subsystems.GetSize(); ++i) {
        if (pProject->m_Subsystems.GetAt(i)->m_pParent == pSubsystem) {
            if (ask)
                AfxMessageBox(IDS_SUBSYSTEM_HAS_CHILDREN, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    if (!IsSubsystemUsedByRows(pSubsystem))
        return true;
    // Rows that name it need another subsystem of the project to move to.
    const bool replaceable = pProject->m_Subsystems.GetSize() > 1;
    if (ask)
        AfxMessageBox(replaceable ? IDS_SUBSYSTEM_IN_USE_REPLACE : IDS_SUBSYSTEM_IN_USE_NO_REPLACEMENT,
                      MB_OK | (replaceable ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
    return replaceable;
}

bool CLogDoc::ChooseReplacementSubsystem(CSubsystem* pSubsystem) {
    if (pSubsystem == nullptr)
        return false;
    CObArray candidates;
    if (pSubsystem->m_pProject != nullptr) {
        const CSubsystemArray& siblings = pSubsystem->m_pProject->m_Subsystems;
        for (INT_PTR i = 0; i < siblings.GetSize(); ++i) {
            if (siblings.GetAt(i) != pSubsystem)
                candidates.Add(siblings.GetAt(i));
        }
    }
    if (candidates.IsEmpty()) {
        AfxMessageBox(IDS_SUBSYSTEM_IN_USE_NO_REPLACEMENT, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    IReplacementChooser* pChooser = GetReplacementChooser();
    CObject* pChosen =
        pChooser != nullptr ? pChooser->ChooseReplacement(IDD_SUBSYSTEM_IN_USE, candidates) : nullptr;
    auto* pReplacement = static_cast<CSubsystem*>(pChosen);
    if (pReplacement == nullptr || pReplacement == pSubsystem)
        return false;
    CWaitCursor wait;
    ReplaceSubsystem(pSubsystem, pReplacement);
    if (!CanWriteTables())
        return true;
    // Every table is tried; a table that still names the subsystem keeps it alive (false).
    bool moved = m_TaskSet.ReassignSubsystemEntries(this, pSubsystem, pReplacement);
    moved = m_ProjectTaskSet.ReplaceSubsystem(pSubsystem, pReplacement) && moved;
    moved = m_ExpenseSet.ReplaceSubsystem(this, pSubsystem, pReplacement) && moved;
    return moved;
}

void CLogDoc::RemoveSubsystem(CSubsystem* pSubsystem, bool refresh) {
    if (pSubsystem == nullptr)
        return;
    if (IsSubsystemUsedByRows(pSubsystem) && !ChooseReplacementSubsystem(pSubsystem))
        return;
    if (GetSubsystemIndex(pSubsystem) < 0)
        return;
    CWaitCursor wait;
    DropSubsystem(pSubsystem);
    if (!refresh)
        return;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    UpdateTimingDisplayKeepSelection();
    RefreshTimesheetView();
    RefreshTaskView();
    if (IDocumentViews* pViews = GetDocumentViews())
        pViews->RefreshExpenseView();
}

// ---------------------------------------------------------------- the selections of the record views

bool CLogDoc::IsGridEditingQuiet() {
    ILogView* pView = GetLogView();
    return pView != nullptr && pView->HasUnfinishedRow();
}

namespace {

// Visits the rows of the ranges from the last range to the first and each from its last row up; false as
// soon as visit refuses a row.
template <typename Visit>
bool VisitRowsBackwards(const CDWordArray& firstRows, const CDWordArray& lastRows, Visit visit) {
    for (INT_PTR range = std::min(firstRows.GetSize(), lastRows.GetSize()) - 1; range >= 0; --range) {
        for (DWORD row = lastRows.GetAt(range); row >= firstRows.GetAt(range) && row > 0; --row) {
            if (!visit(row))
                return false;
        }
    }
    return true;
}

} // namespace

bool CLogDoc::DeleteSelectedExpenses(const CDWordArray& firstRows, const CDWordArray& lastRows) {
    IExpenseView* pView = GetExpenseView();
    if (pView == nullptr)
        return false;
    const bool complete = VisitRowsBackwards(firstRows, lastRows, [&](DWORD row) {
        CExpense* pExpense = pView->GetExpenseAtRow(row);
        if (pExpense == nullptr)
            return false;
        if (CanWriteTables())
            m_ExpenseSet.DeleteExpense(this, pExpense);
        RemoveExpense(pExpense);
        return true;
    });
    return complete && DoAutoSave(true);
}

bool CLogDoc::DeleteSelectedInvoices(const CDWordArray& firstRows, const CDWordArray& lastRows) {
    IInvoiceView* pView = GetInvoiceView();
    if (pView == nullptr)
        return false;
    const bool complete = VisitRowsBackwards(firstRows, lastRows, [&](DWORD row) {
        CInvoice* pInvoice = pView->GetInvoiceAtRow(row);
        if (pInvoice == nullptr)
            return false;
        if (CanWriteTables())
            m_InvoiceSet.DeleteInvoice(this, pInvoice);
        RemoveInvoice(pInvoice);
        return true;
    });
    return complete && DoAutoSave(true);
}
