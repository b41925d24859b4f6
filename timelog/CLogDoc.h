// CLogDoc: the time-log document, the one owner of the in-memory model. Every project, project type,
// category, client, user, subsystem, project task, quick pick, account, expense type, trip, expense,
// invoice and log entry the program shows lives in one of its lists; lists of objects with an identity
// have a GUID map beside them. Views, dialogs and the main frame reach the open document through
// GetLogDoc and call the lookups, adders and accessors here.
//
// The class is large and split by concern into several source files, one header:
//   CLogDoc.cpp        construction, contents, lists, lookups, indexed access, adders
//   CLogDocEdit.cpp    creators, renames with the unique-name check, removals, sorting
//   CLogDocUsers.cpp   current user, groups and rights
//   CLogDocErrors.cpp  the error forwarders and the link to the main frame
//   CLogDocTables.cpp  the table recordsets, the change counter and the visibility of objects
//   CLogDocProjects.cpp the projects a user or group may see
//   CLogDocReferences.cpp whether objects are still referred to, and their replacement
//   CLogDocLists.cpp   subsystem replacement and removal, clearing lists, indices
// Sections of this header follow the same order; later concerns add their own sections at the end.
#pragma once

#include "billing/CInvoice.h"
#include "data/CAccount.h"
#include "data/CAccountSet.h"
#include "data/CCategory.h"
#include "data/CCategorySet.h"
#include "data/CClient.h"
#include "data/CClientSet.h"
#include "data/CDefaultSet.h"
#include "data/CExpense.h"
#include "data/CExpenseSet.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseTripSet.h"
#include "data/CExpenseType.h"
#include "data/CExpenseTypeSet.h"
#include "data/CInvoiceSet.h"
#include "data/CLogDatabase.h"
#include "data/COrgObjectSet.h"
#include "data/COrganizationSet.h"
#include "data/CPaymentSet.h"
#include "data/CProjTypeSet.h"
#include "data/CProject.h"
#include "data/CProjectSet.h"
#include "data/CProjectTaskSet.h"
#include "data/CProjectType.h"
#include "data/CQuickPickSet.h"
#include "data/CReportSet.h"
#include "data/CSubsystem.h"
#include "data/CSubsystemSet.h"
#include "data/CTaskSet.h"
#include "data/CTimesheetSet.h"
#include "data/CUpdateSet.h"
#include "data/CUser.h"
#include "data/CUserSet.h"
#include "data/CViewFilter.h"
#include "foundation/CAcxAutoSaveDoc.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CMapStringToPtr.h"
#include "framework/core/CObList.h"
#include "framework/core/CStringArray.h"
#include "projecttasks/CTask.h"
#include "timelog/CLogEntry.h"
#include "timelog/CRecentTaskList.h"

#include <map>
#include <memory>
#include <string>
#include <functional>
#include <vector>

class COrgGroup;
class CLogTextRow;
class CCmdUI;
class CComboBoxEx;
class CFindDlg;
class IFindService;
struct CFindRequest;
class CException;
class CProgressCtrl;
class CStatic;
class CWnd;
class ILogDocDialogs;
class ILogView;

class CLogDoc : public CAcxAutoSaveDoc {
    DECLARE_DYNCREATE(CLogDoc)
public:
    // ================================================================ construction and contents
    // Reads the show switches, "Use ODBC" and "DataSource" ("Brindlemark mdb" when empty, written
    // back); autosave every 600 seconds.
    CLogDoc();
    ~CLogDoc() override;
    CLogDoc(const CLogDoc&) = delete;
    CLogDoc& operator=(const CLogDoc&) = delete;

    // Clears the timing flag and deletes every object of every list (maps emptied).
    void DeleteContents() override;

    // ================================================================ lookups
    // All return nullptr when nothing matches. By GUID: exact, through the map. NoCase: ignoring case,
    // scanning the list. By name: ignoring case, first match.
    // fallBack: with no match, the "<None>" project (nullptr when that does not exist either).
    CProject* FindProjectByGUID(const char* guid, bool fallBack) const;
    CProjectType* FindProjectTypeByGUID(const char* guid) const;
    CCategory* FindCategoryByGUID(const char* guid) const;
    CAccount* FindAccountByGUID(const char* guid) const;
    CExpenseType* FindExpenseTypeByGUID(const char* guid) const;
    CExpenseTrip* FindExpenseTripByGUID(const char* guid) const;
    CExpense* FindExpenseByGUID(const char* guid) const;
    CClient* FindClientByGUID(const char* guid) const;
    CLogEntry* FindQuickPickByGUID(const char* guid) const;
    CUser* FindUserByGUID(const char* guid) const;
    CSubsystem* FindSubsystemByGUID(const char* guid) const;
    CTask* FindProjectTaskByGUID(const char* guid) const;
    CInvoice* FindInvoiceByGUID(const char* guid) const;
    COrgGroup* FindOrgGroupByGUID(const char* guid) const;

    CProject* FindProjectByGUIDNoCase(const char* guid) const;
    CCategory* FindCategoryByGUIDNoCase(const char* guid) const;
    CAccount* FindAccountByGUIDNoCase(const char* guid) const;
    CExpenseTrip* FindExpenseTripByGUIDNoCase(const char* guid) const;
    CTask* FindQuickTaskByGUIDNoCase(const char* guid) const;
    // From the newest entry backwards.
    CLogEntry* FindLogEntryByGUIDNoCase(const char* guid) const;
    // The latest entry of the project (and of the category when one is given); nullptr for no project.
    CLogEntry* FindMatchingEntry(const CProject* pProject, const CCategory* pCategory) const;

    CProject* FindProjectByName(const char* name) const;
    CCategory* FindCategoryByName(const char* name) const;
    CExpenseType* FindExpenseTypeByName(const char* name) const;
    CExpenseTrip* FindExpenseTripByName(const char* name) const;
    CClient* FindClientByName(const char* name) const;
    CProjectType* FindProjectTypeByName(const char* name) const;
    CLogEntry* FindQuickPickByName(const char* name) const;
    // The name or the full name; with pParent only its children.
    CAccount* FindAccountByName(const char* name, const CAccount* pParent = nullptr) const;
    // User or FullName; groups only with includeGroups.
    CUser* FindUserByName(const char* name, bool includeGroups) const;
    // The placeholder project of entries without a project (named "<None>").
    CProject* GetNoneProject() const;

    // ================================================================ indexed access
    // The item at a zero-based index; nullptr outside the list.
    CProject* GetProjectAt(int index) const;
    CProjectType* GetProjectTypeAt(int index) const;
    CClient* GetClientAt(int index) const;
    CSubsystem* GetSubsystemAt(int index) const;
    CTask* GetQuickTaskAt(int index) const;
    CExpenseType* GetExpenseTypeAt(int index) const;
    CExpenseTrip* GetExpenseTripAt(int index) const;
    CExpense* GetExpenseAt(int index) const;
    CInvoice* GetInvoiceAt(int index) const;
    CLogEntry* GetLogEntryAt(int index) const;
    // mainList: the categories, else the second category list. An empty list first gets the category
    // "Administration" (FindOrAddCategory).
    CCategory* GetCategoryAt(int index, bool mainList = true);
    int GetCategoryCount(bool mainList = true) const;
    int GetProjectCount() const { return static_cast<int>(m_Projects.GetSize()); }
    int GetLogEntryCount() const { return static_cast<int>(m_LogEntries.GetSize()); }
    // Position of the object in its list; -1 when absent.
    int IndexOfProject(const CProject* pProject) const;
    int IndexOfAccount(const CAccount* pAccount) const;

    // ================================================================ adders
    // Append to the list and enter the GUID in the map (a second object with the same GUID replaces the
    // first in the map; both stay in the list). nullptr is ignored. None marks the document modified.
    void AddProject(CProject* pProject);
    void AddProjectType(CProjectType* pProjectType);
    void AddCategory(CCategory* pCategory);
    void AddClient(CClient* pClient);
    void AddQuickPick(CLogEntry* pEntry);
    void AddUser(CUser* pUser);
    void AddSubsystem(CSubsystem* pSubsystem);
    void AddProjectTask(CTask* pTask);
    // Also gives the account its document.
    void AddAccount(CAccount* pAccount);
    void AddExpenseType(CExpenseType* pType);
    void AddExpenseTrip(CExpenseTrip* pTrip);
    void AddExpense(CExpense* pExpense);
    void AddInvoice(CInvoice* pInvoice);
    // The map only: organization groups have no list here.
    void RegisterOrgGroup(COrgGroup* pGroup);
    // The log has no map.
    void AddLogEntry(CLogEntry* pEntry);
    void InsertLogEntry(CLogEntry* pEntry, int index);

