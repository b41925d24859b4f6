// The [Tasks] table: one row per time entry (CLogEntry) of every user sharing the database. Writes and
// deletes single entries, copies the whole log, loads the current user's log in batches during idle
// time, and answers the queries of the other parts (entries of a client, project, user or project task,
// sums, exports, and the bulk changes that keep the references consistent).
//
// The current user is the registry value "Database\Username", read at each call.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CObArray.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTime.h"
#include "framework/core/CTimeSpan.h"

#include <memory>
#include <string>
#include <unordered_set>

class CCategory;
class CClient;
class CLogDoc;
class CLogEntry;
class CProject;
class CSubsystem;
class CUser;
class CWnd;
class IExportEntryOptions;
class IProjectServerWork;
class ITimeActivityFile;

class CTaskSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CTaskSet)
public:
    explicit CTaskSet(CDatabase* pDatabase = nullptr);
    ~CTaskSet() override;

    // Entries loaded per LoadNextBatch.
    static constexpr int kBatchSize = 100;

    // ---- one entry ----
    // The field members from an entry (its GUID and user name made when missing; times of 0 become a
    // year ago; the user the document's current one when the entry has none).
    void StoreEntry(CLogEntry& entry, CLogDoc* doc = nullptr);
    // An entry from the current row: objects looked up in the document (an unknown project is the
    // "<None>" project), the duration computed from the times, amounts out of range 0.
    void LoadRow(CLogEntry& entry, CLogDoc* doc);
    // Writes the entry's row (edited, or added); durable when it returns true. The first write makes
    // sure the table has an index on [GUID] (where the engine can add one), so that finding an entry's
    // row does not read the whole table.
    bool SaveEntry(CLogDoc* doc, CLogEntry* entry);
    // Writes every entry of the log, with progress ("Writing tasks"); true only when all were written.
    bool SaveAllEntries(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    bool DeleteEntry(CLogDoc* doc, CLogEntry* entry);
    // Deletes every row of the current user, with progress ("Deleting user tasks"). Refused (false,
    // nothing deleted) without a current user name.
    bool DeleteUserEntries(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    // Whether the table holds a row of the current user (of anyone without a current user name).
    bool HasCurrentUserEntries();
    // Opens and closes the set on no rows: the table and every column the set reads are checked without
    // reading a row (on a large log a plain open costs as much as loading it). The filter and sort stay.
    bool CanReadTable();
    // Loads up to kBatchSize more of the current user's entries, newest first, in front of the log (so
    // the log stays in start order); more is false after the last. The batch reads through a set of its
    // own, so other uses of this set meanwhile do not disturb it, and an entry whose GUID the log already
    // holds is not loaded twice. restart starts again from the newest.
    bool LoadNextBatch(CLogDoc* doc, bool restart, bool* more);

    // ---- queries ----
    // The entries of the client, project (not the "<None>" one) and user (not a group), starting on
    // from's day or later and ending before to's day (0: no bound), in start order, appended to out (the
    // caller owns them).
    bool LoadEntries(CClient* client, CProject* project, CUser* user, const CTime& from, const CTime& to,
                     CObArray* out, CLogDoc* doc);
    // New amounts for the entries of the given objects: only the two cost columns of each row change
    // (and the amounts of the document's entry of that GUID); the project task ids met are added to
    // taskIds.
    bool RecalculateEntries(CClient* client, CProject* project, CCategory* category, CUser* user,
                            CStringArray* taskIds, CLogDoc* doc);
    // Totals of a project task's entries.
    bool SumProjectTaskEntries(const CString& taskId, CTimeSpan* duration, double* costClient,
                               double* costSalary, CTime* firstStart, CTime* lastEnd);
    bool LoadProjectTaskEntries(const CString& taskId, CObArray* out, CLogDoc* doc);
    // Writes the project task's logged time (of one user when userId is given) to the project server,
    // one total per local day in start order.
    bool WriteDailyWork(IProjectServerWork* server, const CString& taskId, const CString& userId);
    // Adds a time activity to file for every entry of the options' filter that they include and whose
    // user is exported to QuickBooks; with mark as billed, exactly the rows written become billed.
    bool ExportEntriesToIIF(CLogDoc* doc, ITimeActivityFile* file, IExportEntryOptions* options);

    // ---- references ----
    // Whether a row refers to the object. Database errors pass to the caller.
    bool HasClientEntries(CClient* client);
    bool HasProjectEntries(CProject* project);
    bool HasSubsystemEntries(CSubsystem* subsystem);
    bool HasUserEntries(CUser* user);
    // The rows of the old object refer to the new one (the client may be null; a new project also
    // clears the subsystem).
    bool ReassignClientEntries(CLogDoc* doc, CClient* from, CClient* to);
    bool ReassignProjectEntries(CLogDoc* doc, CProject* from, CProject* to);
    bool ReassignSubsystemEntries(CLogDoc* doc, CSubsystem* from, CSubsystem* to);
    bool ReassignUserEntries(CLogDoc* doc, CUser* from, CUser* to);
    // The rows of oldName become the user's, under newName, in the user's group. False unless both names
    // are given and differ other than in letter case.
    bool RenameUserEntries(CUser* user, const CString& oldName, const CString& newName);
    // Whether the user's rows exist, all carry groupId, and some carry no group.
    void CheckUserEntries(const CString& name, const CString& groupId, bool* any, bool* allMatch,
                          bool* someEmpty);
    // Every row of the user gets the user's group (as the document knows it).
    bool AssignGroupId(CLogDoc* doc, const CString& name);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    CString m_username;
    CTime m_startTime;
    CTime m_endTime;
    long m_duration = 0;
    CString m_clientId;
    CString m_projectId;
    CString m_categoryId;
    CString m_userId;
    CString m_subsystemId;
    CString m_projectTaskId;
    CString m_desc;
    BOOL m_billed = FALSE;
    BOOL m_billable = TRUE;
    CString m_organizationId;
    long m_projProjectId = -1;
    long m_projResourceId = -1;
    long m_projAssignmentId = -1;
    CString m_userText1;
    CString m_userText2;
    CString m_userText3;
    long m_msTaskId = -1;
    double m_costSalary = 0.0;
    double m_costClient = 0.0;

private:
    // Opens the set on the rows of filter, sorted by sort; false when it cannot be opened.
    BOOL Query(const CString& filter, const CString& sort = CString());
    // Appends a new entry for every row from the current one on.
    void AppendEntries(CObArray* out, CLogDoc* doc);
    // Edits every row of filter with change (which sets the members).
    template <typename Change> bool ChangeRows(CLogDoc* doc, const CString& filter, Change change);
    // Whether filter selects a row (database errors pass to the caller).
    bool AnyRow(const CString& filter);
    // Adds the index on [GUID] once (an engine without "IF NOT EXISTS", or a user without the right,
    // simply goes without).
    void EnsureGuidIndex();

    // The batched load's own set, and the GUIDs (upper case) it must not load again.
    std::unique_ptr<CTaskSet> m_batch;
    std::unordered_set<std::string> m_batchSeen;
    bool m_guidIndexChecked = false;
};
