// One project task: a unit of planned work inside a project (and optionally one of its subsystems) with
// an estimate, dates, a reminder, an owner and its assigned users. Ordinary tasks are stored in
// [ProjectTasks]; summary tasks (one per project and subsystem) are made in memory only. Kept by the
// time-log document in its project-task list and GUID map.
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTimeSpan.h"
#include "framework/core/CTypedPtrArray.h"

class CCategory;
class CClient;
class CLogDoc;
class CProject;
class CSubsystem;
class CUser;

class CTask : public CObject {
    DECLARE_DYNCREATE(CTask)
public:
    // Empty texts, then Init.
    CTask();
    // Re-initialises, then copies every field (GUID, dates, cached pointers and source fields included).
    CTask(const CTask& other);
    CTask& operator=(const CTask& other);

    // Document none, new GUID, Created = Modified = now, numbers and dates 0, pointers none, outline level
    // 1, billable, ids -1, finish stale, task type 1.
    void Init();
    const CString& GetGUID() const { return m_GUID; }
    // Sets the dirty flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // ---- linked objects (CTaskLinks.cpp) ----
    // Each resolves its GUID once through the document and caches the object; nullptr without a
    // document or when nothing has that GUID. GetProject falls back to the document's "<None>" project
    // (taken with SetProject).
    CProject* GetProject();
    CSubsystem* GetSubsystem();
    CCategory* GetCategory();
    CClient* GetClient();
    CUser* GetOwner();
    // Store the pointer and its GUID text ("" for none), then UpdateCosts.
    void SetProject(CProject* pProject);
    void SetSubsystem(CSubsystem* pSubsystem);
    void SetCategory(CCategory* pCategory);
    // Store the pointer and its GUID text only.
    void SetClient(CClient* pClient);
    // Forgets every cached object, so that the next lookups follow the GUID texts again.
    void ClearLinks();
    // Visible in the task lists: its project shown and active (or inactive ones shown), its subsystem
    // active (or inactive ones shown), and, when it is assigned to users or groups, at least one of them
    // a group or an active, visible user.
    bool IsVisible();
    // Name for ordinary tasks; a summary shows its subsystem's name, else its project's.
    CString GetDisplayName();
    // Usernames; when empty the owner's name; without owner "<All users>".
    CString GetUsersDisplay();

    // ---- estimates and costs (CTaskEstimates.cpp) ----
    // PercentComplete from the estimates (100 and nothing remaining for a completed ordinary task).
    void UpdatePercentComplete();
    // Duration = the larger of s and ActualWork; the rest follows.
    void SetDuration(CTimeSpan s);
    // ActualWork = s; Duration at least s; the rest follows.
    void SetActualWork(CTimeSpan s);
    // Client and salary rates by the project's costing basis: 0 (or no project) the category's, 1 the
    // owner's, 2 the project's own; 0 when the source is missing.
    void GetRates(double& clientRate, double& salaryRate);
    // Planned costs from Duration and the rates, remaining costs = planned - actual (never below 0).
    void UpdateCosts();
    // The end of the work laid out on working days from GetWorkStart (8 hours a day, a lunch hour in days
    // of 4 hours or more, weekends skipped); cached until a start or estimate changes. Summary tasks keep
    // their stored finish.
    CTime GetFinishDate();
    // StartDate (today when none), 08:00 when it lies at midnight, moved past a weekend.
    CTime GetWorkStart() const;

