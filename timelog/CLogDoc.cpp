// CLogDoc: construction, contents, lookups, indexed access and adders.
#include "timelog/CLogDoc.h"

#include "data/COrgGroup.h"
#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/LogClock.h"

IMPLEMENT_DYNCREATE(CLogDoc, CAcxAutoSaveDoc)

namespace {
constexpr unsigned kAutoSaveSeconds = 600;
constexpr DWORD kIdleStartDelayMs = 10000;

template <typename T, typename Array> T* ItemAt(const Array& items, int index) {
    return index >= 0 && index < items.GetSize() ? items.GetAt(index) : nullptr;
}

template <typename Array, typename Key> auto FindFirst(const Array& items, Key key) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        auto* pItem = items.GetAt(i);
        if (pItem != nullptr && key(*pItem))
            return pItem;
    }
    return decltype(items.GetAt(0))(nullptr);
}

template <typename Array> void DeleteAll(Array& items) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        delete items.GetAt(i);
    items.RemoveAll();
}
} // namespace

// ---------------------------------------------------------------- construction and contents

CLogDoc::CLogDoc() {
    RegReadBool(REG_PREFS, "Show inactive projects", &s_bShowInactiveProjects);
    RegReadBool(REG_PREFS, "Show inactive subsystems", &s_bShowInactiveSubsystems);
    bool hideSummaries = false;
    RegReadBool(REG_PREFS, "Hide project task summaries", &hideSummaries);
    s_bShowTaskSummaries = !hideSummaries;
    RegReadBool(REG_DATABASE, "Use ODBC", &m_bUseDatabase);
    RegReadString(REG_DATABASE, "DataSource", m_DataSource);
    if (m_DataSource.IsEmpty()) {
        m_DataSource = "Brindlemark mdb";
        RegWriteString(REG_DATABASE, "DataSource", m_DataSource);
    }
    m_bLoadFinished = false;
    m_bDatabaseUsable = true;
    SetAutoSave(kAutoSaveSeconds, autoSaveOnModify);
    m_TimingStart = LogClock::Now();
    m_nIdleTick = GetTickCount() + kIdleStartDelayMs;
    m_nActivityTick1 = m_nActivityTick2 = GetTickCount();
}

CLogDoc::~CLogDoc() {
    DeleteContents();
}

void CLogDoc::DeleteContents() {
    m_bTiming = false;
    DeleteAll(m_LogEntries);
    DeleteAll(m_Expenses);
    m_ExpenseMap.RemoveAll();
    DeleteAll(m_Invoices);
    m_InvoiceMap.RemoveAll();
    DeleteAll(m_Projects);
    m_ProjectMap.RemoveAll();
    DeleteAll(m_ProjectTypes);
    m_ProjectTypeMap.RemoveAll();
    DeleteAll(m_Categories);
    m_CategoryMap.RemoveAll();
    DeleteAll(m_Categories2);
    DeleteAll(m_Accounts);
    m_AccountMap.RemoveAll();
    DeleteAll(m_ExpenseTypes);
    m_ExpenseTypeMap.RemoveAll();
    DeleteAll(m_ExpenseTrips);
    m_ExpenseTripMap.RemoveAll();
    while (!m_LegacyObjects.IsEmpty())
        delete m_LegacyObjects.RemoveHead();
    DeleteAll(m_QuickPicks);
    m_QuickPickMap.RemoveAll();
    DeleteAll(m_Clients);
    m_ClientMap.RemoveAll();
    DeleteAll(m_Users);
    m_UserMap.RemoveAll();
    DeleteAll(m_Subsystems);
    m_SubsystemMap.RemoveAll();
    DeleteAll(m_ProjectTasks);
    m_ProjectTaskMap.RemoveAll();
    DeleteAll(m_QuickTasks);
    // Organization groups belong to the organization tree, and the time cache's entries to the log.
    m_OrgGroupMap.RemoveAll();
    m_TimeCacheEntries.RemoveAll();
    DeleteArchiveOrphans();
    CAcxAutoSaveDoc::DeleteContents();
}

// ---------------------------------------------------------------- lookups

void* CLogDoc::LookupGUID(const CMapStringToPtr& map, const char* guid) {
    void* pObject = nullptr;
    if (guid == nullptr || !map.Lookup(CString(guid), pObject))
        return nullptr;
    return pObject;
}

