// CGEDataCopyMoveCellsImp: copying and moving blocks of stored styles inside a cell data object
// (application-wide). A copy walks away from its destination, so overlapping blocks never read a cell
// this copy already overwrote; a move takes the whole source block out before it places it. Header
// cells (row 0, column 0) are stored styles like any other.
#pragma once

#include "grid/core/CGEAbstractDataCopyMoveCellsImp.h"

class CGEDataCopyMoveCellsImp : public CGEAbstractDataCopyMoveCellsImp {
public:
    // FALSE (nothing copied) when the source or the destination block leaves the data's counts.
    BOOL CopyCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol) override;
    // The data never deletes the information it is given: a CGEDataUndoMoveCellsInfo passed in has its
    // cells put back and is left empty; with bRecordUndo a new CGEDataUndoMoveCellsInfo holding what this
    // move overwrote is handed back through pUndoInfo (the caller owns it). FALSE, with nothing moved,
    // when a block leaves the data's counts.
    BOOL MoveCells(CGEData* pData, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                   CObject*& pUndoInfo, BOOL bRecordUndo, int nMode) override;
};

// Installs the data copy and move into the engine's state (once).
void GEInstallDataCopyMoveCells();
