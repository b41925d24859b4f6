// CProjectTaskSet: the rows, single tasks and the load of the view.
#include "data/CProjectTaskSet.h"

#include "data/CProject.h"
#include "data/DateText.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"
#include "projecttasks/CTask.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CProjectTaskSet, CObjectRecordset)

namespace {

// A number column above this holds no real value (an empty column reads as a larger one).
constexpr long kMaxNumber = 10000000;
constexpr double kMaxCost = 100000000.0;
constexpr int kLongListLength = 5000;

const CTime kNoTime(static_cast<__time64_t>(0));

long Checked(const CRecordset& set, const long& member, long outOfRange) {
    const long value = LongOr(set, member, outOfRange);
    return value > kMaxNumber ? outOfRange : value;
}

double Cost(double value) {
    return BoundedOr(value, 0.0, kMaxCost, 0.0);
}

} // namespace

CProjectTaskSet::CProjectTaskSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Project tasks") {
    m_nFields = 54;
}

CString CProjectTaskSet::GetDefaultSQL() {
    return "[ProjectTasks]";
}

void CProjectTaskSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[ID]", m_id, 255);
    RFX_Text(pFX, "[ParentID]", m_parentId, 255);
    RFX_Long(pFX, "[Summary]", m_summary);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
    RFX_Date(pFX, "[StartDate]", m_startDate);
    RFX_Date(pFX, "[FinishDate]", m_finishDate);
    RFX_Date(pFX, "[DueDate]", m_dueDate);
    RFX_Date(pFX, "[CompletedDate]", m_completedDate);
    RFX_Long(pFX, "[Reminder]", m_reminder);
    RFX_Date(pFX, "[ReminderDate]", m_reminderDate);
    RFX_Long(pFX, "[Duration]", m_duration);
    RFX_Long(pFX, "[RemainingDuration]", m_remainingDuration);
    RFX_Long(pFX, "[ActualWork]", m_actualWork);
    RFX_Long(pFX, "[Completed]", m_completed);
    RFX_Text(pFX, "[Status]", m_status, 255);
    RFX_Text(pFX, "[Priority]", m_priority, 255);
    RFX_Long(pFX, "[PercentComplete]", m_percentComplete);
    RFX_Text(pFX, "[OwnerID]", m_ownerId, 255);
    RFX_Text(pFX, "[AssignedByID]", m_assignedById, 255);
    // The column keeps 255 characters: a longer list is refused before it could be cut.
    RFX_Text(pFX, "[Resources]", m_resources, 255);
    RFX_Text(pFX, "[ClientID]", m_clientId, 255);
    RFX_Text(pFX, "[ProjectID]", m_projectId, 255);
    RFX_Text(pFX, "[SubsystemID]", m_subsystemId, 255);
    RFX_Text(pFX, "[CategoryID]", m_categoryId, 255);
    RFX_Text(pFX, "[UserIDs]", m_userIds, kLongListLength);
    RFX_Text(pFX, "[GroupIDs]", m_groupIds, kLongListLength);
    RFX_Text(pFX, "[OrganizationIDs]", m_organizationIds, kLongListLength);
    RFX_Text(pFX, "[Usernames]", m_usernames, kLongListLength);
    RFX_Long(pFX, "[OutlineLevel]", m_outlineLevel);
    RFX_Long(pFX, "[Viewed]", m_viewed);
    RFX_Text(pFX, "[ReminderSound]", m_reminderSound, 255);
    RFX_Long(pFX, "[Billable]", m_billable);
    RFX_Long(pFX, "[QuickTask]", m_quickTask);
    RFX_Long(pFX, "[ProjProjectID]", m_projProjectId);
    RFX_Long(pFX, "[ProjResourceID]", m_projResourceId);
    RFX_Long(pFX, "[ProjAssignmentID]", m_projAssignmentId);
    RFX_Long(pFX, "[MSTaskID]", m_msTaskId);
    RFX_Long(pFX, "[PSTaskID]", m_psTaskId);
    RFX_Text(pFX, "[ReferenceID]", m_referenceId, 255);
    RFX_Long(pFX, "[TaskType]", m_taskType);
    RFX_Text(pFX, "[Attachments]", m_attachments, kLongTextLength);
    RFX_Text(pFX, "[UserText1]", m_userText1, 255);
    RFX_Text(pFX, "[UserText2]", m_userText2, 255);
    RFX_Text(pFX, "[UserText3]", m_userText3, 255);
    RFX_Double(pFX, "[CostSalary]", m_costSalary);
    RFX_Double(pFX, "[CostClient]", m_costClient);
    RFX_Double(pFX, "[CostSalaryActual]", m_costSalaryActual);
    RFX_Double(pFX, "[CostClientActual]", m_costClientActual);
    RFX_Double(pFX, "[CostSalaryRemain]", m_costSalaryRemain);
    RFX_Double(pFX, "[CostClientRemain]", m_costClientRemain);
}

