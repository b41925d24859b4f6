// CProjectTaskSet: the view's filter values, their description and the WHERE text built from them.
#include "data/CProjectTaskSet.h"

#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/SqlListFilter.h"
#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

#include <set>
#include <vector>

namespace {

constexpr char kKey[] = REG_FILTER_PROJECT_TASKS;
constexpr int kPastDue = 3;
constexpr int kMaxDepth = 1000;
constexpr long kSecondsPerDay = 86400;

struct FilterValues {
    CString project;
    CString subsystem;
    CString user;
    int completed = 0;
    bool pastDue = false;
    long date = 0;
    int taskType = 0;
};

FilterValues ReadValues() {
    FilterValues v;
    RegReadString(kKey, "Project", v.project);
    RegReadString(kKey, "Subsystem", v.subsystem);
    RegReadString(kKey, "User", v.user);
    RegReadInt(kKey, "Completed", &v.completed);
    RegReadBool(kKey, "Past Due", &v.pastDue);
    RegReadLong(kKey, "Date", &v.date);
    RegReadInt(kKey, "Task type", &v.taskType);
    return v;
}

CString Text(UINT id) {
    return CString(MAKEINTRESOURCE(id));
}

CString Parenthesized(const CString& condition) {
    return "(" + condition + ")";
}

CString Uncompleted() {
    return "([Completed] = 0 OR [Completed] IS NULL)";
}

// "(column IS NOT NULL) AND (column < day's start) AND (column > the epoch)": a set date before day.
CString DateBefore(const char* column, const CTime& day) {
    return CString("([") + column + "] IS NOT NULL) AND " + SqlBefore(column, StartOfDay(day)) + " AND " +
           SqlAfter(column, FilterEpoch());
}

// The days ahead that a "Date" kind looks for due tasks.
long DaysAhead(long kind) {
    switch (kind) {
    case CProjectTaskSet::dueWithin7:
        return 7;
    case CProjectTaskSet::dueWithin14:
        return 14;
    case CProjectTaskSet::dueWithin30:
        return 30;
    case CProjectTaskSet::dueWithin60:
        return 60;
    case CProjectTaskSet::dueWithin90:
        return 90;
    case CProjectTaskSet::allFuture:
        return 800;
    default:
        return 0;
    }
}

UINT DateKindText(long kind) {
    switch (kind) {
    case CProjectTaskSet::dueWithin7:
        return IDS_DUE_WITHIN_7_DAYS;
    case CProjectTaskSet::dueWithin14:
        return IDS_DUE_WITHIN_14_DAYS;
    case CProjectTaskSet::dueWithin30:
        return IDS_DUE_WITHIN_30_DAYS;
    case CProjectTaskSet::dueWithin60:
        return IDS_DUE_WITHIN_60_DAYS;
    case CProjectTaskSet::dueWithin90:
        return IDS_DUE_WITHIN_90_DAYS;
    case CProjectTaskSet::allFuture:
        return IDS_ALL_FUTURE_TASKS;
    case CProjectTaskSet::startingBeforeToday:
        return IDS_TASKS_BEFORE_TODAY;
    default:
        return 0;
    }
}

// node and the groups below it, depth first in the document's user order.
void CollectGroups(const CUserArray& users, CUser* node, std::vector<CUser*>& groups,
                   std::set<CUser*>& seen) {
    if (!seen.insert(node).second)
        return;
    groups.push_back(node);
    for (INT_PTR i = 0; i < users.GetSize(); ++i) {
        CUser* child = users.GetAt(i);
        if (child != nullptr && child->IsGroup() && child->m_pParent == node)
            CollectGroups(users, child, groups, seen);
    }
}

// The subsystem and its descendants, depth first in the document's subsystem order.
void CollectSubsystems(const CSubsystemArray& all, CSubsystem* node, std::vector<CSubsystem*>& found,
                       std::set<CSubsystem*>& seen) {
    if (!seen.insert(node).second)
        return;
    found.push_back(node);
    for (INT_PTR i = 0; i < all.GetSize(); ++i) {
        CSubsystem* child = all.GetAt(i);
        if (child != nullptr && child->m_pParent == node)
            CollectSubsystems(all, child, found, seen);
    }
}

// term(item) for each item, joined by " OR " in brackets; a condition that is false for none.
template <typename Items, typename Term> CString AnyOf(const Items& items, Term term) {
    CString any;
    for (const auto& item : items) {
        const CString one = term(item);
        if (!one.IsEmpty())
            any += (any.IsEmpty() ? "" : " OR ") + one;
    }
    return any.IsEmpty() ? CString(SqlFalse()) : Parenthesized(any);
}

} // namespace

