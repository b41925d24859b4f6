#include "timelog/CLogEntry.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/RecordStamps.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "projecttasks/CTask.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/LogClock.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kHoursPerSecond = 0.0002777777777777778;
constexpr DWORD kUserNameBuffer = 200;

CRoundingSettings& Rounding() {
    static CRoundingSettings settings;
    return settings;
}
} // namespace

CLogEntry::CLogEntry() : m_Created(LogClock::Now()), m_Modified(m_Created) {}

CLogEntry::CLogEntry(const CLogEntry& other) : CObject() {
    *this = other;
}

CLogEntry::CLogEntry(CTask* pTask) : CLogEntry() {
    m_StartTime = m_EndTime = m_Created;
    if (pTask != nullptr) {
        if (CLogDoc* pDoc = pTask->m_pDoc) {
            m_pClient = pDoc->FindClientByGUID(pTask->m_ClientID);
            m_pProject = pDoc->FindProjectByGUID(pTask->m_ProjectID, true);
            m_pSubsystem = pDoc->FindSubsystemByGUID(pTask->m_SubsystemID);
            m_pCategory = pDoc->FindCategoryByGUID(pTask->m_CategoryID);
        }
        m_Desc = pTask->m_Description;
        m_Name = pTask->m_Name;
        m_Billable = pTask->m_Billable;
        m_ProjProjectID = pTask->m_ProjProjectID;
        m_ProjResourceID = pTask->m_ProjResourceID;
        m_ProjAssignmentID = pTask->m_ProjAssignmentID;
        m_MSTaskID = pTask->m_MSTaskID;
        m_UserText1 = pTask->m_UserText1;
        m_UserText2 = pTask->m_UserText2;
        m_UserText3 = pTask->m_UserText3;
        m_ProjectTaskID = pTask->m_GUID;
        if (m_Desc.IsEmpty())
            m_Desc = pTask->m_Name;
    }
    m_GUID = NewGuidString();
    GetUserName();
    GetGroupGUID();
    m_bModified = 1;
}

CLogEntry& CLogEntry::operator=(const CLogEntry& other) {
    if (this == &other)
        return *this;
    m_Created = other.m_Created;
    m_Modified = other.m_Modified;
    m_StartTime = other.m_StartTime;
    m_EndTime = other.m_EndTime;
    m_Duration = other.m_Duration;
    m_SecondSpan = other.m_SecondSpan;
    m_pClient = other.m_pClient;
    m_pProject = other.m_pProject;
    m_pSubsystem = other.m_pSubsystem;
    m_pCategory = other.m_pCategory;
    m_Desc = other.m_Desc;
    m_Name = other.m_Name;
    m_GUID = other.m_GUID;
    m_OrganizationID = other.m_OrganizationID;
    m_Username = other.m_Username;
    m_ExtraText = other.m_ExtraText;
    m_Billed = other.m_Billed;
    m_Billable = other.m_Billable;
    m_pBill = other.m_pBill;
    m_OpenPending = other.m_OpenPending;
    m_Pending = other.m_Pending;
    m_ProjProjectID = other.m_ProjProjectID;
    m_ProjResourceID = other.m_ProjResourceID;
    m_ProjAssignmentID = other.m_ProjAssignmentID;
    m_MSTaskID = other.m_MSTaskID;
    m_Mark1 = other.m_Mark1;
    m_Mark2 = other.m_Mark2;
    m_Mark3 = other.m_Mark3;
    m_UserText1 = other.m_UserText1;
    m_UserText2 = other.m_UserText2;
    m_UserText3 = other.m_UserText3;
    m_pUser = other.m_pUser;
    m_ProjectTaskID = other.m_ProjectTaskID;
    m_CostSalary = other.m_CostSalary;
    m_CostClient = other.m_CostClient;
    m_bModified = 0;
    return *this;
}

// ---------------------------------------------------------------- times

void CLogEntry::SetStartTime(CTime time) {
    m_StartTime = time;
    RecalcElapsed();
}

void CLogEntry::SetStopTime(CTime time) {
    m_EndTime = time;
    RecalcElapsed();
}

void CLogEntry::RecalcElapsed() {
    if (m_EndTime.GetTime() != 0)
        m_Duration = CTimeSpan(RoundElapsed(static_cast<long>((m_EndTime - m_StartTime).GetTotalSeconds())));
    else
        m_Duration = CTimeSpan(0);
    UpdateAmounts();
}

void CLogEntry::MoveStopToStartDate() {
    if (m_EndTime.GetTime() == 0)
        return;
    m_EndTime = CTime(m_StartTime.GetYear(), m_StartTime.GetMonth(), m_StartTime.GetDay(),
                      m_EndTime.GetHour(), m_EndTime.GetMinute(), m_EndTime.GetSecond());
    RecalcElapsed();
}

