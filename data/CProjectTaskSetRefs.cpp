// CProjectTaskSet: references to other objects, their replacement and the copies of tasks.
#include "data/CProjectTaskSet.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/ListText.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <vector>

namespace {

using RowValues = std::vector<CDBVariant>;

std::vector<CFieldExchange::Binding> Columns(CRecordset& set) {
    CFieldExchange fx(CFieldExchange::describeFields, &set);
    set.DoFieldExchange(&fx);
    std::vector<CFieldExchange::Binding> columns;
    for (const CFieldExchange::Binding& b : fx.m_bindings)
        if (b.fieldType == CFieldExchange::outputColumn)
            columns.push_back(b);
    return columns;
}

// The bound members as they stand (NULL columns as NULL).
RowValues Snapshot(CRecordset& set) {
    RowValues values;
    for (const CFieldExchange::Binding& b : Columns(set))
        values.push_back(CFieldExchange::StoreValue(b));
    return values;
}

void Restore(CRecordset& set, const RowValues& values) {
    const auto columns = Columns(set);
    for (size_t i = 0; i < columns.size() && i < values.size(); ++i)
        CFieldExchange::LoadValue(columns[i], values[i]);
}

// The group an organization list names for an assigned user or group: the group above it.
CString GroupOf(const CUser* node) {
    return node != nullptr && node->m_pParent != nullptr ? node->m_pParent->m_GUID : CString();
}

// Whether a user or group of the lists still belongs to group (a user by its group, a group by its
// parent), so that the organization list must keep it.
bool StillNeeded(CLogDoc* doc, const CString& userIds, const CString& groupIds, const CString& group) {
    if (doc == nullptr || group.IsEmpty())
        return true;
    CStringArray ids;
    SplitListItems(userIds, ids);
    SplitListItems(groupIds, ids);
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        const CUser* node = doc->FindUserByGUID(ids.GetAt(i));
        if (node != nullptr && node->m_pParent != nullptr && node->m_pParent->m_GUID == group)
            return true;
    }
    return false;
}

} // namespace

bool CProjectTaskSet::CopyRows(CLogDoc* doc, const CString& filter, const std::function<void()>& adjust) {
    if (!doc || !Query(filter))
        return false;
    CWaitCursor wait;
    return RunReported(doc, [&] {
        // Read first: the new rows must not be met again by the walk.
        std::vector<RowValues> rows;
        for (; !IsEOF(); MoveNext())
            rows.push_back(Snapshot(*this));
        const CTime now = CTime::GetCurrentTime();
        for (const RowValues& row : rows) {
            AddNew();
            Restore(*this, row);
            m_guid = NewGuidString();
            m_created = m_modified = now;
            adjust();
            CheckTextWidths(*this);
            Update();
        }
        Close();
        return true;
    });
}

bool CProjectTaskSet::IsSubsystemUsed(CSubsystem* subsystem) {
    return subsystem && AnyRow(SqlEquals("SubsystemID", subsystem->GetGUID()));
}

bool CProjectTaskSet::IsProjectUsed(CProject* project) {
    return project && AnyRow(SqlEquals("ProjectID", project->GetGUID()));
}

bool CProjectTaskSet::IsCategoryUsed(CCategory* category) {
    return category && AnyRow(SqlEquals("CategoryID", category->GetGUID()));
}

bool CProjectTaskSet::IsClientUsed(CClient* client) {
    return client && AnyRow(SqlEquals("ClientID", client->GetGUID()));
}

bool CProjectTaskSet::HasTasksForUser(CLogDoc* doc, CUser* user) {
    if (!doc || !user)
        return false;
    return AnyRow("(" + VisibilityFilter(doc, user) + ") OR " + SqlEquals("AssignedByID", user->GetGUID()));
}

