#include "data/CCategorySet.h"

#include "data/CCategory.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWaitCursor.h"
#include "timelog/CLogDoc.h"

#include <cmath>
#include <memory>

IMPLEMENT_DYNAMIC(CCategorySet, CBaseRecordset)

namespace {

constexpr double kDefaultRate = 100.0;

CString StoredName(const CString& name) {
    CString stored = name;
    ReplaceApostrophes(stored, true);
    return stored;
}

bool SameScope(const CCategory& a, const CCategory& b) {
    return a.m_ProjectID.CompareNoCase(b.m_ProjectID) == 0 &&
           a.m_SubsystemID.CompareNoCase(b.m_SubsystemID) == 0 && a.m_UserID.CompareNoCase(b.m_UserID) == 0;
}

} // namespace

CCategorySet::CCategorySet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 11;
}

CString CCategorySet::GetDefaultSQL() {
    return "[Categories]";
}

void CCategorySet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    // A long-text column: read whole.
    RFX_Text(pFX, "[Desc]", m_desc, kLongTextLength);
    RFX_Double(pFX, "[Rate]", m_rate);
    RFX_Double(pFX, "[HourlyRate]", m_hourlyRate);
    RFX_Long(pFX, "[Active]", m_active);
    RFX_Text(pFX, "[ProjectID]", m_projectId, 255);
    RFX_Text(pFX, "[SubsystemID]", m_subsystemId, 255);
    RFX_Text(pFX, "[UserID]", m_userId, 255);
}

void CCategorySet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Categories", e);
}

void CCategorySet::BoundMembers() {
    m_rate = BoundedOr(m_rate, 0.0, HUGE_VAL, kDefaultRate);
    m_hourlyRate = BoundedOr(m_hourlyRate, 0.0, HUGE_VAL, kDefaultRate);
    if (IsFieldNull(&m_active) || m_active > 1)
        m_active = 1;
}

void CCategorySet::ObjectToRow(CCategory& category) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(category.m_Created, now);
    m_modified = TimeOr(category.m_Modified, now);
    m_guid = category.GetGUID();
    m_name = StoredName(category.m_Name);
    m_desc = category.m_Desc;
    m_rate = category.m_Rate;
    m_hourlyRate = category.m_HourlyRate;
    m_active = category.m_Active;
    m_projectId = category.m_ProjectID;
    m_subsystemId = category.m_SubsystemID;
    m_userId = category.m_UserID;
    BoundMembers();
}

void CCategorySet::RowToObject(CCategory& category) {
    BoundMembers();
    const CTime now = CTime::GetCurrentTime();
    CString name = m_name;
    ReplaceApostrophes(name, false);
    category.m_Created = TimeOr(m_created, now);
    category.m_Modified = TimeOr(m_modified, now);
    category.m_GUID = m_guid;
    category.m_Name = name;
    category.m_Desc = m_desc;
    category.m_Rate = m_rate;
    category.m_HourlyRate = m_hourlyRate;
    category.m_Active = m_active != 0 ? 1 : 0;
    category.m_ProjectID = m_projectId;
    category.m_SubsystemID = m_subsystemId;
    category.m_UserID = m_userId;
}

bool CCategorySet::LoadCategories(CLogDoc* doc) {
    return doc && LoadRows<CCategory>(
                      *this, doc, "[Name] ASC", [&](CCategory& category) { RowToObject(category); },
                      [&](CCategory* category) { doc->AddCategory(category); });
}

bool CCategorySet::WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    return doc && WriteMissingRows(
                      *this, doc, dialog, textId, progressId, "Writing categories",
                      doc->GetCategoryCount(true), [&](int i) { return doc->GetCategoryAt(i, true); },
                      [&](CCategory& category) { ObjectToRow(category); });
}

bool CCategorySet::FindByName(const CString& name) {
    m_strFilter = SqlEquals("Name", name);
    Refresh();
    return IsOpen() && !IsEOF() && m_name == name;
}

bool CCategorySet::FindByName(const CString& name, const CString& projectId, const CString& subsystemId,
                              const CString& userId) {
    m_strFilter = SqlAnd(SqlAnd(SqlAnd(SqlEquals("Name", name), SqlEqualsOrEmpty("ProjectID", projectId)),
                                SqlEqualsOrEmpty("SubsystemID", subsystemId)),
                         SqlEqualsOrEmpty("UserID", userId));
    Refresh();
    return IsOpen() && !IsEOF() && m_name == name;
}

bool CCategorySet::SaveCategory(CLogDoc* doc, CCategory* category) {
    if (!doc || !category)
        return false;
    const CString guid = category->GetGUID();
    const CString name = StoredName(category->m_Name);
    return SaveSharedRow(
        *this, doc, guid, [&] { ObjectToRow(*category); },
        [&] {
            // A row of this name and scope that no other category of the document stands for: the category
            // takes it over.
            if (FindByName(name, category->m_ProjectID, category->m_SubsystemID, category->m_UserID) &&
                !m_guid.IsEmpty() && !doc->FindCategoryByGUID(m_guid))
                category->m_GUID = m_guid;
            return category->m_GUID;
        });
}

bool CCategorySet::DeleteCategory(CLogDoc* doc, CCategory* category) {
    if (!doc || !category)
        return false;
    return DeleteByGUID(doc, category->GetGUID());
}

bool CCategorySet::HasUserCategories(CUser* user) {
    if (!user)
        return false;
    m_strFilter = SqlEquals("UserID", user->GetGUID());
    Refresh();
    const bool any = IsOpen() && !IsEOF();
    Close();
    return any;
}

bool CCategorySet::ReassignUser(CLogDoc* doc, CUser* from, CUser* to) {
    if (!doc || !from)
        return false;
    const CString fromId = from->GetGUID();
    const CString toId = to ? to->GetGUID() : CString();
    m_strFilter = SqlEquals("UserID", fromId);
    if (!Refresh())
        return false;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            if (m_userId != fromId)
                continue;
            Edit();
            m_userId = toId;
            Update();
        }
        Close();
        return true;
    });
}

void CCategorySet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    if (CCategory* existing = doc->FindCategoryByGUID(m_guid)) {
        if (TimeOr(m_modified, CTime::GetCurrentTime()) > existing->m_Modified) {
            RowToObject(*existing);
            existing->m_bModified = 0;
            doc->ApplyUserVisibility(false, false, true);
        }
        return;
    }
    auto category = std::make_unique<CCategory>();
    RowToObject(*category);
    const int count = doc->GetCategoryCount(true);
    for (int i = 0; i < count; ++i) {
        const CCategory* other = doc->GetCategoryAt(i, true);
        if (other && other->m_Name.CompareNoCase(category->m_Name) == 0 && SameScope(*other, *category))
            return;
    }
    doc->AddCategory(category.release());
    doc->ApplyUserVisibility(false, false, true);
}
