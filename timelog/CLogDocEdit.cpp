// CLogDoc: creators, renames with the unique-name check, removals and the order of the projects.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/CLogHint.h"
#include "timelog/IReplacementChooser.h"

namespace {
CString Text(UINT id) {
    return id != 0 ? CString(MAKEINTRESOURCE(id)) : CString();
}
} // namespace

void CLogDoc::WriteEntryOrKeepPending(CLogEntry* pEntry) {
    if (!m_bUseDatabase)
        return;
    // An entry the database did not take stays pending and is written again later; one it took is no
    // longer pending.
    const BYTE wasPending = pEntry->m_Pending;
    pEntry->m_Pending = m_bDatabaseUsable && m_TaskSet.SaveEntry(this, pEntry) ? 0 : 1;
    // The time cache follows at once, so a pending entry outlives a crash before the next save.
    if (pEntry->m_Pending != 0 || wasPending != 0)
        PrepareTimeCache();
}

CProject* CLogDoc::FindOrAddProject(const char* name, const char* description) {
    if (CProject* pProject = FindProjectByName(name))
        return pProject;
    auto* pProject = new CProject(name, 0.0);
    pProject->m_Description = description;
    pProject->SetModified(TRUE);
    AddProject(pProject);
    SortProjects();
    SetModifiedFlag();
    DoAutoSave(true);
    if (CanWriteTables())
        m_ProjectSet.SaveProject(this, pProject);
    return pProject;
}

CCategory* CLogDoc::FindOrAddCategory(const char* name, const char* description) {
    if (CCategory* pCategory = FindCategoryByName(name))
        return pCategory;
    auto* pCategory = new CCategory(name, description);
    pCategory->SetModified(TRUE);
    AddCategory(pCategory);
    SetModifiedFlag();
    DoAutoSave(true);
    if (CanWriteTables())
        m_CategorySet.SaveCategory(this, pCategory);
    return pCategory;
}

CCategory* CLogDoc::FindOrAddCategory(UINT nameId, UINT descriptionId) {
    return FindOrAddCategory(Text(nameId), Text(descriptionId));
}

CProjectType* CLogDoc::FindOrAddProjectType(const char* name) {
    if (CProjectType* pType = FindProjectTypeByName(name))
        return pType;
    auto* pType = new CProjectType(name);
    pType->SetModified(TRUE);
    AddProjectType(pType);
    SetModifiedFlag();
    DoAutoSave(true);
    if (CanWriteTables())
        m_ProjTypeSet.SaveProjectType(this, pType);
    return pType;
}

CProjectType* CLogDoc::FindOrAddProjectType(UINT nameId) {
    return FindOrAddProjectType(Text(nameId));
}

CExpenseType* CLogDoc::FindOrAddExpenseType(const char* name, const char* description) {
    if (CExpenseType* pType = FindExpenseTypeByName(name))
        return pType;
    auto* pType = new CExpenseType(name, description);
    pType->SetModified(TRUE);
    AddExpenseType(pType);
    SetModifiedFlag();
    DoAutoSave(true);
    if (CanWriteTables())
        m_ExpenseTypeSet.SaveExpenseType(this, pType);
    return pType;
}

CExpenseType* CLogDoc::FindOrAddExpenseType(UINT nameId, UINT descriptionId) {
    return FindOrAddExpenseType(Text(nameId), Text(descriptionId));
}

CClient* CLogDoc::FindOrAddClient(const char* name, const char* description) {
    if (CClient* pClient = FindClientByName(name))
        return pClient;
    auto* pClient = new CClient;
    pClient->SetCompanyName(name);
    pClient->SetDescription(description);
    pClient->SetModified(TRUE);
    AddClient(pClient);
    SetModifiedFlag();
    DoAutoSave(true);
    if (CanWriteTables())
        m_ClientSet.SaveClient(this, pClient);
    return pClient;
}

CCategory* CLogDoc::NewCategory(const char* name, const char* description, bool mainList) {
    auto* pCategory = new CCategory(name, description);
    if (mainList)
        AddCategory(pCategory);
    else
        m_Categories2.Add(pCategory);
    SetModifiedFlag();
    return pCategory;
}