bool CProjectTaskSet::ReplaceSubsystem(CSubsystem* oldSubsystem, CSubsystem* newSubsystem) {
    if (!oldSubsystem || !newSubsystem)
        return false;
    const CString to = newSubsystem->GetGUID();
    return ChangeRows(this, SqlEquals("SubsystemID", oldSubsystem->GetGUID()), [&] { m_subsystemId = to; });
}

bool CProjectTaskSet::ReplaceProject(CProject* oldProject, CProject* newProject) {
    if (!oldProject || !newProject)
        return false;
    const CString to = newProject->GetGUID();
    return ChangeRows(this, SqlEquals("ProjectID", oldProject->GetGUID()), [&] {
        m_projectId = to;
        m_subsystemId.Empty(); // the old project's subsystems do not exist in the new one
    });
}

bool CProjectTaskSet::ReplaceCategory(CCategory* oldCategory, CCategory* newCategory) {
    if (!oldCategory || !newCategory)
        return false;
    const CString to = newCategory->GetGUID();
    return ChangeRows(this, SqlEquals("CategoryID", oldCategory->GetGUID()), [&] { m_categoryId = to; });
}

bool CProjectTaskSet::ReplaceClient(CClient* oldClient, CClient* newClient) {
    if (!oldClient)
        return false;
    const CString to = newClient ? CString(newClient->GetGUID()) : CString();
    return ChangeRows(this, SqlEquals("ClientID", oldClient->GetGUID()), [&] { m_clientId = to; });
}

bool CProjectTaskSet::ReplaceUser(CLogDoc* doc, CUser* oldUser, CUser* newUser) {
    if (!doc || !oldUser || !newUser)
        return false;
    const CString from = oldUser->GetGUID();
    const CString to = newUser->GetGUID();
    const CString fromGroup = GroupOf(oldUser);
    const CString toGroup = GroupOf(newUser);
    const CString fromName = oldUser->GetDisplayName();
    const CString toName = newUser->GetDisplayName();
    const CString filter = "(" + VisibilityFilter(doc, oldUser) + ") OR " + SqlEquals("AssignedByID", from);
    return ChangeRows(this, filter, [&] {
        const bool assigned =
            m_ownerId == from || ListContains(m_userIds, from) || ListContains(m_groupIds, from);
        if (m_ownerId == from)
            m_ownerId = to;
        if (m_assignedById == from)
            m_assignedById = to;
        ReplaceInList(m_userIds, from, to);
        ReplaceInList(m_groupIds, from, to);
        ReplaceInList(m_usernames, fromName, toName);
        if (!assigned || fromGroup == toGroup)
            return;
        // The old node's group stays listed while another assigned user or group belongs to it.
        if (!toGroup.IsEmpty() && !ListContains(m_organizationIds, toGroup))
            m_organizationIds += (m_organizationIds.IsEmpty() ? "" : ",") + toGroup;
        if (!StillNeeded(doc, m_userIds, m_groupIds, fromGroup))
            ReplaceInList(m_organizationIds, fromGroup, CString());
    });
}

bool CProjectTaskSet::CopyTasks(CLogDoc* doc, const CString& oldProject, const CString& newProject,
                                const CString& oldSubsystem, const CString& newSubsystem) {
    const CString filter = SqlEquals("ProjectID", oldProject) + " AND " +
                           (oldSubsystem.IsEmpty() ? SqlEqualsOrEmpty("SubsystemID", "")
                                                   : SqlEquals("SubsystemID", oldSubsystem));
    return CopyRows(doc, filter, [&] {
        m_projectId = newProject;
        m_subsystemId = newSubsystem;
    });
}

bool CProjectTaskSet::CopyTasksForUser(CLogDoc* doc, const CString& sourceUser, const CString& newOwner) {
    CUser* source = doc ? doc->FindUserByGUID(sourceUser) : nullptr;
    if (!source)
        return false;
    return CopyRows(doc, VisibilityFilter(doc, source), [&] { m_ownerId = newOwner; });
}
