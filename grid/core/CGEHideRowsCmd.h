// CGEHideRowsCmd: gives rows nFrom..nTo their former hidden states back.
#pragma once

#include "grid/core/CGECommand.h"

class CGEHideRowsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEHideRowsCmd)
public:
    CGEHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abHidden);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrom;
    ROWCOL m_nTo;
    std::unique_ptr<BOOL[]> m_abHidden; // one per row, taken over
};
