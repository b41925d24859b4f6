#include "data/CProjTypeSet.h"

#include "data/CProjectType.h"
#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(CProjTypeSet, CBaseRecordset)

CProjTypeSet::CProjTypeSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 4;
}

CString CProjTypeSet::GetDefaultSQL() {
    return "[ProjectTypes]";
}

void CProjTypeSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
}

void CProjTypeSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Project Types", e);
}

void CProjTypeSet::ObjectToRow(CProjectType& type) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(type.m_Created, now);
    m_modified = TimeOr(type.m_Modified, now);
    m_guid = type.GetGUID();
    m_name = type.m_Name;
}

void CProjTypeSet::RowToObject(CProjectType& type) {
    const CTime now = CTime::GetCurrentTime();
    type.m_Created = TimeOr(m_created, now);
    type.m_Modified = TimeOr(m_modified, now);
    type.m_GUID = m_guid;
    type.m_Name = m_name;
}

bool CProjTypeSet::LoadProjectTypes(CLogDoc* doc) {
    return doc && LoadRows<CProjectType>(
                      *this, doc, "", [&](CProjectType& type) { RowToObject(type); },
                      [&](CProjectType* type) { doc->AddProjectType(type); });
}

bool CProjTypeSet::WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    return doc && WriteMissingRows(
                      *this, doc, dialog, textId, progressId, "Writing project types",
                      static_cast<int>(doc->m_ProjectTypes.GetSize()),
                      [&](int i) { return doc->GetProjectTypeAt(i); },
                      [&](CProjectType& type) { ObjectToRow(type); });
}

bool CProjTypeSet::SaveProjectType(CLogDoc* doc, CProjectType* type) {
    return doc && type && SaveSharedRow(*this, doc, type->GetGUID(), [&] { ObjectToRow(*type); });
}

bool CProjTypeSet::DeleteProjectType(CLogDoc* doc, CProjectType* type) {
    if (!doc || !type)
        return false;
    return DeleteByGUID(doc, type->GetGUID());
}

void CProjTypeSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto type = std::make_unique<CProjectType>();
    RowToObject(*type);
    if (CProjectType* existing = doc->FindProjectTypeByGUID(m_guid)) {
        if (type->m_Modified > existing->m_Modified) {
            *existing = *type;
            existing->m_bModified = 0;
        }
        return;
    }
    doc->AddProjectType(type.release());
    doc->ApplyUserVisibility(true, true, true);
}
