#include "data/CExpense.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "timelog/CLogEntry.h"

IMPLEMENT_SERIAL(CExpense, CObject, VERSIONABLE_SCHEMA | 6)

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

CExpense::CExpense(const CLogEntry& entry) : CExpense() {
    m_Description = entry.m_Desc;
    m_StartDate = entry.m_StartTime;
    m_EndDate = entry.m_EndTime;
    m_Billed = entry.m_Billed ? 1 : 0;
    m_Billable = entry.m_Billable ? 1 : 0;
    m_UserText1 = entry.m_UserText1;
    m_UserText2 = entry.m_UserText2;
    m_UserText3 = entry.m_UserText3;
    SetClient(entry.m_pClient);
    SetProject(entry.m_pProject);
    SetSubsystem(entry.m_pSubsystem);
    SetCategory(entry.m_pCategory);
    SetUser(entry.m_pUser);
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
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
    return m_GUID;
}

void CExpense::SetModified(BOOL modified) {
    m_bModified = modified ? 1 : 0;
    if (modified)
        m_Modified = CTime::GetCurrentTime();
}

void CExpense::Serialize(CArchive&) {}
