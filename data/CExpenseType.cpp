#include "data/CExpenseType.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"

IMPLEMENT_DYNCREATE(CExpenseType, CObject)

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
