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
