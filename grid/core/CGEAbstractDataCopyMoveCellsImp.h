// Copying and moving blocks of stored cells inside a cell data object (application-wide).
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEData;

class CGEAbstractDataCopyMoveCellsImp : public CObject {
public:
    // The source block's styles cloned so that its top-left lands on (nDestRow, nDestCol).
    virtual BOOL CopyCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // The source block's styles moved there. pUndoInfo in: the information of a move being undone (its
    // saved cells are put back); out: with bRecordUndo, what this move overwrote.
    virtual BOOL MoveCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& pUndoInfo, BOOL bRecordUndo, int nMode) = 0;

protected:
    CGEAbstractDataCopyMoveCellsImp() = default;
};
