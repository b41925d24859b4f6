// CGEMoveRowsCmd: moves rows nFrom..nTo so that they start at nDest: the creator is given the move that puts
// the rows back.
#pragma once

#include "grid/core/CGECommand.h"

class CGEMoveRowsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEMoveRowsCmd)
public:
    CGEMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrom;
    ROWCOL m_nTo;
    ROWCOL m_nDest;
};
