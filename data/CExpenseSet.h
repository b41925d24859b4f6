// The [Expenses] table: one row per expense (CExpense) of every user sharing the database. Loads the
// current user's expenses that pass the expense view's filter ("Filter\Project Tasks\" "ExProject",
// "ExTrip", "ExDate"), saves and deletes single expenses, answers whether an object is used by an
// expense, moves expenses to a replacement object, and runs the queries of invoices and of the
// accounting export.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CObArray.h"
#include "framework/core/CTime.h"

class CAccount;
class CCategory;
class CClient;
class CExpense;
class CExpenseTrip;
class CExpenseType;
class CLogDoc;
class CProject;
class CSubsystem;
class CUser;
class IExpenseExportSection;
class IExportExpenseOptions;

class CExpenseSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CExpenseSet)
public:
    explicit CExpenseSet(CDatabase* pDatabase = nullptr);

    // ---- rows and objects (CExpenseSet.cpp) ----
    // The field members from the expense (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CExpense& expense);
    // The expense from the current row; it belongs to doc and resolves its objects from the GUIDs.
    void RowToObject(CExpense& expense, CLogDoc* doc);
    // The rows of the view filter into the document's expense list.
    bool LoadExpenses(CLogDoc* doc);
    bool SaveExpense(CLogDoc* doc, CExpense* expense);
    bool DeleteExpense(CLogDoc* doc, CExpense* expense);
    // Merges the current row into the document (LoadAll reads the rows of the view filter).
    void TransferRow(CObject* target) override;
    CString GetLoadFilter(CObject* target) override;

    // ---- the view's filter and the queries (CExpenseSetFilter.cpp) ----
    void SetFilterProject(CProject* project);
    void SetFilterTrip(CExpenseTrip* trip);
    // 0 all dates, 7 the last 30 days, 8 60, 9 90, 10 120 (any other code 30).
    void SetFilterDate(int code);
    void ClearFilter();
    bool IsFiltered();
    // The active filter in one line: the project's and the trip's names and the date range's title.
    CString GetFilterText(CLogDoc* doc);
    // The view filter: the current user's expenses of the chosen project and trip, dated in the range.
    CString BuildViewFilter(CLogDoc* doc);
    // The expenses of the client and project (not the "<None>" project) dated from from's day up to
    // before to's day (0: no bound), by date, appended to out (the caller owns them).
    bool FilterForInvoice(CClient* client, CProject* project, const CTime& from, const CTime& to,
                          CObArray& out, CLogDoc* doc);
    // Writes every expense of the options' choices that they include to section; with mark as billed,
    // exactly the rows whose expense was written become billed.
    bool ExportExpenses(CLogDoc* doc, IExpenseExportSection* section, IExportExpenseOptions* options);

    // ---- references (CExpenseSetRefs.cpp) ----
    // Whether an expense refers to the object (an account as bank or as account). False for none.
    bool SubsystemHasExpenses(CSubsystem* subsystem);
    bool ProjectHasExpenses(CProject* project);
    bool CategoryHasExpenses(CCategory* category);
    bool UserHasExpenses(CUser* user);
    bool AccountHasExpenses(CAccount* account);
    bool TypeHasExpenses(CExpenseType* type);
    bool TripHasExpenses(CExpenseTrip* trip);
    bool ClientHasExpenses(CClient* client);
    // The expenses of the old object refer to the new one. A new project also empties the subsystem, a
    // new user brings its organization unit, a missing new client empties the client; an account is
    // replaced wherever it is the bank or the account.
    bool ReplaceProject(CLogDoc* doc, CProject* oldProject, CProject* newProject);
    bool ReplaceSubsystem(CLogDoc* doc, CSubsystem* oldSubsystem, CSubsystem* newSubsystem);
    bool ReplaceCategory(CLogDoc* doc, CCategory* oldCategory, CCategory* newCategory);
    bool ReplaceUser(CLogDoc* doc, CUser* oldUser, CUser* newUser);
    bool ReplaceType(CLogDoc* doc, CExpenseType* oldType, CExpenseType* newType);
    bool ReplaceTrip(CLogDoc* doc, CExpenseTrip* oldTrip, CExpenseTrip* newTrip);
    bool ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient);
    bool ReplaceAccount(CLogDoc* doc, CAccount* oldAccount, CAccount* newAccount);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_guid;
    CString m_description;
    CString m_userId;
    CString m_organizationId;
    CString m_clientId;
    CString m_projectId;
    CString m_subsystemId;
    CString m_categoryId;
    CString m_bankId;
    CString m_accountId;
    CString m_typeId;
    CString m_tripId;
    double m_amount = 0.0;
    CString m_payee;
    CString m_checkNum;
    long m_billed = 0;
    long m_billable = 1;
    long m_reimbursed = 0;
    long m_reimbursable = 1;
    long m_companyPaid = 0;
    long m_companyPaidPers = 0;
    long m_odometerBegin = 0;
    long m_odometerEnd = 0;
    long m_distance = 0;
    double m_mileageRate = 0.0;
    CTime m_startDate;
    CTime m_endDate;
    CString m_userText1;
    CString m_userText2;
    CString m_userText3;
};
