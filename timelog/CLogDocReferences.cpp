// CLogDoc: whether anything still refers to an object about to be deleted, and which users may take a
// user's place. The objects in memory are searched first, then (while the tables can be used) the rows
// that are not loaded.
#include "timelog/CLogDoc.h"

#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"

namespace {

template <typename Array, typename Test> bool AnyOf(const Array& items, Test test) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        if (test(*items.GetAt(i)))
            return true;
    }
    return false;
}

// Project tasks not yet linked name their project by GUID only.
bool TaskHasProject(const CTask& task, const CProject* pProject) {
    return task.m_pProject == pProject || (task.m_pProject == nullptr && !task.m_ProjectID.IsEmpty() &&
                                           task.m_ProjectID.CompareNoCase(pProject->GetGUID()) == 0);
}

} // namespace

bool CLogDoc::IsCategoryInUse(CCategory* pCategory) {
    if (pCategory == nullptr)
        return false;
    auto uses = [pCategory](const CLogEntry& e) { return e.m_pCategory == pCategory; };
    if (AnyOf(m_LogEntries, uses) || AnyOf(m_QuickPicks, uses) || uses(m_CurrentEntry))
        return true;
    return CanWriteTables() &&
           (m_ProjectTaskSet.IsCategoryUsed(pCategory) || m_ExpenseSet.CategoryHasExpenses(pCategory));
}

bool CLogDoc::IsProjectInUse(CProject* pProject) {
    if (pProject == nullptr)
        return false;
    auto uses = [pProject](const CLogEntry& e) { return e.m_pProject == pProject; };
    if (AnyOf(m_LogEntries, uses) ||
        AnyOf(m_ProjectTasks, [pProject](const CTask& t) { return TaskHasProject(t, pProject); }) ||
        AnyOf(m_QuickPicks, uses) || uses(m_CurrentEntry) || m_ViewFilter.m_pProject == pProject)
        return true;
    return CanWriteTables() &&
           (m_ProjectTaskSet.IsProjectUsed(pProject) || m_ExpenseSet.ProjectHasExpenses(pProject) ||
            m_TaskSet.HasProjectEntries(pProject));
}

bool CLogDoc::IsProjectTypeInUse(CProjectType* pType) {
    if (pType == nullptr)
        return false;
    auto uses = [pType](const CLogEntry& e) {
        return e.m_pProject != nullptr && e.m_pProject->m_pProjectType == pType;
    };
    return AnyOf(m_LogEntries, uses) || uses(m_CurrentEntry) ||
           AnyOf(m_Projects, [pType](const CProject& p) { return p.m_pProjectType == pType; }) ||
           m_ViewFilter.m_pProjectType == pType;
}

bool CLogDoc::IsClientInUse(CClient* pClient) {
    // Entries and projects without a client refer to "no client": it can never be given up.
    if (pClient == nullptr)
        return true;
    auto uses = [pClient](const CLogEntry& e) { return e.m_pClient == pClient; };
    if (AnyOf(m_Projects, [pClient](const CProject& p) { return p.m_pClient == pClient; }) ||
        AnyOf(m_LogEntries, uses) || uses(m_CurrentEntry))
        return true;
    return CanWriteTables() &&
           (m_ProjectTaskSet.IsClientUsed(pClient) || m_TaskSet.HasClientEntries(pClient) ||
            m_ExpenseSet.ClientHasExpenses(pClient) || m_PaymentSet.ClientHasPayments(pClient) ||
            m_InvoiceSet.ClientHasInvoices(pClient));
}

bool CLogDoc::IsAccountInUse(CAccount* pAccount) {
    return pAccount != nullptr && CanWriteTables() && m_ExpenseSet.AccountHasExpenses(pAccount);
}

bool CLogDoc::IsExpenseTripInUse(CExpenseTrip* pTrip) {
    return pTrip != nullptr && CanWriteTables() && m_ExpenseSet.TripHasExpenses(pTrip);
}

bool CLogDoc::HasGroupMembers(const CUser* pGroup) const {
    return pGroup != nullptr && AnyOf(m_Users, [pGroup](const CUser& u) { return u.m_pParent == pGroup; });
}

void CLogDoc::GetReplacementUsers(CObArray& users, const CUser* pExcluded) const {
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        CUser* pUser = m_Users.GetAt(i);
        if (pUser != pExcluded && !pUser->IsGroup())
            users.Add(pUser);
    }
}

bool CLogDoc::CanDeleteUser(CUser* pUser, bool warn) {
    if (pUser == nullptr)
        return false;
    CWaitCursor wait;
    auto refuse = [warn](UINT message) {
        if (warn)
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        return false;
    };
    if (pUser == GetCurrentUser())
        return refuse(IDS_USER_IS_CURRENT);
    if (HasGroupMembers(pUser))
        return refuse(IDS_GROUP_HAS_MEMBERS);
    if (!IsUserReferred(pUser))
        return true;
    CObArray candidates;
    GetReplacementUsers(candidates, pUser);
    if (candidates.IsEmpty())
        return refuse(IDS_USER_IN_USE_NO_REPLACEMENT);
    if (warn)
        AfxMessageBox(IDS_USER_IN_USE_REPLACE, MB_OK | MB_ICONINFORMATION);
    return true;
}

bool CLogDoc::ReplaceAccount(CAccount* pOld, CAccount* pNew) {
    if (pOld == nullptr || pNew == nullptr || pOld == pNew)
        return false;
    CWaitCursor wait;
    if (CanWriteTables() && !m_ExpenseSet.ReplaceAccount(this, pOld, pNew))
        return false;
    // The loaded expenses follow their rows, so that a save of one does not bring the old account back.
    for (INT_PTR i = 0; i < m_Expenses.GetSize(); ++i) {
        CExpense* pExpense = m_Expenses.GetAt(i);
        if (pExpense->m_BankID.CompareNoCase(pOld->GetGUID()) == 0)
            pExpense->SetBank(pNew);
        if (pExpense->m_AccountID.CompareNoCase(pOld->GetGUID()) == 0)
            pExpense->SetAccount(pNew);
    }
    RefreshInvoiceView();
    return true;
}

bool CLogDoc::ReplaceExpenseTrip(CExpenseTrip* pOld, CExpenseTrip* pNew) {
    if (pOld == nullptr || pNew == nullptr || pOld == pNew)
        return false;
    CWaitCursor wait;
    if (CanWriteTables() && !m_ExpenseSet.ReplaceTrip(this, pOld, pNew))
        return false;
    for (INT_PTR i = 0; i < m_Expenses.GetSize(); ++i) {
        CExpense* pExpense = m_Expenses.GetAt(i);
        if (pExpense->m_TripID.CompareNoCase(pOld->GetGUID()) == 0)
            pExpense->SetTrip(pNew);
    }
    RefreshInvoiceView();
    return true;
}
