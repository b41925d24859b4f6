// The [QuickPicks] table: task templates (a project, subsystem, category and description under a name)
// that users pick to start timing; an empty Username makes a template shared by all. Held in memory as
// CLogEntry objects in the document's quick-pick list.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CLogEntry;
class IProjectTaskWriter;

class CQuickPickSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CQuickPickSet)
public:
    explicit CQuickPickSet(CDatabase* pDatabase = nullptr);

    // The shared templates and those of the current user ("Database\Username"); also set as the filter.
    CString GetLoadFilter(CObject* target = nullptr) override;
    // Merges the current row into the document: a later row updates the document's template, an unknown
    // one is added.
    void TransferRow(CObject* target) override;
    // A template from the current row (times of 0 become now; the owner name as its extra text).
    void LoadQuickPick(CLogEntry& entry, CLogDoc* doc);
    // Turns every row, of every user, into a quick project task stored through writer. False for a
    // null doc or writer, or a failure.
    bool ConvertToProjectTasks(CLogDoc* doc, IProjectTaskWriter* writer);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    CString m_name;
    CString m_projectId;
    CString m_subsystemId;
    CString m_categoryId;
    CString m_desc;
    CString m_username;
};
