// The [Subsystems] table: one row per subsystem of a project.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CSubsystem;

class CSubsystemSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CSubsystemSet)
public:
    explicit CSubsystemSet(CDatabase* pDatabase = nullptr);

    // Reads every row (by order, then name) into a new subsystem of the document; the document links
    // them to their projects and parents afterwards. False for a null doc or a failure.
    bool LoadSubsystems(CLogDoc* doc);
    // Writes one subsystem (its row edited, or added) and bumps the change counter.
    bool SaveSubsystem(CLogDoc* doc, CSubsystem* subsystem);
    bool DeleteSubsystem(CLogDoc* doc, CSubsystem* subsystem);

    // The field members from a subsystem: level, parent and project from its links, the full name as
    // extended name, and both rates 100.
    virtual void ObjectToRow(CSubsystem& subsystem);
    // A subsystem from the row (out-of-range order and task id become 0).
    virtual void RowToObject(CSubsystem& subsystem);
    virtual void ClearGUID() { m_guid.Empty(); }
    virtual void SetDeletedNow() { m_deleted = CTime::GetCurrentTime(); }
    virtual CString GetErrorCaption() const { return "Subsystems"; }

    // Merges the current row into the document: a later row updates the document's subsystem, an
    // unknown one is added.
    void TransferRow(CObject* target) override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_name;
    CString m_extendedName;
    CString m_projectUID;
    CString m_parentUID;
    long m_level = 0;
    long m_order = 0;
    CString m_referenceUID;
    long m_msTaskUID = 0;
    long m_active = 1;
    double m_billingRate = 100.0;
    double m_salaryRate = 100.0;
};
