// The dialogs that edit the document's reference lists, run by the document's commands: the records
// subsystem's dialogs (projects, project types, categories, clients, users, subsystems) and the billing
// subsystem's (expense accounts, expense types, bills). Their implementation registers itself once at
// start (SetListEditors); without it the commands change nothing.
#pragma once

#include "framework/core/CString.h"

class CLogDoc;
class CProject;

class IListEditors {
public:
    virtual ~IListEditors() = default;
    // Each runs its modal dialog over the document's list; what the user changed carries the object's
    // modified mark when the dialog returns.
    virtual void EditProjects(CLogDoc& doc) = 0;
    virtual void EditProjectTypes(CLogDoc& doc) = 0;
    virtual void EditCategories(CLogDoc& doc) = 0;
    virtual void EditExpenseAccounts(CLogDoc& doc) = 0;
    virtual void EditExpenseTypes(CLogDoc& doc) = 0;
    virtual void EditClients(CLogDoc& doc) = 0;
    virtual void EditUsers(CLogDoc& doc) = 0;
    virtual void EditSubsystems(CLogDoc& doc, CProject& project) = 0;
    virtual void CreateBill() = 0;
    // "Database Required"; true when the user chose to set up a database (the options open on their
    // database page).
    virtual bool RunDatabaseRequired() = 0;
    // The UTBMS code import and the project-task import of a chosen file.
    virtual void ImportUTBMSCodes(CLogDoc& doc, const CString& path) = 0;
    virtual void ImportProjectTasks(CLogDoc& doc, const CString& path) = 0;
};

IListEditors* GetListEditors();
void SetListEditors(IListEditors* pEditors);