// ---------------------------------------------------------------- identity and owner

CString CLogEntry::GetGUID() {
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
    GetGroupGUID();
    return m_GUID;
}

CString CLogEntry::GetGroupGUID() {
    if (m_OrganizationID.IsEmpty()) {
        if (CLogDoc* pDoc = GetLogDoc())
            m_OrganizationID = pDoc->GetUserGroupGUID(m_Username);
    }
    return m_OrganizationID;
}

CString CLogEntry::GetUserName() {
    if (m_Username.IsEmpty()) {
        CString name;
        RegReadString(REG_DATABASE, "Username", name);
        if (name.IsEmpty()) {
            char buffer[kUserNameBuffer] = {};
            DWORD size = kUserNameBuffer;
            if (::GetUserNameA(buffer, &size))
                name = buffer;
        }
        if (name.IsEmpty()) {
            CString organization;
            GetRegisteredOwner(name, organization);
        }
        if (name.IsEmpty())
            name = CString(MAKEINTRESOURCE(IDS_DEFAULT_USER_NAME));
        m_Username = name;
        RegWriteString(REG_DATABASE, "Username", name);
        GetGroupGUID();
    }
    return m_Username;
}

void CLogEntry::SetUserName(const CString& name) {
    m_Username = name;
    GetGroupGUID();
}

void CLogEntry::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

bool CLogEntry::IsSameTask(const CLogEntry& other) const {
    if (m_pProject != other.m_pProject || m_pCategory != other.m_pCategory)
        return false;
    if (m_ProjProjectID != -1 &&
        (m_ProjProjectID != other.m_ProjProjectID || m_ProjResourceID != other.m_ProjResourceID ||
         m_ProjAssignmentID != other.m_ProjAssignmentID))
        return false;
    if (m_MSTaskID >= 1 && m_MSTaskID != other.m_MSTaskID)
        return false;
    return m_Desc.CompareNoCase(other.m_Desc) == 0;
}

// ---------------------------------------------------------------- amounts

void CLogEntry::GetRates(double& billingRate, double& salaryRate) const {
    billingRate = salaryRate = 0.0;
    switch (m_pProject != nullptr ? m_pProject->m_BillingType : 0) {
    case 0:
        if (m_pCategory != nullptr) {
            billingRate = m_pCategory->m_Rate;
            salaryRate = m_pCategory->m_HourlyRate;
        }
        break;
    case 1:
        if (m_pUser != nullptr) {
            billingRate = m_pUser->m_BillingRate;
            salaryRate = m_pUser->m_HourlyRate;
        }
        break;
    case 2:
        billingRate = m_pProject->m_BillingRate;
        salaryRate = m_pProject->m_SalaryRate;
        break;
    default:
        break;
    }
}

void CLogEntry::UpdateAmounts() {
    double billingRate = 0.0;
    double salaryRate = 0.0;
    GetRates(billingRate, salaryRate);
    const double hours =
        static_cast<double>(std::max<__time64_t>(m_Duration.GetTotalSeconds(), 0)) * kHoursPerSecond;
    m_CostSalary = hours * salaryRate;
    m_CostClient = m_Billable ? hours * billingRate : 0.0;
}

// ---------------------------------------------------------------- rounding

void CLogEntry::LoadRoundingSettings() {
    CRoundingSettings settings;
    RegReadBool(REG_ROUNDING, "Enabled", &settings.enabled);
    int minutes = 15;
    RegReadInt(REG_ROUNDING, "Minutes", &minutes);
    RegReadBool(REG_ROUNDING, "Up and down", &settings.upAndDown);
    RegReadBool(REG_ROUNDING, "Never Zero", &settings.neverZero);
    settings.unit = static_cast<long>(minutes) * 60;
    settings.halfUnit = settings.unit / 2;
    SetRoundingSettings(settings);
}

const CRoundingSettings& CLogEntry::GetRoundingSettings() {
    return Rounding();
}

void CLogEntry::SetRoundingSettings(const CRoundingSettings& settings) {
    Rounding() = settings;
}

long CLogEntry::RoundElapsed(long seconds) {
    const CRoundingSettings& settings = Rounding();
    // A unit of 0 or less (a damaged preference) cannot round anything.
    if (!settings.enabled || settings.unit <= 0)
        return seconds;
    const double unit = static_cast<double>(settings.unit);
    const double offset = settings.upAndDown ? static_cast<double>(settings.halfUnit) : unit - 1.0;
    auto rounded = static_cast<long>(std::trunc((static_cast<double>(seconds) + offset) / unit) * unit);
    if (rounded == 0 && (!settings.upAndDown || settings.neverZero))
        rounded = settings.unit;
    return rounded;
}
