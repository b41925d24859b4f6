// CTaskSet: the queries of the other parts and the bulk changes of references.
#include "data/CTaskSet.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/IExportEntryOptions.h"
#include "data/IProjectServerWork.h"
#include "data/ITimeActivityFile.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/TextRoutines.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"
#include "timelog/CLogEntry.h"

#include <cctype>
#include <unordered_map>

namespace {

const char* const kByStart = "[StartTime] ASC";

// The conditions of client, project and user that select entries for them: none for the "<None>"
// project or for a group.
TaskEntryQuery QueryFor(CClient* client, CProject* project, CUser* user) {
    TaskEntryQuery query;
    if (client)
        query.clientId = client->GetGUID();
    if (project && !project->IsNoneProject())
        query.projectId = project->GetGUID();
    if (user && !user->IsGroup())
        query.userId = user->GetGUID();
    return query;
}

bool SameDay(const CTime& a, const CTime& b) {
    struct tm first {
    }, second{};
    if (!a.GetLocalTm(&first) || !b.GetLocalTm(&second))
        return false;
    return first.tm_mday == second.tm_mday && first.tm_mon == second.tm_mon &&
           first.tm_year == second.tm_year;
}

std::string UpperKey(const CString& guid) {
    std::string key = guid.GetString();
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// A number column added into a sum: NULL adds nothing.
double Addend(const CRecordset& set, const double& value) {
    return set.IsFieldNull(const_cast<double*>(&value)) ? 0.0 : value;
}

} // namespace

void CTaskSet::AppendEntries(CObArray* out, CLogDoc* doc) {
    for (; !IsEOF(); MoveNext()) {
        auto entry = std::make_unique<CLogEntry>();
        LoadRow(*entry, doc);
        out->Add(entry.release());
    }
}

template <typename Change> bool CTaskSet::ChangeRows(CLogDoc* doc, const CString& filter, Change change) {
    if (!Query(filter))
        return false;
    CWaitCursor wait;
    return RunReported(doc ? static_cast<CObject*>(doc) : this, [&] {
        for (; !IsEOF(); MoveNext()) {
            Edit();
            change();
            CheckTextWidths(*this);
            Update();
        }
        Close();
        return true;
    });
}

bool CTaskSet::AnyRow(const CString& filter) {
    if (!Query(filter)) {
        // A check that cannot be made must not answer "no rows": a reference would be lost.
        if (offline)
            return false;
        AfxThrowDBException(AFX_SQL_ERROR_RECORDSET_NOT_OPEN, m_pDatabase, SQL_NULL_HSTMT);
    }
    const bool any = !IsEOF() && !IsBOF();
    Close();
    return any;
}

// ---------------------------------------------------------------- queries

bool CTaskSet::LoadEntries(CClient* client, CProject* project, CUser* user, const CTime& from,
                           const CTime& to, CObArray* out, CLogDoc* doc) {
    if (!out || !doc)
        return false;
    TaskEntryQuery query = QueryFor(client, project, user);
    query.from = from;
    query.to = to;
    if (!Query(TaskEntriesFilter(query), kByStart))
        return false;
    return RunReported(doc, [&] {
        AppendEntries(out, doc);
        Close();
        return true;
    });
}

bool CTaskSet::RecalculateEntries(CClient* client, CProject* project, CCategory* category, CUser* user,
                                  CStringArray* taskIds, CLogDoc* doc) {
    if (!doc)
        return false;
    TaskEntryQuery query = QueryFor(client, project, user);
    if (category)
        query.categoryId = category->GetGUID();
    // The log by GUID, so that each row finds its entry in memory at once.
    std::unordered_map<std::string, CLogEntry*> log;
    for (int i = doc->GetLogEntryCount() - 1; i >= 0; --i)
        log.emplace(UpperKey(doc->GetLogEntryAt(i)->m_GUID), doc->GetLogEntryAt(i));
    if (!Query(TaskEntriesFilter(query), kByStart))
        return false;
    CWaitCursor wait;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            CLogEntry entry;
            LoadRow(entry, doc);
            entry.UpdateAmounts();
            // Only the amounts change: the row keeps its user, project and the rest as stored.
            Edit();
            m_costSalary = entry.m_CostSalary;
            m_costClient = entry.m_CostClient;
            Update();
            if (const auto found = log.find(UpperKey(m_guid)); found != log.end()) {
                found->second->m_CostSalary = entry.m_CostSalary;
                found->second->m_CostClient = entry.m_CostClient;
            }
            if (taskIds && !m_projectTaskId.IsEmpty() && FindStringNoCase(*taskIds, m_projectTaskId) < 0)
                taskIds->Add(m_projectTaskId);
        }
        Close();
        return true;
    });
}