    // ================================================================ creators
    // The object of that name, or a new one (marked modified) added to its list; the document is then
    // marked modified and saved. Projects are kept sorted. The id forms take string ids (0 = empty).
    CProject* FindOrAddProject(const char* name, const char* description);
    CCategory* FindOrAddCategory(const char* name, const char* description);
    CCategory* FindOrAddCategory(UINT nameId, UINT descriptionId);
    CProjectType* FindOrAddProjectType(const char* name);
    CProjectType* FindOrAddProjectType(UINT nameId);
    CExpenseType* FindOrAddExpenseType(const char* name, const char* description);
    CExpenseType* FindOrAddExpenseType(UINT nameId, UINT descriptionId);
    CClient* FindOrAddClient(const char* name, const char* description);
    // A new category in the categories (mainList) or the second list; marks the document modified.
    CCategory* NewCategory(const char* name, const char* description, bool mainList);
    // A new project at the end of the list (no map entry, no sort); marks the document modified.
    CProject* NewProject(const char* name);
    // The "<None>" project, made when missing, with its placeholder flag set.
    CProject* EnsureNoneProject();
    // Projects by name ignoring case; equal names keep their order.
    void SortProjects();

    // ================================================================ renames and removals
    // When another object of the list has the name (ignoring case), nothing changes, "Please choose a
    // unique name." shows when asked, and the result is false. Otherwise the name is stored, the object
    // marked modified and written to its table (projects re-sorted first); true.
    bool RenameProject(CProject* pProject, const char* name, bool showMessage);
    bool RenameProjectType(CProjectType* pType, const char* name, bool showMessage);
    bool RenameCategory(CCategory* pCategory, const char* name, bool showMessage);
    bool RenameAccount(CAccount* pAccount, const char* name, bool showMessage);
    bool RenameExpenseTrip(CExpenseTrip* pTrip, const char* name, bool showMessage);
    // Nothing for nullptr. The table row goes (while the tables can be written), the object leaves its
    // list and map when it is still there, and is deleted.
    void DeleteProjectType(CProjectType* pType);
    void DeleteCategory(CCategory* pCategory);
    void DeleteClient(CClient* pClient);
    void DeleteExpenseType(CExpenseType* pType);
    void DeleteExpenseTrip(CExpenseTrip* pTrip);
    // False (with its message) when the account has sub accounts. When expenses use it and warn is set:
    // false with a message when there is no other account, else true after telling that a replacement
    // will be asked for.
    bool CanDeleteAccount(CAccount* pAccount, bool warn);
    // Expenses that use the account move to a replacement the user chooses (no other account, or
    // cancelled: nothing is deleted, false); then the row and the account go; the invoice view reloads
    // when asked.
    bool DeleteAccount(CAccount* pAccount, bool refresh);
    // The user's choice among every other account; nullptr when there is none (with its message) or the
    // user cancelled.
    CAccount* ChooseReplacementAccount(CAccount* pAccount);
    // Nothing for nullptr. The [Projects] row goes (while the tables can be written), and with it the
    // project's subsystems (their rows; entries pointing at one lose it and are written again), its
    // project tasks in memory and any project filter of the project-task, invoice and expense views.
    void DeleteProject(CProject* pProject);
    // False for nullptr, and when time entries, project tasks, expenses or private categories refer to
    // the user and no replacement was chosen (nothing is deleted). Otherwise those references move to the
    // chosen user, the project-task user filter is emptied, the [Users] row and the record go; true.
    bool DeleteUser(CUser* pUser);
    // The "Users In Use" dialog over every other person (groups left out); false when there is nobody to
    // choose (with its message) or no choice was made. The chosen user takes over the log entries and
    // the stored time entries, project tasks, expenses and private categories; the timesheet and task
    // views reload.
    bool ChooseReplacementUser(CUser* pUser);
    // The log entries and the current entry of pOld become pNew's.
    void ReplaceUserInEntries(const CUser* pOld, CUser* pNew);
    // Writes the user record to [Users]; nothing for nullptr.
    bool SaveUser(CUser* pUser);
    // After the rounding settings changed: every entry's elapsed time again; changed entries are marked
    // modified and written to [Tasks]; when any changed, the views reload and the document saves.
    void ReapplyRounding();
    // Both gates of every table write: "Use ODBC" and the last load of all tables succeeded.
    bool CanWriteTables() const { return m_bUseDatabase && m_bDatabaseUsable; }
    // Every pointer of the model at an object about to be deleted becomes nullptr, so nothing is left
    // pointing at freed memory (entries, projects, subsystems, users, accounts, expenses, invoices, tasks,
    // the view filter).
    void ForgetReferences(const void* pGone);

    // ================================================================ users and rights
    // The record of the logged-in user ("Database\Username", "<None>" when empty); groups skipped.
    CUser* GetCurrentUser() const;
    // The current user's parent record (group), or nullptr.
    CUser* GetCurrentUserGroup() const;
    // The GUID of the parent record of the user of that name; "" when unknown or without parent.
    CString GetUserGroupGUID(const char* userName) const;
    // Full access, no current user, or the current user holds right n.
    bool HasRight(int n) const;
    // Whether the current user may see another user's data: its own record, or one below (or equal to)
    // a group assigned to the current user in [OrgObjects].
    bool CanViewUserData(const CUser* pUser);
    // Replaces the [OrgObjects] rows of the object by one row per unit GUID (skipped while the tables
    // cannot be written).
    bool SaveObjectPermissions(const CString& objectGUID, const CStringArray& unitGUIDs);

    // ================================================================ state
    bool IsTiming() const { return m_bTiming; }
    bool UsesDatabase() const { return m_bUseDatabase; }
    bool IsDatabaseUsable() const { return m_bDatabaseUsable; }

    // Process-wide show switches, read from "Prefs\" when a document is constructed.
    static inline bool s_bShowInactiveProjects = false;
    static inline bool s_bShowInactiveSubsystems = false;
    static inline bool s_bShowTaskSummaries = true;

    // ================================================================ the model
    CLogEntry m_CurrentEntry; // the entry being timed or prepared
    CProjectArray m_Projects; // sorted by name, ignoring case
    CProjectTypeArray m_ProjectTypes;
    CCategoryArray m_Categories;
    CCategoryArray m_Categories2;      // read from old document files only; moved into the categories
    CObList m_LegacyObjects;           // kept in the document file, never filled
    CLogEntryArray m_LogEntries;       // the log grid's row order
    CLogEntryArray m_TimeCacheEntries; // held in the time cache file; not owned
    CLogEntryArray m_QuickPicks;
    CClientArray m_Clients;
    CUserArray m_Users; // tree order
    CSubsystemArray m_Subsystems;
    CTaskArray m_ProjectTasks;
    CTaskArray m_QuickTasks;
    CAccountArray m_Accounts;
    CExpenseTypeArray m_ExpenseTypes;
    CExpenseTripArray m_ExpenseTrips;
    CExpenseArray m_Expenses; // the expense view's row order
    CInvoiceArray m_Invoices; // the invoice view's row order
    CStringArray m_QBQueue;   // GUIDs of entries waiting to be logged to QuickBooks
    CLogDatabase m_Database;
    bool m_bUseDatabase = false;   // "Use ODBC": tables are read and written
    bool m_bDatabaseUsable = true; // the last load of all tables succeeded; writes skipped while false
    bool m_bLoadFinished = false;  // a load of all tables has run
    CString m_DataSource;          // ODBC data source; also the title
    bool m_bTiming = false;
    CTime m_TimingStart;
    CViewFilter m_ViewFilter;
    DWORD m_nIdleTick = 0;
    DWORD m_nActivityTick1 = 0;
    DWORD m_nActivityTick2 = 0;
    bool m_bLoginInProgress = false;
    bool m_bCacheHoldBack = false;
    bool m_bReopenQBFile = true;
    bool m_bQBCacheLoaded = false;
    bool m_bTimeCacheMerged = false;
    bool m_bAllRights = false;
    bool m_bFullAccess = false;

    // ================================================================ tables (CLogDocTables.cpp)
    // The recordsets of the tables, on m_Database.
    CTaskSet m_TaskSet{&m_Database};
    CProjectSet m_ProjectSet{&m_Database};
    CProjTypeSet m_ProjTypeSet{&m_Database};
    CClientSet m_ClientSet{&m_Database};
    CQuickPickSet m_QuickPickSet{&m_Database};
    CCategorySet m_CategorySet{&m_Database};
    COrganizationSet m_OrganizationSet{&m_Database};
    CDefaultSet m_DefaultSet{&m_Database};
    CUpdateSet m_UpdateSet{&m_Database};
    CUserSet m_UserSet{&m_Database};
    CSubsystemSet m_SubsystemSet{&m_Database};
    CReportSet m_ReportSet{&m_Database};
    CTimesheetSet m_TimesheetSet{&m_Database};

    // Tells the other copies of the program sharing the database that shared data changed: bumps the
    // change counter (after a save of an account, category, client, expense trip or type, project,
    // project type, report, subsystem or user).
    void RecordUpdate();
    // The recordsets of the shared reference data, in the order a change of the counter reloads them.
    std::vector<CBaseRecordset*> GetSharedTableSets();

    // ================================================================ visibility (CLogDocTables.cpp)
    // For the logged-in user, when the database is usable: the visible flags of the projects, the user
    // and group records and the categories, from their [OrgObjects] assignments (an object without
    // assignments is visible to all; a category private to another user is hidden).
    void ApplyUserVisibility(bool projects, bool users, bool categories);
    // Whether one of the units (user or group records) covers the user: the user's own record, or a
    // group that is the user's group, one of its ancestors or one of its descendants.
    bool IsVisibleThroughUnits(const CUser* user, const CObArray& units) const;
    // Hides every category private to another user.
    void HideOtherUsersCategories();