void CProjectTaskSet::SetProjectFilter(CProject* project) {
    RegWriteString(kKey, "Project", project ? CString(project->GetGUID()) : CString());
}

void CProjectTaskSet::SetSubsystemFilter(CSubsystem* subsystem) {
    RegWriteString(kKey, "Subsystem", subsystem ? CString(subsystem->GetGUID()) : CString());
}

void CProjectTaskSet::SetUserFilter(CUser* user) {
    RegWriteString(kKey, "User", user && user->m_pParent ? CString(user->GetGUID()) : CString());
}

void CProjectTaskSet::SetCompletedFilter(int n) {
    if (n == kPastDue) {
        RegWriteBool(kKey, "Past Due", true);
        RegWriteInt(kKey, "Completed", 0);
    } else {
        RegWriteInt(kKey, "Completed", n);
        RegWriteBool(kKey, "Past Due", false);
    }
}

void CProjectTaskSet::SetOverdueFilter(bool overdue) {
    RegWriteBool(kKey, "Past Due", overdue);
    if (overdue)
        RegWriteInt(kKey, "Completed", 0);
}

void CProjectTaskSet::SetDateFilter(long kind) {
    RegWriteLong(kKey, "Date", kind);
}

void CProjectTaskSet::SetTaskTypeFilter(int n) {
    RegWriteInt(kKey, "Task type", n);
}

void CProjectTaskSet::ClearFilters() {
    RegWriteString(kKey, "Project", "");
    RegWriteString(kKey, "Subsystem", "");
    RegWriteString(kKey, "User", "");
    RegWriteInt(kKey, "Completed", 0);
    RegWriteBool(kKey, "Past Due", false);
    RegWriteLong(kKey, "Date", 0);
    RegWriteInt(kKey, "Task type", 0);
}

bool CProjectTaskSet::IsFilterActive() {
    const FilterValues v = ReadValues();
    return !v.project.IsEmpty() || !v.subsystem.IsEmpty() || !v.user.IsEmpty() || v.completed >= 1 ||
           v.pastDue || v.date > 0 || v.taskType >= 1;
}

CString CProjectTaskSet::GetFilterDescription(CLogDoc* doc) {
    if (!IsFilterActive())
        return CString();
    const FilterValues v = ReadValues();
    CStringArray parts;
    if (doc) {
        if (CProject* project = v.project.IsEmpty() ? nullptr : doc->FindProjectByGUID(v.project, false))
            parts.Add(project->m_Name);
        if (CSubsystem* subsystem = v.subsystem.IsEmpty() ? nullptr : doc->FindSubsystemByGUID(v.subsystem))
            parts.Add(subsystem->m_Name);
        if (CUser* user = v.user.IsEmpty() ? nullptr : doc->FindUserByGUID(v.user))
            parts.Add(user->GetDisplayName());
    }
    if (v.completed > 0)
        parts.Add(Text(v.completed == 1 ? IDS_UNCOMPLETED_TASKS : IDS_COMPLETED_TASKS));
    if (v.pastDue)
        parts.Add(Text(IDS_PAST_DUE_TASKS));
    if (const UINT dateText = DateKindText(v.date))
        parts.Add(Text(dateText));
    if (v.taskType == 1 || v.taskType == 2)
        parts.Add(Text(v.taskType == 1 ? IDS_PROJECT_TASKS : IDS_ISSUES));
    CString description;
    for (INT_PTR i = 0; i < parts.GetSize(); ++i)
        description += (i > 0 ? ", " : "") + parts.GetAt(i);
    return description;
}

