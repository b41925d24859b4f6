// CLogDoc: the current user, groups and rights.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/IReplacementChooser.h"

namespace {
// The entry belongs to the user; entries read before the user records were linked carry only the name.
bool BelongsTo(const CLogEntry& entry, const CUser* pUser) {
    return entry.m_pUser == pUser ||
           (entry.m_pUser == nullptr && entry.m_Username.CompareNoCase(pUser->m_User) == 0);
}
} // namespace

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

void CLogDoc::ReplaceUserInEntries(const CUser* pOld, CUser* pNew) {
    if (pOld == nullptr || pNew == nullptr)
        return;
    auto replace = [pOld, pNew](CLogEntry& entry) {
        if (!BelongsTo(entry, pOld))
            return;
        entry.m_pUser = pNew;
        entry.m_Username = pNew->m_User;
    };
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i)
        replace(*m_LogEntries.GetAt(i));
    replace(m_CurrentEntry);
}

bool CLogDoc::ChooseReplacementUser(CUser* pUser) {
    if (pUser == nullptr)
        return false;
    CObArray candidates;
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i) {
        CUser* pOther = m_Users.GetAt(i);
        if (pOther != pUser && !pOther->IsGroup())
            candidates.Add(pOther);
    }
    if (candidates.IsEmpty()) {
        AfxMessageBox(IDS_USER_IN_USE_NO_REPLACEMENT, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    IReplacementChooser* pChooser = GetReplacementChooser();
    CObject* pChosen =
        pChooser != nullptr ? pChooser->ChooseReplacement(IDD_USER_IN_USE, candidates) : nullptr;
    auto* pReplacement = static_cast<CUser*>(pChosen);
    if (pReplacement == nullptr || pReplacement == pUser || pReplacement->IsGroup())
        return false;
    CWaitCursor wait;
    ReplaceUserInEntries(pUser, pReplacement);
    bool moved = true;
    if (CanWriteTables()) {
        // Every table is tried; the user stays while any of them still names it.
        moved = m_TaskSet.ReassignUserEntries(this, pUser, pReplacement);
        moved = m_ProjectTaskSet.ReplaceUser(this, pUser, pReplacement) && moved;
        moved = m_ExpenseSet.ReplaceUser(this, pUser, pReplacement) && moved;
        moved = m_CategorySet.ReassignUser(this, pUser, pReplacement) && moved;
    }
    RefreshTimesheetView();
    RefreshTaskView();
    return moved;
}

bool CLogDoc::IsUserReferred(CUser* pUser) {
    if (BelongsTo(m_CurrentEntry, pUser))
        return true;
    for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
        if (BelongsTo(*m_LogEntries.GetAt(i), pUser))
            return true;
    }
    return CanWriteTables() &&
           (m_TaskSet.HasUserEntries(pUser) || m_ProjectTaskSet.HasTasksForUser(this, pUser) ||
            m_ExpenseSet.UserHasExpenses(pUser) || m_CategorySet.HasUserCategories(pUser));
}
