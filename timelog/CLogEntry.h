// One stretch of timed work: who logged it, from when to when, against which client, project,
// subsystem and category, with texts, billing flags and money amounts. Every entry of the log, the
// document's current entry, quick picks and imported rows are CLogEntry objects; in the database an
// entry is a [Tasks] row. An entry whose EndTime is 0 is running.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTimeSpan.h"
#include "framework/core/CTypedPtrArray.h"

class CBill;
class CCategory;
class CClient;
class CLogDoc;
class CProject;
class CSubsystem;
class CTask;
class CUser;
struct CFindRequest;

// The process-wide rounding of elapsed times ("Rounding\").
struct CRoundingSettings {
    bool enabled = false;
    long unit = 900;     // seconds
    long halfUnit = 450; // unit / 2
    bool upAndDown = false;
    bool neverZero = false;
};

class CLogEntry : public CObject {
    DECLARE_SERIAL(CLogEntry)
public:
    // Column ids of GetColumnText / SetColumnText.
    enum Column : int {
        colStart = 1,
        colStop = 2,
        colElapsed = 3,
        colProject = 4,
        colCategory = 5,
        colDescription = 6,
        colBilled = 7,
        colBillable = 8,
        colClient = 9,
        colText1 = 10,
        colText2 = 11,
        colText3 = 12,
        colSubsystem = 13,
        colRounded = 14,
        colUser = 15,
        colCostClient = 16,
        colCostSalary = 17,
        colStartDate = 18,
    };

    // Created = Modified = now; everything else empty, ids -1, billable.
    CLogEntry();
    // Copies every field; the copy is not modified.
    CLogEntry(const CLogEntry& other);
    // Prefilled from a project task: now as start and stop, its objects, texts, billable flag and
    // project-server ids, a new GUID and the current user; marked modified.
    explicit CLogEntry(CTask* pTask);
    // Copies every field, the GUID too, and clears the modified flag.
    CLogEntry& operator=(const CLogEntry& other);
    ~CLogEntry() override = default;

    // ---- times ----
    void SetStartTime(CTime time);
    void SetStopTime(CTime time);
    // Duration = EndTime - StartTime, rounded, 0 while running; then UpdateAmounts.
    void RecalcElapsed();
    // A stop time on another day moves to the start's day with its own time of day.
    void MoveStopToStartDate();
    bool IsRunning() const { return m_EndTime.GetTime() == 0; }

    // ---- identity and owner ----
    // The GUID, made on first request (also fills OrganizationID).
    CString GetGUID();
    // OrganizationID, filled from the active document's group of Username when empty.
    CString GetGroupGUID();
    // Username, filled when empty from "Database\Username", the logon name, the registered owner or
    // "User" (and written back to "Database\Username").
    CString GetUserName();
    void SetUserName(const CString& name);
    // Sets the modified flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    BOOL IsModified() const { return m_bModified != 0; }

    // Same project and category; the project-server ids when this entry has them; the plan task id
    // when this entry has one; the description ignoring case.
    bool IsSameTask(const CLogEntry& other) const;

    // ---- texts by column id ----
    void GetColumnText(CString& text, int columnId) const;
    // Names are looked up in pDoc (nothing changes without it or without a match).
    void SetColumnText(CLogDoc* pDoc, const CString& text, int columnId);
    // Searches the columns of the log grid from firstIndex on; false when the entry does not match or
    // there is no log grid.
    bool MatchesFind(const CFindRequest& request, int firstIndex, int& foundIndex, int& foundColumnId) const;
    // The same over the given column ids.
    bool MatchesFind(const CFindRequest& request, const CDWordArray& columnIds, int firstIndex,
                     int& foundIndex, int& foundColumnId) const;

    // ---- amounts ----
    // CostSalary and CostClient from the hours and GetRates (the client cost is 0 when not billable).
    void UpdateAmounts();
    // By the project's billing type: 0 the category's rates, 1 the user's, 2 the project's, else 0.
    void GetRates(double& billingRate, double& salaryRate) const;

    // ---- rounding ----
    // Reads "Rounding\": "Enabled", "Minutes" (15), "Up and down", "Never Zero".
    static void LoadRoundingSettings();
    static const CRoundingSettings& GetRoundingSettings();
    static void SetRoundingSettings(const CRoundingSettings& settings);
    // seconds rounded by the current settings (unchanged when rounding is off).
    static long RoundElapsed(long seconds);

    // Schema word 15; reads 1 to 15 and refuses 0 and newer words with badSchema.
    void Serialize(CArchive& ar) override;

    // ---- the running-entry mirror under "Logging\" (CLogEntryRunning.cpp) ----
    // Writes the active document's timing flag and start, this entry's times (0 written as now), object
    // names, texts and project-server ids. Not "Guid". Nothing without an active document.
    void SaveRunning();
    // Reads the mirror back into this entry: times (absent: now), texts, ids (absent: kept) and the
    // objects found by name in pDoc (unknown names: none). Duration is left as it is.
    void LoadRunning(CLogDoc* pDoc);
    // LoadRunning, then the timing flag ("Logging", absent: off) and its start ("Logging started",
    // absent: now) into pDoc. Nothing without a document.
    void LoadRunningState(CLogDoc* pDoc);

    CTime m_Created;
    CTime m_Modified;
    CTime m_StartTime{static_cast<__time64_t>(0)};
    CTime m_EndTime{static_cast<__time64_t>(0)}; // 0 = running
    CTimeSpan m_Duration{0};                     // rounded elapsed seconds
    CTimeSpan m_SecondSpan{0};                   // carried by copies and the archive
    // Objects of the document's lists; never freed by the entry.
    CClient* m_pClient = nullptr;
    CProject* m_pProject = nullptr;
    CSubsystem* m_pSubsystem = nullptr;
    CCategory* m_pCategory = nullptr;
    CString m_Desc;
    CString m_Name;
    CString m_GUID;
    CString m_OrganizationID; // cached GUID of the owner's group
    CString m_Username;
    CString m_ExtraText; // kept in the archive only
    BYTE m_Billed = 0;
    BYTE m_Billable = 1;
    CBill* m_pBill = nullptr;
    BYTE m_bModified = 0;   // not archived
    BYTE m_OpenPending = 0; // opened from the file because the database failed; not archived
    BYTE m_Pending = 0;     // still to be written to the database
    int m_ProjProjectID = -1;
    int m_ProjResourceID = -1;
    int m_ProjAssignmentID = -1;
    int m_MSTaskID = -1;
    BYTE m_Mark1 = 0; // row marks of the log grid; not archived
    BYTE m_Mark2 = 0;
    BYTE m_Mark3 = 0;
    CString m_UserText1;
    CString m_UserText2;
    CString m_UserText3;
    CUser* m_pUser = nullptr;
    CString m_ProjectTaskID; // GUID of the project task the entry was made from; not archived
    double m_CostSalary = 0.0;
    double m_CostClient = 0.0;
};

using CLogEntryArray = CTypedPtrArray<CObArray, CLogEntry*>;
