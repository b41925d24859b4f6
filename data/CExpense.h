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
class CDWordArray;
class CExpenseTrip;
class CExpenseType;
class CLogDoc;
class CLogEntry;
class CProject;
class CSubsystem;
class CUser;
struct CFindRequest;

class CExpense : public CObject {
    DECLARE_SERIAL(CExpense)
public:
    // Column ids of GetColumnText / SetColumnText; each is also the string id of the column's title.
    enum Column : int {
        colCreated = 11730,
        colModified = 11731,
        colDescription = 11733,
        colProject = 11734,
        colSubsystem = 11735,
        colCategory = 11736,
        colType = 11737,
        colTripName = 11738,
        colAmount = 11739,
        colPayee = 11740,
        colBilled = 11741,
        colBillable = 11742,
        colReimbursed = 11743,
        colReimbursable = 11744,
        colCompanyPaid = 11745,
        colCompanyPaidPers = 11746,
        colOdometerBegin = 11747,
        colOdometerEnd = 11748,
        colDistance = 11749,
        colMileageRate = 11750,
        colDate = 11752,
        colEndDate = 11753,
        colUserText1 = 11754,
        colUserText2 = 11755,
        colUserText3 = 11756,
        colOwner = 11763,
        colClient = 11770,
        colTripStart = 11772,
        colTripEnd = 11773,
        colTrip = 11776,
        colCheckNum = 51734,
        colBank = 51735,
        colAccount = 51736,
        colDateShort = 51781,
    };

    // MileageRate from the preference "Mileage rate" (thousandths; missing or 0 counts as 375).
    CExpense();
    // An expense of the entry's work: its description, start and end as the dates, billing flags, user
    // texts, client, project, subsystem, category and user (with the user's organization unit).
    explicit CExpense(const CLogEntry& entry);
    // Copies every field, pointers and GUID included; the copy is not modified.
    CExpense(const CExpense& other);
    CExpense& operator=(const CExpense& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // ---- referenced objects (CExpenseLinks.cpp) ----
    // Resolved once through the document by the stored GUID and cached (nullptr without a document or
    // when nothing has it). GetProject falls back to the document's "<None>" project and keeps it.
    CUser* GetUser();
    CClient* GetClient();
    CProject* GetProject();
    CSubsystem* GetSubsystem();
    CCategory* GetCategory();
    CAccount* GetBank();
    CAccount* GetAccount();
    CExpenseType* GetType();
    CExpenseTrip* GetTrip();
    // Store the pointer and its GUID ("" for none). The user also brings its organization unit (the
    // group above it) into OrganizationID.
    void SetUser(CUser* pUser);
    void SetClient(CClient* pClient);
    void SetProject(CProject* pProject);
    void SetSubsystem(CSubsystem* pSubsystem);
    void SetCategory(CCategory* pCategory);
    void SetBank(CAccount* pAccount);
    void SetAccount(CAccount* pAccount);
    void SetType(CExpenseType* pType);
    void SetTrip(CExpenseTrip* pTrip);

    // ---- values with rules (CExpenseText.cpp) ----
    // Stores the date; a later start moves the end up to it.
    void SetStartDate(const CTime& time);
    // Stores the date; an earlier end moves the start back to it.
    void SetEndDate(const CTime& time);
    // Distance from the odometer (0 unless the end lies above the begin), then the amount.
    void RecalcDistance();
    // Amount = Distance x MileageRate, only while an odometer end is set.
    void RecalcAmount();

    // ---- texts by column id (CExpenseText.cpp) ----
    // The column's text; "" for an unknown id.
    CString GetColumnText(int columnId);
    // Stores the text into the column by its rules; unknown ids and read-only columns change nothing.
    void SetColumnText(const CString& text, int columnId);
    // A flag column becomes "1" unless it was "1", then "0"; other columns are left alone.
    void ToggleColumn(int columnId);
    // The find command's match over columnIds (the expense view's columns in display order) from
    // firstIndex on: the first column that matches gives foundIndex and foundColumnId.
    bool MatchesFind(const CFindRequest& request, const CDWordArray& columnIds, int firstIndex,
                     int& foundIndex, int& foundColumnId);

    // Schema word 6. Expenses live in [Expenses] only: nothing is written or read.
    void Serialize(CArchive& ar) override;

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

private:
    // The field of a flag column, or of a column that stores its text as it is; nullptr for others.
    BYTE* FlagOf(int columnId);
    CString* PlainTextOf(int columnId);
};

using CExpenseArray = CTypedPtrArray<CObArray, CExpense*>;
