#include "data/CSubsystem.h"

#include "data/RecordStamps.h"

#include "data/CProject.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_SERIAL(CSubsystem, CObject, VERSIONABLE_SCHEMA | 2)

namespace {
constexpr DWORD kSchema = 2;
// Guards the ancestor walks against a parent cycle in damaged data.
constexpr int kMaxDepth = 10000;
} // namespace

CSubsystem::CSubsystem()
    : m_GUID(NewGuidString()), m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CSubsystem::CSubsystem(const char* name) : CSubsystem() {
    m_Name = name;
}

CSubsystem::CSubsystem(const CSubsystem& other) : CObject() {
    *this = other;
}

CSubsystem& CSubsystem::operator=(const CSubsystem& other) {
    if (this != &other) {
        m_GUID = other.m_GUID;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Name = other.m_Name;
        m_Active = other.m_Active;
        m_Level = other.m_Level;
        m_Order = other.m_Order;
        m_ArchiveWord = other.m_ArchiveWord;
        m_ProjectUID = other.m_ProjectUID;
        m_ParentUID = other.m_ParentUID;
        m_pProject = other.m_pProject;
        m_pParent = other.m_pParent;
        m_Value = other.m_Value;
        m_ReferenceUID = other.m_ReferenceUID;
        m_MSTaskUID = other.m_MSTaskUID;
        m_Expanded = other.m_Expanded;
    }
    m_bModified = 0;
    return *this;
}

void CSubsystem::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CSubsystem::ResolveLinks(CLogDoc* pDoc) {
    m_pProject = pDoc != nullptr ? pDoc->FindProjectByGUID(m_ProjectUID, false) : nullptr;
    m_pParent = pDoc != nullptr ? pDoc->FindSubsystemByGUID(m_ParentUID) : nullptr;
    if (m_pParent == this)
        m_pParent = nullptr;
}

CString CSubsystem::GetProjectGUID() const {
    return m_pProject != nullptr ? m_pProject->GetGUID() : CString();
}

bool CSubsystem::IsUnder(const CSubsystem* pOther) const {
    int depth = 0;
    for (const CSubsystem* p = m_pParent; p != nullptr && depth < kMaxDepth; p = p->m_pParent, ++depth) {
        if (p == pOther)
            return true;
    }
    return false;
}

int CSubsystem::GetLevel() const {
    int level = 0;
    for (const CSubsystem* p = m_pParent; p != nullptr && level < kMaxDepth; p = p->m_pParent)
        ++level;
    return level;
}

bool CSubsystem::IsActiveInTree() const {
    int depth = 0;
    for (const CSubsystem* p = this; p != nullptr && depth < kMaxDepth; p = p->m_pParent, ++depth) {
        if ((p->m_Active & 0xFF) == 0)
            return false;
    }
    return true;
}

CString CSubsystem::GetFullName() const {
    CString name = m_Name;
    int depth = 0;
    for (const CSubsystem* p = m_pParent; p != nullptr && depth < kMaxDepth; p = p->m_pParent, ++depth)
        name = p->m_Name + ":" + name;
    return name;
}

void CSubsystem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_GUID << m_Created << m_Modified << m_Name;
        ar << static_cast<DWORD>(m_Level) << static_cast<DWORD>(m_ArchiveWord) << static_cast<DWORD>(m_Order);
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_GUID >> m_Created >> m_Modified >> m_Name >> m_Level >> m_ArchiveWord;
    if (schema >= 2)
        ar >> m_Order;
    // A subsystem always has an identity; an archive with an empty one gets a new one.
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
}