CProject* CLogDoc::NewProject(const char* name) {
    auto* pProject = new CProject(name, 0.0);
    m_Projects.Add(pProject);
    SetModifiedFlag();
    return pProject;
}

CProject* CLogDoc::EnsureNoneProject() {
    CProject* pProject = FindOrAddProject(Text(IDS_NONE), Text(IDS_NONE_PROJECT_DESCRIPTION));
    pProject->m_Placeholder = 1;
    return pProject;
}

void CLogDoc::SortProjects() {
    CProjectArray sorted;
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        INT_PTR at = 0;
        while (at < sorted.GetSize() && pProject->m_Name.CompareNoCase(sorted.GetAt(at)->m_Name) >= 0)
            ++at;
        sorted.InsertAt(at, pProject);
    }
    m_Projects.Copy(sorted);
}

// ---------------------------------------------------------------- renames

namespace {
// Another item of the list (not pSelf) has the name, ignoring case.
template <typename Array, typename Item, typename Name>
bool NameTaken(const Array& items, const Item* pSelf, const char* name, Name nameOf) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        const Item* pItem = items.GetAt(i);
        if (pItem != nullptr && pItem != pSelf && nameOf(*pItem).CompareNoCase(name) == 0)
            return true;
    }
    return false;
}

bool RefuseName(bool showMessage) {
    if (showMessage)
        AfxMessageBox(IDS_CHOOSE_UNIQUE_NAME, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// Takes the object out of its list (when there) and its map (when the map holds this object).
template <typename Array, typename Item>
void Unlist(Array& items, CMapStringToPtr& map, Item* pItem, const CString& guid) {
    for (INT_PTR i = items.GetSize() - 1; i >= 0; --i) {
        if (items.GetAt(i) == pItem)
            items.RemoveAt(i);
    }
    void* pMapped = nullptr;
    if (map.Lookup(guid, pMapped) && pMapped == pItem)
        map.RemoveKey(guid);
}
} // namespace

bool CLogDoc::RenameProject(CProject* pProject, const char* name, bool showMessage) {
    if (pProject == nullptr)
        return false;
    if (NameTaken(m_Projects, pProject, name, [](const CProject& p) { return p.m_Name; }))
        return RefuseName(showMessage);
    pProject->m_Name = name;
    pProject->SetModified(TRUE);
    SortProjects();
    if (CanWriteTables())
        m_ProjectSet.SaveProject(this, pProject);
    return true;
}

bool CLogDoc::RenameProjectType(CProjectType* pType, const char* name, bool showMessage) {
    if (pType == nullptr)
        return false;
    if (NameTaken(m_ProjectTypes, pType, name, [](const CProjectType& t) { return t.m_Name; }))
        return RefuseName(showMessage);
    pType->m_Name = name;
    pType->SetModified(TRUE);
    if (CanWriteTables())
        m_ProjTypeSet.SaveProjectType(this, pType);
    return true;
}

bool CLogDoc::RenameCategory(CCategory* pCategory, const char* name, bool showMessage) {
    if (pCategory == nullptr)
        return false;
    if (NameTaken(m_Categories, pCategory, name, [](const CCategory& c) { return c.m_Name; }))
        return RefuseName(showMessage);
    pCategory->m_Name = name;
    pCategory->SetModified(TRUE);
    if (CanWriteTables())
        m_CategorySet.SaveCategory(this, pCategory);
    return true;
}

// ---------------------------------------------------------------- removals

void CLogDoc::DeleteProjectType(CProjectType* pType) {
    if (pType == nullptr)
        return;
    if (CanWriteTables())
        m_ProjTypeSet.DeleteProjectType(this, pType);
    Unlist(m_ProjectTypes, m_ProjectTypeMap, pType, pType->m_GUID);
    ForgetReferences(pType);
    delete pType;
}

void CLogDoc::DeleteCategory(CCategory* pCategory) {
    if (pCategory == nullptr)
        return;
    if (CanWriteTables())
        m_CategorySet.DeleteCategory(this, pCategory);
    Unlist(m_Categories, m_CategoryMap, pCategory, pCategory->m_GUID);
    Unlist(m_Categories2, m_CategoryMap, pCategory, pCategory->m_GUID);
    ForgetReferences(pCategory);
    delete pCategory;
}

void CLogDoc::DeleteClient(CClient* pClient) {
    if (pClient == nullptr)
        return;
    if (CanWriteTables())
        m_ClientSet.DeleteClient(this, pClient);
    Unlist(m_Clients, m_ClientMap, pClient, pClient->m_GUID);
    ForgetReferences(pClient);
    delete pClient;
}

void CLogDoc::DeleteProject(CProject* pProject) {
    if (pProject == nullptr)
        return;
    CWaitCursor wait;
    if (CanWriteTables())
        m_ProjectSet.DeleteProject(this, pProject);
    // A copy: each removal also takes the subsystem out of the project's own list.
    CSubsystemArray subsystems;
    subsystems.Copy(pProject->m_Subsystems);
    for (INT_PTR i = subsystems.GetSize() - 1; i >= 0; --i)
        DropSubsystem(subsystems.GetAt(i));
    for (CTaskArray* pTasks : {&m_ProjectTasks, &m_QuickTasks}) {
        for (INT_PTR i = pTasks->GetSize() - 1; i >= 0; --i) {
            CTask* pTask = pTasks->GetAt(i);
            // Tasks not yet linked name their project by GUID only.
            if (pTask->m_pProject != pProject && pTask->m_ProjectID.CompareNoCase(pProject->GetGUID()) != 0)
                continue;
            if (pTasks == &m_ProjectTasks)
                Unlist(m_ProjectTasks, m_ProjectTaskMap, pTask, pTask->GetGUID());
            else
                pTasks->RemoveAt(i);
            ForgetReferences(pTask);
            delete pTask;
        }
    }
    // The project-task, invoice and expense filters may hold its GUID; a GUID no project has left would
    // filter every row away.
    for (const char* name : {"Project", "InProject", "ExProject"}) {
        CString value;
        if (RegReadString(REG_FILTER_PROJECT_TASKS, name, value) && !value.IsEmpty())
            RegWriteString(REG_FILTER_PROJECT_TASKS, name, "");
    }
    Unlist(m_Projects, m_ProjectMap, pProject, pProject->m_GUID);
    ForgetReferences(pProject);
    m_ViewFilter.Validate();
    delete pProject;
}

void CLogDoc::DropSubsystem(CSubsystem* pSubsystem) {
    if (CanWriteTables())
        m_SubsystemSet.DeleteSubsystem(this, pSubsystem);
    // Log entries are written again without it; the current entry and the rest lose it below.
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry->m_pSubsystem != pSubsystem)
            continue;
        pEntry->m_pSubsystem = nullptr;
        pEntry->SetModified(TRUE);
        WriteEntryOrKeepPending(pEntry);
    }
    Unlist(m_Subsystems, m_SubsystemMap, pSubsystem, pSubsystem->GetGUID());
    ForgetReferences(pSubsystem);
    delete pSubsystem;
}

