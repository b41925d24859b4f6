// CLogDoc: opening a log (the tables, or the document file when the database cannot be used), the
// first-run defaults, the current user and its rights, the log-in, the active log and the title.
#include "timelog/CLogDoc.h"

#include "data/COrganization.h"
#include "data/IProjectTaskWriter.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/ILogDocDialogs.h"
#include "timelog/ILogDocShell.h"

#include <set>

namespace {

ILogDocShell* g_pShell = nullptr;

constexpr int kRightLoginFree = 10;
constexpr int kRightTree = 15;
constexpr int kMenuRights[] = {4, 6, 7, 8};
constexpr UINT kOptionsUserPage = 12010;

// The stored user name; "<None>" when empty.
CString CurrentUserName() {
    CString name;
    RegReadString(REG_DATABASE, "Username", name);
    if (name.IsEmpty())
        name = CString(MAKEINTRESOURCE(IDS_NONE));
    return name;
}

// Writes converted quick picks to the project-task table.
class ProjectTaskWriter : public IProjectTaskWriter {
public:
    explicit ProjectTaskWriter(CLogDoc& doc) : m_doc(doc) {}
    bool SaveProjectTask(CTask* task) override { return m_doc.m_ProjectTaskSet.SaveTask(&m_doc, task); }

private:
    CLogDoc& m_doc;
};

} // namespace

ILogDocShell* GetLogDocShell() {
    return g_pShell;
}

void SetLogDocShell(ILogDocShell* pShell) {
    g_pShell = pShell;
}

// ---------------------------------------------------------------- open

BOOL CLogDoc::OnNewDocument() {
    return CAcxAutoSaveDoc::OnNewDocument();
}

BOOL CLogDoc::OnOpenDocument(LPCSTR lpszPathName) {
    // Nothing is saved while a log opens: the document still carries the path of the log it held
    // before, and a save now would write an empty or half-read model over that file.
    const bool autoSave = m_bAutoSaveEnabled;
    EnableAutoSave(false);
    // Cleared however the open ends.
    struct OpeningMark {
        bool& flag;
        explicit OpeningMark(bool& f) : flag(f) { flag = true; }
        ~OpeningMark() { flag = false; }
    } opening(m_bOpening);
    const BOOL opened = OpenLog(lpszPathName);
    EnableAutoSave(autoSave);
    return opened;
}

BOOL CLogDoc::OpenLog(LPCSTR lpszPathName) {
    m_bDatabaseUsable = !CBaseRecordset::offline;
    // Only a log kept in the database needs the database checked; a failed check of an unused database
    // would change nothing but still show its failure.
    if (m_bDatabaseUsable && m_bUseDatabase && !CheckDatabaseCompatibility())
        m_bDatabaseUsable = false;
    if (m_bUseDatabase && m_bDatabaseUsable)
        LoadAllTables();
    if (!m_bUseDatabase || !m_bDatabaseUsable) {
        m_bCacheHoldBack = false;
        if (!CAcxAutoSaveDoc::OnOpenDocument(lpszPathName))
            return FALSE;
        // Entries read from the file while the database failed are written to it later.
        if (m_bUseDatabase) {
            for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
                CLogEntry* pEntry = m_LogEntries.GetAt(i);
                if (pEntry->m_Pending == 0)
                    pEntry->m_OpenPending = 1;
            }
        }
    }
    CreateFirstRunDefaults();
    EnsureUsers();
    // The older organization tree has been turned into user records; its groups are not needed.
    COrganization& organization = COrganization::Get();
    for (INT_PTR i = 0; i < organization.m_Groups.GetSize(); ++i)
        delete organization.m_Groups.GetAt(i);
    organization.m_Groups.RemoveAll();
    m_OrgGroupMap.RemoveAll();
    ConvertQuickPicksOnce();

    ILogDocShell* pShell = GetLogDocShell();
    if (!LoginUser()) {
        m_bUseDatabase = false;
        DeleteContents();
        if (pShell != nullptr)
            pShell->MatchActiveLog(this, lpszPathName);
        return TRUE;
    }
    if (pShell != nullptr)
        pShell->MatchActiveLog(this, lpszPathName);
    FinishOpen();
    return TRUE;
}

