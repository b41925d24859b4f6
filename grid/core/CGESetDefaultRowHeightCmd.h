// CGESetDefaultRowHeightCmd: gives the grid its former default row height back.
#pragma once

#include "grid/core/CGECommand.h"

class CGESetDefaultRowHeightCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetDefaultRowHeightCmd)
public:
    CGESetDefaultRowHeightCmd(int nHeight);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    int m_nHeight;
};
