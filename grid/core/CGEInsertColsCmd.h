// CGEInsertColsCmd: inserts removed columns again with their stored styles (row by row, rows 0..nRowCount)
// and their former stored widths: the reverse of removing them.
#pragma once

#include "grid/core/CGECommand.h"

class CGEInsertColsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEInsertColsCmd)
public:
    CGEInsertColsCmd(ROWCOL nCol, ROWCOL nCount, CObArray* pStyles, int* anWidths, ROWCOL nRowCount);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nCol;
    ROWCOL m_nCount;
    GEOwnedStyles m_pStyles;           // taken over, with its styles
    std::unique_ptr<int[]> m_anWidths; // taken over
    ROWCOL m_nRowCount;
};