void CLogDoc::FinishOpen() {
    if (m_bUseDatabase)
        m_ViewFilter.Save();
    ILogDocShell* pShell = GetLogDocShell();
    if (pShell != nullptr) {
        if (m_bTiming)
            pShell->ShowTrayTiming(true);
        bool anyMenuRight = false;
        for (const int right : kMenuRights)
            anyMenuRight = anyMenuRight || HasRight(right);
        pShell->AfterLogOpened(this, HasRight(kRightTree), !anyMenuRight);
    }
    RefreshTimesheetView();
}

bool CLogDoc::CheckDatabaseCompatibility() {
    if (CBaseRecordset::offline)
        return false;
    return m_Database.CheckCompatibility(false);
}

// ---------------------------------------------------------------- tables

bool CLogDoc::LoadAllTables() {
    DeleteContents();
    m_bDatabaseUsable = false;
    try {
        if (m_TaskSet.CanReadTable()) {
            // Every table is tried, so the lists hold whatever loaded.
            bool loaded = m_ProjTypeSet.LoadProjectTypes(this);
            loaded = m_CategorySet.LoadCategories(this) && loaded;
            loaded = m_ClientSet.LoadClients(this) && loaded;
            loaded = m_SubsystemSet.LoadSubsystems(this) && loaded;
            loaded = m_ProjectSet.LoadProjects(this) && loaded;
            loaded = m_OrganizationSet.LoadTree(this) && loaded;
            loaded = m_UserSet.LoadUsers(this) && loaded;
            loaded = m_AccountSet.LoadAccounts(this) && loaded;
            loaded = m_ExpenseTypeSet.LoadExpenseTypes(this) && loaded;
            loaded = m_ExpenseTripSet.LoadTrips(this) && loaded;
            loaded = m_InvoiceSet.LoadInvoices(this) && loaded;
            m_bDatabaseUsable = loaded;

            EnsureNoneProject();
            ResolveUsersAndRights();
            for (INT_PTR i = 0; i < m_Subsystems.GetSize(); ++i)
                m_Subsystems.GetAt(i)->ResolveLinks(this);
            for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
                CAccount* pAccount = m_Accounts.GetAt(i);
                CAccount* pParent = FindAccountByGUID(pAccount->m_ParentID);
                pAccount->m_pParent = pParent != pAccount ? pParent : nullptr;
            }
            ApplyUserVisibility(true, true, true);
            ReloadProjectTasks();
            ClearExpenses();
            m_ExpenseSet.LoadExpenses(this);
            m_UpdateSet.InitCounter(this);
        }
    } catch (CDBException* e) {
        AddErrorFromException(IDS_READ_DATABASE, e->m_nRetCode, e);
        e->Delete();
        m_Database.Close();
    }
    if (!m_bDatabaseUsable)
        m_bAllRights = false;
    m_bLoadFinished = true;
    return m_bDatabaseUsable;
}

void CLogDoc::ReloadProjectTasks() {
    ClearProjectTasks();
    m_ProjectTaskSet.LoadProjectTasks(this);
    ClearQuickTasks();
    CObArray quickTasks;
    m_ProjectTaskSet.LoadQuickTasks(this, quickTasks, nullptr, nullptr, false);
    for (INT_PTR i = 0; i < quickTasks.GetSize(); ++i)
        m_QuickTasks.Add(static_cast<CTask*>(quickTasks.GetAt(i)));
}

// ---------------------------------------------------------------- users and rights

