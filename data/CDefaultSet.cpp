#include "data/CDefaultSet.h"

#include "data/TableSetSupport.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(CDefaultSet, CBaseRecordset)

CDefaultSet::CDefaultSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 5;
}

CString CDefaultSet::GetDefaultSQL() {
    return "[Defaults]";
}

void CDefaultSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[Objects]", m_objects);
    RFX_Long(pFX, "[Learning]", m_learning);
    RFX_Long(pFX, "[Users]", m_users);
    RFX_Long(pFX, "[QuickTasks]", m_quickTasks);
    RFX_Long(pFX, "[ExpenseTypes]", m_expenseTypes);
}

void CDefaultSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError(GetErrorCaption(), e);
}

void CDefaultSet::Prepare() {
    m_strFilter.Empty();
    m_strSort.Empty();
    Refresh();
}

long CDefaultSet::Flag(const long& member) const {
    if (!IsOpen() || IsEOF() || IsBOF())
        return 0;
    return LongOr(*this, member, 0);
}

void CDefaultSet::GetObjectsAndLearningFlags(CLogDoc*, bool* objects, bool* learning) {
    Prepare();
    if (objects)
        *objects = Flag(m_objects) != 0;
    if (learning)
        *learning = Flag(m_learning) != 0;
}

void CDefaultSet::GetUsersFlag(CLogDoc*, bool* users) {
    Prepare();
    if (users)
        *users = Flag(m_users) == 1;
}

void CDefaultSet::GetQuickTasksFlag(CLogDoc*, bool* quickTasks) {
    Prepare();
    if (quickTasks)
        *quickTasks = Flag(m_quickTasks) == 1;
}

void CDefaultSet::GetExpenseTypesFlag(CLogDoc*, bool* expenseTypes) {
    Prepare();
    if (expenseTypes)
        *expenseTypes = Flag(m_expenseTypes) == 1;
}

template <typename Change> void CDefaultSet::WriteRow(CLogDoc* doc, Change change) {
    Prepare();
    if (!IsOpen())
        return;
    RunReported(doc, [&] {
        if (IsEOF()) {
            AddNew();
            m_objects = 0;
            m_learning = 0;
            m_users = 1;
            m_quickTasks = 1;
            m_expenseTypes = 0;
        } else {
            Edit();
        }
        change();
        Update();
        return true;
    });
}

void CDefaultSet::SetObjectsAndLearningFlags(CLogDoc* doc, bool objects, bool learning) {
    WriteRow(doc, [&] {
        if (objects)
            m_objects = 1;
        if (learning)
            m_learning = 1;
    });
}

void CDefaultSet::SetUsersFlag(CLogDoc* doc, bool value) {
    WriteRow(doc, [&] { m_users = value ? 1 : 0; });
}

void CDefaultSet::SetQuickTasksFlag(CLogDoc* doc, bool value) {
    WriteRow(doc, [&] { m_quickTasks = value ? 1 : 0; });
}

void CDefaultSet::SetExpenseTypesFlag(CLogDoc* doc, bool value) {
    WriteRow(doc, [&] { m_expenseTypes = value ? 1 : 0; });
}
