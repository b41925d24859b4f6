#include "data/CProjectSet.h"

#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CProjectType.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CProjectSet, CBaseRecordset)

namespace {

constexpr double kMaxRate = 100000.0;
constexpr double kMaxMileageRate = 500.0;
constexpr long kMaxId = 10000;
constexpr long kMaxIntegrate = 10;

CString StoredName(const CString& name) {
    CString stored = name;
    ReplaceApostrophes(stored, true);
    return stored;
}

} // namespace

CProjectSet::CProjectSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 24;
}

CString CProjectSet::GetDefaultSQL() {
    return "[Projects]";
}

void CProjectSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    // A long-text column: read whole.
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
    RFX_Text(pFX, "[ProjectTypeID]", m_projectTypeId, 255);
    RFX_Text(pFX, "[ClientID]", m_clientId, 255);
    RFX_Bool(pFX, "[Active]", m_active);
    RFX_Text(pFX, "[MSProjectFile]", m_msProjectFile, 255);
    RFX_Long(pFX, "[Timesheet]", m_timesheet);
    RFX_Double(pFX, "[MileageRate]", m_mileageRate);
    RFX_Long(pFX, "[Integrate]", m_integrate);
    RFX_Text(pFX, "[PSServer]", m_psServer, 255);
    RFX_Text(pFX, "[PSDatabase]", m_psDatabase, 255);
    RFX_Text(pFX, "[PSDbo]", m_psDbo, 255);
    RFX_Text(pFX, "[PSUser]", m_psUser, 255);
    RFX_Text(pFX, "[PSPassword]", m_psPassword, 255);
    RFX_Long(pFX, "[PSUniqueID]", m_psUniqueId);
    RFX_Long(pFX, "[PSWindowNTAuth]", m_psWindowNTAuth);
    RFX_Long(pFX, "[DeferUpdate]", m_deferUpdate);
    RFX_Date(pFX, "[LastUpdate]", m_lastUpdate);
    RFX_Long(pFX, "[BillingType]", m_billingType);
    RFX_Double(pFX, "[BillingRate]", m_billingRate);
    RFX_Double(pFX, "[SalaryRate]", m_salaryRate);
}

void CProjectSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Projects", e);
}

void CProjectSet::ObjectToRow(CProject& project) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(project.m_Created, now);
    m_modified = TimeOr(project.m_Modified, now);
    m_guid = project.GetGUID();
    m_name = StoredName(project.m_Name);
    m_description = project.m_Description;
    m_active = project.m_Active ? TRUE : FALSE;
    m_msProjectFile = project.m_MSProjectFile;
    m_timesheet = project.m_Timesheet ? 1 : 0;
    m_integrate = project.m_Integrate;
    m_mileageRate = project.m_MileageRate;
    m_psServer = project.m_PSServer;
    m_psDatabase = project.m_PSDatabase;
    m_psDbo = project.m_PSDbo;
    m_psUser = project.m_PSUser;
    m_psPassword = ScrambleText(project.m_PSPassword);
    m_psUniqueId = project.m_PSUniqueID;
    m_psWindowNTAuth = project.m_PSWindowNTAuth;
    m_deferUpdate = project.m_DeferUpdate;
    m_lastUpdate = project.m_LastUpdate;
    m_billingType = project.m_BillingType;
    m_billingRate = project.m_BillingRate;
    m_salaryRate = project.m_SalaryRate;
    m_projectTypeId = project.m_pProjectType ? project.m_pProjectType->GetGUID() : CString();
    m_clientId = project.m_pClient ? project.m_pClient->GetGUID() : CString();
}

