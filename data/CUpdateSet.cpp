#include "data/CUpdateSet.h"

#include "data/TableSetSupport.h"
#include "framework/db/COdbcStatement.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(CUpdateSet, CBaseRecordset)

namespace {

// Attempts of one bump while other copies keep changing the counter.
constexpr int kBumpAttempts = 50;

} // namespace

CUpdateSet::CUpdateSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 1;
}

CString CUpdateSet::GetDefaultSQL() {
    return "[Update]";
}

void CUpdateSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Long(pFX, "[Objects]", m_objects);
}

void CUpdateSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Update table", e);
}

void CUpdateSet::ReadCounter(CLogDoc*) {
    m_objects = 0;
    if (!Reopen())
        return;
    if (!IsEOF())
        m_objects = LongOr(*this, m_objects, 0);
    Close();
}

void CUpdateSet::InitCounter(CLogDoc* doc) {
    if (m_initialised)
        return;
    m_initialised = true;
    ReadCounter(doc);
    m_lastSeen = m_objects;
}

void CUpdateSet::PollCounter(CLogDoc* doc) {
    if (!doc)
        return;
    if (!m_initialised) {
        InitCounter(doc);
        return;
    }
    ReadCounter(doc);
    const bool changed = m_objects >= 1 && m_objects != m_lastSeen;
    if (!changed && !m_reloadPending)
        return;
    if (changed)
        m_lastSeen = m_objects;
    m_reloadPending = false;
    for (CBaseRecordset* set : doc->GetSharedTableSets())
        set->LoadAll(doc);
}

bool CUpdateSet::ReplaceCounter(long before, long after) {
    CString sql;
    sql.Format("UPDATE [Update] SET [Objects] = %ld WHERE [Objects] = %ld", after, before);
    COdbcStatement statement(*m_pDatabase);
    statement.Execute(m_pDatabase->GetDialect().Translate(sql));
    return statement.GetRowCount() != 0;
}

void CUpdateSet::BumpCounter(CLogDoc* doc) {
    if (!Reopen())
        return;
    RunReported(doc, [&] {
        long before = 0;
        long after = 1;
        bool done = false;
        for (int attempt = 0; attempt < kBumpAttempts && !done; ++attempt) {
            if (attempt > 0)
                Requery();
            if (IsEOF()) {
                AddNew();
                m_objects = after = 1;
                Update();
                before = 0;
                done = true;
                break;
            }
            if (IsFieldNull(&m_objects)) {
                // A NULL counter is taken as 0 and replaced as it stands.
                Edit();
                m_objects = after = 1;
                Update();
                before = 0;
                done = true;
                break;
            }
            before = m_objects;
            after = before + 1 > kMaxCounter ? 1 : before + 1;
            done = ReplaceCounter(before, after);
        }
        if (!done)
            AfxThrowDBException(AFX_SQL_ERROR_NO_ROWS_AFFECTED, m_pDatabase, SQL_NULL_HSTMT);
        // Another copy changed the counter since this one last looked: its change must still be reloaded,
        // although the counter now holds this copy's own value.
        if (before >= 1 && before != m_lastSeen)
            m_reloadPending = true;
        m_lastSeen = after;
        m_objects = after;
        Close();
        return true;
    });
}
