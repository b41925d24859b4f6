#include "data/COrgObjectSet.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(COrgObjectSet, CBaseRecordset)

COrgObjectSet::COrgObjectSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 3;
}

CString COrgObjectSet::GetDefaultSQL() {
    return "[OrgObjects]";
}

void COrgObjectSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[ObjectID]", m_objectId, 255);
    RFX_Text(pFX, "[OrganizationID]", m_organizationId, 255);
    RFX_Long(pFX, "[Inherit]", m_inherit);
}

void COrgObjectSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Org objects", e);
}

bool COrgObjectSet::ReadUnits(const CString& objectGuid, CStringArray& units, CLogDoc* doc) {
    if (!Reopen(SqlEquals("ObjectID", objectGuid)))
        return false;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext())
            units.Add(m_organizationId);
        Close();
        return true;
    });
}

bool COrgObjectSet::GetAssignedUnits(const CString& objectGuid, CObArray& units, CLogDoc* doc) {
    CStringArray guids;
    if (!doc || !ReadUnits(objectGuid, guids, doc))
        return false;
    for (INT_PTR i = 0; i < guids.GetSize(); ++i)
        if (CUser* unit = doc->FindUserByGUID(guids.GetAt(i)))
            units.Add(unit);
    return true;
}

bool COrgObjectSet::GetAssignedUnits(CProject* project, CObArray& units, CLogDoc* doc) {
    return project && GetAssignedUnits(project->GetGUID(), units, doc);
}

bool COrgObjectSet::GetAssignedUnits(CUser* user, CObArray& units, CLogDoc* doc) {
    return user && GetAssignedUnits(user->GetGUID(), units, doc);
}

bool COrgObjectSet::GetAssignedUnits(CCategory* category, CObArray& units, CLogDoc* doc) {
    return category && GetAssignedUnits(category->GetGUID(), units, doc);
}

void COrgObjectSet::DeleteRows() {
    for (; !IsEOF(); MoveNext())
        Delete();
}

void COrgObjectSet::AddRowNow(const CString& objectGuid, const CString& unitGuid) {
    AddNew();
    m_objectId = objectGuid;
    m_organizationId = unitGuid;
    m_inherit = 1;
    Update();
}

bool COrgObjectSet::DeleteObject(const CString& objectGuid, CLogDoc* doc) {
    if (!Reopen(SqlEquals("ObjectID", objectGuid)))
        return false;
    return RunReported(doc, [&] {
        DeleteRows();
        Close();
        return true;
    });
}

bool COrgObjectSet::SaveObject(const CString& objectGuid, const CStringArray& units, CLogDoc* doc) {
    if (!Reopen(SqlEquals("ObjectID", objectGuid)))
        return false;
    // One transaction: an object must never lose its assignments half way (it would be shown to all).
    const bool own =
        m_pDatabase->CanTransact() && !m_pDatabase->IsTransactionPending() && m_pDatabase->BeginTrans();
    const bool saved = RunReported(doc, [&] {
        DeleteRows();
        for (INT_PTR i = 0; i < units.GetSize(); ++i)
            AddRowNow(objectGuid, units.GetAt(i));
        if (own)
            m_pDatabase->CommitTrans();
        Close();
        return true;
    });
    if (!saved && own && m_pDatabase->IsTransactionPending()) {
        try {
            m_pDatabase->Rollback();
        } catch (CDBException* e) {
            e->Delete();
        }
    }
    return saved;
}

bool COrgObjectSet::AddRow(const CString& objectGuid, const CString& unitGuid, CLogDoc* doc) {
    m_strFilter.Empty();
    if (!IsOpen() && !Open())
        return false;
    return RunReported(doc, [&] {
        AddRowNow(objectGuid, unitGuid);
        Close();
        return true;
    });
}
