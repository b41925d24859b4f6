// CExpense: dates, mileage, and the texts of the expense view's columns.
#include "data/CExpense.h"

#include "data/CAccount.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CExpenseTrip.h"
#include "data/CExpenseType.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/DateText.h"
#include "data/FindMatch.h"
#include "foundation/LocaleFormat.h"
#include "framework/core/CDWordArray.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

#include <algorithm>
#include <climits>

namespace {

const CTime kNoTime(static_cast<__time64_t>(0));

bool IsSet(const CTime& time) {
    return time.GetTime() != 0;
}

CString FlagText(BYTE flag) {
    return flag ? "1" : "0";
}

CString NumberText(int value, bool show) {
    CString text;
    if (show)
        text.Format("%i", value);
    return text;
}

} // namespace

void CExpense::SetStartDate(const CTime& time) {
    m_StartDate = time;
    if (IsSet(m_StartDate) && IsSet(m_EndDate) && m_StartDate > m_EndDate)
        m_EndDate = m_StartDate;
}

void CExpense::SetEndDate(const CTime& time) {
    m_EndDate = time;
    if (IsSet(m_StartDate) && IsSet(m_EndDate) && m_EndDate < m_StartDate)
        m_StartDate = m_EndDate;
}

void CExpense::RecalcDistance() {
    const long long distance = static_cast<long long>(m_OdometerEnd) - m_OdometerBegin;
    m_Distance = distance > 0 ? static_cast<int>(distance) : 0;
    RecalcAmount();
}

void CExpense::RecalcAmount() {
    if (m_OdometerEnd >= 1)
        m_Amount = m_Distance * m_MileageRate;
}

BYTE* CExpense::FlagOf(int columnId) {
    switch (columnId) {
    case colBilled:
        return &m_Billed;
    case colBillable:
        return &m_Billable;
    case colReimbursed:
        return &m_Reimbursed;
    case colReimbursable:
        return &m_Reimbursable;
    case colCompanyPaid:
        return &m_CompanyPaid;
    case colCompanyPaidPers:
        return &m_CompanyPaidPers;
    default:
        return nullptr;
    }
}

CString* CExpense::PlainTextOf(int columnId) {
    switch (columnId) {
    case colDescription:
        return &m_Description;
    case colPayee:
        return &m_Payee;
    case colUserText1:
        return &m_UserText1;
    case colUserText2:
        return &m_UserText2;
    case colUserText3:
        return &m_UserText3;
    case colCheckNum:
        return &m_CheckNum;
    default:
        return nullptr;
    }
}

CString CExpense::GetColumnText(int columnId) {
    if (const BYTE* flag = FlagOf(columnId))
        return FlagText(*flag);
    if (const CString* text = PlainTextOf(columnId))
        return *text;
    switch (columnId) {
    case colCreated:
        return FormatDateOrDateTime(m_Created);
    case colModified:
        return FormatDateOrDateTime(m_Modified);
    case colProject:
        return GetProject() != nullptr ? m_pProject->m_Name : CString();
    case colSubsystem:
        return GetSubsystem() != nullptr ? m_pSubsystem->m_Name : CString();
    case colCategory:
        return GetCategory() != nullptr ? m_pCategory->m_Name : CString();
    case colType:
        return GetType() != nullptr ? m_pType->m_Name : CString();
    case colTripName:
        return GetTrip() != nullptr ? m_pTrip->m_Name : CString();
    case colAmount:
        return FormatCurrency(m_Amount, 2, 0);
    case colOdometerBegin:
        return NumberText(m_OdometerBegin, m_OdometerBegin > 0);
    case colOdometerEnd:
        return NumberText(m_OdometerEnd, m_OdometerEnd > 0);
    case colDistance:
        return NumberText(m_Distance, m_OdometerEnd > 0);
    case colMileageRate:
        return FormatCurrency(m_MileageRate, 3, 0);
    case colDate:
        return FormatDateOrDateTime(m_StartDate);
    case colEndDate:
        return FormatDateOrDateTime(m_EndDate);
    case colOwner:
        return GetUser() != nullptr ? m_pUser->m_User : CString(MAKEINTRESOURCE(IDS_ALL_USERS));
    case colClient:
        return GetClient() != nullptr ? m_pClient->GetCompanyName()
                                      : CString(MAKEINTRESOURCE(IDS_ALL_CLIENTS));
    case colTripStart:
        return GetTrip() != nullptr ? FormatDateOrDateTime(m_pTrip->m_StartDate) : CString();
    case colTripEnd:
        return GetTrip() != nullptr ? FormatDateOrDateTime(m_pTrip->m_EndDate) : CString();
    case colTrip:
        return GetTrip() != nullptr ? m_pTrip->m_GUID : CString();
    case colBank:
        return GetBank() != nullptr ? m_pBank->m_Name : CString();
    case colAccount:
        return GetAccount() != nullptr ? m_pAccount->m_Name : CString();
    case colDateShort:
        return IsSet(m_StartDate) ? AcxFormatDate(m_StartDate, DATE_SHORTDATE) : CString();
    default:
        return CString();
    }
}

