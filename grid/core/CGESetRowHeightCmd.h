// CGESetRowHeightCmd: gives rows nFrom..nTo their former stored heights back (-1: the default height).
#pragma once

#include "grid/core/CGECommand.h"

class CGESetRowHeightCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetRowHeightCmd)
public:
    CGESetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anHeights);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    ROWCOL m_nFrom;
    ROWCOL m_nTo;
    std::unique_ptr<int[]> m_anHeights; // one per row, taken over
};
