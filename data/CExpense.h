// One recorded expense: an amount spent (or a distance driven) by a user for a client, project,
// subsystem and category, with its payment details, accounts, type and trip. Kept by the time-log
// document in its expense list (the expense view's row order) and GUID map; stored in [Expenses] only.
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CAccount;
class CCategory;
class CClient;
class CExpenseTrip;
class CExpenseType;
class CLogDoc;
class CProject;
class CSubsystem;
class CUser;

class CExpense : public CObject {
    DECLARE_DYNCREATE(CExpense)
public:
    // MileageRate from the preference "Mileage rate" (thousandths; missing or 0 counts as 375).
    CExpense();
    // Copies every field, pointers and GUID included; the copy is not modified.
    CExpense(const CExpense& other);
    CExpense& operator=(const CExpense& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    CLogDoc* m_pDoc = nullptr;
    CTime m_Created;
    CTime m_Modified;
    CTime m_Deleted{static_cast<__time64_t>(0)};
    CString m_GUID;
    CString m_Description;
    CString m_ClientUID;
    CString m_ProjectUID;
    CString m_SubsystemID;
    CString m_CategoryID;
    CString m_UserUID;
    CString m_OrganizationID;
    CString m_BankID;
    CString m_AccountID;
    CString m_TypeID;
    CString m_TripID;
    double m_Amount = 0.0;
    CString m_Payee;
    CString m_CheckNum;
    BYTE m_Billed = 0;
    BYTE m_Billable = 1;
    BYTE m_Reimbursed = 0;
    BYTE m_Reimbursable = 1;
    BYTE m_CompanyPaid = 0;
    BYTE m_CompanyPaidPers = 0;
    int m_OdometerBegin = 0;
    int m_OdometerEnd = 0;
    int m_Distance = 0;
    double m_MileageRate = 0.375;
    CTime m_StartDate{static_cast<__time64_t>(0)};
    CTime m_EndDate{static_cast<__time64_t>(0)};
    CString m_UserText1;
    CString m_UserText2;
    CString m_UserText3;
    // Caches of the objects the GUIDs name; not owned.
    CUser* m_pUser = nullptr;
    CClient* m_pClient = nullptr;
    CProject* m_pProject = nullptr;
    CSubsystem* m_pSubsystem = nullptr;
    CCategory* m_pCategory = nullptr;
    CAccount* m_pBank = nullptr;
    CAccount* m_pAccount = nullptr;
    CExpenseType* m_pType = nullptr;
    CExpenseTrip* m_pTrip = nullptr;
    BYTE m_bModified = 0;
    BYTE m_Extra1 = 1; // copied by assignment only
    BYTE m_Extra2 = 1;
};

using CExpenseArray = CTypedPtrArray<CObArray, CExpense*>;
