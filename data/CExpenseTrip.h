// An expense trip: groups the expenses of one journey of one user, with a start and an end date. Kept by
// the time-log document in its trip list and GUID map; stored in [ExpenseTrips].
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CExpenseTrip : public CObject {
    DECLARE_SERIAL(CExpenseTrip)
public:
    CExpenseTrip();
    // Copies every field; the copy is not modified.
    CExpenseTrip(const CExpenseTrip& other);
    CExpenseTrip& operator=(const CExpenseTrip& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // Schema word 6: Name, Description, GUID (made first), Created, Modified, Active, UserID, StartDate,
    // EndDate. Words 1 to 6 are read alike (Deleted is not archived); any other word is refused.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CTime m_Deleted{static_cast<__time64_t>(0)};
    CString m_GUID;
    CString m_UserID; // GUID of the owning user
    CString m_Name;
    CString m_Description;
    CTime m_StartDate;
    CTime m_EndDate;
    BYTE m_bModified = 0;
    BYTE m_Active = 1;
    BYTE m_Extra = 1; // copied by assignment only
};

using CExpenseTripArray = CTypedPtrArray<CObArray, CExpenseTrip*>;