void CExpense::SetColumnText(const CString& text, int columnId) {
    if (BYTE* flag = FlagOf(columnId)) {
        *flag = text == "1" ? 1 : 0;
        return;
    }
    if (CString* plain = PlainTextOf(columnId)) {
        *plain = text;
        return;
    }
    CTime time;
    switch (columnId) {
    case colProject:
        SetProject(m_pDoc != nullptr ? m_pDoc->FindProjectByName(text) : nullptr);
        break;
    case colSubsystem: {
        CProject* pProject = GetProject();
        SetSubsystem(pProject != nullptr ? pProject->FindSubsystem(text) : nullptr);
        break;
    }
    case colCategory:
        SetCategory(m_pDoc != nullptr ? m_pDoc->FindCategoryByName(text) : nullptr);
        break;
    case colType:
        SetType(m_pDoc != nullptr ? m_pDoc->FindExpenseTypeByName(text) : nullptr);
        break;
    case colClient:
        SetClient(m_pDoc != nullptr ? m_pDoc->FindClientByName(text) : nullptr);
        break;
    case colTrip:
        SetTrip(m_pDoc != nullptr ? m_pDoc->FindExpenseTripByGUID(text) : nullptr);
        break;
    case colBank:
        SetBank(m_pDoc != nullptr ? m_pDoc->FindAccountByName(text) : nullptr);
        break;
    case colAccount:
        SetAccount(m_pDoc != nullptr ? m_pDoc->FindAccountByName(text) : nullptr);
        break;
    case colAmount:
        ParseLocaleDouble(text, &m_Amount);
        break;
    case colOdometerBegin:
        m_OdometerBegin = ParseLeadingInt(text);
        RecalcDistance();
        break;
    case colOdometerEnd:
        m_OdometerEnd = ParseLeadingInt(text);
        RecalcDistance();
        break;
    case colDistance:
        m_Distance = ParseLeadingInt(text);
        m_OdometerEnd = static_cast<int>(
            std::min<long long>(static_cast<long long>(m_OdometerBegin) + m_Distance, INT_MAX));
        RecalcDistance();
        break;
    case colMileageRate:
        if (ParseLocaleDouble(text, &m_MileageRate))
            RecalcAmount();
        break;
    case colDate:
        if (text.IsEmpty()) {
            m_StartDate = m_EndDate = kNoTime;
        } else if (AcxParseDateTime(text, &time)) {
            SetStartDate(time);
        }
        break;
    case colEndDate:
        if (text.IsEmpty())
            m_EndDate = kNoTime;
        else if (AcxParseDateTime(text, &time))
            SetEndDate(time);
        break;
    default:
        break;
    }
}

void CExpense::ToggleColumn(int columnId) {
    if (FlagOf(columnId) != nullptr)
        SetColumnText(GetColumnText(columnId) == "1" ? "0" : "1", columnId);
}

bool CExpense::MatchesFind(const CFindRequest& request, const CDWordArray& columnIds, int firstIndex,
                           int& foundIndex, int& foundColumnId) {
    if (request.pProject != nullptr && request.pProject != GetProject())
        return false;
    return MatchFindColumns(
        request, columnIds, firstIndex, [this](int id) { return GetColumnText(id); }, foundIndex,
        foundColumnId);
}
