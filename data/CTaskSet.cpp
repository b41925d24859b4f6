#include "data/CTaskSet.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"
#include "timelog/CLogEntry.h"
#include "timelog/CLogHint.h"

#include <cctype>
#include <cmath>

IMPLEMENT_DYNAMIC(CTaskSet, CBaseRecordset)

namespace {

// An entry stored without a creation or modification time is dated a year (366 days) back.
constexpr __time64_t kMissingTimeAge = 31622400;
constexpr double kMaxCost = 100000.0;

CString CurrentUserName() {
    CString user;
    RegReadString(REG_DATABASE, "Username", user);
    return user;
}

std::string UpperKey(const CString& guid) {
    std::string key = guid.GetString();
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

template <typename T> CString GuidOf(T* object) {
    return object ? CString(object->GetGUID()) : CString();
}

} // namespace

CTaskSet::CTaskSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 26;
}

CTaskSet::~CTaskSet() = default;

CString CTaskSet::GetDefaultSQL() {
    return "[Tasks]";
}

void CTaskSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Username]", m_username, 255);
    RFX_Date(pFX, "[StartTime]", m_startTime);
    RFX_Date(pFX, "[EndTime]", m_endTime);
    RFX_Long(pFX, "[Duration]", m_duration);
    RFX_Text(pFX, "[ClientID]", m_clientId, 255);
    RFX_Text(pFX, "[ProjectID]", m_projectId, 255);
    RFX_Text(pFX, "[CategoryID]", m_categoryId, 255);
    RFX_Text(pFX, "[UserID]", m_userId, 255);
    RFX_Text(pFX, "[SubsystemID]", m_subsystemId, 255);
    RFX_Text(pFX, "[ProjectTaskID]", m_projectTaskId, 255);
    // A long-text column: read whole.
    RFX_Text(pFX, "[Desc]", m_desc, kLongTextLength);
    RFX_Bool(pFX, "[Billed]", m_billed);
    RFX_Bool(pFX, "[Billable]", m_billable);
    RFX_Text(pFX, "[OrganizationID]", m_organizationId, 255);
    RFX_Long(pFX, "[ProjProjectID]", m_projProjectId);
    RFX_Long(pFX, "[ProjResourceID]", m_projResourceId);
    RFX_Long(pFX, "[ProjAssignmentID]", m_projAssignmentId);
    RFX_Text(pFX, "[UserText1]", m_userText1, 255);
    RFX_Text(pFX, "[UserText2]", m_userText2, 255);
    RFX_Text(pFX, "[UserText3]", m_userText3, 255);
    RFX_Long(pFX, "[MSTaskID]", m_msTaskId);
    RFX_Double(pFX, "[CostSalary]", m_costSalary);
    RFX_Double(pFX, "[CostClient]", m_costClient);
}

void CTaskSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Tasks", e);
}

BOOL CTaskSet::Query(const CString& filter, const CString& sort) {
    // No fallback to the unfiltered table: a query that cannot run must not answer with every row.
    m_strFilter = filter;
    m_strSort = sort;
    if (IsOpen())
        Close();
    return Open();
}

// ---------------------------------------------------------------- one entry

