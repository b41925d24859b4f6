// CGECoveredCellPool: the cell-to-block index of covered cells, derived from the parameter object's list
// of covered ranges (which stays the persistent form). For each block it keeps the block's extent and the
// list position of its range; the blocks never overlap. A look-up visits only the blocks whose first row
// lies within the tallest block's height above the cell, so the index costs one entry per block whatever
// the block's size.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

#include <map>
#include <set>
#include <utility>

class CGECoveredCellPool : public CObject {
    DECLARE_DYNAMIC(CGECoveredCellPool)
public:
    CGECoveredCellPool() = default;

    // The list position stored for the block that holds the cell, or null.
    virtual POSITION Lookup(ROWCOL nRow, ROWCOL nCol) const;
    // With a position, enters the block (top, left)-(bottom, right) under it (a block entered before at the
    // same first cell is replaced); without one (null), removes the block that begins at (top, left).
    // TRUE when anything changed.
    virtual BOOL SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos);
    void RemoveAll();
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_blocks.size()); }

private:
    struct Block {
        ROWCOL bottom;
        ROWCOL right;
        POSITION pos;
    };
    // Keyed by the block's first row and column.
    std::map<std::pair<ROWCOL, ROWCOL>, Block> m_blocks;
    // The heights (bottom - top) of the blocks, tallest last.
    std::multiset<ROWCOL> m_heights;
};