    // ================================================================ project tasks, expenses, invoices
    // The recordsets of these tables, on m_Database.
    CProjectTaskSet m_ProjectTaskSet{&m_Database};
    CAccountSet m_AccountSet{&m_Database};
    CExpenseTypeSet m_ExpenseTypeSet{&m_Database};
    CExpenseTripSet m_ExpenseTripSet{&m_Database};
    CExpenseSet m_ExpenseSet{&m_Database};
    CInvoiceSet m_InvoiceSet{&m_Database};
    CPaymentSet m_PaymentSet{&m_Database};

    // The projects the user or group may see, in list order (inactive ones only while they are shown):
    // those without organization assignments and those whose assignments cover node. allVisible is
    // cleared when a project was left out. Nothing without a node. (CLogDocProjects.cpp)
    void GetVisibleProjects(CUser* node, bool& allVisible, CProjectArray& projects);

    // ================================================================ references (CLogDocReferences.cpp)
    // Whether anything still refers to the object: the objects in memory (entries, quick picks, the
    // current entry, project tasks, projects, the view filter), then, while the tables can be used, the
    // rows that are not loaded. nullptr is in use only for the client: entries without one refer to it.
    bool IsCategoryInUse(CCategory* pCategory);
    bool IsProjectInUse(CProject* pProject);
    bool IsProjectTypeInUse(CProjectType* pType);
    bool IsClientInUse(CClient* pClient);
    bool IsAccountInUse(CAccount* pAccount);
    bool IsExpenseTripInUse(CExpenseTrip* pTrip);
    // A user record has the group as parent.
    bool HasGroupMembers(const CUser* pGroup) const;
    // Appends every user that is neither pExcluded nor a group.
    void GetReplacementUsers(CObArray& users, const CUser* pExcluded) const;
    // False for the logged-in user and for a group with members; for a user still referred to, false
    // when no other user could take its place, else true (warn: each case tells the user why).
    bool CanDeleteUser(CUser* pUser, bool warn);
    // The expense rows and the loaded expenses of the old account (as bank or as account) or trip take
    // the new one, and the expense and invoice view reloads. False for a missing or equal pair and when
    // the rows could not be changed (nothing in memory changes then).
    bool ReplaceAccount(CAccount* pOld, CAccount* pNew);
    bool ReplaceExpenseTrip(CExpenseTrip* pOld, CExpenseTrip* pNew);

    // ================================================================ list maintenance (CLogDocLists.cpp)
    // Position of the object in its list; -1 when absent.
    int GetProjectTaskIndex(const CTask* pTask) const;
    int GetExpenseIndex(const CExpense* pExpense) const;
    int GetInvoiceIndex(const CInvoice* pInvoice) const;
    int GetSubsystemIndex(const CSubsystem* pSubsystem) const;
    // Delete the objects and empty the list and its map (pointers of the model at them are forgotten).
    void ClearProjectTasks();
    void ClearExpenses();
    void ClearInvoices();
    void ClearQuickTasks();
    void ClearSubsystems();
    // Takes the object out of its list and map and deletes it; nothing when it is not in the list.
    void RemoveExpense(CExpense* pExpense);
    void RemoveInvoice(CInvoice* pInvoice);
    // The current entry, log entries and project tasks of pOld refer to pNew.
    void ReplaceSubsystem(CSubsystem* pOld, CSubsystem* pNew);
    // Whether the subsystem may be deleted: false for nullptr, one without project and one with child
    // subsystems; true when no row names it; for one that rows name, true when another subsystem of its
    // project can take its place. ask: the user is told each refusal or that a replacement will be asked.
    bool IsSubsystemInUse(CSubsystem* pSubsystem, bool ask);
    // The "Subsystem In Use" choice among the project's other subsystems (none: message, false); the
    // chosen one takes the subsystem's place in memory and in the rows; false when cancelled or when a
    // table still names the old one.
    bool ChooseReplacementSubsystem(CSubsystem* pSubsystem);
    // A subsystem that rows name is first replaced (cancelled: nothing happens). Then its row goes, it
    // leaves its project and the lists, entries pointing at it lose it (and are written again), and it
    // is deleted; with refresh the views reload. Nothing when it is not in the subsystem list.
    void RemoveSubsystem(CSubsystem* pSubsystem, bool refresh);

    // ================================================================ timing primitives and sums
    // (CLogDocSums.cpp)
    // The newest log entry that is still running (no stop time), or nullptr.
    CLogEntry* GetRunningEntry() const;
    // The current entry, first made a copy of the running entry when there is one.
    CLogEntry* GetCurrentEntry();
    // Stores one entry everywhere it belongs: its GUID is made, its [Tasks] row written (kept pending
    // when the database is in use but did not take it), it is logged to QuickBooks, its row in the log
    // view is read again and the document is saved. Nothing for nullptr.
    void CommitLogEntry(CLogEntry* pEntry);
    // The task windows re-mark the running task; the log view rebuilds its rows with the view filter,
    // sorts and redraws; the timesheet reloads.
    void UpdateTimingDisplay();
    // The same, keeping the log grid's selected rows.
    void UpdateTimingDisplayKeepSelection();
    // Appends an entry to the log (it takes the current entry's project-server and plan ids), writes it
    // (pending when the tables cannot take it) and saves; a running entry becomes "Logging\Guid".
    void AppendLogEntry(CLogEntry* pEntry);
    // The log slot takes pEntry (the old entry is not deleted: the caller owns it); then saved, written
    // to [Tasks] (pending on failure) and logged to QuickBooks. Nothing for an index outside the log.
    void ReplaceLogEntryAt(int index, CLogEntry* pEntry);

    // What SumLoggedTime counts, beside the period. Every condition given must hold.
    struct LoggedTimeSelection {
        // The entry's project; the "<None>" project also matches entries without a project.
        CProject* pProject = nullptr;
        // kWithoutProjectType: entries of a real project that has no type; another type: entries whose
        // project has it. With no type asked for, pClient selects the entries of that client.
        const CProjectType* pProjectType = nullptr;
        CClient* pClient = nullptr;
        // 0 any, 1 billed entries only, 2 entries not billed.
        int billedMode = 0;
        // When textColumn is not 0: the entry's text of that column (CLogEntry::Column) equals text,
        // ignoring case.
        int textColumn = 0;
        CString text{};
    };
    static const CProjectType* const kWithoutProjectType;
    // Total rounded time of the selected entries of pList (the log when nullptr) within [from, to): each
    // entry's stretch clipped to the period (a running entry up to now). to 0 = no end. The scan runs
    // from the newest entry and stops after 100 entries that ended before the period. A null item in
    // the list makes the total 0.
    CTimeSpan SumLoggedTime(CTime from, CTime to, const LoggedTimeSelection& selection,
                            const CLogEntryArray* pList = nullptr) const;
    // The same total in hours.
    double GetLoggedHours(CTime from, CTime to, const LoggedTimeSelection& selection,
                          const CLogEntryArray* pList = nullptr) const;
    // "%1 hours" with the hours to 2 decimals.
    CString FormatLoggedHours(CTime from, CTime to, const LoggedTimeSelection& selection,
                              const CLogEntryArray* pList = nullptr) const;
    // The same time of day, days calendar days later (earlier for negative days), also across a
    // daylight-saving change.
    static CTime AddDaysToTime(CTime time, int days);
    static CTime SubtractSeconds(CTime time, long seconds);

    // ================================================================ local caches (CLogDocCaches.cpp)
    // Two files in the program folder keep per-machine state between runs: "Time cache.bmk" the log
    // entries the database has not taken yet (pending), "QuickBooks cache.bmk" the QuickBooks queue.
    // Both are written whole to a temporary file that then replaces the old one. A file that cannot be
    // read (damaged, cut short, from a newer version) is refused with a message, nothing of it is taken,
    // and it is never overwritten afterwards.
    static CString GetTimeCachePath();
    static CString GetQuickBooksCachePath();
    // Writes the time-cache list. False (after a message) when it could not be written or the file was
    // refused when it was read.
    bool SaveTimeCache();
    // Reads the file into the time-cache list (every entry pending); a missing file empties the list.
    // The entries read are the document's until MergeTimeCache puts them into the log. False (after a
    // message) when the file was refused; the list is then unchanged.
    bool LoadTimeCache();
    // Version 3: the entries as objects; versions 2 and 3 are read.
    void SerializeTimeCache(CArchive& ar);
    // The same for the QuickBooks queue; queued GUIDs of log entries get the queued mark. Version 2.
    bool SaveQuickBooksCache();
    bool LoadQuickBooksCache();
    void SerializeQuickBooksCache(CArchive& ar);
    // Once merged: the list becomes every pending log entry, in log order, and is written.
    void PrepareTimeCache();
    // Once per document: the cached entries come back into the log (a log entry with the same GUID takes
    // the cached fields, else the cached entry is appended); they point at the document's own projects,
    // categories, subsystems and clients (ones the document lacks are added to it).
    void MergeTimeCache();
    // Writes the oldest pending entry to [Tasks] (errors not reported) while the tables can be written;
    // on success the mark goes, its row is read again and the document saved. At most one per call.
    void FlushCachedEntry();
    bool IsTimeCacheMerged() const { return m_bTimeCacheMerged; }

