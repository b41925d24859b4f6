// CExpenseSet: whether objects are used by expenses, and moving expenses to a replacement object.
#include "data/CExpenseSet.h"

#include "data/CAccount.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "timelog/CLogDoc.h"

namespace {

template <typename T> CString GuidOf(T* object) {
    return object ? CString(object->GetGUID()) : CString();
}

CString AccountFilter(const CString& guid) {
    return SqlEquals("BankID", guid) + " OR " + SqlEquals("AccountID", guid);
}

} // namespace

bool CExpenseSet::SubsystemHasExpenses(CSubsystem* subsystem) {
    return subsystem && AnyRow(SqlEquals("SubsystemID", subsystem->GetGUID()));
}

bool CExpenseSet::ProjectHasExpenses(CProject* project) {
    return project && AnyRow(SqlEquals("ProjectUID", project->GetGUID()));
}

bool CExpenseSet::CategoryHasExpenses(CCategory* category) {
    return category && AnyRow(SqlEquals("CategoryID", category->GetGUID()));
}

bool CExpenseSet::UserHasExpenses(CUser* user) {
    return user && AnyRow(SqlEquals("UserUID", user->GetGUID()));
}

bool CExpenseSet::AccountHasExpenses(CAccount* account) {
    return account && AnyRow(AccountFilter(account->GetGUID()));
}

bool CExpenseSet::TypeHasExpenses(CExpenseType* type) {
    return type && AnyRow(SqlEquals("TypeID", type->GetGUID()));
}

bool CExpenseSet::TripHasExpenses(CExpenseTrip* trip) {
    return trip && AnyRow(SqlEquals("TripID", trip->GetGUID()));
}

bool CExpenseSet::ClientHasExpenses(CClient* client) {
    return client && AnyRow(SqlEquals("ClientUID", client->GetGUID()));
}

bool CExpenseSet::ReplaceProject(CLogDoc* doc, CProject* oldProject, CProject* newProject) {
    if (!oldProject || !newProject)
        return false;
    const CString to = newProject->GetGUID();
    return ChangeRows(doc, SqlEquals("ProjectUID", oldProject->GetGUID()), [&] {
        m_projectId = to;
        m_subsystemId.Empty(); // the old project's subsystems do not exist in the new one
    });
}

bool CExpenseSet::ReplaceSubsystem(CLogDoc* doc, CSubsystem* oldSubsystem, CSubsystem* newSubsystem) {
    if (!oldSubsystem || !newSubsystem)
        return false;
    const CString to = newSubsystem->GetGUID();
    return ChangeRows(doc, SqlEquals("SubsystemID", oldSubsystem->GetGUID()), [&] { m_subsystemId = to; });
}

bool CExpenseSet::ReplaceCategory(CLogDoc* doc, CCategory* oldCategory, CCategory* newCategory) {
    if (!oldCategory || !newCategory)
        return false;
    const CString to = newCategory->GetGUID();
    return ChangeRows(doc, SqlEquals("CategoryID", oldCategory->GetGUID()), [&] { m_categoryId = to; });
}

bool CExpenseSet::ReplaceUser(CLogDoc* doc, CUser* oldUser, CUser* newUser) {
    if (!oldUser || !newUser)
        return false;
    const CString to = newUser->GetGUID();
    // The expense's unit is its user's: it follows the user.
    const CString unit = newUser->m_pParent ? newUser->m_pParent->m_GUID : CString();
    return ChangeRows(doc, SqlEquals("UserUID", oldUser->GetGUID()), [&] {
        m_userId = to;
        m_organizationId = unit;
    });
}

bool CExpenseSet::ReplaceType(CLogDoc* doc, CExpenseType* oldType, CExpenseType* newType) {
    if (!oldType || !newType)
        return false;
    const CString to = newType->GetGUID();
    return ChangeRows(doc, SqlEquals("TypeID", oldType->GetGUID()), [&] { m_typeId = to; });
}

bool CExpenseSet::ReplaceTrip(CLogDoc* doc, CExpenseTrip* oldTrip, CExpenseTrip* newTrip) {
    if (!oldTrip || !newTrip)
        return false;
    const CString to = newTrip->GetGUID();
    return ChangeRows(doc, SqlEquals("TripID", oldTrip->GetGUID()), [&] { m_tripId = to; });
}

bool CExpenseSet::ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient) {
    if (!oldClient)
        return false;
    const CString to = GuidOf(newClient);
    return ChangeRows(doc, SqlEquals("ClientUID", oldClient->GetGUID()), [&] { m_clientId = to; });
}

bool CExpenseSet::ReplaceAccount(CLogDoc* doc, CAccount* oldAccount, CAccount* newAccount) {
    if (!oldAccount || !newAccount)
        return false;
    const CString from = oldAccount->GetGUID();
    const CString to = newAccount->GetGUID();
    return ChangeRows(doc, AccountFilter(from), [&] {
        if (m_bankId == from)
            m_bankId = to;
        if (m_accountId == from)
            m_accountId = to;
    });
}
