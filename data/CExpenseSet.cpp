// CExpenseSet: rows and objects, loading, saving and merging.
#include "data/CExpenseSet.h"

#include "data/CExpense.h"
#include "data/TableSetSupport.h"
#include "timelog/CLogDoc.h"

#include <limits>
#include <memory>

IMPLEMENT_DYNAMIC(CExpenseSet, CObjectRecordset)

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

BYTE Flag(const CRecordset& set, const long& member, long fallback) {
    return LongOr(set, member, fallback) != 0 ? 1 : 0;
}

int Number(const CRecordset& set, const long& member) {
    return static_cast<int>(LongOr(set, member, 0));
}

} // namespace

CExpenseSet::CExpenseSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Expense") {
    m_nFields = 33;
}

CString CExpenseSet::GetDefaultSQL() {
    return "[Expenses]";
}

void CExpenseSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
    RFX_Text(pFX, "[UserUID]", m_userId, 255);
    RFX_Text(pFX, "[OrganizationID]", m_organizationId, 255);
    RFX_Text(pFX, "[ClientUID]", m_clientId, 255);
    RFX_Text(pFX, "[ProjectUID]", m_projectId, 255);
    RFX_Text(pFX, "[SubsystemID]", m_subsystemId, 255);
    RFX_Text(pFX, "[CategoryID]", m_categoryId, 255);
    RFX_Text(pFX, "[BankID]", m_bankId, 255);
    RFX_Text(pFX, "[AccountID]", m_accountId, 255);
    RFX_Text(pFX, "[TypeID]", m_typeId, 255);
    RFX_Text(pFX, "[TripID]", m_tripId, 255);
    RFX_Double(pFX, "[Amount]", m_amount);
    RFX_Text(pFX, "[Payee]", m_payee, 255);
    RFX_Text(pFX, "[CheckNum]", m_checkNum, 255);
    RFX_Long(pFX, "[Billed]", m_billed);
    RFX_Long(pFX, "[Billable]", m_billable);
    RFX_Long(pFX, "[Reimbursed]", m_reimbursed);
    RFX_Long(pFX, "[Reimbursable]", m_reimbursable);
    RFX_Long(pFX, "[CompanyPaid]", m_companyPaid);
    RFX_Long(pFX, "[CompanyPaidPers]", m_companyPaidPers);
    RFX_Long(pFX, "[OdometerBegin]", m_odometerBegin);
    RFX_Long(pFX, "[OdometerEnd]", m_odometerEnd);
    RFX_Long(pFX, "[Distance]", m_distance);
    RFX_Double(pFX, "[MileageRate]", m_mileageRate);
    RFX_Date(pFX, "[StartDate]", m_startDate);
    RFX_Date(pFX, "[EndDate]", m_endDate);
    RFX_Text(pFX, "[UserText1]", m_userText1, 255);
    RFX_Text(pFX, "[UserText2]", m_userText2, 255);
    RFX_Text(pFX, "[UserText3]", m_userText3, 255);
}

void CExpenseSet::ObjectToRow(CExpense& expense) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(expense.m_Created, now);
    m_modified = TimeOr(expense.m_Modified, now);
    m_deleted = expense.m_Deleted;
    m_guid = expense.GetGUID();
    m_description = expense.m_Description;
    m_userId = expense.m_UserUID;
    m_organizationId = expense.m_OrganizationID;
    m_clientId = expense.m_ClientUID;
    m_projectId = expense.m_ProjectUID;
    m_subsystemId = expense.m_SubsystemID;
    m_categoryId = expense.m_CategoryID;
    m_bankId = expense.m_BankID;
    m_accountId = expense.m_AccountID;
    m_typeId = expense.m_TypeID;
    m_tripId = expense.m_TripID;
    m_amount = expense.m_Amount;
    m_payee = expense.m_Payee;
    m_checkNum = expense.m_CheckNum;
    m_billed = expense.m_Billed ? 1 : 0;
    m_billable = expense.m_Billable ? 1 : 0;
    m_reimbursed = expense.m_Reimbursed ? 1 : 0;
    m_reimbursable = expense.m_Reimbursable ? 1 : 0;
    m_companyPaid = expense.m_CompanyPaid ? 1 : 0;
    m_companyPaidPers = expense.m_CompanyPaidPers ? 1 : 0;
    m_odometerBegin = expense.m_OdometerBegin;
    m_odometerEnd = expense.m_OdometerEnd;
    m_distance = expense.m_Distance;
    m_mileageRate = expense.m_MileageRate;
    m_startDate = expense.m_StartDate;
    m_endDate = expense.m_EndDate;
    m_userText1 = expense.m_UserText1;
    m_userText2 = expense.m_UserText2;
    m_userText3 = expense.m_UserText3;
}

