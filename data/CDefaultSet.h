// The [Defaults] table: which first-run data has already been created in this shared database (default
// objects, the learning set-up, default users, the conversion of quick picks into project tasks, default
// expense types). Read and written through its first row.
#pragma once

#include "data/CBaseRecordset.h"

class CLogDoc;

class CDefaultSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CDefaultSet)
public:
    explicit CDefaultSet(CDatabase* pDatabase = nullptr);

    // The getters give false unless the row exists and says otherwise; errors of the refresh pass to
    // the caller. The set stays open afterwards.
    void GetObjectsAndLearningFlags(CLogDoc* doc, bool* objects, bool* learning);
    void GetUsersFlag(CLogDoc* doc, bool* users);
    void GetQuickTasksFlag(CLogDoc* doc, bool* quickTasks);
    void GetExpenseTypesFlag(CLogDoc* doc, bool* expenseTypes);

    // The setters write the row (added with Users and QuickTasks 1, the rest 0, when there is none).
    // Objects and learning are only ever set: a false argument leaves the column as it is.
    void SetObjectsAndLearningFlags(CLogDoc* doc, bool objects, bool learning);
    void SetUsersFlag(CLogDoc* doc, bool value);
    void SetQuickTasksFlag(CLogDoc* doc, bool value);
    void SetExpenseTypesFlag(CLogDoc* doc, bool value);

    // The caption of this table's errors.
    virtual CString GetErrorCaption() const { return "Defaults"; }

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    void OnDatabaseError(CObject* context, CDBException* e) override;

    long m_objects = 0;
    long m_learning = 0;
    long m_users = 0;
    long m_quickTasks = 0;
    long m_expenseTypes = 0;

private:
    // Clears filter and sort and refreshes the set (opening it when needed).
    void Prepare();
    // The column's value in the current row; 0 without a row or for NULL.
    long Flag(const long& member) const;
    // Writes the row with change applied to its members.
    template <typename Change> void WriteRow(CLogDoc* doc, Change change);
};