void CTaskSet::StoreEntry(CLogEntry& entry, CLogDoc* doc) {
    const CTime yearAgo = CTime::GetCurrentTime() - CTimeSpan(kMissingTimeAge);
    m_created = TimeOr(entry.m_Created, yearAgo);
    m_modified = TimeOr(entry.m_Modified, yearAgo);
    m_guid = entry.GetGUID();
    m_username = entry.GetUserName();
    m_startTime = entry.m_StartTime;
    m_endTime = entry.m_EndTime;
    m_duration = static_cast<long>(entry.m_Duration.GetTotalSeconds());
    m_desc = entry.m_Desc;
    m_billed = entry.m_Billed ? TRUE : FALSE;
    m_billable = entry.m_Billable ? TRUE : FALSE;
    m_organizationId = entry.GetGroupGUID();
    m_projProjectId = entry.m_ProjProjectID;
    m_projResourceId = entry.m_ProjResourceID;
    m_projAssignmentId = entry.m_ProjAssignmentID;
    m_msTaskId = entry.m_MSTaskID;
    m_userText1 = entry.m_UserText1;
    m_userText2 = entry.m_UserText2;
    m_userText3 = entry.m_UserText3;
    m_projectTaskId = entry.m_ProjectTaskID;
    m_userId = GuidOf(entry.m_pUser);
    m_costSalary = entry.m_CostSalary;
    m_costClient = entry.m_CostClient;
    m_clientId = GuidOf(entry.m_pClient);
    m_projectId = GuidOf(entry.m_pProject);
    m_subsystemId = GuidOf(entry.m_pSubsystem);
    m_categoryId = GuidOf(entry.m_pCategory);
    if (m_userId.IsEmpty() && doc)
        m_userId = GuidOf(doc->GetCurrentUser());
}

void CTaskSet::LoadRow(CLogEntry& entry, CLogDoc* doc) {
    entry.m_Created = TimeOr(m_created, m_startTime);
    entry.m_Modified = TimeOr(m_modified, m_endTime);
    entry.m_GUID = m_guid;
    entry.m_OrganizationID = m_organizationId;
    entry.SetUserName(m_username);
    entry.m_Desc = m_desc;
    entry.m_Billed = m_billed == TRUE ? 1 : 0;
    entry.m_Billable = m_billable == FALSE ? 0 : 1;
    entry.m_ProjProjectID = LongOr(*this, m_projProjectId, -1);
    entry.m_ProjResourceID = LongOr(*this, m_projResourceId, -1);
    entry.m_ProjAssignmentID = LongOr(*this, m_projAssignmentId, -1);
    entry.m_MSTaskID = LongOr(*this, m_msTaskId, -1);
    entry.m_UserText1 = m_userText1;
    entry.m_UserText2 = m_userText2;
    entry.m_UserText3 = m_userText3;
    entry.m_ProjectTaskID = m_projectTaskId;
    if (doc) {
        entry.m_pClient = doc->FindClientByGUID(m_clientId);
        entry.m_pProject = doc->FindProjectByGUID(m_projectId, true);
        entry.m_pSubsystem = doc->FindSubsystemByGUID(m_subsystemId);
        entry.m_pCategory = doc->FindCategoryByGUID(m_categoryId);
        entry.m_pUser = doc->FindUserByGUID(m_userId);
    }
    // The stored duration is not read: the times decide it.
    entry.SetStartTime(m_startTime);
    entry.SetStopTime(m_endTime);
    // The stored amounts stand (the setters above computed them from today's rates).
    entry.m_CostSalary = BoundedOr(m_costSalary, 0.0, kMaxCost, 0.0);
    entry.m_CostClient = BoundedOr(m_costClient, 0.0, kMaxCost, 0.0);
}

void CTaskSet::EnsureGuidIndex() {
    if (m_guidIndexChecked || !m_pDatabase || !m_pDatabase->IsOpen())
        return;
    m_guidIndexChecked = true;
    try {
        m_pDatabase->ExecuteSQL("CREATE INDEX IF NOT EXISTS [TasksGUID] ON [Tasks] ([GUID])");
    } catch (CDBException* e) {
        e->Delete();
    }
}

bool CTaskSet::SaveEntry(CLogDoc* doc, CLogEntry* entry) {
    if (!doc || !entry)
        return false;
    const CString guid = entry->GetGUID();
    EnsureGuidIndex();
    if (!OpenOnGUID(*this, guid))
        return false;
    return RunReported(doc, [&] {
        WriteRowOfGUID(*this, guid, [&] { StoreEntry(*entry, doc); });
        return true;
    });
}

