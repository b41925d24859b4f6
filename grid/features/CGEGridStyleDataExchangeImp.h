// CGEGridStyleDataExchangeImp: the internal form of grid cells that the clipboard carries: the block's
// rows and columns (32 bits each, at most 0x7FFF) and an object array of one style (or null) per cell,
// rows first, written while the archive knows the grid's styles map so base styles travel by name.
#pragma once

#include "grid/core/CGEAbstractGridStyleDataExchangeImp.h"

class CGEGridStyleDataExchangeImp : public CGEAbstractGridStyleDataExchangeImp {
public:
    // Throws the memory exception for a block beyond the limits; FALSE when the user cancelled or the
    // block is empty (nothing is written then).
    BOOL CopyCellsToArchive(CGEGridCore* pGrid, CArchive& ar, const CGERangeList& list,
                            BOOL bComposed) override;
    // bComposed: everything that applies to the cell; else the cell's stored style (with clipboard option
    // 0x800 limited to the grid's copy mask). FALSE when the cell has nothing to write.
    BOOL GetCellStyleForCopy(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGEStyle& style,
                             BOOL bComposed) override;
    // Applies a block to the cells from the range's top-left as one undo step, growing the grid when the
    // clipboard options allow and cutting the block where they do not. The data may come from any process:
    // a block outside 1..0x7FFF rows or columns, a cell count that does not match, or anything but styles in
    // the array is refused (FALSE, nothing changed). Archive exceptions of damaged data pass to the caller.
    BOOL PasteCellsFromArchive(CGEGridCore* pGrid, CArchive& ar, const CGECellRange& range,
                               BOOL bCheckSize) override;

    static constexpr DWORD nMaxRowsOrCols = 0x7FFF;
};