bool CTaskSet::SumProjectTaskEntries(const CString& taskId, CTimeSpan* duration, double* costClient,
                                     double* costSalary, CTime* firstStart, CTime* lastEnd) {
    long long seconds = 0;
    double client = 0.0, salary = 0.0;
    CTime first, last;
    const auto give = [&] {
        if (duration)
            *duration = CTimeSpan(seconds);
        if (costClient)
            *costClient = client;
        if (costSalary)
            *costSalary = salary;
        if (firstStart)
            *firstStart = first;
        if (lastEnd)
            *lastEnd = last;
    };
    give();
    if (!Query(SqlLikeText("ProjectTaskID", taskId)))
        return false;
    CWaitCursor wait;
    const bool summed = RunAndClose([&] {
        for (; !IsEOF(); MoveNext()) {
            seconds += LongOr(*this, m_duration, 0);
            client += Addend(*this, m_costClient);
            salary += Addend(*this, m_costSalary);
            // A row without a time has no first start or last end.
            if (m_startTime.GetTime() != 0 && (first.GetTime() == 0 || m_startTime < first))
                first = m_startTime;
            if (m_endTime > last)
                last = m_endTime;
        }
    });
    give();
    return summed;
}

bool CTaskSet::LoadProjectTaskEntries(const CString& taskId, CObArray* out, CLogDoc* doc) {
    if (!out)
        return false;
    if (!Query(SqlLikeText("ProjectTaskID", taskId), kByStart))
        return false;
    CWaitCursor wait;
    return RunAndClose([&] { AppendEntries(out, doc); });
}

bool CTaskSet::WriteDailyWork(IProjectServerWork* server, const CString& taskId, const CString& userId) {
    if (!server)
        return false;
    if (!server->OpenWorkForAssignment()) {
        server->Release();
        return false;
    }
    CString filter = SqlLikeText("ProjectTaskID", taskId);
    if (!userId.IsEmpty())
        filter = SqlAnd(filter, SqlLikeText("UserID", userId));
    if (!Query(filter, kByStart))
        return false;
    CWaitCursor wait;
    return RunAndClose([&] {
        CTime day;
        long total = 0;
        for (; !IsEOF(); MoveNext()) {
            if (m_startTime.GetTime() == 0 || m_endTime.GetTime() == 0)
                continue;
            if (day.GetTime() == 0 || !SameDay(m_startTime, day)) {
                if (total != 0)
                    server->WriteDayWork(day, total);
                total = 0;
                day = m_startTime;
            }
            // The time as worked, not the rounded duration.
            total += static_cast<long>((m_endTime - m_startTime).GetTotalSeconds());
        }
        if (total != 0)
            server->WriteDayWork(day, total);
    });
}

bool CTaskSet::ExportEntriesToIIF(CLogDoc* doc, ITimeActivityFile* file, IExportEntryOptions* options) {
    if (!doc || !file || !options)
        return false;
    if (!Query(options->GetFilter(), kByStart))
        return false;
    CWaitCursor wait;
    return RunAndClose([&] {
        for (; !IsEOF(); MoveNext()) {
            CLogEntry entry;
            LoadRow(entry, doc);
            const CUser* user = entry.m_pUser;
            if (!options->IncludesEntry(&entry) || !user || !user->m_QBInclude ||
                user->m_QBEmployee.IsEmpty())
                continue;
            file->AddTimeActivity(&entry, 0, user->m_QBEmployee);
            // Only what was written is billed.
            if (options->MarkAsBilled()) {
                Edit();
                m_billed = TRUE;
                Update();
            }
        }
    });
}

