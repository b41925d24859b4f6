// An expense type: classifies expenses (an expense names one by GUID). Kept by the time-log document in
// its expense-type list and GUID map; stored in [ExpenseTypes].
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CExpenseType : public CObject {
    DECLARE_SERIAL(CExpenseType)
public:
    CExpenseType();
    CExpenseType(const char* name, const char* description);
    // Copies every field; the copy is not modified.
    CExpenseType(const CExpenseType& other);
    CExpenseType& operator=(const CExpenseType& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // Schema word 6: Name, Description, GUID (made first), Created, Modified, the flag byte. Reads words
    // 1 to 6: Name; Description from 2; GUID from 3; the times from 5; the flag from 6. Others are
    // refused.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CTime m_Deleted{static_cast<__time64_t>(0)};
    CString m_Name;
    CString m_GUID;
    CString m_Description;
    BYTE m_bModified = 0;
    BYTE m_Flag = 1;  // archived from version 6
    BYTE m_Extra = 1; // copied by assignment only
};

using CExpenseTypeArray = CTypedPtrArray<CObArray, CExpenseType*>;
