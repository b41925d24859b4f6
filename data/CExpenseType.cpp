#include "data/CExpenseType.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CExpenseType, CObject, VERSIONABLE_SCHEMA | 6)

namespace {
constexpr DWORD kSchema = 6;
constexpr DWORD kDescriptionSchema = 2;
constexpr DWORD kGuidSchema = 3;
constexpr DWORD kTimesSchema = 5;
} // namespace

CExpenseType::CExpenseType() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CExpenseType::CExpenseType(const char* name, const char* description) : CExpenseType() {
    m_Name = name;
    m_Description = description;
}

CExpenseType::CExpenseType(const CExpenseType& other) : CObject() {
    *this = other;
}

CExpenseType& CExpenseType::operator=(const CExpenseType& other) {
    if (this != &other) {
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Deleted = other.m_Deleted;
        m_Name = other.m_Name;
        m_GUID = other.m_GUID;
        m_Description = other.m_Description;
        m_Flag = other.m_Flag;
        m_Extra = other.m_Extra;
    }
    m_bModified = 0;
    return *this;
}

const CString& CExpenseType::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CExpenseType::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CExpenseType::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_Name << m_Description << GetGUID() << m_Created << m_Modified << m_Flag;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Name;
    if (schema >= kDescriptionSchema)
        ar >> m_Description;
    if (schema >= kGuidSchema)
        ar >> m_GUID; // an empty one is made anew when first asked for
    if (schema >= kTimesSchema)
        ar >> m_Created >> m_Modified;
    if (schema >= kSchema)
        ar >> m_Flag;
}