void CLogDoc::ResolveUsersAndRights() {
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        CUser* pUser = m_Users.GetAt(i);
        CUser* pParent = pUser->m_ParentUID.IsEmpty() ? nullptr : FindUserByGUID(pUser->m_ParentUID);
        pUser->m_pParent = pParent != pUser ? pParent : nullptr;
    }
    // Tree order: each record after its parent, children in list order. Records on a parent cycle (or
    // below one) keep their place at the end rather than being lost.
    CUserArray ordered;
    std::set<const CUser*> placed;
    const auto placeChildren = [&](const CUser* pParent, auto& self) -> void {
        for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
            CUser* pUser = m_Users.GetAt(i);
            if (pUser->m_pParent == pParent && placed.insert(pUser).second) {
                ordered.Add(pUser);
                self(pUser, self);
            }
        }
    };
    placeChildren(nullptr, placeChildren);
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        CUser* pUser = m_Users.GetAt(i);
        if (placed.insert(pUser).second)
            ordered.Add(pUser);
    }
    m_Users.RemoveAll();
    m_Users.Append(ordered);

    m_bAllRights = false;
    CUser* pCurrent = GetCurrentUser();
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
        m_Users.GetAt(i)->m_CurrentUser = m_Users.GetAt(i) == pCurrent ? 1 : 0;
    if (pCurrent != nullptr)
        m_bAllRights = pCurrent->m_Admin != 0;
    m_bFullAccess = false;
    RegReadBool(REG_DATABASE, "Full access", &m_bFullAccess);
    if (m_bFullAccess)
        m_bAllRights = true;
    if (m_Users.GetSize() < 2 && m_bDatabaseUsable)
        m_bAllRights = m_bFullAccess = true;
    if (!m_bDatabaseUsable)
        m_bAllRights = m_bFullAccess = false;
}

void CLogDoc::EnsureUsers() {
    const CString name = CurrentUserName();
    if (m_Users.IsEmpty()) {
        auto* pGroup = new CUser(CString(MAKEINTRESOURCE(IDS_GROUP_COMPANY)));
        pGroup->m_Workgroup = 1;
        AddUser(pGroup);
        auto* pUser = new CUser(name);
        pUser->m_Admin = 1;
        pUser->m_pParent = pGroup;
        pUser->m_ParentUID = pGroup->GetGUID();
        AddUser(pUser);
        SaveUser(pGroup);
        SaveUser(pUser);
    }
    if (FindUserByName(name, false) != nullptr)
        return;
    CUser* pGroup = nullptr;
    for (INT_PTR i = 0; i < m_Users.GetSize() && pGroup == nullptr; ++i)
        if (m_Users.GetAt(i)->IsGroup())
            pGroup = m_Users.GetAt(i);
    auto* pUser = new CUser(name);
    pUser->m_Admin = 1;
    pUser->m_Rights.Empty(); // rights past the end of the text are granted: all of them
    pUser->m_pParent = pGroup;
    pUser->m_ParentUID = pGroup != nullptr ? CString(pGroup->GetGUID()) : CString();
    AddUser(pUser);
    SaveUser(pUser);
    m_bAllRights = true;
}

// ---------------------------------------------------------------- first-run data

void CLogDoc::CreateFirstRunDefaults() {
    // Only a database the document writes to records what it already holds.
    if (!CanWriteTables())
        return;
    try {
        bool objects = false;
        bool learning = false;
        m_DefaultSet.GetObjectsAndLearningFlags(this, &objects, &learning);
        if (!objects) {
            m_DefaultSet.SetObjectsAndLearningFlags(this, true, false);
            CreateDefaultCategories();
            CreateDefaultProjectTypes();
        }
        CreateDefaultExpenseTypes();
        bool users = false;
        m_DefaultSet.GetUsersFlag(this, &users);
        if (!users) {
            for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
                ForgetReferences(m_Users.GetAt(i));
                delete m_Users.GetAt(i);
            }
            m_Users.RemoveAll();
            m_UserMap.RemoveAll();
            COrganization::Get().ConvertToUsers(this);
            ResolveUsersAndRights();
            m_DefaultSet.SetUsersFlag(this, true);
        }
        m_DefaultSet.Close();
    } catch (CDBException* e) {
        AddErrorFromException(IDS_READ_DATABASE, e->m_nRetCode, e);
        e->Delete();
        m_DefaultSet.Close();
    }
}

