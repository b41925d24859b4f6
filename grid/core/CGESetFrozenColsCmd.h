// CGESetFrozenColsCmd: gives the grid its former frozen and header column counts back.
#pragma once

#include "grid/core/CGECommand.h"

class CGESetFrozenColsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetFrozenColsCmd)
public:
    CGESetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrozen;
    ROWCOL m_nHeader;
};
