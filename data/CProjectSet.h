// The [Projects] table: one row per project. Project names are stored with their apostrophes turned
// into backquotes (and back when read), as every copy of the program sharing the table keeps them.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CProject;
class CWnd;

class CProjectSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CProjectSet)
public:
    explicit CProjectSet(CDatabase* pDatabase = nullptr);

    // The field members from a project (times of 0 become now, the password scrambled, the name in its
    // stored form). The caller has called AddNew or Edit.
    void ObjectToRow(CProject& project);
    // A project from the current row, out-of-range numbers repaired; the document gives the project type
    // and the client by GUID.
    void RowToObject(CProject& project, CLogDoc* doc);

    // Reads the whole table, by name, into the document's project list. False for a null doc or a
    // failure.
    bool LoadProjects(CLogDoc* doc);
    // Writes one project: its row by GUID is edited; else a row with the same name takes the project's
    // data and the project takes that row's GUID (unless another project of the document holds it);
    // else a row is added. Bumps the change counter when written.
    bool SaveProject(CLogDoc* doc, CProject* project);
    // Adds a row for every project of the document whose GUID has none ("Writing projects").
    bool WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    bool DeleteProject(CLogDoc* doc, CProject* project);
    // Opens the set on the row named name (in its stored form, matched exactly).
    bool FindByName(const CString& name);

    // Merges the current row into the document: a later row updates the document's project, an unknown
    // one is added unless its name is taken.
    void TransferRow(CObject* target) override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    CString m_name;
    CString m_description;
    CString m_projectTypeId;
    CString m_clientId;
    BOOL m_active = FALSE;
    CString m_msProjectFile;
    long m_timesheet = 0;
    double m_mileageRate = 0.0;
    long m_integrate = 0;
    CString m_psServer;
    CString m_psDatabase;
    CString m_psDbo;
    CString m_psUser;
    CString m_psPassword;
    long m_psUniqueId = 0;
    long m_psWindowNTAuth = 0;
    long m_deferUpdate = 0;
    CTime m_lastUpdate;
    long m_billingType = 0;
    double m_billingRate = 100.0;
    double m_salaryRate = 100.0;
};
