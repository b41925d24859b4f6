// CGERemoveColsCmd: removes columns nFrom..nTo again: the reverse of inserting them.
#pragma once

#include "grid/core/CGECommand.h"

class CGERemoveColsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGERemoveColsCmd)
public:
    CGERemoveColsCmd(ROWCOL nFrom, ROWCOL nTo);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrom;
    ROWCOL m_nTo;
};
