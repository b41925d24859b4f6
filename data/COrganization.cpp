#include "data/COrganization.h"

IMPLEMENT_DYNAMIC(COrganization, CObject)

COrganization::~COrganization() {
    RemoveAll();
}

COrganization& COrganization::Get() {
    static COrganization organization;
    return organization;
}

void COrganization::RemoveAll() {
    for (INT_PTR i = 0; i < m_Groups.GetSize(); ++i)
        delete m_Groups.GetAt(i);
    m_Groups.RemoveAll();
    for (INT_PTR i = 0; i < m_Loaded.GetSize(); ++i)
        delete m_Loaded.GetAt(i);
    m_Loaded.RemoveAll();
}

COrgGroup* COrganization::FindByChildHierarchy(const COrgGroupArray& groups, const CString& hierarchy) {
    for (INT_PTR i = 0; i < groups.GetSize(); ++i) {
        COrgGroup* pGroup = groups.GetAt(i);
        if (pGroup->GetChildHierarchy().CompareNoCase(hierarchy) == 0)
            return pGroup;
        if (COrgGroup* pFound = FindByChildHierarchy(pGroup->m_Groups, hierarchy))
            return pFound;
    }
    return nullptr;
}

void COrganization::BuildTree() {
    const INT_PTR passes = m_Loaded.GetSize();
    for (INT_PTR pass = 0; pass < passes; ++pass) {
        bool attached = false;
        for (INT_PTR i = 0; i < m_Loaded.GetSize() && !attached; ++i) {
            COrgGroup* pGroup = m_Loaded.GetAt(i);
            if (pGroup->m_Hierarchy.IsEmpty()) {
                pGroup->m_pParent = nullptr;
                m_Groups.Add(pGroup);
                attached = true;
            } else if (COrgGroup* pParent = FindByChildHierarchy(m_Groups, pGroup->m_Hierarchy)) {
                pGroup->m_pParent = pParent;
                pParent->m_Groups.Add(pGroup);
                attached = true;
            }
            if (attached)
                m_Loaded.RemoveAt(i);
        }
        if (!attached)
            break;
    }
    for (INT_PTR i = 0; i < m_Loaded.GetSize(); ++i) {
        COrgGroup* pGroup = m_Loaded.GetAt(i);
        pGroup->m_Hierarchy.Empty();
        pGroup->m_pParent = nullptr;
        m_Groups.Add(pGroup);
    }
    m_Loaded.RemoveAll();
}

// ---------------------------------------------------------------- conversion into records

void COrganization::ConvertToUsers(CLogDoc* pDoc) {
    for (INT_PTR i = 0; i < m_Groups.GetSize(); ++i)
        m_Groups.GetAt(i)->ConvertToUsers(pDoc, nullptr);
}

// ---------------------------------------------------------------- edits

COrgGroup* COrganization::FindGroup(const COrgGroupArray& groups, const char* name) {
    for (INT_PTR i = 0; i < groups.GetSize(); ++i) {
        COrgGroup* pGroup = groups.GetAt(i);
        if (pGroup->m_Name.CompareNoCase(name) == 0)
            return pGroup;
        if (COrgGroup* pFound = FindGroup(pGroup->m_Groups, name))
            return pFound;
    }
    return nullptr;
}

COrgGroup* COrganization::FindGroup(const char* name) const {
    return FindGroup(m_Groups, name);
}

COrgGroup* COrganization::FindGroupOfUser(const COrgGroupArray& groups, const char* userName) {
    for (INT_PTR i = 0; i < groups.GetSize(); ++i) {
        COrgGroup* pGroup = groups.GetAt(i);
        for (INT_PTR j = 0; j < pGroup->m_Users.GetSize(); ++j) {
            if (pGroup->m_Users.GetAt(j)->m_Name.CompareNoCase(userName) == 0)
                return pGroup;
        }
        if (COrgGroup* pFound = FindGroupOfUser(pGroup->m_Groups, userName))
            return pFound;
    }
    return nullptr;
}

COrgGroup* COrganization::FindGroupOfUser(const char* userName) const {
    return FindGroupOfUser(m_Groups, userName);
}