    // ================================================================ QuickBooks (CLogDocQuickBooks.cpp)
    // "QuickBooks\" settings are read each time. The IIF files are reached through IQuickBooksFiles.
    // Loads "List file" when "Log to QuickBooks" is on; a failure goes to the error list.
    void OpenQuickBooksListFile();
    // Whether an entry can be logged now; timePath receives "Time file". False when logging is off, the
    // list file is missing or the same as the time file, or no time file is named while exporting. Opens
    // the list file when it is to be reopened, and makes the time file when it does not exist.
    bool CheckQuickBooksFiles(CString& timePath);
    // Appends (remove clear) or deletes (remove set) the entry's time-activity row; true when the time
    // file was loaded and saved.
    bool WriteEntryToQuickBooks(CLogEntry* pEntry, bool remove, int value);
    // Logs the entry now, or queues it (marks, GUID in the queue once, QuickBooks cache written) when
    // that fails. True when logged, or when logging is off or "No Export" is on.
    bool QueueEntryForQuickBooks(CLogEntry* pEntry, bool remove, int value);
    // Takes the entry's GUID out of the queue (ignoring case) and writes the QuickBooks cache.
    void DequeueEntry(CLogEntry* pEntry);
    // Logs the first queued entry that still carries its queued mark again, with its stored arguments;
    // on success its marks go, it leaves the queue, its row is read again and the document saved. True
    // when one was logged.
    bool RetryQuickBooksQueue();

    // ================================================================ recent tasks (CLogDocRecent.cpp)
    // Recently used pairs of project and category ("Recent tasks\").
    CRecentTaskList m_RecentTasks;
    // Gives the list its document and reads it (while the document is opened).
    void LoadRecentTasks();
    // Records the pair of a stopped entry.
    void RecordRecentTask(const CLogEntry& entry);
    // The update handler of the first recent-task command (ID_RECENT_TASK_FIRST). Only the application's
    // active log builds the menu; another document lets the update route on.
    void OnUpdateRecentTask(CCmdUI* pCmdUI);
    // Recent-task command id (ID_RECENT_TASK_FIRST .. + 9): while idle, times the item's pair from now.
    // FALSE (routing goes on) when this is not the active log.
    BOOL OnRecentTask(UINT id);
    // Whether the registered shell calls this document its active log.
    bool IsActiveLogDocument() const;
    // ================================================================ completed time (CLogDocCompleted.cpp)
    // Adds a copy of a finished entry (own GUID) to the log and stores it: written to [Tasks] when the
    // database is used, else (or when the write fails) kept pending; the document is then saved. Returns
    // the log's entry.
    CLogEntry* AddCompletedEntry(const CLogEntry& entry);

protected:
    // GUID text to object, one map per list that has identities.
    CMapStringToPtr m_ProjectMap{10};
    CMapStringToPtr m_ProjectTypeMap{10};
    CMapStringToPtr m_CategoryMap{10};
    CMapStringToPtr m_ClientMap{10};
    CMapStringToPtr m_QuickPickMap{10};
    CMapStringToPtr m_OrgGroupMap{10};
    CMapStringToPtr m_UserMap{10};
    CMapStringToPtr m_SubsystemMap{10};
    CMapStringToPtr m_ProjectTaskMap{10};
    CMapStringToPtr m_AccountMap{10};
    CMapStringToPtr m_ExpenseTypeMap{10};
    CMapStringToPtr m_ExpenseTripMap{10};
    CMapStringToPtr m_ExpenseMap{10};
    CMapStringToPtr m_InvoiceMap{10};

    // The object of a map, or nullptr.
    static void* LookupGUID(const CMapStringToPtr& map, const char* guid);
    // The current entry, a log entry or (while the tables can be read) a time entry, project task,
    // expense or private category refers to the user.
    bool IsUserReferred(CUser* pUser);
    // Writes the entry to [Tasks] when the database is in use; one it did not take stays pending.
    void WriteEntryOrKeepPending(CLogEntry* pEntry);
    // The subsystem's row, its place in the lists and the entries' pointers at it go; it is deleted.
    void DropSubsystem(CSubsystem* pSubsystem);
    // [Tasks], [ProjectTasks] or [Expenses] name the subsystem (while the tables can be used).
    bool IsSubsystemUsedByRows(CSubsystem* pSubsystem);

    // ---- timing primitives, caches (CLogDocSums.cpp, CLogDocCaches.cpp)
    // Marks the document modified and saves it at once.
    void SaveNow();
    // Entries read from the time cache that are not in the log yet.
    std::vector<std::unique_ptr<CLogEntry>> m_TimeCacheRead;
    // The time cache file could not be read: it is kept as it is and not written again.
    bool m_bTimeCacheRefused = false;
    // The same for the QuickBooks cache.
    bool m_bQBCacheRefused = false;

public:
    // ================================================================ opening, loading, log-in
    // (CLogDocLoad.cpp) A new, empty log; no table is read.
    BOOL OnNewDocument() override;
    // Loads every table when the database is used and usable, else reads the document file (false only
    // when that read failed; a damaged, truncated or too new file is refused with its message and left
    // as it is). Then first-run defaults, the current user, the log-in, the active log, the running entry
    // and the main window's refresh.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // Reads every table into the lists; the database is usable only when every table loaded.
    bool LoadAllTables();
    // False at once while offline, else the database's compatibility check.
    bool CheckDatabaseCompatibility();
    // Whether the path (nullptr: the document's own) is "Database\ActiveLog", ignoring case.
    bool IsActiveLog(const char* path = nullptr) const;
    // The active log of a database-backed document keeps out of the recently used files and is titled
    // by its data source.
    void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE) override;
    // The title is always the data source name, whatever is asked.
    void SetTitle(LPCSTR lpszTitle) override;
    // True when the user may work: no current user, right 10, or the stored name and password match
    // (after the Data Access dialog and the Options' User page once more). A refusal posts the exit.
    bool LoginUser();
    // The password, through the stored-password transform, into "Database\FILTiming".
    void StorePassword(const char* password);
    // Reads the stored password back and stores it again the same way.
    void RestorePassword();
    // Whether the user of that name has that password (ignoring case); a user unknown passes, an empty
    // name fails. showMessage: a mismatch is told.
    bool CheckUserPassword(const char* name, const char* password, bool showMessage);
    // Parents from their GUIDs, tree order, the logged-in mark and the all-rights and full-access
    // switches.
    void ResolveUsersAndRights();

protected:
    // Steps of OnOpenDocument.
    BOOL OpenLog(LPCSTR lpszPathName);
    void CreateFirstRunDefaults();
    void EnsureUsers();
    void ConvertQuickPicksOnce();
    void FinishOpen();
    // The project tasks and quick tasks read again.
    void ReloadProjectTasks();
    // The stored password in plain text ("" when none or unreadable).
    static CString ReadStoredPassword();

public:
    // ================================================================ the document file and saving
    // (CLogDocSave.cpp) The document file: version 11 written, versions 2 to 11 read; anything else, or a
    // damaged file, throws the archive exception and leaves the document empty.
    void Serialize(CArchive& ar) override;
    // Another path forgets this document as the active log and matches it again; then the autosave's save.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    // Save As: the file dialog without a path (title cut at the first of " #%;/\" plus the extension).
    BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE) override;
    // Refuses to close while the log grid holds an unfinished row and the user says No; otherwise saves
    // now without asking.
    BOOL SaveModified() override;
    // Idle tray icon, the application forgets this document, a forced save, then the framework's close.
    void OnCloseDocument() override;
    // Objects a document file referred to that no list owns (kept alive for the pointers at them).
    CObArray m_ArchiveOrphans;

protected:
    // Reads the file's fields into fresh lists and takes them over only when the whole file was read.
    void LoadDocumentFile(CArchive& ar);
    void StoreDocumentFile(CArchive& ar);
    // Deletes the objects a document file left without a list.
    void DeleteArchiveOrphans();

public:
    // ================================================================ copying the log into the database
    // (CLogDocCopy.cpp) Asks about existing rows of the user and about deleting them, then runs the Writing
    // Database window.
    void WriteLogToDatabase();
    // False when the user does not go on; otherwise deleteFirst tells whether the task table is emptied.
    bool ChooseDeleteFirst(bool& deleteFirst);
    // The whole log (with projects, project types, categories and clients when the user says so), after
    // emptying the task table when deleteFirst; progress and "Finished" in the window.
    void CopyLogToDatabase(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress, bool deleteFirst);
    // Every log entry, nothing else.
    void CopyTasksToDatabase(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress);
    // Whether each of ten tables can be opened (tasks, projects, project types, categories, clients,
    // users, subsystems, project tasks, accounts, expense types); false when any cannot.
    bool PrepareAllTables();

