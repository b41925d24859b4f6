// CGESetColWidthCmd: gives columns nFrom..nTo their former stored widths back (-1: the default width).
#pragma once

#include "grid/core/CGECommand.h"

class CGESetColWidthCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetColWidthCmd)
public:
    CGESetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anWidths);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrom;
    ROWCOL m_nTo;
    std::unique_ptr<int[]> m_anWidths; // one per column, taken over
};
