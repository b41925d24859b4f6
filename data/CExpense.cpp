#include "data/CExpense.h"

#include "data/RecordStamps.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

IMPLEMENT_DYNCREATE(CExpense, CObject)

namespace {
constexpr int kDefaultMileageThousandths = 375;

double MileageRatePreference() {
    int thousandths = 0;
    RegReadInt(REG_PREFS, "Mileage rate", &thousandths);
    return (thousandths == 0 ? kDefaultMileageThousandths : thousandths) * 0.001;
}
} // namespace

CExpense::CExpense() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {
    m_MileageRate = MileageRatePreference();
}

CExpense::CExpense(const CExpense& other) : CObject() {
    *this = other;
}

CExpense& CExpense::operator=(const CExpense& other) {
    if (this != &other) {
        m_pDoc = other.m_pDoc;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
        m_Deleted = other.m_Deleted;
        m_GUID = other.m_GUID;
        m_Description = other.m_Description;
        m_ClientUID = other.m_ClientUID;
        m_ProjectUID = other.m_ProjectUID;
        m_SubsystemID = other.m_SubsystemID;
        m_CategoryID = other.m_CategoryID;
        m_UserUID = other.m_UserUID;
        m_OrganizationID = other.m_OrganizationID;
        m_BankID = other.m_BankID;
        m_AccountID = other.m_AccountID;
        m_TypeID = other.m_TypeID;
        m_TripID = other.m_TripID;
        m_Amount = other.m_Amount;
        m_Payee = other.m_Payee;
        m_CheckNum = other.m_CheckNum;
        m_Billed = other.m_Billed;
        m_Billable = other.m_Billable;
        m_Reimbursed = other.m_Reimbursed;
        m_Reimbursable = other.m_Reimbursable;
        m_CompanyPaid = other.m_CompanyPaid;
        m_CompanyPaidPers = other.m_CompanyPaidPers;
        m_OdometerBegin = other.m_OdometerBegin;
        m_OdometerEnd = other.m_OdometerEnd;
        m_Distance = other.m_Distance;
        m_MileageRate = other.m_MileageRate;
        m_StartDate = other.m_StartDate;
        m_EndDate = other.m_EndDate;
        m_UserText1 = other.m_UserText1;
        m_UserText2 = other.m_UserText2;
        m_UserText3 = other.m_UserText3;
        m_pUser = other.m_pUser;
        m_pClient = other.m_pClient;
        m_pProject = other.m_pProject;
        m_pSubsystem = other.m_pSubsystem;
        m_pCategory = other.m_pCategory;
        m_pBank = other.m_pBank;
        m_pAccount = other.m_pAccount;
        m_pType = other.m_pType;
        m_pTrip = other.m_pTrip;
        m_Extra1 = other.m_Extra1;
        m_Extra2 = other.m_Extra2;
    }
    m_bModified = 0;
    return *this;
}

const CString& CExpense::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CExpense::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}