protected:
    // Opens and closes the task table; false (with its message) when it cannot be opened.
    bool CanOpenTaskTable();
    // Writes every entry with progress and shows "Finished"; false on a database error.
    bool CopyEntries(CWnd* pDialog, CStatic* pStatus, CProgressCtrl* pProgress);

public:
    // ================================================================ locked timesheet periods
    // (CLogDocLocks.cpp) Reads the locked periods of the user (nullptr: the current one) unless they are
    // cached; force reads them again. Without a current user nothing is locked.
    void LoadLockedTimesheets(CUser* pUser, bool force);
    // Whether the moment lies in a locked period (start inclusive, end exclusive); warn tells the user.
    bool IsInLockedTimesheet(CTime moment, bool warn);
    bool m_bLockedCacheValid = false;
    CDWordArray m_LockedStarts;
    CDWordArray m_LockedEnds;

public:
    // ================================================================ choice lists and summary texts
    // (CLogDocChoices.cpp) Items separated by "\n", in list order. Active (or all while inactive ones are
    // shown), visible projects, of the client when one is given; firstOnly: the first such name alone.
    CString GetProjectChoiceList(const CClient* pClient, bool firstOnly) const;
    // Active, visible categories of no project or of the given one ("<None>" or none: every one).
    CString GetCategoryChoiceList(const CProject* pProject) const;
    // Company names of all clients; withAll puts "<All clients>" first.
    CString GetClientChoiceList(bool withAll) const;
    // Lines of full name, name and indented name (tabs between) of the active accounts of the type,
    // depth first; for a type other than bank, those below bank accounts come first.
    CString GetAccountChoiceList(int type) const;
    // Active, visible expense types.
    CString GetExpenseTypeChoiceList() const;
    // Active, visible trips: name, tab, date text.
    CString GetTripChoiceList() const;
    // The "This company" client, else the one named "My company", else the oldest; nullptr without any.
    CClient* GetMyCompanyClient() const;
    // Records that are not groups.
    int CountPersons() const;
    // Position in the user list; -1 when absent.
    int IndexOfUser(const CUser* pUser) const;
    // GUIDs up the parent chain from the group itself or the person's group; skipTop stops before the
    // record without parent.
    void GetGroupChainIds(const CUser* pUser, CStringArray& ids, bool skipTop) const;
    // The group's GUID and those of every group below it, depth first.
    void GetGroupTreeIds(const CUser* pGroup, CStringArray& ids) const;
    // The amounts of the expenses in the period that match the selection; flagMode 1 billed only,
    // 2 unbilled only.
    double GetExpenseTotal(CTime from, CTime to, const CProject* pProject, const CClient* pClient,
                           const CExpenseTrip* pTrip, int flagMode) const;
    CString FormatExpenseTotal(CTime from, CTime to, const CProject* pProject, const CClient* pClient,
                               const CExpenseTrip* pTrip, int flagMode) const;
    // Project, category and hours of the timed entry, or "Brindlemark is idle".
    void GetTimerStatusText(CString& text) const;
    // ================================================================ running entry (CLogDocRunning.cpp)
    // While a task is timed: the timing flag, the time timing began and the current entry (a copy of the
    // running log entry), mirrored under "Logging\" so that a restart and other processes see it.
    CTime GetLoggingStarted() const { return m_TimingStart; }
    void SetLoggingStarted(CTime time) { m_TimingStart = time; }
    // Sets the timing flag alone (the mirror is read back at open).
    void SetTimingFlag(bool timing) { m_bTiming = timing; }
    // Set while StartTiming runs / while the Pause dialog is open.
    bool IsStarting() const { return m_bStarting; }
    bool IsPaused() const { return m_bPaused; }
    // "Guid" under "Logging\": the GUID of the entry being timed, empty when none.
    static CString GetRunningGUID();
    static void SetRunningGUID(const char* guid);
    // At the open of a document that uses the database: the mirror is read back into the current entry
    // and the timing state; the tray icon shows timing when it was on.
    void RestoreRunningState();
    // Once per document, after the log finished loading: the timing flag, the current entry and "Guid"
    // are made to agree with the log's running entry; a change is mirrored, shown and saved.
    void SyncTimingState();
    // An entry received from the handheld changes what is timed: a different running entry stops the
    // timing here; the ended running entry ends the timing; a running one becomes the timed entry.
    void ApplySyncedRunningState(CLogEntry* pSynced);

protected:
    bool m_bStarting = false; // StartTiming runs
    bool m_bPaused = false;   // the Pause dialog is open
    // The timing flag and the tray icon follow.
    void SetTimingShown(bool timing);

public:
    // ================================================================ timer operations (CLogDocTiming.cpp)
    // What the Timer menu, the keys, the tray and the quick windows call. Results: the dialog's (IDOK =
    // 1), 0 when nothing was done, 2 when refused because the log grid holds an unfinished row. The entry
    // dialogs come from GetLogDocDialogs; "Old log dlg" under "Prefs\" chooses the older family.
    // Start at the current time / at start.
    int StartTimer();
    int StartTimerAt(CTime start);
    // Stop through the dialog; stop 0 lets the dialog decide. 0 when nothing runs (Log Task family).
    int StopTimer(CTime stop);
    // Stops at once without a dialog; always 0.
    int StopNow();
    // Stop through the dialog, then (after the switch notice) start a new task where the old one ended.
    int SwitchTask();
    int PauseTimer();
    int InterruptTimer();
    // Completed time for the selected project task (old family: the older dialog); 2 after the Log Task
    // dialog, 0 without a project-task view.
    int EnterCompletedTime();
    // The Log Task dialog in completed-time mode on an entry made from the task (a summary counts as
    // none); the sibling product is told the task either way.
    int EnterCompletedTimeForTask(CTask* pTask);

    // The primitives every road passes through. Nothing without a log grid.
    // Times the entry (a copy becomes the current entry with a new GUID); while idle also the new running
    // row, the mirror and the displays. Nothing inside a locked timesheet period.
    void StartTiming(CLogEntry* pEntry);
    void RestartTiming() { StartTiming(&m_CurrentEntry); }
    // Stops the timed task at stop (0 = now) and stores it; false when nothing is timed, else the result
    // of the forced save.
    bool StopTiming(CTime stop);
    // Ends the timing with pEntry's fields in the running row (which keeps its GUID; a new row when none
    // runs), stored in [Tasks] or kept pending before it returns; the mirror, recent tasks and displays
    // follow.
    void StoreStoppedEntry(CLogEntry* pEntry);
    // A new log row copied from the entry: written to [Tasks] (pending on failure), the grid reloaded,
    // saved; reselect keeps the grid's selection, select selects the new row.
    void AddNewEntry(CLogEntry* pEntry, bool select, bool reselect);
    // The log entry of the same GUID (or pEntry itself) takes its fields and is stored; the running entry
    // keeps running.
    void SaveEditedEntry(CLogEntry* pEntry);
    // The log grid holds an unfinished row (message 41551 shown).
    bool IsGridEditing();
    // Collects a key of the log grid: typing a project's name starts timing it, or stops it when it is
    // the one timed. tick: the key's time (milliseconds).
    void TypeAheadProject(char ch, DWORD tick);

protected:
    CString m_TypeAhead;        // the project name typed so far
    DWORD m_nTypeAheadTick = 0; // time of its last key
    // The Log Task dialog's start with an optional entry made from the selected project task; 0
    // without a project-task view.
    int RunLogTaskForSelection(ILogDocDialogs& dialogs, CTime start);
    // Sorted, filtered with the view filter and shaded again.
    void ReloadLogView(ILogView& view);

public:
    // ================================================================ idle poll (CLogDocIdle.cpp)
    // The background work of the document, in small steps each time the message queue runs empty: the
    // log loaded in portions, the first pass after loading (reconciliation of the timing state), one
    // retry of a pending entry every 2 s, the delayed view refresh, the change-counter poll every 15
    // minutes. Intervals are measured with tick differences taken unsigned, so the poll goes on after
    // the 32-bit counter wraps. Returns nonzero while the log is still to be loaded or its first pass
    // to be run, so the application keeps giving idle time until they are done even when no message
    // arrives; 0 otherwise (no more idle time wanted).
    int OnIdleCheck();
    int OnIdleCheck(DWORD tick);
    // "DocViewUpdate" arrived: the views are refreshed once, a second after the last such message.
    void ArmViewRefresh(DWORD tick);
    // The log still loads its portions (type-ahead timing waits for it).
    bool IsLogLoading() const { return m_bLogLoadPending || m_bLogLoading; }
    // The first pass after loading has run.
    bool IsFirstIdlePassDone() const { return m_bFirstPassDone; }

protected:
    bool m_bIdleStarted = false;
    DWORD m_nFirstIdleTick = 0;
    DWORD m_nRetryTick = 0;       // last 2-second step
    DWORD m_nCounterPollTick = 0; // last 15-minute step
    DWORD m_nViewRefreshTick = 0; // a delayed view refresh is armed (0: none)
    bool m_bLogLoadPending = true;
    bool m_bLogLoading = false;
    bool m_bFirstPassDone = false;
    // Loads the next portion of the log while a load is pending or running.
    void LoadLogPortion();
    // Nonzero while loading or the first pass is still to come.
    int WantsMoreIdleTime() const;
    // Once after loading: the time cache merged into the log, the QuickBooks queue read back.
    void MergeCaches();
    // Once after loading: the log grid sorted, filtered, re-read and shaded; visibility; the timing
    // state reconciled with the log.
    void RunFirstIdlePass();
    void RefreshViewsNow();
    void PollSharedChanges();