bool CTaskSet::SaveAllEntries(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    const CWriteProgress progress(dialog, textId, progressId);
    if (!doc || !progress.Usable())
        return false;
    progress.SetText("Writing tasks");
    CWaitCursor wait;
    const int count = doc->GetLogEntryCount();
    progress.Start(count);
    bool all = true;
    for (int i = 0; i < count; ++i) {
        if (!SaveEntry(doc, doc->GetLogEntryAt(i)))
            all = false;
        progress.Step(i + 1);
    }
    return all;
}

bool CTaskSet::DeleteEntry(CLogDoc* doc, CLogEntry* entry) {
    if (!doc || !entry)
        return false;
    return DeleteByGUID(doc, entry->GetGUID());
}

bool CTaskSet::DeleteUserEntries(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    const CWriteProgress progress(dialog, textId, progressId);
    if (!doc || !progress.Usable())
        return false;
    // Without a user name there is no filter, and every user's rows would go.
    const CString user = CurrentUserName();
    if (user.IsEmpty())
        return false;
    if (!Query(SqlEquals("Username", user)))
        return false;
    CWaitCursor wait;
    progress.SetText("Deleting user tasks");
    try {
        progress.Start(GetRecordCount());
        int deleted = 0;
        for (; !IsEOF(); MoveNext()) {
            Delete();
            progress.Step(++deleted);
        }
        Close();
        return true;
    } catch (CDBException* e) {
        ReportDatabaseError("Deleting user tasks", e);
        e->Delete();
        Close();
        return false;
    }
}

bool CTaskSet::HasCurrentUserEntries() {
    const CString user = CurrentUserName();
    if (!Query(user.IsEmpty() ? CString() : SqlEquals("Username", user)))
        return false;
    const bool any = !IsEOF() && !IsBOF();
    Close();
    return any;
}

bool CTaskSet::CanReadTable() {
    const CString filter = m_strFilter;
    const CString sort = m_strSort;
    const BOOL opened = Query("1 = 0");
    if (opened)
        Close();
    m_strFilter = filter;
    m_strSort = sort;
    return opened != FALSE;
}

bool CTaskSet::LoadNextBatch(CLogDoc* doc, bool restart, bool* more) {
    if (!doc)
        return false;
    if (more)
        *more = true;
    if (!m_batch)
        m_batch = std::make_unique<CTaskSet>(m_pDatabase);
    CTaskSet& batch = *m_batch;
    if (batch.IsOpen() && restart)
        batch.Close();
    if (!batch.IsOpen()) {
        const CString user = CurrentUserName();
        if (!batch.Query(user.IsEmpty() ? CString() : SqlEquals("Username", user), "[StartTime] DESC"))
            return false;
        // What the log holds already is not loaded again (a restart, entries written meanwhile).
        m_batchSeen.clear();
        for (int i = 0; i < doc->GetLogEntryCount(); ++i)
            m_batchSeen.insert(UpperKey(doc->GetLogEntryAt(i)->m_GUID));
    }
    CLogEntryArray block; // oldest first: the rows come newest first
    const bool loaded = RunReported(doc, [&] {
        for (int n = 0; n < kBatchSize && !batch.IsEOF(); ++n, batch.MoveNext()) {
            if (!m_batchSeen.insert(UpperKey(batch.m_guid)).second)
                continue;
            auto entry = std::make_unique<CLogEntry>();
            batch.LoadRow(*entry, doc);
            block.InsertAt(0, entry.release());
        }
        return true;
    });
    if (!loaded) {
        for (INT_PTR i = 0; i < block.GetSize(); ++i)
            delete block.GetAt(i);
        batch.Close();
        if (more)
            *more = false;
        return false;
    }
    doc->m_LogEntries.InsertAt(0, &block);
    if (batch.IsEOF()) {
        batch.Close();
        if (more)
            *more = false;
    }
    // The log view reloads its rows.
    CLogHint hint;
    doc->UpdateAllViews(nullptr, 0, &hint);
    return true;
}
