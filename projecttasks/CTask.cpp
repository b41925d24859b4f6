#include "projecttasks/CTask.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"

IMPLEMENT_DYNCREATE(CTask, CObject)

CTask::CTask() {
    Init();
}

CTask::CTask(const CTask& other) : CObject() {
    Init();
    *this = other;
}

void CTask::Init() {
    m_pDoc = nullptr;
    m_GUID = NewGuidString();
    m_Created = m_Modified = CTime::GetCurrentTime();
    m_Dirty = 0;
    m_pParent = nullptr;
    m_Summary = 0;
    m_Name.Empty();
    m_StartDate = m_FinishDate = m_DueDate = m_CompletedDate = CTime(static_cast<__time64_t>(0));
    m_Reminder = 0;
    m_ReminderDate = CTime(static_cast<__time64_t>(0));
    m_Duration = m_RemainingDuration = m_ActualWork = CTimeSpan(0);
    m_Completed = 0;
    m_PercentComplete = 0;
    m_pOwner = m_pAssignedBy = nullptr;
    m_pClient = nullptr;
    m_pProject = nullptr;
    m_pSubsystem = nullptr;
    m_pCategory = nullptr;
    m_OutlineLevel = 1;
    m_Viewed = 0;
    m_Billable = 1;
    m_QuickTask = 0;
    m_ProjProjectID = m_ProjResourceID = m_ProjAssignmentID = m_MSTaskID = m_PSTaskID = -1;
    m_Hidden = 0;
    m_Collapsed = 0;
    m_FinishStale = 1;
    m_TaskType = 1;
    m_CostSalary = m_CostClient = m_CostSalaryActual = m_CostClientActual = 0.0;
    m_CostSalaryRemain = m_CostClientRemain = 0.0;
}

CTask& CTask::operator=(const CTask& other) {
    if (this == &other)
        return *this;
    Init();
    m_pDoc = other.m_pDoc;
    m_GUID = other.m_GUID;
    m_OwnerID = other.m_OwnerID;
    m_ParentGUID = other.m_ParentGUID;
    m_AssignedByID = other.m_AssignedByID;
    m_ClientID = other.m_ClientID;
    m_ProjectID = other.m_ProjectID;
    m_SubsystemID = other.m_SubsystemID;
    m_CategoryID = other.m_CategoryID;
    m_UserIDs = other.m_UserIDs;
    m_GroupIDs = other.m_GroupIDs;
    m_OrganizationIDs = other.m_OrganizationIDs;
    m_Usernames = other.m_Usernames;
    m_Created = other.m_Created;
    m_Modified = other.m_Modified;
    m_Dirty = other.m_Dirty;
    m_ID = other.m_ID;
    m_pParent = other.m_pParent;
    m_Summary = other.m_Summary;
    m_Name = other.m_Name;
    m_Description = other.m_Description;
    m_StartDate = other.m_StartDate;
    m_FinishDate = other.m_FinishDate;
    m_DueDate = other.m_DueDate;
    m_CompletedDate = other.m_CompletedDate;
    m_Reminder = other.m_Reminder;
    m_ReminderDate = other.m_ReminderDate;
    m_Duration = other.m_Duration;
    m_RemainingDuration = other.m_RemainingDuration;
    m_ActualWork = other.m_ActualWork;
    m_Completed = other.m_Completed;
    m_Status = other.m_Status;
    m_Priority = other.m_Priority;
    m_Resources = other.m_Resources;
    m_PercentComplete = other.m_PercentComplete;
    m_pOwner = other.m_pOwner;
    m_pAssignedBy = other.m_pAssignedBy;
    m_pClient = other.m_pClient;
    m_pProject = other.m_pProject;
    m_pSubsystem = other.m_pSubsystem;
    m_pCategory = other.m_pCategory;
    m_OutlineLevel = other.m_OutlineLevel;
    m_Viewed = other.m_Viewed;
    m_ReminderSound = other.m_ReminderSound;
    m_Billable = other.m_Billable;
    m_QuickTask = other.m_QuickTask;
    m_ProjProjectID = other.m_ProjProjectID;
    m_ProjResourceID = other.m_ProjResourceID;
    m_ProjAssignmentID = other.m_ProjAssignmentID;
    m_MSTaskID = other.m_MSTaskID;
    m_PSTaskID = other.m_PSTaskID;
    m_ReferenceID = other.m_ReferenceID;
    m_TaskType = other.m_TaskType;
    m_Attachments = other.m_Attachments;
    m_UserText1 = other.m_UserText1;
    m_UserText2 = other.m_UserText2;
    m_UserText3 = other.m_UserText3;
    m_Hidden = other.m_Hidden;
    m_Collapsed = other.m_Collapsed;
    m_FinishStale = other.m_FinishStale;
    m_CostSalary = other.m_CostSalary;
    m_CostClient = other.m_CostClient;
    m_CostSalaryActual = other.m_CostSalaryActual;
    m_CostClientActual = other.m_CostClientActual;
    m_CostSalaryRemain = other.m_CostSalaryRemain;
    m_CostClientRemain = other.m_CostClientRemain;
    m_SourceUID = other.m_SourceUID;
    m_SourceResourceID = other.m_SourceResourceID;
    m_SourceField = other.m_SourceField;
    m_SourceParentUID = other.m_SourceParentUID;
    m_Stored = other.m_Stored;
    return *this;
}

void CTask::SetModified(BOOL modified) {
    StampModified(m_Dirty, m_Modified, modified);
}
