// The [ProjectTypes] table: one row per project type.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CProjectType;
class CWnd;

class CProjTypeSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CProjTypeSet)
public:
    explicit CProjTypeSet(CDatabase* pDatabase = nullptr);

    // Reads every row into a new project type of the document. False for a null doc or a failure.
    bool LoadProjectTypes(CLogDoc* doc);
    // Adds a row for every project type of the document whose GUID has none, with progress in the
    // dialog ("Writing project types").
    bool WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    // Writes one project type (its row edited, or added) and bumps the change counter.
    bool SaveProjectType(CLogDoc* doc, CProjectType* type);
    bool DeleteProjectType(CLogDoc* doc, CProjectType* type);

    // The field members from a project type, and back (times of 0 become now).
    void ObjectToRow(CProjectType& type);
    void RowToObject(CProjectType& type);

    // Merges the current row into the document: a later row updates the document's project type, an
    // unknown one is added.
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
};
