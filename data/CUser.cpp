#include "data/CUser.h"

#include "data/RecordStamps.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CUser, CObject, VERSIONABLE_SCHEMA | 2)

namespace {
constexpr DWORD kSchema = 2;
constexpr DWORD kPlainPasswordSchema = 1;
// Guards the walks up the parent chain against a cycle in damaged data.
constexpr int kMaxDepth = 10000;
} // namespace

CUser::CUser() : m_GUID(NewGuidString()), m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {}

CUser::CUser(const char* user) : CUser() {
    m_User = user;
}

CUser::CUser(const CUser& other) : CObject() {
    *this = other;
}

CUser& CUser::operator=(const CUser& other) {
    if (this != &other) {
        m_GUID = other.m_GUID;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_User = other.m_User;
        m_FullName = other.m_FullName;
        m_Email = other.m_Email;
        m_ParentUID = other.m_ParentUID;
        m_pParent = other.m_pParent;
        m_Workgroup = other.m_Workgroup;
        m_Active = other.m_Active;
        m_Visible = other.m_Visible;
        m_GetEmails = other.m_GetEmails;
        m_Password = other.m_Password;
        m_Admin = other.m_Admin;
        m_CurrentUser = other.m_CurrentUser;
        m_MSRsrcName = other.m_MSRsrcName;
        m_PSRsrcName = other.m_PSRsrcName;
        m_BillingRate = other.m_BillingRate;
        m_HourlyRate = other.m_HourlyRate;
        m_QBInclude = other.m_QBInclude;
        m_QBEmployee = other.m_QBEmployee;
        m_Rights = other.m_Rights;
    }
    m_bModified = 0;
    m_PendingUpdate = 0;
    return *this;
}

CString CUser::GetDisplayName() const {
    return m_FullName.IsEmpty() ? m_User : m_FullName;
}

void CUser::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

bool CUser::HasRight(int n, bool includeParents) const {
    if (includeParents && m_pParent != nullptr) {
        int depth = 0;
        for (const CUser* p = m_pParent; p != nullptr && depth < kMaxDepth; p = p->m_pParent, ++depth) {
            if (!p->HasRight(n, false))
                return false;
        }
    }
    return n > m_Rights.GetLength() || n < 1 || m_Rights.GetAt(n - 1) == '1';
}

void CUser::SetRight(int n, bool grant) {
    if (n < 1 || (grant && n > m_Rights.GetLength()))
        return;
    while (m_Rights.GetLength() < n)
        m_Rights += '1';
    m_Rights.SetAt(n - 1, grant ? '1' : '0');
}

int CUser::GetDepth() const {
    int depth = 0;
    for (const CUser* p = m_pParent; p != nullptr && depth < kMaxDepth; p = p->m_pParent)
        ++depth;
    return depth;
}

bool CUser::IsUnder(const CUser* pGroup) const {
    int depth = 0;
    for (const CUser* p = m_pParent; p != nullptr && depth < kMaxDepth; p = p->m_pParent, ++depth) {
        if (p == pGroup)
            return true;
    }
    return false;
}

bool CUser::IsAncestorOf(const CUserArray& all, const CUser* pOther) const {
    return IsAncestorOf(all, pOther, 0);
}

bool CUser::IsAncestorOf(const CUserArray& all, const CUser* pOther, int depth) const {
    if (pOther == this)
        return true;
    if (!IsGroup() || pOther == nullptr || depth > kMaxDepth)
        return false;
    if (pOther->m_pParent == this)
        return true;
    for (INT_PTR i = 0; i < all.GetSize(); ++i) {
        const CUser* pChild = all.GetAt(i);
        if (pChild != nullptr && pChild != this && pChild->m_pParent == this && pChild->IsGroup() &&
            pChild->IsAncestorOf(all, pOther, depth + 1))
            return true;
    }
    return false;
}

void CUser::CollectMembers(const CUserArray& all, CStringArray& groups, CStringArray& members) const {
    if (IsGroup())
        groups.Add(m_GUID);
    for (INT_PTR i = 0; i < all.GetSize(); ++i) {
        const CUser* pChild = all.GetAt(i);
        if (pChild == nullptr || pChild->m_pParent != this || pChild == this)
            continue;
        if (pChild->IsGroup()) {
            if (!IsUnder(pChild)) // a parent cycle in damaged data ends here
                pChild->CollectMembers(all, groups, members);
        } else {
            members.Add(pChild->m_GUID);
        }
    }
}

void CUser::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_GUID << m_Created << m_Modified << m_User << m_FullName << m_Email;
        ar << m_Workgroup << m_Active << m_Admin << ScrambleText(m_Password);
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema != kSchema && schema != kPlainPasswordSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CString password;
    ar >> m_GUID >> m_Created >> m_Modified >> m_User >> m_FullName >> m_Email;
    ar >> m_Workgroup >> m_Active >> m_Admin >> password;
    if (schema == kPlainPasswordSchema)
        m_Password = password;
    else if (!UnscrambleText(password, m_Password))
        AfxThrowArchiveException(CArchiveException::badSchema);
}