void CProjectSet::RowToObject(CProject& project, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    CString name = m_name;
    ReplaceApostrophes(name, false);
    const long billingType = LongOr(*this, m_billingType, 0);
    const long uniqueId = LongOr(*this, m_psUniqueId, 0);
    const long integrate = LongOr(*this, m_integrate, 0);
    project.m_Created = TimeOr(m_created, now);
    project.m_Modified = TimeOr(m_modified, now);
    project.m_GUID = m_guid;
    project.m_Name = name;
    project.m_Description = m_description;
    project.m_Active = m_active ? 1 : 0;
    project.m_MSProjectFile = m_msProjectFile;
    project.m_Timesheet = m_timesheet == 1 ? 1 : 0;
    // A password stored by an older program in plain text is taken as it stands.
    CString password;
    project.m_PSPassword = UnscrambleText(m_psPassword, password) ? password : m_psPassword;
    project.m_PSServer = m_psServer;
    project.m_PSDatabase = m_psDatabase;
    project.m_PSDbo = m_psDbo;
    project.m_PSUser = m_psUser;
    project.m_PSUniqueID = uniqueId > kMaxId ? 0 : uniqueId;
    project.m_PSWindowNTAuth = LongOr(*this, m_psWindowNTAuth, 1) != 0 ? 1 : 0;
    project.m_DeferUpdate = m_deferUpdate == 1 ? 1 : 0;
    project.m_LastUpdate = m_lastUpdate;
    project.m_BillingType = billingType > kMaxId ? 0 : billingType;
    project.m_BillingRate = BoundedOr(m_billingRate, 0.0, kMaxRate, 0.0);
    project.m_SalaryRate = BoundedOr(m_salaryRate, 0.0, kMaxRate, 0.0);
    project.m_pProjectType = doc ? doc->FindProjectTypeByGUID(m_projectTypeId) : nullptr;
    project.m_pClient = doc ? doc->FindClientByGUID(m_clientId) : nullptr;
    project.m_Integrate = integrate > kMaxIntegrate ? (m_msProjectFile.IsEmpty() ? 0 : 1) : integrate;
    const double mileage = BoundedOr(m_mileageRate, -kMaxRate, kMaxRate, 0.0);
    project.m_MileageRate = mileage > kMaxMileageRate ? 0.0 : mileage;
}

bool CProjectSet::LoadProjects(CLogDoc* doc) {
    return doc && LoadRows<CProject>(
                      *this, doc, "[Name] ASC", [&](CProject& project) { RowToObject(project, doc); },
                      [&](CProject* project) { doc->AddProject(project); });
}

bool CProjectSet::FindByName(const CString& name) {
    m_strFilter = SqlEquals("Name", name);
    Refresh();
    return IsOpen() && !IsEOF() && m_name == name;
}

bool CProjectSet::SaveProject(CLogDoc* doc, CProject* project) {
    if (!doc || !project)
        return false;
    const CString guid = project->GetGUID();
    const CString name = StoredName(project->m_Name);
    return SaveSharedRow(
        *this, doc, guid, [&] { ObjectToRow(*project); },
        [&] {
            // A row of this name that no other project of the document stands for: the project takes it over.
            if (FindByName(name) && !m_guid.IsEmpty() && !doc->FindProjectByGUID(m_guid, false))
                project->m_GUID = m_guid;
            return project->m_GUID;
        });
}

bool CProjectSet::WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    return doc &&
           WriteMissingRows(
               *this, doc, dialog, textId, progressId, "Writing projects", doc->GetProjectCount(),
               [&](int i) { return doc->GetProjectAt(i); }, [&](CProject& project) { ObjectToRow(project); });
}

bool CProjectSet::DeleteProject(CLogDoc* doc, CProject* project) {
    if (!doc || !project)
        return false;
    return DeleteByGUID(doc, project->GetGUID());
}

void CProjectSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    if (CProject* existing = doc->FindProjectByGUID(m_guid, false)) {
        // Only the columns change: the project keeps its subsystems, its plan and its place.
        if (TimeOr(m_modified, CTime::GetCurrentTime()) > existing->m_Modified) {
            RowToObject(*existing, doc);
            existing->m_Dirty = 0;
            doc->ApplyUserVisibility(true, false, false);
        }
        return;
    }
    auto project = std::make_unique<CProject>();
    RowToObject(*project, doc);
    if (doc->FindProjectByName(project->m_Name))
        return;
    doc->AddProject(project.release());
    doc->SortProjects();
    doc->ApplyUserVisibility(true, false, false);
}