void CLogDoc::ConvertQuickPicksOnce() {
    if (!CanWriteTables())
        return;
    try {
        bool converted = false;
        m_DefaultSet.GetQuickTasksFlag(this, &converted);
        m_DefaultSet.Close();
        if (converted)
            return;
        ProjectTaskWriter writer(*this);
        if (!m_QuickPickSet.ConvertToProjectTasks(this, &writer))
            return; // tried again at the next open
        m_DefaultSet.SetQuickTasksFlag(this, true);
        m_DefaultSet.Close();
        ReloadProjectTasks();
    } catch (CDBException* e) {
        AddErrorFromException(IDS_READ_DATABASE, e->m_nRetCode, e);
        e->Delete();
        m_DefaultSet.Close();
    }
}

// ---------------------------------------------------------------- log-in

CString CLogDoc::ReadStoredPassword() {
    CString stored;
    CString plain;
    RegReadString(REG_DATABASE, "FILTiming", stored);
    if (!stored.IsEmpty() && !UnscrambleText(stored, plain))
        plain.Empty();
    return plain;
}

void CLogDoc::StorePassword(const char* password) {
    RegWriteString(REG_DATABASE, "FILTiming", ScrambleText(password != nullptr ? password : ""));
}

void CLogDoc::RestorePassword() {
    StorePassword(ReadStoredPassword());
}

bool CLogDoc::CheckUserPassword(const char* name, const char* password, bool showMessage) {
    if (name == nullptr || *name == '\0')
        return false;
    const CUser* pUser = FindUserByName(name, false);
    if (pUser == nullptr)
        return true;
    if (pUser->m_Password.CompareNoCase(password != nullptr ? password : "") == 0)
        return true;
    if (showMessage)
        AfxMessageBox(IDS_PASSWORD_MISMATCH, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CLogDoc::LoginUser() {
    const CUser* pUser = GetCurrentUser();
    if (pUser == nullptr)
        return true;
    ILogDocShell* pShell = GetLogDocShell();
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    if (!pUser->HasRight(kRightLoginFree, true) && pDialogs != nullptr && pDialogs->RunLogin(*this) != IDOK) {
        if (pShell != nullptr)
            pShell->PostExit();
        return false;
    }
    CString name;
    RegReadString(REG_DATABASE, "Username", name);
    const bool passed = CheckUserPassword(name, ReadStoredPassword(), false);
    if (passed || m_bLoginInProgress)
        return passed;
    if (pShell == nullptr)
        return false;
    if (pDialogs == nullptr || pDialogs->RunDataAccess() != IDOK)
        return false;
    pShell->ShowOptionsPage(kOptionsUserPage);
    m_bLoginInProgress = true;
    const bool again = LoginUser();
    m_bLoginInProgress = false;
    if (!again) {
        AfxMessageBox(IDS_LOGIN_QUIT, MB_OK | MB_ICONSTOP);
        pShell->PostExit();
    }
    return again;
}

// ---------------------------------------------------------------- path and title

bool CLogDoc::IsActiveLog(const char* path) const {
    CString active;
    RegReadString(REG_DATABASE, "ActiveLog", active);
    const CString compared = path != nullptr ? CString(path) : GetPathName();
    return !active.IsEmpty() && active.CompareNoCase(compared) == 0;
}

void CLogDoc::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU) {
    const bool keepOut = IsActiveLog(lpszPathName) && m_bUseDatabase;
    CAcxAutoSaveDoc::SetPathName(lpszPathName, keepOut ? FALSE : bAddToMRU);
    SetTitle(m_DataSource);
}

void CLogDoc::SetTitle(LPCSTR) {
    CAcxAutoSaveDoc::SetTitle(m_DataSource);
}
