// CGEDataUndoMoveCellsInfo: what a move of cells overwrote, kept for its undo: each overwritten style with
// the place it came from. Owns the styles until they are put back.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

#include <memory>
#include <vector>

class CGEStyle;

class CGEDataUndoMoveCellsInfo : public CObject {
    DECLARE_DYNAMIC(CGEDataUndoMoveCellsInfo)
public:
    struct SavedCell {
        ROWCOL nRow;
        ROWCOL nCol;
        std::unique_ptr<CGEStyle> pStyle;
    };

    CGEDataUndoMoveCellsInfo() = default;
    ~CGEDataUndoMoveCellsInfo() override;

    void Add(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle);
    // Hands the saved cells over (the info is empty afterwards).
    std::vector<SavedCell> TakeAll();
    BOOL IsEmpty() const { return m_cells.empty(); }
    size_t GetCount() const { return m_cells.size(); }

private:
    std::vector<SavedCell> m_cells;
};
