// CGEMoveDataColsCmd: puts the columns of a sorted range back in their former order (the inverse order of the
// sort).
#pragma once

#include "grid/core/CGECommand.h"
#include "framework/core/CDWordArray.h"

class CGEMoveDataColsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEMoveDataColsCmd)
public:
    CGEMoveDataColsCmd(const CGECellRange& range, const CDWordArray& order);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    CGECellRange m_range;
    CDWordArray m_order;
};