public:
    // ================================================================ project-task outline (CLogDocTree.cpp)
    // Clears the project tasks, loads them from [ProjectTasks] and builds the outline: pruned, sorted,
    // summaries inserted, rolled up, collapsed marks applied.
    void LoadProjectTasks();
    // Removes the tasks the user must not see, sorts the rest as the project-task view does and, while
    // summaries are shown, puts a summary task for each project and subsystem above its tasks.
    void BuildProjectTaskTree();
    // Removes (from the last to the first) tasks of inactive projects (unless shown), of projects the
    // user may not see, and of inactive subsystems (unless shown).
    void PruneProjectTasks();
    // Stable sort by the task view's first sort column (the name when it has none); nothing without a
    // task view. While summaries are shown, project names and subsystem orders come first.
    void SortProjectTasks();
    // One pass over the sorted list: a project summary where the project changes, a chain of subsystem
    // summaries where the subsystem changes, and every task's parent set to the summary above it.
    void InsertSummaryTasks();
    // The first summary, in list order, other than pExcluded, of that project and subsystem (nullptr
    // subsystem: one without subsystem); nullptr when there is none.
    CTask* FindSummaryTask(const CTask* pExcluded, CProject* pProject, CSubsystem* pSubsystem);
    // Appends the tasks whose parent is pParent, in list order; recursive: each followed at once by its
    // own descendants.
    void GetChildTasks(CTaskArray& out, const CTask* pParent, bool recursive) const;
    // Hangs a task new in the list under its project's and subsystem's summaries, making the missing
    // ones at the end of the list. Nothing for nullptr.
    void AttachToSummaries(CTask* pTask);
    // Rolls up the topmost summary above the task; nothing for a task without parent.
    void RollUpFromRoot(CTask* pTask);
    // Recomputes the summary's totals from its children (summaries below first); nullptr: every summary
    // without parent.
    void RollUpSummary(CTask* pSummary);
    // Each summary's collapsed mark from "Task View\Collapsed\", and the hidden marks of the tasks below
    // collapsed summaries.
    void ApplyCollapsedState();
    // A task made in the project-task editor: a copy stamped now is sent to the project server when the
    // project is integrated with it, then written to [ProjectTasks]; the list is not changed (the view's
    // next reload brings it). Nothing without a task view.
    void AddNewProjectTask(const CTask* pTask);
    void DeleteProjectTasks(const CStringArray& guids);
    // The GUIDs of the ordinary tasks below a summary (through summaries below it), each once (ignoring
    // case).
    void CollectSubtaskGUIDs(const CTask* pSummary, CStringArray& guids) const;
    // The task's row goes (and, for a project integrated with the project server, its server task first)
    // while the database is used; log entries made from it forget it and are written again; it leaves
    // the list and map and is deleted. Nothing when no task has the GUID.
    void DeleteProjectTask(const CString& guid);

    // ================================================================ object permissions
    // (CLogDocVisibility.cpp) The [OrganizationID] of each [OrgObjects] row of the object, in row order,
    // appended to guids; false when they could not be read (or the tables cannot be used).
    bool LoadObjectPermissions(const CString& objectGUID, CStringArray& guids);
    // Removes every [OrgObjects] row of the object; nothing for an empty GUID.
    bool DeleteObjectPermissions(const CString& objectGUID);

    // ================================================================ log text export and import
    // (CLogDocExport.cpp) Writes the header line and one row per entry of the log in list order (only those
    // include accepts, when given) to a temporary file that then replaces path. A file error is shown with
    // its own message, the old file stays, and the result is false.
    bool WriteLogText(const CString& path, const std::function<bool(CLogEntry&)>& include = {});
    // Reads a tab-separated log: a first line equal to the header and empty lines are skipped; each
    // other line becomes a new entry (projects and categories named in it are found by name or made).
    // The first line not formatted properly stops the import with a message naming it; the entries
    // imported before it stay. Entries of other users are named in a closing message. Returns how many
    // entries were imported.
    int ImportLogText(const CString& path);
    // The whole log to a file the user chooses ("Export log entries").
    void OnExportLog();

    // ================================================================ menus and the active view
    // (CLogDocMenu.cpp) A loaded document with the log-in behind it: the reference lists can be edited.
    bool IsDocumentOpen() const { return m_bLoadFinished && !m_bLoginInProgress; }
    // Update handler of the commands that stand for the menus the user's rights trim: enables the item
    // and, when it stands in a menu, removes from that menu the commands the current user may not use.
    void OnUpdateTrimMenu(CCmdUI* pCmdUI);
    // Removes the commands of the rights the user does not hold (and, without an open document, the
    // commands that need one), with the separators that would be left dangling.
    void TrimMenu(HMENU hMenu, bool documentOpen) const;
    // "Prefs\Active View" made one the user may see (the first view the rights allow replaces it), written
    // back and returned.
    int CheckActiveView() const;

    // ================================================================ default reference data
    // (CLogDocDefaults.cpp) Once per user ("Database\Categories created"): the twelve standard categories.
    void CreateDefaultCategories();
    // Once ("Database\Expense types created"), unless the database already has them: the standard
    // expense types, and the [Defaults] flag.
    void CreateDefaultExpenseTypes();
    void CreateDefaultProjectTypes();
    // "Implementation"; with no categories at all the defaults are made first; else the first category.
    CCategory* GetDefaultCategory();

    // ================================================================ filters by active view
    // (CLogDocFilters.cpp) "Prefs\Active View": 2 timesheet, 3 time log, 4 project tasks, 5 expenses, 6
    // invoices (0 none).
    static int GetActiveView();
    // The log's filter becomes a copy of pFilter (saved to "Filter\" with the database), the views are
    // told, and the document is saved. Nothing before the first load, while the time cache holds the log
    // back, or for nullptr.
    void ApplyViewFilter(const CViewFilter* pFilter);
    // Each changes the filter of the active view's data (the log, the project tasks, the expenses or the
    // invoices, and the timesheet for the user and clearing) and refreshes that view; views the
    // operation does not serve are left alone.
    void ClearActiveFilter();
    void FilterActiveViewByProject(CProject* pProject);
    void FilterTasksBySubsystem(CSubsystem* pSubsystem);
    void FilterInvoicesByClient(CClient* pClient);
    void FilterActiveViewByDate(int choice);
    void FilterActiveViewByUser(CUser* pUser);
    // 0 all, 1 uncompleted, 2 completed, 3 past due.
    void FilterTasksByStatus(int value);
    void FilterExpensesByTrip(CExpenseTrip* pTrip);
    // -1 no date and not past due, 0 past due, else the date choice.
    void FilterInvoicesByDate(int value);
    // 0 all, 1 project tasks, 2 issues.
    void FilterTasksByType(int value);
    bool IsActiveViewFiltered();
    // The active view's filter for the filter bar; empty when the view has none.
    void GetActiveFilterText(CString& text);
    // "Filtered": enabled while the active view is filtered and is not the timesheet.
    void OnUpdateFiltered(CCmdUI* pCmdUI);

    // ================================================================ replacements (CLogDocReplace.cpp)
    // Every reference to pOld (entries, quick picks, the current entry, the recent tasks, project tasks,
    // the log filter, and the rows of the tables) moves to pNew and what changed is written back; the
    // views reload. Nothing for a missing or equal pair.
    void ReplaceCategory(CCategory* pOld, CCategory* pNew);
    void ReplaceProject(CProject* pOld, CProject* pNew);
    void ReplaceProjectType(CProjectType* pOld, CProjectType* pNew);
    // pOld may be nullptr: entries and projects without a client take pNew.
    void ReplaceClient(CClient* pOld, CClient* pNew);
    // New amounts for the time entries of the objects given (each may be nullptr), and the logged figures
    // of the project tasks they belong to; true when both steps succeeded.
    bool RecalculateAmounts(CClient* pClient, CProject* pProject, CCategory* pCategory, CUser* pUser);

    // ================================================================ document commands
    // (CLogDocCommands.cpp) The reference lists edited through their dialogs (a user without right 2 or a
    // closed document: no change); what the dialog marked modified is written to the tables afterwards.
    void OnEditProjects();
    void OnEditProjectTypes();
    void OnEditCategories();
    void OnEditExpenseAccounts();
    void OnEditExpenseTypes();
    void OnEditClients();
    // Users and organization: with the database the users dialog, else the notice that it needs one.
    void OnEditUsers();
    // The subsystems of one project, under the same guard.
    void EditSubsystems(CProject* pProject);
    void OnCreateBill();
    // Import by the type of file the user picks: time logs, UTBMS codes, project tasks.
    void OnImport();

    // ================================================================ loads and links (CLogDocLoads.cpp)
    // Clear the list, then load it from its table: expenses, invoices; the quick tasks of the current
    // user (only while the database is usable).
    void LoadExpenses();
    void LoadInvoices();
    void LoadQuickTasks();
    // Each account's parent from its parent GUID; an unknown (or its own) parent becomes none and the
    // GUID is emptied.
    void LinkAccountParents();
    // Gives each project the subsystems whose project key names it.
    void AttachSubsystems();
    // Writes every subsystem marked modified and clears the mark of each one written.
    void SaveModifiedSubsystems();
    // The project tasks of the task view's selected ranges (a summary: the tasks below it), from the last
    // row up; a row without task stops everything before anything is deleted. Nothing without a task view.
    void DeleteSelectedProjectTasks(const CDWordArray& firstRows, const CDWordArray& lastRows);

    // ================================================================ database saves (CLogDocSaves.cpp)
    // Each writes the object to its table while "Use ODBC" is on and the tables can be written; nothing
    // for nullptr. Objects get their GUID first.
    // The entry's row in [Tasks]; an entry not written stays pending (m_Pending).
    bool SaveLogEntry(CLogEntry* pEntry);
    bool SaveExpense(CExpense* pExpense);
    bool SaveInvoice(CInvoice* pInvoice);
    bool SavePayment(CPayment* pPayment);
    bool SaveClient(CClient* pClient);
    bool SaveProject(CProject* pProject);
    bool SaveCategory(CCategory* pCategory);
    bool SaveAccount(CAccount* pAccount);
    void SaveExpenseType(CExpenseType* pType);
    // True at once for a task that is never stored (a summary made in memory).
    bool SaveProjectTask(CTask* pTask);
    // Writes every project marked modified and clears the mark of each one written.
    void SaveModifiedProjects();