CProject* CLogDoc::FindProjectByGUID(const char* guid, bool fallBack) const {
    auto* pProject = static_cast<CProject*>(LookupGUID(m_ProjectMap, guid));
    return pProject == nullptr && fallBack ? GetNoneProject() : pProject;
}

CProjectType* CLogDoc::FindProjectTypeByGUID(const char* guid) const {
    return static_cast<CProjectType*>(LookupGUID(m_ProjectTypeMap, guid));
}

CCategory* CLogDoc::FindCategoryByGUID(const char* guid) const {
    return static_cast<CCategory*>(LookupGUID(m_CategoryMap, guid));
}

CAccount* CLogDoc::FindAccountByGUID(const char* guid) const {
    return static_cast<CAccount*>(LookupGUID(m_AccountMap, guid));
}

CExpenseType* CLogDoc::FindExpenseTypeByGUID(const char* guid) const {
    return static_cast<CExpenseType*>(LookupGUID(m_ExpenseTypeMap, guid));
}

CExpenseTrip* CLogDoc::FindExpenseTripByGUID(const char* guid) const {
    return static_cast<CExpenseTrip*>(LookupGUID(m_ExpenseTripMap, guid));
}

CExpense* CLogDoc::FindExpenseByGUID(const char* guid) const {
    return static_cast<CExpense*>(LookupGUID(m_ExpenseMap, guid));
}

CClient* CLogDoc::FindClientByGUID(const char* guid) const {
    return static_cast<CClient*>(LookupGUID(m_ClientMap, guid));
}

CLogEntry* CLogDoc::FindQuickPickByGUID(const char* guid) const {
    return static_cast<CLogEntry*>(LookupGUID(m_QuickPickMap, guid));
}

CUser* CLogDoc::FindUserByGUID(const char* guid) const {
    return static_cast<CUser*>(LookupGUID(m_UserMap, guid));
}

CSubsystem* CLogDoc::FindSubsystemByGUID(const char* guid) const {
    return static_cast<CSubsystem*>(LookupGUID(m_SubsystemMap, guid));
}

CTask* CLogDoc::FindProjectTaskByGUID(const char* guid) const {
    return static_cast<CTask*>(LookupGUID(m_ProjectTaskMap, guid));
}

CInvoice* CLogDoc::FindInvoiceByGUID(const char* guid) const {
    return static_cast<CInvoice*>(LookupGUID(m_InvoiceMap, guid));
}

COrgGroup* CLogDoc::FindOrgGroupByGUID(const char* guid) const {
    return static_cast<COrgGroup*>(LookupGUID(m_OrgGroupMap, guid));
}

CProject* CLogDoc::FindProjectByGUIDNoCase(const char* guid) const {
    return FindFirst(m_Projects, [guid](CProject& p) { return p.GetGUID().CompareNoCase(guid) == 0; });
}

CCategory* CLogDoc::FindCategoryByGUIDNoCase(const char* guid) const {
    return FindFirst(m_Categories, [guid](CCategory& c) { return c.GetGUID().CompareNoCase(guid) == 0; });
}

CAccount* CLogDoc::FindAccountByGUIDNoCase(const char* guid) const {
    return FindFirst(m_Accounts, [guid](CAccount& a) { return a.GetGUID().CompareNoCase(guid) == 0; });
}

CExpenseTrip* CLogDoc::FindExpenseTripByGUIDNoCase(const char* guid) const {
    return FindFirst(m_ExpenseTrips,
                     [guid](CExpenseTrip& t) { return t.GetGUID().CompareNoCase(guid) == 0; });
}

CTask* CLogDoc::FindQuickTaskByGUIDNoCase(const char* guid) const {
    return FindFirst(m_QuickTasks, [guid](CTask& t) { return t.GetGUID().CompareNoCase(guid) == 0; });
}

CLogEntry* CLogDoc::FindLogEntryByGUIDNoCase(const char* guid) const {
    for (INT_PTR i = m_LogEntries.GetSize() - 1; i >= 0; --i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry != nullptr && pEntry->m_GUID.CompareNoCase(guid) == 0)
            return pEntry;
    }
    return nullptr;
}

CLogEntry* CLogDoc::FindMatchingEntry(const CProject* pProject, const CCategory* pCategory) const {
    if (pProject == nullptr)
        return nullptr;
    for (INT_PTR i = m_LogEntries.GetSize() - 1; i >= 0; --i) {
        CLogEntry* pEntry = m_LogEntries.GetAt(i);
        if (pEntry != nullptr && pEntry->m_pProject == pProject &&
            (pCategory == nullptr || pEntry->m_pCategory == pCategory))
            return pEntry;
    }
    return nullptr;
}

