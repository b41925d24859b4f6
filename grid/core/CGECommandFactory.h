// CGECommandFactory: the engine's undo and redo. Its creators make the commands that reverse grid operations
// (arrays and objects handed to a creator are taken over); its list operations keep the grid parameters'
// undo and redo lists (newest first), blocks that undo and redo as one step, and the Undo and Redo menu
// items. Each grid owns one (InstallCommandFactory).
#pragma once

#include "framework/core/CObList.h"
#include "grid/core/CGEAbstractCommandFactory.h"

class CGECommandFactory : public CGEAbstractCommandFactory {
public:
    CGECommandFactory() = default;

    CGECommand* CreateBlockCmd(LPCSTR pszName) override;
    CGECommand* CreateSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights) override;
    CGECommand* CreateHideRowsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) override;
    CGECommand* CreateSetDefaultRowHeightCmd(int nOldHeight) override;
    CGECommand* CreateSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths) override;
    CGECommand* CreateHideColsCmd(ROWCOL nFrom, ROWCOL nTo, BOOL* abOldHidden) override;
    CGECommand* CreateSetDefaultColWidthCmd(int nOldWidth) override;
    // The move that puts the rows (columns) back: block nFrom..nTo to start at nDest.
    CGECommand* CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGECommand* CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGECommand* CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGECommand* CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGECommand* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, CObArray* pOldStyles, int* anOldHeights,
                                    ROWCOL nColCount) override;
    CGECommand* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, CObArray* pOldStyles, int* anOldWidths,
                                    ROWCOL nRowCount) override;
    // The covered block to set back (a single cell uncovers).
    CGECommand* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) override;
    CGECommand* CreateSetStyleRangeCmd(const CGECellRange& range, CObArray* pOldStyles) override;
    CGECommand* CreateSetFrozenRowsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) override;
    CGECommand* CreateSetFrozenColsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) override;
    CGECommand* CreateMoveDataRowsCmd(const CGECellRange& range, const CDWordArray& inverseOrder) override;
    CGECommand* CreateMoveDataColsCmd(const CGECellRange& range, const CDWordArray& inverseOrder) override;
    CGECommand* CreateChangeStylesMapCmd(CGEStylesMap* pOldStylesMap) override;
    CGECommand* CreateChangePropertiesCmd(CGEProperties* pOldProperties) override;
    CGECommand* CreateChangeBaseStyleCmd(WORD wStyleId, CGEStyle* pOldStyle) override;
    // The move that puts the cells back, with the undo information the move handed out.
    CGECommand* CreateMoveCellsCmd(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                                   CObject* pUndoInfo) override;
    // The grid has no named ranges: there is nothing to record, and these answer null.
    CGECommand* CreateSetRangeNameCmd(LPCSTR pszName, const CGECellRange* pOldRange) override;
    CGECommand* CreateDeleteRangeNameCmd(LPCSTR pszName, const CGECellRange& range) override;

    BOOL RunCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) override;
    // geDo empties the redo list; geDo and geRedo record into the undo list, geUndo into the redo list,
    // geRollback nowhere (the command is deleted). Inside an open block the block at the head takes the
    // command; otherwise the oldest entries beyond the undo limit go first.
    void AddCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) override;
    void RemoveNewestCommand(CGEGridCore* pGrid, int ctCmd) override;
    // An edit of the current cell that its control can undo is undone first; otherwise the newest step of
    // the undo list runs (it stays at the head when it fails). FALSE when nothing was undone.
    BOOL Undo(CGEGridCore* pGrid) override;
    // Ends the current cell's edit first (a refused edit stops the redo); then the newest step of the redo
    // list runs (it stays at the head when it fails). FALSE when nothing was redone.
    BOOL Redo(CGEGridCore* pGrid) override;
    void BeginTrans(CGEGridCore* pGrid, LPCSTR pszName) override;
    // Closing the outermost level keeps the block when it holds steps and drops it when it is empty. An open
    // level is closed also when undo was switched off meanwhile.
    void CommitTrans(CGEGridCore* pGrid) override;
    // Closing the outermost level reverses everything the block recorded and drops it.
    void Rollback(CGEGridCore* pGrid) override;
    void SetUndoCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bSetCurrent) override;
    void OnUpdateEditUndo(CGEGridCore* pGrid, CCmdUI* pCmdUI) override;
    void OnUpdateEditRedo(CGEGridCore* pGrid, CCmdUI* pCmdUI) override;
    void CleanUpUndo(CGEGridCore* pGrid) override;

private:
    // Enables and names the Undo or Redo item; its text pattern ("Undo %1") is looked up once.
    void UpdateEditItem(CGEGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo);
    // Runs the newest step of a list in a context; FALSE (the step kept) when there is none or it fails.
    BOOL RunNewest(CGEGridCore* pGrid, CObList& list, int ctCmd, BOOL bSetCurrentAfter);

    CString m_strUndoPattern;
    CString m_strRedoPattern;
    BOOL m_bUndoPatternLoaded = FALSE;
    BOOL m_bRedoPatternLoaded = FALSE;
};
