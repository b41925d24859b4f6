// CProjectTaskSet: quick tasks, the resource chart, changed tasks and the logged time of tasks.
#include "data/CProjectTaskSet.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CTaskSet.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"
#include "projecttasks/CTask.h"
#include "timelog/CLogDoc.h"

#include <memory>
#include <vector>

namespace {

CString Parenthesized(const CString& condition) {
    return "(" + condition + ")";
}

} // namespace

bool CProjectTaskSet::LoadQuickTasks(CLogDoc* doc, CObArray& out, CUser* user, CProject* project,
                                     bool uncompletedOnly) {
    if (!doc || !doc->GetCurrentUser())
        return false;
    CUser* viewer = user ? user : doc->GetCurrentUser();
    CString filter = "([QuickTask] >= 1) AND (" + VisibilityFilter(doc, viewer) + ")";
    if (project)
        filter += " AND " + Parenthesized(SqlEquals("ProjectID", project->GetGUID()));
    if (uncompletedOnly)
        filter += " AND ([Completed] = 0 OR [Completed] IS NULL)";
    return LoadInto(doc, filter, "[Name]", out);
}

bool CProjectTaskSet::LoadResourceTasks(CLogDoc* doc, CUser* user, CProject* project, const CTime& endDate,
                                        CObArray& out) {
    if (!doc || !user)
        return false;
    CString filter = "([Completed] = 0 OR [Completed] IS NULL) AND (" + VisibilityFilter(doc, user) + ")";
    if (project)
        filter += " AND " + Parenthesized(SqlEquals("ProjectID", project->GetGUID()));
    if (endDate.GetTime() != 0)
        filter += " AND (" + SqlBefore("StartDate", StartOfDay(endDate)) + " OR [StartDate] IS NULL)";
    return LoadInto(doc, filter, "[StartDate]", out);
}

bool CProjectTaskSet::LoadChangedTasks(CLogDoc* doc, CProject* project, const CTime& since, CObArray& out) {
    if (!doc || !project)
        return false;
    CString filter = Parenthesized(SqlEquals("ProjectID", project->GetGUID()));
    // Times are stored in whole seconds; SQLite compares its stored ".000" as later than the literal.
    if (since.GetTime() != 0)
        filter += " AND " + SqlAtOrAfter("Modified", since + CTimeSpan(1));
    return LoadInto(doc, filter, "[StartDate]", out);
}

bool CProjectTaskSet::UpdateTasksFromLog(CLogDoc* doc, CClient* client, CProject* project,
                                         CCategory* category, CUser* user, CTask* task, CTime* firstStart,
                                         CTime* lastEnd, CStringArray& updated) {
    if (!doc)
        return false;
    CString filter;
    if (client)
        filter = SqlAnd(filter, SqlEquals("ClientID", client->GetGUID()));
    if (project && !project->IsNoneProject())
        filter = SqlAnd(filter, SqlEquals("ProjectID", project->GetGUID()));
    if (category)
        filter = SqlAnd(filter, SqlEquals("CategoryID", category->GetGUID()));
    if (user && !user->IsGroup())
        filter = SqlAnd(filter, "(" + SqlEquals("OwnerID", user->GetGUID()) + " OR " +
                                    SqlEqualsOrEmpty("OwnerID", "") + ")");
    if (task)
        filter = SqlAnd(filter, SqlEquals("GUID", task->m_GUID));
    if (!Query(filter))
        return false;
    CWaitCursor wait;
    CTaskSet entries(m_pDatabase);
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            CTask current;
            RowToObject(current, doc);
            CTimeSpan duration;
            double costClient = 0.0;
            double costSalary = 0.0;
            CTime start;
            CTime end;
            if (!entries.SumProjectTaskEntries(current.m_GUID, &duration, &costClient, &costSalary, &start,
                                               &end))
                continue; // figures that cannot be summed are left as they are
            current.m_CostClientActual = costClient;
            current.m_CostSalaryActual = costSalary;
            current.SetActualWork(duration);
            if (firstStart && start.GetTime() != 0 && (firstStart->GetTime() == 0 || start < *firstStart))
                *firstStart = start;
            if (lastEnd && end > *lastEnd)
                *lastEnd = end;
            Edit();
            ObjectToRow(current);
            CheckTextWidths(*this);
            Update();
            bool known = false;
            for (INT_PTR i = 0; i < updated.GetSize() && !known; ++i)
                known = updated.GetAt(i) == current.m_GUID;
            if (!known)
                updated.Add(current.m_GUID);
        }
        Close();
        return true;
    });
}