bool CLogDoc::DeleteUser(CUser* pUser) {
    if (pUser == nullptr)
        return false;
    if (IsUserReferred(pUser) && !ChooseReplacementUser(pUser))
        return false;
    m_ProjectTaskSet.SetUserFilter(nullptr);
    if (CanWriteTables())
        m_UserSet.DeleteUser(this, pUser);
    Unlist(m_Users, m_UserMap, pUser, pUser->GetGUID());
    ForgetReferences(pUser);
    delete pUser;
    return true;
}

// ---------------------------------------------------------------- rounding

void CLogDoc::ReapplyRounding() {
    CWaitCursor wait;
    bool changed = false;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        const CTimeSpan before = pEntry->m_Duration;
        pEntry->RecalcElapsed();
        if (pEntry->m_Duration == before)
            continue;
        changed = true;
        pEntry->SetModified(TRUE);
        WriteEntryOrKeepPending(pEntry);
    }
    if (!changed)
        return;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    SetModifiedFlag();
    DoAutoSave(true);
}

bool CLogDoc::RenameAccount(CAccount* pAccount, const char* name, bool showMessage) {
    if (pAccount == nullptr)
        return false;
    if (NameTaken(m_Accounts, pAccount, name, [](const CAccount& a) { return a.m_Name; }))
        return RefuseName(showMessage);
    pAccount->m_Name = name;
    pAccount->SetModified(TRUE);
    if (CanWriteTables())
        m_AccountSet.SaveAccount(this, pAccount);
    return true;
}

