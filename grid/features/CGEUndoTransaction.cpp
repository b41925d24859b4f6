#include "grid/features/CGEUndoTransaction.h"

#include "grid/core/CGEGridCore.h"

CGEUndoTransaction::CGEUndoTransaction(CGEGridCore* pGrid, LPCSTR pszDescription) : m_pGrid(pGrid) {
    m_pGrid->BeginTrans(pszDescription);
}

CGEUndoTransaction::~CGEUndoTransaction() {
    Rollback();
}

void CGEUndoTransaction::Commit() {
    if (m_bOpen) {
        m_bOpen = FALSE;
        m_pGrid->CommitTrans();
    }
}

void CGEUndoTransaction::Rollback() {
    if (m_bOpen) {
        m_bOpen = FALSE;
        m_pGrid->Rollback();
    }
}
