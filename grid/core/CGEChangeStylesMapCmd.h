// CGEChangeStylesMapCmd: gives the grid its former styles map back.
#pragma once

#include "grid/core/CGECommand.h"
#include "grid/core/CGEStylesMap.h"

class CGEChangeStylesMapCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEChangeStylesMapCmd)
public:
    CGEChangeStylesMapCmd(CGEStylesMap* pStylesMap);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    std::unique_ptr<CGEStylesMap> m_pStylesMap; // taken over
};