CString COrganization::FindGroupGUIDOfUser(const char* userName) const {
    COrgGroup* pGroup = FindGroupOfUser(userName);
    return pGroup != nullptr ? pGroup->GetGUID() : CString();
}

COrgGroup* COrganization::AddGroup(COrgGroup* pParent, const char* name) {
    auto* pGroup = new COrgGroup;
    pGroup->GetGUID();
    pGroup->m_Name = name;
    pGroup->m_pParent = pParent;
    if (pParent != nullptr) {
        pGroup->m_Hierarchy = pParent->GetChildHierarchy();
        pParent->m_Groups.Add(pGroup);
    } else {
        m_Groups.Add(pGroup);
    }
    return pGroup;
}

COrgUser* COrganization::AddUser(COrgGroup* pGroup, const char* userName) {
    if (pGroup == nullptr)
        return nullptr;
    auto* pUser = new COrgUser(pGroup, userName, "", pGroup->GetGUID());
    pGroup->m_Users.Add(pUser);
    return pUser;
}

void COrganization::RenameGroup(COrgGroup* pGroup, const char* name) {
    if (pGroup == nullptr)
        return;
    // Every group below carries the renamed group's path in its own: replace that leading part.
    const CString oldPath = pGroup->GetChildHierarchy();
    pGroup->m_Name = name;
    const CString newPath = pGroup->GetChildHierarchy();
    COrgGroupArray below;
    auto collect = [&below](const COrgGroup* pParent, auto& self) -> void {
        for (INT_PTR i = 0; i < pParent->m_Groups.GetSize(); ++i) {
            below.Add(pParent->m_Groups.GetAt(i));
            self(pParent->m_Groups.GetAt(i), self);
        }
    };
    collect(pGroup, collect);
    for (INT_PTR i = 0; i < below.GetSize(); ++i) {
        CString& path = below.GetAt(i)->m_Hierarchy;
        const bool underOld =
            path.GetLength() >= oldPath.GetLength() &&
            path.Left(oldPath.GetLength()).CompareNoCase(oldPath) == 0 &&
            (path.GetLength() == oldPath.GetLength() || path.GetAt(oldPath.GetLength()) == '\\');
        if (underOld)
            path = newPath + path.Mid(oldPath.GetLength());
    }
}

COrgGroupArray* COrganization::OwnerOf(const COrgGroup* pGroup) {
    COrgGroupArray* pOwner = pGroup->m_pParent != nullptr ? &pGroup->m_pParent->m_Groups : &m_Groups;
    for (INT_PTR i = 0; i < pOwner->GetSize(); ++i) {
        if (pOwner->GetAt(i) == pGroup)
            return pOwner;
    }
    return nullptr;
}

bool COrganization::RemoveGroup(COrgGroup* pGroup) {
    COrgGroupArray* pOwner = pGroup != nullptr ? OwnerOf(pGroup) : nullptr;
    if (pOwner == nullptr)
        return false;
    for (INT_PTR i = 0; i < pOwner->GetSize(); ++i) {
        if (pOwner->GetAt(i) == pGroup) {
            pOwner->RemoveAt(i);
            break;
        }
    }
    delete pGroup;
    return true;
}

bool COrganization::RemoveUser(COrgUser* pUser) {
    if (pUser == nullptr || pUser->m_pParent == nullptr)
        return false;
    COrgUserArray& users = pUser->m_pParent->m_Users;
    for (INT_PTR i = 0; i < users.GetSize(); ++i) {
        if (users.GetAt(i) == pUser) {
            users.RemoveAt(i);
            delete pUser;
            return true;
        }
    }
    return false;
}

void COrganization::CollectGroupGUIDs(COrgGroup* pGroup, CStringArray& guids) const {
    if (pGroup == nullptr)
        return;
    guids.Add(pGroup->GetGUID());
    for (INT_PTR i = 0; i < pGroup->m_Groups.GetSize(); ++i)
        CollectGroupGUIDs(pGroup->m_Groups.GetAt(i), guids);
}

bool COrganization::IsNameOnParentChain(const COrgGroup* pGroup, const char* name) {
    for (const COrgGroup* p = pGroup; p != nullptr; p = p->m_pParent) {
        if (p->m_Name.CompareNoCase(name) == 0)
            return true;
    }
    return false;
}
