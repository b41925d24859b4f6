#include "grid/features/CGEDataUndoMoveCellsInfo.h"

#include "grid/core/CGEStyle.h"

IMPLEMENT_DYNAMIC(CGEDataUndoMoveCellsInfo, CObject)

CGEDataUndoMoveCellsInfo::~CGEDataUndoMoveCellsInfo() = default;

void CGEDataUndoMoveCellsInfo::Add(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle) {
    m_cells.push_back(SavedCell{nRow, nCol, std::unique_ptr<CGEStyle>(pStyle)});
}

std::vector<CGEDataUndoMoveCellsInfo::SavedCell> CGEDataUndoMoveCellsInfo::TakeAll() {
    std::vector<SavedCell> cells;
    cells.swap(m_cells);
    return cells;
}
