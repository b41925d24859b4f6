// What the document's view-dependent commands ask of the views and dialogs the main window keeps: the
// timesheet's row editor, the project-task, expense, invoice, payment and trip dialogs, and the searches
// of the project-task, expense and invoice views (the log view searches through ILogView). The main
// window implements it and registers it while it exists (SetViewCommands); without it those commands do
// nothing.
#pragma once

#include "data/CExpenseTrip.h"
#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"

class CCmdUI;
class CExpense;
struct CFindRequest;
class CInvoice;
class CLogDoc;
class CTask;

class IViewCommands {
public:
    virtual ~IViewCommands() = default;

    // The timesheet's selected row in its editor.
    virtual void EditTimesheetSelection() = 0;
    // The Project Task dialog on the task; nullptr with newTask: a new task. The dialog's result.
    virtual int EditProjectTask(CLogDoc& doc, CTask* pTask, bool newTask) = 0;
    // The expense (invoice) dialog; nullptr: a new one. The dialog's result.
    virtual int EditExpense(CLogDoc& doc, CExpense* pExpense) = 0;
    virtual int EditInvoice(CLogDoc& doc, CInvoice* pInvoice) = 0;
    // Opens the document generated from the invoice.
    virtual void OpenInvoiceDocument(CLogDoc& doc, CInvoice& invoice) = 0;
    // The payment dialog for the invoice (its result) and the invoice's payments.
    virtual int EnterPayment(CLogDoc& doc, CInvoice& invoice) = 0;
    virtual void ShowPayments(CLogDoc& doc, CInvoice& invoice) = 0;
    // The expense trips dialog on the trip list; what the user changed carries its modified mark.
    virtual int EditExpenseTrips(CLogDoc& doc, CExpenseTripArray& trips) = 0;

    // Searches of the project-task (4), expense (5) and invoice (6) views: on from the view's last hit,
    // the hit selected; the found object's GUID and the id of the column that matched.
    virtual bool FindInView(int view, const CFindRequest& request, CString& guid, int& columnId) = 0;
    // The view's current search text; the caption of one of its columns.
    virtual CString GetFindText(int view) = 0;
    virtual CString GetColumnCaption(int view, int columnId) = 0;
    // The text of the found object in that column (empty when it is unknown).
    virtual CString GetObjectText(int view, const CString& guid, int columnId) = 0;
    // Find Next of the view, forward, and its enabled state.
    virtual void FindNext(int view) = 0;
    virtual void UpdateFindNext(int view, CCmdUI* pCmdUI) = 0;

    // Reports: "Choose User or Group" (the name chosen, with its names and group identifiers), the
    // file-open dialog in a folder with a filter ("text|pattern|..."), and the report viewer. The first
    // two are false when cancelled.
    virtual bool ChooseReportUser(CLogDoc& doc, CString& userName, CStringArray& names,
                                  CStringArray& groupIds) = 0;
    virtual bool ChooseReportFile(const CString& folder, const CString& filter, CString& path) = 0;
    virtual void ViewReport(CLogDoc& doc, const CString& path, const CString& userName,
                            const CStringArray& names, const CStringArray& groupIds) = 0;
};

// The registered commands, or nullptr.
IViewCommands* GetViewCommands();
void SetViewCommands(IViewCommands* pCommands);
