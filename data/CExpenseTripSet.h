// The [ExpenseTrips] table: one row per trip (CExpenseTrip). Each user loads only the trips that are
// his, also when the change counter reloads them. Names are stored with their apostrophes turned into
// backquotes (and back when read), as every copy of the program sharing the table keeps them.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CTime.h"

class CExpenseTrip;
class CLogDoc;

class CExpenseTripSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CExpenseTripSet)
public:
    explicit CExpenseTripSet(CDatabase* pDatabase = nullptr);

    // The field members from the trip (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CExpenseTrip& trip);
    void RowToObject(CExpenseTrip& trip);

    // The current user's trips (with no current user, the trips without user), by name, into the
    // document's list and map.
    bool LoadTrips(CLogDoc* doc);
    // Writes the trip's row and bumps the change counter.
    bool SaveTrip(CLogDoc* doc, CExpenseTrip* trip);
    bool DeleteTrip(CLogDoc* doc, CExpenseTrip* trip);
    // The rows LoadTrips reads: the current user's.
    CString GetLoadFilter(CObject* target) override;
    // Merges the current row: a later row updates the document's trip of its GUID; an unknown trip is
    // added unless the document has one of that name.
    void TransferRow(CObject* target) override;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_guid;
    CString m_name;
    CString m_description;
    CString m_userId;
    long m_active = 1;
    CTime m_startDate;
    CTime m_endDate;
};