bool CLogDoc::RenameExpenseTrip(CExpenseTrip* pTrip, const char* name, bool showMessage) {
    if (pTrip == nullptr)
        return false;
    if (NameTaken(m_ExpenseTrips, pTrip, name, [](const CExpenseTrip& t) { return t.m_Name; }))
        return RefuseName(showMessage);
    pTrip->m_Name = name;
    pTrip->SetModified(TRUE);
    if (CanWriteTables())
        m_ExpenseTripSet.SaveTrip(this, pTrip);
    return true;
}

void CLogDoc::DeleteExpenseType(CExpenseType* pType) {
    if (pType == nullptr)
        return;
    if (CanWriteTables())
        m_ExpenseTypeSet.DeleteExpenseType(this, pType);
    Unlist(m_ExpenseTypes, m_ExpenseTypeMap, pType, pType->m_GUID);
    ForgetReferences(pType);
    delete pType;
}

void CLogDoc::DeleteExpenseTrip(CExpenseTrip* pTrip) {
    if (pTrip == nullptr)
        return;
    if (CanWriteTables())
        m_ExpenseTripSet.DeleteTrip(this, pTrip);
    Unlist(m_ExpenseTrips, m_ExpenseTripMap, pTrip, pTrip->m_GUID);
    ForgetReferences(pTrip);
    delete pTrip;
}

// ---------------------------------------------------------------- accounts

