// CGESetCoveredCellsCmd: sets the covered block at (nTop, nLeft) back to what it was: the creator is given
// the block to set (a single cell uncovers).
#pragma once

#include "grid/core/CGECommand.h"

class CGESetCoveredCellsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetCoveredCellsCmd)
public:
    CGESetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nTop;
    ROWCOL m_nLeft;
    ROWCOL m_nBottom;
    ROWCOL m_nRight;
};