    CLogDoc* m_pDoc = nullptr;
    CString m_GUID;
    CString m_OwnerID;
    CString m_ParentGUID; // not stored
    CString m_AssignedByID;
    CString m_ClientID;
    CString m_ProjectID;
    CString m_SubsystemID;
    CString m_CategoryID;
    CString m_UserIDs;         // comma-separated
    CString m_GroupIDs;        // comma-separated
    CString m_OrganizationIDs; // comma-separated
    CString m_Usernames;       // comma-separated display names, or "<All users>"
    CTime m_Created;
    CTime m_Modified;
    BYTE m_Dirty = 0;
    CString m_ID;               // number text in the source plan
    CTask* m_pParent = nullptr; // cached
    BYTE m_Summary = 0;
    CString m_Name;
    CString m_Description;
    CTime m_StartDate;
    CTime m_FinishDate;
    CTime m_DueDate;
    CTime m_CompletedDate;
    BYTE m_Reminder = 0;
    CTime m_ReminderDate;
    CTimeSpan m_Duration;
    CTimeSpan m_RemainingDuration;
    CTimeSpan m_ActualWork;
    BYTE m_Completed = 0;
    CString m_Status;
    CString m_Priority;
    CString m_Resources; // comma-separated resource names
    int m_PercentComplete = 0;
    // Cached objects, resolved from their GUIDs on first use; not owned.
    CUser* m_pOwner = nullptr;
    CUser* m_pAssignedBy = nullptr;
    CClient* m_pClient = nullptr;
    CProject* m_pProject = nullptr;
    CSubsystem* m_pSubsystem = nullptr;
    CCategory* m_pCategory = nullptr;
    int m_OutlineLevel = 1;
    BYTE m_Viewed = 0;
    CString m_ReminderSound;
    BYTE m_Billable = 1;
    BYTE m_QuickTask = 0;
    int m_ProjProjectID = -1;
    int m_ProjResourceID = -1;
    int m_ProjAssignmentID = -1;
    int m_MSTaskID = -1;
    int m_PSTaskID = -1;
    CString m_ReferenceID;
    int m_TaskType = 1; // 1 ordinary, 0 summary
    CString m_Attachments;
    CString m_UserText1;
    CString m_UserText2;
    CString m_UserText3;
    BYTE m_Hidden = 0;      // an ancestor summary is collapsed; not stored
    BYTE m_Collapsed = 0;   // this summary is collapsed; not stored
    BYTE m_FinishStale = 1; // the cached FinishDate must be recomputed
    double m_CostSalary = 0.0;
    double m_CostClient = 0.0;
    double m_CostSalaryActual = 0.0;
    double m_CostClientActual = 0.0;
    double m_CostSalaryRemain = 0.0;
    double m_CostClientRemain = 0.0;
    // Transient values of a task read from a plan.
    int m_SourceUID = 0;
    int m_SourceResourceID = 0;
    int m_SourceField = 0;
    int m_SourceParentUID = 0;
    // Set by the constructor: the task is stored (summary tasks made in memory clear it).
    BYTE m_Stored = 1;

    // ---- place in the project-task outline (CTaskTree.cpp) ----
    // Column ids the outline sorts by (the texts of those columns' headers).
    static constexpr UINT kColumnName = 11572;
    static constexpr UINT kColumnStartDate = 11574;
    static constexpr UINT kColumnUsers = 11586;
    // Sets the parent pointer and its GUID text ("" for none).
    void SetParent(CTask* pParent);
    CTask* GetParent() const { return m_pParent; }
    // Follows the parents up; nullptr when the task has no parent.
    CTask* GetTopmostAncestor() const;
    // Negative, 0 or positive as this task sorts before, with or after the other by the column (the name
    // for a column without its own order), reversed when descending. byOutline: the project names
    // (ignoring case) and then the subsystems' Order (-1 without subsystem) decide first.
    int Compare(CTask& other, UINT columnId, bool ascending, bool byOutline);
    // Takes one child into this summary: its estimates and work (the remaining work of a completed child
    // counts 0) and its six cost figures are added, the dates widened, and percent complete recomputed;
    // an unfinished child leaves the summary unfinished.
    void RollUpChild(CTask& child);
    // The remembered "Task View\Collapsed\" flag of this summary, named by its subsystem's GUID, or its
    // project's without subsystem; false when absent.
    bool ReadCollapsedMark();
};

using CTaskArray = CTypedPtrArray<CObArray, CTask*>;
