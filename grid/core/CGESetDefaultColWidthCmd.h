// CGESetDefaultColWidthCmd: gives the grid its former default column width back.
#pragma once

#include "grid/core/CGECommand.h"

class CGESetDefaultColWidthCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetDefaultColWidthCmd)
public:
    CGESetDefaultColWidthCmd(int nWidth);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    int m_nWidth;
};
