#include "data/CProject.h"

#include "data/RecordStamps.h"

#include "data/CClient.h"
#include "data/CProjectType.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "resource.h"

IMPLEMENT_SERIAL(CProject, CObject, VERSIONABLE_SCHEMA | 10)

namespace {
constexpr DWORD kSchema = 10;
}

CProject::CProject()
    : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created),
      m_PSServer(MAKEINTRESOURCE(IDS_PS_DEFAULT_SERVER)),
      m_PSDatabase(MAKEINTRESOURCE(IDS_PS_DEFAULT_DATABASE)), m_PSUser(MAKEINTRESOURCE(IDS_PS_DEFAULT_USER)) {
}

CProject::CProject(const char* name, double value) : CProject() {
    m_Name = name;
    m_ArchiveValue = value;
}

CProject::CProject(const CProject& other) : CObject() {
    *this = other;
}

CProject& CProject::operator=(const CProject& other) {
    if (this == &other)
        return *this;
    m_Created = other.m_Created;
    m_Modified = other.m_Modified;
    m_pClient = other.m_pClient;
    m_Name = other.m_Name;
    m_GUID = other.m_GUID;
    m_Description = other.m_Description;
    m_ArchiveValue = other.m_ArchiveValue;
    m_pProjectType = other.m_pProjectType;
    m_Active = other.m_Active;
    m_Visible = other.m_Visible;
    m_MSProjectFile = other.m_MSProjectFile;
    m_Timesheet = other.m_Timesheet;
    m_Subsystems.Copy(other.m_Subsystems);
    m_MileageRate = other.m_MileageRate;
    m_Integrate = other.m_Integrate;
    m_PSServer = other.m_PSServer;
    m_PSDatabase = other.m_PSDatabase;
    m_PSDbo = other.m_PSDbo;
    m_PSUser = other.m_PSUser;
    m_PSPassword = other.m_PSPassword;
    m_PSUniqueID = other.m_PSUniqueID;
    m_PSWindowNTAuth = other.m_PSWindowNTAuth;
    m_DeferUpdate = other.m_DeferUpdate;
    m_LastUpdate = other.m_LastUpdate;
    m_BillingType = other.m_BillingType;
    m_BillingRate = other.m_BillingRate;
    m_SalaryRate = other.m_SalaryRate;
    m_Placeholder = other.m_Placeholder;
    m_Dirty = 0;
    m_FileOpen = 0;
    m_RefreshState = 0;
    return *this;
}

const CString& CProject::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CProject::SetModified(BOOL modified) {
    StampModified(m_Dirty, m_Modified, modified);
}

BOOL CProject::IsNoneProject() const {
    return m_Name.CompareNoCase(CString(MAKEINTRESOURCE(IDS_NONE))) == 0;
}

CSubsystem* CProject::GetSubsystemAt(int index) const {
    return index >= 0 && index < GetSubsystemCount() ? m_Subsystems.GetAt(index) : nullptr;
}

CSubsystem* CProject::FindSubsystem(const char* name) const {
    for (int i = 0; i < GetSubsystemCount(); ++i) {
        CSubsystem* pSubsystem = m_Subsystems.GetAt(i);
        if (pSubsystem != nullptr && pSubsystem->m_Name.CompareNoCase(name) == 0)
            return pSubsystem;
    }
    return nullptr;
}

void CProject::AddSubsystem(CSubsystem* pSubsystem) {
    m_Subsystems.Add(pSubsystem);
}

void CProject::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GetGUID();
        ar << kSchema << m_Name << m_ArchiveValue;
        ar.WriteObject(m_pProjectType);
        ar << m_Description << m_Active;
        ar.WriteObject(m_pClient);
        ar << m_GUID << m_Created << m_Modified << m_MSProjectFile << m_Timesheet;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Name;
    if (schema >= 2)
        ar >> m_ArchiveValue;
    if (schema >= 3)
        m_pProjectType = static_cast<CProjectType*>(ar.ReadObject(RUNTIME_CLASS(CProjectType)));
    if (schema >= 4)
        ar >> m_Description;
    m_Active = 1;
    if (schema >= 5)
        ar >> m_Active;
    if (schema >= 6)
        m_pClient = static_cast<CClient*>(ar.ReadObject(RUNTIME_CLASS(CClient)));
    if (schema >= 7) {
        ar >> m_GUID;
        GetGUID();
    }
    if (schema >= 8)
        ar >> m_Created >> m_Modified;
    if (schema >= 9)
        ar >> m_MSProjectFile;
    if (schema >= 10)
        ar >> m_Timesheet;
}