CString CProjectTaskSet::VisibilityFilter(CLogDoc* doc, CUser* node) {
    if (!doc || !node)
        return CString();
    // A task with neither owner nor groups is everybody's.
    CString body =
        Parenthesized(SqlEqualsOrEmpty("OwnerID", "") + " AND " + SqlEqualsOrEmpty("GroupIDs", ""));
    auto add = [&](const CString& term) {
        if (!term.IsEmpty())
            body += " OR " + term;
    };
    std::set<CUser*> seen;
    if (!node->IsGroup()) {
        const CString guid = node->GetGUID();
        if (!guid.IsEmpty()) {
            add(SqlEquals("OwnerID", guid));
            add(SqlListContains("UserIDs", guid));
        }
        // The user's own group and every group above it.
        for (CUser* group = node->m_pParent; group && seen.insert(group).second && seen.size() < kMaxDepth;
             group = group->m_pParent)
            add(SqlListContains("GroupIDs", group->GetGUID()));
    } else {
        std::vector<CUser*> groups;
        CollectGroups(doc->m_Users, node, groups, seen);
        for (CUser* group : groups) {
            // The tasks of the group's members, and the tasks assigned to the group itself.
            add(SqlListContains("OrganizationIDs", group->GetGUID()));
            add(SqlListContains("GroupIDs", group->GetGUID()));
        }
    }
    return Parenthesized(body);
}

void CProjectTaskSet::BuildFilter(CLogDoc* doc) {
    m_strFilter.Empty();
    if (!doc)
        return;
    const FilterValues v = ReadValues();
    CString filter;
    auto append = [&](const CString& condition) { filter = SqlAnd(filter, Parenthesized(condition)); };

    CUser* chosen = v.user.IsEmpty() ? nullptr : doc->FindUserByGUID(v.user);
    CUser* current = doc->GetCurrentUser();
    CUser* viewer = current && !current->m_Admin ? current : chosen;
    if (viewer) {
        filter = VisibilityFilter(doc, viewer);
        if (chosen) {
            bool allVisible = true;
            CProjectArray projects;
            doc->GetVisibleProjects(chosen, allVisible, projects);
            // A user who may see no project sees no task.
            if (!allVisible)
                append(
                    AnyOf(std::vector<CProject*>(projects.GetData(), projects.GetData() + projects.GetSize()),
                          [](CProject* project) { return SqlEquals("ProjectID", project->GetGUID()); }));
        }
    }
    if (!v.project.IsEmpty())
        append(SqlEquals("ProjectID", v.project));
    if (!v.subsystem.IsEmpty()) {
        CSubsystem* subsystem = doc->FindSubsystemByGUID(v.subsystem);
        if (subsystem && subsystem->m_pProject) {
            std::vector<CSubsystem*> found;
            std::set<CSubsystem*> seen;
            CollectSubsystems(doc->m_Subsystems, subsystem, found, seen);
            append(AnyOf(found, [](CSubsystem* s) { return SqlEquals("SubsystemID", s->GetGUID()); }));
        }
    }
    if (v.completed > 0)
        append(v.completed == 1 ? Uncompleted() : CString("[Completed] = 1"));
    const CTime now = CTime::GetCurrentTime();
    if (v.pastDue)
        append(Uncompleted() + " AND " + DateBefore("DueDate", now) + " AND ([PercentComplete] < 100)");
    if (v.date == startingBeforeToday)
        append(Uncompleted() + " AND " + DateBefore("StartDate", now));
    else if (v.date != dateNone)
        append(Uncompleted() + " AND " +
               DateBefore("DueDate", now + CTimeSpan(DaysAhead(v.date) * kSecondsPerDay)));
    // A task type that was never written counts as a project task.
    if (v.taskType == 1)
        append("([TaskType] <> 2 AND [TaskType] <> 0) OR [TaskType] IS NULL");
    else if (v.taskType == 2)
        append("[TaskType] = 2");
    m_strFilter = filter;
}
