// The grid of the Create Bill dialog's lines: a grid window of a class of its own, which adds nothing to
// the grid window yet (its message map is empty).
#pragma once

#include "grid/core/CGEGridWnd.h"

class CBillGrid : public CGEGridWnd {
    DECLARE_DYNCREATE(CBillGrid)
public:
    CBillGrid();
    ~CBillGrid() override;

protected:
    DECLARE_MESSAGE_MAP()
};