protected:
    // Takes the task out of the list and its map and deletes it.
    void DropProjectTask(CTask* pTask);
    // The chain of subsystem summaries above T inserted at index; returns how many were made.
    int InsertSubsystemSummaries(INT_PTR index, CTask* pTask);
    // A summary task of this document (not stored) for the project and subsystem.
    CTask* NewSummaryTask(CProject* pProject, CSubsystem* pSubsystem, const CString& name);
    void CreateSummaryChain(CTask* pTask, CProject* pProject, CSubsystem* pSubsystem);
    void RollUpSummary(CTask* pSummary, int depth);
    void ApplyCollapsedBelow(CTask* pSummary, int depth);
    // One imported line as a new entry of the log (written to [Tasks] when the database is used).
    void AddImportedEntry(const CLogTextRow& row);
    // Whether a ", "-separated list of names holds the name.
    static bool ContainsUserName(const CString& list, const CString& name);

public:
    // ================================================================ toggling and deleting log entries
    // (CLogDocDelete.cpp)
    // A task chosen from a list of tasks: while timing the timed task is stopped now and stored; unless
    // pEntry is that same task, pEntry then starts now. Nothing for nullptr.
    void ToggleTiming(CLogEntry* pEntry);
    // StoreStoppedEntry, then OnStoppedEntryStored.
    void StoreStoppedEntryAndNotify(CLogEntry* pEntry);
    // Removes every log entry with that GUID (ignoring case), newest first: the timed entry ends the
    // timing, the [Tasks] row goes while "Use ODBC" is on, the entry is deleted. When any went,
    // "Sync\Num objects" := -1 and the document is saved; noteTime records the tick count of the deletion.
    // Whether anything was removed.
    bool DeleteLogEntryByGUID(const char* guid, bool noteTime);
    // The entries of the log grid's selected row ranges (rows without an entry skipped), each removed
    // once, from the last row to the first, taken off QuickBooks first; timing ends when the timed entry
    // is among them. Then saved and the timesheet reloads.
    void DeleteSelectedLogEntries(const CDWordArray& starts, const CDWordArray& ends);
    // Whether the entry of a selected row was read from the document file while the database failed.
    bool SelectionHasOpenPendingEntry(const CDWordArray& starts, const CDWordArray& ends);
    // Tick count of the last deletion that asked to be noted (0: none).
    DWORD GetLastDeletionTick() const { return m_nLastDeletionTick; }

protected:
    // Called after StoreStoppedEntryAndNotify stored the entry; nothing here.
    virtual void OnStoppedEntryStored(CLogEntry* /*pEntry*/) {}
    DWORD m_nLastDeletionTick = 0;
    // The entry shown in a log grid row (rows count from 1): the log view's, else the log in list order.
    CLogEntry* GetEntryAtLogRow(DWORD row);
    // The last row that can show an entry (rows further down are skipped).
    DWORD LastLogRow() const;
    // The GUIDs of the selected rows' entries, from the last row to the first, each once.
    void CollectSelectedGUIDs(const CDWordArray& starts, const CDWordArray& ends, CStringArray& guids);
    // Whether the entry is the one being timed: running, timing on, and "Logging\Guid" names it (or is
    // empty and it is the log's running entry).
    bool IsTimedEntry(const CLogEntry* pEntry) const;
    // The timing ends because its entry is being removed: idle, mirrored, modified.
    void EndTimingOfRemovedEntry();
    // Takes one entry out of the log (and the time-cache list), its row too while "Use ODBC" is on, and
    // deletes it.
    void RemoveLogEntryAt(INT_PTR index);

public:
    // ================================================================ project-task timing
    // (CLogDocProjectTiming.cpp) Project tasks timed directly: quick tasks, time worked added to a task,
    // rescheduling, and the task's logged totals kept up to date from the log. Summary tasks are never
    // timed.
    // While idle: times a new entry made from the task (current user) from start (0 = now).
    void StartQuickTaskAt(CTask* pTask, CTime start);
    // Stops what is timed; choosing the task being timed ends there. Otherwise the task starts where the
    // stopped entry ended (now when nothing was timed).
    void StartQuickTask(CTask* pTask);
    // The sibling product asked to time the task: stops like StartQuickTask, then the Log Task dialog
    // opens in start mode on an entry made from the task. The dialog's result (0 when none ran).
    int StartTaskFromSibling(CTask* pTask);
    // Inserts the first 30 quick tasks (project shown and active, unless inactive ones are shown) before
    // the placeholder item, as commands kFirstQuickTaskCommand + their index; the one being timed is
    // checked. The placeholder goes when an item was inserted. Returns how many were inserted.
    int FillQuickTaskMenu(HMENU hMenu);
    static constexpr UINT kFirstQuickTaskCommand = 100;
    static constexpr int kMaxQuickTaskItems = 30;
    static constexpr UINT kQuickTaskPlaceholder = 32794;
    // Item kFirstQuickTaskCommand + i: StartQuickTask on quick task i (nothing out of range).
    void OnQuickTaskCommand(UINT id);
    // The quick tasks read again for the current user; the quick task window is refilled.
    void RefreshQuickTasks();
    // "Add Time Worked to Project Task" (32858-32870: 15 minutes to 10 hours) to the selected task.
    void OnAddTimeWorked(UINT id);
    void OnUpdateAddTimeWorked(CCmdUI* pCmdUI);
    // Adds an entry of that many minutes ending now to the task, unless now lies in a locked timesheet
    // period; the sibling product is told either way.
    void AddTimeWorked(CTask* pTask, int minutes);
    // "Reschedule Task" (32907-32913: 1, 2, 3 weeks; 1, 2, 4, 6 months) for the selected task.
    void OnRescheduleTask(UINT id);
    void RescheduleTask(CTask* pTask, int weeks, int months);
    // A task date moved on by weeks or months (a month step lands on the same day of the month, or the
    // next day that has it); a date of 0 counts from now and ends at 08:00.
    static CTime MoveTaskDate(CTime date, int weeks, int months);
    // The task's logged work and costs summed from [Tasks]; when they (or the last-logged time) changed,
    // or force, they are stored and the task saved, its summaries rolled up, the task view redrawn
    // (redraw) and the task written back to its plan. Nothing without a task view. True when saved.
    bool UpdateTaskTotals(CTask* pTask, bool force, bool redraw);
    // UpdateTaskTotals for the task the entry was made from (nothing when it has none).
    void UpdateEntryTask(const CLogEntry* pEntry, bool force, bool redraw);
    // "Show Time Logged...": the log entries of the selected task (and the tasks below a summary) in the
    // task details; with none, message 11617.
    void ShowTimeLogged();
    void OnUpdateShowTimeLogged(CCmdUI* pCmdUI);
    // When UpdateTaskTotals last wrote a task back to its plan (0: not since the plans were closed).
    DWORD m_nPlanWriteTick = 0;

protected:
    // The project-task view's selected task when it may be timed (not a summary); else nullptr.
    static CTask* GetSelectedTimableTask();
    // The entries logged against the task (read from [Tasks] while it can be used, else from the log).
    void GatherTaskEntries(const CString& taskGUID, CObArray& entries);
    // Last end of the entries logged against each task (by GUID), as UpdateTaskTotals last stored it.
    std::map<std::string, __time64_t> m_TaskLastLogged;