void CProjectTaskSet::ObjectToRow(CTask& task) {
    const CTime now = CTime::GetCurrentTime();
    m_guid = task.m_GUID;
    m_created = TimeOr(task.m_Created, now);
    m_modified = TimeOr(task.m_Modified, now);
    m_id = task.m_ID;
    m_parentId.Empty(); // the tree is rebuilt in memory
    m_summary = task.m_Summary ? 1 : 0;
    m_name = task.m_Name;
    m_description = task.m_Description;
    m_startDate = task.m_StartDate;
    m_finishDate = task.GetFinishDate();
    m_dueDate = task.m_DueDate;
    m_completedDate = task.m_CompletedDate;
    m_reminder = task.m_Reminder ? 1 : 0;
    m_reminderDate = task.m_ReminderDate;
    m_duration = static_cast<long>(task.m_Duration.GetTimeSpan());
    m_remainingDuration = static_cast<long>(task.m_RemainingDuration.GetTimeSpan());
    m_actualWork = static_cast<long>(task.m_ActualWork.GetTimeSpan());
    m_completed = task.m_Completed ? 1 : 0;
    m_status = task.m_Status;
    m_priority = task.m_Priority;
    m_percentComplete = task.m_PercentComplete;
    m_ownerId = task.m_OwnerID;
    m_assignedById = task.m_AssignedByID;
    m_resources = task.m_Resources;
    m_clientId = task.m_ClientID;
    m_projectId = task.m_ProjectID;
    m_subsystemId = task.m_SubsystemID;
    m_categoryId = task.m_CategoryID;
    m_userIds = task.m_UserIDs;
    m_groupIds = task.m_GroupIDs;
    m_organizationIds = task.m_OrganizationIDs;
    m_usernames = task.m_Usernames;
    m_outlineLevel = task.m_OutlineLevel;
    m_viewed = task.m_Viewed ? 1 : 0;
    m_reminderSound = task.m_ReminderSound;
    m_billable = task.m_Billable ? 1 : 0;
    m_quickTask = task.m_QuickTask;
    m_projProjectId = task.m_ProjProjectID;
    m_projResourceId = task.m_ProjResourceID;
    m_projAssignmentId = task.m_ProjAssignmentID;
    m_msTaskId = task.m_MSTaskID;
    m_psTaskId = task.m_PSTaskID;
    m_referenceId = task.m_ReferenceID;
    m_taskType = task.m_TaskType;
    m_attachments = task.m_Attachments;
    m_userText1 = task.m_UserText1;
    m_userText2 = task.m_UserText2;
    m_userText3 = task.m_UserText3;
    m_costSalary = task.m_CostSalary;
    m_costClient = task.m_CostClient;
    m_costSalaryActual = task.m_CostSalaryActual;
    m_costClientActual = task.m_CostClientActual;
    m_costSalaryRemain = task.m_CostSalaryRemain;
    m_costClientRemain = task.m_CostClientRemain;
}

void CProjectTaskSet::RowToObject(CTask& task, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    task.m_pDoc = doc;
    task.ClearLinks();
    task.m_GUID = m_guid;
    task.m_Created = TimeOr(m_created, now);
    task.m_Modified = TimeOr(m_modified, now);
    task.m_ID = m_id;
    task.m_Summary = LongOr(*this, m_summary, 0) == 1 ? 1 : 0;
    task.m_Name = m_name;
    task.m_Description = m_description;
    task.m_StartDate = m_startDate;
    task.m_FinishDate = m_finishDate;
    task.m_FinishStale = m_finishDate.GetTime() != 0 && m_startDate.GetTime() != 0 ? 0 : 1;
    task.m_DueDate = m_dueDate;
    task.m_CompletedDate = m_completedDate;
    task.m_Reminder = Checked(*this, m_reminder, 0) != 0 ? 1 : 0;
    task.m_ReminderDate = m_reminderDate;
    task.m_Duration = CTimeSpan(LongOr(*this, m_duration, 0));
    task.m_RemainingDuration = CTimeSpan(LongOr(*this, m_remainingDuration, 0));
    task.m_ActualWork = CTimeSpan(LongOr(*this, m_actualWork, 0));
    task.m_Completed = Checked(*this, m_completed, 0) == 1 ? 1 : 0;
    task.m_Status = m_status;
    task.m_Priority = m_priority;
    task.m_PercentComplete = static_cast<int>(LongOr(*this, m_percentComplete, 0));
    task.m_OwnerID = m_ownerId;
    task.m_AssignedByID = m_assignedById;
    task.m_Resources = m_resources;
    task.m_ClientID = m_clientId;
    task.m_ProjectID = m_projectId;
    task.m_SubsystemID = m_subsystemId;
    task.m_CategoryID = m_categoryId;
    task.m_UserIDs = m_userIds;
    task.m_GroupIDs = m_groupIds;
    task.m_OrganizationIDs = m_organizationIds;
    task.m_Usernames = m_usernames;
    task.m_OutlineLevel = static_cast<int>(LongOr(*this, m_outlineLevel, 1));
    task.m_Viewed = LongOr(*this, m_viewed, 0) != 0 ? 1 : 0;
    task.m_ReminderSound = m_reminderSound;
    task.m_Billable = Checked(*this, m_billable, 0) != 0 ? 1 : 0;
    task.m_QuickTask = Checked(*this, m_quickTask, 0) != 0 ? 1 : 0;
    // Ids of a plan: none (-1) when the column is empty.
    task.m_ProjProjectID = static_cast<int>(LongOr(*this, m_projProjectId, -1));
    task.m_ProjResourceID = static_cast<int>(LongOr(*this, m_projResourceId, -1));
    task.m_ProjAssignmentID = static_cast<int>(LongOr(*this, m_projAssignmentId, -1));
    task.m_MSTaskID = static_cast<int>(LongOr(*this, m_msTaskId, -1));
    task.m_PSTaskID = static_cast<int>(Checked(*this, m_psTaskId, 0));
    task.m_ReferenceID = m_referenceId;
    task.m_TaskType = static_cast<int>(Checked(*this, m_taskType, 1));
    task.m_Attachments = m_attachments;
    task.m_UserText1 = m_userText1;
    task.m_UserText2 = m_userText2;
    task.m_UserText3 = m_userText3;
    task.m_CostSalary = Cost(m_costSalary);
    task.m_CostClient = Cost(m_costClient);
    task.m_CostSalaryActual = Cost(m_costSalaryActual);
    task.m_CostClientActual = Cost(m_costClientActual);
    task.m_CostSalaryRemain = Cost(m_costSalaryRemain);
    task.m_CostClientRemain = Cost(m_costClientRemain);
    task.m_Dirty = 0;
}

