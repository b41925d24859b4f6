// The [Update] table: one counter that every copy of the program sharing the database increases after
// it wrote shared reference data (projects, clients, users ...). Each copy remembers the value it has
// acted on; when it finds another, it reloads the reference tables.
#pragma once

#include "data/CBaseRecordset.h"

class CLogDoc;

class CUpdateSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CUpdateSet)
public:
    explicit CUpdateSet(CDatabase* pDatabase = nullptr);

    // The counter runs from 1 to kMaxCounter and then starts again at 1.
    static constexpr long kMaxCounter = 10000;

    // Reads the counter of the table's first row into m_objects; 0 when there is none or the table
    // cannot be read.
    void ReadCounter(CLogDoc* doc);
    // Once: takes the counter as the value this copy has seen.
    void InitCounter(CLogDoc* doc);
    // Reloads the reference tables (the document's shared-table sets, in order: users, project types,
    // clients, organization, projects, categories ...) when the counter changed since this copy last saw
    // it, or when this copy's own bump found another copy's change that it had not yet seen. Nothing
    // for a null doc; the first poll only initialises.
    void PollCounter(CLogDoc* doc);
    // Increases the counter by one (wrapping), also when other copies bump it at the same moment: the
    // increase is made only from the value read, and read again when another copy got there first.
    // Errors go to the error list under "Update table"; the counter is then left as it was.
    void BumpCounter(CLogDoc* doc);

    long GetLastSeen() const noexcept { return m_lastSeen; }
    bool IsInitialised() const noexcept { return m_initialised; }
    // A change of another copy is known but not yet reloaded.
    bool IsReloadPending() const noexcept { return m_reloadPending; }

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    void OnDatabaseError(CObject* context, CDBException* e) override;

    long m_objects = 0;

private:
    // Changes the counter from before to after when it still holds before; false when another copy
    // changed it meanwhile.
    bool ReplaceCounter(long before, long after);

    long m_lastSeen = 0;
    bool m_initialised = false;
    bool m_reloadPending = false;
};
