#include "data/CExpenseTripSet.h"

#include "data/CExpenseTrip.h"
#include "data/CUser.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/TextRoutines.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CExpenseTripSet, CObjectRecordset)

namespace {

// The trips of the current user; the trips of nobody without one.
CString UserFilter(CLogDoc* doc) {
    CUser* user = doc ? doc->GetCurrentUser() : nullptr;
    return SqlEqualsOrEmpty("UserID", user ? CString(user->GetGUID()) : CString());
}

} // namespace

CExpenseTripSet::CExpenseTripSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Expense Trip") {
    m_nFields = 10;
}

CString CExpenseTripSet::GetDefaultSQL() {
    return "[ExpenseTrips]";
}

void CExpenseTripSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
    RFX_Text(pFX, "[UserID]", m_userId, 255);
    RFX_Long(pFX, "[Active]", m_active);
    RFX_Date(pFX, "[StartDate]", m_startDate);
    RFX_Date(pFX, "[EndDate]", m_endDate);
}

void CExpenseTripSet::ObjectToRow(CExpenseTrip& trip) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(trip.m_Created, now);
    m_modified = TimeOr(trip.m_Modified, now);
    m_deleted = trip.m_Deleted;
    m_guid = trip.GetGUID();
    m_name = trip.m_Name;
    ReplaceApostrophes(m_name, true);
    m_description = trip.m_Description;
    m_userId = trip.m_UserID;
    m_active = trip.m_Active ? 1 : 0;
    m_startDate = trip.m_StartDate;
    m_endDate = trip.m_EndDate;
}

void CExpenseTripSet::RowToObject(CExpenseTrip& trip) {
    const CTime now = CTime::GetCurrentTime();
    trip.m_Name = m_name;
    ReplaceApostrophes(trip.m_Name, false);
    trip.m_Created = TimeOr(m_created, now);
    trip.m_Modified = TimeOr(m_modified, now);
    trip.m_Deleted = m_deleted;
    trip.m_GUID = m_guid;
    trip.m_Description = m_description;
    trip.m_UserID = m_userId;
    trip.m_Active = LongOr(*this, m_active, 1) != 0 ? 1 : 0;
    trip.m_StartDate = m_startDate;
    trip.m_EndDate = m_endDate;
    trip.m_bModified = 0;
}

bool CExpenseTripSet::LoadTrips(CLogDoc* doc) {
    if (!doc)
        return false;
    return ForEachRow(doc, UserFilter(doc), "[Name] ASC", [&] {
        auto trip = std::make_unique<CExpenseTrip>();
        RowToObject(*trip);
        doc->AddExpenseTrip(trip.release());
    });
}

bool CExpenseTripSet::SaveTrip(CLogDoc* doc, CExpenseTrip* trip) {
    if (!doc || !trip)
        return false;
    return SaveSharedRow(*this, doc, trip->GetGUID(), [&] { ObjectToRow(*trip); });
}

bool CExpenseTripSet::DeleteTrip(CLogDoc* doc, CExpenseTrip* trip) {
    if (!doc || !trip)
        return false;
    return DeleteByGUID(doc, trip->GetGUID());
}

CString CExpenseTripSet::GetLoadFilter(CObject* target) {
    return UserFilter(dynamic_cast<CLogDoc*>(target));
}

void CExpenseTripSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto fromRow = std::make_unique<CExpenseTrip>();
    RowToObject(*fromRow);
    CExpenseTrip* existing = doc->FindExpenseTripByGUID(fromRow->m_GUID);
    MergeRow(std::move(fromRow), existing, [&](std::unique_ptr<CExpenseTrip> added) {
        for (INT_PTR i = 0; i < doc->m_ExpenseTrips.GetSize(); ++i)
            if (doc->m_ExpenseTrips.GetAt(i)->m_Name == added->m_Name)
                return; // a trip of that name is already there
        doc->AddExpenseTrip(added.release());
        doc->ApplyUserVisibility(true, true, true);
    });
}
