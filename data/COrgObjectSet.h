// The [OrgObjects] table: which organization units (users and groups) an object (a project, category,
// user or report) is assigned to. An object with rows is visible only to the units on them.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CObArray.h"
#include "framework/core/CStringArray.h"

class CCategory;
class CLogDoc;
class CProject;
class CUser;

class COrgObjectSet : public CBaseRecordset {
    DECLARE_DYNAMIC(COrgObjectSet)
public:
    explicit COrgObjectSet(CDatabase* pDatabase = nullptr);

    // Appends the unit GUIDs of the object's rows. False when they cannot be read.
    bool ReadUnits(const CString& objectGuid, CStringArray& units, CLogDoc* doc);
    // Appends, in row order, the user or group record of each unit the document knows.
    bool GetAssignedUnits(CProject* project, CObArray& units, CLogDoc* doc);
    bool GetAssignedUnits(CUser* user, CObArray& units, CLogDoc* doc);
    bool GetAssignedUnits(CCategory* category, CObArray& units, CLogDoc* doc);
    bool GetAssignedUnits(const CString& objectGuid, CObArray& units, CLogDoc* doc);
    // Removes every row of the object.
    bool DeleteObject(const CString& objectGuid, CLogDoc* doc);
    // Replaces the object's rows by one row per unit, all or nothing: when a row cannot be written the
    // earlier rows stay.
    bool SaveObject(const CString& objectGuid, const CStringArray& units, CLogDoc* doc);
    // Adds one row (always inheriting).
    bool AddRow(const CString& objectGuid, const CString& unitGuid, CLogDoc* doc);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_objectId;
    CString m_organizationId;
    long m_inherit = 0;

private:
    void DeleteRows();
    void AddRowNow(const CString& objectGuid, const CString& unitGuid);
};
