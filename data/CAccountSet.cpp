#include "data/CAccountSet.h"

#include "data/CAccount.h"
#include "data/TableSetSupport.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CAccountSet, CObjectRecordset)

CAccountSet::CAccountSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Accounts") {
    m_nFields = 9;
}

CString CAccountSet::GetDefaultSQL() {
    return "[Accounts]";
}

void CAccountSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
    RFX_Long(pFX, "[Active]", m_active);
    RFX_Long(pFX, "[ActType]", m_actType);
    RFX_Text(pFX, "[ParentID]", m_parentId, 255);
    RFX_Text(pFX, "[ExtendedName]", m_extendedName, 255);
}

void CAccountSet::ObjectToRow(CAccount& account) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(account.m_Created, now);
    m_modified = TimeOr(account.m_Modified, now);
    m_guid = account.GetGUID();
    m_name = account.m_Name;
    m_description = account.m_Description;
    m_active = account.m_Active ? 1 : 0;
    m_actType = account.m_ActType;
    m_parentId = account.m_ParentID;
    m_extendedName = account.GetFullName();
}

void CAccountSet::RowToObject(CAccount& account, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    account.m_pDoc = doc;
    account.m_pParent = nullptr; // found again through ParentID
    account.m_Created = TimeOr(m_created, now);
    account.m_Modified = TimeOr(m_modified, now);
    account.m_GUID = m_guid;
    account.m_Name = m_name;
    account.m_Description = m_description;
    account.m_Active = LongOr(*this, m_active, 1) != 0 ? 1 : 0;
    account.m_ActType = static_cast<int>(LongOr(*this, m_actType, CAccount::expenseAccount));
    account.m_ParentID = m_parentId;
    account.m_bModified = 0;
}

bool CAccountSet::LoadAccounts(CLogDoc* doc) {
    if (!doc)
        return false;
    return ForEachRow(doc, CString(), CString(), [&] {
        auto account = std::make_unique<CAccount>();
        RowToObject(*account, doc);
        doc->AddAccount(account.release());
    });
}

bool CAccountSet::SaveAccount(CLogDoc* doc, CAccount* account) {
    if (!doc || !account)
        return false;
    return SaveSharedRow(*this, doc, account->GetGUID(), [&] { ObjectToRow(*account); });
}

bool CAccountSet::DeleteAccount(CLogDoc* doc, CAccount* account) {
    if (!doc || !account)
        return false;
    return DeleteByGUID(doc, account->GetGUID());
}

void CAccountSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto fromRow = std::make_unique<CAccount>();
    RowToObject(*fromRow, doc);
    CAccount* existing = doc->FindAccountByGUID(fromRow->m_GUID);
    MergeRow(std::move(fromRow), existing, [&](std::unique_ptr<CAccount> added) {
        doc->AddAccount(added.release());
        doc->ApplyUserVisibility(true, true, true);
    });
}