// ---------------------------------------------------------------- references

bool CTaskSet::HasClientEntries(CClient* client) {
    return client && AnyRow(SqlEquals("ClientID", client->GetGUID()));
}

bool CTaskSet::HasProjectEntries(CProject* project) {
    return project && AnyRow(SqlEquals("ProjectID", project->GetGUID()));
}

bool CTaskSet::HasSubsystemEntries(CSubsystem* subsystem) {
    return subsystem && AnyRow(SqlEquals("SubsystemID", subsystem->GetGUID()));
}

bool CTaskSet::HasUserEntries(CUser* user) {
    return user && AnyRow(SqlEquals("UserID", user->GetGUID()));
}

bool CTaskSet::ReassignClientEntries(CLogDoc* doc, CClient* from, CClient* to) {
    if (!doc || !from)
        return false;
    const CString id = to ? CString(to->GetGUID()) : CString();
    return ChangeRows(doc, SqlEquals("ClientID", from->GetGUID()), [&] { m_clientId = id; });
}

bool CTaskSet::ReassignProjectEntries(CLogDoc* doc, CProject* from, CProject* to) {
    if (!doc || !from || !to)
        return false;
    const CString id = to->GetGUID();
    return ChangeRows(doc, SqlEquals("ProjectID", from->GetGUID()), [&] {
        m_projectId = id;
        m_subsystemId.Empty();
    });
}

bool CTaskSet::ReassignSubsystemEntries(CLogDoc* doc, CSubsystem* from, CSubsystem* to) {
    if (!doc || !from || !to)
        return false;
    const CString id = to->GetGUID();
    return ChangeRows(doc, SqlEquals("SubsystemID", from->GetGUID()), [&] { m_subsystemId = id; });
}

bool CTaskSet::ReassignUserEntries(CLogDoc* doc, CUser* from, CUser* to) {
    if (!doc || !from || !to)
        return false;
    const CString id = to->GetGUID();
    const CString name = to->m_User;
    return ChangeRows(doc, SqlEquals("UserID", from->GetGUID()), [&] {
        m_userId = id;
        m_username = name;
    });
}

bool CTaskSet::RenameUserEntries(CUser* user, const CString& oldName, const CString& newName) {
    if (!user || oldName.IsEmpty() || newName.IsEmpty() || oldName.CompareNoCase(newName) == 0)
        return false;
    const CString groupId = user->m_pParent ? CString(user->m_pParent->GetGUID()) : CString();
    const CString userId = user->GetGUID();
    return ChangeRows(nullptr, SqlEquals("Username", oldName), [&] {
        m_username = newName;
        m_userId = userId;
        m_organizationId = groupId;
    });
}

void CTaskSet::CheckUserEntries(const CString& name, const CString& groupId, bool* any, bool* allMatch,
                                bool* someEmpty) {
    bool found = false, match = true, empty = false;
    if (Query(name.IsEmpty() ? CString() : SqlEquals("Username", name))) {
        RunAndClose([&] {
            for (; !IsEOF() && !(!match && empty); MoveNext()) {
                found = true;
                if (m_organizationId.CompareNoCase(groupId) == 0)
                    continue;
                if (m_organizationId.IsEmpty())
                    empty = true;
                else
                    match = false;
            }
        });
    }
    if (any)
        *any = found;
    if (allMatch)
        *allMatch = match;
    if (someEmpty)
        *someEmpty = empty;
}

bool CTaskSet::AssignGroupId(CLogDoc* doc, const CString& name) {
    // Without a name every user's rows would get this user's group.
    if (!doc || name.IsEmpty())
        return false;
    const CString groupId = doc->GetUserGroupGUID(name);
    return ChangeRows(doc, SqlEquals("Username", name), [&] { m_organizationId = groupId; });
}