void CExpenseSet::RowToObject(CExpense& expense, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    // Objects are found again through the GUIDs: the expense may have named others before.
    expense.m_pUser = nullptr;
    expense.m_pClient = nullptr;
    expense.m_pProject = nullptr;
    expense.m_pSubsystem = nullptr;
    expense.m_pCategory = nullptr;
    expense.m_pBank = expense.m_pAccount = nullptr;
    expense.m_pType = nullptr;
    expense.m_pTrip = nullptr;
    expense.m_pDoc = doc;
    expense.m_Created = TimeOr(m_created, now);
    expense.m_Modified = TimeOr(m_modified, now);
    expense.m_Deleted = m_deleted;
    expense.m_GUID = m_guid;
    expense.m_Description = m_description;
    expense.m_UserUID = m_userId;
    expense.m_OrganizationID = m_organizationId;
    expense.m_ClientUID = m_clientId;
    expense.m_ProjectUID = m_projectId;
    expense.m_SubsystemID = m_subsystemId;
    expense.m_CategoryID = m_categoryId;
    expense.m_BankID = m_bankId;
    expense.m_AccountID = m_accountId;
    expense.m_TypeID = m_typeId;
    expense.m_TripID = m_tripId;
    expense.m_Amount = BoundedOr(m_amount, -kHuge, kHuge, 0.0);
    expense.m_Payee = m_payee;
    expense.m_CheckNum = m_checkNum;
    expense.m_Billed = Flag(*this, m_billed, 0);
    expense.m_Billable = Flag(*this, m_billable, 1);
    expense.m_Reimbursed = Flag(*this, m_reimbursed, 0);
    expense.m_Reimbursable = Flag(*this, m_reimbursable, 1);
    expense.m_CompanyPaid = Flag(*this, m_companyPaid, 0);
    expense.m_CompanyPaidPers = Flag(*this, m_companyPaidPers, 0);
    expense.m_OdometerBegin = Number(*this, m_odometerBegin);
    expense.m_OdometerEnd = Number(*this, m_odometerEnd);
    expense.m_Distance = Number(*this, m_distance);
    // A row without rate keeps the preference's rate.
    expense.m_MileageRate = BoundedOr(m_mileageRate, -kHuge, kHuge, expense.m_MileageRate);
    expense.m_StartDate = m_startDate;
    expense.m_EndDate = m_endDate;
    expense.m_UserText1 = m_userText1;
    expense.m_UserText2 = m_userText2;
    expense.m_UserText3 = m_userText3;
    expense.m_bModified = 0;
}

bool CExpenseSet::LoadExpenses(CLogDoc* doc) {
    if (!doc)
        return false;
    return ForEachRow(doc, BuildViewFilter(doc), CString(), [&] {
        auto expense = std::make_unique<CExpense>();
        RowToObject(*expense, doc);
        doc->AddExpense(expense.release());
    });
}

bool CExpenseSet::SaveExpense(CLogDoc* doc, CExpense* expense) {
    if (!doc || !expense)
        return false;
    return SaveRow(doc, expense->GetGUID(), [&] { ObjectToRow(*expense); });
}

bool CExpenseSet::DeleteExpense(CLogDoc* doc, CExpense* expense) {
    if (!doc || !expense)
        return false;
    return DeleteByGUID(doc, expense->GetGUID());
}

CString CExpenseSet::GetLoadFilter(CObject* target) {
    // Reloads read what the view shows, never other users' expenses.
    return BuildViewFilter(dynamic_cast<CLogDoc*>(target));
}

void CExpenseSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto fromRow = std::make_unique<CExpense>();
    RowToObject(*fromRow, doc);
    CExpense* existing = doc->FindExpenseByGUID(fromRow->m_GUID);
    MergeRow(std::move(fromRow), existing, [&](std::unique_ptr<CExpense> added) {
        doc->AddExpense(added.release());
        doc->ApplyUserVisibility(true, true, true);
    });
}
