// CGEGridClearCellsImp: clearing the selected cells, their values or their whole stored styles, as one
// undo step.
#pragma once

#include "grid/core/CGEAbstractGridClearCellsImp.h"

class CGEGridClearCellsImp : public CGEAbstractGridClearCellsImp {
public:
    // FALSE for a read-only grid; else whether there is a selection or a current cell.
    BOOL CanClear(CGEGridCore* pGrid) override;
    // Clears the selected ranges, or the current cell when nothing is selected.
    BOOL Clear(CGEGridCore* pGrid, BOOL bStyles) override;
    // Whole rows, whole columns and the table are cleared below and right of the header rows and columns.
    // Values (bStyles FALSE): every cell with a text is given an empty text through its control; styles:
    // the stored styles of the cells are removed. A cell that refuses, or an abort by the user, stops the
    // clearing: the cells cleared before stay cleared as one undo step (an abort with rollback undoes them)
    // and the result is FALSE.
    BOOL ClearCells(CGEGridCore* pGrid, const CGERangeList& list, BOOL bStyles) override;
};