bool CProjectTaskSet::LoadInto(CLogDoc* doc, const CString& filter, const char* sort, CObArray& out) {
    return ForEachRow(doc, filter, sort, [&] {
        auto task = std::make_unique<CTask>();
        RowToObject(*task, doc);
        out.Add(task.release());
    });
}

bool CProjectTaskSet::LoadProjectTasks(CLogDoc* doc) {
    if (!doc)
        return false;
    BuildFilter(doc);
    if (!Query(m_strFilter, "[Name] ASC"))
        return false;
    CWaitCursor wait;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            auto task = std::make_unique<CTask>();
            RowToObject(*task, doc);
            if (task->IsVisible())
                doc->AddProjectTask(task.release());
        }
        Close();
        return true;
    });
}

bool CProjectTaskSet::SaveTask(CLogDoc* doc, CTask* task) {
    if (!doc || !task)
        return false;
    return SaveRow(doc, task->m_GUID, [&] { ObjectToRow(*task); });
}

bool CProjectTaskSet::LoadTask(CLogDoc* doc, CTask* task) {
    if (!doc || !task)
        return false;
    const CString guid = task->m_GUID;
    if (!OpenOnGUID(*this, guid))
        return false;
    return RunReported(doc, [&] {
        const bool found = IsOnGUID(*this, guid);
        if (found)
            RowToObject(*task, doc);
        Close();
        return found;
    });
}

bool CProjectTaskSet::DeleteTask(CLogDoc* doc, CTask* task) {
    if (!doc || !task)
        return false;
    return DeleteByGUID(doc, task->m_GUID);
}

bool CProjectTaskSet::LoadTaskDetails(CLogDoc* doc, const CStringArray& guids, CStringArray& startTexts,
                                      CStringArray& nameTexts, CStringArray& userTexts) {
    if (!doc || !Query(CString()))
        return false;
    return RunReported(doc, [&] {
        for (INT_PTR i = 0; i < guids.GetSize(); ++i) {
            if (FindByGUID(guids.GetAt(i))) {
                CTask task;
                RowToObject(task, doc);
                startTexts.Add(FormatDateOrDateTime(task.m_StartDate));
                nameTexts.Add(task.GetDisplayName());
                userTexts.Add(task.GetUsersDisplay());
            } else {
                startTexts.Add(CString());
                nameTexts.Add(CString());
                userTexts.Add(CString());
            }
        }
        Close();
        return true;
    });
}

bool CProjectTaskSet::FindByExternalId(CLogDoc* doc, CTask* task, int psTaskId, int msTaskId,
                                       const CString& referenceId, CProject* project) {
    if (!doc || !task)
        return false;
    CString filter;
    if (msTaskId > 0)
        filter = SqlEqualsNumber("MSTaskID", msTaskId);
    else if (psTaskId > 0)
        filter = SqlEqualsNumber("PSTaskID", psTaskId);
    else if (!referenceId.IsEmpty())
        filter = SqlEquals("ReferenceID", referenceId);
    else
        return false; // no identifier: no row is "the" task
    if (project)
        filter = SqlAnd(filter, SqlEquals("ProjectID", project->GetGUID()));
    if (!Query(filter))
        return false;
    return RunReported(doc, [&] {
        const bool found = !IsEOF();
        if (found)
            RowToObject(*task, doc);
        Close();
        return found;
    });
}

bool CProjectTaskSet::GetTaskName(const CString& guid, CString& name) {
    name.Empty();
    if (!OpenOnGUID(*this, guid))
        return false;
    return RunReported(this, [&] {
        const bool found = IsOnGUID(*this, guid);
        if (found)
            name = m_name;
        Close();
        return found;
    });
}