bool CLogDoc::CanDeleteAccount(CAccount* pAccount, bool warn) {
    if (pAccount == nullptr)
        return false;
    CWaitCursor wait;
    for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
        CAccount* pOther = m_Accounts.GetAt(i);
        if (pOther != pAccount && pOther->GetParent() == pAccount) {
            AfxMessageBox(IDS_ACCOUNT_HAS_SUB_ACCOUNTS, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    if (!warn || !m_ExpenseSet.AccountHasExpenses(pAccount))
        return true;
    if (m_Accounts.GetSize() < 2) {
        AfxMessageBox(IDS_ACCOUNT_IN_USE_NO_REPLACEMENT, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    AfxMessageBox(IDS_ACCOUNT_IN_USE_REPLACE, MB_OK | MB_ICONINFORMATION);
    return true;
}

CAccount* CLogDoc::ChooseReplacementAccount(CAccount* pAccount) {
    CObArray candidates;
    for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
        if (m_Accounts.GetAt(i) != pAccount)
            candidates.Add(m_Accounts.GetAt(i));
    }
    if (candidates.IsEmpty()) {
        AfxMessageBox(IDS_ACCOUNT_IN_USE_NO_REPLACEMENT, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    IReplacementChooser* pChooser = GetReplacementChooser();
    CObject* pChosen =
        pChooser != nullptr ? pChooser->ChooseReplacement(IDD_ACCOUNT_IN_USE, candidates) : nullptr;
    return pChosen != nullptr && pChosen != pAccount ? static_cast<CAccount*>(pChosen) : nullptr;
}

bool CLogDoc::DeleteAccount(CAccount* pAccount, bool refresh) {
    if (pAccount == nullptr)
        return false;
    if (m_ExpenseSet.AccountHasExpenses(pAccount)) {
        CAccount* pReplacement = ChooseReplacementAccount(pAccount);
        if (pReplacement == nullptr)
            return false;
        CWaitCursor wait;
        if (!m_ExpenseSet.ReplaceAccount(this, pAccount, pReplacement))
            return false; // the expenses still name it: it stays
        for (INT_PTR i = 0; i < m_Expenses.GetSize(); ++i) {
            CExpense* pExpense = m_Expenses.GetAt(i);
            if (pExpense->m_BankID == pAccount->m_GUID)
                pExpense->SetBank(pReplacement);
            if (pExpense->m_AccountID == pAccount->m_GUID)
                pExpense->SetAccount(pReplacement);
        }
    }
    if (CanWriteTables())
        m_AccountSet.DeleteAccount(this, pAccount);
    Unlist(m_Accounts, m_AccountMap, pAccount, pAccount->m_GUID);
    ForgetReferences(pAccount);
    delete pAccount;
    if (refresh)
        RefreshInvoiceView();
    return true;
}

// ---------------------------------------------------------------- references to deleted objects

void CLogDoc::ForgetReferences(const void* pGone) {
    auto forget = [pGone](auto*& pointer) {
        if (pointer == pGone)
            pointer = nullptr;
    };
    auto forgetEntry = [&forget](CLogEntry& e) {
        forget(e.m_pClient);
        forget(e.m_pProject);
        forget(e.m_pSubsystem);
        forget(e.m_pCategory);
        forget(e.m_pUser);
        forget(e.m_pBill);
    };
    forgetEntry(m_CurrentEntry);
    forgetEntry(m_RecentTasks.m_Template);
    for (int i = 0; i < m_RecentTasks.GetCount(); ++i) {
        forget(m_RecentTasks.GetAt(i)->m_pProject);
        forget(m_RecentTasks.GetAt(i)->m_pCategory);
    }
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i)
        forgetEntry(*m_LogEntries.GetAt(i));
    for (INT_PTR i = 0; i < m_QuickPicks.GetSize(); ++i)
        forgetEntry(*m_QuickPicks.GetAt(i));
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        forget(pProject->m_pClient);
        forget(pProject->m_pProjectType);
        pProject->RemoveSubsystem(static_cast<CSubsystem*>(const_cast<void*>(pGone)));
    }
    for (INT_PTR i = 0; i < m_Subsystems.GetSize(); ++i) {
        forget(m_Subsystems.GetAt(i)->m_pProject);
        forget(m_Subsystems.GetAt(i)->m_pParent);
    }
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
        forget(m_Users.GetAt(i)->m_pParent);
    for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i)
        forget(m_Accounts.GetAt(i)->m_pParent);
    for (INT_PTR i = 0; i < m_Expenses.GetSize(); ++i) {
        CExpense* pExpense = m_Expenses.GetAt(i);
        forget(pExpense->m_pUser);
        forget(pExpense->m_pClient);
        forget(pExpense->m_pProject);
        forget(pExpense->m_pSubsystem);
        forget(pExpense->m_pCategory);
        forget(pExpense->m_pBank);
        forget(pExpense->m_pAccount);
        forget(pExpense->m_pType);
        forget(pExpense->m_pTrip);
    }
    for (INT_PTR i = 0; i < m_Invoices.GetSize(); ++i) {
        CInvoice* pInvoice = m_Invoices.GetAt(i);
        forget(pInvoice->m_pClient);
        forget(pInvoice->m_pProject);
        forget(pInvoice->m_pCreator);
    }
    for (CTaskArray* pTasks : {&m_ProjectTasks, &m_QuickTasks}) {
        for (INT_PTR i = 0; i < pTasks->GetSize(); ++i) {
            CTask* pTask = pTasks->GetAt(i);
            forget(pTask->m_pParent);
            forget(pTask->m_pOwner);
            forget(pTask->m_pAssignedBy);
            forget(pTask->m_pClient);
            forget(pTask->m_pProject);
            forget(pTask->m_pSubsystem);
            forget(pTask->m_pCategory);
        }
    }
    forget(m_ViewFilter.m_pProject);
    forget(m_ViewFilter.m_pProjectType);
}
