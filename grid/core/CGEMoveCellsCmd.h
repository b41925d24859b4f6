// CGEMoveCellsCmd: moves a block of cells back: the creator is given the move that puts the cells back
// and the undo information the move handed out. When run, the information goes to the grid's move; the
// move may hand back other information for the next step in its place (it never deletes what it is given),
// and the command owns whatever it holds.
#pragma once

#include "grid/core/CGECommand.h"

class CGEMoveCellsCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEMoveCellsCmd)
public:
    CGEMoveCellsCmd(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, CObject* pUndoInfo);
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override;

    CGECellRange m_source;
    ROWCOL m_nDestRow;
    ROWCOL m_nDestCol;
    std::unique_ptr<CObject> m_pUndoInfo; // taken over
};
