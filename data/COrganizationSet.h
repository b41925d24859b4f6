// The [Organization] table, the older form of the organization: one row per group with its place in
// the tree of groups (Hierarchy), its member names and their access texts. Read into the process-wide
// organization tree.
#pragma once

#include "data/CBaseRecordset.h"

class CLogDoc;

class COrganizationSet : public CBaseRecordset {
    DECLARE_DYNAMIC(COrganizationSet)
public:
    explicit COrganizationSet(CDatabase* pDatabase = nullptr);

    // Reads every row whose group the document does not know yet into a group of the organization tree
    // (registered with the document by GUID) and places the groups in the tree; what was read before a
    // failure is still placed. False for a null doc or when the set cannot be opened or read.
    bool LoadTree(CLogDoc* doc);
    // A reload: the groups added since the last load join the tree (the groups already in it stay, as
    // the document and the tree point at them).
    bool LoadAll(CObject* target) override;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_guid;
    CString m_group;
    CString m_users;
    CString m_hierarchy;
    CString m_reports;
    CString m_selection;
};
