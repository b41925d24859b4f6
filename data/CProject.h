// A project: the named unit of work that time entries, expenses, project tasks and subsystems belong
// to. Carries its billing, salary and mileage rates and its link to a plan (a Microsoft Project file or
// a project server database). Kept by the time-log document in its project list (sorted by name) and
// GUID map; stored in [Projects] and inside the archives of log entries and view filters.
#pragma once

#include "data/CSubsystem.h"
#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CClient;
class CProjectType;

class CProject : public CObject {
    DECLARE_SERIAL(CProject)
public:
    CProject();
    // value: the archive value (every caller passes 0.0).
    CProject(const char* name, double value);
    // Copies every field, the GUID and the subsystem list (shared objects) included; the copy is not
    // dirty, not open and has no refresh state.
    CProject(const CProject& other);
    CProject& operator=(const CProject& other);
    ~CProject() override = default;

    // The identity, made on first request.
    const CString& GetGUID();
    CString GetGUID() const { return m_GUID; }
    // Stores the flag in Dirty; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    // Named "<None>" (any letter case): the placeholder project of entries without a project.
    BOOL IsNoneProject() const;

    // ---- subsystems (not owned; in outline order) ----
    int GetSubsystemCount() const { return static_cast<int>(m_Subsystems.GetSize()); }
    CSubsystem* GetSubsystemAt(int index) const;
    // First subsystem of that name (ignoring case); nullptr when none.
    CSubsystem* FindSubsystem(const char* name) const;
    void AddSubsystem(CSubsystem* pSubsystem);

    // Schema word 10: Name, ArchiveValue, ProjectType, Description, Active, Client, GUID, Created,
    // Modified, MSProjectFile, Timesheet; reads 1 to 10 and refuses others with badSchema.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CClient* m_pClient = nullptr; // not owned
    CString m_Name;
    CString m_GUID;
    CString m_Description;
    double m_ArchiveValue = 0.0;
    CProjectType* m_pProjectType = nullptr; // not owned
    BYTE m_Active = 1;
    BYTE m_Visible = 1; // the current user may see the project; set by the document
    BYTE m_Dirty = 0;
    CString m_MSProjectFile;
    BYTE m_Timesheet = 0;
    CSubsystemArray m_Subsystems; // not owned
    double m_MileageRate = 0.0;
    int m_Integrate = 0; // 0 none, 1 Microsoft Project file, 2 project server database
    CString m_PSServer;
    CString m_PSDatabase;
    CString m_PSDbo;
    CString m_PSUser;
    CString m_PSPassword; // plain in memory
    int m_PSUniqueID = 0;
    BYTE m_PSWindowNTAuth = 1;
    BYTE m_FileOpen = 0;
    BYTE m_DeferUpdate = 0;
    CTime m_LastUpdate{static_cast<__time64_t>(0)};
    int m_BillingType = 0; // rates from 0 the category, 1 the user, 2 this project
    double m_BillingRate = 100.0;
    double m_SalaryRate = 100.0;
    int m_RefreshState = 0;
    // The document's placeholder project of entries without a project.
    BYTE m_Placeholder = 0;
};

using CProjectArray = CTypedPtrArray<CObArray, CProject*>;
