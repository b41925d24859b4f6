// CGEInsertRowsCmd: inserts removed rows again with their stored styles (row by row, columns 0..nColCount)
// and their former stored heights: the reverse of removing them.
#pragma once

#include "grid/core/CGECommand.h"

class CGEInsertRowsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEInsertRowsCmd)
public:
    CGEInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, CObArray* pStyles, int* anHeights, ROWCOL nColCount);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nRow;
    ROWCOL m_nCount;
    GEOwnedStyles m_pStyles;            // taken over, with its styles
    std::unique_ptr<int[]> m_anHeights; // taken over
    ROWCOL m_nColCount;
};
