// CGEGridSortMoveDataImp: puts the stored rows (columns) of a cell data object into the order a sort
// found (application-wide). Rows move as whole row arrays, so a sort of many rows costs one pointer per
// row; columns move inside every stored row. Trailing lines left without styles are trimmed away.
#pragma once

#include "grid/core/CGEAbstractGridSortMoveDataImp.h"

class CGEGridSortMoveDataImp : public CGEAbstractGridSortMoveDataImp {
public:
    // The range's first and last row (column) are used; FALSE, with nothing moved, when the order is not
    // a permutation of the range's lines or the range leaves the data.
    BOOL MoveDataRows(CGEData* pData, const CGECellRange& range, const CDWordArray& order) override;
    BOOL MoveDataCols(CGEData* pData, const CGECellRange& range, const CDWordArray& order) override;
};

// Installs the moving of data after a sort into the engine's state (once).
void GEInstallSortMoveData();