CProject* CLogDoc::FindProjectByName(const char* name) const {
    return FindFirst(m_Projects, [name](CProject& p) { return p.m_Name.CompareNoCase(name) == 0; });
}

CCategory* CLogDoc::FindCategoryByName(const char* name) const {
    return FindFirst(m_Categories, [name](CCategory& c) { return c.m_Name.CompareNoCase(name) == 0; });
}

CExpenseType* CLogDoc::FindExpenseTypeByName(const char* name) const {
    return FindFirst(m_ExpenseTypes, [name](CExpenseType& t) { return t.m_Name.CompareNoCase(name) == 0; });
}

CExpenseTrip* CLogDoc::FindExpenseTripByName(const char* name) const {
    return FindFirst(m_ExpenseTrips, [name](CExpenseTrip& t) { return t.m_Name.CompareNoCase(name) == 0; });
}

CClient* CLogDoc::FindClientByName(const char* name) const {
    return FindFirst(m_Clients, [name](CClient& c) { return c.GetCompanyName().CompareNoCase(name) == 0; });
}

CProjectType* CLogDoc::FindProjectTypeByName(const char* name) const {
    return FindFirst(m_ProjectTypes, [name](CProjectType& t) { return t.m_Name.CompareNoCase(name) == 0; });
}

CLogEntry* CLogDoc::FindQuickPickByName(const char* name) const {
    return FindFirst(m_QuickPicks, [name](CLogEntry& e) { return e.m_Name.CompareNoCase(name) == 0; });
}

CAccount* CLogDoc::FindAccountByName(const char* name, const CAccount* pParent) const {
    return FindFirst(m_Accounts, [name, pParent](CAccount& a) {
        if (pParent != nullptr && a.GetParent() != pParent)
            return false;
        return a.m_Name.CompareNoCase(name) == 0 || a.GetFullName().CompareNoCase(name) == 0;
    });
}

CUser* CLogDoc::FindUserByName(const char* name, bool includeGroups) const {
    return FindFirst(m_Users, [name, includeGroups](CUser& u) {
        if (u.IsGroup() && !includeGroups)
            return false;
        return u.m_User.CompareNoCase(name) == 0 || u.m_FullName.CompareNoCase(name) == 0;
    });
}

CProject* CLogDoc::GetNoneProject() const {
    return FindProjectByName(CString(MAKEINTRESOURCE(IDS_NONE)));
}

// ---------------------------------------------------------------- indexed access

CProject* CLogDoc::GetProjectAt(int index) const {
    return ItemAt<CProject>(m_Projects, index);
}

CProjectType* CLogDoc::GetProjectTypeAt(int index) const {
    return ItemAt<CProjectType>(m_ProjectTypes, index);
}

CClient* CLogDoc::GetClientAt(int index) const {
    return ItemAt<CClient>(m_Clients, index);
}

CSubsystem* CLogDoc::GetSubsystemAt(int index) const {
    return ItemAt<CSubsystem>(m_Subsystems, index);
}

CTask* CLogDoc::GetQuickTaskAt(int index) const {
    return ItemAt<CTask>(m_QuickTasks, index);
}

CExpenseType* CLogDoc::GetExpenseTypeAt(int index) const {
    return ItemAt<CExpenseType>(m_ExpenseTypes, index);
}

CExpenseTrip* CLogDoc::GetExpenseTripAt(int index) const {
    return ItemAt<CExpenseTrip>(m_ExpenseTrips, index);
}

CExpense* CLogDoc::GetExpenseAt(int index) const {
    return ItemAt<CExpense>(m_Expenses, index);
}

CInvoice* CLogDoc::GetInvoiceAt(int index) const {
    return ItemAt<CInvoice>(m_Invoices, index);
}

CLogEntry* CLogDoc::GetLogEntryAt(int index) const {
    return ItemAt<CLogEntry>(m_LogEntries, index);
}

CCategory* CLogDoc::GetCategoryAt(int index, bool mainList) {
    CCategoryArray& categories = mainList ? m_Categories : m_Categories2;
    if (categories.IsEmpty())
        FindOrAddCategory(IDS_CATEGORY_ADMINISTRATION, 0);
    return ItemAt<CCategory>(categories, index);
}

int CLogDoc::GetCategoryCount(bool mainList) const {
    return static_cast<int>((mainList ? m_Categories : m_Categories2).GetSize());
}

