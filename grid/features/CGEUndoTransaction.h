// CGEUndoTransaction: one undo step around a grid operation that changes many cells. It begins on
// construction; Commit closes it as one step; leaving the scope without Commit (a refusal, an abort, an
// exception) rolls back what was recorded, so the block is never left open.
#pragma once

#include "framework/core/AfxDefs.h"

class CGEGridCore;

class CGEUndoTransaction {
public:
    CGEUndoTransaction(CGEGridCore* pGrid, LPCSTR pszDescription);
    ~CGEUndoTransaction();
    CGEUndoTransaction(const CGEUndoTransaction&) = delete;
    CGEUndoTransaction& operator=(const CGEUndoTransaction&) = delete;

    void Commit();
    void Rollback();

private:
    CGEGridCore* m_pGrid;
    BOOL m_bOpen = TRUE;
};
