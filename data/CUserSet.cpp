#include "data/CUserSet.h"

#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <cmath>
#include <memory>

IMPLEMENT_DYNAMIC(CUserSet, CBaseRecordset)

namespace {

constexpr double kDefaultRate = 100.0;

// A flag column: NULL or above 1 reads as 1.
long AtMostOne(const CRecordset& set, const long& member) {
    const long value = LongOr(set, member, 1);
    return value > 1 ? 1 : value;
}

} // namespace

CUserSet::CUserSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 20;
}

CString CUserSet::GetDefaultSQL() {
    return "[Users]";
}

void CUserSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[User]", m_user, 255);
    RFX_Text(pFX, "[Fullname]", m_fullName, 255);
    RFX_Text(pFX, "[Email]", m_email, 255);
    RFX_Text(pFX, "[ParentUID]", m_parentUID, 255);
    RFX_Long(pFX, "[Workgroup]", m_workgroup);
    RFX_Long(pFX, "[Active]", m_active);
    RFX_Long(pFX, "[GetEmails]", m_getEmails);
    RFX_Text(pFX, "[WkgpBitmask]", m_wkgpBitmask, 255);
    RFX_Long(pFX, "[Admin]", m_admin);
    RFX_Text(pFX, "[MSRsrcName]", m_msRsrcName, 255);
    RFX_Text(pFX, "[PSRsrcName]", m_psRsrcName, 255);
    RFX_Double(pFX, "[BillingRate]", m_billingRate);
    RFX_Double(pFX, "[HourlyRate]", m_hourlyRate);
    RFX_Long(pFX, "[QBInclude]", m_qbInclude);
    RFX_Text(pFX, "[QBEmployee]", m_qbEmployee, 255);
    RFX_Text(pFX, "[Rights]", m_rights, 255);
}

void CUserSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError(GetErrorCaption(), e);
}

void CUserSet::BoundMembers() {
    m_billingRate = BoundedOr(m_billingRate, 0.0, HUGE_VAL, kDefaultRate);
    m_hourlyRate = BoundedOr(m_hourlyRate, 0.0, HUGE_VAL, kDefaultRate);
    m_active = AtMostOne(*this, m_active);
    m_qbInclude = AtMostOne(*this, m_qbInclude);
}

void CUserSet::ObjectToRow(CUser& user) {
    m_guid = user.GetGUID();
    m_created = user.m_Created;
    m_modified = user.m_Modified;
    m_user = user.m_User;
    m_fullName = user.m_FullName;
    m_email = user.m_Email;
    m_workgroup = user.m_Workgroup;
    m_active = user.m_Active;
    m_getEmails = user.m_GetEmails;
    m_admin = user.m_Admin;
    m_msRsrcName = user.m_MSRsrcName;
    m_psRsrcName = user.m_PSRsrcName;
    m_billingRate = user.m_BillingRate;
    m_hourlyRate = user.m_HourlyRate;
    m_qbInclude = user.m_QBInclude;
    m_qbEmployee = user.m_QBEmployee;
    m_rights = user.m_Rights;
    m_parentUID = user.m_pParent ? user.m_pParent->GetGUID() : CString();
    m_wkgpBitmask = ScrambleText(user.m_Password);
    BoundMembers();
}

void CUserSet::RowToObject(CUser& user) {
    BoundMembers();
    user.m_GUID = m_guid;
    user.m_Created = m_created;
    user.m_Modified = m_modified;
    user.m_User = m_user;
    user.m_FullName = m_fullName;
    user.m_Email = m_email;
    user.m_ParentUID = m_parentUID;
    user.m_Workgroup = m_workgroup == 1 ? 1 : 0;
    user.m_Active = m_active != 0 ? 1 : 0;
    user.m_GetEmails = LongOr(*this, m_getEmails, 1) != 0 ? 1 : 0;
    user.m_Admin = LongOr(*this, m_admin, 1) != 0 ? 1 : 0;
    user.m_QBInclude = m_qbInclude != 0 ? 1 : 0;
    user.m_MSRsrcName = m_msRsrcName;
    user.m_PSRsrcName = m_psRsrcName;
    user.m_BillingRate = m_billingRate;
    user.m_HourlyRate = m_hourlyRate;
    user.m_QBEmployee = m_qbEmployee;
    user.m_Rights = m_rights;
    // A password stored by an older program in plain text is taken as it stands.
    CString password;
    user.m_Password = UnscrambleText(m_wkgpBitmask, password) ? password : m_wkgpBitmask;
    user.m_bModified = 0;
}

bool CUserSet::LoadUsers(CLogDoc* doc) {
    return doc && LoadRows<CUser>(
                      *this, doc, "", [&](CUser& user) { RowToObject(user); },
                      [&](CUser* user) { doc->AddUser(user); });
}

bool CUserSet::FindByUser(const CString& name) {
    m_strFilter = SqlEquals("User", name);
    Refresh();
    return IsOpen() && !IsEOF() && m_user == name;
}

bool CUserSet::FindByUser(const CString& name, bool group) {
    m_strFilter = SqlAnd(SqlEquals("User", name), group ? SqlEqualsNumber("Workgroup", 1)
                                                        : "([Workgroup] IS NULL OR [Workgroup] <> 1)");
    Refresh();
    return IsOpen() && !IsEOF() && m_user == name;
}

bool CUserSet::SaveUser(CLogDoc* doc, CUser* user) {
    if (!doc || !user)
        return false;
    const CString guid = user->GetGUID();
    return SaveSharedRow(
        *this, doc, guid, [&] { ObjectToRow(*user); },
        [&] {
            // A row of this name and kind that no other record of the document stands for: the record takes
            // it over.
            if (FindByUser(user->m_User, user->m_Workgroup != 0) && !m_guid.IsEmpty() &&
                !doc->FindUserByGUID(m_guid))
                user->m_GUID = m_guid;
            return user->m_GUID;
        });
}

bool CUserSet::DeleteUser(CLogDoc* doc, CUser* user) {
    if (!doc || !user)
        return false;
    return DeleteByGUID(doc, user->GetGUID());
}

void CUserSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    if (CUser* existing = doc->FindUserByGUID(m_guid)) {
        if (m_modified > existing->m_Modified)
            RowToObject(*existing);
    } else {
        auto user = std::make_unique<CUser>();
        RowToObject(*user);
        doc->AddUser(user.release());
    }
    // Records name their parents by GUID: the links follow the rows, in whatever order they came.
    CUser* current = doc->GetCurrentUser();
    for (INT_PTR i = 0; i < doc->m_Users.GetSize(); ++i) {
        CUser* record = doc->m_Users.GetAt(i);
        CUser* parent = record->m_ParentUID.IsEmpty() ? nullptr : doc->FindUserByGUID(record->m_ParentUID);
        record->m_pParent = parent != record ? parent : nullptr;
        record->m_CurrentUser = record == current ? 1 : 0;
    }
}
