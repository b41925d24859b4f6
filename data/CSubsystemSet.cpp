#include "data/CSubsystemSet.h"

#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CSubsystemSet, CBaseRecordset)

namespace {

constexpr double kFixedRate = 100.0;

} // namespace

CSubsystemSet::CSubsystemSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 15;
}

CString CSubsystemSet::GetDefaultSQL() {
    return "[Subsystems]";
}

void CSubsystemSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[ExtendedName]", m_extendedName, 255);
    RFX_Text(pFX, "[ProjectUID]", m_projectUID, 255);
    RFX_Text(pFX, "[ParentUID]", m_parentUID, 255);
    RFX_Long(pFX, "[Level]", m_level);
    RFX_Long(pFX, "[Order]", m_order);
    RFX_Text(pFX, "[ReferenceUID]", m_referenceUID, 255);
    RFX_Long(pFX, "[MSTaskUID]", m_msTaskUID);
    RFX_Long(pFX, "[Active]", m_active);
    RFX_Double(pFX, "[BillingRate]", m_billingRate);
    RFX_Double(pFX, "[SalaryRate]", m_salaryRate);
}

void CSubsystemSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError(GetErrorCaption(), e);
}

void CSubsystemSet::ObjectToRow(CSubsystem& subsystem) {
    m_guid = subsystem.GetGUID();
    m_created = subsystem.m_Created;
    m_modified = subsystem.m_Modified;
    m_name = subsystem.m_Name;
    m_active = subsystem.m_Active & 0xFF;
    m_level = subsystem.GetLevel();
    m_parentUID = subsystem.m_pParent ? subsystem.m_pParent->GetGUID() : CString();
    m_projectUID = subsystem.GetProjectGUID();
    m_order = subsystem.m_Order;
    m_referenceUID = subsystem.m_ReferenceUID;
    m_msTaskUID = subsystem.m_MSTaskUID;
    m_billingRate = m_salaryRate = kFixedRate;
    m_extendedName = subsystem.GetFullName().Left(255);
}

void CSubsystemSet::RowToObject(CSubsystem& subsystem) {
    const long order = LongOr(*this, m_order, 0);
    const long taskId = LongOr(*this, m_msTaskUID, 0);
    const long active = LongOr(*this, m_active, 1);
    subsystem.m_GUID = m_guid;
    subsystem.m_Created = m_created;
    subsystem.m_Modified = m_modified;
    subsystem.m_Name = m_name;
    subsystem.m_Active = active >= 1 ? 1 : 0;
    subsystem.m_Level = LongOr(*this, m_level, 0);
    subsystem.m_Order = order > 10000 ? 0 : order;
    subsystem.m_ProjectUID = m_projectUID;
    subsystem.m_ParentUID = m_parentUID;
    subsystem.m_ReferenceUID = m_referenceUID;
    subsystem.m_MSTaskUID = taskId > 100000 ? 0 : taskId;
}

bool CSubsystemSet::LoadSubsystems(CLogDoc* doc) {
    return doc &&
           LoadRows<CSubsystem>(
               *this, doc, "[Order] ASC, [Name] ASC", [&](CSubsystem& subsystem) { RowToObject(subsystem); },
               [&](CSubsystem* subsystem) { doc->AddSubsystem(subsystem); });
}

bool CSubsystemSet::SaveSubsystem(CLogDoc* doc, CSubsystem* subsystem) {
    return doc && subsystem &&
           SaveSharedRow(*this, doc, subsystem->GetGUID(), [&] { ObjectToRow(*subsystem); });
}

bool CSubsystemSet::DeleteSubsystem(CLogDoc* doc, CSubsystem* subsystem) {
    if (!doc || !subsystem)
        return false;
    return DeleteByGUID(doc, subsystem->GetGUID());
}

void CSubsystemSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto subsystem = std::make_unique<CSubsystem>();
    RowToObject(*subsystem);
    if (CSubsystem* existing = doc->FindSubsystemByGUID(m_guid)) {
        if (subsystem->m_Modified > existing->m_Modified) {
            *existing = *subsystem;
            existing->m_bModified = 0;
            // The row names its project and parent by GUID; the links follow them.
            existing->ResolveLinks(doc);
        }
        return;
    }
    CSubsystem* added = subsystem.release();
    doc->AddSubsystem(added);
    added->ResolveLinks(doc);
    if (added->m_pProject)
        added->m_pProject->AddSubsystem(added);
}