public:
    // ================================================================ handheld synchronisation
    // (CLogDocSync.cpp) What the handheld companion exchanges with the document.
    // "Sync\Num objects": the running count of objects received (absent counts as -1) grows by n.
    void AddSyncObjectCount(int n);
    enum class SyncKind { quickPicks, projects, clients, categories, logEntries };
    // Whether an object of the kind was modified after since.
    bool HasChangedSince(SyncKind kind, CTime since) const;
    // A received project or category: the document's one of the same GUID (ignoring case), else of the
    // same name, takes its data but keeps its own identity (a project also its client, type and
    // subsystems, which are copied into the received object first); with none a copy is added (counted).
    // Either is written to its table and the document saved. Nothing for nullptr or the "<None>" project.
    void ReceiveSyncedProject(CProject* pProject);
    // A new category's GUID is given back to the received object.
    void ReceiveSyncedCategory(CCategory* pCategory);
    // Expenses written in an entry's description with the tags "[ex]" (an amount) or "[mi]" (odometer
    // readings), and "[py]", "[tr]", "[ck]", "[bk]", "[ac]" followed by a bracketed value: one expense of
    // the current user is made from the entry and stored (AddNewExpense). False when the description holds
    // neither "[ex]" nor "[mi]".
    bool ImportTaggedExpense(const CLogEntry* pEntry);
    // While an expense view exists: a copy of the expense, created and modified now, written to
    // [Expenses]; the expense list is left to the view's reload. True when the row was written.
    bool AddNewExpense(const CExpense* pExpense);
    // A received log entry: the timing state follows it first; while offline (database mode) it is marked
    // pending. The log entry of its GUID (ignoring case) takes it, keeping its own billing flags; with
    // none a copy is appended (counted, its tagged expenses made). Either is written to [Tasks] (pending
    // when not taken) and logged to QuickBooks; the document is saved and the delayed view refresh armed.
    void ReceiveSyncedEntry(CLogEntry* pEntry);
    // The log grid holds an unfinished row; nothing is shown.
    bool IsGridEditingQuiet();
    // The expenses (invoices) of the view's selected ranges, from the last row up: each row is deleted
    // from its table (with "Use ODBC") and the object from the list. A row without object stops at once
    // with 0 and no save; without the view 0. Otherwise the result of the forced save.
    bool DeleteSelectedExpenses(const CDWordArray& firstRows, const CDWordArray& lastRows);
    bool DeleteSelectedInvoices(const CDWordArray& firstRows, const CDWordArray& lastRows);

    DECLARE_MESSAGE_MAP()

public:
    // ================================================================ the open in progress
    // (CLogDocLoad.cpp) True while OnOpenDocument runs (its log-in dialogs pump messages): the commands
    // on the timed task wait until the log is open.
    bool IsOpening() const { return m_bOpening; }

protected:
    bool m_bOpening = false;

public:
    // ================================================================ timing from the selection
    // (CLogDocSelection.cpp) By "Active View": the project-task view's selected task (not a summary) or
    // the log view's one selected entry starts timing now, after what is timed was stopped; a task then
    // starts where the stopped entry ended, an entry as a copy with a new GUID. Other views: nothing.
    void StartTimerFromSelection();
    // In a menu: the item reads the format with the selected task's name (cut to 20 characters and
    // "..."), or with the fallback string when no task may be timed.
    void SetTaskMenuText(CCmdUI* pCmdUI, UINT formatId, UINT fallbackId);
    // Start: enabled while nothing is timed and the time cache does not hold the log back.
    void OnUpdateStartTimer(CCmdUI* pCmdUI);
    // Completed time: enabled while the time cache does not hold the log back.
    void OnUpdateEnterCompletedTime(CCmdUI* pCmdUI);
    // "Start a new task like the selected one": by the active view and its selection; in the log view
    // the item says whether it starts or switches.
    void OnUpdateStartLikeSelected(CCmdUI* pCmdUI);

    // ================================================================ view-dependent commands
    // (CLogDocViewCommands.cpp) Commands on the object selected in the active view ("Prefs\Active
    // View"); the dialogs of the other views come through IViewCommands and nothing happens without it.
    // By the active view: the timesheet's row, the log view's one selected entry, the project task, the
    // expense or the invoice in its dialog.
    void OnViewTask();
    // In a menu: the text says whether a project or a subsystem summary is edited; enabled in the
    // project-task view.
    void OnUpdateEditSummary(CCmdUI* pCmdUI);
    // With right 4: the Project Task dialog on a new task.
    void OnNewProjectTask();
    // With right 7: the expense dialog on a new expense (the update: enabled exactly with right 7).
    void OnNewExpense();
    void OnUpdateNewExpense(CCmdUI* pCmdUI);
    // The dialog of the expense view's (invoice view's) first selected expense (invoice); the updates
    // enable them while the view has a selection, and in a menu set their texts.
    void OnViewExpense();
    void OnUpdateViewExpense(CCmdUI* pCmdUI);
    void OnNewInvoice();
    void OnViewInvoice();
    void OnUpdateViewInvoice(CCmdUI* pCmdUI);
    void OnViewInvoiceDocument();
    // With right 8: the payment dialog of the selected invoice; the invoice view reloads after OK.
    void OnEnterPayment();
    void OnViewPayments();
    // Enabled while the invoice view has a selected invoice.
    void OnUpdateInvoiceSelected(CCmdUI* pCmdUI);
    // The trips dialog; the trips it changed are written (with the database), the views told, saved.
    void OnExpenseTrips();
    // The Log Task dialog on a log entry shown in a log grid row; its result (0 without dialogs).
    int EditLogEntry(CLogEntry* pEntry, DWORD row);
    // The Project Task dialog; its result (0 without the main window's commands).
    int EditProjectTask(CTask* pTask, bool newTask);

    // ================================================================ Find (CLogDocFind.cpp)
    // The one modeless Find dialog: made on first use and brought to the top; enabled in the log,
    // project-task, expense and invoice views.
    void OnFind();
    void OnUpdateFind(CCmdUI* pCmdUI);
    // The active view's own Find Next, forward, and its enabled state.
    void OnFindNext();
    void OnUpdateFindNext(CCmdUI* pCmdUI);
    // What the Find dialog asks, by the active view: the view's search text, a search on from its last
    // hit, the found object's text ("caption:\r\n" and its text in that column), opening it.
    CString GetLastFindText();
    bool FindItem(const CFindRequest& request, CString& guid, int& columnId);
    CString GetFoundItemText(const CString& guid, int columnId);
    void OpenFoundItem(const CString& guid);
    // The Find dialog's window is destroyed, the object deleted; the next Find makes a new one.
    void DestroyFindDialog();
    CFindDlg* GetFindDialog() const { return m_pFindDlg.get(); }

    // ================================================================ list maintenance, continued
    // (CLogDocMaintenance.cpp) The log view sorted, filtered, shaded, redrawn and scrolled to its last
    // row; the document is then unmodified (callers that changed data mark it again).
    void RefreshLogView();
    // The quick tasks by name, each with the task as item data.
    void FillQuickTaskCombo(CComboBoxEx& combo) const;
    // The Assign to User pop-up of the menu (the one whose first item is 12501) for the task view's
    // selected task: the users from 12501 on, the owner checked; a summary task loses the pop-up.
    // Whether the menu was changed.
    bool FillAssignToUserMenu(HMENU hMenu);
    // The user of that menu command owns the selected task, which is saved; the views follow.
    void OnAssignToUser(UINT id);
    // Once per user ("Prefs\Learning setup") and only while the defaults table has no learning objects:
    // the learning project, its subsystem, project type and client, and seven example project tasks,
    // stored and shown. Whether they were made.
    bool RunLearningSetup();
    // Once ("Prefs\Learning task"), on an empty log: the first example task is timed from now and the
    // first log load is no longer waited for. Whether it started.
    bool RunLearningTask();
    // "Open..." a report: whose data (user or group), then a report file from the "Reports" folder beside
    // the program (made when missing), then the report viewer; a cancel ends it.
    void OnOpenReport();

protected:
    struct FindDialogDeleter {
        void operator()(CFindDlg* pDialog) const;
    };
    struct FindServiceDeleter {
        void operator()(IFindService* pService) const;
    };
    std::unique_ptr<CFindDlg, FindDialogDeleter> m_pFindDlg;
    std::unique_ptr<IFindService, FindServiceDeleter> m_pFindService;
};

// ==================================================================== the open document
// The document of the log view the main frame keeps; nullptr when there is none.
CLogDoc* GetLogDoc();
// The project-task view's row that shows the task with that GUID; 0 without the view or such a row.
DWORD FindTaskRowInTaskView(const char* guid);
// Reload those views when they exist.
void RefreshTimesheetView();
void RefreshInvoiceView();
void RefreshTaskView();

// ==================================================================== error reporting
// Put an entry into the main frame's error list (nothing without a main window or while errors are
// suppressed): the message (a string id or a text), the code, and the exception's own message or a
// text. The recordsets call them from their exception handlers.
void AddErrorFromException(UINT messageId, long code, CException* e);
void AddErrorFromException(const char* message, long code, CException* e);
void AddErrorText(UINT messageId, long code, const char* text);
void AddErrorText(const char* message, long code, const char* text);
void SetErrorSuppression(bool suppress);
bool GetErrorSuppression();
int GetErrorCount();
void ClearErrors();
