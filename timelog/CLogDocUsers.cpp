// CLogDoc: the current user, groups and rights.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "resource.h"

CUser* CLogDoc::GetCurrentUser() const {
    CString name;
    RegReadString(REG_DATABASE, "Username", name);
    if (name.IsEmpty())
        name = CString(MAKEINTRESOURCE(IDS_NONE));
    return FindUserByName(name, false);
}

CUser* CLogDoc::GetCurrentUserGroup() const {
    const CUser* pUser = GetCurrentUser();
    return pUser != nullptr ? pUser->m_pParent : nullptr;
}

CString CLogDoc::GetUserGroupGUID(const char* userName) const {
    const CUser* pUser = FindUserByName(userName, false);
    return pUser != nullptr && pUser->m_pParent != nullptr ? pUser->m_pParent->m_GUID : CString();
}

bool CLogDoc::HasRight(int n) const {
    if (m_bFullAccess)
        return true;
    const CUser* pUser = GetCurrentUser();
    return pUser == nullptr || pUser->HasRight(n, true);
}

bool CLogDoc::SaveObjectPermissions(const CString& objectGUID, const CStringArray& unitGUIDs) {
    if (!CanWriteTables())
        return false;
    COrgObjectSet set(&m_Database);
    return set.SaveObject(objectGUID, unitGUIDs, this);
}

bool CLogDoc::SaveUser(CUser* pUser) {
    if (pUser == nullptr || !CanWriteTables())
        return false;
    return m_UserSet.SaveUser(this, pUser);
}

bool CLogDoc::CanViewUserData(const CUser* pUser) {
    CUser* pCurrent = GetCurrentUser();
    if (pUser == nullptr || pCurrent == nullptr)
        return false;
    if (pUser == pCurrent)
        return true;
    CStringArray units;
    COrgObjectSet set(&m_Database);
    set.ReadUnits(pCurrent->GetGUID(), units, this);
    for (INT_PTR i = 0; i < units.GetSize(); ++i) {
        const CUser* pUnit = FindUserByGUID(units.GetAt(i));
        if (pUnit != nullptr && pUnit->IsGroup() && pUnit->IsAncestorOf(m_Users, pUser))
            return true;
    }
    return false;
}
