#include "data/CAccount.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_SERIAL(CAccount, CObject, VERSIONABLE_SCHEMA | 1)

namespace {
constexpr DWORD kSchema = 1;
// Guards the walks up the parent chain against a cycle in damaged data.
constexpr int kMaxDepth = 1000;
} // namespace

CAccount::CAccount() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CAccount::CAccount(const char* name) : CAccount() {
    m_Name = name;
}

CAccount::CAccount(const CAccount& other) : CObject() {
    *this = other;
}

CAccount& CAccount::operator=(const CAccount& other) {
    if (this != &other) {
        m_pDoc = other.m_pDoc;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Name = other.m_Name;
        m_Description = other.m_Description;
        m_GUID = other.m_GUID;
        m_Active = other.m_Active;
        m_ActType = other.m_ActType;
        m_ParentID = other.m_ParentID;
        m_pParent = other.m_pParent;
    }
    m_bModified = 0;
    return *this;
}

const CString& CAccount::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CAccount::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CAccount::SetParent(CAccount* pParent) {
    m_pParent = pParent;
    m_ParentID = pParent != nullptr ? pParent->GetGUID() : CString();
}

CAccount* CAccount::GetParent() {
    if (m_pParent == nullptr && m_pDoc != nullptr && !m_ParentID.IsEmpty())
        m_pParent = m_pDoc->FindAccountByGUID(m_ParentID);
    if (m_pParent == this)
        m_pParent = nullptr;
    return m_pParent;
}

int CAccount::GetLevel() {
    int level = 0;
    for (CAccount* p = GetParent(); p != nullptr && level < kMaxDepth; p = p->GetParent())
        ++level;
    return level;
}

CString CAccount::GetFullName() {
    CString name = m_Name;
    int depth = 0;
    for (CAccount* p = GetParent(); p != nullptr && depth < kMaxDepth; p = p->GetParent(), ++depth)
        name = p->m_Name + ":" + name;
    return name;
}

void CAccount::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_Name << GetGUID() << m_Created << m_Modified;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    // Everything that is written is read back, so that what follows in the archive stays in step.
    ar >> m_Name >> m_GUID >> m_Created >> m_Modified;
}
