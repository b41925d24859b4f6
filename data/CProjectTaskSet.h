// The [ProjectTasks] table: one row per node of a project's task tree (CTask). Loads the project-task
// view through the user's filter, reads and writes single tasks, answers whether an object is still used
// by a task, rewrites references when an object is replaced, copies tasks for a copied project or user,
// and runs the other task queries (quick tasks, the resource chart, deferred plan updates, logged time).
//
// The filter of the view lives under "Filter\Project Tasks\"; every WHERE text built here quotes the
// texts it takes from rows or the registry, escapes LIKE wildcards and writes times as ODBC escapes.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CObArray.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTime.h"

#include <functional>

class CCategory;
class CClient;
class CLogDoc;
class CProject;
class CSubsystem;
class CTask;
class CUser;

class CProjectTaskSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CProjectTaskSet)
public:
    explicit CProjectTaskSet(CDatabase* pDatabase = nullptr);

    // Values of "Date" in the filter.
    enum DateFilter : long {
        dateNone = 0,
        dueWithin7 = 100,
        dueWithin14 = 101,
        dueWithin30 = 102,
        dueWithin60 = 103,
        dueWithin90 = 104,
        allFuture = 105,
        startingBeforeToday = 106,
    };

    // ---- rows and objects (CProjectTaskSet.cpp) ----
    // The field members from the task; [ParentID] is always written empty, [FinishDate] is the computed
    // finish. The caller has called AddNew or Edit.
    void ObjectToRow(CTask& task);
    // The task from the current row, out-of-range numbers repaired and NULL numbers given their
    // defaults; the task belongs to doc and resolves its objects from the GUID columns itself.
    void RowToObject(CTask& task, CLogDoc* doc);

    // The filter's rows (BuildFilter), by name, into the document: each task that passes its visibility
    // test. False when the set cannot be opened or read.
    bool LoadProjectTasks(CLogDoc* doc);
    // Writes the task's row (edited when its GUID has one, else added).
    bool SaveTask(CLogDoc* doc, CTask* task);
    // The task from its row; false when a pointer is missing, the set cannot be opened or no row has
    // the task's GUID (the task is then left as it was).
    bool LoadTask(CLogDoc* doc, CTask* task);
    bool DeleteTask(CLogDoc* doc, CTask* task);
    // For each GUID of guids, in order: the task's start date, name and users texts, or three empty
    // texts when no row has that GUID.
    bool LoadTaskDetails(CLogDoc* doc, const CStringArray& guids, CStringArray& startTexts,
                         CStringArray& nameTexts, CStringArray& userTexts);
    // The first row with the Microsoft Project task id (when above 0), else the project server task id
    // (when above 0), else the reference id (when not empty), of the project when one is given.
    bool FindByExternalId(CLogDoc* doc, CTask* task, int psTaskId, int msTaskId, const CString& referenceId,
                          CProject* project);
    // The name of the task with this GUID; false (and an empty name) when there is none.
    bool GetTaskName(const CString& guid, CString& name);

    // ---- references (CProjectTaskSetRefs.cpp) ----
    // Whether a task refers to the object. False for none.
    bool IsSubsystemUsed(CSubsystem* subsystem);
    bool IsProjectUsed(CProject* project);
    bool IsCategoryUsed(CCategory* category);
    bool IsClientUsed(CClient* client);
    // Whether a task is visible to the user or was assigned by the user.
    bool HasTasksForUser(CLogDoc* doc, CUser* user);
    // The tasks of the old object refer to the new one. A new project also empties the subsystem; a
    // missing new client empties the client.
    bool ReplaceSubsystem(CSubsystem* oldSubsystem, CSubsystem* newSubsystem);
    bool ReplaceProject(CProject* oldProject, CProject* newProject);
    bool ReplaceCategory(CCategory* oldCategory, CCategory* newCategory);
    bool ReplaceClient(CClient* oldClient, CClient* newClient);
    // The tasks of the old user (visible to or assigned by it) become the new user's: owner and assigner,
    // the user and group lists, the organization list (the two users' groups) and the user names.
    bool ReplaceUser(CLogDoc* doc, CUser* oldUser, CUser* newUser);
    // Copies the tasks of a project (and subsystem; with none, the tasks without subsystem) into new rows
    // of the new project and subsystem.
    bool CopyTasks(CLogDoc* doc, const CString& oldProject, const CString& newProject,
                   const CString& oldSubsystem, const CString& newSubsystem);
    // Copies the tasks visible to a user into new rows owned by the new owner.
    bool CopyTasksForUser(CLogDoc* doc, const CString& sourceUser, const CString& newOwner);

    // ---- the view's filter (CProjectTaskSetFilter.cpp) ----
    void SetProjectFilter(CProject* project);
    void SetSubsystemFilter(CSubsystem* subsystem);
    // A node without parent (the whole organisation) stands for everybody and clears the value.
    void SetUserFilter(CUser* user);
    // 0 all, 1 uncompleted, 2 completed, 3 past due.
    void SetCompletedFilter(int n);
    void SetOverdueFilter(bool overdue);
    void SetDateFilter(long kind);
    // 0 all, 1 project tasks, 2 issues.
    void SetTaskTypeFilter(int n);
    void ClearFilters();
    bool IsFilterActive();
    // The active filter in one line ("Project, Uncompleted tasks, Due within 7 days"); "" when none.
    CString GetFilterDescription(CLogDoc* doc);
    // Sets m_strFilter from the filter values, the current user's visibility and the projects the chosen
    // user may see.
    void BuildFilter(CLogDoc* doc);
    // The condition of the tasks visible to a user or group; "" without both.
    CString VisibilityFilter(CLogDoc* doc, CUser* node);

    // ---- other queries (CProjectTaskSetQueries.cpp) ----
    // The quick tasks visible to the user (the current user when none is given), of the project when
    // one is given, uncompleted ones only when asked; appended to out (the caller owns them). Nothing
    // without a current user.
    bool LoadQuickTasks(CLogDoc* doc, CObArray& out, CUser* user, CProject* project, bool uncompletedOnly);
    // The uncompleted tasks visible to the user, of the project when given, starting before endDate (or
    // without start) when it is set; by start.
    bool LoadResourceTasks(CLogDoc* doc, CUser* user, CProject* project, const CTime& endDate, CObArray& out);
    // The tasks of the project changed after since (all when 0); by start.
    bool LoadChangedTasks(CLogDoc* doc, CProject* project, const CTime& since, CObArray& out);
    // Brings the logged figures (actual work, actual costs, then the remaining figures) of the tasks of
    // the given objects (each may be none; the "<None>" project and a group select nothing by themselves)
    // up to date from their time entries in [Tasks] and writes them back; the GUID of each task written
    // is added once to updated. firstStart and lastEnd (when given) receive the earliest start and the
    // latest end of the entries met.
    bool UpdateTasksFromLog(CLogDoc* doc, CClient* client, CProject* project, CCategory* category,
                            CUser* user, CTask* task, CTime* firstStart, CTime* lastEnd,
                            CStringArray& updated);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CString m_id;
    CString m_parentId;
    long m_summary = 0;
    CString m_name;
    CString m_description;
    CTime m_startDate;
    CTime m_finishDate;
    CTime m_dueDate;
    CTime m_completedDate;
    long m_reminder = 0;
    CTime m_reminderDate;
    long m_duration = 0;
    long m_remainingDuration = 0;
    long m_actualWork = 0;
    long m_completed = 0;
    CString m_status;
    CString m_priority;
    long m_percentComplete = 0;
    CString m_ownerId;
    CString m_assignedById;
    CString m_resources;
    CString m_clientId;
    CString m_projectId;
    CString m_subsystemId;
    CString m_categoryId;
    CString m_userIds;
    CString m_groupIds;
    CString m_organizationIds;
    CString m_usernames;
    long m_outlineLevel = 0;
    long m_viewed = 0;
    CString m_reminderSound;
    long m_billable = 0;
    long m_quickTask = 0;
    long m_projProjectId = 0;
    long m_projResourceId = 0;
    long m_projAssignmentId = 0;
    long m_msTaskId = 0;
    long m_psTaskId = 0;
    CString m_referenceId;
    long m_taskType = 1;
    CString m_attachments;
    CString m_userText1;
    CString m_userText2;
    CString m_userText3;
    double m_costSalary = 0.0;
    double m_costClient = 0.0;
    double m_costSalaryActual = 0.0;
    double m_costClientActual = 0.0;
    double m_costSalaryRemain = 0.0;
    double m_costClientRemain = 0.0;

private:
    // Appends a new task for every row of filter, sorted, to out.
    bool LoadInto(CLogDoc* doc, const CString& filter, const char* sort, CObArray& out);
    // Adds a copy of every row of filter with a new GUID, now as its times, and adjust applied.
    bool CopyRows(CLogDoc* doc, const CString& filter, const std::function<void()>& adjust);
};
