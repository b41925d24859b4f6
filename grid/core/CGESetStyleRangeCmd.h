// CGESetStyleRangeCmd: gives the cells of a range their former stored styles back (row by row; a null entry:
// the cell had no stored style).
#pragma once

#include "grid/core/CGECommand.h"

class CGESetStyleRangeCmd : public CGECommand {
    DECLARE_DYNAMIC(CGESetStyleRangeCmd)
public:
    CGESetStyleRangeCmd(const CGECellRange& range, CObArray* pStyles);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    CGECellRange m_range;
    GEOwnedStyles m_pStyles; // taken over, with its styles
};
