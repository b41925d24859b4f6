#include "data/CCategory.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CCategory, CObject, VERSIONABLE_SCHEMA | 6)

namespace {
constexpr DWORD kSchema = 6;
}

CCategory::CCategory() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CCategory::CCategory(const char* name, const char* description) : CCategory() {
    m_Name = name;
    m_Desc = description;
}

CCategory::CCategory(const CCategory& other) : CObject() {
    *this = other;
}

CCategory& CCategory::operator=(const CCategory& other) {
    if (this != &other) {
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Name = other.m_Name;
        m_GUID = other.m_GUID;
        m_Desc = other.m_Desc;
        m_Rate = other.m_Rate;
        m_HourlyRate = other.m_HourlyRate;
        m_Active = other.m_Active;
        m_Visible = other.m_Visible;
        m_ProjectID = other.m_ProjectID;
        m_SubsystemID = other.m_SubsystemID;
        m_UserID = other.m_UserID;
    }
    m_bModified = 0;
    return *this;
}

const CString& CCategory::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CCategory::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CCategory::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GetGUID();
        ar << kSchema << m_Name << m_Desc << m_GUID << m_Rate << m_Created << m_Modified << m_Active;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Name;
    if (schema >= 2)
        ar >> m_Desc;
    if (schema >= 3) {
        ar >> m_GUID;
        GetGUID();
    }
    if (schema >= 4)
        ar >> m_Rate;
    if (schema >= 5)
        ar >> m_Created >> m_Modified;
    if (schema >= 6)
        ar >> m_Active;
}
