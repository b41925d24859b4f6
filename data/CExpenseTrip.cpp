#include "data/CExpenseTrip.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CExpenseTrip, CObject, VERSIONABLE_SCHEMA | 6)

namespace {
constexpr DWORD kSchema = 6;
} // namespace

CExpenseTrip::CExpenseTrip()
    : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created), m_StartDate(m_Created),
      m_EndDate(m_Created) {}

CExpenseTrip::CExpenseTrip(const CExpenseTrip& other) : CObject() {
    *this = other;
}

CExpenseTrip& CExpenseTrip::operator=(const CExpenseTrip& other) {
    if (this != &other) {
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Deleted = other.m_Deleted;
        m_GUID = other.m_GUID;
        m_UserID = other.m_UserID;
        m_Name = other.m_Name;
        m_Description = other.m_Description;
        m_StartDate = other.m_StartDate;
        m_EndDate = other.m_EndDate;
        m_Active = other.m_Active;
        m_Extra = other.m_Extra;
    }
    m_bModified = 0;
    return *this;
}

const CString& CExpenseTrip::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CExpenseTrip::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CExpenseTrip::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_Name << m_Description << GetGUID() << m_Created << m_Modified << m_Active;
        ar << m_UserID << m_StartDate << m_EndDate;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Name >> m_Description >> m_GUID >> m_Created >> m_Modified >> m_Active;
    ar >> m_UserID >> m_StartDate >> m_EndDate;
}