int CLogDoc::IndexOfProject(const CProject* pProject) const {
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        if (m_Projects.GetAt(i) == pProject)
            return static_cast<int>(i);
    }
    return -1;
}

int CLogDoc::IndexOfAccount(const CAccount* pAccount) const {
    for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
        if (m_Accounts.GetAt(i) == pAccount)
            return static_cast<int>(i);
    }
    return -1;
}

// ---------------------------------------------------------------- adders

void CLogDoc::AddProject(CProject* pProject) {
    if (pProject == nullptr)
        return;
    m_Projects.Add(pProject);
    m_ProjectMap.SetAt(pProject->GetGUID(), pProject);
}

void CLogDoc::AddProjectType(CProjectType* pProjectType) {
    if (pProjectType == nullptr)
        return;
    m_ProjectTypes.Add(pProjectType);
    m_ProjectTypeMap.SetAt(pProjectType->GetGUID(), pProjectType);
}

void CLogDoc::AddCategory(CCategory* pCategory) {
    if (pCategory == nullptr)
        return;
    m_Categories.Add(pCategory);
    m_CategoryMap.SetAt(pCategory->GetGUID(), pCategory);
}

void CLogDoc::AddClient(CClient* pClient) {
    if (pClient == nullptr)
        return;
    m_Clients.Add(pClient);
    m_ClientMap.SetAt(pClient->GetGUID(), pClient);
}

void CLogDoc::AddQuickPick(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    m_QuickPicks.Add(pEntry);
    m_QuickPickMap.SetAt(pEntry->GetGUID(), pEntry);
}

void CLogDoc::AddUser(CUser* pUser) {
    if (pUser == nullptr)
        return;
    m_Users.Add(pUser);
    m_UserMap.SetAt(pUser->GetGUID(), pUser);
}

void CLogDoc::AddSubsystem(CSubsystem* pSubsystem) {
    if (pSubsystem == nullptr)
        return;
    m_Subsystems.Add(pSubsystem);
    m_SubsystemMap.SetAt(pSubsystem->GetGUID(), pSubsystem);
}

void CLogDoc::AddProjectTask(CTask* pTask) {
    if (pTask == nullptr)
        return;
    m_ProjectTasks.Add(pTask);
    m_ProjectTaskMap.SetAt(pTask->GetGUID(), pTask);
}

void CLogDoc::AddAccount(CAccount* pAccount) {
    if (pAccount == nullptr)
        return;
    pAccount->m_pDoc = this;
    m_Accounts.Add(pAccount);
    m_AccountMap.SetAt(pAccount->GetGUID(), pAccount);
}

void CLogDoc::AddExpenseType(CExpenseType* pType) {
    if (pType == nullptr)
        return;
    m_ExpenseTypes.Add(pType);
    m_ExpenseTypeMap.SetAt(pType->GetGUID(), pType);
}

void CLogDoc::AddExpenseTrip(CExpenseTrip* pTrip) {
    if (pTrip == nullptr)
        return;
    m_ExpenseTrips.Add(pTrip);
    m_ExpenseTripMap.SetAt(pTrip->GetGUID(), pTrip);
}

void CLogDoc::AddExpense(CExpense* pExpense) {
    if (pExpense == nullptr)
        return;
    m_Expenses.Add(pExpense);
    m_ExpenseMap.SetAt(pExpense->GetGUID(), pExpense);
}

void CLogDoc::AddInvoice(CInvoice* pInvoice) {
    if (pInvoice == nullptr)
        return;
    m_Invoices.Add(pInvoice);
    m_InvoiceMap.SetAt(pInvoice->GetGUID(), pInvoice);
}

void CLogDoc::RegisterOrgGroup(COrgGroup* pGroup) {
    if (pGroup != nullptr)
        m_OrgGroupMap.SetAt(pGroup->GetGUID(), pGroup);
}

void CLogDoc::AddLogEntry(CLogEntry* pEntry) {
    if (pEntry != nullptr)
        m_LogEntries.Add(pEntry);
}

void CLogDoc::InsertLogEntry(CLogEntry* pEntry, int index) {
    if (pEntry == nullptr)
        return;
    // Positions outside the log put the entry at its nearer end.
    const INT_PTR at = index < 0 ? 0 : (index > m_LogEntries.GetSize() ? m_LogEntries.GetSize() : index);
    m_LogEntries.InsertAt(at, pEntry);
}
