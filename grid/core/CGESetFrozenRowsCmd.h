// CGESetFrozenRowsCmd: gives the grid its former frozen and header row counts back.
#pragma once

#include "grid/core/CGECommand.h"

class CGESetFrozenRowsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetFrozenRowsCmd)
public:
    CGESetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrozen;
    ROWCOL m_nHeader;
};
