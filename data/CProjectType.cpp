#include "data/CProjectType.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CProjectType, CObject, VERSIONABLE_SCHEMA | 3)

namespace {
constexpr DWORD kSchema = 3;
}

CProjectType::CProjectType() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CProjectType::CProjectType(const char* name) : CProjectType() {
    m_Name = name;
}

CProjectType::CProjectType(const CProjectType& other) : CObject() {
    *this = other;
}

CProjectType& CProjectType::operator=(const CProjectType& other) {
    if (this != &other) {
        m_Name = other.m_Name;
        m_GUID = other.m_GUID;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
    }
    m_bModified = 0;
    return *this;
}

const CString& CProjectType::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CProjectType::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CProjectType::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GetGUID();
        ar << kSchema << m_Name << m_GUID << m_Created << m_Modified;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Name;
    if (schema >= 2) {
        ar >> m_GUID;
        GetGUID();
    }
    if (schema >= 3)
        ar >> m_Created >> m_Modified;
}
